#include <array>

#include "barcode/barcode_error.h"
#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"

namespace op::encoders {
namespace {

constexpr const char *kWidths[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213", "221312",
    "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132", "221231", "213212",
    "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321", "232121",
    "111323", "131123", "131321", "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331",
    "132131", "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131", "311123",
    "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224", "111422", "121124",
    "121421", "141122", "141221", "112214", "112412", "122114", "122411", "142112", "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232",
};
constexpr int kFnc1 = 102;
constexpr char kFnc1Text[] = "&FNC1;";
constexpr qsizetype kFnc1Length = sizeof kFnc1Text - 1;

enum class CodeSet { A, B, C };

CodeSet codeSetOf(int type) {
  switch (type) {
    case bcCode128A:
    case bcCodeEAN128A:
      return CodeSet::A;
    case bcCode128B:
    case bcCodeEAN128B:
      return CodeSet::B;
    case bcCode128C:
    case bcCodeEAN128C:
      return CodeSet::C;
    default:
      throw BarcodeError(wrongCode128TypeMessage());
  }
}

bool isEan128(int type) {
  return type == bcCodeEAN128A || type == bcCodeEAN128B || type == bcCodeEAN128C;
}

bool fnc1At(const QByteArray &text, qsizetype i) {
  return text[i] == '&' && QByteArrayView(text).sliced(i).startsWith(QByteArrayView(kFnc1Text, kFnc1Length));
}

// A byte missing from code set A or B is encoded as a space (value 0).
int valueAorB(unsigned char c, CodeSet set) {
  if (set == CodeSet::A) {
    if (c >= 32 && c <= 95) return c - 32;
    if (c < 32) return c + 64;
    return 0;
  }
  return c >= 32 && c <= 127 ? c - 32 : 0;
}

QList<int> valuesAorB(const QByteArray &text, CodeSet set) {
  QList<int> values;
  values.reserve(text.size() + 1);
  for (qsizetype i = 0; i < text.size();) {
    if (fnc1At(text, i)) {
      values.append(kFnc1);
      i += kFnc1Length;
    } else {
      values.append(valueAorB(static_cast<unsigned char>(text[i]), set));
      ++i;
    }
  }
  return values;
}

QByteArray withoutFnc1(QByteArray text) {
  return text.contains('&') ? text.replace(kFnc1Text, "") : text;
}

// The elements of every value, converted once.
const QByteArray &elementsOf(int value) {
  static const auto table = [] {
    std::array<QByteArray, 106> elements;
    for (int v = 0; v < 106; ++v) elements[v] = fromModuleWidths(kWidths[v], true);
    return elements;
  }();
  return table[value];
}

// Pairs of digits (the caller makes the count even); a pair that is not two digits is encoded as "00".
QList<int> valuesC(const QByteArray &text) {
  QList<int> values;
  for (qsizetype i = 0; i < text.size();) {
    if (fnc1At(text, i)) {
      values.append(kFnc1);
      i += kFnc1Length;
      continue;
    }
    const bool pairFollows = i + 1 < text.size() && !fnc1At(text, i + 1);
    const char first = text[i];
    const char second = pairFollows ? text[i + 1] : 'x';
    const bool digits = first >= '0' && first <= '9' && second >= '0' && second <= '9';
    values.append(digits ? (first - '0') * 10 + (second - '0') : 0);
    i += pairFollows ? 2 : 1;
  }
  return values;
}

}  // namespace

Output code128(const Input &in) {
  const CodeSet set = codeSetOf(in.type);
  QByteArray text = in.text;
  if (isEan128(in.type) && in.checksum) {
    const QByteArray plain = withoutFnc1(text);
    text += applyCheckSum(plain, in.method).mid(plain.size());
  }
  QByteArray encoded = text;
  if (set == CodeSet::C && withoutFnc1(encoded).size() % 2 == 1) encoded.prepend('0');
  QList<int> values = set == CodeSet::C ? valuesC(encoded) : valuesAorB(encoded, set);
  if (isEan128(in.type)) values.prepend(kFnc1);
  const int start = 103 + int(set);
  static const QByteArray stop = fromModuleWidths("2331112", true);
  QByteArray pattern;
  pattern.reserve((values.size() + 2) * 6 + stop.size());
  pattern += elementsOf(start);
  for (int value : values) pattern += elementsOf(value);
  pattern += elementsOf(checkdigits::modulo103(start, values));
  pattern += stop;
  // The text keeps what the user typed: the EAN128 check digit belongs to the encoded copy only, so that
  // encoding the same text again gives the same bars.
  return {pattern, in.text, withoutFnc1(encoded)};
}

}  // namespace op::encoders
