#pragma once

#include <optional>
#include <vector>

#include "platform/date_time.h"

namespace curfew::platform {

// A time zone for the headless clock: an offset from UTC and the moments it changes, such as
// summer time beginning and ending.
struct SimulatedTimeZone {
  struct Change {
    UtcDateTime at;     // from this moment on the UTC clock...
    int offsetMinutes;  // ...local time is UTC plus this
  };
  int startMinutes = 0;         // the offset before the first change
  std::vector<Change> changes;  // in order of time

  int OffsetAt(const UtcDateTime& moment) const;
  // A local time repeated when the clocks went back is its first occurrence; one skipped when
  // they went forward counts by the offset before the change (02:30 becomes 03:30).
  UtcDateTime ToUtc(const LocalDateTime& local) const;
};

}  // namespace curfew::platform
