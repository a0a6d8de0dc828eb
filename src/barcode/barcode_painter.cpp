#include "barcode/barcode_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "barcode/human_readable.h"
#include "core/datetime.h"

namespace op {
namespace {

constexpr double kScreenDpi = 96.0;

// The text font and its metrics.
struct TextFont {
  QFont source;
  QFont font;
  QFontMetricsF metrics{QFont()};
};

// A run of barcodes shares one font, so the last one is kept per thread. It is never destroyed: fonts must
// not outlive the application object, and thread-local destructors run after it is gone.
const TextFont &textFontOf(const QFont &font) {
  thread_local TextFont *last = nullptr;
  if (!last || !(last->source == font)) {
    QFont text(QStringLiteral("Arial"));
    text.setPixelSize(textPixelHeight(font));
    text.setBold(font.bold());
    text.setItalic(font.italic());
    text.setUnderline(font.underline());
    text.setStrikeOut(font.strikeOut());
    if (!last) last = new TextFont;
    *last = {font, text, QFontMetricsF(text)};
  }
  return *last;
}

// The drawing runs from x0 to x1 along the bars: the pattern plus any text that stands out beside it.
struct Extent {
  double x0 = 0, x1 = 0;
};

// A text part with its measured left edge and width.
struct PlacedText {
  QString text;
  double left = 0, width = 0;
};

QList<PlacedText> placeText(const QList<TextPart> &parts, const QFontMetricsF &metrics) {
  QList<PlacedText> placed;
  for (const TextPart &part : parts) {
    const double width = metrics.horizontalAdvance(part.text);
    placed.append({part.text, part.centred ? part.x - width / 2 : part.x, width});
  }
  return placed;
}

Extent extentOf(const QList<PlacedText> &parts, int dataWidth) {
  Extent extent{0, double(dataWidth)};
  for (const PlacedText &part : parts) {
    extent.x0 = std::min(extent.x0, part.left);
    extent.x1 = std::max(extent.x1, part.left + part.width);
  }
  return extent;
}

// Maps drawing units (u along the bars' sequence, v across them) into the rectangle at a quarter turn.
QTransform unitTransform(const QRectF &rect, int quarter, double alongScale, double acrossScale, double x0) {
  QTransform t;
  switch (quarter) {
    case 1:
      t.translate(rect.left(), rect.bottom()), t.rotate(-90);
      break;
    case 2:
      t.translate(rect.right(), rect.bottom()), t.rotate(180);
      break;
    case 3:
      t.translate(rect.right(), rect.top()), t.rotate(90);
      break;
    default:
      t.translate(rect.left(), rect.top());
      break;
  }
  t.scale(alongScale, acrossScale);
  t.translate(-x0, 0);
  return t;
}

bool hasShortBars(const QByteArray &pattern) {
  return std::any_of(pattern.begin(), pattern.end(), [](char c) { return elementKind(c) == ElementKind::ShortBar; });
}

// Elements are rectangles in drawing units; a quarter turn maps them to rectangles, so they are mapped here and
// drawn without changing the painter's transform.
void paintElements(QPainter &painter, const QTransform &units, const QByteArray &pattern, const ElementWidths &widths,
                   double barHeight, const BarcodeDrawOptions &options) {
  auto fill = [&](const QRectF &rect, const QColor &color) { painter.fillRect(units.mapRect(rect), color); };
  const bool shortBars = hasShortBars(pattern);
  // Spaces are one background rectangle unless short bars leave room above them.
  if (!shortBars) fill(QRectF(0, 0, patternWidth(pattern, widths), barHeight), options.color);
  const double shortTop = barHeight * 3 / 5;
  int x = 0;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const ElementKind kind = elementKind(pattern[i]);
    int width = widths.of(pattern[i]);
    if (kind == ElementKind::Bar) {
      // Adjacent full bars become one rectangle.
      while (i + 1 < pattern.size() && elementKind(pattern[i + 1]) == ElementKind::Bar)
        width += widths.of(pattern[++i]);
      fill(QRectF(x, 0, width, barHeight), options.colorBar);
    } else if (kind == ElementKind::ShortBar) {
      fill(QRectF(x, shortTop, width, barHeight - shortTop), options.colorBar);
    } else if (shortBars && kind == ElementKind::Space) {
      fill(QRectF(x, 0, width, barHeight), options.color);
    }
    x += width;
  }
}

void paintText(QPainter &painter, const QTransform &units, const QList<PlacedText> &parts, const TextFont &font,
               int height, const BarcodeDrawOptions &options) {
  painter.save();
  painter.setWorldTransform(units, true);
  painter.setFont(font.font);
  painter.setPen(options.textColor);
  const double baseline = height - 1 - font.metrics.descent();
  for (const PlacedText &part : parts) {
    if (options.fill)
      painter.fillRect(QRectF(part.left, baseline - font.metrics.ascent(), part.width,
                              font.metrics.ascent() + font.metrics.descent()),
                       options.color);
    painter.drawText(QPointF(part.left, baseline), part.text);
  }
  painter.restore();
}

}  // namespace

int textPixelHeight(const QFont &font) {
  if (font.pixelSize() > 0) return font.pixelSize();
  return int(roundHalfEven(font.pointSizeF() * kScreenDpi / 72.0));
}

BarcodeDrawGeometry paintBarcode(QPainter &painter, const QRectF &rect, const EncodedBarcode &barcode,
                                 const ElementWidths &widths, const BarcodeDrawOptions &options) {
  BarcodeDrawGeometry geometry;
  geometry.dataWidth = patternWidth(barcode.pattern, widths);
  if (!(rect.width() > 0 && rect.height() > 0 && rect.right() > 0 && rect.bottom() > 0)) return geometry;
  if (geometry.dataWidth <= 0) return geometry;

  const TextFont &font = textFontOf(options.font);
  const QList<PlacedText> parts =
      options.showText
          ? placeText(humanReadableParts(barcode.type, barcode.displayText, geometry.dataWidth, widths.w[0]),
                      font.metrics)
          : QList<PlacedText>();
  const Extent extent = extentOf(parts, geometry.dataWidth);

  const int quarter = ((int(roundHalfEven(options.angle / 90.0)) % 4) + 4) % 4;
  const double along = quarter % 2 ? rect.height() : rect.width();
  const double across = quarter % 2 ? rect.width() : rect.height();
  const double length = extent.x1 - extent.x0;
  const int height = std::max(1, int(roundHalfEven(across / (along / length))));
  geometry.barHeight = height;

  // The text line below the bars: T is the text height plus 2; EAN/UPC guard bars reach into it.
  const int t = textPixelHeight(options.font) + 2;
  int barHeight = height;
  if (options.showText) barHeight -= hasGuardBars(barcode.type) ? t / 2 : t + 2;
  barHeight = std::max(1, barHeight);

  const QTransform units = unitTransform(rect, quarter, along / length, across / height, extent.x0);
  paintElements(painter, units, barcode.pattern, widths, barHeight, options);
  if (!parts.isEmpty()) paintText(painter, units, parts, font, height, options);
  geometry.drawn = true;
  return geometry;
}

}  // namespace op
