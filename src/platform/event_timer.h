#pragma once

#include <functional>
#include <memory>

namespace curfew::platform {

// A repeating timer of the user-interface thread's event loop that belongs to no window: it
// ticks whenever the loop, or any wait or modal loop that lets events run, sees its interval
// pass, whatever the windows are doing (hidden, minimised, a menu or a message box open).
class EventTimer {
 public:
  virtual ~EventTimer() = default;
  // Ticks every interval from now on; started again, it counts from now.
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;
};

// Makes the timers of the event loop.
class EventTimers {
 public:
  virtual ~EventTimers() = default;
  // A timer that calls onTick at each interval while it is started; dropping it stops it.
  virtual std::unique_ptr<EventTimer> MakeTimer(std::function<void()> onTick) = 0;
};

}  // namespace curfew::platform
