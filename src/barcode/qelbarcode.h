#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "barcode/barcode_encoder.h"
#include "barcode/barcode_types.h"
#include "barcode/element_widths.h"

class QPainter;

namespace op {

// A one-dimensional barcode: its settings, its encoding and its drawing into any rectangle of any painter.
// The barcode field and the print renderer's barcode drawer build on it.
//
// Encoding errors raise BarcodeError (barcode/barcode_error.h) with the message to show; nothing is drawn then.
class TQelBarcode {
 public:
  TQelBarcode();

  QString text() const { return text_; }
  void setText(const QString &text) { text_ = text; }
  int modul() const { return modul_; }
  void setModul(int modul) { modul_ = modul; }
  double ratio() const { return ratio_; }
  void setRatio(double ratio) { ratio_ = ratio; }
  // The symbology ordinal; an out-of-range ordinal (from stored data) fails when encoding.
  int codeType() const { return codeType_; }
  void setBarCodeType(int type) { codeType_ = type; }
  bool checksum() const { return checksum_; }
  void setChecksum(bool checksum) { checksum_ = checksum; }
  TQelCheckSumMethod checkSumMethod() const { return checkSumMethod_; }
  void setCheckSumMethod(TQelCheckSumMethod method) { checkSumMethod_ = method; }
  double angle() const { return angle_; }
  void setAngle(double degrees) { angle_ = degrees; }
  int dataHeight() const { return dataHeight_; }
  void setDataHeight(int height) { dataHeight_ = height; }
  QColor color() const { return color_; }
  void setColor(const QColor &color) { color_ = color; }
  QColor colorBar() const { return colorBar_; }
  void setColorBar(const QColor &color) { colorBar_ = color; }
  QFont font() const { return font_; }
  void setFont(const QFont &font) { font_ = font; }
  QColor fontColor() const { return fontColor_; }
  void setFontColor(const QColor &color) { fontColor_ = color; }

  // Encodes the current text. Symbologies that rewrite the text (trimming digits-only types, the check digit
  // of interleaved 2 of 5, EAN-13 and UPC-E) leave the result in text().
  EncodedBarcode encode();

  // The element widths w0..w3 after the symbology's ratio clamp.
  ElementWidths widths() const { return elementWidths(codeType_, modul_, ratio_); }

  // Total width of the encoded pattern in drawing units (encodes the current text).
  int dataWidth();

  // Draws bars and, with `showText`, the human-readable text into `rect`, stretched to fill it, at angle().
  // `fill` paints a color() rectangle behind each text part. Nothing is drawn for an empty or off-device
  // rectangle. Raises BarcodeError before drawing anything when the text cannot be encoded.
  void drawBarcode(QPainter &painter, const QRectF &rect, bool fill, bool showText);

  // As drawBarcode, but reports a failure through the return value and `error` instead of raising.
  bool tryDrawBarcode(QPainter &painter, const QRectF &rect, bool fill, bool showText, QString *error = nullptr);

 private:
  QString text_;
  int modul_ = 1;
  double ratio_ = 2.0;
  int codeType_ = bcCodeEAN13;
  bool checksum_ = false;
  TQelCheckSumMethod checkSumMethod_ = csmModulo10;
  double angle_ = 0;
  int dataHeight_ = 0;
  QColor color_ = Qt::white;
  QColor colorBar_ = Qt::black;
  QColor fontColor_ = Qt::black;
  QFont font_;
};

}  // namespace op
