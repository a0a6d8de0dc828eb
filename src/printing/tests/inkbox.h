#pragma once

#include <QImage>
#include <QRect>

// The bounding box of every pixel that is not near white: where something was drawn.
inline QRect inkBox(const QImage &image, const QRect &area = QRect()) {
  const QRect scan = area.isNull() ? image.rect() : area.intersected(image.rect());
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (int y = scan.top(); y <= scan.bottom(); ++y) {
    const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    for (int x = scan.left(); x <= scan.right(); ++x) {
      const QRgb p = line[x];
      if (qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (left == INT_MAX) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}
