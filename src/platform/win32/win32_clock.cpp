#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/system_time.h"

namespace curfew::platform::win32 {

LocalDateTime Win32Clock::Now() const {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return FromSystemTime(local);
}

}  // namespace curfew::platform::win32
