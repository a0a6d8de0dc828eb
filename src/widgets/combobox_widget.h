#pragma once

#include "widgets/widget_factory.h"

class QComboBox;

namespace op {

class TPCostomComboBox;

// The list box on screen: a choice-only combo box over the field's entries.
class ComboBoxWidget : public FieldWidget {
  Q_OBJECT

 public:
  ComboBoxWidget(TPCostomComboBox &list, QWidget *parent);
  QComboBox *comboBox() const { return combo_; }

 protected:
  void resizeEvent(QResizeEvent *event) override;
  void fieldFontChanged() override;
  void fieldChanged() override;

 private:
  TPCostomComboBox &list_;
  QComboBox *combo_;
};

}  // namespace op
