#pragma once

#include <QByteArray>
#include <QString>

namespace op {

// A new identifier: 32 upper-case hexadecimal digits, the MD5 digest of a fresh GUID's braced text.
QString getId();

// MD5 fingerprint of bytes as 32 lower-case hexadecimal digits.
QString md5Hex(const QByteArray &bytes);

// True for 32 hexadecimal digits (either case).
bool isIdentifier(const QString &text);

}  // namespace op
