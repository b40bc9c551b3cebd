// The scheduling engine on its own, without a window: the run to come, the user's decisions
// across reloads and restarts, quick schedules, files that cannot be read, the history, and
// holding the computer awake for a run it woke for.
#include "scheduling/scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "platform/headless/headless_runtime.h"
#include "platform/headless/recorded_power_system.h"
#include "platform/headless/runtime_clock.h"
#include "platform/headless/simulated_power_broadcast.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "support/schedule_text.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

using namespace std::chrono;

LocalDateTime At(int y, unsigned m, unsigned d, int hour, int minute, int second = 0) {
  return {year_month_day{year(y), month(m), day(d)}, {hour, minute, second}};
}

// Hears what the engine tells, as text.
struct Heard final : SchedulerListener {
  void WarningDue(const WarningFacts& facts) override { told.push_back("warning " + facts.action); }
  void ActionCancelled(PowerActionCode action) override {
    told.push_back("cancelled " + std::string(PowerActionName(action)));
  }
  void DecisionsSetAside(const std::string& path) override { told.push_back("set aside " + path); }
  std::vector<std::string> told;
};

class SchedulerTest : public testing::Test {
 public:
  // Tuesday 8 December 2026, 10:00.
  SchedulerTest() : clock(runtime, At(2026, 12, 8, 10, 0)) {
    folder.Write("data/.keep", "");
    history.SetPath(folder.path() + "\\user\\History.csv");
  }
  ~SchedulerTest() override { Stop(); }

  // The engine started as the program starts it, its schedules read.
  Scheduler& Start() {
    engine = std::make_unique<Scheduler>(SchedulerServices{clock, locale, files, runtime, power, filter},
                                         folder.path() + "\\data", history);
    engine->hooks.warnLeadSeconds = [this] { return lead; };
    engine->hooks.text = [](std::string_view id) { return std::string(id); };
    engine->AddListener(heard);
    engine->Start();
    engine->Reload();
    return *engine;
  }
  void Stop() {
    if (engine) engine->Stop();
    engine.reset();
  }
  Scheduler& Restart() {
    Stop();
    return Start();
  }

  void WriteSchedule(const std::string& name, const std::string& type, const std::string& date, const std::string& time,
                     bool repeat, int mode, const std::string& period = "", bool enabled = true) {
    folder.Write("data/" + name + ".sch", test::ScheduleText(type, date, time, repeat, mode, period, enabled));
  }
  std::string Path(const std::string& name) const { return folder.path() + "\\data\\" + name + ".sch"; }

  void AdvanceTo(int hour, int minute, int second = 0) {
    const LocalDateTime now = clock.Now();
    long long seconds =
        (hour * 3600LL + minute * 60 + second) - (now.time.hour * 3600LL + now.time.minute * 60 + now.time.second);
    if (seconds <= 0) seconds += 86400;
    runtime.Advance(seconds * 1000);
  }
  std::string NextOf(const std::string& name) const {
    const auto index = engine->Schedules().Find(name);
    return index ? engine->Schedules().At(*index).next.text : "(gone)";
  }
  std::vector<std::string> Actions() const {
    std::vector<std::string> actions;
    for (const std::string& call : power.calls())
      if (call.starts_with("ExitWindowsEx") || call.starts_with("SetSuspendState")) actions.push_back(call);
    return actions;
  }
  // The history as "event schedule details" lines.
  std::vector<std::string> Events() const {
    std::vector<std::string> events;
    for (const HistoryRecord& record : history.Read()) {
      std::string line = std::string(HistoryEventKeyword(record.event)) + " " + record.schedule;
      if (!record.details.empty()) line += " (" + record.details + ")";
      events.push_back(line);
    }
    return events;
  }

  test::TempFolder folder;
  platform::HostFileSystem files{folder.path()};
  ui::HeadlessRuntime runtime;
  platform::RuntimeClock clock;
  platform::PatternLocale locale;
  platform::RecordedPowerSystem power;
  platform::SimulatedPowerBroadcast filter;
  History history{files, clock};
  Heard heard;
  int lead = 0;
  std::unique_ptr<Scheduler> engine;
};

