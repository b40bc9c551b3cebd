#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/message_box.h"
#include "scheduling/schedule_record.h"

namespace curfew {

// The whole text of a schedule file: sixteen lines, each ending with CR LF.
std::string ComposeScheduleFile(const ScheduleRecord& record);

// Whether a schedule name can be used as its file name inside the data folder: no path
// separators, wildcard or control characters, not "." or "..", not a device name.
bool IsSafeScheduleName(std::string_view name);

// The longest schedule name, in UTF-16 units as Windows counts a file name's length: with
// ".sch" the file name takes the 255 a folder entry may have.
inline constexpr std::size_t kLongestScheduleName = 251;
bool ScheduleNameFits(std::string_view name);

struct ScheduleWriterServices {
  platform::FileSystem& files;
  platform::MessageBoxes& messages;
  std::string dataFolder;
};

// Writes the record to its file in the data folder, replacing any file of that name in one
// step: the text goes to a temporary file first, so a failure leaves the old file as it was.
// A failure is shown to the user ("Error 75 - Path/File access error") and not retried.
// Returns whether the file was written.
bool SaveScheduleFile(const ScheduleRecord& record, const ScheduleWriterServices& services);

// Replaces the schedule file at path with the text in one step, through a temporary file of the
// data folder; on a failure the old file stays as it was. Shows nothing.
platform::FileFault ReplaceScheduleFileText(platform::FileSystem& files, const std::string& dataFolder,
                                            const std::string& path, std::string_view text);

}  // namespace curfew
