#include "scheduling/quick_schedule.h"

#include "platform/date_arithmetic.h"

namespace curfew {
namespace {

struct Delay {
  std::string_view text;
  long long seconds;
};

constexpr long long kMinute = 60;
constexpr long long kHour = 60 * kMinute;
constexpr long long kDay = 24 * kHour;

constexpr std::array<Delay, 14> kFixedDelays = {{
    {"In 1 Minute", kMinute},
    {"In 5 Minutes", 5 * kMinute},
    {"in 15 Minutes", 15 * kMinute},
    {"in 30 Minutes", 30 * kMinute},
    {"In 1 Hour", kHour},
    {"In 2 Hours", 2 * kHour},
    {"In 6 Hours", 6 * kHour},
    {"In 12 Hours", 12 * kHour},
    {"In 1 Day", kDay},
    {"In 2 Days", 2 * kDay},
    {"In 5 Days", 5 * kDay},
    {"In 1 Week", 7 * kDay},
    {"In 2 Weeks", 14 * kDay},
    {"In 3 Weeks", 21 * kDay},
}};

}  // namespace

std::optional<LocalDateTime> QuickScheduleMoment(std::string_view delay, const LocalDateTime& now) {
  if (delay == "In 1 Month") return date_arithmetic::AddMonths(now, 1);
  for (const Delay& fixed : kFixedDelays)
    if (fixed.text == delay) return date_arithmetic::AddSeconds(now, fixed.seconds);
  return std::nullopt;
}

}  // namespace curfew
