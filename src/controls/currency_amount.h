#pragma once

#include <QString>

#include <optional>

#include "core/currency.h"

namespace op {

// An exact amount of money as the money fields hold it: sign, whole units and ten-thousandths. It reaches
// beyond the range of Currency, so that every amount a money edit of 18 cells can hold keeps all its digits.
struct MoneyAmount {
  bool negative = false;  // only meaningful for a non-zero amount
  quint64 units = 0;
  int tenThousandths = 0;  // 0 to 9999

  bool isZero() const { return units == 0 && tenThousandths == 0; }
  bool isNegative() const { return negative && !isZero(); }
  int hundredths() const { return tenThousandths / 100; }  // third and fourth decimals cut off

  static MoneyAmount fromCurrency(Currency amount);
  static MoneyAmount fromHundredths(bool negative, quint64 hundredths);
  // The amount as Currency; nothing when it lies beyond Currency's range.
  std::optional<Currency> toCurrency() const;
  // The amount as a double (for expressions); exact up to 15 significant digits.
  double toDouble() const;

  bool operator==(const MoneyAmount &other) const {
    return units == other.units && tenThousandths == other.tenThousandths && isNegative() == other.isNegative();
  }
};

// The amount with two decimals, rounded half away from zero on the third ("1234.50", "-0.05").
QString formatFixed2(const MoneyAmount &amount);
// Thousands separators and two decimals ("1,234.50").
QString formatThousands2(const MoneyAmount &amount);
// The shortest form: no trailing zeros, no point for whole amounts ("88888", "88888.5", "0.0001").
QString formatShortest(const MoneyAmount &amount);

}  // namespace op
