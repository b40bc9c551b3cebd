#include "ui/frm_main.h"
#include "ui/frm_wizard.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "localization/frm_language.h"
#include "scheduling/mod_globals.h"
#include "scheduling/quick_schedule.h"
#include "scheduling/schedule_paths.h"
#include "ui/frm_still_running.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::MessageAnswer;
using platform::RegistryRoot;
using test::Calls;
using test::kMachineSettings;
using test::kUserSettings;
using test::MainWindowTest;

TEST_F(MainWindowTest, StartsWithItsSchedulesTheActionsAndTheTrayIcon) {
  WriteSchedule("Weekdays", "Shut Down", "12/1/2026", "23:30:00", true, 1, "mon,fri");
  Start();
  EXPECT_TRUE(Main().Visible());
  EXPECT_FALSE(app->splash.Visible());
  EXPECT_TRUE(app->splash.Loaded()) << "the splash stays loaded, hidden";
  EXPECT_EQ(Main().Caption(), "Curfew by Curfew Team");
  EXPECT_EQ(Main().cmdWebsite.Caption(), "Visit curfew.example.org");
  ASSERT_EQ(Main().lstSchedules.ListItemCount(), 1);
  EXPECT_EQ(NextRunOf(1), "12/11/2026 23:30:00");
  EXPECT_EQ(Main().cbShutdown.ListCount(), 4);
  EXPECT_EQ(Main().cbShutdown.Text(), "Shut Down");
  EXPECT_FALSE(Main().mnuActionItem0.Enabled()) << "no hibernation";
  EXPECT_TRUE(tray.Shown());
  EXPECT_EQ(tray.Tip(), "Curfew \u2013 Shut Down at 12/11/2026 11:30 PM") << "as soon as the list is read";
  EXPECT_EQ(Main().tmrTrayIcon.Interval(), 15000);
  EXPECT_EQ(Main().lstSchedules.ColumnWidth(3), 2500);
  EXPECT_TRUE(Main().cmdNewSchedule.Enabled());
  EXPECT_FALSE(Main().cmdEdit.Enabled()) << "until a row is clicked";
}

TEST_F(MainWindowTest, OffersHibernationFirstWhereItIsAvailable) {
  power.SetHibernationFile(true);
  Start();
  EXPECT_EQ(Main().cbShutdown.ListCount(), 5);
  EXPECT_EQ(Main().cbShutdown.Text(), "Hibernate");
  EXPECT_TRUE(Main().mnuActionItem0.Enabled());
}

TEST_F(MainWindowTest, ASecondCopyEndsAtOnce) {
  process.anotherInstance = true;
  Start();
  EXPECT_EQ(runtime.endedWith, 0);
  EXPECT_FALSE(Main().Visible());
  EXPECT_FALSE(tray.Shown());
}

TEST_F(MainWindowTest, CreatesTheDataFolderWhenMissing) {
  std::filesystem::remove_all(folder.host() / "data");
  Start();
  EXPECT_TRUE(folder.Exists("data"));
}

// The scheduler engine ---------------------------------------------------------------------

TEST_F(MainWindowTest, AWeeklyScheduleFiresAtItsMinuteAsAForcedAction) {
  WriteSchedule("Tuesday", "Shut Down", "12/1/2026", "10:01:00", true, 1, "tue");
  Start();
  EXPECT_EQ(NextRunOf(1), "12/8/2026 10:01:00");
  AdvanceTo(10, 0, 59);
  EXPECT_TRUE(PowerActions().empty());
  AdvanceTo(10, 1, 5);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(5)"});
  EXPECT_EQ(NextRunOf(1), "12/15/2026 10:01:00") << "the next run is computed again once the action returned";
  AdvanceTo(10, 3, 0);
  EXPECT_EQ(PowerActions().size(), 1U);
}

