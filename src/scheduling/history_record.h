#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"

namespace curfew {

// What the history tells of a run or of a decision about one.
enum class HistoryEvent {
  Ran,        // the action was asked of the system
  Postponed,  // the run moved to a later moment (Details: the new moment)
  Skipped,    // the run was left out (Details: "prevented" when schedules were prevented)
  Missed,     // its minute passed without a run (Details: "asleep" or "not running")
  Refused,    // the system refused the action (Details: the system's reason)
  Cancelled,  // another program cancelled the log-off, shut-down or restart
  Armed,      // a quick schedule was made
  Disarmed,   // a quick schedule was taken away before it ran
};

// The keywords the history file carries ("ran", "postponed", ...), and back.
std::string_view HistoryEventKeyword(HistoryEvent event);
std::optional<HistoryEvent> HistoryEventOf(std::string_view keyword);

// A moment on the local clock with the zone's offset from UTC at that moment.
struct ZonedMoment {
  LocalDateTime local;
  int utcOffsetMinutes = 0;

  friend bool operator==(const ZonedMoment&, const ZonedMoment&) = default;
};

// "2026-12-11T13:00:05+01:00" (ISO 8601), and back; nullopt for any other text.
std::string FormatZonedMoment(const ZonedMoment& moment);
std::optional<ZonedMoment> ReadZonedMoment(std::string_view text);

// One event of the history.
struct HistoryRecord {
  ZonedMoment at;  // when it happened
  HistoryEvent event = HistoryEvent::Ran;
  std::string action;              // "Shut Down", ...
  std::string schedule;            // empty for an action made at once
  std::optional<ZonedMoment> due;  // the run's minute
  std::string details;

  friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

// The history file: CSV with a header row, one line per event, each ending in CR LF.
inline constexpr std::string_view kHistoryHeader = "Time,Event,Action,Schedule,Due,Details\r\n";
std::string ComposeHistoryLine(const HistoryRecord& record);
// The events of a history file's text in file order; lines that cannot be read are left out.
std::vector<HistoryRecord> ParseHistory(std::string_view text);

}  // namespace curfew
