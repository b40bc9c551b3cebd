#pragma once

#include <optional>

#include "platform/date_time.h"

namespace curfew::platform {

// The local date and time of the system clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
  // The moment a local date and time stands for, on the UTC clock, by the time zone's rules
  // for that date (daylight saving included). A local time skipped when the clocks went
  // forward counts as the moment after the change; one repeated when they went back, as its
  // first occurrence. nullopt where the system cannot say.
  virtual std::optional<UtcDateTime> ToUtc(const LocalDateTime& local) const = 0;
};

}  // namespace curfew::platform
