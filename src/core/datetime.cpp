#include "core/datetime.h"

#include <cmath>

namespace op {
namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
}  // namespace

double toDateDouble(const QDateTime &dateTime) {
  const double days = double(kEpoch.daysTo(dateTime.date()));
  const double fraction = dateTime.time().msecsSinceStartOfDay() / kMsPerDay;
  // Before the epoch the fraction counts away from zero, as the platform's encoding does.
  return days >= 0 ? days + fraction : days - fraction;
}

QDateTime fromDateDouble(double days) {
  const double whole = std::trunc(days);
  const double fraction = std::fabs(days - whole);
  const QDate date = kEpoch.addDays(qint64(whole));
  const QTime time = QTime::fromMSecsSinceStartOfDay(int(std::llround(fraction * kMsPerDay)) % 86400000);
  return QDateTime(date, time);
}

qint64 roundHalfEven(double value) { return qint64(std::nearbyint(value)); }

}  // namespace op
