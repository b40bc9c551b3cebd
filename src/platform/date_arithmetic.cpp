#include "platform/date_arithmetic.h"

namespace curfew::date_arithmetic {

using namespace std::chrono;

long long SecondsBetween(const LocalDateTime& from, const LocalDateTime& to) {
  const auto secondOf = [](const LocalDateTime& value) {
    return sys_days(value.date).time_since_epoch().count() * 86400LL + value.time.hour * 3600LL +
           value.time.minute * 60LL + value.time.second;
  };
  return secondOf(to) - secondOf(from);
}

LocalDateTime AddSeconds(const LocalDateTime& value, long long seconds) {
  const long long start = value.time.hour * 3600LL + value.time.minute * 60LL + value.time.second;
  const long long total = start + seconds;
  long long dayShift = total / 86400;
  long long secondOfDay = total % 86400;
  if (secondOfDay < 0) {
    secondOfDay += 86400;
    --dayShift;
  }
  const year_month_day date{sys_days(value.date) + days(dayShift)};
  return {date, TimeOfDay{static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                          static_cast<int>(secondOfDay % 60)}};
}

LocalDateTime AddMonths(const LocalDateTime& value, int count) {
  const year_month target = value.date.year() / value.date.month() + months(count);
  const day lastDay = (target / last).day();
  const day wanted = value.date.day() > lastDay ? lastDay : value.date.day();
  return {target / wanted, value.time};
}

}  // namespace curfew::date_arithmetic
