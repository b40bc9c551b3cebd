#pragma once

#include <chrono>

#include "platform/date_time.h"

// Moving local dates and times by seconds and by calendar months.
namespace curfew::date_arithmetic {

LocalDateTime AddSeconds(const LocalDateTime& value, long long seconds);
// The same minute at its 0th second.
inline LocalDateTime StartOfMinute(LocalDateTime value) {
  value.time.second = 0;
  return value;
}
// The seconds from one moment to another; negative when the second comes first.
long long SecondsBetween(const LocalDateTime& from, const LocalDateTime& to);
// One calendar month on; a day the month lacks becomes its last day (31 January + 1 month is
// the last day of February).
LocalDateTime AddMonths(const LocalDateTime& value, int months);

}  // namespace curfew::date_arithmetic
