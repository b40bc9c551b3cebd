#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"
#include "platform/locale.h"
#include "scheduling/scheduler.h"

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

class AppContext;

// The tray icon as the engine stands: its tip names the run to come and says whether the
// computer is kept awake, and its picture says the latter. Each change reaches the icon once.
class TrayTipView final : public SchedulerListener {
 public:
  explicit TrayTipView(AppContext& context) : context_(context) {}

  // The tip as things stand now.
  std::string Tip() const;
  // The icon was given this tip (added or re-asserted).
  void TipGiven(std::string tip) { shown_ = std::move(tip); }
  // Gives the icon the tip of the moment when it differs from the one it has (also after the
  // language changed).
  void Refresh();

  void ComingChanged() override { Refresh(); }
  void SwitchesChanged() override;

 private:
  AppContext& context_;
  std::string shown_;  // the tip the icon has
};

}  // namespace curfew
