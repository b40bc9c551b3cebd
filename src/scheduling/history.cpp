#include "scheduling/history.h"

#include <algorithm>

#include "platform/date_arithmetic.h"
#include "platform/replace_file.h"

namespace curfew {
namespace {

// Far above what the cap leaves (a few hundred bytes an event), so that a history that grew
// past it between two starts is still read and trimmed.
constexpr std::size_t kLongestHistoryBytes = std::size_t{64} * 1024 * 1024;

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

}  // namespace

ZonedMoment History::Zoned(const LocalDateTime& local) const {
  const auto utc = clock_.ToUtc(local);
  if (!utc) return {local, 0};
  return {local, static_cast<int>(date_arithmetic::SecondsBetween(*utc, local) / 60)};
}

bool History::MakeFolder() const {
  // The folders up to the file's own, each made where it is missing.
  const std::string folder = FolderOf(path_);
  if (folder.empty() || files_.FolderExists(folder)) return true;
  for (std::size_t slash = folder.find('\\', folder.find('\\') + 1);; slash = folder.find('\\', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!files_.FolderExists(part)) files_.CreateFolder(part);
    if (slash == std::string::npos) break;
  }
  return files_.FolderExists(folder);
}

bool History::Record(HistoryEvent event, std::string action, std::string schedule,
                     const std::optional<LocalDateTime>& due, std::string details) {
  HistoryRecord record{Zoned(clock_.Now()), event,        std::move(action),
                       std::move(schedule), std::nullopt, std::move(details)};
  if (due) record.due = Zoned(*due);
  bool written = false;
  if (!path_.empty() && MakeFolder()) {
    // A new or empty file begins with its header, in the same write.
    bool fresh = !files_.FindFirstMatch(path_, 0);
    if (!fresh && !hasContent_) fresh = ReadText().value_or("x").empty();
    std::string bytes = ComposeHistoryLine(record);
    if (fresh) bytes.insert(0, kHistoryHeader);
    written = files_.AppendFileBytes(path_, bytes) == platform::FileFault::None;
    hasContent_ = written;
  }
  if (onRecorded) onRecorded(record);
  return written;
}

std::optional<std::string> History::ReadText() const {
  if (path_.empty()) return std::nullopt;
  return files_.ReadFileBytes(path_, kLongestHistoryBytes);
}

std::vector<HistoryRecord> History::Read() const {
  const auto text = ReadText();
  return text ? ParseHistory(*text) : std::vector<HistoryRecord>{};
}

bool History::Clear() {
  if (path_.empty() || !MakeFolder()) return false;
  hasContent_ = platform::ReplaceFileBytes(files_, path_, kHistoryHeader) == platform::FileFault::None;
  return hasContent_;
}

std::optional<LocalDateTime> History::TrimAndFindLast(std::size_t keep) {
  const auto text = ReadText();
  if (!text) return std::nullopt;
  hasContent_ = !text->empty();
  // Most starts find the file within its cap: counting its lines is enough then.
  const auto lines = static_cast<std::size_t>(std::count(text->begin(), text->end(), '\n'));
  if (lines > keep + 1) {
    std::vector<HistoryRecord> records = ParseHistory(*text);
    if (records.size() > keep) records.erase(records.begin(), records.end() - static_cast<std::ptrdiff_t>(keep));
    std::string trimmed(kHistoryHeader);
    for (const HistoryRecord& record : records) trimmed += ComposeHistoryLine(record);
    platform::ReplaceFileBytes(files_, path_, trimmed);
    return records.empty() ? std::nullopt : std::optional(records.back().at.local);
  }
  // The last line that holds an event.
  std::string_view rest(*text);
  while (!rest.empty()) {
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r')) rest.remove_suffix(1);
    const std::size_t cut = rest.rfind('\n');
    const std::vector<HistoryRecord> last = ParseHistory(cut == std::string_view::npos ? rest : rest.substr(cut + 1));
    if (!last.empty()) return last.back().at.local;
    if (cut == std::string_view::npos) break;
    rest = rest.substr(0, cut);
  }
  return std::nullopt;
}

}  // namespace curfew
