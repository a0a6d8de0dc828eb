#include "core/codepage936.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace op::cp936 {
namespace {

bool isAscii(const QString &text) {
  for (const QChar c : text)
    if (c.unicode() >= 0x80) return false;
  return true;
}

}  // namespace

QByteArray encode(const QString &text) {
  if (isAscii(text)) return text.toLatin1();
  QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
  return encoder.encode(text);
}

QString decode(const char *bytes, qsizetype length) {
  bool ascii = true;
  for (qsizetype i = 0; i < length && ascii; ++i) ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
  if (ascii) return QString::fromLatin1(bytes, length);
  QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
  return decoder.decode(QByteArrayView(bytes, length));
}

QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }

QByteArray encodeTruncated(const QString &text, qsizetype capacity) {
  QByteArray bytes = encode(text);
  if (bytes.size() <= capacity) return bytes;
  // Walk the GBK byte stream: a lead byte 0x81..0xFE starts a two-byte character.
  qsizetype cut = 0;
  while (cut < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[cut]);
    const qsizetype width = (b >= 0x81 && b <= 0xFE) ? 2 : 1;
    if (cut + width > capacity) break;
    cut += width;
  }
  bytes.truncate(cut);
  return bytes;
}

qsizetype byteLength(const QString &text) { return encode(text).size(); }

}  // namespace op::cp936
