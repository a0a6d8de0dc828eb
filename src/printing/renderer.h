#pragma once

#include "document/printitem.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>

class QPainter;
class QFontMetrics;

// Draws print items and blocks on any QPainter (printer, PDF writer, image, screen).
namespace op {

// Installed by the main window: the background picture stored under an MD5 key, or a null image.
using BackgroundLookup = std::function<QImage(const QString &md5)>;
// Installed by the barcode module: draws a barcode item into the rectangle (PrintRect moved by the offsets).
using BarcodeDrawer = std::function<void(QPainter &painter, const PrintItem &item, const QRect &rect)>;

// An empty function removes the hook.
void SetBackgroundLookup(BackgroundLookup lookup);
void SetBarcodeDrawer(BarcodeDrawer drawer);
bool HasBackgroundLookup();
bool HasBarcodeDrawer();

// Kind filter of DrawPrintBlock.
enum DrawFilter : int {
  kDrawAll = 0,
  kDrawTexts = 1,
  kDrawImages = 2,
  kDrawBackgrounds = 3,
  kDrawBarcodes = 4,
  kDrawLines = 5,
  kDrawShapes = 6,
};

// Draws the items of `block` at offset (x, y), only those the filter selects. False (nothing drawn, message in
// `error`) for a damaged block or an inactive painter; a null or empty block draws nothing and succeeds.
bool DrawPrintBlock(const QByteArray &block, QPainter *painter, int x, int filter, int y, QString *error = nullptr);

// Draws one item at offset (x, y) when the filter selects it.
void DrawPrintItem(QPainter &painter, const PrintItem &item, int x, int y, int filter = kDrawAll);

// ---- Text placement, shared with previews ----

// The item's font at the device's vertical resolution: pixel size = MulDiv(FontSize, dpiY, 72), the header's
// style flags always applied.
QFont PrintItemFont(const PrintItem &item, int dpiY);

// Where a text item goes: `origin` is the top-left corner of the text cell before rotation (the point the
// text is rotated about), `angle` the counter-clockwise rotation in tenths of a degree, `cell` the rotated
// text cell (width × ascent+descent) as it lands on the page.
struct TextPlacement {
  QPoint origin;
  int angle = 0;
  QRect cell;
};
TextPlacement PlaceText(const PrintItem &item, const QFontMetrics &metrics, int x, int y);

// A colour of the platform encoding (0x00BBGGRR; system colours, which are negative, print black).
QColor ItemColor(qint32 color);

}  // namespace op
