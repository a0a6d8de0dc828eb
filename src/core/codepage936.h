#pragma once

#include <QByteArray>
#include <QString>

// Code page 936 (GBK), the byte form of stored documents and binary print records.
// Characters outside the code page become "?"; decoding never fails.
namespace op::cp936 {

QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
QString decode(const char *bytes, qsizetype length);

// The text cut to at most `capacity` bytes in code page 936, never inside a double-byte character.
QByteArray encodeTruncated(const QString &text, qsizetype capacity);

// Byte length of the text in code page 936.
qsizetype byteLength(const QString &text);

}  // namespace op::cp936
