#include "printing/renderer.h"
#include "printing/renderer_parts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <cmath>

// Text items. The cell of a text is its advance width by ascent + descent; alignment places the unrotated
// cell inside PrintRect, then quarter and half turns move the rotation origin so that the turned page keeps
// the text in place: 900 starts at the rectangle's bottom and runs upward, 2700 is its half turn (mirrored
// horizontally, starting at the top and running downward), 1800 mirrors the cell in both axes.
namespace op {

namespace {

int mulDiv(int number, int numerator, int denominator) {
  return static_cast<int>(std::lround(static_cast<double>(number) * numerator / denominator));
}

int horizontalPosition(const PrintItem &item, int textWidth) {
  const ItemRect &r = item.PrintRect;
  if (!item.HasTextStyle) return r.Left;
  switch (item.TextStyle) {
    case 2:
      return r.Left + (r.Right - r.Left - textWidth) / 2;
    case 3:
      return r.Right - textWidth;
    default:
      return r.Left;
  }
}

int verticalPosition(const PrintItem &item, int textHeight) {
  const ItemRect &r = item.PrintRect;
  if (!item.HasTextHorzStyle) return r.Top;
  switch (item.TextHorzStyleValue) {
    case 1:
      return r.Top;
    case 2:
      return r.Top + (r.Bottom - r.Top - textHeight) / 2;
    default:
      return r.Bottom - textHeight;
  }
}

}  // namespace

QFont PrintItemFont(const PrintItem &item, int dpiY) {
  QFont font(item.FontName);
  font.setPixelSize(std::max(1, mulDiv(item.FontSize, dpiY, 72)));
  font.setBold(item.FontBlod);
  font.setItalic(item.FontItalic);
  font.setUnderline(item.FontUnderLine);
  font.setStrikeOut(item.FontStrikOut);
  return font;
}

TextPlacement PlaceText(const PrintItem &item, const QFontMetrics &metrics, int x, int y) {
  const int width = metrics.horizontalAdvance(item.text());
  const int height = metrics.height();
  const ItemRect &r = item.PrintRect;
  const int h = horizontalPosition(item, width);
  const int v = verticalPosition(item, height);
  TextPlacement place;
  place.angle = item.HasFontExt && item.FontExtValue > 0 ? item.FontExtValue : 0;
  switch (place.angle / 900) {
    case 1:
      place.origin = QPoint(x + h, y + r.Bottom);
      break;
    case 2:
      place.origin = QPoint(x + r.Left + r.Right - h, y + r.Top + r.Bottom - v);
      break;
    case 3:
      place.origin = QPoint(x + r.Left + r.Right - h, y + r.Top);
      break;
    default:
      place.origin = QPoint(x + h, y + v);
  }
  QTransform turn;
  turn.translate(place.origin.x(), place.origin.y());
  turn.rotate(-place.angle / 10.0);
  place.cell = turn.mapRect(QRect(0, 0, width, height));
  return place;
}

void drawTextItem(QPainter &painter, const PrintItem &item, int x, int y) {
  painter.save();
  painter.setFont(PrintItemFont(item, painter.device()->logicalDpiY()));
  painter.setPen(ItemColor(item.FontColor));
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::TransparentMode);
  const QFontMetrics metrics = painter.fontMetrics();
  const TextPlacement place = PlaceText(item, metrics, x, y);
  painter.translate(place.origin);
  if (place.angle != 0) painter.rotate(-place.angle / 10.0);
  painter.drawText(QPoint(0, metrics.ascent()), item.text());
  painter.restore();
}

}  // namespace op
