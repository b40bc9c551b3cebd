#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "localization/cls_languages.h"
#include "localization/translated_window.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"
#include "power/cpower.h"
#include "settings/settings_store.h"
#include "ui/app_context.h"
#include "ui/schedule_list_view.h"
#include "ui/tray_tip.h"

namespace curfew {

class Form8;
class frmAbout;
class frmHistory;
class frmLanguage;
class frmOptions;
class frmStillRunning;
class frmWarning;
class frmWebsite;
class frmWizard;

// The working window: the tool row, the quick schedule, the two options, the schedule list,
// the menus, the tray icon and the close rules. It shows the scheduling engine (its schedules,
// its switches, its warning) and hands it what the user asks for.
class frmMain final : public ui::Form, public TranslatedWindow, private SchedulerListener {
 public:
  explicit frmMain(AppContext& context);
  ~frmMain() override;

  ui::CommandButton cmdNewSchedule{*this, "cmdNewSchedule"};
  ui::CommandButton cmdEdit{*this, "cmdEdit"};
  ui::CommandButton cmdDelete{*this, "cmdDelete"};
  ui::SkinLabel Label1{*this, "Label1"};
  ui::ComboBox cbShutdown{*this, "cbShutdown"};
  ui::ComboBox cmbTime{*this, "cmbTime"};
  ui::CommandButton cmdGo{*this, "cmdGo"};
  ui::CommandButton cmdPower{*this, "cmdPower"};
  ui::CommandButton cmdWebsite{*this, "cmdWebsite"};
  ui::CheckBox chkPrevent{*this, "chkPrevent"};
  ui::CheckBox chkLowPower{*this, "chkLowPower"};
  ui::ListView lstSchedules{*this, "lstSchedules"};
  ui::PictureBox pctTray{*this, "pctTray"};
  ui::ListBox lstSchedule{*this, "lstSchedule"};
  ui::Timer tmrTrayIcon{*this, "tmrTrayIcon", 5000, true};
  ui::Menu mnuFile{*this, "mnuFile"};
  ui::Menu mnuFileItem0{*this, "mnuFileItem", 0, &mnuFile};
  ui::Menu mnuFileItem1{*this, "mnuFileItem", 1, &mnuFile};
  ui::Menu mnuFileItem2{*this, "mnuFileItem", 2, &mnuFile};
  ui::Menu mnuFileItem3{*this, "mnuFileItem", 3, &mnuFile};
  ui::Menu mnuFileItem4{*this, "mnuFileItem", 4, &mnuFile};
  ui::Menu mnuFileItem5{*this, "mnuFileItem", 5, &mnuFile};
  ui::Menu mnuFileItem6{*this, "mnuFileItem", 6, &mnuFile};
  ui::Menu mnuAction{*this, "mnuAction"};
  ui::Menu mnuActionItem0{*this, "mnuActionItem", 0, &mnuAction};
  ui::Menu mnuActionItem1{*this, "mnuActionItem", 1, &mnuAction};
  ui::Menu mnuActionItem2{*this, "mnuActionItem", 2, &mnuAction};
  ui::Menu mnuActionItem3{*this, "mnuActionItem", 3, &mnuAction};
  ui::Menu mnuActionItem4{*this, "mnuActionItem", 4, &mnuAction};
  ui::Menu mnuView{*this, "mnuView"};
  ui::Menu mnuPowerOptions{*this, "mnuPowerOptions", std::nullopt, &mnuView};
  ui::Menu mnuHistory{*this, "mnuHistory", std::nullopt, &mnuView};
  ui::Menu mnuLanguage{*this, "mnuLanguage"};
  ui::Menu mnuLanguageItem{*this, "mnuLanguageItem", std::nullopt, &mnuLanguage};
  ui::Menu mnuHelp{*this, "mnuHelp"};
  ui::Menu mnuHelpItem{*this, "mnuHelpItem", std::nullopt, &mnuHelp};
  ui::Menu mnuAbout{*this, "mnuAbout"};
  ui::Menu mnuAboutItem{*this, "mnuAboutItem", std::nullopt, &mnuAbout};
  ui::Menu mnuTray{*this, "mnuTray"};
  ui::Menu mnuTrayItem0{*this, "mnuTrayItem", 0, &mnuTray};
  ui::Menu mnuTrayHistory{*this, "mnuTrayHistory", std::nullopt, &mnuTray};
  ui::Menu mnuTrayItem1{*this, "mnuTrayItem", 1, &mnuTray};
  ui::Menu mnuTrayItem2{*this, "mnuTrayItem", 2, &mnuTray};
  ui::Menu mnuTrayItem3{*this, "mnuTrayItem", 3, &mnuTray};
  // A row's context menu: run now, skip the next run, switch off or on, edit, delete.
  ui::Menu mnuRow{*this, "mnuRow"};
  ui::Menu mnuRowItem0{*this, "mnuRowItem", 0, &mnuRow};
  ui::Menu mnuRowItem1{*this, "mnuRowItem", 1, &mnuRow};
  ui::Menu mnuRowItem2{*this, "mnuRowItem", 2, &mnuRow};
  ui::Menu mnuRowItem3{*this, "mnuRowItem", 3, &mnuRow};
  ui::Menu mnuRowItem4{*this, "mnuRowItem", 4, &mnuRow};

