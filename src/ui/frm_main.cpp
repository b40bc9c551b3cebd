#include "ui/frm_main.h"

#include <algorithm>
#include <cmath>

#include "appearance/button_pictures.h"
#include "power/mod_power.h"
#include "scheduling/mod_globals.h"
#include "scheduling/quick_schedule.h"
#include "scheduling/schedule_list.h"
#include "scheduling/schedule_paths.h"
#include "scheduling/value_reading.h"
#include "scheduling/xfile_exists.h"
#include "settings/setting_table.h"
#include "ui/action_choices.h"
#include "ui/frm_still_running.h"

namespace curfew {
namespace {

// The Power Options panel of the Control Panel (the older "ups.cpl" is gone from Windows).
constexpr std::string_view kPowerOptionsCommand = "control.exe powercfg.cpl";

// The actions of the Action menu, by entry.
constexpr std::string_view kActionMenuActions[] = {"Hibernate", "Shut Down", "Reboot", "Log Off", "Stand by"};

}  // namespace

frmMain::frmMain(AppContext& context)
    : ui::Form(context.Services().runtime, "frmMain"),
      context_(context),
      services_(context.Services()),
      identity_(context.Identity()),
      scheduleView_(lstSchedules, lstSchedule, context.Schedules(), context.Services().locale),
      trayTip_(context) {
  // A list read anew shows no selection: Edit and Delete have nothing to act on.
  scheduleView_.onEntriesShown = [this] { DisableSelectionCommands(); };
  context.Engine().AddView(scheduleView_);
  context.Engine().AddListener(*this);
  context.Engine().AddListener(trayTip_);
  context.SetMainWindow(*this);
  Design();
  WireHandlers();
}

frmMain::~frmMain() {
  context_.Engine().RemoveListener(trayTip_);
  context_.Engine().RemoveListener(*this);
  context_.Engine().RemoveView(scheduleView_);
}

void frmMain::Design() {
  SetClientSize(12165, 7230);
  // Narrower than the tool row and the option texts, or lower than a few rows of the list,
  // would cut controls off.
  SetMinimumClientSize(11100, 3200);
  SetCentred(true);
  SetWindowState(ui::WindowState::Maximized);
  ui::Font bold;
  bold.bold = true;
  const auto button = [&bold](ui::CommandButton& control, const char* caption, ui::TwipsRect position, int picture) {
    control.SetCaption(caption);
    control.Move(position);
    control.SetFont(bold);
    control.SetPicture(picture);
  };
  // The tool row's places: ArrangeToolRow.
  button(cmdNewSchedule, "New Schedule", {60, 60, 1755, 915}, CURFEW_PICTURE_NEW);
  button(cmdEdit, "Edit", {1860, 60, 1275, 915}, CURFEW_PICTURE_EDIT);
  button(cmdDelete, "Delete", {3180, 60, 1215, 915}, CURFEW_PICTURE_DELETE);
  cmdEdit.SetEnabled(false);
  cmdDelete.SetEnabled(false);
  Label1.SetCaption("Temporary Scheduler:");
  Label1.Move({4440, 60, 2295, 195});
  cbShutdown.Move({4440, 300, 2295, 315});
  cmbTime.Move({4440, 660, 2295, 315});
  for (std::string_view delay : kQuickDelays) cmbTime.AddItem(std::string(delay));
  cmbTime.SetListIndex(0);
  button(cmdGo, "Go", {6780, 60, 1215, 915}, CURFEW_PICTURE_GO);
  button(cmdPower, "Power Options", {8040, 60, 1635, 915}, CURFEW_PICTURE_POWER);
  button(cmdWebsite, "", {9720, 60, 2415, 915}, CURFEW_PICTURE_GLOBE);
  chkPrevent.SetCaption("Prevent any schedules from running");
  chkPrevent.Move({120, 1080, 10875, 195});
  chkLowPower.SetCaption("Prevent this computer from entering Stand By mode or Hibernating due to inactivity");
  chkLowPower.Move({120, 1380, 10875, 195});
  lstSchedules.Move({60, 1680, 10995, 5475});
  for (const char* column : {"Schedule Name", "Type", "Last Run Time", "Next Run Time", "Enabled"})
    lstSchedules.AddColumnHeader(column, 2500);
  pctTray.Move({11280, 2760, 495, 495});
  pctTray.SetVisible(false);
  lstSchedule.Move({7680, 1980, 1755, 4545});
  lstSchedule.SetVisible(false);

  mnuFile.SetCaption("File");
  const std::pair<ui::Menu*, const char*> fileItems[] = {{&mnuFileItem0, "New Schedule"},
                                                         {&mnuFileItem1, "Edit Selected"},
                                                         {&mnuFileItem2, "Delete Selected"},
                                                         {&mnuFileItem3, "-"},
                                                         {&mnuFileItem4, "General Preferences"},
                                                         {&mnuFileItem5, "-"},
                                                         {&mnuFileItem6, "Exit"}};
  for (const auto& [item, caption] : fileItems) item->SetCaption(caption);
  mnuFileItem1.SetEnabled(false);
  mnuFileItem2.SetEnabled(false);
  mnuAction.SetCaption("Action");
  const std::pair<ui::Menu*, const char*> actionItems[] = {{&mnuActionItem0, "Hibernate"},
                                                           {&mnuActionItem1, "Shut Down"},
                                                           {&mnuActionItem2, "Reboot"},
                                                           {&mnuActionItem3, "Log Off"},
                                                           {&mnuActionItem4, "Stand By"}};
  for (const auto& [item, caption] : actionItems) item->SetCaption(caption);
  mnuView.SetCaption("View");
  mnuPowerOptions.SetCaption("Power Options");
  mnuHistory.SetCaption("History");
  mnuLanguage.SetCaption("Languages");
  mnuLanguageItem.SetCaption("Change Language");
  mnuHelp.SetCaption("Help");
  mnuHelpItem.SetCaption("View Help");
  mnuAbout.SetCaption("About");
  mnuAboutItem.SetCaption("About this software");
  mnuTray.SetCaption("Tray");
  mnuTray.SetVisible(false);
  mnuTrayItem0.SetCaption("Open");
  mnuTrayHistory.SetCaption("History");
  mnuTrayItem1.SetCaption("Hide Menu");
  mnuTrayItem2.SetCaption("-");
  mnuTrayItem3.SetCaption("Exit");
  mnuRow.SetCaption("Schedule");
  mnuRow.SetVisible(false);
  mnuRowItem0.SetCaption("Run now");
  mnuRowItem1.SetCaption("Skip next run");
  mnuRowItem2.SetCaption("Disable");
  mnuRowItem3.SetCaption("Edit");
  mnuRowItem4.SetCaption("Delete");
}

void frmMain::WireHandlers() {
  cmdNewSchedule.OnClick = [this] { ShowScheduleEditor(false); };
  mnuFileItem0.OnClick = [this] { ShowScheduleEditor(false); };
  cmdEdit.OnClick = [this] { ShowScheduleEditor(true); };
  mnuFileItem1.OnClick = [this] { ShowScheduleEditor(true); };
  cmdDelete.OnClick = [this] { cmdDelete_Click(); };
  mnuFileItem2.OnClick = [this] { cmdDelete_Click(); };
  mnuFileItem4.OnClick = [this] { ShowPreferences(); };
  mnuFileItem6.OnClick = [this] {
    ExitRequested = true;
    Unload();
  };
  ui::Menu* actionEntries[] = {&mnuActionItem0, &mnuActionItem1, &mnuActionItem2, &mnuActionItem3, &mnuActionItem4};
  for (std::size_t i = 0; i < std::size(actionEntries); ++i)
    actionEntries[i]->OnClick = [this, i] { ActionNow(kActionMenuActions[i]); };
  const auto powerOptions = [this] {
    if (!services_.process.StartCommandLine(kPowerOptionsCommand))
      services_.runtime.Messages().Show(context_.Languages().getMessages("MSG_NOPOWEROPTIONS"),
                                        platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                                        identity_.strProgramName);
  };
  cmdPower.OnClick = powerOptions;
  mnuPowerOptions.OnClick = powerOptions;
  cmdWebsite.OnClick = [this] { ShowWebsite(); };
  mnuLanguageItem.OnClick = [this] { ShowLanguageDialog(false); };
  mnuHelpItem.OnClick = [this] { ShowHelp(); };
  mnuAboutItem.OnClick = [this] { ShowAbout(); };

  cmdGo.OnClick = [this] { cmdGo_Click(); };
  cbShutdown.OnKeyPress = [this](int& keyAscii) {
    if (keyAscii == 13) {
      keyAscii = 0;
      cmdGo_Click();
    }
  };
  // The two options are the engine's switches.
  chkPrevent.OnClick = [this] { Engine().SetPrevented(chkPrevent.Value() == 1); };
  chkLowPower.OnClick = [this] { Engine().SetKeptAwake(chkLowPower.Value() == 1); };
  mnuHistory.OnClick = [this] { ShowHistory(); };
  mnuTrayHistory.OnClick = [this] { ShowHistory(); };
  lstSchedules.OnItemClick = [this](int row) { lstSchedules_ItemClick(row); };
  lstSchedules.OnSelectionCleared = [this] { DisableSelectionCommands(); };
  lstSchedules.OnColumnClick = [this](int column) { SortSchedulesBy(column); };
  lstSchedules.OnContextMenu = [this](int row) { ShowRowMenu(row); };
  mnuRowItem0.OnClick = [this] { RunSelectedNow(); };
  mnuRowItem1.OnClick = [this] { SkipSelectedRun(); };
  mnuRowItem2.OnClick = [this] { SwitchSelected(); };
  mnuRowItem3.OnClick = [this] { ShowScheduleEditor(true); };
  mnuRowItem4.OnClick = [this] { cmdDelete_Click(); };

  tmrTrayIcon.OnTimer = [this] { TrayIconRoutine(); };
  services_.tray.onNotify = [this](int mouseMessage) { pctTray_MouseDown(mouseMessage * 15); };
  // A new task bar shows the icon again at once, not at the routine's next look.
  services_.tray.onShellRestarted = [this] { TrayIconRoutine(); };
  mnuTrayItem0.OnClick = [this] { OpenFromTray(); };
  mnuTrayItem3.OnClick = [this] {
    ExitRequested = true;
    Unload();
  };
}

// Load ---------------------------------------------------------------------------------------

void frmMain::ShowCatalogueTexts() {
  SetCaption(context_.Languages().getMessages("MSG_TITLE"));
  // The captions may now be longer or shorter.
  ArrangeToolRow();
  ArrangeControls();
  // The tray icon's tip speaks the language too.
  trayTip_.Refresh();
}

// The tool row from the left: each button as wide as its design, or as its caption needs in
// the language shown; the quick schedule's boxes as wide as their label. The web site's button
// takes the rest of the row, and the window's minimum width keeps the whole row.
void frmMain::ArrangeToolRow() {
  constexpr int kTop = 60;
  constexpr int kHeight = 915;
  constexpr int kGap = 45;
  constexpr int kCaptionMargin = 300;  // the button's edges and rounded corners
  int left = 60;
  const auto place = [&](ui::CommandButton& button, int designWidth) {
    const int width = std::max(designWidth, button.CaptionWidthTwips() + kCaptionMargin);
    button.Move({left, kTop, width, kHeight});
    left += width + kGap;
  };
  place(cmdNewSchedule, 1755);
  place(cmdEdit, 1275);
  place(cmdDelete, 1215);
  const int quick = std::max(2295, Label1.CaptionWidthTwips() + 60);
  Label1.Move({left, kTop, quick, 195});
  cbShutdown.Move({left, 300, quick, 315});
  cmbTime.Move({left, 660, quick, 315});
  left += quick + kGap;
  place(cmdGo, 1215);
  place(cmdPower, 1635);
  websiteMinimum_ = cmdWebsite.CaptionWidthTwips() + kCaptionMargin;
  cmdWebsite.Move({left, kTop, std::max(2415, websiteMinimum_), kHeight});
  // The window's restored size grows where it is now narrower than the row.
  const int minimumWidth = std::max(11100, left + websiteMinimum_ + 60);
  SetMinimumClientSize(minimumWidth, 3200);
  if (const auto& client = RequestedClientSize(); client && client->width < minimumWidth)
    SetClientSize(minimumWidth, client->height);
}

void frmMain::Form_Load() {
  // One copy of the program at a time: a second one ends at once, without a word.
  if (services_.process.AnotherInstanceRunning()) {
    ending_ = true;
    services_.runtime.EndProcess(0);
    return;
  }
  const SettingsServices settings = context_.Settings();
  // No language chosen yet marks the first start.
  const std::string firstRunMarker =
      GetUserSetting(services_.registry, identity_, identity_.strProgramName, "Settings", "Language", "");
  cmdWebsite.SetCaption("Visit " + identity_.strWebsite);
  // The catalogue in the language stored, with the built-in English messages beneath it.
  clsLanguages& languages = context_.MakeLanguages();
  const std::string language = ReadSetting(settings, "Language", SettingStore::User);
  languages.RegisterDefaultMessages();
  languages.ChangeLanguage(*this, language);
  // The first start asks for a language before anything is shown.
  if (firstRunMarker.empty()) ShowLanguageDialog(true);
  ShowCatalogueTexts();
  // The schedule files are read on a thread: a start with many of them shows the window at
  // once, and the rows follow as soon as they are read.
  Engine().StartLoad();
  // The stored column widths reach the list in one update.
  std::optional<ui::ListView::Batch> listUpdate(std::in_place, lstSchedules);
  // Hibernate is offered only where the computer can hibernate.
  const bool hibernation = HibernationAvailable(services_.power);
  FillActionChoices(cbShutdown, hibernation);
  mnuActionItem0.SetEnabled(hibernation);
  // Power broadcasts reach this window; the tray icon keeps schedules running while it is hidden.
  PowerObject().Initialize(Handle());
  TrayIconRoutine();
  // The engine looks for due runs from now on, hidden window or not.
  Engine().Start();
  // The data folder is made on the first start, so that the editor can save into it.
  const std::string dataFolder = DataFolderPath();
  if (!services_.files.FolderExists(dataFolder)) services_.files.CreateFolder(dataFolder);
  // The column widths the user left at the last exit.
  for (int column = 1; column <= lstSchedules.ColumnHeaderCount(); ++column) {
    const std::string width = ReadSetting(settings, "BackupSetColumn" + std::to_string(column), SettingStore::User);
    lstSchedules.SetColumnWidth(column, ReadInteger16(width).value_or(2500));
  }
  listUpdate.reset();
  // The order the user left the rows in at the last exit.
  scheduleView_.SortBy(StoredSort());
  // The main window has no plain labels to mirror.
  context_.ApplyLook(*this);
  // The help opens once, on the first English start.
  if (ReadSetting(settings, "showHelp", SettingStore::User) == "1") {
    if (ReadSetting(settings, "Language", SettingStore::User) == "English") ShowHelp();
    WriteSetting(settings, "showHelp", SettingStore::User, "0");
  }
  // Started minimised: the tray icon alone, and no dialog that nobody would see.
  if (context_.MachineSetting("chkMin") == "1") {
    SetWindowState(ui::WindowState::Minimized);
    Hide();
    startsHidden_ = true;
    minimisedForStart_ = true;
    context_.SuppressPermissionDialog = true;
  }
}

// The schedule list ----------------------------------------------------------------------------

void frmMain::loadData() { context_.ReloadSchedules(); }

void frmMain::EnableSelectionCommands() {
  cmdDelete.SetEnabled(true);
  cmdEdit.SetEnabled(true);
  mnuFileItem1.SetEnabled(true);
  mnuFileItem2.SetEnabled(true);
}

void frmMain::DisableSelectionCommands() {
  cmdDelete.SetEnabled(false);
  cmdEdit.SetEnabled(false);
  mnuFileItem1.SetEnabled(false);
  mnuFileItem2.SetEnabled(false);
}

void frmMain::lstSchedules_ItemClick(int row) {
  const ScheduleEntry& entry = Schedules().At(scheduleView_.IndexOfRow(row));
  ScheduleRecord& SelectedSchedule = context_.SelectedSchedule;
  SelectedSchedule.name = entry.name;
  SelectedSchedule.ItemType = entry.action;
  SelectedSchedule.LastRunTime = entry.lastRunText;
  SelectedSchedule.Enabled = entry.enabled;
  const std::string path = ScheduleFilePath(DataFolderPath(), SelectedSchedule.name);
  if (FileExists(services_.files, path)) {
    const std::string text = ReadScheduleFile(services_.files, path).value_or("");
    const std::string section = GetSection(text, "SCHEDULER");
    SelectedSchedule.StartDate = GetKeyValue(section, "StartDate");
    SelectedSchedule.StartTime = GetKeyValue(section, "StartTime");
    SelectedSchedule.Period = GetKeyValue(section, "Period");
    SelectedSchedule.Repeat = ReadFlag(GetKeyValue(section, "Repeat"));
    SelectedSchedule.RunOnStart = ReadFlag(GetKeyValue(section, "RunOnStart"));
    SelectedSchedule.RunOnEnd = ReadFlag(GetKeyValue(section, "RunOnEnd"));
    SelectedSchedule.SAccurancy = ReadInteger16(GetKeyValue(section, "SAccurancy")).value_or(0);
    EnableSelectionCommands();
  } else {
    EnableSelectionCommands();
    cmdEdit.SetEnabled(false);
    mnuFileItem1.SetEnabled(false);
  }
}

void frmMain::cmdDelete_Click() {
  // The row the list shows as selected: none shown (a click on the list's empty part took the
  // highlight away), nothing to delete.
  const int row = lstSchedules.SelectedItem();
  if (row == 0) return;
  std::size_t index = scheduleView_.IndexOfRow(row);
  const std::string name = Schedules().At(index).name;
  const auto answer =
      services_.runtime.Messages().Show(context_.Languages().getMessages("MSG_DELETE"), platform::MessageButtons::YesNo,
                                        platform::MessageIcon::None, "Really delete?", platform::DefaultButton::Second);
  if (answer != platform::MessageAnswer::Yes) return;
  // The list may have changed while the question was open: the schedule is then found by its name.
  if (index >= Schedules().Count() || Schedules().At(index).name != name) {
    const auto found = Schedules().Find(name);
    if (!found) return;
    index = *found;
  }
  // A file that stays (read-only, another program's lock) keeps its row, and the user learns why.
  if (const platform::FileFault fault = Engine().Delete(index); fault != platform::FileFault::None) {
    ShowFileFault(fault);
    return;
  }
  DisableSelectionCommands();
}

void frmMain::ArrangeControls() {
  if (GetWindowState() == ui::WindowState::Minimized) return;
  const int width = Width();
  const int height = Height();
  ui::TwipsRect website = cmdWebsite.Position();
  website.width = std::max(websiteMinimum_, std::abs(width - website.left - 200));
  cmdWebsite.Move(website);
  ui::TwipsRect list = lstSchedules.Position();
  list.width = std::abs(width - list.left - 200);
  list.height = std::abs(height - list.top - 1000);
  lstSchedules.Move(list);
}

// Quick schedule and immediate actions -----------------------------------------------------

void frmMain::cmdGo_Click() {
  const LocalDateTime now = services_.clock.Now();
  if (cmbTime.Text() != "Now") {
    Engine().ArmQuick(cbShutdown.Text(), QuickScheduleMoment(cmbTime.Text(), now));
    return;
  }
  ActionNow(cbShutdown.Text());
}

// "Now": the user confirms, and stays in charge of unsaved work (the action is not forced).
// Cancel is the default button: Enter in the action box is Go, so a second Enter must not act.
bool frmMain::ConfirmActionNow() {
  return services_.runtime.Messages().Show(context_.Languages().getMessages("MSG_SURE"),
                                           platform::MessageButtons::OkCancel, platform::MessageIcon::None,
                                           "Confirm Choice",
                                           platform::DefaultButton::Second) == platform::MessageAnswer::Ok;
}

void frmMain::ActionNow(std::string_view actionName) {
  if (ConfirmActionNow()) Engine().ActNow(actionName);
}

void frmMain::SwitchesChanged() {
  // Setting the box raises its click, which finds the engine switched already.
  if (chkPrevent.Value() != (Engine().Prevented() ? 1 : 0)) chkPrevent.SetValue(Engine().Prevented() ? 1 : 0);
  if (chkLowPower.Value() != (Engine().KeptAwake() ? 1 : 0)) chkLowPower.SetValue(Engine().KeptAwake() ? 1 : 0);
}

// Closing and ending -------------------------------------------------------------------------

void frmMain::Form_QueryUnload(bool& cancel, ui::UnloadMode mode) {
  if (mode == ui::UnloadMode::AppWindows || mode == ui::UnloadMode::TaskManager) ExitRequested = true;
  if (ExitRequested) return;
  Hide();
  if (context_.MachineSetting("chkAlwaysExit") != "0") return;
  cancel = true;
  if (context_.MachineSetting("chkNoShow") != "0") return;
  try {
    context_.Windows().Open<frmStillRunning>(OpenWindows::Place::Reminder, context_).Show();
  } catch (const std::exception&) {
    // Without its reminder the window still hides, and the program runs on in the tray.
  }
}

void frmMain::SaveColumnWidths() {
  const SettingsServices settings = context_.Settings();
  for (int column = 1; column <= lstSchedules.ColumnHeaderCount(); ++column) {
    try {
      WriteSetting(settings, "BackupSetColumn" + std::to_string(column), SettingStore::User,
                   std::to_string(lstSchedules.ColumnWidth(column)));
    } catch (const std::exception&) {
    }
  }
}

void frmMain::Form_SystemChange(ui::SystemChange change) {
  switch (change) {
    case ui::SystemChange::DpiChanged:
      // The tray icon in the size the new DPI asks for.
      services_.tray.ShowKeptAwake(Engine().KeptAwake());
      return;
    case ui::SystemChange::ColourSchemeChanged:
      // Every window follows light or dark mode, or high contrast, at once.
      context_.Skins().FollowSchemeChange(services_.runtime.LoadedForms());
      return;
    case ui::SystemChange::Resumed: Engine().SystemResumed(); return;
    case ui::SystemChange::ClockChanged: Engine().ClockChanged(); return;
    case ui::SystemChange::SessionEndCancelled: Engine().SessionEndCancelled(); return;
  }
}

// Every step on its own: whatever fails, the steps after it run and the program ends.
void frmMain::Form_Unload(bool&) {
  const auto step = [](const auto& action) {
    try {
      action();
    } catch (const std::exception&) {
    }
  };
  // The other windows in a fixed order: help launcher, about, language, preferences, splash,
  // reminder, browser, editor.
  step([this] { context_.Windows().UnloadAll(); });
  step([this] { Engine().Stop(); });
  step([this] { Engine().ReleasePower(); });
  step([this] { context_.Wake().Cancel(); });
  SaveColumnWidths();
  step([this] { services_.tray.Remove(); });
  services_.runtime.EndProcess(0);
}

}  // namespace curfew