TEST_F(MainWindowTest, AStoredRunWritesItsLastRunTimeBeforeTheAction) {
  WriteSchedule("Tuesday", "Shut Down", "12/1/2026", "10:01:00", true, 1, "tue");
  Start();
  std::string fileAtTheAction;
  power.onAction = [&] { fileAtTheAction = folder.Read("data/Tuesday.sch"); };
  AdvanceTo(10, 1, 5);
  ASSERT_EQ(PowerActions(), Calls{"ExitWindowsEx(5)"});
  const std::string lastRun = GetKeyValue(GetSection(fileAtTheAction, "DATA"), "LastRunTime");
  EXPECT_TRUE(lastRun.starts_with("12/8/2026 10:01:")) << lastRun;
  EXPECT_EQ(Main().lstSchedules.SubItem(1, 2), lastRun) << "the row shows what the file has";
  EXPECT_EQ(GetKeyValue(GetSection(folder.Read("data/Tuesday.sch"), "SCHEDULER"), "StartTime"), "10:01:00");
}

TEST_F(MainWindowTest, ARunWhoseFileCannotBeWrittenStillActs) {
  WriteSchedule("Tuesday", "Shut Down", "12/1/2026", "10:01:00", true, 1, "tue");
  const std::string before = folder.Read("data/Tuesday.sch");
  // The temporary file of the writer cannot be made where a folder of its name stands.
  std::filesystem::create_directory(folder.host() / "data" / std::string(kTemporaryScheduleFileName));
  Start();
  AdvanceTo(10, 1, 5);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(5)"});
  EXPECT_EQ(folder.Read("data/Tuesday.sch"), before);
  EXPECT_EQ(Main().lstSchedules.SubItem(1, 2), "");
  EXPECT_TRUE(runtime.messages.shown().empty()) << "nothing stands in the way of the action";
}

TEST_F(MainWindowTest, TheTrayTipTellsTheNextActionWhileAnyIsToRun) {
  WriteSchedule("Tuesday", "Shut Down", "12/1/2026", "10:01:00", true, 1, "tue");
  Start();
  AdvanceTo(10, 0, 1);
  EXPECT_EQ(tray.Tip(), "Curfew \u2013 Shut Down at 10:01 AM");
  Main().chkPrevent.UserClick();
  AdvanceTo(10, 0, 2);
  EXPECT_EQ(tray.Tip(), "Curfew") << "nothing runs while schedules are prevented";
  Main().chkPrevent.UserClick();
  AdvanceTo(10, 1, 5);
  EXPECT_EQ(tray.Tip(), "Curfew \u2013 Shut Down at 12/15/2026 10:01 AM") << "the run after, a week on";
}

TEST_F(MainWindowTest, ANewTaskBarShowsTheIconAtOnce) {
  Start();
  tray.RestartShell();
  EXPECT_TRUE(tray.Shown()) << "not 15 seconds later";
  EXPECT_EQ(tray.Tip(), "Curfew");
}

TEST_F(MainWindowTest, KeepingAwakeHoldsAPowerRequestWithItsReasonUntilTheEnd) {
  Start();
  Main().chkLowPower.UserClick();
  EXPECT_EQ(power.calls().back(), "PowerSetRequest(SystemRequired, Curfew keeps this computer awake)");
  EXPECT_EQ(tray.Tip(), "Curfew \u2013 Kept awake") << "the tip says so at once";
  EXPECT_TRUE(tray.KeptAwake()) << "and so does the icon";
  Main().chkLowPower.UserClick();
  EXPECT_FALSE(tray.KeptAwake());
  EXPECT_EQ(power.calls().back(), "PowerClearRequest(SystemRequired)") << "released with the box";
  Main().chkLowPower.UserClick();
  Main().mnuFileItem6.UserClick();
  EXPECT_EQ(power.calls().back(), "PowerClearRequest(SystemRequired)") << "released at the end";
}

TEST_F(MainWindowTest, ADailyStandBySleepsOnTwoDays) {
  WriteSchedule("Nightly", "Stand by", "12/1/2026", "10:01:00", true, 0);
  Start();
  AdvanceTo(10, 1, 30);
  EXPECT_EQ(PowerActions(), Calls{"SetSuspendState(0, 1)"});
  EXPECT_EQ(NextRunOf(1), "12/9/2026 10:01:00");
  AdvanceTo(10, 1, 30);
  EXPECT_EQ(PowerActions(), (Calls{"SetSuspendState(0, 1)", "SetSuspendState(0, 1)"}));
}