  bool ExitRequested = false;

  void loadData();
  void ArrangeControls();
  void ArrangeToolRow();
  void EnableSelectionCommands();
  void DisableSelectionCommands();
  // The schedules the list shows and the engine runs.
  const ScheduleModel& Schedules() const { return context_.Schedules(); }
  Scheduler& Engine() { return context_.Engine(); }
  // What shows the schedules in lstSchedules.
  ScheduleListView& ScheduleList() { return scheduleView_; }
  // New and Edit: the editor for a new schedule or for the one last clicked. While it is open it
  // is only brought to the front, as it is.
  void ShowScheduleEditor(bool editMode);
  frmWizard* ScheduleEditor() const;
  frmStillRunning* Reminder() const;
  // General Preferences and About: one window each, brought to the front while open.
  void ShowPreferences();
  frmOptions* Preferences() const;
  void ShowAbout();
  frmAbout* About() const;
  // The language dialog, modal on the first start. The window object lives on after it is
  // closed, so that an update still running in it when it closes ends in a valid window.
  void ShowLanguageDialog(bool modal);
  frmLanguage* LanguageDialog() const;
  // Opens the help file through the help launcher, which is unloaded again at once.
  void ShowHelp();
  // The browser window on the web site; brought to the front while open.
  void ShowWebsite();
  frmWebsite* Website() const;
  // The warning before an action while one is open or was shown.
  frmWarning* Warning() const;
  // What the program did and why, one window at a time.
  void ShowHistory();
  frmHistory* HistoryWindow() const;
  // The tray routine: re-asserts the icon, or adds it.
  void TrayIconRoutine();
  // The tray icon's tip as things stand: the program's name, and the next action when one is
  // to run.
  std::string TrayTipNow() const { return trayTip_.Tip(); }
  // A notification of the tray icon, as a mouse-down at X = mouse message times 15 twips.
  void pctTray_MouseDown(int x);

  CPower& PowerObject() { return Engine().Power(); }
  AppContext& Context() { return context_; }
  // Set by a second copy's load: the process ends and the window is never shown.
  bool Ending() const { return ending_; }
  // The start-minimised preference asked for the tray icon alone.
  bool StartsHidden() const { return startsHidden_; }
  std::string DataFolderPath() const { return context_.DataFolderPath(); }

  // The title and other catalogue texts, shown again when the language changes.
  void ShowCatalogueTexts() override;

 protected:
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode) override;
  void Form_Unload(bool& cancel) override;
  void Form_Resize() override { ArrangeControls(); }
  // Back from sleep or a clock set anew: rows whose minute passed meanwhile get their next
  // run at once, not at the next tick.
  void Form_SystemChange(ui::SystemChange change) override;

 private:
  void Design();
  void WireHandlers();
  void lstSchedules_ItemClick(int row);
  void cmdDelete_Click();
  void cmdGo_Click();
  void ActionNow(std::string_view actionName);
  bool ConfirmActionNow();
  // A tray notification with a catalogue message's title, the action in it.
  void Notify(const char* messageId, std::string_view action, std::string_view text);
  // The list's order and a row's context menu.
  void SortSchedulesBy(int column);
  ScheduleSort StoredSort();
  void ShowRowMenu(int row);
  std::optional<std::size_t> SelectedIndex() const;
  void RunSelectedNow();
  void SkipSelectedRun();
  void SwitchSelected();
  // A file that could not be changed or deleted, and why.
  void ShowFileFault(platform::FileFault fault);
  // What the engine tells.
  void SwitchesChanged() override;
  void WarningDue(const WarningFacts& facts) override;
  void WarningGone() override { CloseWarning(); }
  void ActionStarting() override { SaveColumnWidths(); }
  void ActionRefused(const PowerRefusal& refusal) override;
  void ActionCancelled(PowerActionCode action) override;
  void DecisionsSetAside(const std::string& path) override;
  void CloseWarning();
  void SaveColumnWidths();
  void OpenFromTray();
  void RestoreIfMinimisedForStart();
  void ShowAndActivate();

  AppContext& context_;
  AppServices& services_;
  const ProductIdentity& identity_;
  ScheduleListView scheduleView_;
  TrayTipView trayTip_;
  int websiteMinimum_ = 0;  // the web site button's width for its caption
  bool ending_ = false;
  bool startsHidden_ = false;
  // Minimised only because it started in the tray: the first opening from the tray restores it.
  bool minimisedForStart_ = false;
};

}  // namespace curfew
