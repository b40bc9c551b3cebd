#include "power/mod_power.h"

#include <algorithm>

namespace curfew {

std::optional<PowerActionCode> PowerActionCodeOf(std::string_view actionName) {
  const auto found = std::find_if(kPowerActions.begin(), kPowerActions.end(),
                                  [actionName](const PowerAction& action) { return action.name == actionName; });
  if (found == kPowerActions.end()) return std::nullopt;
  return found->code;
}

bool HibernationAvailable(const platform::PowerSystem& power) { return power.HibernationFileExists(); }

bool IsWindowsNT(const platform::PowerSystem& power) { return power.PlatformId() == platform::kPlatformWin32Nt; }

void EnableShutdownPrivilege(platform::PowerSystem& power) { power.EnableShutdownPrivilege(); }

void ExitWindowsWithFlags(platform::PowerSystem& power, std::uint32_t flags) { power.RequestExit(flags); }

void EnterPowerState(platform::PowerSystem& power, bool suspend, bool force) {
  power.RequestPowerState(suspend, force);
}

}  // namespace curfew
