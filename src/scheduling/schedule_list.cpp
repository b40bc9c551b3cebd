#include "scheduling/schedule_list.h"

#include <cstdint>
#include <initializer_list>

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

namespace {

// FNV-1a, 64 bits: enough to tell one version of a schedule from another.
std::uint64_t Fingerprint(std::initializer_list<std::string_view> parts) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const std::string_view part : parts) {
    for (const char c : part) {
      hash ^= static_cast<unsigned char>(c);
      hash *= 0x100000001b3ULL;
    }
    hash ^= 0xFF;  // between two parts: "ab","c" is not "a","bc"
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

}  // namespace

NextRun NextRunOfRule(const RunRule& rule, bool enabled, const LocalDateTime& seen, const platform::Locale& locale) {
  if (!enabled) return {};
  return NextRunOf(rule.section, seen, locale);
}

ScheduleEntry ScheduleEntryFromText(std::string name, std::string_view fileText, const LocalDateTime& now,
                                    const platform::Locale& locale) {
  const std::string data = GetSection(fileText, "DATA");
  const std::string enabledText = GetKeyValue(data, "Enabled");
  ScheduleEntry entry{std::move(name),    GetKeyValue(data, "ItemType"),    ScheduleSource::File,
                      enabledText == "1", GetKeyValue(data, "LastRunTime"), {}};
  std::string section = GetSection(fileText, "SCHEDULER");
  const std::uint64_t fingerprint = Fingerprint({entry.action, enabledText, section});
  entry.rule = RunRule{std::move(section), fingerprint};
  entry.next = NextRunOfRule(*entry.rule, entry.enabled, now, locale);
  return entry;
}

std::vector<ScheduleEntry> LoadScheduleEntries(const platform::FileSystem& files, const std::string& dataFolder,
                                               const LocalDateTime& now, const platform::Locale& locale) {
  std::vector<ScheduleEntry> entries;
  for (const std::string& fileName : files.ListOrdinaryFiles(dataFolder, kScheduleFilePattern)) {
    std::string name = fileName.substr(0, fileName.size() - kScheduleFileExtension.size());
    const auto text = ReadScheduleFile(files, dataFolder + "\\" + fileName);
    if (!text) {
      ScheduleEntry unread{std::move(name), {}, ScheduleSource::File, false, {}, {}};
      unread.unread = true;
      entries.push_back(std::move(unread));
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

StoredRead ReadStoredSchedule(const platform::FileSystem& files, const std::string& dataFolder, const std::string& name,
                              const LocalDateTime& now, const platform::Locale& locale) {
  const std::string path = ScheduleFilePath(dataFolder, name);
  if (!FileExists(files, path)) return {};
  const auto text = ReadScheduleFile(files, path);
  if (!text) return {StoredRead::State::Unreadable, {}};
  return {StoredRead::State::Read, ScheduleEntryFromText(name, *text, now, locale)};
}

}  // namespace curfew
