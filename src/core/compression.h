#pragma once

#include <QByteArray>
#include <QString>

namespace op {

// zlib stream (level 9) of the text's UTF-16LE bytes, and back. Failures throw std::runtime_error
// carrying zlib's message.
QByteArray compressText(const QString &text);
QString decompressText(const QByteArray &bytes);

// Raw zlib helpers on bytes.
QByteArray zlibCompress(const QByteArray &bytes, int level = 9);
QByteArray zlibDecompress(const QByteArray &bytes);

}  // namespace op
