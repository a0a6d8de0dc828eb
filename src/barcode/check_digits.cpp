#include "barcode/check_digits.h"

#include "barcode/barcode_error.h"

namespace op::checkdigits {

bool allDigits(QByteArrayView bytes) {
  for (char c : bytes)
    if (c < '0' || c > '9') return false;
  return true;
}

int digitValue(char byte) {
  if (byte < '0' || byte > '9') throw BarcodeError(digitsRequiredMessage());
  return byte - '0';
}

int modulo10(QByteArrayView digits) {
  int sum = 0;
  int weight = 3;
  for (qsizetype i = digits.size() - 1; i >= 0; --i) {
    sum += digitValue(digits[i]) * weight;
    weight = 4 - weight;
  }
  return (10 - sum % 10) % 10;
}

int msiModulo10(QByteArrayView digits) {
  int sum = 0;
  bool doubled = true;
  for (qsizetype i = digits.size() - 1; i >= 0; --i) {
    int value = digitValue(digits[i]);
    if (doubled) value = value * 2 > 9 ? value * 2 - 9 : value * 2;
    sum += value;
    doubled = !doubled;
  }
  return (10 - sum % 10) % 10;
}

int modulo43(const QList<int> &values) {
  int sum = 0;
  for (int value : values) sum += value;
  return sum % 43;
}

int modulo103(int startValue, const QList<int> &values) {
  int sum = startValue;
  for (qsizetype i = 0; i < values.size(); ++i) sum = (sum + int(i + 1) * values[i]) % 103;
  return sum;
}

int modulo47(const QList<int> &values, int maxWeight) {
  int sum = 0;
  int weight = 1;
  for (qsizetype i = values.size() - 1; i >= 0; --i) {
    sum += weight * values[i];
    weight = weight == maxWeight ? 1 : weight + 1;
  }
  return sum % 47;
}

int supplement5(QByteArrayView digits) {
  int sum = 0;
  for (qsizetype i = 0; i < digits.size(); ++i) sum += digitValue(digits[i]) * (i % 2 == 0 ? 3 : 9);
  return sum % 10;
}

}  // namespace op::checkdigits
