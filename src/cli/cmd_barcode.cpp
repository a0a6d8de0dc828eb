#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <optional>

#include "barcode/barcode_error.h"
#include "barcode/qelbarcode.h"
#include "cli/command.h"

namespace {

struct BarcodeArgs {
  const op::SymbologyInfo *type = nullptr;
  QString text;
  bool textGiven = false;
  bool checksum = false;
  int angle = 0;
  bool modules = false;
  QString out;
  QSizeF sizeMm;
  int dpi = 300;
  bool showText = true;
};

std::optional<QSizeF> parseSize(const QString &text) {
  const QStringList parts = text.toLower().split('x');
  if (parts.size() != 2) return std::nullopt;
  bool okW = false, okH = false;
  const double w = parts[0].toDouble(&okW), h = parts[1].toDouble(&okH);
  if (!okW || !okH || w <= 0 || h <= 0) return std::nullopt;
  return QSizeF(w, h);
}

// Reads the options; returns an error message, empty when they are complete and sound.
QString parseArgs(const QStringList &args, BarcodeArgs &parsed) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString &option = args[i];
    const bool hasValue = i + 1 < args.size();
    if (option == "--checksum") {
      parsed.checksum = true;
    } else if (option == "--modules") {
      parsed.modules = true;
    } else if (option == "--no-text") {
      parsed.showText = false;
    } else if (!hasValue) {
      return "未知选项或缺少参数: " + option;
    } else if (option == "--type") {
      parsed.type = op::findSymbology(args[++i]);
      if (!parsed.type) return "未知条码类型: " + args[i];
    } else if (option == "--text") {
      parsed.text = args[++i];
      parsed.textGiven = true;
    } else if (option == "--angle") {
      bool ok = false;
      parsed.angle = args[++i].toInt(&ok);
      if (!ok || parsed.angle % 90 != 0 || parsed.angle < 0 || parsed.angle > 270)
        return "角度必须是 0、90、180 或 270";
    } else if (option == "--out") {
      parsed.out = args[++i];
    } else if (option == "--size") {
      const auto size = parseSize(args[++i]);
      if (!size) return "尺寸格式应为 宽x高 (毫米): " + args[i];
      parsed.sizeMm = *size;
    } else if (option == "--dpi") {
      bool ok = false;
      parsed.dpi = args[++i].toInt(&ok);
      if (!ok || parsed.dpi < 10 || parsed.dpi > 4800) return "分辨率无效: " + args[i];
    } else {
      return "未知选项: " + option;
    }
  }
  if (!parsed.type) return "缺少 --type";
  if (!parsed.textGiven) return "缺少 --text";
  if (parsed.modules == !parsed.out.isEmpty()) return "必须给出 --modules 或 --out 之一";
  if (!parsed.out.isEmpty() && !parsed.out.endsWith(".png", Qt::CaseInsensitive) &&
      !parsed.out.endsWith(".pdf", Qt::CaseInsensitive))
    return "输出文件必须是 .png 或 .pdf";
  if (parsed.sizeMm.isEmpty()) parsed.sizeMm = parsed.angle % 180 == 0 ? QSizeF(60, 30) : QSizeF(30, 60);
  return {};
}

op::TQelBarcode makeBarcode(const BarcodeArgs &args) {
  op::TQelBarcode barcode;
  barcode.setBarCodeType(args.type->type);
  barcode.setText(args.text);
  barcode.setChecksum(args.checksum);
  barcode.setAngle(args.angle);
  return barcode;
}

int printModules(const BarcodeArgs &args) {
  op::TQelBarcode barcode = makeBarcode(args);
  const op::EncodedBarcode encoded = barcode.encode();
  op::cli::printLine(op::moduleString(encoded.pattern, barcode.widths()));
  return 0;
}

void drawOnto(QPainter &painter, op::TQelBarcode &barcode, const QRectF &rect, bool showText) {
  barcode.drawBarcode(painter, rect, true, showText);
}

int writePdf(const BarcodeArgs &args, op::TQelBarcode &barcode) {
  // Encode first so that a refused text leaves no file behind.
  barcode.encode();
  QPdfWriter writer(args.out);
  writer.setResolution(args.dpi);
  writer.setPageSize(QPageSize(args.sizeMm, QPageSize::Millimeter));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter(&writer);
  if (!painter.isActive()) {
    op::cli::printError("无法写入文件: " + args.out);
    return 1;
  }
  drawOnto(painter, barcode, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), args.showText);
  return 0;
}

int writePng(const BarcodeArgs &args, op::TQelBarcode &barcode) {
  const double pixelsPerMm = args.dpi / 25.4;
  QImage image(qRound(args.sizeMm.width() * pixelsPerMm), qRound(args.sizeMm.height() * pixelsPerMm),
               QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(pixelsPerMm * 1000));
  image.setDotsPerMeterY(qRound(pixelsPerMm * 1000));
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    drawOnto(painter, barcode, QRectF(image.rect()), args.showText);
  }
  if (!image.save(args.out)) {
    op::cli::printError("无法写入文件: " + args.out);
    return 1;
  }
  return 0;
}

int run(const op::cli::CommandContext &ctx) {
  BarcodeArgs args;
  const QString problem = parseArgs(ctx.args, args);
  if (!problem.isEmpty()) {
    op::cli::printError(problem);
    return 2;
  }
  try {
    if (args.modules) return printModules(args);
    op::TQelBarcode barcode = makeBarcode(args);
    return args.out.endsWith(".pdf", Qt::CaseInsensitive) ? writePdf(args, barcode) : writePng(args, barcode);
  } catch (const op::BarcodeError &e) {
    op::cli::printError(e.message());
    return 1;
  }
}

const op::cli::CommandRegistration reg(
    "barcode",
    "barcode --type NAME|NUMBER --text TEXT [--checksum] [--angle 0|90|180|270] "
    "(--modules | --out FILE.png|FILE.pdf [--size WIDTHxHEIGHT] [--dpi N] [--no-text])",
    run);

}  // namespace
