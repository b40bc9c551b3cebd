#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "scheduling/next_run_time.h"

namespace curfew {

// Where a schedule comes from: a file of the data folder, or the quick schedule of the main
// window, which has no file and runs once.
enum class ScheduleSource { File, Quick };

// What a schedule's file said of its runs when it was last read.
struct RunRule {
  std::string section;  // the SCHEDULER section
  // Of what decides the runs and the action: a change by any means drops the user's decisions
  // about coming runs.
  std::uint64_t fingerprint = 0;

  friend bool operator==(const RunRule&, const RunRule&) = default;
};

// One schedule as the list shows it and the engine runs it.
struct ScheduleEntry {
  std::string name;
  std::string action;  // "Shut Down", "Reboot", ...
  ScheduleSource source = ScheduleSource::File;
  bool enabled = false;     // the file says "Enabled=1": only then does it run
  std::string lastRunText;  // shown as the file has it
  NextRun next;
  // None for a quick schedule and for a file never read; a file that cannot be read for a
  // while keeps the rule it had.
  std::optional<RunRule> rule{};
  bool unread = false;  // the file could not be read: it is read again at the next minute

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
// Whether a is in an earlier minute than b.
bool EarlierMinute(const LocalDateTime& a, const LocalDateTime& b);

// What a window showing the schedules hears: each change once, as it happens.
class ScheduleView {
 public:
  virtual ~ScheduleView() = default;
  virtual void ShowEntries(const std::vector<ScheduleEntry>& entries) = 0;
  virtual void ShowAddedEntry(const ScheduleEntry& entry) = 0;  // after the last one
  virtual void ShowRemovedEntry(std::size_t index) = 0;
  virtual void ShowNextRun(std::size_t index, const std::string& text) = 0;
  virtual void ShowLastRun(std::size_t index, const std::string& text) = 0;
  virtual void ShowEntryChanged(std::size_t index) = 0;  // every column of one schedule
  virtual void ShowWorkAdded(const std::string& name) = 0;
  virtual void ShowFirstWorkTaken() = 0;
  virtual void ShowWorkCleared() = 0;
};

// The schedules in list order, and the work list of names whose minute has come. Two
// schedules may share a name (two quick schedules made in one second): the upper one is the
// one a name finds. The scheduler changes it; the views show each change.
class ScheduleModel {
 public:
  void AddView(ScheduleView& view) { views_.push_back(&view); }
  void RemoveView(ScheduleView& view);

  // The whole list anew.
  void Replace(std::vector<ScheduleEntry> entries);
  void Add(ScheduleEntry entry);
  void Remove(std::size_t index);

  std::size_t Count() const { return entries_.size(); }
  const ScheduleEntry& At(std::size_t index) const { return entries_.at(index); }
  const std::vector<ScheduleEntry>& Entries() const { return entries_; }
  std::optional<std::size_t> Find(std::string_view name) const;

  Due Check(std::size_t index, const LocalDateTime& now) const { return DueAt(At(index).next, now); }
  void SetNext(std::size_t index, NextRun next);
  void SetLastRun(std::size_t index, std::string text);
  // What the file said of the runs, which no view shows.
  void SetRule(std::size_t index, std::optional<RunRule> rule, bool unread);
  // The schedule as its file now gives it, in its place.
  void Change(std::size_t index, ScheduleEntry entry);

  // The minute has come: the name joins the work list and the schedule shows no next run
  // until it has run.
  void Queue(std::size_t index);
  const std::deque<std::string>& WorkList() const { return work_; }
  // The first name of the work list, taken off it.
  std::optional<std::string> TakeWork();
  // The names still on the work list, taken off it: they fell due in the minute of the one
  // that runs, and are dropped.
  std::vector<std::string> DropWork();

 private:
  template <typename Show>
  void Tell(Show show) const {
    for (ScheduleView* view : views_) show(*view);
  }

  std::vector<ScheduleView*> views_;
  std::vector<ScheduleEntry> entries_;
  std::deque<std::string> work_;
};

}  // namespace curfew