TEST_F(SchedulerTest, TheComingRunIsTheEarliestStillAheadAndOfOneMinuteTheUpper) {
  WriteSchedule("Daily", "Reboot", "12/1/2026", "23:30:00", true, 0);
  WriteSchedule("Once", "Log Off", "12/8/2026", "23:00:00", false, 0);
  // A hand-edited weekly Period that names no weekday gives no run at all, never a past one.
  WriteSchedule("No day", "Shut Down", "12/1/2026", "09:00:00", true, 1, "0,-1");
  Scheduler& scheduler = Start();
  scheduler.ArmQuick("Shut Down", At(2026, 12, 8, 23, 0, 45));
  scheduler.ArmQuick("Shut Down", std::nullopt);
  ASSERT_TRUE(scheduler.Coming());
  EXPECT_EQ(scheduler.Coming()->name, "Once") << "23:00 before 23:30; the quick one below shares 23:00";
  EXPECT_EQ(NextOf("No day"), "");
  scheduler.SetPrevented(true);
  EXPECT_FALSE(scheduler.Coming()) << "nothing comes while schedules are prevented";
  scheduler.SetPrevented(false);
  clock.Jump(14 * 3600);  // asleep past every run: no tick has moved them on yet
  scheduler.DetectionTick();
  ASSERT_TRUE(scheduler.Coming());
  EXPECT_EQ(scheduler.Coming()->name, "Daily");
  EXPECT_EQ(NextOf("Daily"), "12/9/2026 23:30:00");
}

// What the user decided about a run outlives a reload of the list and the program's end.
struct DecisionCase {
  const char* description;
  std::function<void(Scheduler&)> decide;
  const char* next;  // the daily 10:30 shutdown's next run afterwards
};

void PrintTo(const DecisionCase& c, std::ostream* out) { *out << c.description; }

class Decisions : public SchedulerTest, public testing::WithParamInterface<DecisionCase> {};

TEST_P(Decisions, OutliveAReloadAndARestart) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:30:00", true, 0);
  lead = 300;
  Start();
  AdvanceTo(10, 25, 1);  // the warning shows
  GetParam().decide(*engine);
  ASSERT_EQ(NextOf("Nightly"), GetParam().next);
  engine->Reload();
  EXPECT_EQ(NextOf("Nightly"), GetParam().next);
  Restart();
  EXPECT_EQ(NextOf("Nightly"), GetParam().next);
  AdvanceTo(10, 45, 1);
  EXPECT_EQ(Actions().size(), std::string_view(GetParam().next).ends_with("10:40:00 AM") ? 1U : 0U)
      << "the postponed run comes at its new minute, the skipped one never";
}

INSTANTIATE_TEST_SUITE_P(
    Engine, Decisions,
    testing::Values(
        DecisionCase{"skipped in the row menu", [](Scheduler& s) { s.SkipNextRun(0); }, "12/9/2026 10:30:00"},
        DecisionCase{"skipped in the warning", [](Scheduler& s) { s.SkipWarned(); }, "12/9/2026 10:30:00"},
        DecisionCase{"postponed in the warning", [](Scheduler& s) { s.PostponeWarned(10); }, "12/8/2026 10:40:00 AM"}));

struct StaleCase {
  const char* description;
  std::function<void(SchedulerTest&)> change;
};

void PrintTo(const StaleCase& c, std::ostream* out) { *out << c.description; }

class StaleDecisions : public SchedulerTest, public testing::WithParamInterface<StaleCase> {};

// A schedule changed by any means, or gone, or whose skipped run has passed, drops the decision.
TEST_P(StaleDecisions, AreDropped) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:30:00", true, 0);
  Start().SkipNextRun(0);
  ASSERT_NE(folder.Read("data/decisions.txt").find("skip\t"), std::string::npos);
  GetParam().change(*this);
  Restart();
  EXPECT_EQ(folder.Read("data/decisions.txt").find("skip\t"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Engine, StaleDecisions,
                         testing::Values(StaleCase{"edited by hand",
                                                   [](SchedulerTest& fixture) {
                                                     fixture.WriteSchedule("Nightly", "Shut Down", "12/1/2026",
                                                                           "10:31:00", true, 0);
                                                   }},
                                         StaleCase{"deleted",
                                                   [](SchedulerTest& fixture) {
                                                     ASSERT_EQ(fixture.engine->Delete(0), platform::FileFault::None);
                                                   }},
                                         StaleCase{"its run passed",
                                                   [](SchedulerTest& fixture) { fixture.AdvanceTo(10, 31); }}));

TEST_F(SchedulerTest, AStartInTheMiddleOfAPostponementKeepsIt) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:30:00", true, 0);
  lead = 300;
  Start();
  AdvanceTo(10, 25, 1);
  engine->PostponeWarned(30);  // 11:00
  AdvanceTo(10, 35);
  Restart();  // after the minute it was due, before the one it moved to
  EXPECT_EQ(NextOf("Nightly"), "12/8/2026 11:00:00 AM");
}

