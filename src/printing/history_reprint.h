#pragma once

#include "printing/printrecord.h"

#include <QByteArray>

class QPainter;

// Drawing a logged print again: on the screen for the history viewer, on a printer for the re-print.
namespace op {

class PrintTarget;

// The record's block for the screen: every item with an angle from 0 to 3599 and a control rectangle is
// drawn unrotated in that rectangle (angle 0). Null for a damaged block.
QByteArray PrepareBlockForScreen(const QByteArray &block);

// Draws the record on a screen-like painter at (x, y), unscaled (design pixels); false for a damaged block.
bool DrawRecordPreview(const PrintRecord &record, QPainter &painter, int x, int y);

// One page on the target's open document: the block scaled by the header's factors times the device
// ratios, layers text, image, barcode, line, shape at the header's offsets.
bool ReprintRecord(const PrintRecord &record, PrintTarget &target, int screenDpiX, int screenDpiY,
                   QString *error = nullptr);

}  // namespace op
