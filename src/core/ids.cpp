#include "core/ids.h"

#include <QCryptographicHash>
#include <QUuid>

namespace op {

QString md5Hex(const QByteArray &bytes) {
  return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

QString getId() {
  const QByteArray braced = QUuid::createUuid().toByteArray(QUuid::WithBraces).toUpper();
  return md5Hex(braced).toUpper();
}

bool isIdentifier(const QString &text) {
  if (text.size() != 32) return false;
  for (const QChar c : text)
    if (!isxdigit(c.unicode() < 128 ? c.toLatin1() : 'x')) return false;
  return true;
}

}  // namespace op
