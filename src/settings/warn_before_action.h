#pragma once

#include <array>
#include <string_view>

#include "settings/settings_store.h"

namespace curfew {

// How long before an action its warning shows, as the preferences offer it: the seconds stored,
// and the message that names the choice.
struct WarnChoice {
  int seconds;
  std::string_view message;
};

inline constexpr std::array<WarnChoice, 5> kWarnChoices = {{
    {0, "MSG_WARNOFF"},
    {30, "MSG_WARN30"},
    {60, "MSG_WARN60"},
    {120, "MSG_WARN120"},
    {300, "MSG_WARN300"},
}};
inline constexpr int kDefaultWarnSeconds = 60;
inline constexpr std::string_view kWarnSetting = "WarnBeforeAction";

// The place of the stored choice in kWarnChoices: the default's when the stored value cannot be
// read or is none of the choices.
std::size_t StoredWarnChoice(const SettingsServices& settings);
void StoreWarnChoice(const SettingsServices& settings, std::size_t choice);

}  // namespace curfew
