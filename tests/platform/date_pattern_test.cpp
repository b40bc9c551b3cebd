#include "platform/host/date_pattern.h"

#include <gtest/gtest.h>

#include "platform/host/pattern_locale.h"

namespace curfew::platform {
namespace {

using namespace std::chrono;

constexpr year_month_day kDate{year(2026), month(12), day(8)};
constexpr year_month_day kEarly{year(2027), month(1), day(5)};

struct FormatCase {
  const char* picture;
  year_month_day date;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.picture << " -> " << c.expected; }

class FormatDateCases : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateCases, WritesThePicture) {
  EXPECT_EQ(date_pattern::FormatDate(GetParam().picture, GetParam().date), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FormatDateCases,
    testing::Values(FormatCase{"M/d/yyyy", kDate, "12/8/2026"}, FormatCase{"M/d/yyyy", kEarly, "1/5/2027"},
                    FormatCase{"MM/dd/yy", kEarly, "01/05/27"}, FormatCase{"dd.MM.yyyy", kEarly, "05.01.2027"},
                    FormatCase{"yyyy-MM-dd", kDate, "2026-12-08"}, FormatCase{"d-MMM-yyyy", kDate, "8-Dec-2026"},
                    FormatCase{"dddd, MMMM d, yyyy", kDate, "Tuesday, December 8, 2026"},
                    FormatCase{"d 'de' MMMM", kDate, "8 de December"}, FormatCase{"d''M", kDate, "8'12"}));

struct ReadCase {
  const char* picture;
  const char* text;
  std::optional<year_month_day> expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << '"' << c.text << "\" as " << c.picture; }

class ReadDateCases : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadDateCases, ReadsTheDateBack) {
  EXPECT_EQ(date_pattern::ReadDate(GetParam().picture, GetParam().text), GetParam().expected)
      << GetParam().text << " with " << GetParam().picture;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDateCases,
    testing::Values(ReadCase{"M/d/yyyy", "12/8/2026", kDate}, ReadCase{"M/d/yyyy", "12-08-2026", kDate},
                    ReadCase{"M/d/yyyy", " 12/8/2026 ", kDate}, ReadCase{"M/d/yyyy", "2026-12-08", kDate},
                    ReadCase{"M/d/yyyy", "Dec 8, 2026", kDate},
                    ReadCase{"M/d/yyyy", "Tuesday, December 8, 2026", kDate}, ReadCase{"M/d/yyyy", "1/5/27", kEarly},
                    ReadCase{"dd.MM.yyyy", "08.12.2026", kDate}, ReadCase{"dd.MM.yyyy", "8.12.2026", kDate},
                    ReadCase{"yyyy-MM-dd", "2026-12-08", kDate}, ReadCase{"d-MMM-yyyy", "8-Dec-2026", kDate},
                    ReadCase{"M/d/yyyy", "2/29/2026", std::nullopt}, ReadCase{"M/d/yyyy", "13/1/2026", std::nullopt},
                    ReadCase{"M/d/yyyy", "0/1/2026", std::nullopt}, ReadCase{"M/d/yyyy", "12/8", std::nullopt},
                    ReadCase{"M/d/yyyy", "12/8/2026/1", std::nullopt}, ReadCase{"M/d/yyyy", "", std::nullopt},
                    ReadCase{"M/d/yyyy", "23:30:00", std::nullopt}, ReadCase{"M/d/yyyy", "soon", std::nullopt},
                    ReadCase{"M/d/yyyy", "12/8/99999", std::nullopt},
                    // Days and months beyond a byte must not wrap round to small ones.
                    ReadCase{"M/d/yyyy", "1/265/2027", std::nullopt}, ReadCase{"M/d/yyyy", "265/1/2027", std::nullopt},
                    ReadCase{"M/d/yyyy", "1/32/2027", std::nullopt},
                    ReadCase{"M/d/yyyy", "99999999999999999999/1/1", std::nullopt}));

struct TimeCase {
  const char* text;
  std::optional<TimeOfDay> expected;
};

void PrintTo(const TimeCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ReadTimeCases : public testing::TestWithParam<TimeCase> {};

TEST_P(ReadTimeCases, ReadsTheTimeOfDay) {
  EXPECT_EQ(date_pattern::ReadTime(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadTimeCases,
    testing::Values(TimeCase{"23:30:00", TimeOfDay{23, 30, 0}}, TimeCase{"07:05:09", TimeOfDay{7, 5, 9}},
                    TimeCase{"7:05", TimeOfDay{7, 5, 0}}, TimeCase{" 7:05 ", TimeOfDay{7, 5, 0}},
                    TimeCase{"11:30:00 PM", TimeOfDay{23, 30, 0}}, TimeCase{"12:00:00 AM", TimeOfDay{0, 0, 0}},
                    TimeCase{"12:15 pm", TimeOfDay{12, 15, 0}}, TimeCase{"24:00:00", std::nullopt},
                    TimeCase{"23:60:00", std::nullopt}, TimeCase{"13:00 PM", std::nullopt}, TimeCase{"7", std::nullopt},
                    TimeCase{"7:05:00:00", std::nullopt}, TimeCase{"7:05 later", std::nullopt},
                    TimeCase{"", std::nullopt}, TimeCase{"123:00", std::nullopt}));

TEST(PatternLocale, WritesAndReadsItsOwnDates) {
  for (const char* picture : {"M/d/yyyy", "dd.MM.yyyy", "yyyy-MM-dd", "d. M. yyyy", "d/MMM/yyyy", "yy/MM/dd"}) {
    const PatternLocale locale(picture);
    EXPECT_EQ(locale.ShortDatePattern().find(' '), std::string::npos) << picture;
    for (const year_month_day date : {kDate, kEarly, year_month_day{year(2028), month(2), day(29)}}) {
      EXPECT_EQ(locale.ReadDate(locale.FormatShortDate(date)), date) << picture;
    }
  }
}

TEST(PatternLocale, GeneralDateShowsTheTimeUnlessMidnight) {
  const PatternLocale locale;
  EXPECT_EQ(locale.FormatGeneralDate({kDate, {23, 30, 5}}), "12/8/2026 11:30:05 PM");
  EXPECT_EQ(locale.FormatGeneralDate({kDate, {0, 0, 0}}), "12/8/2026");
  EXPECT_EQ(PatternLocale("dd.MM.yyyy", "HH:mm:ss").FormatGeneralDate({kDate, {7, 5, 0}}), "08.12.2026 07:05:00");
}

}  // namespace
}  // namespace curfew::platform
