#include "scheduling/due_check.h"

namespace curfew {
namespace {

Due Compare(const std::optional<RunMinute>& run, const LocalDateTime& now) {
  if (!run) return Due::Unreadable;
  if (run->date != now.date) return run->date < now.date ? Due::Missed : Due::Ahead;
  const int runMinute = run->hour * 60 + run->minute;
  const int nowMinute = now.time.hour * 60 + now.time.minute;
  if (runMinute == nowMinute) return Due::Yes;
  return runMinute < nowMinute ? Due::Missed : Due::Ahead;
}

std::optional<RunMinute> ReadNextRunText(std::string_view nextRunText, const platform::Locale& locale) {
  const std::size_t blank = nextRunText.find(' ');
  const std::string_view datePart = nextRunText.substr(0, blank);
  const std::string_view timePart =
      blank == std::string_view::npos ? std::string_view() : nextRunText.substr(blank + 1);
  const auto date = locale.ReadDate(datePart);
  const auto time = timePart.empty() ? std::optional<TimeOfDay>(TimeOfDay{}) : locale.ReadTimeOfDay(timePart);
  if (!date || !time) return std::nullopt;
  return RunMinute{*date, time->hour, time->minute};
}

}  // namespace

Due NextRunWatch::Check(int row, const std::string& nextRunText, const LocalDateTime& now,
                        const platform::Locale& locale) {
  if (nextRunText.empty()) return Due::No;
  const auto index = static_cast<std::size_t>(row - 1);
  if (index >= rows_.size()) rows_.resize(index + 1);
  Seen& seen = rows_[index];
  if (seen.text != nextRunText) {
    seen.text = nextRunText;
    seen.minute = ReadNextRunText(nextRunText, locale);
  }
  return Compare(seen.minute, now);
}

}  // namespace curfew
