// The warning before an action on the headless back end: when it shows, what its buttons do to
// the run, and that an action nobody answers comes on its minute as it always did.
#include "ui/frm_warning.h"

#include <gtest/gtest.h>

#include <optional>

#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using test::Calls;
using test::MainWindowTest;

class WarningTest : public MainWindowTest {
 protected:
  frmWarning* Shown() {
    frmWarning* warning = Main().Warning();
    return warning && warning->Loaded() ? warning : nullptr;
  }
};

TEST_F(WarningTest, ShowsALeadAheadAndTheActionComesOnItsMinuteWhenNothingIsPressed) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:05:00", true, 0);
  Start();
  AdvanceTo(10, 3, 59);
  EXPECT_EQ(Shown(), nullptr);
  AdvanceTo(10, 4, 1);
  ASSERT_NE(Shown(), nullptr) << "one minute ahead by default";
  EXPECT_EQ(Shown()->Caption(), "Curfew: an action is coming");
  EXPECT_EQ(Shown()->CountdownText(), "Shut Down in 0:59");
  EXPECT_EQ(Shown()->lblDetails.Caption(), "The schedule \"Nightly\" runs at 10:05 AM.");
  EXPECT_FALSE(Shown()->ActivatesOnShow());
  EXPECT_TRUE(Shown()->Topmost());
  EXPECT_EQ(tray.notifications,
            (std::vector<std::string>{"Shut Down at 10:05 AM: The schedule \"Nightly\" runs at 10:05 AM."}));
  Shown()->UserPressEscape();
  EXPECT_EQ(Shown(), nullptr) << "Esc puts it away";
  AdvanceTo(10, 4, 59);
  EXPECT_EQ(Shown(), nullptr) << "and it stays away";
  EXPECT_TRUE(PowerActions().empty());
  AdvanceTo(10, 5, 2);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(5)"}) << "the action still comes, on its minute";
  EXPECT_EQ(tray.notifications.size(), 1U);
}

TEST_F(WarningTest, ALongNameIsShortenedAndShownAsItIs) {
  const std::string name = "Night [Time] " + std::string(40, 'x');
  WriteSchedule(name, "Shut Down", "12/1/2026", "10:05:00", true, 0);
  Start();
  AdvanceTo(10, 4, 30);
  ASSERT_NE(Shown(), nullptr);
  EXPECT_EQ(Shown()->lblDetails.Caption(), "The schedule \"" + name.substr(0, 40) + "\u2026\" runs at 10:05 AM.");
}

TEST_F(WarningTest, PostponeMovesThisRunAloneAndWarnsAgainBeforeIt) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:05:00", true, 0);
  Start();
  AdvanceTo(10, 4, 30);
  ASSERT_NE(Shown(), nullptr);
  Shown()->cboPostpone.UserPick(1);  // 10 minutes
  Shown()->cmdPostpone.UserClick();
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_EQ(NextRunOf(1), "12/8/2026 10:15:00 AM");
  EXPECT_EQ(tray.Tip(), "Curfew \u2013 Shut Down at 10:15 AM") << "the tip follows at once";
  Main().loadData();
  EXPECT_EQ(NextRunOf(1), "12/8/2026 10:15:00 AM") << "a list read anew keeps the postponement";
  AdvanceTo(10, 13, 59);
  EXPECT_TRUE(PowerActions().empty());
  EXPECT_EQ(Shown(), nullptr);
  AdvanceTo(10, 14, 30);
  EXPECT_NE(Shown(), nullptr) << "the moved run is announced too";
  AdvanceTo(10, 15, 2);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(5)"});
  EXPECT_EQ(NextRunOf(1), "12/9/2026 10:05:00") << "tomorrow's run where it always was";
}

struct SkipCase {
  const char* description;
  bool repeat;
  int mode;
  const char* period;
  const char* nextAfterSkip;
};

void PrintTo(const SkipCase& c, std::ostream* out) { *out << c.description; }

class SkipThisRun : public WarningTest, public testing::WithParamInterface<SkipCase> {};

