#pragma once

#include "platform/power.h"
#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {

class Win32PowerSystem final : public PowerSystem {
 public:
  PowerError RequestExit(std::uint32_t flags) override;
  PowerError Suspend(bool hibernate, bool force) override;
  void TurnDisplayOff() override;
  PowerCapabilities Capabilities() const override;
  std::string ErrorText(PowerError error) const override;
  std::uint32_t PlatformId() const override;
  PowerError EnableShutdownPrivilege() override;
  bool HibernationFileExists() const override;
  void SetExecutionState(std::uint32_t flags) override;
  void HoldSystemRequest(AwakeRequest which, std::string_view reason) override;
  void ReleaseSystemRequest(AwakeRequest which) override;
  bool ArmWakeTimer(const UtcDateTime& at, std::string_view reason) override;
  void CancelWakeTimer() override;
  std::optional<bool> WakeTimersAllowed() const override;
  // Whether that power request is held now.
  bool HoldsSystemRequest(AwakeRequest which) const {
    return static_cast<bool>((which == AwakeRequest::Asked ? request_ : runRequest_).get());
  }
  // The wake timer, made at its first arming; null before.
  void* WakeTimerHandle() const { return wakeTimer_.get(); }

 private:
  KernelHandle request_;
  KernelHandle runRequest_;
  KernelHandle wakeTimer_;
  // The reason the armed timer carries: the system reads it while the timer is set.
  std::wstring wakeReason_;
};

}  // namespace curfew::platform::win32
