#pragma once

#include "controls/zipcode_edit.h"

namespace op {

// ID-card number edit: eighteen boxes, the last of which also takes the check letter X.
class TCustomPersonCardCodeEdit : public TPCustomZipCodeEdit {
  Q_OBJECT

 public:
  static constexpr int kCardBoxes = 18;

  explicit TCustomPersonCardCodeEdit(QObject *owner = nullptr) : TPCustomZipCodeEdit(owner, kCardBoxes) {}
  QString buttonHint() const override { return QStringLiteral("选择证件号码"); }
};

// The registered ID-card number edit.
class TPersonCardCodeEdit : public TCustomPersonCardCodeEdit {
  Q_OBJECT

 public:
  using TCustomPersonCardCodeEdit::TCustomPersonCardCodeEdit;
};

// Registers TPersonCardCodeEdit in the class-name registry.
void registerPersonCardClass();

}  // namespace op
