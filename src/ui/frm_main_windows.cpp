// The windows the main window opens from its buttons and menus: one of each at a time, brought
// to the front while open.
#include "appearance/frm_about.h"
#include "appearance/frm_website.h"
#include "localization/frm_language.h"
#include "settings/frm_options.h"
#include "ui/frm_main.h"
#include "ui/frm_wizard.h"

namespace curfew {

// EditMode stays as it was while the editor is open: its "Ok" reads it again, and an edit must
// not meet the new-schedule name test.
void frmMain::ShowScheduleEditor(bool editMode) {
  if (BringForwardIfOpen(wizard_.get())) return;
  EditMode = editMode;
  wizard_ = std::make_unique<frmWizard>(*this);
  wizard_->Show();
}

bool frmMain::BringForwardIfOpen(const ui::Form* form) {
  if (!form || !form->Loaded()) return false;
  services_.runtime.ActivateWindowByTitle(form->Caption());
  return true;
}

void frmMain::ShowPreferences() {
  if (BringForwardIfOpen(options_.get())) return;
  options_ = std::make_unique<frmOptions>(*this);
  options_->Show();
}

// The browser window closes by its own close box; a click while it is open brings it forward.
void frmMain::ShowWebsite() {
  if (BringForwardIfOpen(website_.get())) return;
  BrowserPageKey = "Website";
  website_ = std::make_unique<frmWebsite>(*this);
  website_->Show();
}

void frmMain::ShowAbout() {
  if (BringForwardIfOpen(about_.get())) return;
  about_ = std::make_unique<frmAbout>(*this);
  about_->Show();
}

void frmMain::ShowLanguageDialog(bool modal) {
  if (!modal && BringForwardIfOpen(language_.get())) return;
  if (!language_) language_ = std::make_unique<frmLanguage>(*this);
  language_->Show(modal);
}

void frmMain::ShowHelp() {
  help_ = std::make_unique<Form8>(*this);
  help_->Show();
  services_.runtime.DoEvents();
  help_->Unload();
}

}  // namespace curfew
