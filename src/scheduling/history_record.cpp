#include "scheduling/history_record.h"

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

std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
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
  const auto& [date, time] = moment.local;
  const int offset = std::abs(moment.utcOffsetMinutes);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d%c%02d:%02d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), time.hour, time.minute,
                time.second, moment.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

std::optional<ZonedMoment> ReadZonedMoment(std::string_view text) {
  // yyyy-mm-ddThh:mm:ss+hh:mm
  if (text.size() != 25 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
      (text[19] != '+' && text[19] != '-') || text[22] != ':')
    return std::nullopt;
  const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
  const auto offsetHours = Digits(text, 20, 2), offsetMinutes = Digits(text, 23, 2);
  if (!year || !month || !day || !hour || !minute || !second || !offsetHours || !offsetMinutes) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59 || *offsetHours > 14 || *offsetMinutes > 59)
    return std::nullopt;
  const int offset = *offsetHours * 60 + *offsetMinutes;
  return ZonedMoment{{date, {*hour, *minute, *second}}, text[19] == '-' ? -offset : offset};
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
