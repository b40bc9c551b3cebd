#include "ui/tray_tip.h"

#include "localization/cls_languages.h"
#include "platform/utf8.h"
#include "ui/app_context.h"

namespace curfew {

std::string TrayTip(std::string_view programName, const std::optional<ComingAction>& coming, std::string_view phrase,
                    const LocalDateTime& now, const platform::Locale& locale, std::string_view awakeNote) {
  std::string tip(programName);
  if (coming) {
    std::string when = locale.FormatShortTime(coming->at.time);
    if (coming->at.date != now.date) when = locale.FormatShortDate(coming->at.date) + " " + when;
    tip += " \u2013 " + ReplacePlaceholder(ReplacePlaceholder(phrase, "[Action]", coming->action), "[Time]", when);
  }
  if (!awakeNote.empty()) tip += " \u2013 " + std::string(awakeNote);
  return std::string(utf8::FirstCharacters(tip, kTrayTipCharacters));
}

// Nothing runs while schedules are prevented: the tip then promises nothing either.
std::string TrayTipView::Tip() const {
  const Scheduler& engine = context_.Engine();
  std::optional<ComingAction> coming;
  if (engine.Coming()) coming = ComingAction{engine.Coming()->action, engine.Coming()->at};
  const AppServices& services = context_.Services();
  return TrayTip(context_.Identity().strProgramName, coming, context_.Text("MSG_NEXTACTION"), services.clock.Now(),
                 services.locale, engine.KeptAwake() ? context_.Text("MSG_TIPAWAKE") : "");
}

void TrayTipView::Refresh() {
  std::string tip = Tip();
  if (tip == shown_) return;
  // An icon that is not there takes the tip when the tray routine adds it again.
  if (context_.Services().tray.Modify(tip)) shown_ = std::move(tip);
}

void TrayTipView::SwitchesChanged() {
  context_.Services().tray.ShowKeptAwake(context_.Engine().KeptAwake());
  Refresh();
}

}  // namespace curfew
