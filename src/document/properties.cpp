#include "document/properties.h"

#include <QLocale>

namespace op {

const PropertyDescriptor *findProperty(const PropertyTable &table, const QString &name) {
  for (const PropertyDescriptor &descriptor : table)  // documents spell names exactly: try that first
    if (descriptor.name == name) return &descriptor;
  for (const PropertyDescriptor &descriptor : table)
    if (descriptor.name.compare(name, Qt::CaseInsensitive) == 0) return &descriptor;
  return nullptr;
}

QString kindMarker(PropertyKind kind) {
  switch (kind) {
    case PropertyKind::Char:
      return QStringLiteral("CHAR");
    case PropertyKind::Enum:
      return QStringLiteral("ENUM");
    case PropertyKind::Num:
      return QStringLiteral("NUM");
    case PropertyKind::Float:
      return QStringLiteral("FLOAT");
    case PropertyKind::Object:
      break;
  }
  return {};
}

QString propertyText(const PropertyDescriptor &descriptor, const Persistent &object) {
  const QVariant value = descriptor.get(object);
  switch (descriptor.kind) {
    case PropertyKind::Char:
      return value.toString();
    case PropertyKind::Enum: {
      const int ordinal = value.toInt();
      return ordinal >= 0 && ordinal < descriptor.enumNames.size() ? descriptor.enumNames.at(ordinal)
                                                                   : QString::number(ordinal);
    }
    case PropertyKind::Num:
      return QString::number(value.toLongLong());
    case PropertyKind::Float:
      // Shortest text that parses back to exactly the same double.
      return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case PropertyKind::Object:
      break;
  }
  return {};
}

namespace {

bool parseValue(const PropertyDescriptor &descriptor, const QString &text, QVariant &value) {
  switch (descriptor.kind) {
    case PropertyKind::Char:
      value = text;
      return true;
    case PropertyKind::Enum: {
      const QString identifier = text.trimmed();
      for (int ordinal = 0; ordinal < descriptor.enumNames.size(); ++ordinal) {
        if (descriptor.enumNames.at(ordinal).compare(identifier, Qt::CaseInsensitive) == 0) {
          value = ordinal;
          return true;
        }
      }
      return false;
    }
    case PropertyKind::Num: {
      bool ok = false;
      const qint64 number = text.trimmed().toLongLong(&ok);
      if (!ok || number < descriptor.minimum || number > descriptor.maximum) return false;
      value = number;
      return true;
    }
    case PropertyKind::Float: {
      bool ok = false;
      const double number = text.trimmed().toDouble(&ok);
      if (!ok) return false;
      value = number;
      return true;
    }
    case PropertyKind::Object:
      break;
  }
  return false;
}

}  // namespace

bool setPropertyText(const PropertyDescriptor &descriptor, Persistent &object, const QString &text) {
  QVariant value;
  if (!parseValue(descriptor, text, value)) return false;
  return descriptor.set(object, value);
}

QString propertyText(const Persistent &object, const QString &name) {
  const PropertyDescriptor *descriptor = findProperty(object.publishedProperties(), name);
  return descriptor ? propertyText(*descriptor, object) : QString();
}

bool setPropertyText(Persistent &object, const QString &name, const QString &text) {
  const PropertyDescriptor *descriptor = findProperty(object.publishedProperties(), name);
  return descriptor && setPropertyText(*descriptor, object, text);
}

}  // namespace op
