#pragma once

#include <QString>

namespace op {

// How the three lists of a date edit read.
enum class DateStyle { DSCNNum, DSCNChar, DSENNum, DSENChar, DSCNSTDChar };

// The list texts of one style: a year (2026, 贰零贰陆, 二0二六), a month 1 to 12 (3, 零叁, March, 三) and a day
// 1 to 31 (15, 壹拾伍, 十五).
QString dateYearText(DateStyle style, int year);
QString dateMonthText(DateStyle style, int month);
QString dateDayText(DateStyle style, int day);

// The marks of a style: 年 月 日, or Y M D for the English styles.
QString dateMarkText(DateStyle style, int part);
// Left edge of each list (0 year, 1 month, 2 day) as a percentage of the usable width.
int datePartPosition(DateStyle style, int part);

}  // namespace op
