#include "scheduling/due_check.h"

namespace curfew {

Due IsDue(std::string_view nextRunText, const LocalDateTime& now, const platform::Locale& locale) {
  const std::size_t blank = nextRunText.find(' ');
  const std::string_view datePart = nextRunText.substr(0, blank);
  const std::string_view timePart =
      blank == std::string_view::npos ? std::string_view() : nextRunText.substr(blank + 1);
  const auto date = locale.ReadDate(datePart);
  const auto time = timePart.empty() ? std::optional<TimeOfDay>(TimeOfDay{}) : locale.ReadTimeOfDay(timePart);
  if (!date || !time) return Due::Unreadable;
  return *date == now.date && time->hour == now.time.hour && time->minute == now.time.minute ? Due::Yes : Due::No;
}

}  // namespace curfew