TEST_F(MainWindowTest, PreventingAtTheDueMinuteSkipsTheRunForGood) {
  WriteSchedule("Daily", "Log Off", "12/1/2026", "10:01:00", true, 0);
  WriteSchedule("Once", "Reboot", "12/8/2026", "10:01:00", false, 0);
  Start();
  Main().chkPrevent.UserClick();
  AdvanceTo(10, 2, 0);
  EXPECT_EQ(NextRunOf(1), "12/8/2026 10:01:00") << "while prevented, detection does nothing";
  Main().chkPrevent.UserClick();
  AdvanceTo(10, 5, 0);
  EXPECT_TRUE(PowerActions().empty()) << "a prevented run does not happen later that day";
  EXPECT_EQ(NextRunOf(1), "12/9/2026 10:01:00") << "the daily one still repeats";
  EXPECT_EQ(NextRunOf(2), "");
}

TEST_F(MainWindowTest, OfTwoRowsDueInOneMinuteOnlyTheUpperRuns) {
  WriteSchedule("A", "Reboot", "12/8/2026", "10:01:00", false, 0);
  WriteSchedule("B", "Log Off", "12/8/2026", "10:01:00", false, 0);
  WriteSchedule("C", "Log Off", "12/1/2026", "10:01:00", true, 0);
  Start();
  AdvanceTo(10, 2, 0);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(6)"});
  EXPECT_EQ(NextRunOf(1), "");
  EXPECT_EQ(NextRunOf(2), "");
  EXPECT_EQ(NextRunOf(3), "12/9/2026 10:01:00") << "a dropped daily schedule runs again tomorrow";
}

TEST_F(MainWindowTest, ARowGoneBetweenQueueingAndHandlingIsSkipped) {
  WriteSchedule("Gone", "Reboot", "12/8/2026", "10:01:00", false, 0);
  Start();
  AdvanceTo(10, 1, 0);  // the first detection tick of the minute queues it
  ASSERT_EQ(Main().lstSchedule.ListCount(), 1);
  std::filesystem::remove(folder.host() / "data" / "Gone.sch");
  Main().loadData();
  AdvanceTo(10, 2, 0);
  EXPECT_TRUE(PowerActions().empty());
  EXPECT_EQ(Main().lstSchedule.ListCount(), 0);
}

// Quick schedule ---------------------------------------------------------------------------

class QuickScheduleTest : public MainWindowTest {};

TEST_F(QuickScheduleTest, AnAfternoonQuickScheduleFiresAtItsTwentyFourHourMinute) {
  Start();
  AdvanceTo(15, 44, 12);
  Main().cmbTime.UserPick(1);  // In 1 Minute
  Main().cmdGo.UserClick();
  ASSERT_EQ(Main().lstSchedules.ListItemCount(), 1);
  EXPECT_EQ(Main().lstSchedules.ListItemText(1), "Quick Schedule 12/8/2026 3:44:12 PM");
  EXPECT_EQ(NextRunOf(1), "12/8/2026 3:45:12 PM");
  EXPECT_EQ(Main().lstSchedules.SubItem(1, 4), "Yes");
  AdvanceTo(15, 44, 59);
  EXPECT_TRUE(PowerActions().empty());
  AdvanceTo(15, 45, 1);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(5)"}) << "due from the first tick of its minute";
  EXPECT_EQ(NextRunOf(1), "") << "a quick schedule runs once";
}

TEST_F(QuickScheduleTest, LowerCaseNowAddsARowThatNeverRuns) {
  Start();
  Main().cmbTime.UserType("now");
  Main().cmdGo.UserClick();
  EXPECT_TRUE(runtime.messages.shown().empty());
  ASSERT_EQ(Main().lstSchedules.ListItemCount(), 1);
  EXPECT_EQ(NextRunOf(1), "");
  Main().loadData();
  EXPECT_EQ(Main().lstSchedules.ListItemCount(), 1) << "a reload keeps what the user made";
}

TEST_F(QuickScheduleTest, NowAsksAndActsWithoutForce) {
  Start();
  Main().cbShutdown.UserPick(1);  // Reboot
  runtime.messages.Answer(MessageAnswer::Cancel);
  Main().cmdGo.UserClick();
  EXPECT_TRUE(PowerActions().empty());
  runtime.messages.Answer(MessageAnswer::Ok);
  Main().cbShutdown.UserKeyPress(13);  // Enter in the action box is Go
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(2)"});
  ASSERT_EQ(runtime.messages.shown().size(), 2U);
  EXPECT_EQ(runtime.messages.shown()[1].text, "Are you sure you want to perform the selected action immediately?");
  EXPECT_EQ(runtime.messages.shown()[1].title, "Confirm Choice");
  EXPECT_EQ(runtime.messages.shown()[1].buttons, platform::MessageButtons::OkCancel);
}

