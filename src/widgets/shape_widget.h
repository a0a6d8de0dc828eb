#pragma once

#include "widgets/widget_factory.h"

namespace op {

class TPCostomShape;

// The shape field on screen: its figure drawn as it prints, filled with the pen colour when asked.
class ShapeWidget : public FieldWidget {
  Q_OBJECT

 public:
  ShapeWidget(TPCostomShape &shape, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  TPCostomShape &shape_;
};

}  // namespace op
