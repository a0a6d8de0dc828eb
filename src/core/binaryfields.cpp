#include "core/binaryfields.h"

#include "core/codepage936.h"

#include <algorithm>

namespace op::binary {

void putShortString(char *base, qsizetype offset, int capacity, const QString &text) {
  const QByteArray bytes = cp936::encodeTruncated(text, std::min(capacity, 255));
  std::memset(base + offset, 0, capacity + 1);
  base[offset] = static_cast<char>(bytes.size());
  std::memcpy(base + offset + 1, bytes.constData(), bytes.size());
}

QString getShortString(const char *base, qsizetype offset, int capacity) {
  const int length = std::min<int>(static_cast<unsigned char>(base[offset]), capacity);
  return cp936::decode(base + offset + 1, length);
}

}  // namespace op::binary
