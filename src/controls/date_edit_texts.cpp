#include "controls/date_edit_texts.h"

#include "controls/money_capitals.h"

namespace op {

namespace {

bool isEnglish(DateStyle style) {
  return style == DateStyle::DSENNum || style == DateStyle::DSENChar;
}

// Cheque capitals of a month or day: a leading 零 below 10 and on the round tens, except month 10 (零拾).
QString chequeCapitals(int number, bool isMonth) {
  const QChar zero = capitalDigit(0);
  if (number < 10) return QString(zero) + capitalDigit(number);
  if (number == 10 && isMonth) return QString(zero) + QStringLiteral("拾");
  const QString tens = QString(capitalDigit(number / 10)) + QStringLiteral("拾");
  if (number % 10 == 0) return QString(zero) + tens;
  return tens + capitalDigit(number % 10);
}

// Plain Chinese numerals of a month or day: 一 … 十, 十一, 二十, 三十一.
QString plainNumerals(int number) {
  static const QString digits = QStringLiteral("〇一二三四五六七八九");
  if (number < 10) return digits.at(number);
  QString text = number >= 20 ? QString(digits.at(number / 10)) : QString();
  text += QStringLiteral("十");
  if (number % 10 != 0) text += digits.at(number % 10);
  return text;
}

}  // namespace

QString dateYearText(DateStyle style, int year) {
  const QString digits = QString::number(year);
  QString text;
  switch (style) {
    case DateStyle::DSCNChar:
      for (const QChar digit : digits) text += capitalDigit(digit.digitValue());
      return text;
    case DateStyle::DSCNSTDChar: {
      // 1 to 9 as Chinese numerals; 0 stays the digit 0.
      static const QString numerals = QStringLiteral("0一二三四五六七八九");
      for (const QChar digit : digits) text += numerals.at(digit.digitValue());
      return text;
    }
    default:
      return digits;
  }
}

QString dateMonthText(DateStyle style, int month) {
  static const char *const kMonths[] = {"Jan", "Feb",    "March", "Apr", "May", "Jun",
                                        "Jul", "August", "Sep",   "Oct", "Nov", "Dec"};
  switch (style) {
    case DateStyle::DSCNChar:
      return chequeCapitals(month, true);
    case DateStyle::DSENChar:
      return month >= 1 && month <= 12 ? QString::fromLatin1(kMonths[month - 1]) : QString::number(month);
    case DateStyle::DSCNSTDChar:
      return plainNumerals(month);
    default:
      return QString::number(month);
  }
}

QString dateDayText(DateStyle style, int day) {
  switch (style) {
    case DateStyle::DSCNChar:
      return chequeCapitals(day, false);
    case DateStyle::DSCNSTDChar:
      return plainNumerals(day);
    default:
      return QString::number(day);
  }
}

QString dateMarkText(DateStyle style, int part) {
  static const QString chinese[] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
  static const QString english[] = {QStringLiteral("Y"), QStringLiteral("M"), QStringLiteral("D")};
  part = qBound(0, part, 2);
  return isEnglish(style) ? english[part] : chinese[part];
}

int datePartPosition(DateStyle style, int part) {
  static constexpr int chinese[] = {0, 33, 66};
  static constexpr int english[] = {66, 0, 33};
  part = qBound(0, part, 2);
  return isEnglish(style) ? english[part] : chinese[part];
}

}  // namespace op
