#pragma once

#include "widgets/widget_factory.h"

namespace op {

class TPCostomGrid;

// The frame field on screen: a white area with its enabled borders.
class GridWidget : public FieldWidget {
  Q_OBJECT

 public:
  GridWidget(TPCostomGrid &grid, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  TPCostomGrid &grid_;
};

}  // namespace op
