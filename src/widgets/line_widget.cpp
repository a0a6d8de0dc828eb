#include "widgets/line_widget.h"

#include <QPainter>

#include "controls/line.h"

namespace op {

QPen fieldPen(int color, int style, int width) {
  QPen pen(platformColor(color));
  pen.setWidth(qMax(0, width));
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

LineWidget::LineWidget(TPCostomLine &line, QWidget *parent) : FieldWidget(line, parent), line_(line) {}

void LineWidget::paintEvent(QPaintEvent *) {
  const auto line = lineAcross(line_.lineType(), width(), height());
  if (!line) return;
  QPainter painter(this);
  painter.setPen(fieldPen(line_.penColor(), line_.penStyle(), line_.penWidth()));
  painter.drawLine(*line);
}

}  // namespace op
