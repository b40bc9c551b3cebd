#pragma once

#include <cstdint>

#include "platform/power_broadcast.h"

namespace curfew::platform {

// A window whose procedure chain is simulated: the filter stands in front of the window's own
// procedure exactly as long as it is installed, and a power broadcast can be sent through it.
class SimulatedPowerBroadcast final : public PowerBroadcastFilter {
 public:
  static constexpr std::intptr_t kQueryDeny = 0x424D5144;
  static constexpr std::intptr_t kOwnProcedureAnswer = 1;

  void SetPreventionFlag(bool on) override { flag_ = on; }
  bool PreventionFlag() const override { return flag_; }
  bool Installed() const override { return installedOn_ != 0; }
  void Install(NativeWindow window) override;
  void Uninstall(NativeWindow window) override;

  // The next Install is refused, as SetWindowLongPtr refuses a window of another process.
  void RefuseNextInstall() { refuseNextInstall_ = true; }
  // Sends WM_POWERBROADCAST; the window's own procedure answers kOwnProcedureAnswer.
  std::intptr_t SendPowerBroadcast(std::intptr_t lParam);
  int ownProcedureCalls() const { return ownProcedureCalls_; }
  int installations() const { return installations_; }
  NativeWindow installedOn() const { return installedOn_; }

 private:
  bool flag_ = false;
  bool refuseNextInstall_ = false;
  NativeWindow installedOn_ = 0;
  int installations_ = 0;
  int ownProcedureCalls_ = 0;
};

}  // namespace curfew::platform
