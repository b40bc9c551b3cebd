#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "platform/locale.h"
#include "scheduling/next_run_time.h"

namespace curfew {

// Where a schedule comes from: a file of the data folder, or the quick schedule of the main
// window, which has no file and runs once.
enum class ScheduleSource { File, Quick };

// One schedule as the list shows it and the engine runs it.
struct ScheduleEntry {
  std::string name;
  std::string action;  // "Shut Down", "Reboot", ...
  ScheduleSource source = ScheduleSource::File;
  bool enabled = false;     // the file has a start date and time at all
  std::string lastRunText;  // shown as the file has it
  NextRun next;

  friend bool operator==(const ScheduleEntry&, const ScheduleEntry&) = default;
};

// Where a next run stands against the clock, to the minute.
enum class Due {
  No,      // no next run
  Yes,     // in the current minute
  Ahead,   // a later minute
  Missed,  // an earlier minute: it passed without a run (sleep, a clock change)
};

Due DueAt(const NextRun& next, const LocalDateTime& now);

// What the window showing the schedules hears: each change once, as it happens.
class ScheduleView {
 public:
  virtual ~ScheduleView() = default;
  virtual void ShowEntries(const std::vector<ScheduleEntry>& entries) = 0;
  virtual void ShowAddedEntry(const ScheduleEntry& entry) = 0;  // after the last one
  virtual void ShowNextRun(std::size_t index, const std::string& text) = 0;
  virtual void ShowLastRun(std::size_t index, const std::string& text) = 0;
  virtual void ShowEntryChanged(std::size_t index) = 0;  // every column of one schedule
  virtual void ShowWorkAdded(const std::string& name) = 0;
  virtual void ShowFirstWorkTaken() = 0;
  virtual void ShowWorkCleared() = 0;
};

// Where a schedule's runs come from, read anew each time they are asked for.
class RunSource {
 public:
  virtual ~RunSource() = default;
  // The run after the moment seen; none when the schedule has no more.
  virtual NextRun NextRunOf(const ScheduleEntry& entry, const LocalDateTime& seen) const = 0;
};

// The schedules of the main window in list order, and the work list of names whose minute has
// come. Two schedules may share a name (two quick schedules made in one second): the upper one
// is the one a name finds.
class ScheduleModel {
 public:
  ScheduleModel(const RunSource& runs, const platform::Locale& locale) : runs_(runs), locale_(locale) {}

  void SetView(ScheduleView* view) { view_ = view; }

  // The whole list anew (the data folder read again).
  void Replace(std::vector<ScheduleEntry> entries);
  // A quick schedule made at now for that action and moment (none: it never runs); it is
  // named after the moment it was made.
  void AddQuick(std::string action, const LocalDateTime& now, const std::optional<LocalDateTime>& at);

  std::size_t Count() const { return entries_.size(); }
  const ScheduleEntry& At(std::size_t index) const { return entries_.at(index); }
  std::optional<std::size_t> Find(std::string_view name) const;

  Due Check(std::size_t index, const LocalDateTime& now) const { return DueAt(At(index).next, now); }
  // The minute has come: the name joins the work list and the schedule shows no next run
  // until it has run.
  void Queue(std::size_t index);
  // The next run as its source gives it seen at now: after a run, a missed minute or a drop.
  void RunAgainFrom(std::size_t index, const LocalDateTime& now);
  // This run moves to until; the schedule's later runs stay where they were.
  void Postpone(std::size_t index, const LocalDateTime& until);
  // The coming run is left out: a repeating schedule's next run becomes the one after it, and a
  // schedule that runs once has none left.
  void SkipNextRun(std::size_t index);
  // The schedule ran: its last run as its file now has it.
  void SetLastRun(std::size_t index, std::string text);
  // The schedule as its file now gives it (switched off or on), in its place.
  void Change(std::size_t index, ScheduleEntry entry);

  // The earliest coming run; of runs in one minute the upper schedule's, which is the one that
  // runs. None when nothing is to run.
  struct Coming {
    std::size_t index = 0;
    LocalDateTime at;
  };
  std::optional<Coming> NextAction() const;
  // Counts the changes of the schedules' runs and actions: what was worked out from them at one
  // revision holds as long as it stays.
  std::size_t Revision() const { return revision_; }

  const std::deque<std::string>& WorkList() const { return work_; }
  // The first name of the work list, taken off it.
  std::optional<std::string> TakeWork();
  // The names still on the work list, taken off it: they fell due in the minute of the one
  // that runs, and are dropped.
  std::vector<std::string> DropWork();

 private:
  void SetNext(std::size_t index, NextRun next);

  const RunSource& runs_;
  const platform::Locale& locale_;
  ScheduleView* view_ = nullptr;
  std::vector<ScheduleEntry> entries_;
  std::deque<std::string> work_;
  std::size_t revision_ = 0;
};

}  // namespace curfew
