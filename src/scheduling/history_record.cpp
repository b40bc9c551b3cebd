#include "scheduling/history_record.h"

#include "platform/iso_moment.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace curfew {
namespace {

constexpr std::array<std::pair<HistoryEvent, std::string_view>, 8> kKeywords = {{
    {HistoryEvent::Ran, "ran"},
    {HistoryEvent::Postponed, "postponed"},
    {HistoryEvent::Skipped, "skipped"},
    {HistoryEvent::Missed, "missed"},
    {HistoryEvent::Refused, "refused"},
    {HistoryEvent::Cancelled, "cancelled"},
    {HistoryEvent::Armed, "armed"},
    {HistoryEvent::Disarmed, "disarmed"},
}};

// A spreadsheet takes a cell that begins with one of these for a formula: a schedule named
// "=HYPERLINK(...)" in a folder another user can write must stay text when the file is opened.
// Such a field is written after an apostrophe, as is one that begins with an apostrophe itself,
// so that reading takes exactly one away.
bool NeedsApostrophe(std::string_view field) {
  return !field.empty() && std::string_view("=+-@\t\r'").find(field.front()) != std::string_view::npos;
}

void AppendField(std::string& line, std::string_view field) {
  std::string value = NeedsApostrophe(field) ? "'" + std::string(field) : std::string(field);
  if (value.find_first_of(",\"\r\n") == std::string::npos) {
    line += value;
    return;
  }
  line += '"';
  for (const char c : value) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

// The fields of one record starting at pos, which moves past its line end; quoted fields may
// hold commas, quotes and line breaks.
std::vector<std::string> NextRecordFields(std::string_view text, std::size_t& pos) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  while (pos < text.size()) {
    const char c = text[pos++];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (pos < text.size() && text[pos] == '"') {
        fields.back() += '"';
        ++pos;
      } else {
        quoted = false;
      }
      continue;
    }
    if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c == '\n') {
      break;
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  for (std::string& field : fields)
    if (field.size() > 1 && field.front() == '\'' && NeedsApostrophe(std::string_view(field).substr(1)))
      field.erase(0, 1);
  return fields;
}

}  // namespace

std::string_view HistoryEventKeyword(HistoryEvent event) {
  for (const auto& [known, keyword] : kKeywords)
    if (known == event) return keyword;
  return {};
}

std::optional<HistoryEvent> HistoryEventOf(std::string_view keyword) {
  for (const auto& [event, known] : kKeywords)
    if (known == keyword) return event;
  return std::nullopt;
}

std::string FormatZonedMoment(const ZonedMoment& moment) {
  const int offset = std::abs(moment.utcOffsetMinutes);
  char zone[24];
  std::snprintf(zone, sizeof zone, "%c%02d:%02d", moment.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return iso_moment::Format(moment.local) + zone;
}

std::optional<ZonedMoment> ReadZonedMoment(std::string_view text) {
  // yyyy-mm-ddThh:mm:ss+hh:mm
  if (text.size() != 25 || (text[19] != '+' && text[19] != '-') || text[22] != ':') return std::nullopt;
  const auto local = iso_moment::Read(text.substr(0, 19));
  const auto hours = iso_moment::Digits(text, 20, 2), minutes = iso_moment::Digits(text, 23, 2);
  if (!local || !hours || !minutes || *hours > 14 || *minutes > 59) return std::nullopt;
  const int offset = *hours * 60 + *minutes;
  return ZonedMoment{*local, text[19] == '-' ? -offset : offset};
}

std::string ComposeHistoryLine(const HistoryRecord& record) {
  std::string line = FormatZonedMoment(record.at);
  for (const std::string_view field :
       {HistoryEventKeyword(record.event), std::string_view(record.action), std::string_view(record.schedule)}) {
    line += ',';
    AppendField(line, field);
  }
  line += ',';
  if (record.due) line += FormatZonedMoment(*record.due);
  line += ',';
  AppendField(line, record.details);
  line += "\r\n";
  return line;
}

std::vector<HistoryRecord> ParseHistory(std::string_view text) {
  std::vector<HistoryRecord> records;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::vector<std::string> fields = NextRecordFields(text, pos);
    if (fields.size() != 6) continue;  // the header, an empty line, or a line cut short
    const auto at = ReadZonedMoment(fields[0]);
    const auto event = HistoryEventOf(fields[1]);
    if (!at || !event) continue;
    HistoryRecord record{*at, *event, fields[2], fields[3], std::nullopt, fields[5]};
    if (!fields[4].empty()) {
      record.due = ReadZonedMoment(fields[4]);
      if (!record.due) continue;
    }
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace curfew
