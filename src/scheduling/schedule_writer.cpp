#include "scheduling/schedule_writer.h"

#include "platform/ascii.h"

#include <algorithm>
#include <array>

#include "platform/utf8.h"
#include "scheduling/file_error_message.h"
#include "scheduling/schedule_paths.h"

namespace curfew {
namespace {

std::string FlagText(bool value) { return value ? "-1" : "0"; }

bool IsDeviceName(std::string_view name) {
  // "CON.txt" and "con" open the console just the same: the part before the first dot decides.
  std::string stem = ascii::ToUpper(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  static constexpr std::array<std::string_view, 4> kFixed = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kFixed.begin(), kFixed.end(), stem) != kFixed.end()) return true;
  if (!stem.starts_with("COM") && !stem.starts_with("LPT")) return false;
  const std::string_view number = std::string_view(stem).substr(3);
  // Windows takes the superscript digits one to three as port numbers too ("COM¹").
  static constexpr std::array<std::string_view, 3> kSuperscripts = {"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
  return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') ||
         std::find(kSuperscripts.begin(), kSuperscripts.end(), number) != kSuperscripts.end();
}

void ShowFailure(platform::MessageBoxes& messages, platform::FileFault fault) {
  messages.Show(FileErrorMessage(DescribeFileFault(fault)), platform::MessageButtons::Ok, platform::MessageIcon::None,
                "");
}

}  // namespace

std::string ComposeScheduleFile(const ScheduleRecord& record) {
  std::string text;
  const auto line = [&text](std::string_view content) {
    text += content;
    text += "\r\n";
  };
  line("<DATA>");
  line("LastRunTime=" + record.LastRunTime);
  line("ItemType=" + record.ItemType);
  line(std::string("Enabled=") + (record.Enabled ? "1" : "0"));
  line("</DATA>");
  line("");
  line("<SCHEDULER>");
  line("StartDate=" + record.StartDate);
  line("StartTime=" + record.StartTime);
  line("Repeat=" + FlagText(record.Repeat));
  line("SAccurancy=" + std::to_string(record.SAccurancy));
  line("Period=" + record.Period);
  line("RunOnStart=" + FlagText(record.RunOnStart));
  line("RunOnEnd=" + FlagText(record.RunOnEnd));
  line("</SCHEDULER>");
  line("");
  return text;
}

bool IsSafeScheduleName(std::string_view name) {
  if (name == "." || name == "..") return false;
  const bool badCharacter = std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
  return !badCharacter && !IsDeviceName(name);
}

bool ScheduleNameFits(std::string_view name) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < name.size();) units += utf8::Next(name, pos) > 0xFFFF ? 2 : 1;
  return units <= kLongestScheduleName;
}

bool SaveScheduleFile(const ScheduleRecord& record, const ScheduleWriterServices& services) {
  if (!IsSafeScheduleName(record.name) || !ScheduleNameFits(record.name)) {
    ShowFailure(services.messages, platform::FileFault::BadName);
    return false;
  }
  const platform::FileFault fault =
      ReplaceScheduleFileText(services.files, services.dataFolder, ScheduleFilePath(services.dataFolder, record.name),
                              ComposeScheduleFile(record));
  if (fault == platform::FileFault::None) return true;
  ShowFailure(services.messages, fault);
  return false;
}

platform::FileFault ReplaceScheduleFileText(platform::FileSystem& files, const std::string& dataFolder,
                                            const std::string& path, std::string_view text) {
  // A short name of its own, so that the longest legal schedule name still fits; the list reads
  // only "*.sch" files, and one copy of the program writes at a time.
  const std::string temporaryPath = dataFolder + "\\" + std::string(kTemporaryScheduleFileName);
  platform::FileFault fault = files.WriteAnsiFile(temporaryPath, text);
  if (fault == platform::FileFault::None) fault = files.MoveOver(temporaryPath, path);
  if (fault != platform::FileFault::None) files.RemoveFile(temporaryPath);
  return fault;
}

}  // namespace curfew
