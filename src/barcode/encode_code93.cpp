#include "barcode/barcode_error.h"
#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"
#include "core/codepage936.h"

#include <cstring>

namespace op::encoders {
namespace {

// 43 data characters, then the four shift characters ($) (%) (/) (+) as values 43..46.
constexpr char kCharset[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr int kShiftBase = 43;
constexpr char kShifts[] = "$%/+";

constexpr const char *kWidths[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211",
};

int indexOf(char c) {
  for (int i = 0; i < kShiftBase; ++i)
    if (kCharset[i] == c) return i;
  return -1;
}

QByteArray encodeValues(QList<int> values) {
  const int c = checkdigits::modulo47(values, 20);
  values.append(c);
  const int k = checkdigits::modulo47(values, 15);
  values.append(k);
  QByteArray pattern = fromModuleWidths("111141", true);
  for (int value : values) pattern += fromModuleWidths(kWidths[value], true);
  pattern += fromModuleWidths("1111411", true);
  return pattern;
}

[[noreturn]] void badData(const QByteArray &text) {
  throw BarcodeError(code93BadDataMessage(cp936::decode(text)));
}

}  // namespace

Output code93(const Input &in) {
  QList<int> values;
  for (char c : in.text) {
    const int index = indexOf(c);
    if (index < 0) badData(in.text);
    values.append(index);
  }
  return {encodeValues(values), in.text, in.text};
}

Output code93Extended(const Input &in) {
  // Characters of the set stand for themselves; every other ASCII character is a shift character and a
  // letter, following the full-ASCII table with the four shift characters of this symbology.
  QList<int> values;
  for (char c : in.text) {
    const int index = indexOf(c);
    if (index >= 0) {
      values.append(index);
      continue;
    }
    const char *sequence = fullAsciiSequence(static_cast<unsigned char>(c));
    if (sequence[0] == '\0') badData(in.text);
    values.append(kShiftBase + int(std::strchr(kShifts, sequence[0]) - kShifts));
    values.append(indexOf(sequence[1]));
  }
  return {encodeValues(values), in.text, in.text};
}

}  // namespace op::encoders
