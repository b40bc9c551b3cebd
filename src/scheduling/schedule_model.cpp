#include "scheduling/schedule_model.h"

#include <algorithm>
#include <tuple>

namespace curfew {
namespace {

// Local date-times in order to the minute: seconds never split a minute's runs.
auto MinuteOf(const LocalDateTime& value) { return std::tuple(value.date, value.time.hour, value.time.minute); }

}  // namespace

Due DueAt(const NextRun& next, const LocalDateTime& now) {
  if (!next.at) return Due::No;
  const auto run = MinuteOf(*next.at);
  const auto current = MinuteOf(now);
  if (run == current) return Due::Yes;
  return run < current ? Due::Missed : Due::Ahead;
}

void ScheduleModel::Replace(std::vector<ScheduleEntry> entries) {
  ++revision_;
  entries_ = std::move(entries);
  if (view_) view_->ShowEntries(entries_);
}

void ScheduleModel::AddQuick(std::string action, const LocalDateTime& now, const std::optional<LocalDateTime>& at) {
  ++revision_;
  ScheduleEntry entry{
      "Quick Schedule " + locale_.FormatGeneralDate(now), std::move(action), ScheduleSource::Quick, true, {}, {}};
  if (at) entry.next = {locale_.FormatGeneralDate(*at), at};
  entries_.push_back(std::move(entry));
  if (view_) view_->ShowAddedEntry(entries_.back());
}

std::optional<std::size_t> ScheduleModel::Find(std::string_view name) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [name](const auto& e) { return e.name == name; });
  if (found == entries_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - entries_.begin());
}

void ScheduleModel::SetNext(std::size_t index, NextRun next) {
  ++revision_;
  ScheduleEntry& entry = entries_.at(index);
  entry.next = std::move(next);
  if (view_) view_->ShowNextRun(index, entry.next.text);
}

void ScheduleModel::SetLastRun(std::size_t index, std::string text) {
  ScheduleEntry& entry = entries_.at(index);
  entry.lastRunText = std::move(text);
  if (view_) view_->ShowLastRun(index, entry.lastRunText);
}

void ScheduleModel::Change(std::size_t index, ScheduleEntry entry) {
  ++revision_;
  entries_.at(index) = std::move(entry);
  if (view_) view_->ShowEntryChanged(index);
}

void ScheduleModel::Queue(std::size_t index) {
  work_.push_back(At(index).name);
  if (view_) view_->ShowWorkAdded(work_.back());
  SetNext(index, {});
}

void ScheduleModel::RunAgainFrom(std::size_t index, const LocalDateTime& now) {
  SetNext(index, runs_.NextRunOf(At(index), now));
}

void ScheduleModel::Postpone(std::size_t index, const LocalDateTime& until) {
  SetNext(index, {locale_.FormatGeneralDate(until), until});
}

void ScheduleModel::SkipNextRun(std::size_t index) {
  const auto& at = At(index).next.at;
  if (!at) return;
  // Seen from inside the skipped minute, that minute has passed: the source gives the one after.
  SetNext(index, runs_.NextRunOf(At(index), *at));
}

std::optional<ScheduleModel::Coming> ScheduleModel::NextAction() const {
  std::optional<Coming> earliest;
  for (std::size_t index = 0; index < entries_.size(); ++index) {
    const auto& at = entries_[index].next.at;
    if (at && (!earliest || MinuteOf(*at) < MinuteOf(earliest->at))) earliest = Coming{index, *at};
  }
  return earliest;
}

std::optional<std::string> ScheduleModel::TakeWork() {
  if (work_.empty()) return std::nullopt;
  std::string name = std::move(work_.front());
  work_.pop_front();
  if (view_) view_->ShowFirstWorkTaken();
  return name;
}

std::vector<std::string> ScheduleModel::DropWork() {
  std::vector<std::string> dropped(std::make_move_iterator(work_.begin()), std::make_move_iterator(work_.end()));
  work_.clear();
  if (view_) view_->ShowWorkCleared();
  return dropped;
}

}  // namespace curfew
