#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

#include "barcode/barcode_encoder.h"
#include "barcode/element_widths.h"

class QPainter;

namespace op {

struct BarcodeDrawOptions {
  int angle = 0;                 // counter-clockwise degrees: 0, 90, 180 or 270 (other values: nearest quarter turn)
  bool showText = true;          // draw the human-readable text
  bool fill = false;             // paint a `color` rectangle behind each text part
  QColor color = Qt::white;      // spaces and text background
  QColor colorBar = Qt::black;   // bars
  QColor textColor = Qt::black;  // the human-readable text
  QFont font = QFont(QStringLiteral("Arial"), 9);  // only its size is used; the face is always Arial
};

// What the drawing measured, in drawing units.
struct BarcodeDrawGeometry {
  int dataWidth = 0;  // D, the length of the pattern
  int barHeight = 0;  // the full height of the drawing across the bars
  bool drawn = false;
};

// Draws an encoded barcode stretched into `rect` of any painter (screen, QImage, PDF, printer). Nothing is
// drawn unless the rectangle has a positive size and positive right and bottom edges.
BarcodeDrawGeometry paintBarcode(QPainter &painter, const QRectF &rect, const EncodedBarcode &barcode,
                                 const ElementWidths &widths, const BarcodeDrawOptions &options);

// The height of the human-readable text in drawing units: the font's pixel height at 96 dots per inch.
int textPixelHeight(const QFont &font);

}  // namespace op
