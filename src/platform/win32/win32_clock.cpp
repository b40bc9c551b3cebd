#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/system_time.h"

namespace curfew::platform::win32 {

LocalDateTime Win32Clock::Now() const {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return FromSystemTime(local);
}

// By the rules the time zone has for that year, as the system keeps them.
std::optional<UtcDateTime> Win32Clock::ToUtc(const LocalDateTime& local) const {
  const SYSTEMTIME localTime = ToSystemTime(local);
  TIME_ZONE_INFORMATION zone{};
  const bool ofThatYear = GetTimeZoneInformationForYear(localTime.wYear, nullptr, &zone);
  SYSTEMTIME utc{};
  if (!TzSpecificLocalTimeToSystemTime(ofThatYear ? &zone : nullptr, &localTime, &utc)) return std::nullopt;
  return FromSystemTime(utc);
}

}  // namespace curfew::platform::win32
