// The scheduler engine on the main window: minutes that pass without a run, rows that cannot
// be read, rows that change while detection lets events run, and the work list.
#include <gtest/gtest.h>

#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using test::Calls;
using test::MainWindowTest;

class SchedulerEngineTest : public MainWindowTest {
 protected:
  // The computer sleeps (or the clock is set) across that many seconds: no timer fires.
  void Sleep(long long seconds) { clock.Jump(seconds); }
};

struct MissedCase {
  const char* description;
  long long sleptSeconds;  // from 10:00:30 on 8 December
  const char* expectedNext;
};

void PrintTo(const MissedCase& c, std::ostream* out) { *out << c.description; }

class MissedMinutes : public SchedulerEngineTest, public testing::WithParamInterface<MissedCase> {};

// A daily 10:01 shut-down whose minute passes while no timer runs gets its next run from its
// file; the missed run is never made up for.
TEST_P(MissedMinutes, GiveTheNextRunWithoutCatchingUp) {
  WriteSchedule("Daily", "Shut Down", "12/1/2026", "10:01:00", true, 0);
  Start();
  AdvanceTo(10, 0, 30);
  ASSERT_EQ(NextRunOf(1), "12/8/2026 10:01:00");
  Sleep(GetParam().sleptSeconds);
  runtime.Advance(500);
  EXPECT_TRUE(PowerActions().empty());
  EXPECT_EQ(NextRunOf(1), GetParam().expectedNext);
}

INSTANTIATE_TEST_SUITE_P(Engine, MissedMinutes,
                         testing::Values(MissedCase{"slept past the minute", 120, "12/9/2026 10:01:00"},
                                         MissedCase{"woke the next morning", 22 * 3600, "12/9/2026 10:01:00"},
                                         MissedCase{"woke two days later at noon", 2 * 86400 + 7200,
                                                    "12/11/2026 10:01:00"},
                                         MissedCase{"clock set back an hour", -3600, "12/8/2026 10:01:00"}));

TEST_F(SchedulerEngineTest, WakingUpLooksAtOnceAndAMissedQuickScheduleIsCleared) {
  WriteSchedule("Weekly", "Reboot", "12/1/2026", "10:01:00", true, 1, "tue");
  Start();
  Main().cmbTime.UserPick(1);  // In 1 Minute
  Main().cmdGo.UserClick();
  Sleep(3600);
  Main().SystemChanged(ui::SystemChange::Resumed);  // no timer tick in between
  EXPECT_EQ(NextRunOf(1), "12/15/2026 10:01:00");
  EXPECT_EQ(NextRunOf(2), "") << "a quick schedule has no file to give another run";
  Sleep(86400);
  Main().SystemChanged(ui::SystemChange::ClockChanged);
  EXPECT_EQ(NextRunOf(1), "12/15/2026 10:01:00");
  EXPECT_TRUE(PowerActions().empty());
}

struct RowAboveCase {
  const char* description;
  const char* startDate;
  const char* startTime;
};

void PrintTo(const RowAboveCase& c, std::ostream* out) { *out << c.description; }

class RowAboveADueRow : public SchedulerEngineTest, public testing::WithParamInterface<RowAboveCase> {};

TEST_P(RowAboveADueRow, NeverStopsIt) {
  WriteSchedule("A odd", "Reboot", GetParam().startDate, GetParam().startTime, true, 0);
  WriteSchedule("B due", "Log Off", "12/8/2026", "10:01:00", false, 0);
  Start();
  AdvanceTo(10, 1, 1);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(4)"});
}

INSTANTIATE_TEST_SUITE_P(Engine, RowAboveADueRow,
                         testing::Values(RowAboveCase{"empty", "", ""}, RowAboveCase{"not a date", "soon", "10:01:00"},
                                         RowAboveCase{"a date with blanks", "Dec 8, 2026", "10:01:00"},
                                         RowAboveCase{"not a time", "12/8/2026", "later"},
                                         RowAboveCase{"ahead", "12/9/2026", "10:01:00"}));

