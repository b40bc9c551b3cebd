#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace curfew::platform::win32 {

LocalDateTime Win32Clock::Now() const {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  using namespace std::chrono;
  return {year_month_day{year(local.wYear), month(local.wMonth), day(local.wDay)},
          TimeOfDay{local.wHour, local.wMinute, local.wSecond}};
}

}  // namespace curfew::platform::win32
