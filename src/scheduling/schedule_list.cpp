#include "scheduling/schedule_list.h"

#include "scheduling/mod_globals.h"
#include "scheduling/next_run_time.h"
#include "scheduling/schedule_paths.h"

namespace curfew {
namespace {

// UTF-16 units of UTF-8 text: one per character, two for characters beyond the BMP.
std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++units;  // a lead byte or an ASCII character
    if (c >= 0xF0) ++units;           // a four-byte sequence needs a surrogate pair
  }
  return units;
}

// A UTF-16 unit takes at most three bytes on disk (a double-byte code page takes two, the
// UTF-8 code page up to three), so a longer file is certainly outside the format; the rule
// itself counts characters once the text is read.
constexpr std::size_t kMaxScheduleFileBytes = 3 * kMaxScheduleFileCharacters;

}  // namespace

std::optional<std::string> ReadScheduleFile(const platform::FileSystem& files, const std::string& path) {
  auto text = files.ReadAnsiFile(path, kMaxScheduleFileBytes);
  if (!text || Utf16Length(*text) > kMaxScheduleFileCharacters) return std::nullopt;
  return text;
}

ScheduleRow ScheduleRowFromText(std::string name, std::string_view fileText, const LocalDateTime& now,
                                const platform::Locale& locale) {
  ScheduleRow row{std::move(name), {}, {}, {}, "No"};
  row.nextRunTime = NextRunTime(GetSection(fileText, "SCHEDULER"), now, locale);
  const std::string data = GetSection(fileText, "DATA");
  row.type = GetKeyValue(data, "ItemType");
  row.lastRunTime = GetKeyValue(data, "LastRunTime");
  if (GetKeyValue(data, "Enabled") == "1") row.enabled = "Yes";
  return row;
}

std::vector<ScheduleRow> LoadScheduleRows(const platform::FileSystem& files, const std::string& dataFolder,
                                          const LocalDateTime& now, const platform::Locale& locale) {
  std::vector<ScheduleRow> rows;
  for (const std::string& fileName : files.ListOrdinaryFiles(dataFolder, kScheduleFilePattern)) {
    std::string name = fileName.substr(0, fileName.size() - kScheduleFileExtension.size());
    const auto text = ReadScheduleFile(files, dataFolder + "\\" + fileName);
    if (!text) {
      rows.push_back({std::move(name), {}, {}, {}, "No"});
      continue;
    }
    rows.push_back(ScheduleRowFromText(std::move(name), *text, now, locale));
  }
  return rows;
}

}  // namespace curfew
