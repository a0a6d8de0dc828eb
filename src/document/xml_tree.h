#pragma once

#include <QList>
#include <QPair>
#include <QString>

// A small element tree for template and settings documents. Unlike QDomDocument it keeps attributes in
// the order they were written, which the documents' layout (VALUE before TYPE) depends on.
namespace op {

struct XmlElement {
  QString name;
  QList<QPair<QString, QString>> attributes;
  QList<XmlElement> children;

  // Value of attribute `name` (exact name); empty when absent.
  QString attribute(const QString &attributeName) const;
  bool hasAttribute(const QString &attributeName) const;
  void setAttribute(const QString &attributeName, const QString &value);
  XmlElement &appendChild(const QString &childName);
};

struct XmlDocument {
  QString version;   // from the declaration; empty when there is none
  QString encoding;  // declared encoding name, kept as written
  bool hasRoot = false;
  XmlElement root;
};

// Parses a decoded text; the declared encoding is accepted whatever its name.
// Throws DocumentError with the parser's message, line and column when the text is not well-formed.
XmlDocument parseXml(const QString &text);

// The document as text, one element per line, lines separated by CR LF.
QString serializeXml(const XmlDocument &document);

// True when `name` can be an element name.
bool isXmlName(const QString &name);

}  // namespace op
