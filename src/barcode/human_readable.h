#pragma once

#include <QList>
#include <QString>

namespace op {

// One piece of the human-readable text, placed along the bars in drawing units.
struct TextPart {
  QString text;
  double x = 0;  // left edge, or the centre when `centred`
  bool centred = false;
};

// EAN-8, EAN-13, UPC-A, UPC-E0 and UPC-E1: their guard bars reach into the text line.
bool hasGuardBars(int type);

// The parts of the human-readable text and their positions: the digit groups of EAN/UPC at their fixed
// units (scaled by `modul`), every other symbology's text centred over the `dataWidth` units.
QList<TextPart> humanReadableParts(int type, const QString &displayText, int dataWidth, int modul);

}  // namespace op
