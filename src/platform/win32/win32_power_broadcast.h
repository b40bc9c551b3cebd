#pragma once

#include "platform/power_broadcast.h"

namespace curfew::platform::win32 {

// The broadcast filter as a window procedure (PowerWindowProc) subclassing the window through
// SetWindowLongPtrW. Its state is the process's: every instance shares one flag and one
// replaced procedure, as a window procedure has no other place to find them.
class Win32PowerBroadcastFilter final : public PowerBroadcastFilter {
 public:
  void SetPreventionFlag(bool on) override;
  bool PreventionFlag() const override;
  bool Installed() const override;
  void Install(NativeWindow window) override;
  void Uninstall(NativeWindow window) override;
};

}  // namespace curfew::platform::win32
