#include "platform/headless/recorded_power_system.h"

#include <cstdio>

namespace curfew::platform {

PowerError RecordedPowerSystem::RequestExit(std::uint32_t flags) {
  calls_.push_back("ExitWindowsEx(" + std::to_string(flags) + ")");
  if (onAction) onAction();
  return actionError_;
}

PowerError RecordedPowerSystem::Suspend(bool hibernate, bool force) {
  calls_.push_back("SetSuspendState(" + std::to_string(hibernate ? 1 : 0) + ", " + std::to_string(force ? 1 : 0) + ")");
  if (onAction) onAction();
  return actionError_;
}

void RecordedPowerSystem::TurnDisplayOff() {
  calls_.push_back("TurnDisplayOff");
  if (onAction) onAction();
}

std::string RecordedPowerSystem::ErrorText(PowerError error) const {
  if (error == 5) return "Access is denied.";
  if (error == 1314) return "A required privilege is not held by the client.";
  return "System error " + std::to_string(error) + ".";
}

PowerError RecordedPowerSystem::EnableShutdownPrivilege() {
  calls_.push_back("EnableShutdownPrivilege");
  return privilegeError_;
}

namespace {

// The asked-for request as it always was; the one held for a run says so.
std::string RequestName(AwakeRequest which) {
  return which == AwakeRequest::Asked ? "SystemRequired" : "SystemRequired for a run";
}

}  // namespace

void RecordedPowerSystem::HoldSystemRequest(AwakeRequest which, std::string_view reason) {
  calls_.push_back("PowerSetRequest(" + RequestName(which) + ", " + std::string(reason) + ")");
}

void RecordedPowerSystem::ReleaseSystemRequest(AwakeRequest which) {
  calls_.push_back("PowerClearRequest(" + RequestName(which) + ")");
}

bool RecordedPowerSystem::ArmWakeTimer(const UtcDateTime& at, std::string_view reason) {
  calls_.push_back("SetWaitableTimerEx(" + UtcText(at) + ")");
  wakeTimer_ = at;
  wakeReason_ = reason;
  return true;
}

void RecordedPowerSystem::CancelWakeTimer() {
  calls_.push_back("CancelWaitableTimer");
  wakeTimer_.reset();
}

void RecordedPowerSystem::SetExecutionState(std::uint32_t flags) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(flags));
  calls_.push_back(std::string("SetThreadExecutionState(") + hex + ")");
  // With ES_CONTINUOUS the flags stay in force until the next such call.
  if (flags & execution_state::kContinuous) executionState_ = flags;
}

std::string UtcText(const UtcDateTime& at) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02dZ", static_cast<int>(at.date.year()),
                static_cast<unsigned>(at.date.month()), static_cast<unsigned>(at.date.day()), at.time.hour,
                at.time.minute, at.time.second);
  return text;
}

}  // namespace curfew::platform