TEST_F(QuickScheduleTest, TheActionMenuAsksAndActs) {
  Start();
  runtime.messages.Answer(MessageAnswer::Ok);
  Main().mnuActionItem4.UserClick();
  EXPECT_EQ(PowerActions(), Calls{"SetSuspendState(0, 0)"});
}

TEST(QuickScheduleMoment, OneMonthLandsOnTheLastDayOfAShortMonth) {
  using test::AppFixture;
  EXPECT_EQ(QuickScheduleMoment("In 1 Month", AppFixture::At(2027, 1, 31, 9, 0, 0)),
            AppFixture::At(2027, 2, 28, 9, 0, 0));
  EXPECT_EQ(QuickScheduleMoment("In 1 Month", AppFixture::At(2028, 1, 31, 9, 0, 0)),
            AppFixture::At(2028, 2, 29, 9, 0, 0));
  EXPECT_EQ(QuickScheduleMoment("In 1 Month", AppFixture::At(2026, 12, 15, 9, 0, 0)),
            AppFixture::At(2027, 1, 15, 9, 0, 0));
  EXPECT_EQ(QuickScheduleMoment("in 15 Minutes", AppFixture::At(2026, 12, 31, 23, 50, 0)),
            AppFixture::At(2027, 1, 1, 0, 5, 0));
  EXPECT_EQ(QuickScheduleMoment("In 15 Minutes", AppFixture::At(2026, 12, 31, 23, 50, 0)), std::nullopt);
  EXPECT_EQ(QuickScheduleMoment("Now", AppFixture::At(2026, 12, 31, 23, 50, 0)), std::nullopt);
}

// Selection, delete, options -----------------------------------------------------------------

TEST_F(MainWindowTest, DeleteAsksThenRemovesTheFileAndReloads) {
  WriteSchedule("Old", "Reboot", "12/1/2026", "23:00:00", false, 0);
  Start();
  Main().lstSchedules.UserSelectItem(1);
  EXPECT_EQ(Main().Context().SelectedSchedule.name, "Old");
  EXPECT_EQ(Main().Context().SelectedSchedule.StartTime, "23:00:00");
  EXPECT_TRUE(Main().cmdDelete.Enabled());
  runtime.messages.Answer(MessageAnswer::Yes);
  Main().cmdDelete.UserClick();
  EXPECT_FALSE(folder.Exists("data/Old.sch"));
  EXPECT_EQ(Main().lstSchedules.ListItemCount(), 0);
  EXPECT_FALSE(Main().cmdDelete.Enabled());
  EXPECT_EQ(runtime.messages.shown().back().title, "Really delete?");
}

TEST_F(MainWindowTest, EditAndDeleteFollowTheSelectionTheListShows) {
  WriteSchedule("Kept", "Reboot", "12/1/2026", "23:00:00", false, 0);
  Start();
  Main().lstSchedules.UserSelectItem(1);
  Main().lstSchedules.UserClearSelection();  // a click on the list's empty part
  EXPECT_FALSE(Main().cmdDelete.Enabled());
  EXPECT_FALSE(Main().mnuFileItem1.Enabled());
  runtime.messages.Answer(MessageAnswer::Yes);
  Main().mnuFileItem2.UserClick();
  EXPECT_TRUE(folder.Exists("data/Kept.sch"));
  EXPECT_TRUE(runtime.messages.shown().empty());

  Main().lstSchedules.UserSelectItem(1);
  Main().cmdEdit.UserClick();
  ASSERT_NE(Main().ScheduleEditor(), nullptr);
  Main().ScheduleEditor()->cmdOK.UserClick();  // the list is loaded anew, with no row selected
  EXPECT_EQ(Main().lstSchedules.SelectedItem(), 0);
  EXPECT_FALSE(Main().cmdEdit.Enabled());
  EXPECT_FALSE(Main().cmdDelete.Enabled());
}

struct Confirmation {
  const char* description;
  std::function<void(frmMain&)> ask;
};

