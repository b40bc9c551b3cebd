#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "platform/locale.h"
#include "scheduling/schedule_record.h"

namespace curfew {

// The runs a schedule as the editor composes it would make, seen at now: at most count of them,
// by the rules that give the list its next runs.
std::vector<LocalDateTime> ComingRunsOf(const ScheduleRecord& record, const LocalDateTime& now,
                                        const platform::Locale& locale, std::size_t count);

// The short date picture without its year: "M/d/yyyy" gives "M/d", "dd.MM.yyyy" "dd.MM",
// "yyyy-MM-dd" "MM-dd".
std::string MonthDayPicture(std::string_view shortDatePicture);

// The line under the editor's repeat options: "Runs Fri 12/11/2026 1:00 PM, then Tue 12/15,
// Thu 12/31", or why there is no run, through the catalogue's messages.
std::string RunsPreview(const ScheduleRecord& record, const LocalDateTime& now, const platform::Locale& locale,
                        const std::function<std::string(std::string_view id)>& message);

}  // namespace curfew
