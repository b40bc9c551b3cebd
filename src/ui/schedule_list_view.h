#pragma once

#include "platform/windowing/controls.h"
#include "scheduling/schedule_model.h"

namespace curfew {

// The main window's schedule list and its hidden work list, showing the schedules' model: one
// row or cell call per change; a whole list in one batch.
class ScheduleListView final : public ScheduleView {
 public:
  ScheduleListView(ui::ListView& schedules, ui::ListBox& work) : schedules_(schedules), work_(work) {}

  // After a whole list is shown anew.
  std::function<void()> onEntriesShown;

  void ShowEntries(const std::vector<ScheduleEntry>& entries) override;
  void ShowAddedEntry(const ScheduleEntry& entry) override;
  void ShowNextRun(std::size_t index, const std::string& text) override;
  void ShowLastRun(std::size_t index, const std::string& text) override;
  void ShowWorkAdded(const std::string& name) override { work_.AddItem(name); }
  void ShowFirstWorkTaken() override { work_.RemoveItem(0); }
  void ShowWorkCleared() override { work_.Clear(); }

 private:
  ui::ListView& schedules_;
  ui::ListBox& work_;
};

}  // namespace curfew