void PrintTo(const Confirmation& c, std::ostream* out) { *out << c.description; }

class Confirmations : public MainWindowTest, public testing::WithParamInterface<Confirmation> {};

// Enter acts as Go in the action box, so Enter on the confirmation that follows must not act:
// the box is answered here as Enter would answer it.
TEST_P(Confirmations, EnterAnswersNo) {
  WriteSchedule("Kept", "Reboot", "12/1/2026", "23:00:00", false, 0);
  Start();
  Main().lstSchedules.UserSelectItem(1);
  GetParam().ask(Main());
  ASSERT_EQ(runtime.messages.shown().size(), 1U);
  EXPECT_EQ(runtime.messages.shown()[0].defaultButton, platform::DefaultButton::Second);
  EXPECT_TRUE(PowerActions().empty());
  EXPECT_TRUE(folder.Exists("data/Kept.sch"));
}

INSTANTIATE_TEST_SUITE_P(Boxes, Confirmations,
                         testing::Values(Confirmation{"Now, by Enter in the action box",
                                                      [](frmMain& main) { main.cbShutdown.UserKeyPress(13); }},
                                         Confirmation{"an Action menu entry",
                                                      [](frmMain& main) { main.mnuActionItem1.UserClick(); }},
                                         Confirmation{"Delete", [](frmMain& main) { main.cmdDelete.UserClick(); }}));

TEST_F(MainWindowTest, ANowActionSavesTheColumnWidthsFirst) {
  Start();
  Main().lstSchedules.UserResizeColumn(1, 4000);
  runtime.messages.Answer(MessageAnswer::Ok);
  Main().mnuActionItem3.UserClick();  // Log Off
  ASSERT_EQ(PowerActions(), Calls{"ExitWindowsEx(0)"});
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kUserSettings, "BackupSetColumn1"), "4000");
}

TEST_F(MainWindowTest, ARowClickTreatsAnOverlongFileLikeTheList) {
  WriteSchedule("Long", "Reboot", "12/1/2026", "23:00:00", false, 0);
  folder.Write("data/Long.sch", folder.Read("data/Long.sch") + std::string(40000, ' '));
  Start();
  EXPECT_EQ(Main().lstSchedules.SubItem(1, 1), "");
  Main().lstSchedules.UserSelectItem(1);
  EXPECT_EQ(Main().Context().SelectedSchedule.StartTime, "") << "outside the format for every reader";
}

TEST_F(MainWindowTest, PreventingSleepHoldsTheSystemAwakeUntilTheEnd) {
  Start();
  Main().chkLowPower.UserClick();
  EXPECT_EQ(power.executionState(),
            platform::execution_state::kContinuous | platform::execution_state::kSystemRequired);
  EXPECT_EQ(powerFilter.installedOn(), Main().Handle());
  Main().mnuFileItem6.UserClick();
  EXPECT_EQ(power.executionState(), platform::execution_state::kContinuous);
  EXPECT_FALSE(powerFilter.Installed());
}

TEST_F(MainWindowTest, PowerOptionsOpensThePanelOrSaysItCannot) {
  Start();
  Main().cmdPower.UserClick();
  EXPECT_EQ(process.started, std::vector<std::string>{"control.exe powercfg.cpl"});
  EXPECT_TRUE(runtime.messages.shown().empty());
  process.startSucceeds = false;
  Main().mnuPowerOptions.UserClick();
  ASSERT_EQ(runtime.messages.shown().size(), 1U);
  EXPECT_EQ(runtime.messages.shown()[0].text, "The Power Options of Windows could not be opened.");
}

TEST_F(MainWindowTest, ColumnWidthsRoundTrip) {
  Start();
  Main().lstSchedules.UserResizeColumn(2, 1800);
  Main().mnuFileItem6.UserClick();
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kUserSettings, "BackupSetColumn2"), "1800");
  auto next = Restart();
  EXPECT_EQ(next->main.lstSchedules.ColumnWidth(2), 1800);
  EXPECT_EQ(next->main.lstSchedules.ColumnWidth(1), 2500);
}

