#pragma once

#include <QString>

#include "document/control_registry.h"

namespace op {

class Persistent;
class TEditPanels;
struct XmlElement;

// Name of the skeleton file in the data folder.
inline constexpr const char *kSkeletonFileName = "qel.xml";

// Writes the template document of `document` and the visible element fields of `registry` (in registry
// order) on the skeleton file at `skeletonPath`. Throws DocumentError when the skeleton cannot be read.
QString writeDocument(const TEditPanels &document, const QString &skeletonPath,
                      const ControlRegistry &registry = designRegistry());

// The same on a skeleton text already loaded.
QString writeDocumentOnSkeleton(const TEditPanels &document, const QString &skeletonText,
                                const ControlRegistry &registry = designRegistry());

// Appends one property element per persisted published property of `object`: VALUE, then TYPE.
void writeProperties(const Persistent &object, XmlElement &element);

}  // namespace op
