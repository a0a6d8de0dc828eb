#include "widgets/grid_widget.h"

#include <QPainter>

#include "controls/grid.h"

namespace op {

GridWidget::GridWidget(TPCostomGrid &grid, QWidget *parent) : FieldWidget(grid, parent), grid_(grid) {}

void GridWidget::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QPen(Qt::black, 0));
  const int w = width(), h = height();
  if (grid_.boLeft()) painter.drawLine(0, 0, 0, h - 1);
  if (grid_.boTop()) painter.drawLine(0, 0, w - 1, 0);
  if (grid_.boRight()) painter.drawLine(w - 1, 0, w - 1, h - 1);
  if (grid_.boBottom()) painter.drawLine(0, h - 1, w - 1, h - 1);
}

}  // namespace op
