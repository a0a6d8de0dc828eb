#pragma once

#include <QString>

#include <memory>

namespace op {

class Persistent;
class QelField;
class TEditPanels;
struct XmlElement;

// Where the reader puts what it builds. The fill-in panel and the designer derive from it to attach the
// fields to their surfaces; the default creates fields through the class-name registry.
class DocumentSink {
 public:
  virtual ~DocumentSink() = default;
  // The document object exists and its own properties (title, picture, identity) are applied.
  virtual void documentCreated(TEditPanels &document);
  // Creates a field of the class named by a field element, owned by `document`; nullptr skips the element.
  virtual QelField *createField(const QString &className, TEditPanels &document);
  // The field has its fresh component name, cleared text and stored identity.
  virtual void fieldCreated(QelField &field);
};

// Reads a template document. Returns nullptr for an empty text, a root without children, or a first child
// that is not a CLASS element. Throws DocumentError with the parser's message when the text is not
// well-formed. Fields are built in two passes: identities first, then every property by identity look-up
// in the current live registry, so that links between fields always find their target.
std::unique_ptr<TEditPanels> readDocument(const QString &text, DocumentSink &sink);
std::unique_ptr<TEditPanels> readDocument(const QString &text);

// VALUE of the last ControlId child (any case) that is not a CLASS element; empty when there is none.
QString readFieldIdentity(const XmlElement &fieldElement);
// Sets only ControlId, and only from a CHAR element.
void applyIdentity(const XmlElement &fieldElement, Persistent &object);
// Applies every property element; failures are swallowed one by one. ControlId is skipped unless
// `documentObject` is set.
void applyProperties(const XmlElement &element, Persistent &object, bool documentObject);

}  // namespace op
