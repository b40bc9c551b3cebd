#pragma once

#include <string>
#include <string_view>

namespace curfew {

inline constexpr std::string_view kScheduleFileExtension = ".sch";
inline constexpr std::string_view kScheduleFilePattern = "*.sch";
// Where the writer puts a schedule's text before it replaces the schedule's file.
inline constexpr std::string_view kTemporaryScheduleFileName = "~schedule.tmp";

// The "data" folder beside the program file, where every schedule has its file.
inline std::string DataFolder(std::string_view programFolder) { return std::string(programFolder) + "\\data"; }

inline std::string ScheduleFilePath(std::string_view dataFolder, std::string_view scheduleName) {
  return std::string(dataFolder) + "\\" + std::string(scheduleName) + std::string(kScheduleFileExtension);
}

}  // namespace curfew