TEST_F(MainWindowTest, TheListStretchesWithTheWindow) {
  Start();
  Main().Move({0, 0, 15000, 9000});
  Main().Resized();
  EXPECT_EQ(Main().lstSchedules.Position().width, 15000 - 60 - 200);
  EXPECT_EQ(Main().lstSchedules.Position().height, 9000 - 1680 - 1000);
  Main().Move({0, 0, 5000, 2000});
  Main().Resized();
  EXPECT_EQ(Main().cmdWebsite.Position().width, 9720 + 200 - 5000) << "never negative";
}

// Start paths --------------------------------------------------------------------------------

TEST_F(MainWindowTest, TheFirstStartShowsTheLanguageDialogAndTheHelpOnce) {
  registry.Put(RegistryRoot::CurrentUser, kUserSettings, "Language", platform::kRegistryDword, "");
  registry.Put(RegistryRoot::CurrentUser, kUserSettings, "showHelp", platform::kRegistryString, "1");
  folder.Write("Help.chm", "ITSF");
  std::vector<std::string> modal;
  runtime.onModal = [&](ui::Form& form) {
    modal.push_back(form.Name() + " over '" + Main().Caption() + "'");
    form.Unload();
  };
  Start();
  EXPECT_EQ(modal, (std::vector<std::string>{"frmLanguage over ''"}))
      << "a language that is not a text counts as not chosen; the dialog comes before the caption";
  ASSERT_EQ(process.opened.size(), 1u);
  EXPECT_EQ(process.opened[0].path, files.ProgramFolder() + "\\Help.chm");
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kUserSettings, "showHelp"), "0");
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, kMachineSettings, "showHelp"), "0");
  EXPECT_FALSE(Main().LanguageDialog()->Loaded());
}

TEST_F(MainWindowTest, StartingMinimisedShowsOnlyTheTrayIcon) {
  SetMachine("chkMin", "1");
  Start();
  EXPECT_TRUE(Main().Loaded());
  EXPECT_FALSE(Main().Visible());
  EXPECT_TRUE(Main().Context().SuppressPermissionDialog);
  EXPECT_TRUE(tray.Shown());
}

TEST_F(MainWindowTest, SkippingTheSplashStillStartsTheProgram) {
  SetMachine("chkSplash", "1");
  Start();
  EXPECT_FALSE(app->splash.Visible());
  EXPECT_TRUE(Main().Visible());
}

// Tray ---------------------------------------------------------------------------------------

TEST_F(MainWindowTest, TrayNotificationsFollowTheDispatchTable) {
  Start();
  std::vector<ui::Menu*> popups;
  runtime.onPopup = [&](ui::Menu& menu) { popups.push_back(&menu); };
  for (int message : {512, 513, 516}) tray.Notify(message);
  EXPECT_TRUE(popups.empty());
  tray.Notify(514);
  tray.Notify(517);
  EXPECT_EQ(popups, (std::vector<ui::Menu*>{&Main().mnuTray, &Main().mnuTray}));

  Main().Hide();
  tray.Notify(515);
  EXPECT_TRUE(Main().Visible());
  EXPECT_EQ(runtime.broughtToFront.back(), "Curfew by Curfew Team");
}

TEST_F(MainWindowTest, ATrayDoubleClickKeepsTheWindowState) {
  Start();
  Main().SetWindowState(ui::WindowState::Minimized);
  Main().Hide();
  tray.Notify(515);
  EXPECT_TRUE(Main().Visible());
  EXPECT_EQ(Main().GetWindowState(), ui::WindowState::Minimized) << "hidden while minimised, back minimised";
}

TEST_F(MainWindowTest, HideMenuOnlyClosesTheMenu) {
  Start();
  runtime.onPopup = [](ui::Menu& menu) { static_cast<frmMain&>(menu.Parent()).mnuTrayItem1.UserClick(); };
  tray.Notify(517);
  EXPECT_TRUE(Main().Visible());
  EXPECT_EQ(Main().GetWindowState(), ui::WindowState::Maximized);
  EXPECT_FALSE(runtime.endedWith.has_value());
  EXPECT_TRUE(runtime.broughtToFront.empty());
  EXPECT_TRUE(tray.Shown());
}

TEST_F(MainWindowTest, TrayOpenShowsTheWindowMaximised) {
  Start();
  Main().SetWindowState(ui::WindowState::Minimized);
  Main().Hide();
  Main().mnuTrayItem0.UserClick();
  EXPECT_TRUE(Main().Visible());
  EXPECT_EQ(Main().GetWindowState(), ui::WindowState::Maximized);
}

