#pragma once

#include "widgets/widget_factory.h"

namespace op {

class TPCostomLabel;

// Shows a text label: transparent, its caption aligned by TextStyle and centred vertically, in the field's
// font and colour, turned by the field's rotation (tenths of a degree, counter-clockwise).
class LabelWidget : public FieldWidget {
  Q_OBJECT

 public:
  LabelWidget(TPCostomLabel &label, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  TPCostomLabel &label_;
};

}  // namespace op
