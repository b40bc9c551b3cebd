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

// The C library's conversion: a skipped or repeated local time goes as the library takes it.
std::optional<UtcDateTime> HostClock::ToUtc(const LocalDateTime& local) const {
  std::tm fields{};
  fields.tm_year = static_cast<int>(local.date.year()) - 1900;
  fields.tm_mon = static_cast<int>(static_cast<unsigned>(local.date.month())) - 1;
  fields.tm_mday = static_cast<int>(static_cast<unsigned>(local.date.day()));
  fields.tm_hour = local.time.hour;
  fields.tm_min = local.time.minute;
  fields.tm_sec = local.time.second;
  fields.tm_isdst = -1;
  const std::time_t moment = std::mktime(&fields);
  if (moment == static_cast<std::time_t>(-1)) return std::nullopt;
  std::tm utc{};
#ifdef _WIN32
  if (gmtime_s(&utc, &moment) != 0) return std::nullopt;
#else
  if (!gmtime_r(&moment, &utc)) return std::nullopt;
#endif
  using namespace std::chrono;
  return UtcDateTime{year_month_day{year(utc.tm_year + 1900), month(static_cast<unsigned>(utc.tm_mon + 1)),
                                    day(static_cast<unsigned>(utc.tm_mday))},
                     TimeOfDay{utc.tm_hour, utc.tm_min, utc.tm_sec}};
}

}  // namespace curfew::platform
