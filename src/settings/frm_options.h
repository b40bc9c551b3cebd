#pragma once

#include <string>
#include <vector>

#include "appearance/mirror_labels.h"
#include "localization/translated_window.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"

namespace curfew {

class AppContext;

// General Preferences: how the program starts and what closing its window does. Every click is
// stored at once in the machine-wide settings; the window has no OK or Cancel, only its close
// box.
class frmOptions final : public ui::Form, public TranslatedWindow {
 public:
  explicit frmOptions(AppContext& context);

  ui::Frame Frame2{*this, "Frame2"};
  ui::CheckBox chkRunAtStart{*this, "chkRunAtStart", std::nullopt, &Frame2};
  ui::CheckBox chkMin{*this, "chkMin", std::nullopt, &Frame2};
  ui::CheckBox chkSplash{*this, "chkSplash", std::nullopt, &Frame2};
  ui::SkinLabel SkinLabel5{*this, "SkinLabel5", 0, &Frame2};
  ui::Frame Frame1{*this, "Frame1"};
  ui::CheckBox chkNoShow{*this, "chkNoShow", std::nullopt, &Frame1};
  ui::CheckBox chkAlwaysExit{*this, "chkAlwaysExit", std::nullopt, &Frame1};
  ui::Label lblWarn{*this, "lblWarn", std::nullopt, &Frame1};
  ui::ComboBox cboWarn{*this, "cboWarn", ui::ComboBox::Style::DropDownList, std::nullopt, &Frame1};
  ui::CheckBox chkWake{*this, "chkWake", std::nullopt, &Frame1};
  ui::Label lblWakeTimersOff{*this, "lblWakeTimersOff", std::nullopt, &Frame1};
  ui::SkinLabel SkinLabel6{*this, "SkinLabel6", 0, &Frame1};

  // The title and other catalogue texts, shown again when the language changes.
  void ShowCatalogueTexts() override;

 protected:
  void Form_Load() override;

 private:
  // Puts the stored value on the box; a value that is neither "0" nor "1", or that cannot be
  // read, leaves the box unchecked, writes nothing and adds the box's caption to unreadable.
  void Fill(ui::CheckBox& box, const char* key, std::vector<std::string>& unreadable);
  void StoreOnClick(ui::CheckBox& box, const char* key);
  // The warning's choices in the current language, the stored one selected.
  void FillWarnChoices();

  AppContext& context_;
  bool fillingWarn_ = false;  // a choice shown, not made: nothing is stored
  bool fillingWake_ = false;
  SkinLabelArray skinLabels5_{SkinLabel5};
  SkinLabelArray skinLabels6_{SkinLabel6};
};

}  // namespace curfew
