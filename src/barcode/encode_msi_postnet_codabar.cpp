#include "barcode/barcode_error.h"
#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"
#include "core/codepage936.h"

namespace op::encoders {
namespace {

// POSTNET: five bars per digit, 1 full height, 0 short.
constexpr const char *kPostNet[10] = {"11000", "00011", "00101", "00110", "01001",
                                      "01010", "01100", "10001", "10010", "10100"};

// Codabar: seven elements per character, bar first: 0 narrow, 1 wide.
constexpr char kCodabarSet[] = "0123456789-$:/.+ABCD";
constexpr const char *kCodabarWide[20] = {"0000011", "0000110", "0001001", "1100000", "0010010", "1000010", "0100001",
                                          "0100100", "0110000", "1001000", "0001100", "0011000", "1000101", "1010001",
                                          "1010100", "0010101", "0011010", "0101001", "0001011", "0001110"};
constexpr int kCodabarDataCount = 16;

int codabarIndex(char c) {
  const char upper = (c >= 'a' && c <= 'd') ? char(c - 'a' + 'A') : c;
  for (int i = 0; i < 20; ++i)
    if (kCodabarSet[i] == upper) return i;
  return -1;
}

bool isCodabarStartStop(char c) {
  return codabarIndex(c) >= kCodabarDataCount;
}

QByteArray codabarCharacter(int index) {
  QByteArray elements;
  for (int j = 0; j < 7; ++j) {
    const bool wide = kCodabarWide[index][j] == '1';
    elements += j % 2 == 0 ? (wide ? '6' : '5') : (wide ? '1' : '0');
  }
  return elements;
}

}  // namespace

Output msi(const Input &in) {
  const QByteArray data = in.text + char('0' + checkdigits::msiModulo10(in.text));
  QByteArray pattern = "60";
  for (char c : data) {
    const int value = checkdigits::digitValue(c);
    for (int bit = 3; bit >= 0; --bit) pattern += (value >> bit) & 1 ? "60" : "51";
  }
  pattern += "515";
  return {pattern, in.text, in.text};
}

Output postNet(const Input &in) {
  QByteArray pattern = "51";
  for (char c : in.text) {
    const char *bars = kPostNet[checkdigits::digitValue(c)];
    for (int j = 0; j < 5; ++j) {
      pattern += bars[j] == '1' ? '5' : 'A';
      pattern += '1';
    }
  }
  pattern += '5';
  return {pattern, in.text, in.text};
}

Output codabar(const Input &in) {
  // A text that brings its own start and stop characters (A-D) keeps them; any other is framed by A and B.
  QByteArray data = in.text;
  const bool framed = data.size() >= 2 && isCodabarStartStop(data.front()) && isCodabarStartStop(data.back());
  if (!framed) data = 'A' + data + 'B';
  QByteArray pattern;
  for (qsizetype i = 0; i < data.size(); ++i) {
    const int index = codabarIndex(data[i]);
    const bool inner = i > 0 && i + 1 < data.size();
    if (index < 0 || (inner && index >= kCodabarDataCount))
      throw BarcodeError(codabarBadDataMessage(cp936::decode(in.text)));
    if (i > 0) pattern += '0';
    pattern += codabarCharacter(index);
  }
  return {pattern, in.text, in.text};
}

}  // namespace op::encoders
