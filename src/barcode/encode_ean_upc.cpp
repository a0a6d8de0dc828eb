#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"

namespace op::encoders {
namespace {

// Module widths of set A (space first); set B is set A reversed; set C is set A starting with a bar.
constexpr const char *kSetA[10] = {"3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112"};

// Left-half parity of EAN-13 by its first digit, UPC-E (number system 0) by its check digit and the
// five-digit add-on by its parity value: A odd (set A), B even (set B).
constexpr const char *kEan13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                          "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
constexpr const char *kUpcE0Parity[10] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                          "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};
constexpr const char *kSupplement2Parity[4] = {"AA", "AB", "BA", "BB"};
constexpr const char *kSupplement5Parity[10] = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                                "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};

QByteArray digit(char c, char set) {
  const char *widths = kSetA[checkdigits::digitValue(c)];
  if (set == 'B') {
    char reversed[5] = {widths[3], widths[2], widths[1], widths[0], 0};
    return fromModuleWidths(reversed, false);
  }
  return fromModuleWidths(widths, set == 'C');
}

QByteArray leftPadded(const QByteArray &text, qsizetype length) {
  return text.size() >= length ? text : QByteArray(length - text.size(), '0') + text;
}

// The characters at the fixed positions of a fixed-length code; longer texts keep the rest unused.
QByteArray fixed(const QByteArray &text, qsizetype length) {
  return leftPadded(text, length).left(length);
}

QByteArray digits(QByteArrayView text, const char *parity) {
  QByteArray pattern;
  for (qsizetype i = 0; i < text.size(); ++i) pattern += digit(text[i], parity[i]);
  return pattern;
}

QByteArray twoHalves(const QByteArray &left, const char *leftParity, const QByteArray &right) {
  const QByteArray rightParity(right.size(), 'C');
  return "505" + digits(left, leftParity) + "05050" + digits(right, rightParity.constData()) + "505";
}

}  // namespace

Output ean8(const Input &in) {
  QByteArray text = in.checksum ? applyCheckSum(leftPadded(in.text, 7).right(7), in.method) : in.text;
  text = fixed(text, 8);
  // The text keeps what the user typed: the check digit applies to the encoded copy, so that encoding
  // the same text again gives the same bars.
  return {twoHalves(text.left(4), "AAAA", text.mid(4, 4)), in.text, text};
}

Output ean13(const Input &in) {
  QByteArray text = in.text;
  if (text.size() != 13) {
    text = leftPadded(text, 13);
    if (in.checksum) text = applyCheckSum(text.mid(1, 12), in.method);
    text = fixed(text, 13);
  }
  const char *parity = kEan13Parity[checkdigits::digitValue(text[0])];
  const QByteArray stored = in.checksum ? text : in.text;
  return {twoHalves(text.mid(1, 6), parity, text.mid(7, 6)), stored, text};
}

Output upcA(const Input &in) {
  QByteArray text = leftPadded(in.text, 12);
  if (in.checksum) text = applyCheckSum(text.left(11), in.method);
  text = fixed(text, 12);
  return {twoHalves(text.left(6), "AAAAAA", text.mid(6, 6)), in.text, text};
}

Output upcE(const Input &in) {
  QByteArray text = leftPadded(in.text, 7);
  const int check = checkdigits::modulo10(text.left(6));
  if (in.checksum) text[6] = char('0' + check);
  QByteArray parity = kUpcE0Parity[check];
  if (in.type == bcCodeUPC_E1)
    for (char &p : parity) p = p == 'A' ? 'B' : 'A';
  const QByteArray pattern = "505" + digits(text.left(6), parity.constData()) + "050505";
  return {pattern, text, text.left(7)};
}

Output upcSupplement2(const Input &in) {
  const QByteArray text = fixed(in.text, 2);
  const int value = checkdigits::digitValue(text[0]) * 10 + checkdigits::digitValue(text[1]);
  const char *parity = kSupplement2Parity[value % 4];
  return {"506" + digit(text[0], parity[0]) + "05" + digit(text[1], parity[1]), in.text, text};
}

Output upcSupplement5(const Input &in) {
  const QByteArray text = fixed(in.text, 5);
  const char *parity = kSupplement5Parity[checkdigits::supplement5(text)];
  QByteArray pattern = "506";
  for (int i = 0; i < 5; ++i) {
    if (i > 0) pattern += "05";
    pattern += digit(text[i], parity[i]);
  }
  return {pattern, in.text, text};
}

}  // namespace op::encoders