TEST_P(SkipThisRun, LeavesOutTheComingRunOnly) {
  WriteSchedule("Planned", "Reboot", "12/8/2026", "10:05:00", GetParam().repeat, GetParam().mode, GetParam().period);
  Start();
  AdvanceTo(10, 4, 30);
  ASSERT_NE(Shown(), nullptr);
  Shown()->cmdSkip.UserClick();
  EXPECT_EQ(NextRunOf(1), GetParam().nextAfterSkip);
  AdvanceTo(10, 6, 0);
  EXPECT_TRUE(PowerActions().empty());
  EXPECT_EQ(Shown(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Schedules, SkipThisRun,
                         testing::Values(SkipCase{"daily", true, 0, "", "12/9/2026 10:05:00"},
                                         SkipCase{"weekly", true, 1, "tue,fri", "12/11/2026 10:05:00"},
                                         SkipCase{"monthly", true, 2, "8", "1/8/2027 10:05:00"},
                                         SkipCase{"once", false, 0, "", ""}));

TEST_F(WarningTest, ASkippedQuickScheduleIsGone) {
  Start();
  Main().cmbTime.UserPick(2);  // In 5 Minutes
  Main().cmdGo.UserClick();
  AdvanceTo(10, 4, 30);
  ASSERT_NE(Shown(), nullptr);
  EXPECT_EQ(Shown()->lblDetails.Caption(), "The temporary schedule runs at 10:05 AM.");
  Shown()->cmdSkip.UserClick();
  EXPECT_EQ(Main().lstSchedules.ListItemCount(), 0) << "a quick schedule runs once: skipped, nothing is left";
  AdvanceTo(10, 7, 0);
  EXPECT_TRUE(PowerActions().empty());
}

TEST_F(WarningTest, RunNowActsAtOnceAndTheRunAfterFollows) {
  WriteSchedule("Nightly", "Stand by", "12/1/2026", "10:05:00", true, 0);
  Start();
  AdvanceTo(10, 4, 30);
  ASSERT_NE(Shown(), nullptr);
  Shown()->cmdRunNow.UserClick();
  runtime.Advance(1000);
  EXPECT_EQ(PowerActions(), Calls{"SetSuspendState(0, 1)"});
  EXPECT_EQ(NextRunOf(1), "12/9/2026 10:05:00") << "not the same minute again";
  AdvanceTo(10, 6, 0);
  EXPECT_EQ(PowerActions().size(), 1U);
}

struct LateCase {
  const char* description;
  int minute, second;  // the first tick after the computer woke, or the first after the start
  bool sleeps;         // woken from sleep; else the program starts then
  int earliest;        // the action comes no earlier than 10:05:ss, and inside the minute
};

void PrintTo(const LateCase& c, std::ostream* out) { *out << c.description; }

class LateWarning : public WarningTest, public testing::WithParamInterface<LateCase> {};

// Warned less than ten seconds before the minute, or only once it began: the warning shows for
// ten seconds, or as long as the minute has left, and the action still comes inside its minute.
TEST_P(LateWarning, ShowsTenSecondsAndStaysInTheMinute) {
  WriteSchedule("Nightly", "Log Off", "12/1/2026", "10:05:00", true, 0);
  if (GetParam().sleeps) {
    Start();
    AdvanceTo(10, 2, 0);
    clock.Jump((GetParam().minute - 2) * 60LL + GetParam().second);
  } else {
    AdvanceTo(10, GetParam().minute, GetParam().second);
    Start();
  }
  std::optional<LocalDateTime> actedAt;
  power.onAction = [&] { actedAt = clock.Now(); };
  runtime.Advance(500);
  ASSERT_NE(Shown(), nullptr);
  AdvanceTo(10, 5, 59);
  runtime.Advance(900);
  ASSERT_EQ(PowerActions(), Calls{"ExitWindowsEx(4)"});
  EXPECT_EQ(actedAt->time.minute, 5);
  EXPECT_GE(actedAt->time.second, GetParam().earliest);
}

INSTANTIATE_TEST_SUITE_P(Minute, LateWarning,
                         testing::Values(LateCase{"woke early in the minute", 5, 2, true, 12},
                                         LateCase{"woke late in the minute", 5, 55, true, 59},
                                         LateCase{"started three seconds before", 4, 57, false, 7}));

TEST_F(WarningTest, PreventionSilencesTheWarningAndClearingItInsideTheMinuteWarnsLate) {
  WriteSchedule("Nightly", "Log Off", "12/1/2026", "10:05:00", true, 0);
  Start();
  Main().chkPrevent.UserClick();
  AdvanceTo(10, 4, 30);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_TRUE(tray.notifications.empty());
  AdvanceTo(10, 5, 20);
  Main().chkPrevent.UserClick();
  runtime.Advance(1000);
  EXPECT_NE(Shown(), nullptr);
  EXPECT_TRUE(PowerActions().empty());
  AdvanceTo(10, 5, 32);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(4)"});
}

TEST_F(WarningTest, TwoRunsInOneMinuteGiveOneWarningAndTheUpperRowRuns) {
  WriteSchedule("A first", "Reboot", "12/1/2026", "10:05:00", true, 0);
  WriteSchedule("B second", "Shut Down", "12/1/2026", "10:05:00", true, 0);
  Start();
  AdvanceTo(10, 4, 30);
  ASSERT_NE(Shown(), nullptr);
  EXPECT_EQ(Shown()->Facts().schedule, Main().lstSchedules.ListItemText(1));
  AdvanceTo(10, 5, 5);
  EXPECT_EQ(PowerActions().size(), 1U);
  EXPECT_EQ(PowerActions()[0], Main().lstSchedules.SubItem(1, 1) == "Reboot" ? "ExitWindowsEx(6)" : "ExitWindowsEx(5)");
  EXPECT_EQ(tray.notifications.size(), 1U);
}

TEST_F(WarningTest, WarningsOffLeaveTheActionAsItWas) {
  SetMachine("WarnBeforeAction", "0");
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:05:00", true, 0);
  Start();
  AdvanceTo(10, 2, 0);
  clock.Jump(3 * 60 + 2);  // woken inside the minute: no hold without a warning
  runtime.Advance(1500);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(5)"});
}

}  // namespace
}  // namespace curfew
