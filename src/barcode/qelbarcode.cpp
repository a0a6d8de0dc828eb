#include "barcode/qelbarcode.h"

#include "barcode/barcode_error.h"
#include "barcode/barcode_painter.h"

namespace op {

TQelBarcode::TQelBarcode() : font_(QStringLiteral("Arial"), 9) {}

EncodedBarcode TQelBarcode::encode() {
  EncodedBarcode encoded = encodeBarcode(codeType_, text_, checksum_, checkSumMethod_);
  text_ = encoded.text;
  return encoded;
}

int TQelBarcode::dataWidth() {
  return patternWidth(encode().pattern, widths());
}

void TQelBarcode::drawBarcode(QPainter &painter, const QRectF &rect, bool fill, bool showText) {
  if (!(rect.width() > 0 && rect.height() > 0 && rect.right() > 0 && rect.bottom() > 0)) return;
  const EncodedBarcode encoded = encode();
  BarcodeDrawOptions options;
  options.angle = int(angle_);
  options.showText = showText;
  options.fill = fill;
  options.color = color_;
  options.colorBar = colorBar_;
  options.textColor = fontColor_;
  options.font = font_;
  dataHeight_ = paintBarcode(painter, rect, encoded, widths(), options).barHeight;
}

bool TQelBarcode::tryDrawBarcode(QPainter &painter, const QRectF &rect, bool fill, bool showText, QString *error) {
  try {
    drawBarcode(painter, rect, fill, showText);
    return true;
  } catch (const BarcodeError &e) {
    if (error) *error = e.message();
    return false;
  }
}

}  // namespace op
