#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/native_window.h"
#include "platform/power.h"
#include "platform/power_broadcast.h"
#include "power/mod_power.h"

namespace curfew {

// Carries out the power actions and keeps the computer from sleeping on request.
//
// Keeping it awake has two parts: the broadcast filter in front of the main window refuses
// the suspend queries that older Windows sends before an idle suspend, and the execution
// state "system required" stops the idle suspend of Windows Vista and later, which no longer
// asks; a power request with a reason lets the system (powercfg /requests) say who keeps it
// awake and why. None stops a suspend the user asks for or a forced one.
class CPower {
 public:
  CPower(platform::PowerSystem& power, platform::PowerBroadcastFilter& filter);
  CPower(const CPower&) = delete;
  CPower& operator=(const CPower&) = delete;
  // Puts the main window's own procedure back and lets the computer sleep again.
  ~CPower();

  void DisableSuspend(bool SuspendDisabled);
  // The reason the system shows for keeping the computer awake, in the user's language.
  void SetAwakeReason(std::string reason) { awakeReason_ = std::move(reason); }
  bool DisableSuspend() const;
  // Keeps the system awake (not the display) until a schedule's run has been asked of the
  // system, after the system woke for it: it would sleep again within minutes otherwise.
  void HoldForRun(bool hold, std::string_view reason);
  bool HeldForRun() const { return heldForRun_; }
  // The main window, whose procedure the broadcast filter stands in front of.
  void Initialize(platform::NativeWindow hwnd);
  // Performs the action at once; the system decides whether it happens, and a refusal comes
  // back with the system's reason.
  std::optional<PowerRefusal> ShutDown(std::int32_t ShutDownType, bool Force);

 private:
  void HoldSystemAwake(bool hold);
  void Hold(bool& held, bool hold, platform::AwakeRequest which, std::string_view reason);
  // The execution state for what is held now.
  void ShowExecutionState();

  platform::PowerSystem& power_;
  platform::PowerBroadcastFilter& filter_;
  platform::NativeWindow hwnd_ = 0;
  bool systemHeldAwake_ = false;
  bool heldForRun_ = false;
  std::string awakeReason_;
};

}  // namespace curfew
