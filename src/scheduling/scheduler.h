#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/event_timer.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/power.h"
#include "platform/power_broadcast.h"
#include "power/cpower.h"
#include "scheduling/history.h"
#include "scheduling/run_decisions.h"
#include "scheduling/schedule_load.h"
#include "scheduling/schedule_model.h"

namespace curfew {

// The run the engine makes next.
struct ComingRun {
  std::string name;
  std::string action;
  ScheduleSource source = ScheduleSource::File;
  LocalDateTime at;

  friend bool operator==(const ComingRun&, const ComingRun&) = default;
};

// What a warning tells of the run to come.
struct WarningFacts {
  std::string action;                   // "Shut Down", ...
  std::optional<std::string> schedule;  // the schedule's name; none for a quick schedule
  LocalDateTime at;                     // the run's minute
  LocalDateTime countsTo;               // when the action starts: the minute, or later within it
};

// What the engine tells those who show it (the windows, the tray icon, the wake timer). Each
// hears only what it overrides.
class SchedulerListener {
 public:
  virtual ~SchedulerListener() = default;
  // The run to come is another one, or none, or today became another day.
  virtual void ComingChanged() {}
  // Schedules prevented, or the computer kept awake, was switched.
  virtual void SwitchesChanged() {}
  virtual void WarningDue(const WarningFacts& /*facts*/) {}
  virtual void WarningGone() {}
  // When the computer should wake for the coming run; rearm when the system may have lost the
  // timer (it woke, or the clock was set).
  virtual void WakeMomentChanged(const std::optional<LocalDateTime>& /*moment*/, bool /*rearm*/) {}
  // An action is about to be asked of the system, which may end the session at once.
  virtual void ActionStarting() {}
  virtual void ActionRefused(const PowerRefusal& /*refusal*/) {}
  // Another program cancelled the log-off, shut-down or restart the program asked for.
  virtual void ActionCancelled(PowerActionCode /*action*/) {}
  // The stored decisions could not be read; the file was set aside under that name.
  virtual void DecisionsSetAside(const std::string& /*path*/) {}
};

// What the engine needs of the system.
struct SchedulerServices {
  const platform::Clock& clock;
  const platform::Locale& locale;
  platform::FileSystem& files;
  platform::EventTimers& timers;
  platform::PowerSystem& power;
  platform::PowerBroadcastFilter& powerFilter;
};

// What the engine asks of the program around it; each has a default for a program without
// settings or texts.
struct SchedulerHooks {
  // The warning's lead in seconds (0: no warning), read once a minute.
  std::function<int()> warnLeadSeconds = [] { return 0; };
  // Whether the computer is woken from sleep for a run.
  std::function<bool()> wakesForRuns = [] { return true; };
  // A message of the catalogue ("MSG_KEEPAWAKE", "MSG_WAKEREASON").
  std::function<std::string(std::string_view id)> text = [](std::string_view id) { return std::string(id); };
  // Lets pending events of the user-interface thread run during a long pass; answers whether
  // any may have run (the clock may have moved on).
  std::function<bool()> letEventsRun = [] { return false; };
};

// The scheduling engine: it holds the schedules (the stored ones and the quick ones), finds
// the runs whose minute has come and asks them of the system, warns before them, keeps the
// user's decisions (skip, postpone) across restarts, wakes the computer for them and writes
// the history of what it did. It runs on the user-interface thread on timers of its own and
// needs no window; windows, the tray icon and the wake timer listen to it, and their commands
// are its calls.
class Scheduler {
 public:
  Scheduler(SchedulerServices services, std::string dataFolder, History& history);
  ~Scheduler();
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  SchedulerHooks hooks;
  void AddListener(SchedulerListener& listener) { listeners_.push_back(&listener); }
  void RemoveListener(SchedulerListener& listener) { std::erase(listeners_, &listener); }
  void AddView(ScheduleView& view) { model_.AddView(view); }
  void RemoveView(ScheduleView& view) { model_.RemoveView(view); }

  // Reads the decisions kept from the last run, notes the runs missed since then and starts
  // looking for due runs. The schedules come from a load or a reload.
  void Start();
  // The program ends: the timers stop, the moment is noted, nothing is held awake any more.
  void Stop();

  // The schedules ----------------------------------------------------------------------------
  const ScheduleModel& Schedules() const { return model_; }
  // Every schedule file read anew; quick schedules stay as they are.
  void Reload();
  // These schedules in place of the stored ones, as a load gives them.
  void Put(std::vector<ScheduleEntry> entries);
  // The same on a thread of its own (the start): TakeLoaded puts the schedules in the list
  // once they are read, FinishLoad waits for them.
  void StartLoad();
  bool TakeLoaded();
  void FinishLoad();

  // A quick schedule made now for that moment (none: it never runs).
  void ArmQuick(std::string action, const std::optional<LocalDateTime>& at);
  // A stored schedule's file is deleted, or a quick schedule taken away; the reason the file
  // could not be deleted otherwise (the schedule stays).
  platform::FileFault Delete(std::size_t index);
  // The coming run is left out: a repeating schedule's next run becomes the one after it; a
  // quick schedule is taken away.
  void SkipNextRun(std::size_t index);
  // Switches a stored schedule off (no runs, its start kept) or on again, in its file.
  platform::FileFault SwitchOnOff(std::size_t index);
  // The schedule's action at once, not forced (the user is there to answer), noted as its run.
  bool RunNow(std::size_t index);
  // An action at once without a schedule (the quick schedule's "Now", the Action menu).
  bool ActNow(std::string_view action);

  // The coming run moves to until (a quick schedule's too); the runs after it stay where they
  // were.
  void Postpone(std::size_t index, const LocalDateTime& until);

