#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace op {

// Money: a signed 64-bit count of ten-thousandths (four decimal places).
using Currency = qint64;
constexpr Currency kCurrencyScale = 10000;

// Reads decimal text such as "123.45", "-0.5" or "+7" (blanks around it allowed, at most four decimals, within
// the range of Currency) exactly; anything else gives nothing.
std::optional<Currency> parseCurrency(QStringView text);

}  // namespace op
