#include "localization/frm_language.h"

#include "localization/language_update.h"
#include "settings/setting_table.h"
#include "settings/settings_store.h"
#include "ui/app_context.h"

namespace curfew {

frmLanguage::frmLanguage(AppContext& context) : ui::Form(context.Services().runtime, "frmLanguage"), context_(context) {
  SetClientSize(8295, 2715);
  SetCaption("Language Selection");
  Label1.SetCaption("Please select the language you would like to use:");
  Label1.Move({60, 180, 6735, 195});
  Combo1.SetText(kChooseLanguageHere);
  Combo1.Move({60, 480, 6735, 315});
  Command2.SetCaption("OK");
  Command2.Move({6900, 120, 1335, 675});
  // Two pixels high, so that the etched line has room to show.
  Line1.Move({60, 1080, 8160, 30});
  Command1.SetCaption("Check for language updates");
  Command1.Move({60, 1380, 8175, 615});
  Command3.SetCaption("Translate this program");
  Command3.Move({60, 2040, 8175, 615});
  SetCentred(true);
  // Enter takes the language shown; Esc leaves without choosing.
  Command2.SetDefault(true);
  SetClosesOnEscape(true);

  Combo1.OnClick = [this] { Combo1_Click(); };
  Command1.OnClick = [this] { Command1_Click(); };
  Command2.OnClick = [this] { Command2_Click(); };
  Command3.OnClick = [this] { Command3_Click(); };
  tmrDownload.SetInterval(100);
  tmrDownload.SetEnabled(false);
  tmrDownload.OnTimer = [this] { tmrDownload_Timer(); };
}

void frmLanguage::ShowCatalogueTexts() { SetCaption(context_.Languages().getMessages("MSG_TITLELANGUAGE")); }

void frmLanguage::Form_Load() {
  context_.ShowInLanguage(*this, *this);
  // Every opening starts from the prompt, as a window loaded afresh does.
  Combo1.SetText(kChooseLanguageHere);
  FillLanguageList();
  // No plain labels to mirror.
  context_.ApplyLook(*this);
}

void frmLanguage::FillLanguageList() {
  Combo1.Clear();
  clsLanguages& languages = context_.Languages();
  if (!languages.LangFileExists(languages.LanguageFilePath())) return;
  for (std::string& name : languages.LanguageNames()) Combo1.AddItem(std::move(name));
  Combo1.SetText(ReadSetting(context_.Settings(), "Language", SettingStore::User));
}

void frmLanguage::Combo1_Click() {
  const std::string choice = Combo1.Text();
  if (choice == kChooseLanguageHere) return;
  WriteSetting(context_.Settings(), "Language", SettingStore::User, choice);
  // The main window first, then this dialog and every other open window.
  ApplyLanguageToOpenWindows(context_.Languages(), Runtime(), choice);
}

// OK takes the language the box shows, also when it was shown preselected and never picked
// (the first start's "English"): only a stored choice ends the first start.
void frmLanguage::Command2_Click() {
  const std::string shown = Combo1.Text();
  bool listed = false;
  for (int index = 0; index < Combo1.ListCount(); ++index) listed = listed || Combo1.List(index) == shown;
  const std::string saved = GetUserSetting(context_.Services().registry, context_.Identity(),
                                           context_.Identity().strProgramName, "Settings", "Language", "");
  if (listed && (saved != shown || context_.Languages().strCurrentLanguage() != shown)) Combo1_Click();
  Unload();
}

// The update downloads on a thread of its own; the button cancels it meanwhile.
void frmLanguage::Command1_Click() {
  if (download_) {
    EndUpdate();
    return;
  }
  AppServices& services = context_.Services();
  const std::string address = LanguageUpdateAddress(services.languageServer, context_.Identity().ProductNumber);
  download_ = std::make_unique<LanguageDownload>(services.internet, address);
  updateCaption_ = Command1.Caption();
  Command1.SetCaption(context_.Languages().getMessages("MSG_CANCELUPDATE"));
  tmrDownload.SetEnabled(true);
}

void frmLanguage::EndUpdate() {
  tmrDownload.SetEnabled(false);
  download_.reset();
  Command1.SetCaption(updateCaption_);
}

void frmLanguage::tmrDownload_Timer() {
  if (!download_ || !download_->Finished()) return;
  const std::string body = download_->TakeBody();
  EndUpdate();
  const clsLanguages& languages = context_.Languages();
  // A failed transfer, an error page, a cut body or a failed write: one message, the local
  // file as it was.
  const bool stored = StoreLanguageUpdate(context_.Services().files, languages.LanguageFilePath(), body);
  if (stored) FillLanguageList();
  Runtime().Messages().Show(
      languages.getMessages(stored ? "MSG_DOWNLOADED" : "MSG_UPDATEFAILED"), platform::MessageButtons::Ok,
      stored ? platform::MessageIcon::None : platform::MessageIcon::Exclamation, context_.Identity().strProgramName);
}

void frmLanguage::Form_Unload(bool& /*cancel*/) {
  // Closing the dialog cancels an update that still runs.
  if (download_) EndUpdate();
}

void frmLanguage::Command3_Click() {
  clsLanguages& languages = context_.Languages();
  const std::string path = languages.LanguageFilePath();
  if (!languages.LangFileExists(path)) return;
  context_.Services().process.OpenDocument(path, 0, 1);
}

}  // namespace curfew
