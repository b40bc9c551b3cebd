// The date and time text reader on any text, with the pictures users have.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/host/date_pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string_view picture : {"M/d/yyyy", "dd.MM.yyyy", "yyyy-MM-dd", "d/M/yy", "dd MMM yyyy"}) {
    const auto date = curfew::platform::date_pattern::ReadDate(picture, text);
    // A date read back is a real one, and formats without failing.
    if (date && !date->ok()) __builtin_trap();
    if (date) (void)curfew::platform::date_pattern::FormatDate(picture, *date);
  }
  const auto time = curfew::platform::date_pattern::ReadTime(text);
  if (time && (time->hour < 0 || time->hour > 23 || time->minute < 0 || time->minute > 59)) __builtin_trap();
  return 0;
}
