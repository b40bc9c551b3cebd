#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"
#include "platform/locale.h"

namespace curfew {

// A run to come: the text the schedule list shows and the moment it names; no moment (and an
// empty text) when there is none.
struct NextRun {
  std::string text;
  std::optional<LocalDateTime> at;

  friend bool operator==(const NextRun&, const NextRun&) = default;
};

// When the schedule whose SCHEDULER section is given runs next, as seen at now. Its text is a
// date, one blank and the StartTime text.
//
// The first run is the stored StartDate and StartTime while they lie ahead (to the minute).
// After that a repeating schedule runs daily, on the chosen weekdays ("mon".."sun") or on the
// chosen days of the month; a chosen day that a month lacks is skipped in that month.
NextRun NextRunOf(std::string_view schedulerSection, const LocalDateTime& now, const platform::Locale& locale);

// The text alone of the next run, empty when there is none.
inline std::string NextRunTime(std::string_view schedulerSection, const LocalDateTime& now,
                               const platform::Locale& locale) {
  return NextRunOf(schedulerSection, now, locale).text;
}

}  // namespace curfew
