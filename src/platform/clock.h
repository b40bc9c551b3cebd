#pragma once

#include "platform/date_time.h"

namespace curfew::platform {

// The local date and time of the system clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

}  // namespace curfew::platform
