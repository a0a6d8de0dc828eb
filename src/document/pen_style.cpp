#include "document/pen_style.h"

#include <algorithm>

namespace op {

QPen fieldPenOf(int style, int width, const QColor &color) {
  QPen pen(color);
  pen.setWidth(std::max(0, width));
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  const bool thin = width <= 1;
  switch (style & 0xFF) {
    case 1:
      pen.setStyle(thin ? Qt::DashLine : Qt::SolidLine);
      break;
    case 2:
    case 8:
      pen.setStyle(thin ? Qt::DotLine : Qt::SolidLine);
      break;
    case 3:
      pen.setStyle(thin ? Qt::DashDotLine : Qt::SolidLine);
      break;
    case 4:
      pen.setStyle(thin ? Qt::DashDotDotLine : Qt::SolidLine);
      break;
    case 5:
      pen.setStyle(Qt::NoPen);
      break;
    default:
      pen.setStyle(Qt::SolidLine);
  }
  return pen;
}

}  // namespace op
