#include "widgets/radiobutton_widget.h"

#include <QRadioButton>
#include <QSignalBlocker>

#include "controls/radiobutton.h"

namespace op {

RadioButtonWidget::RadioButtonWidget(TQELRadioButton &radio, QWidget *parent)
    : FieldWidget(radio, parent), radio_(radio), button_(new QRadioButton(this)) {
  button_->setAutoExclusive(false);  // fields on one panel are not a button group
  button_->setGeometry(rect());
  button_->show();  // the field widget may already be shown
  connect(button_, &QRadioButton::toggled, this, [this](bool on) { radio_.setChecked(on); });
  fieldFontChanged();
  fieldChanged();
}

void RadioButtonWidget::resizeEvent(QResizeEvent *) {
  button_->setGeometry(rect());
}

void RadioButtonWidget::fieldFontChanged() {
  button_->setFont(fieldScreenFont(radio_));
}

void RadioButtonWidget::fieldChanged() {
  const QSignalBlocker blocker(button_);
  button_->setText(radio_.caption());
  button_->setChecked(radio_.isChecked());
}

}  // namespace op
