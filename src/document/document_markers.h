#pragma once

#include <QString>

// Attribute names and TYPE markers of template documents.
namespace op::markers {

inline QString type() {
  return QStringLiteral("TYPE");
}
inline QString value() {
  return QStringLiteral("VALUE");
}
inline QString classMarker() {
  return QStringLiteral("CLASS");
}
inline QString controlId() {
  return QStringLiteral("ControlId");
}

}  // namespace op::markers
