#include "platform/headless/simulated_power_broadcast.h"

namespace curfew::platform {

void SimulatedPowerBroadcast::Install(NativeWindow window) {
  if (refuseNextInstall_ || window == 0) {
    refuseNextInstall_ = false;
    return;
  }
  installedOn_ = window;
  ++installations_;
}

void SimulatedPowerBroadcast::Uninstall(NativeWindow window) {
  if (window == installedOn_) installedOn_ = 0;
}

std::intptr_t SimulatedPowerBroadcast::SendPowerBroadcast(std::intptr_t lParam) {
  if (Installed() && flag_ && lParam == 0) return kQueryDeny;
  ++ownProcedureCalls_;
  return kOwnProcedureAnswer;
}

}  // namespace curfew::platform
