#include "core/currency.h"

#include <limits>

namespace op {
namespace {

constexpr int kDecimals = 4;

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

}  // namespace

std::optional<Currency> parseCurrency(QStringView text) {
  text = text.trimmed();
  bool negative = false;
  if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text = text.mid(1);
  }
  const qsizetype point = text.indexOf(u'.');
  const QStringView whole = point < 0 ? text : text.left(point);
  const QStringView decimals = point < 0 ? QStringView() : text.mid(point + 1);
  if ((whole.isEmpty() && decimals.isEmpty()) || decimals.size() > kDecimals) return std::nullopt;

  // Accumulate the magnitude in ten-thousandths; the negative range reaches one further than the positive.
  const quint64 limit = quint64(std::numeric_limits<Currency>::max()) + (negative ? 1 : 0);
  quint64 magnitude = 0;
  const auto addDigit = [&](QChar c) {
    if (!isDigit(c)) return false;
    const quint64 digit = c.unicode() - u'0';
    if (magnitude > (limit - digit) / 10) return false;
    magnitude = magnitude * 10 + digit;
    return true;
  };
  for (const QChar c : whole)
    if (!addDigit(c)) return std::nullopt;
  for (qsizetype i = 0; i < kDecimals; ++i)
    if (!addDigit(i < decimals.size() ? decimals[i] : QChar(u'0'))) return std::nullopt;
  if (negative) return magnitude == limit ? std::numeric_limits<Currency>::min() : -Currency(magnitude);
  return Currency(magnitude);
}

}  // namespace op
