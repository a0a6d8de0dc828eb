#include "controls/personcard_edit.h"

#include "document/class_registry.h"

namespace op {

void registerPersonCardClass() {
  registerFieldClass<TPersonCardCodeEdit>(QStringLiteral("TPersonCardCodeEdit"));
}

}  // namespace op
