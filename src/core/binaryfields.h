#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>

// Fields of packed little-endian records: integers, floats and short strings (a length byte followed by a
// fixed number of code page 936 bytes, the rest zero). Callers check the offsets against the buffer size.
namespace op::binary {

template <typename T>
void put(char *base, qsizetype offset, T value) {
  static_assert(std::is_arithmetic_v<T>);
  unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  if constexpr (std::endian::native == std::endian::big) std::reverse(bytes, bytes + sizeof(T));
  std::memcpy(base + offset, bytes, sizeof(T));
}

template <typename T>
T get(const char *base, qsizetype offset) {
  static_assert(std::is_arithmetic_v<T>);
  unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, base + offset, sizeof(T));
  if constexpr (std::endian::native == std::endian::big) std::reverse(bytes, bytes + sizeof(T));
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

// Writes `text` as a short string of `capacity` bytes (capacity + 1 bytes in all), cut at a character
// boundary so that no double-byte character is split; the unused bytes are zeroed.
void putShortString(char *base, qsizetype offset, int capacity, const QString &text);
// Reads a short string; a length byte larger than the capacity is clamped to it.
QString getShortString(const char *base, qsizetype offset, int capacity);

}  // namespace op::binary
