#include "widgets/line_widget.h"

#include <QPainter>

#include "controls/line.h"
#include "document/pen_style.h"

namespace op {

QPen fieldPen(int color, int style, int width) { return fieldPenOf(style, width, platformColor(color)); }

LineWidget::LineWidget(TPCostomLine &line, QWidget *parent) : FieldWidget(line, parent), line_(line) {}

void LineWidget::paintEvent(QPaintEvent *) {
  const auto line = lineAcross(line_.lineType(), width(), height());
  if (!line) return;
  QPainter painter(this);
  painter.setPen(fieldPen(line_.penColor(), line_.penStyle(), line_.penWidth()));
  painter.drawLine(*line);
}

}  // namespace op
