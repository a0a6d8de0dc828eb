// overprint-cli render: one copy of a template, from the database or a document file, drawn through the
// same one-copy path as the print button into a PDF or PNG file. Nothing is logged.
#include <QFileInfo>
#include <QPageSize>
#include <QRegularExpression>

#include <cmath>
#include <exception>

#include "cli/command.h"
#include "cli/template_loading.h"
#include "document/edit_panels.h"
#include "document/interfaces.h"
#include "printing/printonecopy.h"
#include "printing/printtarget.h"
#include "storage/database.h"
#include "storage/datafolder.h"

namespace op::cli {
namespace {

struct RenderArgs {
  QString templateRef;
  QList<QPair<QString, QString>> values;
  int dpi = 300;
  QSizeF paperMm;  // empty: the template's real size
  QString out;
};

bool parseSize(const QString &text, QSizeF &size) {
  static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*[xX*]\\s*(\\d+(?:\\.\\d+)?)\\s*$"));
  const auto match = pattern.match(text);
  if (!match.hasMatch()) return false;
  size = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
  return size.width() > 0 && size.height() > 0;
}

bool parseArgs(const QStringList &args, RenderArgs &parsed) {
  for (int i = 0; i < args.size(); ++i) {
    const QString &a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--template" && hasValue) {
      parsed.templateRef = args[++i];
    } else if (a == "--set" && hasValue) {
      const QString pair = args[++i];
      const int eq = pair.indexOf('=');
      if (eq <= 0) {
        printError("--set 需要 KEY=VALUE: " + pair);
        return false;
      }
      parsed.values.append({pair.left(eq), pair.mid(eq + 1)});
    } else if (a == "--dpi" && hasValue) {
      bool ok = false;
      parsed.dpi = args[++i].toInt(&ok);
      if (!ok || parsed.dpi < 36 || parsed.dpi > 2400) {
        printError("--dpi 应为 36 到 2400 之间的整数");
        return false;
      }
    } else if (a == "--paper" && hasValue) {
      if (!parseSize(args[++i], parsed.paperMm)) {
        printError("--paper 应为 宽x高 (毫米), 例如 210x297");
        return false;
      }
    } else if (a == "--out" && hasValue) {
      parsed.out = args[++i];
    } else {
      printError("未知参数: " + a);
      return false;
    }
  }
  if (parsed.templateRef.isEmpty() || parsed.out.isEmpty()) {
    printError("缺少 --template 或 --out");
    return false;
  }
  const QString suffix = QFileInfo(parsed.out).suffix().toLower();
  if (suffix != "pdf" && suffix != "png") {
    printError("--out 只支持 .pdf 或 .png 文件");
    return false;
  }
  return true;
}

// The page: --paper, else the template's real size, else the design size at 96 pixels per inch.
QSizeF pageSizeMm(const RenderArgs &args, const PrintTemplate &tpl) {
  if (!args.paperMm.isEmpty()) return args.paperMm;
  if (tpl.RealWidth > 0 && tpl.RealHeight > 0) return QSizeF(tpl.RealWidth, tpl.RealHeight);
  return QSizeF(tpl.DesignWidth * 25.4 / 96.0, tpl.DesignHeight * 25.4 / 96.0);
}

std::unique_ptr<PrintTarget> openTarget(const RenderArgs &args, const QSizeF &pageMm) {
  if (QFileInfo(args.out).suffix().toLower() == "pdf")
    return std::make_unique<PdfTarget>(args.out, args.dpi, QPageSize(pageMm, QPageSize::Millimeter));
  const QSize pixels(int(std::lround(pageMm.width() / 25.4 * args.dpi)),
                     int(std::lround(pageMm.height() / 25.4 * args.dpi)));
  return std::make_unique<ImageTarget>(pixels, args.dpi, args.dpi);
}

int runRender(const CommandContext &context) {
  RenderArgs args;
  if (!parseArgs(context.args, args)) return 2;
  try {
    preparePrinting();
    LoadedTemplate loaded;
    std::unique_ptr<Database> db;
    if (QFileInfo(args.templateRef).isFile()) {
      loaded = loadTemplateFromFile(args.templateRef);
    } else {
      db = OpenDatabase(DataFolder::prepare(context.dataDir).databasePath());
      loadGlobalSettings(*db);
      loaded = loadTemplateFromDatabase(*db, args.templateRef);
    }
    FieldValues fields(*loaded.document);
    for (const auto &[key, value] : args.values) {
      const FieldSetter set = fields.find(key);
      if (!set) {
        printError("模板中没有字段: " + key);
        return 1;
      }
      if (!set(value)) {
        printError("字段 " + key + " 不接受这个值: " + value);
        return 1;
      }
    }
    PrintTemplate tpl = printTemplateOf(*loaded.document, loaded.customData);
    const QSizeF pageMm = pageSizeMm(args, tpl);
    // A document file carries no paper size: print it unscaled at its design size.
    if (tpl.RealWidth < 1 || tpl.RealHeight < 1) {
      tpl.RealWidth = int(std::lround(tpl.DesignWidth * 25.4 / 96.0));
      tpl.RealHeight = int(std::lround(tpl.DesignHeight * 25.4 / 96.0));
    }
    std::unique_ptr<PrintTarget> target = openTarget(args, pageMm);
    auto *image = dynamic_cast<ImageTarget *>(target.get());
    if (!target->beginDocument(tpl.Title)) {
      printError("无法开始输出: " + target->errorString());
      return 1;
    }
    TPrintJobParams job;
    job.OwnDocument = false;
    job.Printer = target.get();
    const bool printed = PrintOneCopy(1, job, &tpl, commandEnvironment());
    const bool ended = target->endDocument();
    if (!printed) return 1;
    if (!ended) {
      printError("输出失败: " + target->errorString());
      return 1;
    }
    if (image && !image->image().save(args.out, "PNG")) {
      printError("无法写入文件: " + args.out);
      return 1;
    }
    return 0;
  } catch (const std::exception &e) {
    printError(QString::fromUtf8(e.what()));
    return 1;
  }
}

const CommandRegistration registration(
    "render",
    "render --template ID|FILE [--set KEY=VALUE]... [--dpi N] [--paper WIDTHxHEIGHT] --out FILE.pdf|FILE.png",
    runRender);

}  // namespace
}  // namespace op::cli