TEST_F(SchedulerTest, QuickSchedulesOutliveReloadsAndGoOnlyWhenTakenAway) {
  WriteSchedule("Stored", "Reboot", "12/9/2026", "08:00:00", false, 0);
  Scheduler& scheduler = Start();
  scheduler.ArmQuick("Shut Down", At(2026, 12, 8, 10, 15));
  scheduler.ArmQuick("Log Off", At(2026, 12, 8, 10, 20));
  scheduler.Reload();
  ASSERT_EQ(scheduler.Schedules().Count(), 3U);
  EXPECT_EQ(NextOf("Quick Schedule 12/8/2026 10:00:00 AM"), "12/8/2026 10:15:00 AM");
  ASSERT_EQ(scheduler.Delete(1), platform::FileFault::None);
  scheduler.SkipNextRun(1);
  EXPECT_EQ(scheduler.Schedules().Count(), 1U);
  EXPECT_EQ(Events(),
            (std::vector<std::string>{
                "armed Quick Schedule 12/8/2026 10:00:00 AM", "armed Quick Schedule 12/8/2026 10:00:00 AM",
                "disarmed Quick Schedule 12/8/2026 10:00:00 AM", "skipped Quick Schedule 12/8/2026 10:00:00 AM"}));
}

TEST_F(SchedulerTest, AFileLockedAcrossItsRunKeepsItsRuleAndIsReadAgain) {
  WriteSchedule("Daily", "Log Off", "12/1/2026", "10:01:00", true, 0);
  WriteSchedule("Locked at start", "Reboot", "12/1/2026", "22:00:00", true, 0);
  files.SetUnreadable(Path("Locked at start"), true);
  Start();
  EXPECT_EQ(NextOf("Locked at start"), "");
  files.SetUnreadable(Path("Daily"), true);
  files.SetUnreadable(Path("Locked at start"), false);
  AdvanceTo(10, 1, 2);
  EXPECT_EQ(Actions(), std::vector<std::string>{"ExitWindowsEx(4)"});
  EXPECT_EQ(NextOf("Daily"), "12/9/2026 10:01:00") << "the rule it had gives the next run";
  EXPECT_EQ(NextOf("Locked at start"), "12/8/2026 22:00:00") << "read again at the next minute";
  files.SetUnreadable(Path("Daily"), false);
  AdvanceTo(10, 3);
  EXPECT_EQ(NextOf("Daily"), "12/9/2026 10:01:00");
}

class EnabledValue : public SchedulerTest, public testing::WithParamInterface<const char*> {};