  // The warning's answers.
  void RunWarnedNow();
  void PostponeWarned(int minutes);
  void SkipWarned();

  // The two switches ---------------------------------------------------------------------------
  bool Prevented() const { return prevented_; }
  void SetPrevented(bool prevented);
  bool KeptAwake() const { return keptAwake_; }
  void SetKeptAwake(bool awake);

  // The run to come; none while schedules are prevented or nothing is to run.
  const std::optional<ComingRun>& Coming() const { return coming_; }

  // What the detection timer does twice a second, also for a look at once.
  void DetectionTick();

  // What the system tells ---------------------------------------------------------------------
  // Back from sleep on its own (a wake timer): the run it woke for is held awake for.
  void SystemResumed();
  void ClockChanged();
  // Another program refused the end of the session the program asked for.
  void SessionEndCancelled();

  CPower& Power();
  // The power object goes, and with it the stand-by prevention.
  void ReleasePower();

 private:
  struct WarnedRun {
    std::string name;
    LocalDateTime at;
    friend bool operator==(const WarnedRun&, const WarnedRun&) = default;
  };
  struct PendingExit {
    PowerActionCode action;
    std::string schedule;
    LocalDateTime at;
  };

  template <typename Tell>
  void TellListeners(Tell tell) {
    for (SchedulerListener* listener : std::vector<SchedulerListener*>(listeners_)) tell(*listener);
  }

  // Loading and the decisions (scheduler.cpp).
  void ApplyDecisions(ScheduleEntry& entry, const LocalDateTime& now) const;
  NextRun DecidedNextRun(const ScheduleEntry& entry, const LocalDateTime& seen) const;
  void ReadKeptDecisions();
  void WriteKeptDecisions();
  void DropDecisionsOf(std::string_view name);
  void DropPassedDecisions(const LocalDateTime& now);
  void NoteMissedWhileAway(const LocalDateTime& since, const LocalDateTime& now);
  void Remember(RunDecision decision);
  const RunDecision* PostponementOf(const ScheduleEntry& entry) const;
  // The next run of a schedule after the moment seen, its file read anew.
  void RunAgainFrom(std::size_t index, const LocalDateTime& seen);
  bool Record(HistoryEvent event, const ScheduleEntry& entry, const std::optional<LocalDateTime>& due,
              std::string details = {});

  // Detection, the queue and the action (scheduler_runs.cpp).
  void DetectDueRuns();
  void NotePreventedRuns(const LocalDateTime& now);
  void QueueRunnerTick();
  void ActionHandlerTick();
  void QueueRun(std::size_t index, const LocalDateTime& due);
  void ContinueQueue();
  std::optional<std::string> RecordRun(std::size_t index);
  void TakeBackRun(std::string_view name, const std::string& lastRunBefore);
  void RefreshNextRunTime(std::string_view name);
  // Asks the system for the action; a refusal is told. False when refused.
  bool Act(std::string_view action, bool force, const std::string& schedule, const LocalDateTime& due);

  // The warning, the coming run and the wake (scheduler_warning.cpp).
  void Settle();
  void Changed() { dirty_ = true; }
  std::optional<ComingRun> WorkOutComing(const LocalDateTime& now) const;
  void NewMinute(const LocalDateTime& now);
  int WarnLeadSeconds() const { return warnLead_; }
  void WarnOfComingRun(const LocalDateTime& now);
  bool HeldByWarning(const LocalDateTime& at, const LocalDateTime& now) const;
  void WithdrawWarning();
  std::optional<std::size_t> WarnedIndex() const;
  std::optional<LocalDateTime> WorkOutWakeMoment(const LocalDateTime& now) const;
  void ShowWakeMoment(bool rearm);
  void KeepAwakeForRun(const LocalDateTime& now);
  void EndRunHold();

  SchedulerServices services_;
  std::string dataFolder_;
  History& history_;
  ScheduleModel model_;
  std::vector<SchedulerListener*> listeners_;
  std::optional<CPower> power_;
  std::optional<ScheduleLoad> load_;

  std::unique_ptr<platform::EventTimer> detection_;      // 500 ms: finds due runs
  std::unique_ptr<platform::EventTimer> queueRunner_;    // 500 ms: hands the queue on
  std::unique_ptr<platform::EventTimer> actionHandler_;  // 250 ms: makes one run
  std::unique_ptr<platform::EventTimer> loadPoll_;       // 20 ms: looks for the schedules read
  bool started_ = false;
  bool detecting_ = false;

  bool prevented_ = false;
  bool keptAwake_ = false;
  std::vector<RunDecision> decisions_;
  std::optional<LocalDateTime> seenAtStart_;  // the program's last known moment before this start
  // The minute each queued name fell due in.
  std::map<std::string, LocalDateTime> queuedDue_;
  // Runs made before their minute, by name: the minute their next run counts from.
  std::map<std::string, LocalDateTime> runFloor_;
  // Runs whose minute came while schedules were prevented, noted once each.
  std::set<std::pair<std::string, std::string>> preventedRuns_;

  bool dirty_ = true;
  std::optional<ComingRun> coming_;
  std::optional<std::chrono::year_month_day> comingToldOn_;
  std::optional<LocalDateTime> minuteSeen_;  // the minute of the last tick
  int warnLead_ = 0;
  std::optional<WarnedRun> warned_;
  bool warningShown_ = false;
  std::optional<LocalDateTime> holdUntil_;
  std::optional<LocalDateTime> wakeMoment_;
  bool wakeTold_ = false;
  bool rearmWake_ = false;  // the next look at the wake moment arms the timer whatever it is
  // The run the system is held awake for after it woke, until it is asked or its time is past.
  std::optional<WarnedRun> heldForRun_;
  std::optional<PendingExit> pendingExit_;
};

}  // namespace curfew
