#pragma once

#include "platform/clock.h"
#include "platform/date_arithmetic.h"
#include "platform/headless/headless_runtime.h"
#include "platform/headless/simulated_time_zone.h"

namespace curfew::platform {

// The local time that the headless runtime's virtual clock shows: a start plus the
// milliseconds it has advanced.
class RuntimeClock final : public Clock {
 public:
  RuntimeClock(const ui::HeadlessRuntime& runtime, LocalDateTime start) : runtime_(runtime), start_(start) {}
  LocalDateTime Now() const override {
    return date_arithmetic::AddSeconds(start_, runtime_.NowMs() / 1000 + jumpedSeconds_);
  }
  std::optional<UtcDateTime> ToUtc(const LocalDateTime& local) const override { return zone.ToUtc(local); }
  // The wall clock moves on (or back) while no timer fires: the computer slept, or the clock
  // was set.
  void Jump(long long seconds) { jumpedSeconds_ += seconds; }
  // UTC unless a test sets another zone.
  SimulatedTimeZone zone;

 private:
  const ui::HeadlessRuntime& runtime_;
  LocalDateTime start_;
  long long jumpedSeconds_ = 0;
};

}  // namespace curfew::platform
