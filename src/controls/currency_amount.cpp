#include "controls/currency_amount.h"

#include <limits>

namespace op {

MoneyAmount MoneyAmount::fromCurrency(Currency amount) {
  const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
  return MoneyAmount{amount < 0, magnitude / kCurrencyScale, int(magnitude % kCurrencyScale)};
}

MoneyAmount MoneyAmount::fromHundredths(bool negative, quint64 hundredths) {
  return MoneyAmount{negative, hundredths / 100, int(hundredths % 100) * 100};
}

std::optional<Currency> MoneyAmount::toCurrency() const {
  constexpr quint64 kMax = quint64(std::numeric_limits<Currency>::max());
  if (units > (kMax - quint64(tenThousandths)) / quint64(kCurrencyScale)) return std::nullopt;
  const Currency magnitude = Currency(units) * kCurrencyScale + tenThousandths;
  return isNegative() ? -magnitude : magnitude;
}

double MoneyAmount::toDouble() const {
  const double magnitude = double(units) + tenThousandths / 10000.0;
  return isNegative() ? -magnitude : magnitude;
}

namespace {

// Whole units and hundredths, the third decimal rounding half away from zero.
std::pair<quint64, int> roundedToHundredths(const MoneyAmount &amount) {
  quint64 units = amount.units;
  int hundredths = (amount.tenThousandths + 50) / 100;
  if (hundredths == 100) {
    hundredths = 0;
    ++units;
  }
  return {units, hundredths};
}

QString signOf(const MoneyAmount &amount) {
  return amount.isNegative() ? QStringLiteral("-") : QString();
}

QString twoDigits(int value) {
  return QString::number(value).rightJustified(2, u'0');
}

}  // namespace

QString formatFixed2(const MoneyAmount &amount) {
  const auto [units, hundredths] = roundedToHundredths(amount);
  return signOf(amount) + QString::number(units) + u'.' + twoDigits(hundredths);
}

QString formatThousands2(const MoneyAmount &amount) {
  const auto [units, hundredths] = roundedToHundredths(amount);
  QString digits = QString::number(units);
  for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, u',');
  return signOf(amount) + digits + u'.' + twoDigits(hundredths);
}

QString formatShortest(const MoneyAmount &amount) {
  QString text = signOf(amount) + QString::number(amount.units);
  if (amount.tenThousandths == 0) return text;
  QString fraction = QString::number(amount.tenThousandths).rightJustified(4, u'0');
  while (fraction.endsWith(u'0')) fraction.chop(1);
  return text + u'.' + fraction;
}

}  // namespace op
