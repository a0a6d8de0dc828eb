#include "widgets/combobox_widget.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "controls/combobox.h"

namespace op {

ComboBoxWidget::ComboBoxWidget(TPCostomComboBox &list, QWidget *parent)
    : FieldWidget(list, parent), list_(list), combo_(new QComboBox(this)) {
  combo_->setEditable(false);
  combo_->setGeometry(rect());
  combo_->show();  // the field widget may already be shown
  connect(combo_, &QComboBox::activated, this, [this](int index) { list_.setItemIndex(index); });
  fieldFontChanged();
  fieldChanged();
}

void ComboBoxWidget::resizeEvent(QResizeEvent *) {
  combo_->setGeometry(rect());
}

void ComboBoxWidget::fieldFontChanged() {
  combo_->setFont(fieldScreenFont(list_));
}

void ComboBoxWidget::fieldChanged() {
  const QSignalBlocker blocker(combo_);
  QStringList shown;
  for (int i = 0; i < combo_->count(); ++i) shown << combo_->itemText(i);
  if (shown != list_.items()) {
    combo_->clear();
    combo_->addItems(list_.items());
  }
  combo_->setCurrentIndex(list_.itemIndex());
}

}  // namespace op
