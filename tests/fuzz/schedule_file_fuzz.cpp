// The schedule file reader and the next-run rules on any file text.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/host/pattern_locale.h"
#include "scheduling/schedule_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace std::chrono;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static const curfew::platform::PatternLocale american;
  static const curfew::platform::PatternLocale german("dd.MM.yyyy", "HH:mm:ss");
  for (const year_month_day day : {year(2024) / February / 29, year(2026) / December / 31, year(2026) / March / 29}) {
    const curfew::LocalDateTime now{day, {23, 59, 30}};
    (void)curfew::ScheduleEntryFromText("fuzz", text, now, american);
    (void)curfew::ScheduleEntryFromText("fuzz", text, now, german);
  }
  return 0;
}
