// overprint-cli print: one copy of a template, or one copy per CSV row, into a PDF file or onto a printer,
// every copy logged in the print history like the print button logs it.
#include "cli/command.h"
#include "cli/template_loading.h"
#include "core/base64.h"
#include "core/globalsettings.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/edit_panels.h"
#include "document/field.h"
#include "document/printitem.h"
#include "printing/current_operator.h"
#include "printing/history_store.h"
#include "printing/last_print_info.h"
#include "printing/page_composition.h"
#include "printing/print_dataset.h"
#include "printing/print_runs.h"
#include "printing/printonecopy.h"
#include "storage/database.h"
#include "storage/datafolder.h"

#include <QHash>
#include <QPageSize>

#include <cstdio>
#include <exception>

namespace op::cli {
namespace {

constexpr int kPdfDpi = 300;

struct PrintArgs {
  QString templateId;
  QList<QPair<QString, QString>> values;
  QString rowsFile;
  bool layout = false;
  QString printer;
  QString out;
};

bool parseArgs(const QStringList &args, PrintArgs &parsed) {
  for (int i = 0; i < args.size(); ++i) {
    const QString &a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--template" && hasValue) {
      parsed.templateId = args[++i];
    } else if (a == "--set" && hasValue) {
      const QString pair = args[++i];
      const int eq = pair.indexOf('=');
      if (eq <= 0) {
        printError("--set 需要 KEY=VALUE: " + pair);
        return false;
      }
      parsed.values.append({pair.left(eq), pair.mid(eq + 1)});
    } else if (a == "--rows" && hasValue) {
      parsed.rowsFile = args[++i];
    } else if (a == "--layout") {
      parsed.layout = true;
    } else if (a == "--printer" && hasValue) {
      parsed.printer = args[++i];
    } else if (a == "--out" && hasValue) {
      parsed.out = args[++i];
    } else {
      printError("未知参数: " + a);
      return false;
    }
  }
  if (parsed.templateId.isEmpty()) {
    printError("缺少 --template ID");
    return false;
  }
  if (parsed.printer.isEmpty() == parsed.out.isEmpty()) {
    printError("请指定 --printer NAME 或 --out FILE.pdf 之一");
    return false;
  }
  return true;
}

int runPrint(const CommandContext &context) {
  PrintArgs args;
  if (!parseArgs(context.args, args)) return 2;
  try {
    preparePrinting();

    const DataFolder folder = DataFolder::prepare(context.dataDir);
    auto db = OpenDatabase(folder.databasePath());
    loadGlobalSettings(*db);
    LoadedTemplate loaded = loadTemplateFromDatabase(*db, args.templateId);
    TEditPanels *document = loaded.document.get();
    const QString &customData = loaded.customData;
    FieldValues fields(*document);
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

    PrintTemplate tpl = printTemplateOf(*document, customData);

    CsvDataSet rows;
    QString error;
    if (!args.rowsFile.isEmpty() && !rows.open(args.rowsFile, &error)) {
      printError(error);
      return 1;
    }
    std::vector<FieldSetter> columnFields;
    for (const QString &column : rows.columnNames()) columnFields.push_back(fields.find(column));

    std::unique_ptr<PrintTarget> target;
    if (!args.out.isEmpty()) {
      const QPageSize page = tpl.RealWidth > 0 && tpl.RealHeight > 0
                                 ? QPageSize(QSizeF(tpl.RealWidth, tpl.RealHeight), QPageSize::Millimeter)
                                 : QPageSize(QPageSize::A4);
      target = std::make_unique<PdfTarget>(args.out, kPdfDpi, page);
    } else {
      auto printer = std::make_unique<PrinterTarget>(args.printer);
      if (!printer->isValid()) {
        printError("未发现打印机: " + args.printer);
        return 1;
      }
      target = std::move(printer);
    }

    PrintHistoryStore history(*db);
    bool historyFailed = false;
    bool cacheFailed = false;
    QByteArray lastBlock;
    int lastLeft = 0, lastTop = 0;
    PrintEnvironment env = commandEnvironment();
    env.saveLastPrintInfo = [&](const QByteArray &block, int left, int top) {
      lastBlock = block;
      lastLeft = left;
      lastTop = top;
    };
    env.storeBackground = [&](const QString &key, const QString &text) {
      QString message;
      if (!history.storeBackground(key, text, &message)) {
        if (!cacheFailed) printError(message);
        cacheFailed = true;
      }
    };
    env.saveHistory = [&](const QString &title, const QString &text) {
      QString message;
      if (!history.appendHistory(title, text, currentOperator(), &message)) {
        printError(message);
        historyFailed = true;
      }
    };

    const bool useRows = !args.rowsFile.isEmpty();
    const int total = useRows ? rows.rowCount() : 1;
    DocumentRunHooks hooks;
    hooks.printCopy = [&](const TPrintJobParams &job) { return PrintOneCopy(1, job, &tpl, env) && !historyFailed; };
    hooks.applyRow = [&](const PrintDataSet &data) {
      for (size_t c = 0; c < columnFields.size(); ++c)
        if (columnFields[c]) columnFields[c](data.value(int(c)));
    };
    hooks.progress = [&](int copies) {
      if (total >= 1000 && copies % 500 == 0) std::fprintf(stderr, "已打印 %d/%d\n", copies, total);
    };

    LayoutSettings layout = ReadLayoutSettings(customData);
    layout.BoUserPrintSetting = layout.BoUserPrintSetting || args.layout;
    LayoutStepValues steps = LayoutSteps(layout, target->dpiX(), target->dpiY());
    if (!args.layout) steps.useLayout = false;

    if (!target->beginDocument(tpl.Title)) {
      printError("无法开始打印: " + target->errorString());
      return 1;
    }
    const DocumentRunResult result = PrintIntoDocument(*target, useRows ? &rows : nullptr, steps, hooks);
    const bool ended = target->endDocument();
    if (!lastBlock.isNull())
      SaveLastPrintInfo(folder.lastPrintInfoPath(), folder.configIniPath(), lastBlock, lastLeft, lastTop);
    if (!ended) {
      printError("打印失败: " + target->errorString());
      return 1;
    }
    if (!result.ok || historyFailed) {
      printError(QStringLiteral("打印中止: 已打印 %1 份").arg(result.copies));
      return 1;
    }
    printLine(QStringLiteral("已打印 %1 份, %2 页").arg(result.copies).arg(result.pages));
    return cacheFailed ? 1 : 0;
  } catch (const std::exception &e) {
    printError(QString::fromUtf8(e.what()));
    return 1;
  }
}

const CommandRegistration registration(
    "print", "print --template ID [--set KEY=VALUE]... [--rows FILE.csv] [--layout] (--printer NAME | --out FILE.pdf)",
    runPrint);

}  // namespace
}  // namespace op::cli
