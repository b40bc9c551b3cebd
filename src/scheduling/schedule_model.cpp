#include "scheduling/schedule_model.h"

#include <algorithm>
#include <tuple>

namespace curfew {
namespace {

// Local date-times in order to the minute: seconds never split a minute's runs.
auto MinuteOf(const LocalDateTime& value) { return std::tuple(value.date, value.time.hour, value.time.minute); }

}  // namespace

bool EarlierMinute(const LocalDateTime& a, const LocalDateTime& b) { return MinuteOf(a) < MinuteOf(b); }

Due DueAt(const NextRun& next, const LocalDateTime& now) {
  if (!next.at) return Due::No;
  const auto run = MinuteOf(*next.at);
  const auto current = MinuteOf(now);
  if (run == current) return Due::Yes;
  return run < current ? Due::Missed : Due::Ahead;
}

void ScheduleModel::RemoveView(ScheduleView& view) { std::erase(views_, &view); }

void ScheduleModel::Replace(std::vector<ScheduleEntry> entries) {
  entries_ = std::move(entries);
  Tell([this](ScheduleView& view) { view.ShowEntries(entries_); });
}

void ScheduleModel::Add(ScheduleEntry entry) {
  entries_.push_back(std::move(entry));
  Tell([this](ScheduleView& view) { view.ShowAddedEntry(entries_.back()); });
}

void ScheduleModel::Remove(std::size_t index) {
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  Tell([index](ScheduleView& view) { view.ShowRemovedEntry(index); });
}

std::optional<std::size_t> ScheduleModel::Find(std::string_view name) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [name](const auto& e) { return e.name == name; });
  if (found == entries_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - entries_.begin());
}

void ScheduleModel::SetNext(std::size_t index, NextRun next) {
  ScheduleEntry& entry = entries_.at(index);
  if (entry.next == next) return;
  entry.next = std::move(next);
  Tell([&](ScheduleView& view) { view.ShowNextRun(index, entry.next.text); });
}

void ScheduleModel::SetLastRun(std::size_t index, std::string text) {
  ScheduleEntry& entry = entries_.at(index);
  entry.lastRunText = std::move(text);
  Tell([&](ScheduleView& view) { view.ShowLastRun(index, entry.lastRunText); });
}

void ScheduleModel::SetRule(std::size_t index, std::optional<RunRule> rule, bool unread) {
  ScheduleEntry& entry = entries_.at(index);
  entry.rule = std::move(rule);
  entry.unread = unread;
}

void ScheduleModel::Change(std::size_t index, ScheduleEntry entry) {
  entries_.at(index) = std::move(entry);
  Tell([index](ScheduleView& view) { view.ShowEntryChanged(index); });
}

void ScheduleModel::Queue(std::size_t index) {
  work_.push_back(At(index).name);
  Tell([this](ScheduleView& view) { view.ShowWorkAdded(work_.back()); });
  SetNext(index, {});
}

std::optional<std::string> ScheduleModel::TakeWork() {
  if (work_.empty()) return std::nullopt;
  std::string name = std::move(work_.front());
  work_.pop_front();
  Tell([](ScheduleView& view) { view.ShowFirstWorkTaken(); });
  return name;
}

std::vector<std::string> ScheduleModel::DropWork() {
  std::vector<std::string> dropped(std::make_move_iterator(work_.begin()), std::make_move_iterator(work_.end()));
  work_.clear();
  Tell([](ScheduleView& view) { view.ShowWorkCleared(); });
  return dropped;
}

}  // namespace curfew
