#include "printing/renderer.h"
#include "printing/renderer_parts.h"

#include "document/pen_style.h"

#include <QPainter>

#include <algorithm>

// Line and shape items, drawn with the pen block of their payload.
namespace op {

namespace {

QPen itemPen(const PenBlock &block) { return fieldPenOf(block.PenStyle, block.PenWidth, ItemColor(block.PenColor)); }

}  // namespace

void drawLineItem(QPainter &painter, const PrintItem &item, int x, int y) {
  const auto block = PenBlock::fromBytes(item.payload);
  if (!block) return;
  const ItemRect &r = item.PrintRect;
  const int w = std::max(0, r.Right - r.Left);
  const int h = std::max(0, r.Bottom - r.Top);
  const int x0 = x + r.Left;
  const int y0 = y + r.Top;
  QLine line;
  switch (block->Kind) {
    case 0:
      line = QLine(x0, y0 + (h >> 1), x0 + w, y0 + (h >> 1));
      break;
    case 1:
      line = QLine(x0 + (w >> 1), y0, x0 + (w >> 1), y0 + h);
      break;
    case 2:
      line = QLine(x0 + w, y0, x0, y0 + h);
      break;
    case 3:
      line = QLine(x0, y0, x0 + w, y0 + h);
      break;
    default:
      return;
  }
  painter.save();
  painter.setPen(itemPen(*block));
  painter.drawLine(line);
  painter.restore();
}

void drawShapeItem(QPainter &painter, const PrintItem &item, int x, int y) {
  const auto block = PenBlock::fromBytes(item.payload);
  if (!block) return;
  const ItemRect &r = item.PrintRect;
  const int p = std::max(0, block->PenWidth);
  int px = p / 2;
  int py = px;
  int w = (r.Right - r.Left) - p + 1;
  int h = (r.Bottom - r.Top) - p + 1;
  if (p == 0) {
    --w;
    --h;
  }
  const int s = std::min(w, h);
  const int type = block->Kind & 0xFF;
  if (type == kShapeCircle || type == kShapeRoundSquare || type == kShapeSquare) {
    px += (w - s) / 2;
    py += (h - s) / 2;
    w = h = s;
  }
  if (w <= 0 || h <= 0) return;
  // The box covers w × h device pixels, outline included.
  const QRect box(x + r.Left + px, y + r.Top + py, w - 1, h - 1);
  painter.save();
  painter.setPen(itemPen(*block));
  painter.setBrush(block->FullFill ? QBrush(ItemColor(block->PenColor)) : QBrush(Qt::NoBrush));
  switch (type) {
    case kShapeRectangle:
    case kShapeSquare:
      painter.drawRect(box);
      break;
    case kShapeRoundRect:
    case kShapeRoundSquare: {
      const qreal radius = (s / 4) / 2.0;
      painter.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
      break;
    }
    case kShapeCircle:
    case kShapeEllipse:
      painter.drawEllipse(box);
      break;
    default:
      break;
  }
  painter.restore();
}

}  // namespace op
