#pragma once

#include <functional>
#include <optional>
#include <string>

#include "localization/translated_window.h"
#include "platform/date_time.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"
#include "scheduling/scheduler.h"

namespace curfew {

class AppContext;

// The sentence under the countdown: which schedule runs, and when.
std::string WarningDetails(AppContext& context, const WarningFacts& facts);

// The warning a set time before an action: the action, the schedule and the time, a live
// countdown, and what the user may do instead of waiting (run it now, postpone this run, skip
// it). It appears above every window without taking the keyboard from the one in use. Esc and
// the close box only put it away: the action still comes.
class frmWarning final : public ui::Form, public TranslatedWindow {
 public:
  frmWarning(AppContext& context, WarningFacts facts);

  ui::Label lblCountdown{*this, "lblCountdown"};
  ui::Label lblDetails{*this, "lblDetails"};
  ui::CommandButton cmdRunNow{*this, "cmdRunNow"};
  ui::CommandButton cmdPostpone{*this, "cmdPostpone"};
  ui::ComboBox cboPostpone{*this, "cboPostpone", ui::ComboBox::Style::DropDownList};
  ui::CommandButton cmdSkip{*this, "cmdSkip"};
  ui::Timer tmrCountdown{*this, "tmrCountdown", 250, true};

  // What the buttons ask of the program; the postponement in minutes.
  std::function<void()> onRunNow;
  std::function<void(int minutes)> onPostpone;
  std::function<void()> onSkip;

  const WarningFacts& Facts() const { return facts_; }
  // "Shut Down in 0:42": the time left until the action starts.
  std::string CountdownText() const;

  // The title and other catalogue texts, shown again when the language changes.
  void ShowCatalogueTexts() override;

 protected:
  void Form_Load() override;

 private:
  AppContext& context_;
  WarningFacts facts_;
};

// The postponements offered, in minutes.
inline constexpr int kPostponeMinutes[] = {5, 10, 30, 60};

}  // namespace curfew
