#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/power.h"

namespace curfew::platform {

// Records every power call instead of making it, in order, as text such as
// "ExitWindowsEx(5)", "SetSuspendState(0, 0)", "TurnDisplayOff", "EnableShutdownPrivilege",
// "SetThreadExecutionState(0x80000001)" or "SetWaitableTimerEx(2026-03-28 21:58:00Z)".
class RecordedPowerSystem final : public PowerSystem {
 public:
  explicit RecordedPowerSystem(std::uint32_t platformId = kPlatformWin32Nt) : platformId_(platformId) {}

  PowerError RequestExit(std::uint32_t flags) override;
  PowerError Suspend(bool hibernate, bool force) override;
  void TurnDisplayOff() override;
  PowerCapabilities Capabilities() const override { return capabilities_; }
  // "System error N" for any code but access denied and a privilege not held.
  std::string ErrorText(PowerError error) const override;
  std::uint32_t PlatformId() const override { return platformId_; }
  PowerError EnableShutdownPrivilege() override;
  bool HibernationFileExists() const override { return hibernationFile_; }
  void SetExecutionState(std::uint32_t flags) override;
  void HoldSystemRequest(AwakeRequest which, std::string_view reason) override;
  void ReleaseSystemRequest(AwakeRequest which) override;
  bool ArmWakeTimer(const UtcDateTime& at, std::string_view reason) override;
  void CancelWakeTimer() override;
  std::optional<bool> WakeTimersAllowed() const override { return wakeTimersAllowed_; }

  void SetHibernationFile(bool present) { hibernationFile_ = present; }
  void SetCapabilities(PowerCapabilities capabilities) { capabilities_ = capabilities; }
  void SetWakeTimersAllowed(std::optional<bool> allowed) { wakeTimersAllowed_ = allowed; }
  // The system answers every action (and the privilege, when given) with this error from now on.
  void RefuseActions(PowerError error) { actionError_ = error; }
  void RefusePrivilege(PowerError error) { privilegeError_ = error; }
  const std::vector<std::string>& calls() const { return calls_; }
  // The wake timer's moment and reason while it is armed.
  const std::optional<UtcDateTime>& wakeTimer() const { return wakeTimer_; }
  const std::string& wakeReason() const { return wakeReason_; }
  // Called at each action (log off, shut down, reboot, stand by, hibernate) as it is recorded.
  std::function<void()> onAction;
  // The execution state the last call left in force: kContinuous and what it holds.
  std::uint32_t executionState() const { return executionState_; }

 private:
  std::uint32_t platformId_;
  bool hibernationFile_ = false;
  PowerCapabilities capabilities_;
  std::optional<bool> wakeTimersAllowed_ = true;
  PowerError actionError_ = kAccepted;
  PowerError privilegeError_ = kAccepted;
  std::uint32_t executionState_ = execution_state::kContinuous;
  std::optional<UtcDateTime> wakeTimer_;
  std::string wakeReason_;
  std::vector<std::string> calls_;
};

// A UTC moment as the recorded calls write it: "2026-03-28 21:58:00Z".
std::string UtcText(const UtcDateTime& at);

}  // namespace curfew::platform
