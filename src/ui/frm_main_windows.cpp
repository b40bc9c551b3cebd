// The windows the main window opens from its buttons and menus: one of each at a time, brought
// to the front while open.
#include "appearance/frm_about.h"
#include "appearance/frm_website.h"
#include "localization/frm_language.h"
#include "settings/frm_options.h"
#include "ui/frm_history.h"
#include "ui/frm_main.h"
#include "ui/frm_still_running.h"
#include "ui/frm_wizard.h"

namespace curfew {

using Place = OpenWindows::Place;

// EditMode stays as it was while the editor is open: its "Ok" reads it again, and an edit must
// not meet the new-schedule name test.
void frmMain::ShowScheduleEditor(bool editMode) {
  if (context_.Windows().BringForwardIfOpen(Place::Editor)) return;
  context_.EditMode = editMode;
  context_.Windows().Open<frmWizard>(Place::Editor, context_).Show();
}

void frmMain::ShowPreferences() {
  if (context_.Windows().BringForwardIfOpen(Place::Preferences)) return;
  context_.Windows().Open<frmOptions>(Place::Preferences, context_).Show();
}

// The browser window closes by its own close box; a click while it is open brings it forward.
void frmMain::ShowWebsite() {
  if (context_.Windows().BringForwardIfOpen(Place::Browser)) return;
  context_.BrowserPageKey = "Website";
  context_.Windows().Open<frmWebsite>(Place::Browser, context_).Show();
}

void frmMain::ShowAbout() {
  if (context_.Windows().BringForwardIfOpen(Place::About)) return;
  context_.Windows().Open<frmAbout>(Place::About, context_).Show();
}

void frmMain::ShowLanguageDialog(bool modal) {
  if (!modal && context_.Windows().BringForwardIfOpen(Place::Language)) return;
  frmLanguage* dialog = LanguageDialog();
  if (!dialog) dialog = &context_.Windows().Open<frmLanguage>(Place::Language, context_);
  dialog->Show(modal);
}

void frmMain::ShowHelp() {
  Form8& help = context_.Windows().Open<Form8>(Place::Help, context_);
  help.Show();
  services_.runtime.DoEvents();
  help.Unload();
}

void frmMain::ShowHistory() {
  if (context_.Windows().BringForwardIfOpen(Place::History)) return;
  context_.Windows().Open<frmHistory>(Place::History, context_).Show();
}

frmHistory* frmMain::HistoryWindow() const { return context_.Windows().Find<frmHistory>(Place::History); }
frmWizard* frmMain::ScheduleEditor() const { return context_.Windows().Find<frmWizard>(Place::Editor); }
frmStillRunning* frmMain::Reminder() const { return context_.Windows().Find<frmStillRunning>(Place::Reminder); }
frmOptions* frmMain::Preferences() const { return context_.Windows().Find<frmOptions>(Place::Preferences); }
frmAbout* frmMain::About() const { return context_.Windows().Find<frmAbout>(Place::About); }
frmLanguage* frmMain::LanguageDialog() const { return context_.Windows().Find<frmLanguage>(Place::Language); }
frmWebsite* frmMain::Website() const { return context_.Windows().Find<frmWebsite>(Place::Browser); }

}  // namespace curfew
