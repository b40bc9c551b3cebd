#pragma once

#include "platform/clock.h"

namespace curfew::platform {

// The local time of the machine the native build runs on.
class HostClock final : public Clock {
 public:
  LocalDateTime Now() const override;
  std::optional<UtcDateTime> ToUtc(const LocalDateTime& local) const override;
};

}  // namespace curfew::platform
