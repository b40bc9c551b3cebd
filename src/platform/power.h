#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"

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

// The system's answer to a request: kAccepted when it took the request on, otherwise its own
// error code, whose text ErrorText gives.
using PowerError = std::uint32_t;
inline constexpr PowerError kAccepted = 0;

// Why the program holds the system awake: the user asked for it, or a schedule's run is near
// after the system woke for it. Each is a power request of its own.
enum class AwakeRequest { Asked, ForRun };

// The sleeping states the machine offers (GetPwrCapabilities).
struct PowerCapabilities {
  // Classic sleep: S1, S2 or S3.
  bool classicSleep = true;
  // Modern Standby (AoAc): the machine enters it when the display goes off.
  bool modernStandby = false;
};

// Log-on and power control of the machine. The system decides whether an action happens; a
// request it refuses says so.
class PowerSystem {
 public:
  virtual ~PowerSystem() = default;

  // Logs the user off, shuts down or restarts (ExitWindowsEx with these flags).
  virtual PowerError RequestExit(std::uint32_t flags) = 0;
  // Suspends or hibernates the machine (SetSuspendState, wake-up events allowed); returns
  // after it wakes.
  virtual PowerError Suspend(bool hibernate, bool force) = 0;
  // Turns the display off, which is how a Modern Standby machine goes to sleep.
  virtual void TurnDisplayOff() = 0;
  virtual PowerCapabilities Capabilities() const = 0;
  // The system's own text for an error code, in its language.
  virtual std::string ErrorText(PowerError error) const = 0;
  // The platform identifier of the running system (2 for the NT family).
  virtual std::uint32_t PlatformId() const = 0;
  // Enables SeShutdownPrivilege on the process token.
  virtual PowerError EnableShutdownPrivilege() = 0;
  // Whether "c:\hiberfil.sys" exists, hidden, system and read-only files included.
  virtual bool HibernationFileExists() const = 0;
  // Tells the system what the program needs kept running (SetThreadExecutionState).
  virtual void SetExecutionState(std::uint32_t flags) = 0;
  // A power request that the system keeps running, with the reason the system shows for it
  // (powercfg /requests): held until released, or until the program ends.
  virtual void HoldSystemRequest(AwakeRequest which, std::string_view reason) = 0;
  virtual void ReleaseSystemRequest(AwakeRequest which) = 0;
  // One timer that wakes the machine from sleep or hibernation at a moment given on the UTC
  // clock, with the reason the system shows for it; arming it again moves it. False when the
  // system refused it.
  virtual bool ArmWakeTimer(const UtcDateTime& at, std::string_view reason) = 0;
  virtual void CancelWakeTimer() = 0;
  // Whether the active power scheme lets timers wake the machine on the power source it runs
  // on now; nullopt where the system does not say.
  virtual std::optional<bool> WakeTimersAllowed() const = 0;
};

}  // namespace curfew::platform
