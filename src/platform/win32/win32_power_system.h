#pragma once

#include "platform/power.h"
#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {

class Win32PowerSystem final : public PowerSystem {
 public:
  void RequestExit(std::uint32_t flags) override;
  void RequestPowerState(bool suspend, bool force) override;
  std::uint32_t PlatformId() const override;
  void EnableShutdownPrivilege() override;
  bool HibernationFileExists() const override;
  void SetExecutionState(std::uint32_t flags) override;
  void HoldSystemRequest(std::string_view reason) override;
  void ReleaseSystemRequest() override;
  // Whether a power request is held now.
  bool HoldsSystemRequest() const { return static_cast<bool>(request_.get()); }

 private:
  KernelHandle request_;
};

}  // namespace curfew::platform::win32
