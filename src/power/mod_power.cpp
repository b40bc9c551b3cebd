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

bool StandsByWithDisplayOff(const platform::PowerCapabilities& capabilities) {
  return capabilities.modernStandby && !capabilities.classicSleep;
}

std::string_view PowerActionName(PowerActionCode code) {
  const auto found = std::find_if(kPowerActions.begin(), kPowerActions.end(),
                                  [code](const PowerAction& action) { return action.code == code; });
  return found == kPowerActions.end() ? std::string_view() : found->name;
}

}  // namespace curfew
