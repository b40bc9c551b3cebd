#pragma once

#include <functional>
#include <vector>

#include "platform/locale.h"
#include "platform/windowing/controls.h"
#include "scheduling/schedule_model.h"

namespace curfew {

// The order the list shows the schedules in: by one of its columns (1 to 5), either way, or as
// they were read (column 0). Dates and times go by their value; rows without one come last.
struct ScheduleSort {
  int column = 0;
  bool ascending = true;

  friend bool operator==(const ScheduleSort&, const ScheduleSort&) = default;
};

// The main window's schedule list and its hidden work list, showing the schedules' model: one
// row or cell call per change; a whole list in one batch. A sorted list is a view only: the
// engine runs the schedules in the model's order whatever the rows show.
class ScheduleListView final : public ScheduleView {
 public:
  ScheduleListView(ui::ListView& schedules, ui::ListBox& work, const ScheduleModel& model,
                   const platform::Locale& locale)
      : schedules_(schedules), work_(work), model_(model), locale_(locale) {}

  // After a whole list is shown anew.
  std::function<void()> onEntriesShown;

  // Shows the rows in that order, the selected schedule still selected; the header shows it.
  void SortBy(ScheduleSort sort);
  ScheduleSort Sort() const { return sort_; }
  // The schedule a row (from 1) shows.
  std::size_t IndexOfRow(int row) const;

  void ShowEntries(const std::vector<ScheduleEntry>& entries) override;
  void ShowAddedEntry(const ScheduleEntry& entry) override;
  void ShowRemovedEntry(std::size_t index) override;
  void ShowNextRun(std::size_t index, const std::string& text) override;
  void ShowLastRun(std::size_t index, const std::string& text) override;
  void ShowEntryChanged(std::size_t index) override;
  void ShowWorkAdded(const std::string& name) override { work_.AddItem(name); }
  void ShowFirstWorkTaken() override { work_.RemoveItem(0); }
  void ShowWorkCleared() override { work_.Clear(); }

 private:
  // Every row anew in the sort order.
  void ShowAllRows();
  void AddRow(const ScheduleEntry& entry);
  // A cell of a schedule changed: the cell alone, or every row when the order follows it.
  void ShowChangedCell(std::size_t index, int column, const std::string& text);

  ui::ListView& schedules_;
  ui::ListBox& work_;
  const ScheduleModel& model_;
  const platform::Locale& locale_;
  ScheduleSort sort_;
  std::vector<std::size_t> order_;  // row - 1 to the schedule's index, while sorted
  std::vector<int> rowOf_;          // the schedule's index to its row, while sorted
};

}  // namespace curfew