TEST_F(MainWindowTest, TheIconIsRetriedAndReassertedOnItsTimer) {
  tray.refuseAdd = true;
  Start();
  EXPECT_FALSE(tray.Shown());
  EXPECT_EQ(Main().tmrTrayIcon.Interval(), 5000);
  tray.refuseAdd = false;
  runtime.Advance(5000);
  EXPECT_TRUE(tray.Shown());
  EXPECT_EQ(Main().tmrTrayIcon.Interval(), 15000);
  tray.LoseIcon();  // the task bar restarted
  runtime.Advance(15000);
  EXPECT_TRUE(tray.Shown());
}

// Closing ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, ClosingHidesAndRemindsUntilTheUserSaysOtherwise) {
  Start();
  Main().UserClose();
  EXPECT_TRUE(Main().Loaded());
  EXPECT_FALSE(Main().Visible());
  EXPECT_FALSE(runtime.endedWith.has_value());
  const auto forms = runtime.LoadedForms();
  const auto reminder =
      std::find_if(forms.begin(), forms.end(), [](ui::Form* f) { return f->Name() == "frmStillRunning"; });
  ASSERT_NE(reminder, forms.end());
  auto& stillRunning = static_cast<frmStillRunning&>(**reminder);
  EXPECT_EQ(stillRunning.Caption(), "Curfew is still running");
  stillRunning.chkNoShow.UserClick();
  stillRunning.cmdOK.UserClick();
  EXPECT_FALSE(stillRunning.Loaded());
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, kMachineSettings, "chkNoShow"), "1");

  Main().Show();
  Main().UserClose();
  EXPECT_FALSE(Main().Visible());
  EXPECT_EQ(runtime.LoadedForms().size(), 2U) << "no reminder: the splash and the main window";
}

TEST_F(MainWindowTest, TheReminderNamesATemporaryScheduleStillToCome) {
  Start();
  Main().cmbTime.UserPick(5);  // In 1 Hour
  Main().cmdGo.UserClick();
  Main().UserClose();
  auto& reminder = static_cast<frmStillRunning&>(*runtime.LoadedForms().back());
  ASSERT_EQ(reminder.Name(), "frmStillRunning");
  EXPECT_TRUE(reminder.lblQuick.Visible());
  EXPECT_EQ(reminder.lblQuick.Caption(),
            "A temporary schedule is waiting: Shut Down at 11:00 AM. It runs only while Curfew runs.");
  EXPECT_GT(reminder.cmdOK.Position().top, reminder.lblQuick.Position().top + reminder.lblQuick.Position().height);
  reminder.UserPressEnter();
  Main().mnuFileItem6.UserClick();  // Exit: the temporary schedule ends with the program, and says so
  const auto events = app->context.EventHistory().Read();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().event, HistoryEvent::Disarmed);
  EXPECT_EQ(events.back().details, "program ended");
}

// What the user is told of without a window: a log-off another program cancelled, and decisions
// that could not be read.
TEST_F(MainWindowTest, ACancelledLogOffAndUnreadableDecisionsAreToldInTheTray) {
  folder.Write("data/decisions.txt", "garbage");
  Start();
  ASSERT_EQ(tray.notifications.size(), 1U);
  EXPECT_TRUE(
      tray.notifications[0].starts_with("Skipped and postponed runs could not be read: They were set aside in "))
      << tray.notifications[0];
  runtime.messages.Answer(platform::MessageAnswer::Ok);
  Main().mnuActionItem3.UserClick();  // Log Off, confirmed
  Main().SystemChanged(ui::SystemChange::SessionEndCancelled);
  ASSERT_EQ(tray.notifications.size(), 2U);
  EXPECT_EQ(tray.notifications[1],
            "Log Off: cancelled: Another program stopped Windows from ending the session, so nothing was closed.");
}

TEST_F(MainWindowTest, EnterOrEscDismissTheReminder) {
  Start();
  for (const auto press : {&ui::Form::UserPressEnter, &ui::Form::UserPressEscape}) {
    Main().UserClose();
    ui::Form& reminder = *runtime.LoadedForms().back();
    ASSERT_EQ(reminder.Name(), "frmStillRunning");
    (reminder.*press)();
    EXPECT_FALSE(reminder.Loaded());
    EXPECT_TRUE(Main().Loaded());
    Main().Show();
  }
}

