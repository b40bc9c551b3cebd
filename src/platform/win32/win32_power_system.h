#pragma once

#include "platform/power.h"

namespace curfew::platform::win32 {

class Win32PowerSystem final : public PowerSystem {
 public:
  void RequestExit(std::uint32_t flags) override;
  void RequestPowerState(bool suspend, bool force) override;
  std::uint32_t PlatformId() const override;
  void EnableShutdownPrivilege() override;
  bool HibernationFileExists() const override;
  void SetExecutionState(std::uint32_t flags) override;
};

}  // namespace curfew::platform::win32
