#include "platform/host/host_clock.h"

#include <ctime>

namespace curfew::platform {

LocalDateTime HostClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  using namespace std::chrono;
  return {year_month_day{year(local.tm_year + 1900), month(static_cast<unsigned>(local.tm_mon + 1)),
                         day(static_cast<unsigned>(local.tm_mday))},
          TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec}};
}

}  // namespace curfew::platform
