#pragma once

#include <QChar>
#include <QString>

#include "core/currency.h"

// Amounts in Chinese capital numerals, as the money label shows and prints them.
namespace op {

// The capital numeral of one digit 0 to 9: 零 壹 贰 叁 肆 伍 陆 柒 捌 玖.
QChar capitalDigit(int digit);

// The capital numerals of an amount: 123.45 reads 壹佰贰拾叁元肆角伍分, 0 reads 元. The third and fourth decimal
// places are ignored. A negative amount reads 负 followed by the capitals of its absolute value. Places go on
// beyond 亿 (壹拾亿, 壹万亿, …). With ForceShowEndText, 整 is appended whatever the fraction.
QString currencyToCapitals(Currency amount, bool ForceShowEndText = false);

// The same for an amount given as its whole units and its hundredths (0 to 99): every integer part a money edit
// can hold, including those beyond the range of Currency.
QString capitalNumerals(quint64 wholeUnits, int hundredths);

// Single-digit display (BoShowSub): the digit of the amount at SubIndex (0 units, 1 tens, …; −1 分, −2 角).
// BoShowText tells whether that place exists in the amount.
struct SubDigit {
  int digit = 0;
  bool BoShowText = false;
};
SubDigit subDigitOf(Currency amount, int SubIndex);

// The text of a single digit: its capital when not 0, 零 for a 0 that exists in the amount, else one blank.
QString subDigitText(const SubDigit &sub);

}  // namespace op