// Only "1" shows "Yes" in the list, so only "1" runs.
TEST_P(EnabledValue, OtherThanOneNeverRuns) {
  folder.Write("data/Hand.sch", std::string("<DATA>\r\nItemType=Reboot\r\nEnabled=") + GetParam() +
                                    "\r\n</DATA>\r\n<SCHEDULER>\r\nStartDate=12/8/2026\r\nStartTime=10:01:00\r\n"
                                    "Repeat=0\r\n</SCHEDULER>\r\n");
  Start();
  AdvanceTo(10, 2);
  const bool runs = std::string_view(GetParam()) == "1";
  EXPECT_EQ(engine->Schedules().At(0).enabled, runs);
  EXPECT_EQ(Actions().size(), runs ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(Engine, EnabledValue, testing::Values("1", "0", "2", "-1", "yes", ""));

TEST_F(SchedulerTest, TheHistoryHasEachRunBeforeTheSystemIsAsked) {
  WriteSchedule("First", "Log Off", "12/8/2026", "10:01:00", false, 0);
  WriteSchedule("Second", "Reboot", "12/8/2026", "10:01:00", false, 0);
  std::vector<std::string> beforeAction;
  power.onAction = [&] { beforeAction = Events(); };
  Start();
  AdvanceTo(10, 2);
  EXPECT_EQ(beforeAction, std::vector<std::string>{"ran First"});
  EXPECT_EQ(Events(), (std::vector<std::string>{"ran First", "skipped Second (same minute)"}));
  const HistoryRecord ran = history.Read().front();
  ASSERT_TRUE(ran.due);
  EXPECT_EQ(FormatZonedMoment(*ran.due), "2026-12-08T10:01:00+00:00");
  EXPECT_EQ(ran.action, "Log Off");
}

TEST_F(SchedulerTest, ARefusalAndACancellationAreToldAndKept) {
  Scheduler& scheduler = Start();
  power.RefuseActions(5);
  EXPECT_FALSE(scheduler.ActNow("Shut Down"));
  power.RefuseActions(platform::kAccepted);
  scheduler.SessionEndCancelled();  // nothing was asked: not this program's to tell
  EXPECT_TRUE(scheduler.ActNow("Reboot"));
  runtime.Advance(30 * 1000);
  scheduler.SessionEndCancelled();
  EXPECT_EQ(Events(), (std::vector<std::string>{"ran ", "refused  (Access is denied.)", "ran ", "cancelled "}));
  EXPECT_EQ(heard.told, std::vector<std::string>{"cancelled Reboot"});
  scheduler.SessionEndCancelled();
  EXPECT_EQ(heard.told.size(), 1U) << "told once";
}

TEST_F(SchedulerTest, MissedRunsAreNotedWhetherAsleepOrNotRunning) {
  WriteSchedule("Daily", "Reboot", "12/1/2026", "10:01:00", true, 0);
  Start();
  clock.Jump(120);  // asleep across 10:01
  runtime.Advance(500);
  EXPECT_EQ(Events(), std::vector<std::string>{"missed Daily (asleep)"});
  Stop();
  clock.Jump(2 * 86400);  // off for two days: the latest run missed is noted
  Start();
  EXPECT_EQ(Events().back(), "missed Daily (not running)");
  EXPECT_EQ(history.Read().back().due->local, At(2026, 12, 10, 10, 1));
  EXPECT_EQ(Actions().size(), 0U) << "never made up for";
}

TEST_F(SchedulerTest, ARunPreventedIsNotedOnceAndNotAsMissed) {
  WriteSchedule("Daily", "Reboot", "12/1/2026", "10:01:00", true, 0);
  Start().SetPrevented(true);
  AdvanceTo(10, 2, 30);  // cleared after the minute has passed
  engine->SetPrevented(false);
  AdvanceTo(10, 3);
  EXPECT_EQ(Events(), std::vector<std::string>{"skipped Daily (prevented)"});
  EXPECT_EQ(Actions().size(), 0U);
}

struct WakeHoldCase {
  const char* description;
  long long wokeSecondsBefore;  // before the 10:05 run
  std::function<void(SchedulerTest&)> then;
  bool heldAfter;
};

void PrintTo(const WakeHoldCase& c, std::ostream* out) { *out << c.description; }

class WakeHold : public SchedulerTest, public testing::WithParamInterface<WakeHoldCase> {};

// Woken for a run, the system is held awake until the run is asked of it, and no longer.
TEST_P(WakeHold, LastsUntilTheRunIsAsked) {
  WriteSchedule("Wake", "Reboot", "12/8/2026", "10:05:00", false, 0);
  lead = 60;
  Start();
  const auto held = [this] { return power.executionState() != platform::execution_state::kContinuous; };
  AdvanceTo(10, 0, 30);
  clock.Jump(270 - GetParam().wokeSecondsBefore);  // asleep from 10:00:30, no timer running
  engine->SystemResumed();
  const bool expectHeld = GetParam().wokeSecondsBefore <= 180;
  EXPECT_EQ(held(), expectHeld);
  GetParam().then(*this);
  EXPECT_EQ(held(), GetParam().heldAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, WakeHold,
    testing::Values(WakeHoldCase{"woken for the run, which comes", 120,
                                 [](SchedulerTest& fixture) { fixture.AdvanceTo(10, 5, 2); }, false},
                    WakeHoldCase{"woken for the run, still before it", 120,
                                 [](SchedulerTest& fixture) { fixture.AdvanceTo(10, 4, 30); }, true},
                    WakeHoldCase{"the run skipped", 120, [](SchedulerTest& fixture) { fixture.engine->SkipNextRun(0); },
                                 false},
                    WakeHoldCase{"woken long before", 3600, [](SchedulerTest&) {}, false}));

TEST_F(SchedulerTest, AnUnreadableDecisionsFileIsSetAsideAndToldOnce) {
  folder.Write("data/decisions.txt", "not the program's\r\n");
  Start();
  const std::string aside = folder.path() + "\\data\\decisions-unreadable.txt";
  EXPECT_EQ(heard.told, std::vector<std::string>{"set aside " + aside});
  EXPECT_TRUE(folder.Exists("data/decisions-unreadable.txt"));
  Restart();
  EXPECT_EQ(heard.told.size(), 1U);
}

}  // namespace
}  // namespace curfew
