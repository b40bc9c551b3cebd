// What the main window shows of the engine's warnings and answers: the warning before an
// action with its tray notification, and the notifications of refused and cancelled actions.
#include "ui/frm_main.h"
#include "ui/frm_warning.h"

namespace curfew {

frmWarning* frmMain::Warning() const { return context_.Windows().Find<frmWarning>(OpenWindows::Place::Warning); }

void frmMain::CloseWarning() {
  if (frmWarning* warning = Warning(); warning && warning->Loaded()) warning->Unload();
}

void frmMain::WarningDue(const WarningFacts& facts) {
  CloseWarning();
  frmWarning& warning = context_.Windows().Open<frmWarning>(OpenWindows::Place::Warning, context_, facts);
  warning.onRunNow = [this] { Engine().RunWarnedNow(); };
  warning.onPostpone = [this](int minutes) { Engine().PostponeWarned(minutes); };
  warning.onSkip = [this] { Engine().SkipWarned(); };
  warning.Show();
  // The tray says the same at the same moment, for a user looking elsewhere.
  const std::string title = ReplacePlaceholder(
      ReplacePlaceholder(context_.Languages().getMessages("MSG_NEXTACTION"), "[Action]", facts.action), "[Time]",
      services_.locale.FormatShortTime(facts.at.time));
  services_.tray.ShowNotification(title, WarningDetails(context_, facts));
}

void frmMain::Notify(const char* messageId, std::string_view action, std::string_view text) {
  const std::string title = ReplacePlaceholder(context_.Languages().getMessages(messageId), "[Action]", action);
  services_.tray.ShowNotification(title, text);
}

// Nothing else changes: the user learns what did not happen and why, in the system's words.
void frmMain::ActionRefused(const PowerRefusal& refusal) {
  Notify("MSG_REFUSED", PowerActionName(refusal.action), refusal.reason);
}

void frmMain::ActionCancelled(PowerActionCode action) {
  Notify("MSG_CANCELLED", PowerActionName(action), context_.Languages().getMessages("MSG_CANCELLEDWHY"));
}

void frmMain::DecisionsSetAside(const std::string& path) {
  Notify("MSG_DECISIONSASIDE", "",
         ReplacePlaceholder(context_.Languages().getMessages("MSG_DECISIONSFILE"), "[File]", path));
}

}  // namespace curfew
