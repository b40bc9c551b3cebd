#include "platform/headless/recorded_power_system.h"

#include <cstdio>

namespace curfew::platform {

void RecordedPowerSystem::RequestExit(std::uint32_t flags) {
  calls_.push_back("ExitWindowsEx(" + std::to_string(flags) + ")");
  if (onAction) onAction();
}

void RecordedPowerSystem::RequestPowerState(bool suspend, bool force) {
  calls_.push_back("SetSystemPowerState(" + std::to_string(suspend ? 1 : 0) + ", " + std::to_string(force ? 1 : 0) +
                   ")");
  if (onAction) onAction();
}

void RecordedPowerSystem::EnableShutdownPrivilege() { calls_.push_back("EnableShutdownPrivilege"); }

void RecordedPowerSystem::HoldSystemRequest(std::string_view reason) {
  calls_.push_back("PowerSetRequest(SystemRequired, " + std::string(reason) + ")");
}

void RecordedPowerSystem::ReleaseSystemRequest() { calls_.push_back("PowerClearRequest(SystemRequired)"); }

void RecordedPowerSystem::SetExecutionState(std::uint32_t flags) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(flags));
  calls_.push_back(std::string("SetThreadExecutionState(") + hex + ")");
  // With ES_CONTINUOUS the flags stay in force until the next such call.
  if (flags & execution_state::kContinuous) executionState_ = flags;
}

}  // namespace curfew::platform
