#include "platform/win32/win32_event_timer.h"

#include <unordered_map>

#include "platform/win32/callback_guard.h"

namespace curfew::platform::win32 {
namespace {

// The running timers by the system's identifier; all of them live on the user-interface thread.
std::unordered_map<UINT_PTR, Win32EventTimer*>& RunningTimers() {
  static std::unordered_map<UINT_PTR, Win32EventTimer*> timers;
  return timers;
}

}  // namespace

void Win32EventTimer::Start(int intervalMs) {
  Stop();
  // Without a window the system picks the identifier.
  id_ = SetTimer(nullptr, 0, static_cast<UINT>(intervalMs), &Win32EventTimer::Tick);
  if (id_ != 0) RunningTimers()[id_] = this;
}

void Win32EventTimer::Stop() {
  if (id_ == 0) return;
  KillTimer(nullptr, id_);
  RunningTimers().erase(id_);
  id_ = 0;
}

void CALLBACK Win32EventTimer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  Guarded(0, [id] {
    // A message of a timer stopped since it was queued finds nobody.
    const auto found = RunningTimers().find(id);
    if (found != RunningTimers().end()) found->second->onTick_();
    return 0;
  });
}

}  // namespace curfew::platform::win32
