#include "power/cpower.h"

#include "power/mod_power.h"

namespace curfew {

CPower::CPower(platform::PowerSystem& power, platform::PowerBroadcastFilter& filter) : power_(power), filter_(filter) {}

CPower::~CPower() {
  if (filter_.Installed()) filter_.Uninstall(hwnd_);
  HoldSystemAwake(false);
}

void CPower::Initialize(platform::NativeWindow hwnd) { hwnd_ = hwnd; }

void CPower::DisableSuspend(bool SuspendDisabled) {
  filter_.SetPreventionFlag(SuspendDisabled);
  if (SuspendDisabled && !filter_.Installed()) filter_.Install(hwnd_);
  if (!SuspendDisabled && filter_.Installed()) filter_.Uninstall(hwnd_);
  HoldSystemAwake(SuspendDisabled);
}

bool CPower::DisableSuspend() const { return filter_.PreventionFlag(); }

void CPower::HoldSystemAwake(bool hold) {
  if (hold == systemHeldAwake_) return;
  using namespace platform::execution_state;
  power_.SetExecutionState(hold ? kContinuous | kSystemRequired : kContinuous);
  if (hold)
    power_.HoldSystemRequest(awakeReason_);
  else
    power_.ReleaseSystemRequest();
  systemHeldAwake_ = hold;
}

void CPower::ShutDown(std::int32_t ShutDownType, bool Force) {
  if (ShutDownType == kPowerHibernate || ShutDownType == kPowerStandBy) {
    if (IsWindowsNT(power_)) EnableShutdownPrivilege(power_);
    EnterPowerState(power_, ShutDownType == kPowerStandBy, Force);
    return;
  }
  std::uint32_t flags = static_cast<std::uint32_t>(ShutDownType);
  if (Force) flags += platform::exit_flag::kForce;
  if (IsWindowsNT(power_)) EnableShutdownPrivilege(power_);
  ExitWindowsWithFlags(power_, flags);
}

}  // namespace curfew
