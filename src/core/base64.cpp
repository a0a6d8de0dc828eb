#include "core/base64.h"

#include "core/codepage936.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace op::base64 {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kLineLength = 76;

struct DecodeTable {
  std::array<signed char, 256> value{};
  constexpr DecodeTable() {
    for (auto &v : value) v = -1;
    for (int i = 0; i < 64; ++i) value[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
  }
};
constexpr DecodeTable kDecode;

}  // namespace

QByteArray encode(const QByteArray &bytes, Slash slash) {
  char alphabet[65];
  std::copy(std::begin(kAlphabet), std::end(kAlphabet), alphabet);
  if (slash == Slash::Underscore) alphabet[63] = '_';

  const qsizetype n = bytes.size();
  const qsizetype chars = (n + 2) / 3 * 4;
  QByteArray out(chars + chars / kLineLength * 2, Qt::Uninitialized);
  char *dst = out.data();
  const auto *src = reinterpret_cast<const unsigned char *>(bytes.constData());
  auto putGroup = [&](unsigned v) {
    dst[0] = alphabet[v >> 18];
    dst[1] = alphabet[(v >> 12) & 63];
    dst[2] = alphabet[(v >> 6) & 63];
    dst[3] = alphabet[v & 63];
    dst += 4;
  };
  // Whole lines: 57 input bytes give 76 characters and a CR LF.
  constexpr qsizetype kLineBytes = kLineLength / 4 * 3;
  qsizetype i = 0;
  for (; i + kLineBytes <= n; i += kLineBytes) {
    for (qsizetype j = i; j < i + kLineBytes; j += 3) putGroup((src[j] << 16) | (src[j + 1] << 8) | src[j + 2]);
    *dst++ = '\r';
    *dst++ = '\n';
  }
  for (; i + 2 < n; i += 3) putGroup((src[i] << 16) | (src[i + 1] << 8) | src[i + 2]);
  if (i < n) {
    const bool two = i + 1 < n;
    const unsigned v = (src[i] << 16) | (two ? src[i + 1] << 8 : 0);
    putGroup(v);
    dst[-1] = '=';
    if (!two) dst[-2] = '=';
  }
  out.truncate(dst - out.data());
  return out;
}

QByteArray decode(const QByteArray &text, Slash slash) {
  QByteArray out;
  out.resize(text.size() / 4 * 3 + 3);
  char *dst = out.data();
  unsigned acc = 0;
  int have = 0;
  int pads = 0;
  for (const char ch : text) {
    char c = ch;
    if (c == '_' && slash == Slash::Underscore) c = '/';
    if (c == '=') {
      ++pads;
      continue;
    }
    const int v = kDecode.value[static_cast<unsigned char>(c)];
    if (v < 0) continue;
    acc = (acc << 6) | unsigned(v);
    if (++have == 4) {
      *dst++ = char(acc >> 16);
      *dst++ = char(acc >> 8);
      *dst++ = char(acc);
      acc = 0;
      have = 0;
    }
  }
  // A final partial group: two characters give one byte, three give two.
  if (have == 2) {
    *dst++ = char(acc >> 4);
  } else if (have == 3) {
    *dst++ = char(acc >> 10);
    *dst++ = char(acc >> 2);
  }
  Q_UNUSED(pads);
  out.truncate(dst - out.data());
  return out;
}

}  // namespace op::base64

namespace op {

QString toStorageText(const QByteArray &bytes) {
  return QString::fromLatin1(base64::encode(bytes, base64::Slash::Underscore));
}

QByteArray fromStorageText(const QString &text) {
  return base64::decode(text.toLatin1(), base64::Slash::Underscore);
}

QString documentToStorageText(const QString &document) { return toStorageText(cp936::encode(document)); }

QString documentFromStorageText(const QString &stored) { return cp936::decode(fromStorageText(stored)); }

}  // namespace op
