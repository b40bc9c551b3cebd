#include "platform/win32/win32_locale.h"

#include <gtest/gtest.h>

#include "platform/headless/fixed_clock.h"
#include "scheduling/next_run_time.h"

namespace curfew::platform::win32 {
namespace {

using namespace std::chrono;

TEST(Win32Locale, ShortDatesReadBack) {
  const Win32Locale locale;
  EXPECT_EQ(locale.ShortDatePattern().find(' '), std::string::npos);
  for (const year_month_day date :
       {year_month_day{year(2026), month(12), day(8)}, year_month_day{year(2027), month(1), day(5)},
        year_month_day{year(2028), month(2), day(29)}}) {
    const std::string text = locale.FormatShortDate(date);
    EXPECT_EQ(text.find(' '), std::string::npos) << text;
    EXPECT_EQ(locale.ReadDate(text), date) << text;
  }
}

TEST(Win32Locale, ReadsTimesOfDay) {
  const Win32Locale locale;
  EXPECT_EQ(locale.ReadTimeOfDay("23:30:00"), (TimeOfDay{23, 30, 0}));
  EXPECT_EQ(locale.ReadTimeOfDay("07:05:09"), (TimeOfDay{7, 5, 9}));
  EXPECT_EQ(locale.ReadTimeOfDay("not a time"), std::nullopt);
  EXPECT_EQ(locale.ReadDate("not a date"), std::nullopt);
  EXPECT_EQ(locale.ReadDate(""), std::nullopt);
}

TEST(Win32Locale, GeneralDateAddsTheTime) {
  const Win32Locale locale;
  const year_month_day date{year(2026), month(12), day(8)};
  EXPECT_EQ(locale.FormatGeneralDate({date, {}}), locale.FormatShortDate(date));
  const std::string withTime = locale.FormatGeneralDate({date, {23, 30, 5}});
  EXPECT_TRUE(withTime.starts_with(locale.FormatShortDate(date) + " ")) << withTime;
  EXPECT_NE(withTime.find("30"), std::string::npos) << withTime;
}

TEST(Win32Locale, ShortTimeLeavesOutTheSeconds) {
  const Win32Locale locale;
  const std::string shortTime = locale.FormatShortTime({23, 30, 17});
  EXPECT_NE(shortTime.find("30"), std::string::npos) << shortTime;
  EXPECT_EQ(shortTime.find("17"), std::string::npos) << shortTime;
  const std::string withSeconds =
      locale.FormatGeneralDate({year_month_day{year(2026), month(12), day(8)}, {23, 30, 17}});
  EXPECT_LT(shortTime.size(), withSeconds.size());
}

TEST(Win32Locale, NextRunTimeUsesTheUserForm) {
  const Win32Locale locale;
  const LocalDateTime now{year_month_day{year(2026), month(12), day(8)}, {10, 0, 0}};
  const std::string start = locale.FormatShortDate(year_month_day{year(2026), month(12), day(1)});
  const std::string section =
      "\r\nStartDate=" + start + "\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=1\r\nPeriod=mon,fri\r\n";
  EXPECT_EQ(NextRunTime(section, now, locale),
            locale.FormatShortDate(year_month_day{year(2026), month(12), day(11)}) + " 23:30:00");
}

TEST(Win32Locale, LetterCaseFollowsTheUsersLanguage) {
  const Win32Locale locale;
  EXPECT_EQ(locale.ToUpper("über"), "ÜBER");
  EXPECT_TRUE(locale.EqualIgnoringCase("FRANÇAIS", "français"));
  EXPECT_TRUE(locale.EqualIgnoringCase("ΕΛΛΗΝΙΚΆ", "ελληνικά"));
  EXPECT_TRUE(locale.EqualIgnoringCase("РУССКИЙ", "русский"));
  EXPECT_FALSE(locale.EqualIgnoringCase("Deutsch", "Dutch"));
  EXPECT_EQ(locale.ToUpper(""), "");
}

}  // namespace
}  // namespace curfew::platform::win32
