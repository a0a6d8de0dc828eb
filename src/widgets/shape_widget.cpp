#include "widgets/shape_widget.h"

#include <QPainter>

#include "controls/shape.h"
#include "document/printitem.h"
#include "widgets/line_widget.h"

namespace op {

ShapeWidget::ShapeWidget(TPCostomShape &shape, QWidget *parent) : FieldWidget(shape, parent), shape_(shape) {}

void ShapeWidget::paintEvent(QPaintEvent *) {
  const QRect figure = shapeFigureBox(shape_.shapeType(), shape_.penWidth(), width(), height());
  if (figure.isEmpty()) return;
  // The figure covers figure.size() pixels outline included.
  const QRect box = figure.adjusted(0, 0, -1, -1);
  QPainter painter(this);
  painter.setPen(fieldPen(shape_.penColor(), shape_.penStyle(), shape_.penWidth()));
  painter.setBrush(shape_.fullFill() ? QBrush(platformColor(shape_.penColor())) : QBrush(Qt::NoBrush));
  switch (shape_.shapeType() & 0xFF) {
    case kShapeRectangle:
    case kShapeSquare:
      painter.drawRect(box);
      break;
    case kShapeRoundRect:
    case kShapeRoundSquare: {
      const qreal radius = shapeCornerSize(shape_.penWidth(), width(), height()) / 2.0;
      painter.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
      break;
    }
    default:  // circle, ellipse and unknown types
      painter.drawEllipse(box);
  }
}

}  // namespace op
