// The schedule file reader and the next-run rules on any file text, and the other files the
// data folder and the user's folder hold (the kept decisions, the history): none of them ever
// gives a next run in the past, and what they read they write back the same.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/host/pattern_locale.h"
#include "scheduling/history_record.h"
#include "scheduling/run_decisions.h"
#include "scheduling/schedule_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace std::chrono;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static const curfew::platform::PatternLocale american;
  static const curfew::platform::PatternLocale german("dd.MM.yyyy", "HH:mm:ss");
  for (const year_month_day day : {year(2024) / February / 29, year(2026) / December / 31, year(2026) / March / 29}) {
    const curfew::LocalDateTime now{day, {23, 59, 30}};
    for (const curfew::platform::Locale* locale :
         std::initializer_list<const curfew::platform::Locale*>{&american, &german}) {
      const curfew::ScheduleEntry entry = curfew::ScheduleEntryFromText("fuzz", text, now, *locale);
      // A next run is never in the past: the engine would take it for the one to come.
      if (entry.next.at && curfew::EarlierMinute(*entry.next.at, now)) __builtin_trap();
      if (entry.next.at.has_value() == entry.next.text.empty()) __builtin_trap();
    }
  }
  if (const auto kept = curfew::ParseDecisions(text)) {
    if (curfew::ParseDecisions(curfew::ComposeDecisions(*kept)) != kept) __builtin_trap();
  }
  for (const curfew::HistoryRecord& record : curfew::ParseHistory(text)) {
    if (curfew::ParseHistory(curfew::ComposeHistoryLine(record)) != std::vector{record}) __builtin_trap();
  }
  return 0;
}
