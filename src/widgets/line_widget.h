#pragma once

#include <QPen>

#include "widgets/widget_factory.h"

namespace op {

class TPCostomLine;

// A pen as line and shape fields draw with: colour, style code (1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
// 5 clear, others solid) and width; dashes only on thin pens, as printers draw them.
QPen fieldPen(int color, int style, int width);

// The line field on screen: transparent, the line drawn across it as it prints.
class LineWidget : public FieldWidget {
  Q_OBJECT

 public:
  LineWidget(TPCostomLine &line, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  TPCostomLine &line_;
};

}  // namespace op
