#pragma once

#include "localization/translated_window.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"
#include "scheduling/schedule_record.h"

namespace curfew {

class AppContext;

// The schedule editor: a new schedule, or the one last clicked in the main window's list, with
// its name, its action, its start and how it repeats. "Ok" writes the schedule's file.
class frmWizard final : public ui::Form, public TranslatedWindow {
 public:
  explicit frmWizard(AppContext& context);

  ui::SkinLabel Label1{*this, "Label1"};
  ui::TextBox txtName{*this, "txtName"};
  ui::SkinLabel Label2{*this, "Label2"};
  ui::ComboBox cbShutdown{*this, "cbShutdown"};
  ui::Frame Frame6{*this, "Frame6"};
  ui::CheckBox chkScheduler{*this, "chkScheduler", std::nullopt, &Frame6};
  ui::SkinLabel SkinLabel12{*this, "SkinLabel12", std::nullopt, &Frame6};
  ui::DatePicker dtDate{*this, "dtDate", &Frame6};
  ui::TimePicker dtTime{*this, "dtTime", &Frame6};
  ui::Frame frRepeat{*this, "frRepeat", std::nullopt, &Frame6};
  ui::CheckBox chkRepeat{*this, "chkRepeat", std::nullopt, &frRepeat};
  ui::OptionButton optRepeat0{*this, "optRepeat", 0, &frRepeat};
  ui::OptionButton optRepeat1{*this, "optRepeat", 1, &frRepeat};
  ui::OptionButton optRepeat2{*this, "optRepeat", 2, &frRepeat};
  ui::TreeView tvScheduleWeek{*this, "tvScheduleWeek", std::nullopt, &frRepeat};
  ui::TreeView tvScheduleMonth{*this, "tvScheduleMonth", std::nullopt, &frRepeat};
  // The next runs as the controls stand, or why there is none.
  ui::Label lblRuns{*this, "lblRuns", std::nullopt, &Frame6};
  ui::CommandButton cmdCancel{*this, "cmdCancel"};
  ui::CommandButton cmdOK{*this, "cmdOK"};

  // The record the controls describe now, as "Ok" would write it.
  ScheduleRecord ComposeRecord() const;

  // The title and other catalogue texts, shown again when the language changes.
  void ShowCatalogueTexts() override;

 protected:
  void Form_Load() override;

 private:
  void Design();
  void ShowSelectedSchedule();
  // The stored start in the pickers; false when either cannot be read.
  bool ShowStoredStart(const ScheduleRecord& selected);
  void ShowStoredRepeat(const ScheduleRecord& selected);
  void ShowComingRuns();
  void chkScheduler_Click();
  void chkRepeat_Click();
  void optRepeat_Click(int index);
  void cmdOK_Click();
  int SelectedRepeatMode() const;

  AppContext& context_;
  // Editing a schedule switched off with its start kept: "Ok" keeps the start and the
  // repetition the controls show, still switched off, unless the scheduler is enabled.
  bool keepsStart_ = false;
};

}  // namespace curfew
