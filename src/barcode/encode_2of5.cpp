#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"

namespace op::encoders {
namespace {

// Narrow (0) and wide (1) elements of each digit in the 2 of 5 family.
constexpr const char *kWide[10] = {"00110", "10001", "01001", "11000", "00101",
                                   "10100", "01100", "00011", "10010", "01010"};

const char *wideOf(char digit) {
  return kWide[checkdigits::digitValue(digit)];
}

}  // namespace

Output twoOfFiveInterleaved(const Input &in) {
  QByteArray text = in.text;
  if (in.checksum && text.size() % 2 == 1) text = applyCheckSum(text, in.method);
  QByteArray pattern = "5050";
  // Digits in pairs: the first digit's bars interleaved with the second digit's spaces; an odd last digit
  // has no partner and is left out.
  for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
    const char *bars = wideOf(text[i]);
    const char *spaces = wideOf(text[i + 1]);
    for (int j = 0; j < 5; ++j) {
      pattern += bars[j] == '1' ? '6' : '5';
      pattern += spaces[j] == '1' ? '1' : '0';
    }
  }
  pattern += "605";
  return {pattern, text, text};
}

Output twoOfFiveIndustrial(const Input &in) {
  QByteArray pattern = "55055050";
  for (char digit : in.text) {
    const char *wide = wideOf(digit);
    for (int j = 0; j < 5; ++j) pattern += wide[j] == '1' ? "60" : "50";
  }
  pattern += "55050550";
  return {pattern, in.text, in.text};
}

Output twoOfFiveMatrix(const Input &in) {
  QByteArray pattern = "705050";
  for (char digit : in.text) {
    const char *wide = wideOf(digit);
    for (int j = 0; j < 5; ++j) {
      const bool bar = j % 2 == 0;
      pattern += bar ? (wide[j] == '1' ? '6' : '5') : (wide[j] == '1' ? '1' : '0');
    }
    pattern += '0';
  }
  pattern += "70505";
  return {pattern, in.text, in.text};
}

}  // namespace op::encoders