TEST_F(MainWindowTest, TheReminderCanEndTheProgramForGood) {
  Start();
  Main().UserClose();
  auto forms = runtime.LoadedForms();
  auto& stillRunning = static_cast<frmStillRunning&>(*forms.back());
  stillRunning.chkAlwaysExit.UserClick();
  stillRunning.cmdOK.UserClick();
  EXPECT_EQ(runtime.endedWith, 0);
  EXPECT_FALSE(Main().Loaded());
  EXPECT_FALSE(tray.Shown()) << "the icon goes with the program";
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, kMachineSettings, "chkAlwaysExit"), "1");
  EXPECT_TRUE(runtime.LoadedForms().empty());
}

struct ExitPath {
  const char* description;
  std::function<void(frmMain&)> act;
};

void PrintTo(const ExitPath& path, std::ostream* out) { *out << path.description; }

class ExitPaths : public MainWindowTest, public testing::WithParamInterface<ExitPath> {};

TEST_P(ExitPaths, EndTheProgramWithoutAReminder) {
  Start();
  GetParam().act(Main());
  EXPECT_EQ(runtime.endedWith, 0);
  EXPECT_TRUE(runtime.LoadedForms().empty());
  EXPECT_FALSE(tray.Shown());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExitPaths,
    testing::Values(ExitPath{"File Exit", [](frmMain& main) { main.mnuFileItem6.UserClick(); }},
                    ExitPath{"tray Exit", [](frmMain& main) { main.mnuTrayItem3.UserClick(); }},
                    ExitPath{"Windows logs off", [](frmMain& main) { main.UserClose(ui::UnloadMode::AppWindows); }},
                    ExitPath{"Task Manager", [](frmMain& main) { main.UserClose(ui::UnloadMode::TaskManager); }}));

// A setting of another type (a number written by hand or by another tool) makes its read fail;
// closing must still hide the window and show the reminder, and the program goes on.
TEST_F(MainWindowTest, ClosingSurvivesASettingThatIsNoText) {
  registry.Put(RegistryRoot::LocalMachine, kMachineSettings, "chkAlwaysExit", platform::kRegistryDword, "1");
  Start();
  EXPECT_NO_THROW(Main().UserClose());
  EXPECT_TRUE(Main().Loaded());
  EXPECT_FALSE(Main().Visible());
  EXPECT_FALSE(runtime.endedWith.has_value());
  const auto forms = runtime.LoadedForms();
  ASSERT_EQ(forms.back()->Name(), "frmStillRunning");
  EXPECT_EQ(forms.back()->Caption(), "Curfew is still running");
  Main().mnuTrayItem3.UserClick();
  EXPECT_EQ(runtime.endedWith, 0);
  EXPECT_TRUE(runtime.LoadedForms().empty());
}

TEST_F(MainWindowTest, TheUnloadClosesTheOtherWindowsBeforeThePowerObject) {
  struct Other : ui::Form {
    Other(ui::WindowRuntime& runtime, std::function<void()> onUnload)
        : ui::Form(runtime, "frmOther"), onUnload_(std::move(onUnload)) {}
    void Form_Unload(bool&) override { onUnload_(); }
    std::function<void()> onUnload_;
  };
  std::uint32_t stateAtUnload = 0;
  Start();
  Other other(runtime, [&] { stateAtUnload = power.executionState(); });
  other.Load();
  Main().Context().Windows().Keep(OpenWindows::Place::Splash, other);
  Main().chkLowPower.UserClick();
  Main().mnuFileItem6.UserClick();
  EXPECT_FALSE(other.Loaded());
  EXPECT_EQ(stateAtUnload, platform::execution_state::kContinuous | platform::execution_state::kSystemRequired)
      << "still awake: the power object goes after the other windows";
  EXPECT_EQ(power.executionState(), platform::execution_state::kContinuous);
}

TEST_F(MainWindowTest, AlwaysExitMakesTheCloseBoxEndTheProgram) {
  SetMachine("chkAlwaysExit", "1");
  Start();
  Main().UserClose();
  EXPECT_EQ(runtime.endedWith, 0);
}

}  // namespace
}  // namespace curfew
