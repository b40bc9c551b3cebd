#pragma once

#include <memory>
#include <string>

#include "localization/language_download.h"
#include "localization/translated_window.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"

namespace curfew {

class AppContext;

// Language Selection: the languages of the language file, the choice applied at once, an
// update of the file from the language server and the file opened for translators.
class frmLanguage final : public ui::Form, public TranslatedWindow {
 public:
  static constexpr const char* kChooseLanguageHere = "Choose Language Here";

  explicit frmLanguage(AppContext& context);

  ui::SkinLabel Label1{*this, "Label1"};
  ui::ComboBox Combo1{*this, "Combo1"};
  ui::CommandButton Command1{*this, "Command1"};
  ui::CommandButton Command2{*this, "Command2"};
  ui::CommandButton Command3{*this, "Command3"};
  ui::Line Line1{*this, "Line1"};
  // Looks at a language update's download while it runs.
  ui::Timer tmrDownload{*this, "tmrDownload"};

  // Refills the list from the language file and shows the saved language.
  void FillLanguageList();
  bool UpdateRunning() const { return download_ != nullptr; }

  // The title and other catalogue texts, shown again when the language changes.
  void ShowCatalogueTexts() override;

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  void Combo1_Click();
  void Command2_Click();
  void Command1_Click();
  void Command3_Click();
  void tmrDownload_Timer();
  void EndUpdate();

  AppContext& context_;
  std::unique_ptr<LanguageDownload> download_;
  // The button's caption while no update runs.
  std::string updateCaption_;
};

}  // namespace curfew
