#include "document/xml_tree.h"

#include <QXmlStreamReader>

#include "document/document_error.h"

namespace op {

QString XmlElement::attribute(const QString &attributeName) const {
  for (const auto &attribute : attributes)
    if (attribute.first == attributeName) return attribute.second;
  return {};
}

bool XmlElement::hasAttribute(const QString &attributeName) const {
  for (const auto &attribute : attributes)
    if (attribute.first == attributeName) return true;
  return false;
}

void XmlElement::setAttribute(const QString &attributeName, const QString &value) {
  for (auto &attribute : attributes) {
    if (attribute.first == attributeName) {
      attribute.second = value;
      return;
    }
  }
  attributes.append({attributeName, value});
}

XmlElement &XmlElement::appendChild(const QString &childName) {
  children.append(XmlElement{childName, {}, {}});
  return children.last();
}

namespace {

// The two attribute names of every property element share one string instead of allocating each time.
QString attributeName(QStringView name) {
  static const QString type = QStringLiteral("TYPE"), value = QStringLiteral("VALUE");
  if (name == type) return type;
  if (name == value) return value;
  return name.toString();
}

XmlElement readElement(QXmlStreamReader &reader) {
  XmlElement element;
  element.name = reader.name().toString();
  const QXmlStreamAttributes attributes = reader.attributes();
  element.attributes.reserve(attributes.size());
  for (const QXmlStreamAttribute &attribute : attributes)
    element.attributes.append({attributeName(attribute.qualifiedName()), attribute.value().toString()});
  while (reader.readNextStartElement()) element.children.append(readElement(reader));
  return element;
}

[[noreturn]] void throwParseError(const QXmlStreamReader &reader) {
  throw DocumentError(QStringLiteral("%1\r\n行: %2, 列: %3")
                          .arg(reader.errorString())
                          .arg(reader.lineNumber())
                          .arg(reader.columnNumber()));
}

}  // namespace

XmlDocument parseXml(const QString &text) {
  XmlDocument document;
  QXmlStreamReader reader(text);
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (token == QXmlStreamReader::StartDocument) {
      document.version = reader.documentVersion().toString();
      document.encoding = reader.documentEncoding().toString();
    } else if (token == QXmlStreamReader::StartElement) {
      document.root = readElement(reader);
      document.hasRoot = true;
    }
  }
  if (reader.hasError()) throwParseError(reader);
  return document;
}

namespace {

QString escaped(const QString &text) {
  QString out;
  out.reserve(text.size() + 8);
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '&':
        out += QLatin1String("&amp;");
        break;
      case '<':
        out += QLatin1String("&lt;");
        break;
      case '>':
        out += QLatin1String("&gt;");
        break;
      case '"':
        out += QLatin1String("&quot;");
        break;
      case '\r':  // character references keep line breaks and tabs through attribute normalisation
        out += QLatin1String("&#13;");
        break;
      case '\n':
        out += QLatin1String("&#10;");
        break;
      case '\t':
        out += QLatin1String("&#9;");
        break;
      default:
        out += c;
    }
  }
  return out;
}

void writeElement(const XmlElement &element, int depth, QString &out) {
  out += QString(depth, QLatin1Char(' '));
  out += QLatin1Char('<');
  out += element.name;
  for (const auto &attribute : element.attributes) {
    out += QLatin1Char(' ');
    out += attribute.first;
    out += QLatin1String("=\"");
    out += escaped(attribute.second);
    out += QLatin1Char('"');
  }
  if (element.children.isEmpty()) {
    out += QLatin1String("/>\r\n");
    return;
  }
  out += QLatin1String(">\r\n");
  for (const XmlElement &child : element.children) writeElement(child, depth + 1, out);
  out += QString(depth, QLatin1Char(' '));
  out += QLatin1String("</");
  out += element.name;
  out += QLatin1String(">\r\n");
}

}  // namespace

QString serializeXml(const XmlDocument &document) {
  QString out;
  out.reserve(4096);
  if (!document.version.isEmpty()) {
    out += QStringLiteral("<?xml version=\"%1\"").arg(document.version);
    if (!document.encoding.isEmpty()) out += QStringLiteral(" encoding=\"%1\"").arg(document.encoding);
    out += QLatin1String(" ?>\r\n");
  }
  if (document.hasRoot) writeElement(document.root, 0, out);
  return out;
}

bool isXmlName(const QString &name) {
  if (name.isEmpty()) return false;
  const QChar first = name.front();
  if (!(first.isLetter() || first == QLatin1Char('_'))) return false;
  for (const QChar c : name)
    if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('.')))
      return false;
  return true;
}

}  // namespace op
