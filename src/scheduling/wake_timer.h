#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/power.h"
#include "scheduling/scheduler.h"

namespace curfew {

// The system's wake timer, armed for the moment the engine says the computer should wake.
class WakeTimer final : public SchedulerListener {
 public:
  // reason: the text the system shows for the timer, in the user's language.
  WakeTimer(platform::PowerSystem& power, const platform::Clock& clock, std::function<std::string()> reason)
      : power_(power), clock_(clock), reason_(std::move(reason)) {}

  void WakeMomentChanged(const std::optional<LocalDateTime>& moment, bool rearm) override;
  // The program ends: no timer wakes the computer for it any more.
  void Cancel();

 private:
  platform::PowerSystem& power_;
  const platform::Clock& clock_;
  std::function<std::string()> reason_;
  std::optional<UtcDateTime> armed_;
};

}  // namespace curfew
