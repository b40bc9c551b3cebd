#include "scheduling/schedule_list.h"

#include "scheduling/mod_globals.h"
#include "scheduling/next_run_time.h"
#include "scheduling/schedule_paths.h"
#include "scheduling/xfile_exists.h"

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

// The next run a file gives after the moment seen: none while it is switched off ("Enabled=0"),
// whatever start it keeps for when it is switched on again.
NextRun NextRunOfFile(std::string_view fileText, const LocalDateTime& seen, const platform::Locale& locale) {
  if (GetKeyValue(GetSection(fileText, "DATA"), "Enabled") == "0") return {};
  return NextRunOf(GetSection(fileText, "SCHEDULER"), seen, locale);
}

ScheduleEntry ScheduleEntryFromText(std::string name, std::string_view fileText, const LocalDateTime& now,
                                    const platform::Locale& locale) {
  ScheduleEntry entry{std::move(name), {}, ScheduleSource::File, false, {}, {}};
  entry.next = NextRunOfFile(fileText, now, locale);
  const std::string data = GetSection(fileText, "DATA");
  entry.action = GetKeyValue(data, "ItemType");
  entry.lastRunText = GetKeyValue(data, "LastRunTime");
  entry.enabled = GetKeyValue(data, "Enabled") == "1";
  return entry;
}

std::vector<ScheduleEntry> LoadScheduleEntries(const platform::FileSystem& files, const std::string& dataFolder,
                                               const LocalDateTime& now, const platform::Locale& locale) {
  std::vector<ScheduleEntry> entries;
  for (const std::string& fileName : files.ListOrdinaryFiles(dataFolder, kScheduleFilePattern)) {
    std::string name = fileName.substr(0, fileName.size() - kScheduleFileExtension.size());
    const auto text = ReadScheduleFile(files, dataFolder + "\\" + fileName);
    if (!text) {
      entries.push_back({std::move(name), {}, ScheduleSource::File, false, {}, {}});
      continue;
    }
    entries.push_back(ScheduleEntryFromText(std::move(name), *text, now, locale));
  }
  return entries;
}

ScheduleRow RowOf(ScheduleEntry entry) {
  return {std::move(entry.name), std::move(entry.action), std::move(entry.lastRunText), std::move(entry.next.text),
          entry.enabled ? "Yes" : "No"};
}

std::vector<ScheduleRow> LoadScheduleRows(const platform::FileSystem& files, const std::string& dataFolder,
                                          const LocalDateTime& now, const platform::Locale& locale) {
  std::vector<ScheduleRow> rows;
  for (ScheduleEntry& entry : LoadScheduleEntries(files, dataFolder, now, locale))
    rows.push_back(RowOf(std::move(entry)));
  return rows;
}

NextRun StoredRuns::NextRunOf(const ScheduleEntry& entry, const LocalDateTime& seen) const {
  if (entry.source == ScheduleSource::Quick) return {};
  const std::string path = ScheduleFilePath(dataFolder_, entry.name);
  if (!FileExists(files_, path)) return {};
  return NextRunOfFile(ReadScheduleFile(files_, path).value_or(""), seen, locale_);
}

}  // namespace curfew
