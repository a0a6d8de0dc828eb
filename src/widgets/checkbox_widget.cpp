#include "widgets/checkbox_widget.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "controls/checkbox.h"

namespace op {

CheckBoxWidget::CheckBoxWidget(TPCostomCheckBox &box, QWidget *parent)
    : FieldWidget(box, parent), box_(box), check_(new QCheckBox(this)) {
  check_->setGeometry(rect());
  check_->show();  // the field widget may already be shown
  connect(check_, &QCheckBox::clicked, this, [this](bool checked) { box_.setChecked(checked); });
  fieldFontChanged();
  fieldChanged();
}

void CheckBoxWidget::resizeEvent(QResizeEvent *) {
  check_->setGeometry(rect());
}

void CheckBoxWidget::fieldFontChanged() {
  check_->setFont(fieldScreenFont(box_));
  QPalette palette = check_->palette();
  palette.setColor(QPalette::WindowText, platformColor(box_.font().color));
  check_->setPalette(palette);
}

void CheckBoxWidget::fieldChanged() {
  const QSignalBlocker blocker(check_);
  check_->setText(box_.caption());
  check_->setChecked(box_.isChecked());
}

}  // namespace op
