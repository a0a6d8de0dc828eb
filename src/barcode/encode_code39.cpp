#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"

namespace op::encoders {
namespace {

constexpr char kCharset[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";

// Nine elements per character, bar first: 0 narrow, 1 wide.
constexpr const char *kWide[44] = {
    "000110100", "100100001", "001100001", "101100000", "000110001", "100110000", "001110000", "000100101", "100100100",
    "001100100", "100001001", "001001001", "101001000", "000011001", "100011000", "001011000", "000001101", "100001100",
    "001001100", "000011100", "100000011", "001000011", "101000010", "000010011", "100010010", "001010010", "000000111",
    "100000110", "001000110", "000010110", "110000001", "011000001", "111000000", "010010001", "110010000", "011010000",
    "010000101", "110000100", "011000100", "010101000", "010100010", "010001010", "000101010", "010010100",
};
constexpr int kStar = 43;

int indexOf(char c) {
  for (int i = 0; i < kStar; ++i)
    if (kCharset[i] == c) return i;
  return -1;
}

QByteArray character(int index) {
  QByteArray elements;
  for (int j = 0; j < 9; ++j) {
    const bool wide = kWide[index][j] == '1';
    elements += j % 2 == 0 ? (wide ? '6' : '5') : (wide ? '1' : '0');
  }
  return elements;
}

// Characters outside the set are skipped; a narrow space separates the characters.
QByteArray encodeData(const QByteArray &data, bool checksum) {
  QByteArray pattern = character(kStar) + '0';
  QList<int> values;
  for (char c : data) {
    const int index = indexOf(c);
    if (index < 0) continue;
    values.append(index);
    pattern += character(index) + '0';
  }
  if (checksum) pattern += character(checkdigits::modulo43(values)) + '0';
  pattern += character(kStar);
  return pattern;
}

}  // namespace

Output code39(const Input &in) {
  return {encodeData(in.text, in.checksum), in.text, in.text};
}

Output code39Extended(const Input &in) {
  QByteArray mapped;
  for (char c : in.text) mapped += fullAsciiSequence(static_cast<unsigned char>(c));
  return {encodeData(mapped, in.checksum), in.text, in.text};
}

}  // namespace op::encoders
