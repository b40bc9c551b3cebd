#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/power.h"

namespace curfew::platform {

// Records every power call instead of making it, in order, as text such as
// "ExitWindowsEx(5)", "SetSystemPowerState(1, 0)", "EnableShutdownPrivilege" or
// "SetThreadExecutionState(0x80000001)".
class RecordedPowerSystem final : public PowerSystem {
 public:
  explicit RecordedPowerSystem(std::uint32_t platformId = kPlatformWin32Nt) : platformId_(platformId) {}

  void RequestExit(std::uint32_t flags) override;
  void RequestPowerState(bool suspend, bool force) override;
  std::uint32_t PlatformId() const override { return platformId_; }
  void EnableShutdownPrivilege() override;
  bool HibernationFileExists() const override { return hibernationFile_; }
  void SetExecutionState(std::uint32_t flags) override;
  void HoldSystemRequest(std::string_view reason) override;
  void ReleaseSystemRequest() override;

  void SetHibernationFile(bool present) { hibernationFile_ = present; }
  const std::vector<std::string>& calls() const { return calls_; }
  // Called at each action (log off, shut down, reboot, stand by, hibernate) as it is recorded.
  std::function<void()> onAction;
  // The execution state the last call left in force: kContinuous and what it holds.
  std::uint32_t executionState() const { return executionState_; }

 private:
  std::uint32_t platformId_;
  bool hibernationFile_ = false;
  std::uint32_t executionState_ = execution_state::kContinuous;
  std::vector<std::string> calls_;
};

}  // namespace curfew::platform