TEST_F(SchedulerEngineTest, AHandWrittenDateWithBlanksHasNoNextRun) {
  WriteSchedule("Hand", "Reboot", "Dec 8, 2026", "10:01:00", false, 0);
  WriteSchedule("Spaced", "Reboot", " 12/31/2030", "10:01:00", false, 0);
  Start();
  EXPECT_EQ(NextRunOf(1), "");
  EXPECT_EQ(NextRunOf(2), "");
}

TEST_F(SchedulerEngineTest, OfTwoQuickSchedulesMadeInOneSecondTheUpperRuns) {
  Start();
  Main().cmbTime.UserPick(1);
  Main().cbShutdown.UserPick(1);  // Reboot
  Main().cmdGo.UserClick();
  Main().cbShutdown.UserPick(2);  // Log Off
  Main().cmdGo.UserClick();
  ASSERT_EQ(Main().lstSchedules.ListItemText(1), Main().lstSchedules.ListItemText(2)) << "one name, one second";
  AdvanceTo(10, 1, 1);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(6)"});
}

TEST_F(SchedulerEngineTest, TheNameAfterASkippedOneIsStillHandled) {
  WriteSchedule("A", "Reboot", "12/8/2026", "10:01:00", false, 0);
  WriteSchedule("B", "Log Off", "12/8/2026", "10:01:00", false, 0);
  Start();
  AdvanceTo(10, 1, 0);  // the first tick of the minute queues both
  ASSERT_EQ(Main().lstSchedule.ListCount(), 2);
  std::filesystem::remove(folder.host() / "data" / "A.sch");
  Main().loadData();
  Main().chkPrevent.UserClick();  // prevention stops detection, not what is queued
  AdvanceTo(10, 2, 0);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(4)"});
}

TEST_F(SchedulerEngineTest, RowsRebuiltWhileDetectionLetsEventsRunAreTakenAsTheyAreNow) {
  WriteSchedule("A later", "Reboot", "12/8/2026", "23:00:00", false, 0);
  WriteSchedule("B due", "Log Off", "12/8/2026", "10:01:00", false, 0);
  Start();
  AdvanceTo(10, 0, 58);
  bool removed = false;
  runtime.onDoEvents = [&] {
    if (removed) return;
    removed = true;
    std::filesystem::remove(folder.host() / "data" / "A later.sch");
    Main().loadData();  // "B due" moves up to row 1
  };
  AdvanceTo(10, 1, 1);
  runtime.onDoEvents = nullptr;
  ASSERT_TRUE(removed);
  AdvanceTo(10, 3, 0);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(4)"}) << "queued once, run once";
  runtime.onDoEvents = [&] {
    std::filesystem::remove(folder.host() / "data" / "B due.sch");
    Main().loadData();
  };
  runtime.Advance(500);  // the rows vanish under the pass: it ends
  EXPECT_EQ(Main().lstSchedules.ListItemCount(), 0);
}

TEST_F(SchedulerEngineTest, AFailingPassEndsQuietlyAndTheNextTickLooksAgain) {
  WriteSchedule("Due", "Log Off", "12/8/2026", "10:01:00", false, 0);
  Start();
  AdvanceTo(10, 0, 59);
  bool failed = false;
  runtime.onDoEvents = [&] {
    if (failed) return;
    failed = true;
    throw std::runtime_error("a handler run inside the pass failed");
  };
  EXPECT_NO_THROW(AdvanceTo(10, 1, 1));
  EXPECT_TRUE(failed);
  EXPECT_EQ(PowerActions(), Calls{"ExitWindowsEx(4)"});
}

TEST_F(SchedulerEngineTest, AScheduledActionSavesTheColumnWidthsFirst) {
  WriteSchedule("Off", "Log Off", "12/8/2026", "10:01:00", false, 0);
  Start();
  Main().lstSchedules.UserResizeColumn(4, 3100);
  AdvanceTo(10, 1, 1);
  ASSERT_EQ(PowerActions(), Calls{"ExitWindowsEx(4)"});
  EXPECT_EQ(registry.Get(platform::RegistryRoot::CurrentUser, test::kUserSettings, "BackupSetColumn4"), "3100")
      << "a log-off of our own sends this program no word before it ends";
}

}  // namespace
}  // namespace curfew
