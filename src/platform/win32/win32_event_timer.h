#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/event_timer.h"

namespace curfew::platform::win32 {

// A thread timer of the system (SetTimer without a window): its WM_TIMER reaches the timer
// procedure through any loop that dispatches the thread's messages, the system's own modal
// loops (menus, message boxes, moving a window) included.
class Win32EventTimer final : public EventTimer {
 public:
  explicit Win32EventTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
  ~Win32EventTimer() override { Stop(); }
  Win32EventTimer(const Win32EventTimer&) = delete;
  Win32EventTimer& operator=(const Win32EventTimer&) = delete;

  void Start(int intervalMs) override;
  void Stop() override;
  bool Running() const override { return id_ != 0; }

 private:
  static void CALLBACK Tick(HWND window, UINT message, UINT_PTR id, DWORD time);

  std::function<void()> onTick_;
  UINT_PTR id_ = 0;
};

}  // namespace curfew::platform::win32
