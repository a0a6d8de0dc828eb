#include "printing/renderer.h"

#include "core/base64.h"
#include "printing/printblock.h"
#include "printing/renderer_parts.h"

#include <QPainter>

#include <exception>

namespace op {

namespace {

struct Hooks {
  BackgroundLookup lookup;
  BarcodeDrawer barcode;
  // The last background looked up: redrawing several records of one template reads the cache once.
  QString lastKey;
  QImage lastImage;
};

Hooks &hooks() {
  static Hooks instance;
  return instance;
}

bool selected(int filter, int kindFilter) {
  return kindFilter != kDrawAll && (filter == kDrawAll || filter == kindFilter);
}

// The filter number that selects a kind; kDrawAll for kinds that are never drawn.
int filterOf(qint32 printType) {
  switch (printType) {
    case kPrintText:
      return kDrawTexts;
    case kPrintImage:
      return kDrawImages;
    case kPrintBackground:
      return kDrawBackgrounds;
    case kPrintBarcode:
      return kDrawBarcodes;
    case kPrintLine:
      return kDrawLines;
    case kPrintShape:
      return kDrawShapes;
    default:
      return kDrawAll;
  }
}

void drawImage(QPainter &painter, const QImage &image, const PrintItem &item, int x, int y) {
  if (image.isNull()) return;
  const ItemRect &r = item.PrintRect;
  if (item.BoStretch)
    painter.drawImage(QRect(QPoint(x + r.Left, y + r.Top), QPoint(x + r.Right - 1, y + r.Bottom - 1)), image);
  else
    painter.drawImage(QPoint(x + r.Left, y + r.Top), image);
}

QImage decodeImage(const QString &base64Text) {
  const QByteArray data = fromStorageText(base64Text.trimmed());
  if (data.isEmpty()) return {};
  return QImage::fromData(data);
}

QImage backgroundImage(const QString &key) {
  Hooks &h = hooks();
  if (key != h.lastKey || h.lastImage.isNull()) {
    h.lastImage = h.lookup(key);
    h.lastKey = key;
  }
  return h.lastImage;
}

void drawItemOfKind(QPainter &painter, const PrintItem &item, int x, int y) {
  const ItemRect &r = item.PrintRect;
  switch (item.PrintType) {
    case kPrintText:
      drawTextItem(painter, item, x, y);
      break;
    case kPrintImage:
      drawImage(painter, decodeImage(item.text()), item, x, y);
      break;
    case kPrintBackground:
      if (hooks().lookup) drawImage(painter, backgroundImage(item.backgroundKey()), item, x, y);
      break;
    case kPrintBarcode:
      if (hooks().barcode) {
        painter.save();
        hooks().barcode(painter, item, QRect(QPoint(x + r.Left, y + r.Top), QPoint(x + r.Right - 1, y + r.Bottom - 1)));
        painter.restore();
      }
      break;
    case kPrintLine:
      drawLineItem(painter, item, x, y);
      break;
    case kPrintShape:
      drawShapeItem(painter, item, x, y);
      break;
    default:
      break;
  }
}

}  // namespace

void SetBackgroundLookup(BackgroundLookup lookup) {
  hooks().lookup = std::move(lookup);
  hooks().lastKey.clear();
  hooks().lastImage = QImage();
}

void SetBarcodeDrawer(BarcodeDrawer drawer) {
  hooks().barcode = std::move(drawer);
}
bool HasBackgroundLookup() {
  return bool(hooks().lookup);
}
bool HasBarcodeDrawer() {
  return bool(hooks().barcode);
}

QColor ItemColor(qint32 color) {
  if (color < 0) return Qt::black;
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void DrawPrintItem(QPainter &painter, const PrintItem &item, int x, int y, int filter) {
  if (!selected(filter, filterOf(item.PrintType))) return;
  try {
    drawItemOfKind(painter, item, x, y);
  } catch (const std::exception &) {
    // A picture, background or barcode that cannot be drawn leaves its place empty; the print goes on.
  }
}

bool DrawPrintBlock(const QByteArray &block, QPainter *painter, int x, int filter, int y, QString *error) {
  if (block.isNull() || !painter) return true;
  if (!painter->isActive()) {
    if (error) *error = QStringLiteral("打印设备未就绪");
    return false;
  }
  const auto items = ReadPrintBlockItems(block, error);
  if (!items) return false;
  for (const PrintItem &item : *items) DrawPrintItem(*painter, item, x, y, filter);
  return true;
}

}  // namespace op
