// The editor's line of coming runs: the same runs the list would show, at month ends, across
// summer time and the year's end, and why there is none.
#include "scheduling/run_preview.h"

#include <gtest/gtest.h>

#include "platform/host/pattern_locale.h"
#include "support/schedule_text.h"

namespace curfew {
namespace {

using namespace std::chrono;

LocalDateTime At(int y, unsigned m, unsigned d, int hour, int minute) {
  return {year_month_day{year(y), month(m), day(d)}, {hour, minute, 0}};
}

ScheduleRecord Record(const char* date, const char* time, bool repeat, int mode, const char* period) {
  return test::Schedule("Reboot", date, time, repeat, mode, period);
}

struct PreviewCase {
  const char* description;
  ScheduleRecord record;
  LocalDateTime now;
  const char* shortDate;
  const char* expected;
};

void PrintTo(const PreviewCase& c, std::ostream* out) { *out << c.description; }

class RunsPreviewLine : public testing::TestWithParam<PreviewCase> {};

TEST_P(RunsPreviewLine, TellsTheNextThreeRuns) {
  const platform::PatternLocale locale(GetParam().shortDate);
  EXPECT_EQ(RunsPreview(GetParam().record, GetParam().now, locale,
                        [](std::string_view id) {
                          if (id == "MSG_RUNSMANY") return std::string("Runs [First], then [Then]");
                          if (id == "MSG_RUNSONCE") return std::string("Runs once: [First]");
                          return std::string(id);
                        }),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, RunsPreviewLine,
    testing::Values(
        // The start date is the first run, whatever day it is; the chosen days come after it.
        PreviewCase{"monthly 15 and 31 made on the 11th", Record("12/11/2026", "13:00:00", true, 2, "15,31"),
                    At(2026, 12, 11, 12, 5), "M/d/yyyy", "Runs Fri 12/11/2026 1:00 PM, then Tue 12/15, Thu 12/31"},
        PreviewCase{"monthly 31 skips the short months", Record("1/1/2027", "08:00:00", true, 2, "31"),
                    At(2027, 1, 31, 9, 0), "M/d/yyyy", "Runs Wed 3/31/2027 8:00 AM, then Mon 5/31, Sat 7/31"},
        PreviewCase{"monthly 29 in February of a leap year", Record("1/1/2028", "08:00:00", true, 2, "29"),
                    At(2028, 1, 30, 9, 0), "dd.MM.yyyy", "Runs Tue 29.02.2028 8:00 AM, then Wed 29.03, Sat 29.04"},
        PreviewCase{"daily across the spring change of summer time", Record("3/1/2026", "02:30:00", true, 0, ""),
                    At(2026, 3, 28, 3, 0), "M/d/yyyy", "Runs Sun 3/29/2026 2:30 AM, then Mon 3/30, Tue 3/31"},
        PreviewCase{"weekly across the autumn change", Record("2026-10-01", "23:30:00", true, 1, "sat,sun"),
                    At(2026, 10, 24, 23, 45), "yyyy-MM-dd", "Runs Sun 2026-10-25 11:30 PM, then Sat 10-31, Sun 11-01"},
        PreviewCase{"the year changes between the runs", Record("12/1/2026", "07:00:00", true, 1, "thu"),
                    At(2026, 12, 25, 8, 0), "M/d/yyyy",
                    "Runs Thu 12/31/2026 7:00 AM, then Thu 1/7/2027, Thu 1/14/2027"},
        PreviewCase{"once", Record("12/12/2026", "07:00:00", false, 0, ""), At(2026, 12, 11, 8, 0), "M/d/yyyy",
                    "Runs once: Sat 12/12/2026 7:00 AM"},
        PreviewCase{"once, passed", Record("12/10/2026", "07:00:00", false, 0, ""), At(2026, 12, 11, 8, 0), "M/d/yyyy",
                    "MSG_RUNSPASSED"},
        PreviewCase{"weekly without a day", Record("12/10/2026", "07:00:00", true, 1, ""), At(2026, 12, 11, 8, 0),
                    "M/d/yyyy", "MSG_RUNSNODAYS"}));

TEST(RunsPreviewOff, SaysTheScheduleIsNotEnabled) {
  ScheduleRecord record = Record("12/12/2026", "07:00:00", false, 0, "");
  record.Enabled = false;
  EXPECT_EQ(RunsPreview(record, At(2026, 12, 11, 8, 0), platform::PatternLocale(),
                        [](std::string_view id) { return std::string(id); }),
            "MSG_RUNSOFF");
}

TEST(MonthDayPicture, LeavesTheYearAndItsSeparatorOut) {
  EXPECT_EQ(MonthDayPicture("M/d/yyyy"), "M/d");
  EXPECT_EQ(MonthDayPicture("dd.MM.yyyy"), "dd.MM");
  EXPECT_EQ(MonthDayPicture("yyyy-MM-dd"), "MM-dd");
  EXPECT_EQ(MonthDayPicture("d/M/yy"), "d/M");
}

}  // namespace
}  // namespace curfew
