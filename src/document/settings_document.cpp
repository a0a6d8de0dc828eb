#include "document/settings_document.h"

#include <QMutex>

#include "document/document_error.h"
#include "document/document_markers.h"
#include "document/xml_tree.h"

namespace op::settingsdoc {

namespace {

// Parses `text`; false (nothing thrown) when it is not well-formed.
bool tryParse(const QString &text, XmlDocument &document) {
  try {
    document = parseXml(text);
    return true;
  } catch (const DocumentError &) {
    return false;
  }
}

XmlElement *findKey(XmlElement &root, const QString &key) {
  const QString wanted = key.trimmed();
  for (XmlElement &child : root.children)
    if (child.name.compare(wanted, Qt::CaseInsensitive) == 0) return &child;
  return nullptr;
}

struct ParseCache {
  QMutex mutex;
  QString text;
  bool parsed = false;
  XmlDocument document;
};

ParseCache &cache() {
  static ParseCache instance;
  return instance;
}

}  // namespace

QString setValue(const QString &text, const QString &key, const QString &value, bool upperCase) {
  XmlDocument document;
  if (!tryParse(text, document) || !document.hasRoot) return text;
  const QString name = key.trimmed().toUpper();
  if (!isXmlName(name)) return text;
  document.root.appendChild(name).setAttribute(markers::value(), upperCase ? value.toUpper() : value);
  return serializeXml(document);
}

QString getValue(const QString &text, const QString &key) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return {};
  ParseCache &c = cache();
  QMutexLocker locker(&c.mutex);
  if (c.text != trimmed || !c.parsed) {
    c.text = trimmed;
    c.parsed = tryParse(trimmed, c.document);
  }
  if (!c.parsed || !c.document.hasRoot) return {};
  const XmlElement *element = findKey(c.document.root, key);
  return element ? element->attribute(markers::value()) : QString();
}

QString updateValue(const QString &text, const QString &key, const QString &value) {
  XmlDocument document;
  if (!tryParse(text, document) || !document.hasRoot) return text;
  XmlElement *element = findKey(document.root, key);
  if (!element) return text;
  element->setAttribute(markers::value(), value.toUpper());
  return serializeXml(document);
}

}  // namespace op::settingsdoc
