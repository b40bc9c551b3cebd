#pragma once

#include <cstdint>
#include <string_view>

namespace curfew::platform {

// Exit flags and execution-state bits, with the operating system's values.
namespace exit_flag {
inline constexpr std::uint32_t kLogOff = 0;
inline constexpr std::uint32_t kShutDown = 1;
inline constexpr std::uint32_t kReboot = 2;
inline constexpr std::uint32_t kForce = 4;
}  // namespace exit_flag

namespace execution_state {
inline constexpr std::uint32_t kSystemRequired = 0x00000001;
inline constexpr std::uint32_t kContinuous = 0x80000000;
}  // namespace execution_state

inline constexpr std::uint32_t kPlatformWin32Nt = 2;

// Log-on and power control of the machine. The calls report nothing: the system decides
// whether an action happens.
class PowerSystem {
 public:
  virtual ~PowerSystem() = default;

  // Logs the user off, shuts down or restarts (ExitWindowsEx with these flags).
  virtual void RequestExit(std::uint32_t flags) = 0;
  // Suspends (stand by) or hibernates the machine; returns after it wakes.
  virtual void RequestPowerState(bool suspend, bool force) = 0;
  // The platform identifier of the running system (2 for the NT family).
  virtual std::uint32_t PlatformId() const = 0;
  // Enables SeShutdownPrivilege on the process token.
  virtual void EnableShutdownPrivilege() = 0;
  // Whether "c:\hiberfil.sys" exists, hidden, system and read-only files included.
  virtual bool HibernationFileExists() const = 0;
  // Tells the system what the program needs kept running (SetThreadExecutionState).
  virtual void SetExecutionState(std::uint32_t flags) = 0;
  // A power request that the system keeps running, with the reason the system shows for it
  // (powercfg /requests): held until released, or until the program ends.
  virtual void HoldSystemRequest(std::string_view reason) = 0;
  virtual void ReleaseSystemRequest() = 0;
};

}  // namespace curfew::platform
