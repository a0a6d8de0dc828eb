#include "controls/field_kinds.h"

#include "controls/barcode_field.h"
#include "controls/checkbox.h"
#include "controls/combobox.h"
#include "controls/currency_edit.h"
#include "controls/currency_label.h"
#include "controls/date_edit.h"
#include "controls/edit.h"
#include "controls/grid.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/memo.h"
#include "controls/personcard_edit.h"
#include "controls/radiobutton.h"
#include "controls/shape.h"
#include "controls/zipcode_edit.h"

namespace op {

void registerFieldKinds() {
  static bool done = false;
  if (done) return;
  done = true;
  registerLabelClass();
  registerEditClass();
  registerMemoClass();
  registerCheckBoxClass();
  registerRadioButtonClass();
  registerComboBoxClass();
  registerCurrencyEditClass();
  registerCurrencyLabelClass();
  registerImageClass();
  registerGridClass();
  registerDateEditClass();
  registerZipCodeClass();
  registerPersonCardClass();
  registerBarcodeClass();
  registerLineClass();
  registerShapeClass();
  // Further kinds register here, in the order of the class table.
}

}  // namespace op
