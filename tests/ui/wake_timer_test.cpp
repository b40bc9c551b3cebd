// The wake timer on the headless back end: the UTC moment it is armed for, across summer time,
// when it is armed again, and when no run wakes the computer.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/recorded_power_system.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::UtcText;
using test::AppFixture;
using test::MainWindowTest;

// Central European time: UTC+1, summer time (UTC+2) from 29 March to 25 October 2026.
platform::SimulatedTimeZone CentralEurope() {
  return {60, {{AppFixture::At(2026, 3, 29, 1, 0, 0), 120}, {AppFixture::At(2026, 10, 25, 1, 0, 0), 60}}};
}

int Armings(const std::vector<std::string>& calls) {
  return static_cast<int>(std::count_if(
      calls.begin(), calls.end(), [](const std::string& call) { return call.starts_with("SetWaitableTimerEx"); }));
}

struct SummerTimeCase {
  const char* name;
  LocalDateTime now;
  const char* armedFor;
};

void PrintTo(const SummerTimeCase& c, std::ostream* out) { *out << c.name; }

class WakeAcrossSummerTime : public testing::TestWithParam<SummerTimeCase>, public AppFixture {
 protected:
  WakeAcrossSummerTime() : AppFixture(GetParam().now) { clock.zone = CentralEurope(); }
};

// A daily 8:00 shutdown wakes the computer at 7:58 local time (a minute's warning, a minute to
// wake), in whatever offset that morning has.
TEST_P(WakeAcrossSummerTime, ArmsForTheLocalMorningInItsOwnOffset) {
  WriteSchedule("Morning", "Shut Down", "3/1/2026", "08:00:00", true, 0);
  Start();
  runtime.Advance(500);  // the scheduler's first tick after the list is read
  ASSERT_TRUE(power.wakeTimer());
  EXPECT_EQ(UtcText(*power.wakeTimer()), GetParam().armedFor);
  EXPECT_EQ(power.wakeReason(), "Curfew runs a schedule");
}

INSTANTIATE_TEST_SUITE_P(
    Changes, WakeAcrossSummerTime,
    testing::Values(SummerTimeCase{"winter", AppFixture::At(2026, 3, 28, 6, 0, 0), "2026-03-28 06:58:00Z"},
                    SummerTimeCase{"the night the clocks go forward", AppFixture::At(2026, 3, 28, 12, 0, 0),
                                   "2026-03-29 05:58:00Z"},
                    SummerTimeCase{"the night the clocks go back", AppFixture::At(2026, 10, 24, 12, 0, 0),
                                   "2026-10-25 06:58:00Z"}));

class WakeTimerTest : public MainWindowTest {};

TEST_F(WakeTimerTest, FollowsTheListAndIsArmedAgainOnResumeAndClockChanges) {
  WriteSchedule("Late", "Reboot", "12/1/2026", "22:00:00", true, 0);
  Start();
  runtime.Advance(500);  // the scheduler's first tick after the list is read
  ASSERT_TRUE(power.wakeTimer());
  EXPECT_EQ(UtcText(*power.wakeTimer()), "2026-12-08 21:58:00Z");

  WriteSchedule("Soon", "Log Off", "12/8/2026", "12:00:00", false, 0);
  Main().loadData();
  runtime.Advance(1000);
  ASSERT_TRUE(power.wakeTimer());
  EXPECT_EQ(UtcText(*power.wakeTimer()), "2026-12-08 11:58:00Z") << "the earlier run moves it";

  const int armed = Armings(power.calls());
  runtime.Advance(60 * 1000);
  EXPECT_EQ(Armings(power.calls()), armed) << "an unchanged moment is not set again every minute";
  Main().SystemChanged(ui::SystemChange::Resumed);
  EXPECT_EQ(Armings(power.calls()), armed + 1);
  clock.zone = {120, {}};
  Main().SystemChanged(ui::SystemChange::ClockChanged);
  EXPECT_EQ(Armings(power.calls()), armed + 2);
  EXPECT_EQ(UtcText(*power.wakeTimer()), "2026-12-08 09:58:00Z") << "a new time zone moves it";
}

TEST_F(WakeTimerTest, InsideTheWarningItWakesForTheMinuteThenStops) {
  WriteSchedule("Soon", "Shut Down", "12/8/2026", "10:05:00", false, 0);
  Start();
  runtime.Advance(500);  // the scheduler's first tick after the list is read
  EXPECT_EQ(UtcText(*power.wakeTimer()), "2026-12-08 10:03:00Z");
  AdvanceTo(10, 3, 30);
  EXPECT_EQ(UtcText(*power.wakeTimer()), "2026-12-08 10:05:00Z") << "a sleep now still wakes for the run";
  AdvanceTo(10, 5, 30);
  EXPECT_FALSE(power.wakeTimer()) << "a one-off schedule that ran has nothing to wake for";
  EXPECT_NE(std::find(power.calls().begin(), power.calls().end(), "CancelWaitableTimer"), power.calls().end());
}

struct NoWakeCase {
  const char* name;
  const char* action;
  const char* preference;  // chkWake as stored; null when never stored
  bool prevented;
};

void PrintTo(const NoWakeCase& c, std::ostream* out) { *out << c.name; }

class NoWake : public testing::WithParamInterface<NoWakeCase>, public MainWindowTest {};

TEST_P(NoWake, ArmsNothing) {
  WriteSchedule("Only", GetParam().action, "12/1/2026", "22:00:00", true, 0);
  if (GetParam().preference) SetMachine("chkWake", GetParam().preference);
  Start();
  runtime.Advance(500);  // the scheduler's first tick after the list is read
  if (GetParam().prevented) {
    EXPECT_TRUE(power.wakeTimer()) << "armed until schedules are prevented";
    Main().chkPrevent.UserClick();
    runtime.Advance(1000);
  }
  EXPECT_FALSE(power.wakeTimer());
}

INSTANTIATE_TEST_SUITE_P(Cases, NoWake,
                         testing::Values(NoWakeCase{"stand by", "Stand by", nullptr, false},
                                         NoWakeCase{"preference off", "Shut Down", "0", false},
                                         NoWakeCase{"prevented", "Hibernate", nullptr, true}));

TEST_F(WakeTimerTest, ARefusedActionIsToldOnceWithTheSystemsReason) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:01:00", true, 0);
  SetMachine("WarnBeforeAction", "0");
  power.RefuseActions(1314);
  Start();
  runtime.Advance(500);  // the scheduler's first tick after the list is read
  AdvanceTo(10, 1, 30);
  EXPECT_EQ(PowerActions(), test::Calls{"ExitWindowsEx(5)"});
  EXPECT_EQ(tray.notifications, (std::vector<std::string>{"Shut Down: refused by Windows: A required privilege is not "
                                                          "held by the client."}));
  EXPECT_EQ(NextRunOf(1), "12/9/2026 10:01:00") << "nothing else changes";
  EXPECT_EQ(Main().lstSchedules.SubItem(1, 2), "") << "a refused run is not shown as made";
  const std::string bytes = folder.Read("data/Nightly.sch");
  EXPECT_NE(bytes.find("LastRunTime=\r\n"), std::string::npos) << bytes;
}

}  // namespace
}  // namespace curfew
