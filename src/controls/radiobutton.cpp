#include "controls/radiobutton.h"

#include "document/class_registry.h"

namespace op {

TQELRadioButton::TQELRadioButton(QObject *owner) : QelField(owner, Registration::Unregistered) {
  setGeometry(QRect(0, 0, 113, 17));
}

void TQELRadioButton::setCaption(const QString &caption) {
  if (caption == caption_) return;
  caption_ = caption;
  emit captionChanged(caption_);
  emit changed();
}

void TQELRadioButton::setChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  emit checkedChanged(checked_);
  emit changed();
}

void registerRadioButtonClass() {
  registerFieldClass<TQELRadioButton>(QStringLiteral("TQELRadioButton"));
}

}  // namespace op
