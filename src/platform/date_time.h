#pragma once

#include <chrono>
#include <compare>

namespace curfew {

// A time of day on the local wall clock.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

// A local date and time as the system clock shows it (no time zone attached).
struct LocalDateTime {
  std::chrono::year_month_day date{};
  TimeOfDay time{};

  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// A moment as the UTC clock shows it, in the same fields.
using UtcDateTime = LocalDateTime;

}  // namespace curfew
