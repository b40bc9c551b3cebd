#pragma once

#include "platform/clock.h"

namespace curfew::platform {

// A clock that shows whatever the test set last.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(LocalDateTime now = {}) : now_(now) {}
  LocalDateTime Now() const override { return now_; }
  // The clock keeps UTC.
  std::optional<UtcDateTime> ToUtc(const LocalDateTime& local) const override { return local; }
  void Set(const LocalDateTime& now) { now_ = now; }

 private:
  LocalDateTime now_;
};

}  // namespace curfew::platform
