#pragma once

#include <QDateTime>

namespace op {

// Dates as a double count of days since 30 December 1899 (fraction = time of day), and back.
double toDateDouble(const QDateTime &dateTime);
QDateTime fromDateDouble(double days);

// Banker's rounding (halves to even) of a double to an integer.
qint64 roundHalfEven(double value);

}  // namespace op
