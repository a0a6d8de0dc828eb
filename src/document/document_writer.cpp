#include "document/document_writer.h"

#include <QFile>

#include "core/codepage936.h"
#include "document/designed.h"
#include "document/document_error.h"
#include "document/document_markers.h"
#include "document/edit_panels.h"
#include "document/field.h"
#include "document/xml_tree.h"

namespace op {

void writeProperties(const Persistent &object, XmlElement &element) {
  const PropertyTable &table = object.publishedProperties();
  for (const PropertyDescriptor &descriptor : table) {
    if (!descriptor.persisted()) continue;
    XmlElement &property = element.appendChild(descriptor.name);
    property.attributes.reserve(2);
    property.attributes.append({markers::value(), propertyText(descriptor, object)});
    property.attributes.append({markers::type(), kindMarker(descriptor.kind)});
  }
}

namespace {

void writeFields(const ControlRegistry &registry, XmlElement &panels) {
  for (QelField *field : registry.fields()) {
    if (!field->isVisible()) continue;  // hidden fields are not saved
    auto *element = dynamic_cast<QelElementField *>(field);
    if (!element) continue;
    XmlElement &fieldElement = panels.appendChild(field->className());
    fieldElement.setAttribute(markers::type(), markers::classMarker());
    writeProperties(*element->designObject(), fieldElement);
  }
}

}  // namespace

QString writeDocumentOnSkeleton(const TEditPanels &document, const QString &skeletonText,
                                const ControlRegistry &registry) {
  XmlDocument xml = parseXml(skeletonText);
  if (!xml.hasRoot) throw DocumentError(QStringLiteral("文档模板文件中没有根元素"));
  XmlElement &panels = xml.root.appendChild(QStringLiteral("TEditPanels"));
  panels.setAttribute(markers::type(), markers::classMarker());
  writeFields(registry, panels);
  writeProperties(document, panels);
  return serializeXml(xml);
}

QString writeDocument(const TEditPanels &document, const QString &skeletonPath, const ControlRegistry &registry) {
  QFile file(skeletonPath);
  if (!file.open(QIODevice::ReadOnly))
    throw DocumentError(QStringLiteral("无法打开文件 %1\r\n%2").arg(skeletonPath, file.errorString()));
  return writeDocumentOnSkeleton(document, cp936::decode(file.readAll()), registry);
}

}  // namespace op
