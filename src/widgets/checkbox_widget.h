#pragma once

#include "widgets/widget_factory.h"

class QCheckBox;

namespace op {

class TPCostomCheckBox;

// The check box on screen: a platform check box with the field's caption. A click checks or unchecks the
// field, which applies its group; the box shows whatever state the field ends in.
class CheckBoxWidget : public FieldWidget {
  Q_OBJECT

 public:
  CheckBoxWidget(TPCostomCheckBox &box, QWidget *parent);
  QCheckBox *checkBox() const { return check_; }

 protected:
  void resizeEvent(QResizeEvent *event) override;
  void fieldFontChanged() override;
  void fieldChanged() override;

 private:
  TPCostomCheckBox &box_;
  QCheckBox *check_;
};

}  // namespace op
