#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"
#include "platform/locale.h"

namespace curfew {

// The most characters the tray icon's tip holds.
inline constexpr std::size_t kTrayTipCharacters = 63;

// An action still to come, as the tray icon's tip tells it.
struct ComingAction {
  std::string action;  // "Shut Down", ...
  LocalDateTime at;
};

// The tray icon's tip: the program's name, then the next action and when it runs, through the
// phrase (English "[Action] at [Time]"): "Curfew – Shut Down at 11:30 PM", with the date before
// the time when the run is on another day. The name alone when nothing is to run. While the
// computer is kept awake, the awake note follows ("… – kept awake"). Cut, between two
// characters, to the characters the tip holds.
std::string TrayTip(std::string_view programName, const std::optional<ComingAction>& coming, std::string_view phrase,
                    const LocalDateTime& now, const platform::Locale& locale, std::string_view awakeNote = {});

}  // namespace curfew
