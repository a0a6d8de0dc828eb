#include "controls/memo.h"

#include "document/class_registry.h"

namespace op {

void TQELMemo::setCaption(const QString &caption) {
  if (caption == caption_) return;
  caption_ = caption;
  emit captionChanged(caption_);
  emit changed();
}

void registerMemoClass() {
  registerFieldClass<TQELMemo>(QStringLiteral("TQELMemo"));
}

}  // namespace op
