#pragma once

#include "widgets/widget_factory.h"

class QRadioButton;

namespace op {

class TQELRadioButton;

// The plain radio button on screen.
class RadioButtonWidget : public FieldWidget {
  Q_OBJECT

 public:
  RadioButtonWidget(TQELRadioButton &radio, QWidget *parent);
  QRadioButton *radioButton() const { return button_; }

 protected:
  void resizeEvent(QResizeEvent *event) override;
  void fieldFontChanged() override;
  void fieldChanged() override;

 private:
  TQELRadioButton &radio_;
  QRadioButton *button_;
};

}  // namespace op
