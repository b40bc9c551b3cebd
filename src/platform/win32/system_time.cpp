#include "platform/win32/system_time.h"

namespace curfew::platform::win32 {

SYSTEMTIME ToSystemTime(const LocalDateTime& value) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(static_cast<int>(value.date.year()));
  time.wMonth = static_cast<WORD>(static_cast<unsigned>(value.date.month()));
  time.wDay = static_cast<WORD>(static_cast<unsigned>(value.date.day()));
  time.wHour = static_cast<WORD>(value.time.hour);
  time.wMinute = static_cast<WORD>(value.time.minute);
  time.wSecond = static_cast<WORD>(value.time.second);
  return time;
}

LocalDateTime FromSystemTime(const SYSTEMTIME& time) {
  using namespace std::chrono;
  return {year_month_day{year(time.wYear), month(time.wMonth), day(time.wDay)},
          TimeOfDay{time.wHour, time.wMinute, time.wSecond}};
}

}  // namespace curfew::platform::win32
