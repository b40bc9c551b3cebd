#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/locale.h"

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

// A row for every "*.sch" file of the data folder, in the order the file system lists them;
// a missing folder gives no rows. A file that cannot be read gives a row with only its name.
std::vector<ScheduleRow> LoadScheduleRows(const platform::FileSystem& files, const std::string& dataFolder,
                                          const LocalDateTime& now, const platform::Locale& locale);

// The row that a schedule file's text gives.
ScheduleRow ScheduleRowFromText(std::string name, std::string_view fileText, const LocalDateTime& now,
                                const platform::Locale& locale);

}  // namespace curfew
