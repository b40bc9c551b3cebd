#include "ui/schedule_list_view.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>

#include "platform/date_arithmetic.h"

namespace curfew {
namespace {

// The list's columns after the name.
enum Column : int { kType = 1, kLastRunTime = 2, kNextRunTime = 3, kEnabled = 4 };

// What a row is ordered by in a column: a moment, or a text compared without letter case.
struct SortKey {
  std::optional<LocalDateTime> moment;
  std::string text;
  bool missing = false;  // no value: such rows come last whichever way the list goes
};

// A last run as the list shows it ("12/8/2026 10:01:00 PM", or the date alone at midnight).
std::optional<LocalDateTime> ReadShownMoment(const std::string& text, const platform::Locale& locale) {
  const std::size_t blank = text.find(' ');
  const auto date = locale.ReadDate(text.substr(0, blank));
  if (!date) return std::nullopt;
  if (blank == std::string::npos) return LocalDateTime{*date, {}};
  const auto time = locale.ReadTimeOfDay(text.substr(blank + 1));
  if (!time) return std::nullopt;
  return LocalDateTime{*date, *time};
}

SortKey KeyOf(const ScheduleEntry& entry, int column, const platform::Locale& locale) {
  switch (column) {
    case 1: return {std::nullopt, locale.ToUpper(entry.name)};
    case 2: return {std::nullopt, locale.ToUpper(entry.action), entry.action.empty()};
    case 3: {
      const auto moment = ReadShownMoment(entry.lastRunText, locale);
      return {moment, {}, !moment};
    }
    case 4: return {entry.next.at, {}, !entry.next.at};
    default: return {std::nullopt, entry.enabled ? "1" : "0"};
  }
}

int Compare(const SortKey& a, const SortKey& b) {
  if (a.moment && b.moment) {
    const long long later = date_arithmetic::SecondsBetween(*b.moment, *a.moment);  // a after b
    return later < 0 ? -1 : later > 0 ? 1 : 0;
  }
  return a.text.compare(b.text);
}

int RowOfIndex(std::size_t index) { return static_cast<int>(index) + 1; }

}  // namespace

void ScheduleListView::SortBy(ScheduleSort sort) {
  sort_ = sort;
  const int selected = schedules_.SelectedItem();
  const std::optional<std::size_t> kept =
      selected > 0 ? std::optional<std::size_t>(IndexOfRow(selected)) : std::nullopt;
  ShowAllRows();
  const auto arrow = sort.ascending ? ui::ListView::SortArrow::Up : ui::ListView::SortArrow::Down;
  schedules_.SetSortArrow(sort.column, sort.column > 0 ? arrow : ui::ListView::SortArrow::None);
  if (kept) schedules_.SetSelectedItem(sort_.column > 0 ? rowOf_.at(*kept) : RowOfIndex(*kept));
}

std::size_t ScheduleListView::IndexOfRow(int row) const {
  const auto position = static_cast<std::size_t>(row - 1);
  return sort_.column > 0 ? order_.at(position) : position;
}

void ScheduleListView::ShowAllRows() {
  const std::size_t count = model_.Count();
  order_.resize(count);
  std::iota(order_.begin(), order_.end(), std::size_t{0});
  if (sort_.column > 0) {
    std::vector<SortKey> keys;
    keys.reserve(count);
    for (std::size_t index = 0; index < count; ++index) keys.push_back(KeyOf(model_.At(index), sort_.column, locale_));
    // Rows that tie keep the order they were read in.
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
      if (keys[a].missing != keys[b].missing) return keys[b].missing;
      const int order = Compare(keys[a], keys[b]);
      return sort_.ascending ? order < 0 : order > 0;
    });
  }
  rowOf_.assign(count, 0);
  for (std::size_t row = 0; row < count; ++row) rowOf_[order_[row]] = static_cast<int>(row) + 1;
  const ui::ListView::Batch batch(schedules_);
  schedules_.ClearListItems();
  for (const std::size_t index : order_) AddRow(model_.At(index));
}

void ScheduleListView::ShowEntries(const std::vector<ScheduleEntry>& /*entries*/) {
  ShowAllRows();
  if (onEntriesShown) onEntriesShown();
}

void ScheduleListView::ShowAddedEntry(const ScheduleEntry& entry) {
  if (sort_.column > 0) {
    SortBy(sort_);
    return;
  }
  AddRow(entry);
}

void ScheduleListView::ShowRemovedEntry(std::size_t index) {
  if (sort_.column == 0) {
    schedules_.RemoveListItem(RowOfIndex(index));
    return;
  }
  // The rows' map still has the schedule gone: the one selected is found by it, then moves up.
  const int selected = schedules_.SelectedItem();
  std::optional<std::size_t> kept = selected > 0 ? std::optional(IndexOfRow(selected)) : std::nullopt;
  if (kept && *kept == index) kept.reset();
  if (kept && *kept > index) --*kept;
  ShowAllRows();
  if (kept) schedules_.SetSelectedItem(rowOf_.at(*kept));
}

void ScheduleListView::AddRow(const ScheduleEntry& entry) {
  const int row = schedules_.AddListItem(entry.name);
  schedules_.SetSubItem(row, kType, entry.action);
  schedules_.SetSubItem(row, kLastRunTime, entry.lastRunText);
  schedules_.SetSubItem(row, kNextRunTime, entry.next.text);
  schedules_.SetSubItem(row, kEnabled, entry.enabled ? "Yes" : "No");
}

void ScheduleListView::ShowChangedCell(std::size_t index, int column, const std::string& text) {
  if (sort_.column == column + 1) {
    SortBy(sort_);
    return;
  }
  schedules_.SetSubItem(sort_.column > 0 ? rowOf_.at(index) : RowOfIndex(index), column, text);
}

void ScheduleListView::ShowNextRun(std::size_t index, const std::string& text) {
  ShowChangedCell(index, kNextRunTime, text);
}

void ScheduleListView::ShowEntryChanged(std::size_t index) {
  if (sort_.column > 0) {
    SortBy(sort_);
    return;
  }
  const ScheduleEntry& entry = model_.At(index);
  const int row = RowOfIndex(index);
  schedules_.SetSubItem(row, kType, entry.action);
  schedules_.SetSubItem(row, kLastRunTime, entry.lastRunText);
  schedules_.SetSubItem(row, kNextRunTime, entry.next.text);
  schedules_.SetSubItem(row, kEnabled, entry.enabled ? "Yes" : "No");
}

void ScheduleListView::ShowLastRun(std::size_t index, const std::string& text) {
  ShowChangedCell(index, kLastRunTime, text);
}

}  // namespace curfew
