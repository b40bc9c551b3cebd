#include "scheduling/run_decisions.h"

#include "platform/iso_moment.h"

#include <charconv>
#include <cstdio>

namespace curfew {
namespace {

constexpr std::string_view kFirstLine = "Curfew run decisions 1";

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

std::optional<std::uint64_t> ReadFingerprint(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (fault != std::errc{} || end != text.data() + text.size() || text.size() != 16) return std::nullopt;
  return value;
}

std::string FingerprintText(std::uint64_t fingerprint) {
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(fingerprint));
  return text;
}

// A name is a file's name: no tab, no line break, and not empty.
bool FitsAName(std::string_view name) {
  return !name.empty() && name.find_first_of("\t\r\n") == std::string_view::npos;
}

}  // namespace

std::string ComposeDecisions(const KeptDecisions& kept) {
  std::string text(kFirstLine);
  text += "\r\n";
  if (kept.seen) text += "seen\t" + iso_moment::Format(*kept.seen) + "\r\n";
  for (const RunDecision& decision : kept.decisions) {
    if (!FitsAName(decision.name)) continue;
    const bool skip = decision.kind == RunDecision::Kind::Skip;
    text += skip ? "skip\t" : "postpone\t";
    text += FingerprintText(decision.fingerprint) + "\t" + iso_moment::Format(decision.due) + "\t";
    if (!skip) text += iso_moment::Format(decision.until) + "\t";
    text += decision.name + "\r\n";
  }
  return text;
}

std::optional<KeptDecisions> ParseDecisions(std::string_view text) {
  KeptDecisions kept;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (first) {
      if (line != kFirstLine) return std::nullopt;
      first = false;
      continue;
    }
    if (line.empty()) continue;
    const std::vector<std::string_view> fields = Fields(line);
    if (fields[0] == "seen" && fields.size() == 2) {
      kept.seen = iso_moment::Read(fields[1]);
      if (!kept.seen) return std::nullopt;
      continue;
    }
    const bool skip = fields[0] == "skip" && fields.size() == 4;
    const bool postpone = fields[0] == "postpone" && fields.size() == 5;
    if (!skip && !postpone) return std::nullopt;
    const auto fingerprint = ReadFingerprint(fields[1]);
    const auto due = iso_moment::Read(fields[2]);
    const auto until = postpone ? iso_moment::Read(fields[3]) : due;
    const std::string_view name = fields.back();
    if (!fingerprint || !due || !until || !FitsAName(name)) return std::nullopt;
    kept.decisions.push_back({skip ? RunDecision::Kind::Skip : RunDecision::Kind::Postpone, std::string(name),
                              *fingerprint, *due, skip ? LocalDateTime{} : *until});
  }
  if (first) return KeptDecisions{};  // an empty file keeps nothing
  return kept;
}

}  // namespace curfew
