#pragma once

#include "document/field.h"

namespace op {

// Plain multi-line text. It offers no element interface: a document naming it creates it and clears its
// text, but it carries no identity, joins no live registry, is never written back and prints nothing.
class TQELMemo : public QelField {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY captionChanged)

 public:
  explicit TQELMemo(QObject *owner = nullptr) : QelField(owner, Registration::Unregistered) {}

  QString caption() const { return caption_; }
  void setCaption(const QString &caption);
  void clearText() override { setCaption(QString()); }

 signals:
  void captionChanged(const QString &caption);

 private:
  QString caption_;
};

// Registers TQELMemo in the class-name registry.
void registerMemoClass();

}  // namespace op
