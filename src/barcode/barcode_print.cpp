#include "barcode/barcode_print.h"

#include <QFont>
#include <QPainter>

namespace op {

namespace {

// A platform colour integer (0x00BBGGRR); system colours (negative) are black.
QColor platformColor(qint32 color) {
  if (color < 0) return Qt::black;
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont itemFont(const PrintItem &item) {
  QFont font(item.FontName.isEmpty() ? QStringLiteral("Arial") : item.FontName);
  if (item.FontSize > 0) font.setPointSize(item.FontSize);
  font.setBold(item.FontBlod);
  font.setItalic(item.FontItalic);
  font.setUnderline(item.FontUnderLine);
  font.setStrikeOut(item.FontStrikOut);
  return font;
}

}  // namespace

TQelBarcode BarcodeOfItem(const PrintItem &item) {
  TQelBarcode barcode;
  barcode.setBarCodeType(item.BarCodeType);
  barcode.setFont(itemFont(item));
  barcode.setFontColor(platformColor(item.FontColor));
  barcode.setChecksum(item.BarCodeCheckSum);
  barcode.setCheckSumMethod(item.BarCodeCheckSumType == 1 ? csmModulo10 : csmNone);
  const qint32 quarter = item.FontExtValue / 900;
  barcode.setAngle(quarter >= 1 && quarter <= 3 ? quarter * 90 : 0);
  barcode.setText(item.barcodeText());
  return barcode;
}

bool DrawBarcodeItem(QPainter &painter, const PrintItem &item, const QRect &rect, QString *error) {
  // The barcode is stretched into the rectangle, so the field's own size (BaseRect) does not enter the drawing.
  TQelBarcode barcode = BarcodeOfItem(item);
  painter.setFont(barcode.font());
  return barcode.tryDrawBarcode(painter, QRectF(rect), false, item.BarCodeOnlyDrawImage == 0, error);
}

}  // namespace op
