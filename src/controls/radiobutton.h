#pragma once

#include "document/field.h"

namespace op {

// Plain radio button. It offers no element interface: a document naming it creates it and clears its
// caption, but it carries no identity, joins no live registry, is never written back and prints nothing.
class TQELRadioButton : public QelField {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY captionChanged)
  Q_PROPERTY(bool Checked READ isChecked WRITE setChecked NOTIFY checkedChanged)

 public:
  explicit TQELRadioButton(QObject *owner = nullptr);

  QString caption() const { return caption_; }
  void setCaption(const QString &caption);
  void clearText() override { setCaption(QString()); }

  bool isChecked() const { return checked_; }
  void setChecked(bool on);

 signals:
  void captionChanged(const QString &caption);
  void checkedChanged(bool checked);

 private:
  QString caption_;
  bool checked_ = false;
};

// Registers TQELRadioButton in the class-name registry.
void registerRadioButtonClass();

}  // namespace op
