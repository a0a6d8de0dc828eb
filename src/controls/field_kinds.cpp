#include "controls/field_kinds.h"

#include "controls/edit.h"
#include "controls/label.h"
#include "controls/memo.h"

namespace op {

void registerFieldKinds() {
  static bool done = false;
  if (done) return;
  done = true;
  registerLabelClass();
  registerEditClass();
  registerMemoClass();
  // Further kinds register here, in the order of the class table.
}

}  // namespace op
