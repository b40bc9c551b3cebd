#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/power.h"

// The power actions: the one table from action names to codes, and the steps behind them.
namespace curfew {

// Codes of the five power actions; 3 and 4 are not used.
enum PowerActionCode : std::int32_t {
  kPowerLogOff = 0,
  kPowerShutDown = 1,
  kPowerReboot = 2,
  kPowerHibernate = 5,
  kPowerStandBy = 6,
};

struct PowerAction {
  std::string_view name;
  PowerActionCode code;
};

// The action names as files, list columns and combo boxes carry them.
inline constexpr std::array<PowerAction, 5> kPowerActions = {{
    {"Shut Down", kPowerShutDown},
    {"Reboot", kPowerReboot},
    {"Log Off", kPowerLogOff},
    {"Stand by", kPowerStandBy},
    {"Hibernate", kPowerHibernate},
}};

// The code of an action name, compared exactly; nullopt for any other text.
std::optional<PowerActionCode> PowerActionCodeOf(std::string_view actionName);

// Whether hibernation is offered: "c:\hiberfil.sys" exists.
bool HibernationAvailable(const platform::PowerSystem& power);
// Whether the system is of the NT family, which needs the shutdown privilege.
bool IsWindowsNT(const platform::PowerSystem& power);
void EnableShutdownPrivilege(platform::PowerSystem& power);

// How "Stand by" is carried out on a machine: classic sleep where the machine has it; on one
// with Modern Standby alone, the display goes off, which is how such a machine goes to sleep.
// A machine that says it has neither is still asked to suspend, and its answer is told.
bool StandsByWithDisplayOff(const platform::PowerCapabilities& capabilities);

// An action the system refused: which, and the system's reason in its own words.
struct PowerRefusal {
  PowerActionCode action;
  std::string reason;
  friend bool operator==(const PowerRefusal&, const PowerRefusal&) = default;
};

// The action's name as files and lists carry it.
std::string_view PowerActionName(PowerActionCode code);

}  // namespace curfew
