#include "document/document_reader.h"

#include "core/ids.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/designed.h"
#include "document/document_markers.h"
#include "document/edit_panels.h"
#include "document/field.h"
#include "document/xml_tree.h"

namespace op {

void DocumentSink::documentCreated(TEditPanels &) {}

QelField *DocumentSink::createField(const QString &className, TEditPanels &document) {
  return ClassRegistry::instance().create(className, &document);
}

void DocumentSink::fieldCreated(QelField &) {}

namespace {

bool isClassElement(const XmlElement &element) {
  return element.attribute(markers::type()) == markers::classMarker();
}

bool isFieldElement(const XmlElement &child, const XmlElement &panels) {
  return child.name != panels.name && isClassElement(child);
}

bool isKnownMarker(const QString &type) {
  return type == QLatin1String("CHAR") || type == QLatin1String("ENUM") || type == QLatin1String("NUM") ||
         type == QLatin1String("FLOAT");
}

void applyProperty(const XmlElement &element, Persistent &object, bool documentObject) {
  const QString type = element.attribute(markers::type());
  if (type == markers::classMarker()) return;
  if (!documentObject && element.name.compare(markers::controlId(), Qt::CaseInsensitive) == 0) return;
  const PropertyDescriptor *descriptor = findProperty(object.publishedProperties(), element.name);
  if (!descriptor || !descriptor->persisted() || !isKnownMarker(type)) return;
  try {
    setPropertyText(*descriptor, object, element.attribute(markers::value()));
  } catch (...) {
    // a setter that throws leaves the property as it was; reading goes on
  }
}

Persistent *persistentOf(QelField *field) {
  auto *element = dynamic_cast<QelElementField *>(field);
  return element ? element->designObject() : nullptr;
}

void buildField(const XmlElement &fieldElement, TEditPanels &document, DocumentSink &sink) {
  QelField *field = sink.createField(fieldElement.name, document);
  if (!field) return;
  field->setObjectName(field->name() + QLatin1Char('_') + getId());
  field->clearText();
  if (Persistent *persistent = persistentOf(field)) applyIdentity(fieldElement, *persistent);
  sink.fieldCreated(*field);
}

}  // namespace

QString readFieldIdentity(const XmlElement &fieldElement) {
  QString identity;
  for (const XmlElement &child : fieldElement.children)
    if (child.name.compare(markers::controlId(), Qt::CaseInsensitive) == 0 && !isClassElement(child))
      identity = child.attribute(markers::value());
  return identity;
}

void applyIdentity(const XmlElement &fieldElement, Persistent &object) {
  const PropertyDescriptor *descriptor = findProperty(object.publishedProperties(), markers::controlId());
  if (!descriptor) return;
  for (const XmlElement &child : fieldElement.children) {
    if (child.name.compare(markers::controlId(), Qt::CaseInsensitive) != 0) continue;
    if (child.attribute(markers::type()) != QLatin1String("CHAR")) continue;
    setPropertyText(*descriptor, object, child.attribute(markers::value()));
  }
}

void applyProperties(const XmlElement &element, Persistent &object, bool documentObject) {
  for (const XmlElement &child : element.children) applyProperty(child, object, documentObject);
}

std::unique_ptr<TEditPanels> readDocument(const QString &text, DocumentSink &sink) {
  if (text.trimmed().isEmpty()) return nullptr;
  const XmlDocument xml = parseXml(text);
  if (!xml.hasRoot || xml.root.children.isEmpty()) return nullptr;
  const XmlElement &panelsElement = xml.root.children.first();
  if (!isClassElement(panelsElement)) return nullptr;

  auto document = std::make_unique<TEditPanels>();
  applyProperties(panelsElement, *document, true);
  sink.documentCreated(*document);

  for (const XmlElement &child : panelsElement.children)
    if (isFieldElement(child, panelsElement)) buildField(child, *document, sink);

  const ControlRegistry &registry = currentRegistry();
  for (const XmlElement &child : panelsElement.children) {
    if (!isFieldElement(child, panelsElement)) continue;
    const QString identity = readFieldIdentity(child).trimmed();
    if (identity.isEmpty()) continue;  // a field without identity keeps its defaults
    Persistent *persistent = persistentOf(registry.findById(identity));
    if (persistent) applyProperties(child, *persistent, false);
  }
  return document;
}

std::unique_ptr<TEditPanels> readDocument(const QString &text) {
  DocumentSink sink;
  return readDocument(text, sink);
}

}  // namespace op
