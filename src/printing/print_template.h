#pragma once

#include <QString>

#include "printing/printonecopy.h"

namespace op {

class TEditPanels;

// The template as one-copy printing sees it, from a read document and its template settings (custom data):
// real size, offsets, the background and the fields' print data objects in panel order. Without a
// background picture the design size is as large as the fields reach.
PrintTemplate PrintTemplateOfDocument(TEditPanels &document, const QString &customData);

}  // namespace op
