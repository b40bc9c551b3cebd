#pragma once

#include "localization/translated_window.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"
#include "scheduling/schedule_model.h"

namespace curfew {

class AppContext;

// Tells the user that closing the main window left the program running in the tray.
class frmStillRunning final : public ui::Form, public TranslatedWindow {
 public:
  explicit frmStillRunning(AppContext& context);

  ui::SkinLabel Label1{*this, "Label1"};
  ui::SkinLabel Label2{*this, "Label2"};
  // The quick schedule still to come, which runs only while the program runs; hidden when none.
  ui::Label lblQuick{*this, "lblQuick"};
  ui::CheckBox chkNoShow{*this, "chkNoShow"};
  ui::CheckBox chkAlwaysExit{*this, "chkAlwaysExit"};
  ui::CommandButton cmdOK{*this, "cmdOK"};

  // The title and other catalogue texts, shown again when the language changes.
  void ShowCatalogueTexts() override;

 protected:
  void Form_Load() override;

 private:
  void cmdOK_Click();
  const ScheduleEntry* PendingQuickSchedule() const;

  AppContext& context_;
};

}  // namespace curfew
