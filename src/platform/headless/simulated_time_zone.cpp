#include "platform/headless/simulated_time_zone.h"

#include <algorithm>

#include "platform/date_arithmetic.h"

namespace curfew::platform {

using date_arithmetic::AddSeconds;
using date_arithmetic::SecondsBetween;

int SimulatedTimeZone::OffsetAt(const UtcDateTime& moment) const {
  int offset = startMinutes;
  for (const Change& change : changes)
    if (SecondsBetween(change.at, moment) >= 0) offset = change.offsetMinutes;
  return offset;
}

UtcDateTime SimulatedTimeZone::ToUtc(const LocalDateTime& local) const {
  std::vector<int> offsets{startMinutes};
  for (const Change& change : changes) offsets.push_back(change.offsetMinutes);
  std::optional<UtcDateTime> earliest;
  for (const int offset : offsets) {
    const UtcDateTime candidate = AddSeconds(local, -60LL * offset);
    if (OffsetAt(candidate) != offset) continue;
    if (!earliest || SecondsBetween(candidate, *earliest) > 0) earliest = candidate;
  }
  if (earliest) return *earliest;
  // In a gap: the offset in force before it.
  const int widest = *std::max_element(offsets.begin(), offsets.end());
  return AddSeconds(local, -60LL * OffsetAt(AddSeconds(local, -60LL * widest)));
}

}  // namespace curfew::platform
