#include "scheduling/schedule_file_edit.h"

#include "scheduling/schedule_list.h"
#include "scheduling/schedule_paths.h"
#include "scheduling/schedule_writer.h"

namespace curfew {

// The reader takes the DATA section between the first "<DATA>" and the last "</DATA>", and in
// it the text after the first "key=" up to the line's end: the same place is written.
std::optional<std::string> WithDataValue(std::string_view fileText, std::string_view key, std::string_view value) {
  constexpr std::string_view kOpening = "<DATA>";
  const std::string kMarker = std::string(key) + "=";
  const std::size_t openAt = fileText.find(kOpening);
  if (openAt == std::string_view::npos) return std::nullopt;
  const std::size_t start = openAt + kOpening.size();
  const std::size_t closeAt = fileText.rfind("</DATA>");
  if (closeAt == std::string_view::npos || closeAt < start) return std::nullopt;
  const std::string_view section = fileText.substr(start, closeAt - start);
  std::string text(fileText);
  if (const std::size_t keyAt = section.find(kMarker); keyAt != std::string_view::npos) {
    const std::size_t valueAt = keyAt + kMarker.size();
    if (const std::size_t lineEnd = section.find("\r\n", valueAt); lineEnd != std::string_view::npos) {
      text.replace(start + valueAt, lineEnd - valueAt, value);
      return text;
    }
  }
  // No line the reader would take: one goes first in the section, on a line of its own.
  const bool openingEndsLine = section.starts_with("\r\n");
  const std::size_t insertAt = start + (openingEndsLine ? 2 : 0);
  text.insert(insertAt, (openingEndsLine ? "" : "\r\n") + kMarker + std::string(value) + "\r\n");
  return text;
}

platform::FileFault WriteDataValue(platform::FileSystem& files, const std::string& dataFolder, std::string_view name,
                                   std::string_view key, std::string_view value) {
  const std::string path = ScheduleFilePath(dataFolder, name);
  const std::optional<std::string> text = ReadScheduleFile(files, path);
  if (!text) return platform::FileFault::NotFound;
  const std::optional<std::string> changed = WithDataValue(*text, key, value);
  if (!changed) return platform::FileFault::Other;
  return ReplaceScheduleFileText(files, dataFolder, path, *changed);
}

}  // namespace curfew
