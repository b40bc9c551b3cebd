#include "scheduling/next_run_time.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "scheduling/mod_globals.h"
#include "scheduling/period.h"
#include "scheduling/value_reading.h"

namespace curfew {
namespace {

using namespace std::chrono;

enum RepeatMode : int { kDaily = 0, kWeekly = 1, kMonthly = 2 };

bool LaterToTheMinute(const TimeOfDay& a, const TimeOfDay& b) {
  return a.hour != b.hour ? a.hour > b.hour : a.minute > b.minute;
}

year_month_day AddDays(year_month_day date, int count) { return year_month_day(sys_days(date) + days(count)); }

// The pieces of a Period text that are numbers, in their order; other pieces are ignored.
std::vector<int> NumberPieces(const std::vector<std::string>& pieces) {
  std::vector<int> numbers;
  for (const std::string& piece : pieces)
    if (const auto number = ReadInteger16(piece)) numbers.push_back(*number);
  return numbers;
}

// The day numbers of a monthly Period; days no month has are ignored.
std::vector<int> MonthDays(const std::vector<std::string>& pieces) {
  std::vector<int> days = NumberPieces(pieces);
  std::erase_if(days, [](int dayNumber) { return dayNumber < 1 || dayNumber > 31; });
  return days;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
    result.append(text.substr(start, at - start));
    result.append(to);
    start = at + from.size();
  }
  result.append(text.substr(start));
  return result;
}

std::optional<year_month_day> NextWeekly(std::string_view period, const year_month_day& today, bool timeStillAhead) {
  std::string numbered(period);
  for (std::size_t i = 0; i < kWeekdayCodes.size(); ++i)
    numbered = ReplaceAll(numbered, kWeekdayCodes[i], std::to_string(i + 1));
  // Only the numbers of weekdays count: "0", "9" or "-1" (a hand-edited file) name no day, and
  // would otherwise give a next run in the past or a week too late.
  std::vector<int> chosen = NumberPieces(SplitPeriod(numbered));
  std::erase_if(chosen, [](int dayNumber) { return dayNumber < 1 || dayNumber > 7; });
  if (chosen.empty()) return std::nullopt;

  const int weekdayToday = static_cast<int>(weekday(sys_days(today)).iso_encoding());
  const bool todayChosen = std::find(chosen.begin(), chosen.end(), weekdayToday) != chosen.end();
  if (todayChosen && timeStillAhead) return today;

  std::optional<int> next;
  for (int day : chosen)
    if (day > weekdayToday && (!next || day < *next)) next = day;
  if (next) return AddDays(today, *next - weekdayToday);
  const int first = std::min(7, *std::min_element(chosen.begin(), chosen.end()));
  return AddDays(today, 7 - weekdayToday + first);
}

std::optional<year_month_day> NextMonthly(std::string_view period, const year_month_day& today, bool timeStillAhead) {
  std::vector<int> chosen = MonthDays(SplitPeriod(period));
  if (chosen.empty()) return std::nullopt;
  std::sort(chosen.begin(), chosen.end());

  const int dayToday = static_cast<int>(static_cast<unsigned>(today.day()));
  if (timeStillAhead && std::binary_search(chosen.begin(), chosen.end(), dayToday)) return today;

  // The earliest existing date after today whose day is chosen. Every month has the days up
  // to 28 and a 31st comes within two months, so a year of months always finds one.
  const year_month thisMonth = today.year() / today.month();
  for (int ahead = 0; ahead <= 12; ++ahead) {
    const year_month month = thisMonth + months(ahead);
    const int lastDay = static_cast<int>(static_cast<unsigned>((month / last).day()));
    for (int dayNumber : chosen) {
      if (dayNumber > lastDay) break;
      if (ahead == 0 && dayNumber <= dayToday) continue;
      return month / day(static_cast<unsigned>(dayNumber));
    }
  }
  return std::nullopt;
}

}  // namespace

NextRun NextRunOf(std::string_view schedulerSection, const LocalDateTime& now, const platform::Locale& locale) {
  const std::string startDateText = GetKeyValue(schedulerSection, "StartDate");
  const std::string startTimeText = GetKeyValue(schedulerSection, "StartTime");
  if (startDateText.empty() || startTimeText.empty()) return {};
  // The engine splits a next run text at its first blank: a date with a blank in it (a
  // hand-written "Dec 8, 2026", or a blank before the date) could never be read back.
  if (startDateText.find(' ') != std::string::npos) return {};
  const auto startDate = locale.ReadDate(startDateText);
  const auto startTime = locale.ReadTimeOfDay(startTimeText);
  if (!startDate || !startTime) return {};

  const bool timeStillAhead = LaterToTheMinute(*startTime, now.time);
  if (*startDate > now.date || (*startDate == now.date && timeStillAhead))
    return {startDateText + " " + startTimeText, LocalDateTime{*startDate, *startTime}};

  if (!ReadFlag(GetKeyValue(schedulerSection, "Repeat"))) return {};

  std::optional<year_month_day> next;
  switch (ReadInteger16(GetKeyValue(schedulerSection, "SAccurancy")).value_or(kDaily)) {
    case kDaily: next = timeStillAhead ? now.date : AddDays(now.date, 1); break;
    case kWeekly: next = NextWeekly(GetKeyValue(schedulerSection, "Period"), now.date, timeStillAhead); break;
    case kMonthly: next = NextMonthly(GetKeyValue(schedulerSection, "Period"), now.date, timeStillAhead); break;
    default: return {};
  }
  if (!next) return {};
  return {locale.FormatShortDate(*next) + " " + startTimeText, LocalDateTime{*next, *startTime}};
}

}  // namespace curfew
