#pragma once

#include "document/printitem.h"

namespace op {

class QelField;

// What the common item-building rules need to know of a field: its font and its place on the panel.
ItemFont itemFontOf(const QelField &field);
ControlGeometry controlGeometryOf(const QelField &field);

// A text item of `field` built by the shared rules: header from the font, BaseRect, rotation
// (HasFontExt set, FontExtValue = the field's angle), PrintType text, rotated PrintRect, the text payload.
PrintItem fieldTextItem(const QelField &field, const QString &text);

}  // namespace op
