#include "scheduling/run_preview.h"

#include "localization/cls_languages.h"
#include "scheduling/mod_globals.h"
#include "scheduling/next_run_time.h"
#include "scheduling/schedule_writer.h"

namespace curfew {
namespace {

constexpr std::size_t kRunsShown = 3;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::vector<LocalDateTime> ComingRunsOf(const ScheduleRecord& record, const LocalDateTime& now,
                                        const platform::Locale& locale, std::size_t count) {
  std::vector<LocalDateTime> runs;
  if (!record.Enabled) return runs;
  const std::string section = GetSection(ComposeScheduleFile(record), "SCHEDULER");
  LocalDateTime seen = now;
  while (runs.size() < count) {
    const NextRun next = NextRunOf(section, seen, locale);
    if (!next.at) break;
    runs.push_back(*next.at);
    seen = *next.at;  // seen from inside that minute, the rules give the run after it
  }
  return runs;
}

std::string MonthDayPicture(std::string_view picture) {
  const std::size_t first = picture.find('y');
  if (first == std::string_view::npos) return std::string(picture);
  std::size_t last = first;
  while (last < picture.size() && picture[last] == 'y') ++last;
  // The year goes with the separator between it and the rest: before it at the end, after it
  // elsewhere.
  std::size_t from = first;
  std::size_t to = last;
  if (last == picture.size()) {
    while (from > 0 && !IsLetter(picture[from - 1])) --from;
  } else {
    while (to < picture.size() && !IsLetter(picture[to])) ++to;
  }
  return std::string(picture.substr(0, from)) + std::string(picture.substr(to));
}

std::string RunsPreview(const ScheduleRecord& record, const LocalDateTime& now, const platform::Locale& locale,
                        const std::function<std::string(std::string_view id)>& message) {
  if (!record.Enabled) return message("MSG_RUNSOFF");
  const std::vector<LocalDateTime> runs = ComingRunsOf(record, now, locale, kRunsShown);
  if (runs.empty()) {
    const bool daysMissing = record.Repeat && record.SAccurancy != 0 && record.Period.empty();
    return message(daysMissing ? "MSG_RUNSNODAYS" : "MSG_RUNSPASSED");
  }
  const auto weekday = [&](const LocalDateTime& run) { return locale.FormatDate(run.date, "ddd"); };
  const std::string first =
      weekday(runs[0]) + " " + locale.FormatShortDate(runs[0].date) + " " + locale.FormatShortTime(runs[0].time);
  if (runs.size() == 1) return ReplacePlaceholder(message("MSG_RUNSONCE"), "[First]", first);
  // Later runs of the same year need no year; their time is the first one's.
  const std::string monthDay = MonthDayPicture(locale.ShortDatePattern());
  std::string then;
  for (std::size_t index = 1; index < runs.size(); ++index) {
    if (!then.empty()) then += ", ";
    const bool sameYear = runs[index].date.year() == runs[0].date.year();
    then += weekday(runs[index]) + " " +
            (sameYear ? locale.FormatDate(runs[index].date, monthDay) : locale.FormatShortDate(runs[index].date));
  }
  return ReplacePlaceholder(ReplacePlaceholder(message("MSG_RUNSMANY"), "[First]", first), "[Then]", then);
}

}  // namespace curfew
