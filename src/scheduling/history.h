#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "scheduling/history_record.h"

namespace curfew {

// The most events the history keeps; older ones are dropped when the program starts.
inline constexpr std::size_t kHistoryCap = 5000;

// What the program did and why, one event a line in a CSV file of the user's own. Each event
// is appended in one write and flushed before the call returns, so that an action that ends
// the session at once cannot lose it.
class History {
 public:
  History(platform::FileSystem& files, const platform::Clock& clock) : files_(files), clock_(clock) {}
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // The file's place; events recorded before it is known are not kept.
  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& Path() const { return path_; }

  // Appends an event stamped now; false when the file could not be written.
  bool Record(HistoryEvent event, std::string action, std::string schedule,
              const std::optional<LocalDateTime>& due = std::nullopt, std::string details = {});
  // Every event the file holds, oldest first.
  std::vector<HistoryRecord> Read() const;
  // The file with its header alone.
  bool Clear();
  // Keeps the newest events up to the cap, and answers when the last of them happened
  // (nullopt for none).
  std::optional<LocalDateTime> TrimAndFindLast(std::size_t keep = kHistoryCap);

  // A moment of the local clock with its offset from UTC.
  ZonedMoment Zoned(const LocalDateTime& local) const;

  // Hears of each event recorded (the history window while it is open).
  std::function<void(const HistoryRecord&)> onRecorded;

 private:
  std::optional<std::string> ReadText() const;
  bool MakeFolder() const;

  platform::FileSystem& files_;
  const platform::Clock& clock_;
  std::string path_;
  // The file is known to hold its header at least.
  bool hasContent_ = false;
};

}  // namespace curfew
