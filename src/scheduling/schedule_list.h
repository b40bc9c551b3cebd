#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "scheduling/schedule_model.h"

namespace curfew {

// One row of the schedule list, in column order.
struct ScheduleRow {
  std::string name;         // "Schedule Name"
  std::string type;         // "Type"
  std::string lastRunTime;  // "Last Run Time"
  std::string nextRunTime;  // "Next Run Time"
  std::string enabled;      // "Enabled": "Yes" or "No"

  friend bool operator==(const ScheduleRow&, const ScheduleRow&) = default;
};

// Longest schedule file, in UTF-16 units, that the readers accept; longer files are outside
// the format and give a row with empty columns.
inline constexpr std::size_t kMaxScheduleFileCharacters = 32767;

// The text of a schedule file; nullopt when it cannot be read or is longer than the format
// allows. Every reader of schedule files goes through here, so all treat such files alike.
std::optional<std::string> ReadScheduleFile(const platform::FileSystem& files, const std::string& path);

// A schedule for every "*.sch" file of the data folder, in the order the file system lists
// them; a missing folder gives none. A file that cannot be read gives a schedule with only its
// name, marked unread.
std::vector<ScheduleEntry> LoadScheduleEntries(const platform::FileSystem& files, const std::string& dataFolder,
                                               const LocalDateTime& now, const platform::Locale& locale);

// The schedule that a schedule file's text gives, its next run seen at now.
ScheduleEntry ScheduleEntryFromText(std::string name, std::string_view fileText, const LocalDateTime& now,
                                    const platform::Locale& locale);

// The next run a schedule's rule gives after the moment seen; none while the schedule is
// switched off (its file does not say "Enabled=1"), whatever start it keeps.
NextRun NextRunOfRule(const RunRule& rule, bool enabled, const LocalDateTime& seen, const platform::Locale& locale);

// The five column texts of a schedule.
ScheduleRow RowOf(ScheduleEntry entry);

// The rows of LoadScheduleEntries' schedules.
std::vector<ScheduleRow> LoadScheduleRows(const platform::FileSystem& files, const std::string& dataFolder,
                                          const LocalDateTime& now, const platform::Locale& locale);

// A stored schedule read anew from its file.
struct StoredRead {
  enum class State { Read, Gone, Unreadable };
  State state = State::Gone;
  ScheduleEntry entry;  // when read
};
StoredRead ReadStoredSchedule(const platform::FileSystem& files, const std::string& dataFolder, const std::string& name,
                              const LocalDateTime& now, const platform::Locale& locale);

}  // namespace curfew
