#pragma once

#include <string>
#include <string_view>

#include "platform/date_time.h"
#include "platform/locale.h"

namespace curfew {

// When the schedule whose SCHEDULER section is given runs next, as seen at now: a date, one
// blank and the StartTime text; empty when the schedule has no next run.
//
// The first run is the stored StartDate and StartTime while they lie ahead (to the minute).
// After that a repeating schedule runs daily, on the chosen weekdays ("mon".."sun") or on the
// chosen days of the month; a chosen day that a month lacks is skipped in that month.
std::string NextRunTime(std::string_view schedulerSection, const LocalDateTime& now, const platform::Locale& locale);

}  // namespace curfew
