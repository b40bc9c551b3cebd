#include "ui/schedule_list_view.h"

namespace curfew {
namespace {

// The list's columns after the name.
enum Column : int { kType = 1, kLastRunTime = 2, kNextRunTime = 3, kEnabled = 4 };

int RowOf(std::size_t index) { return static_cast<int>(index) + 1; }

}  // namespace

void ScheduleListView::ShowEntries(const std::vector<ScheduleEntry>& entries) {
  const ui::ListView::Batch batch(schedules_);
  schedules_.ClearListItems();
  for (const ScheduleEntry& entry : entries) ShowAddedEntry(entry);
  if (onEntriesShown) onEntriesShown();
}

void ScheduleListView::ShowAddedEntry(const ScheduleEntry& entry) {
  const int row = schedules_.AddListItem(entry.name);
  schedules_.SetSubItem(row, kType, entry.action);
  schedules_.SetSubItem(row, kLastRunTime, entry.lastRunText);
  schedules_.SetSubItem(row, kNextRunTime, entry.next.text);
  schedules_.SetSubItem(row, kEnabled, entry.enabled ? "Yes" : "No");
}

void ScheduleListView::ShowNextRun(std::size_t index, const std::string& text) {
  schedules_.SetSubItem(RowOf(index), kNextRunTime, text);
}

void ScheduleListView::ShowLastRun(std::size_t index, const std::string& text) {
  schedules_.SetSubItem(RowOf(index), kLastRunTime, text);
}

}  // namespace curfew
