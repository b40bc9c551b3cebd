#include "scheduling/next_run_time.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/host/pattern_locale.h"

namespace curfew {
namespace {

using namespace std::chrono;

LocalDateTime At(int y, unsigned m, unsigned d, int hour, int minute, int second = 0) {
  return {year_month_day{year(y), month(m), day(d)}, {hour, minute, second}};
}

// The SCHEDULER section as the writer lays it out; a key given as nullopt is left out.
std::string Section(std::optional<std::string> startDate, std::optional<std::string> startTime,
                    std::optional<std::string> repeat, std::optional<std::string> accuracy,
                    std::optional<std::string> period) {
  std::string text = "\r\n";
  const auto line = [&text](const char* key, const std::optional<std::string>& value) {
    if (value) text += std::string(key) + "=" + *value + "\r\n";
  };
  line("StartDate", startDate);
  line("StartTime", startTime);
  line("Repeat", repeat);
  line("SAccurancy", accuracy);
  line("Period", period);
  text += "RunOnStart=0\r\nRunOnEnd=0\r\n";
  return text;
}

struct Case {
  const char* description;
  std::string section;
  LocalDateTime now;
  const char* expected;
  const char* datePattern = "M/d/yyyy";
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.description; }

// 8 December 2026 is a Tuesday. Start dates lie in the past unless a case says otherwise.
const LocalDateTime kTuesdayMorning = At(2026, 12, 8, 10, 0);
const LocalDateTime kTuesdayLate = At(2026, 12, 8, 23, 45);
std::string Weekly(const char* period) { return Section("1/1/2026", "23:30:00", "-1", "1", period); }
std::string Monthly(const char* period) { return Section("1/1/2026", "23:30:00", "-1", "2", period); }

const Case kCases[] = {
    // The first run, as stored, while it lies ahead.
    {"first run later today", Section("12/8/2026", "23:30:00", "0", "0", ""), kTuesdayMorning, "12/8/2026 23:30:00"},
    {"first run passed without repeat", Section("12/8/2026", "23:30:00", "0", "0", ""), At(2026, 12, 8, 23, 31), ""},
    {"start in the current minute counts as past", Section("12/8/2026", "10:15:00", "0", "0", ""),
     At(2026, 12, 8, 10, 15, 40), ""},
    {"stored texts are kept exactly", Section("12/08/2026", "7:05", "0", "0", ""), At(2026, 12, 8, 6, 0),
     "12/08/2026 7:05"},
    {"future start not on a chosen weekday", Section("12/10/2026", "23:30:00", "-1", "1", "mon"), kTuesdayMorning,
     "12/10/2026 23:30:00"},
    {"first run next year", Section("1/2/2027", "08:00:00", "0", "0", ""), kTuesdayLate, "1/2/2027 08:00:00"},

    // Daily.
    {"daily before the time", Section("12/1/2026", "07:00:00", "-1", "0", ""), At(2026, 12, 8, 6, 59, 30),
     "12/8/2026 07:00:00"},
    {"daily in the minute of the time", Section("12/1/2026", "07:00:00", "-1", "0", ""), At(2026, 12, 8, 7, 0, 10),
     "12/9/2026 07:00:00"},
    {"daily across the year end", Section("12/1/2026", "07:00:00", "-1", "0", ""), At(2026, 12, 31, 8, 0),
     "1/1/2027 07:00:00"},
    {"repeat without a mode is daily", Section("12/1/2026", "23:30:00", "-1", std::nullopt, ""), kTuesdayMorning,
     "12/8/2026 23:30:00"},
    {"unreadable mode is daily", Section("12/1/2026", "23:30:00", "-1", "often", ""), kTuesdayLate,
     "12/9/2026 23:30:00"},
    {"unknown mode", Section("12/1/2026", "23:30:00", "-1", "5", ""), kTuesdayMorning, ""},

    // Weekly.
    {"weekly mon,fri on a Tuesday", Weekly("mon,fri"), kTuesdayMorning, "12/11/2026 23:30:00"},
    {"weekly mon on a Tuesday", Weekly("mon"), kTuesdayMorning, "12/14/2026 23:30:00"},
    {"weekly tue before the time", Weekly("tue"), kTuesdayMorning, "12/8/2026 23:30:00"},
    {"weekly tue after the time", Weekly("tue"), kTuesdayLate, "12/15/2026 23:30:00"},
    {"weekly sun", Weekly("sun"), kTuesdayMorning, "12/13/2026 23:30:00"},
    {"weekly order and duplicates do not matter", Weekly("fri,mon,fri,tue"), kTuesdayLate, "12/11/2026 23:30:00"},
    {"weekly empty period", Weekly(""), kTuesdayMorning, ""},
    {"weekly codes are case-sensitive", Weekly("Mon,fri"), kTuesdayLate, "12/11/2026 23:30:00"},
    {"weekly only unknown pieces", Weekly("Monday,x"), kTuesdayMorning, ""},
    {"weekly number past Sunday is no day", Weekly("mon,9"), kTuesdayMorning, "12/14/2026 23:30:00"},
    {"weekly numbers 0 and below are no days", Weekly("0,-1"), kTuesdayMorning, ""},
    {"weekly 0 beside a day", Weekly("0,wed"), kTuesdayLate, "12/9/2026 23:30:00"},
    {"weekly day numbers", Weekly("1,3"), kTuesdayMorning, "12/9/2026 23:30:00"},

    // Monthly.
    {"monthly 1,15 on the 8th", Monthly("1,15"), kTuesdayMorning, "12/15/2026 23:30:00"},
    {"monthly 10,20 on the 8th", Monthly("10,20"), kTuesdayMorning, "12/10/2026 23:30:00"},
    {"monthly 1,5 on the 8th", Monthly("1,5"), kTuesdayMorning, "1/1/2027 23:30:00"},
    {"monthly 8 before the time", Monthly("8"), kTuesdayMorning, "12/8/2026 23:30:00"},
    {"monthly 8 after the time", Monthly("8"), kTuesdayLate, "1/8/2027 23:30:00"},
    {"monthly empty period", Monthly(""), kTuesdayMorning, ""},
    {"monthly pieces out of range", Monthly("0,32,x"), kTuesdayMorning, ""},
    {"monthly 31 skips a 30-day month", Monthly("31"), At(2026, 11, 15, 9, 0), "12/31/2026 23:30:00"},
    {"monthly 30,31 skips February", Monthly("30,31"), At(2026, 2, 10, 9, 0), "3/30/2026 23:30:00"},
    {"monthly 29 in a common year", Monthly("29"), At(2026, 1, 30, 9, 0), "3/29/2026 23:30:00"},
    {"monthly 29 in a leap year", Monthly("29"), At(2028, 1, 30, 9, 0), "2/29/2028 23:30:00"},
    {"monthly 31 late on the 31st", Monthly("31"), At(2026, 12, 31, 23, 59), "1/31/2027 23:30:00"},
    {"monthly 31 late on January 31st", Monthly("31"), At(2027, 1, 31, 23, 59), "3/31/2027 23:30:00"},

    // Values that cannot be read.
    {"no start date", Section("", "23:30:00", "-1", "0", ""), kTuesdayMorning, ""},
    {"no start time", Section("12/1/2026", "", "-1", "0", ""), kTuesdayMorning, ""},
    {"keys missing", Section(std::nullopt, std::nullopt, "-1", "0", ""), kTuesdayMorning, ""},
    {"start date not a date", Section("soon", "23:30:00", "-1", "0", ""), kTuesdayMorning, ""},
    {"start date impossible", Section("2/30/2026", "23:30:00", "-1", "0", ""), kTuesdayMorning, ""},
    {"start date with blanks", Section("Dec 8, 2026", "23:30:00", "0", "0", ""), kTuesdayMorning, ""},
    {"start date after a blank", Section(" 12/31/2030", "23:30:00", "0", "0", ""), kTuesdayMorning, ""},
    {"start time not a time", Section("12/1/2026", "25:00:00", "-1", "0", ""), kTuesdayMorning, ""},
    {"repeat written as a word", Section("12/1/2026", "23:30:00", "yes", "0", ""), kTuesdayMorning, ""},
    {"repeat True", Section("12/1/2026", "23:30:00", "True", "0", ""), kTuesdayMorning, "12/8/2026 23:30:00"},
    {"repeat 1", Section("12/1/2026", "23:30:00", "1", "0", ""), kTuesdayMorning, "12/8/2026 23:30:00"},
    {"repeat missing", Section("12/1/2026", "23:30:00", std::nullopt, "0", ""), kTuesdayMorning, ""},

    // Another short date form.
    {"day.month.year form", Section("01.12.2026", "23:30:00", "-1", "1", "mon,fri"), kTuesdayMorning,
     "11.12.2026 23:30:00", "dd.MM.yyyy"},
    {"first run in day.month.year form", Section("24.12.2026", "18:00:00", "0", "0", ""), kTuesdayMorning,
     "24.12.2026 18:00:00", "dd.MM.yyyy"},
};

class NextRunTimeTest : public testing::TestWithParam<Case> {};

TEST_P(NextRunTimeTest, GivesTheNextRun) {
  const Case& c = GetParam();
  const platform::PatternLocale locale(c.datePattern);
  EXPECT_EQ(NextRunTime(c.section, c.now, locale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, NextRunTimeTest, testing::ValuesIn(kCases));

TEST(NextRunTime, NextRunTextHasExactlyOneBlankBeforeTheTime) {
  // The engine splits the text at its first blank: a short date form with blanks must lose them.
  const platform::PatternLocale locale("d. M. yyyy");
  const std::string next = NextRunTime(Section("1.12.2026", "23:30:00", "-1", "0", ""), kTuesdayLate, locale);
  EXPECT_EQ(next, "9.12.2026 23:30:00");
}

TEST(NextRunTime, HandEditedSectionWithoutLineEndAfterTheLastKey) {
  const platform::PatternLocale locale;
  // StartTime stands last without its CR LF, so it reads as empty: no next run.
  EXPECT_EQ(NextRunTime("\r\nStartDate=12/8/2026\r\nStartTime=23:30:00", kTuesdayMorning, locale), "");
}

}  // namespace
}  // namespace curfew
