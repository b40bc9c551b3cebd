#pragma once

#include "platform/native_window.h"

namespace curfew::platform {

// The program's power-broadcast filter, put in front of a window's own procedure. While the
// prevention flag is on, the filter refuses every power broadcast whose lParam is 0 (a query
// made without the user) with BROADCAST_QUERY_DENY; everything else goes to the window's own
// procedure. The flag and the replaced procedure are shared by the whole process.
class PowerBroadcastFilter {
 public:
  virtual ~PowerBroadcastFilter() = default;

  virtual void SetPreventionFlag(bool on) = 0;
  virtual bool PreventionFlag() const = 0;

  // Whether the filter stands in front of a window procedure now.
  virtual bool Installed() const = 0;
  // Puts the filter in front of the window's procedure; if the system refuses, it stays
  // uninstalled and a later call tries again.
  virtual void Install(NativeWindow window) = 0;
  // Puts the window's own procedure back.
  virtual void Uninstall(NativeWindow window) = 0;
};

}  // namespace curfew::platform
