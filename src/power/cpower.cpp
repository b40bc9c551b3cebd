#include "power/cpower.h"

#include "power/mod_power.h"

namespace curfew {

CPower::CPower(platform::PowerSystem& power, platform::PowerBroadcastFilter& filter) : power_(power), filter_(filter) {}

CPower::~CPower() {
  if (filter_.Installed()) filter_.Uninstall(hwnd_);
  HoldSystemAwake(false);
  HoldForRun(false, {});
}

void CPower::Initialize(platform::NativeWindow hwnd) { hwnd_ = hwnd; }

void CPower::DisableSuspend(bool SuspendDisabled) {
  filter_.SetPreventionFlag(SuspendDisabled);
  if (SuspendDisabled && !filter_.Installed()) filter_.Install(hwnd_);
  if (!SuspendDisabled && filter_.Installed()) filter_.Uninstall(hwnd_);
  HoldSystemAwake(SuspendDisabled);
}

bool CPower::DisableSuspend() const { return filter_.PreventionFlag(); }

void CPower::HoldSystemAwake(bool hold) { Hold(systemHeldAwake_, hold, platform::AwakeRequest::Asked, awakeReason_); }

void CPower::HoldForRun(bool hold, std::string_view reason) {
  Hold(heldForRun_, hold, platform::AwakeRequest::ForRun, reason);
}

void CPower::Hold(bool& held, bool hold, platform::AwakeRequest which, std::string_view reason) {
  if (hold == held) return;
  held = hold;
  ShowExecutionState();
  if (hold)
    power_.HoldSystemRequest(which, reason);
  else
    power_.ReleaseSystemRequest(which);
}

// The thread's execution state is one for both holds: the system stays awake while either is.
void CPower::ShowExecutionState() {
  using namespace platform::execution_state;
  power_.SetExecutionState(systemHeldAwake_ || heldForRun_ ? kContinuous | kSystemRequired : kContinuous);
}

std::optional<PowerRefusal> CPower::ShutDown(std::int32_t ShutDownType, bool Force) {
  const auto code = static_cast<PowerActionCode>(ShutDownType);
  if (code == kPowerStandBy && StandsByWithDisplayOff(power_.Capabilities())) {
    power_.TurnDisplayOff();
    return std::nullopt;
  }
  // A privilege the account cannot have is refused again by the action itself, in the
  // system's words: that refusal is the one told.
  if (IsWindowsNT(power_)) EnableShutdownPrivilege(power_);
  platform::PowerError answer = platform::kAccepted;
  if (code == kPowerHibernate || code == kPowerStandBy) {
    answer = power_.Suspend(code == kPowerHibernate, Force);
  } else {
    std::uint32_t flags = static_cast<std::uint32_t>(ShutDownType);
    if (Force) flags += platform::exit_flag::kForce;
    answer = power_.RequestExit(flags);
  }
  if (answer == platform::kAccepted) return std::nullopt;
  return PowerRefusal{code, power_.ErrorText(answer)};
}

}  // namespace curfew
