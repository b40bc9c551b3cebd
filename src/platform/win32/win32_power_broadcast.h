#pragma once

#include <windows.h>

#include "platform/power_broadcast.h"

namespace curfew::platform::win32 {

// The broadcast filter as a subclass of the window: while the prevention flag is set, the
// system's silent queries to suspend are refused before the window's own procedure sees them.
class Win32PowerBroadcastFilter final : public PowerBroadcastFilter {
 public:
  void SetPreventionFlag(bool on) override { preventionFlag_ = on; }
  bool PreventionFlag() const override { return preventionFlag_; }
  bool Installed() const override { return installed_; }
  void Install(NativeWindow window) override;
  void Uninstall(NativeWindow window) override;

 private:
  static LRESULT Filter(Win32PowerBroadcastFilter& filter, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  bool preventionFlag_ = false;
  bool installed_ = false;
};

}  // namespace curfew::platform::win32
