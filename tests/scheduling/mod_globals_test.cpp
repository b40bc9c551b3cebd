#include "scheduling/mod_globals.h"

#include <gtest/gtest.h>

#include "scheduling/schedule_writer.h"

namespace curfew {
namespace {

ScheduleRecord WeeklyShutdown() {
  ScheduleRecord record;
  record.name = "Weekdays";
  record.ItemType = "Shut Down";
  record.Enabled = true;
  record.StartDate = "12/8/2026";
  record.StartTime = "23:30:00";
  record.Repeat = true;
  record.SAccurancy = 1;
  record.Period = "mon,fri";
  return record;
}

TEST(GetSection, ReadsBothSectionsOfAWrittenFile) {
  const std::string file = ComposeScheduleFile(WeeklyShutdown());
  EXPECT_EQ(GetSection(file, "DATA"), "\r\nLastRunTime=\r\nItemType=Shut Down\r\nEnabled=1\r\n");
  EXPECT_EQ(GetSection(file, "scheduler"),
            "\r\nStartDate=12/8/2026\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=1\r\nPeriod=mon,fri\r\n"
            "RunOnStart=0\r\nRunOnEnd=0\r\n");
}

struct SectionCase {
  const char* description;
  const char* text;
  const char* expected;
};

void PrintTo(const SectionCase& c, std::ostream* out) { *out << c.description; }

class GetSectionCases : public testing::TestWithParam<SectionCase> {};

TEST_P(GetSectionCases, FindsTheTextBetweenTheTags) {
  EXPECT_EQ(GetSection(GetParam().text, "data"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Tags, GetSectionCases,
                         testing::Values(SectionCase{"tags in the file must be upper case", "<data>x</data>", ""},
                                         SectionCase{"closing tag missing", "<DATA>x=1\r\n", ""},
                                         SectionCase{"opening tag missing", "x=1\r\n</DATA>", ""},
                                         SectionCase{"closing tag before the opening tag", "</DATA><DATA>x", ""},
                                         SectionCase{"first opening, last closing", "<DATA>a</DATA>b<DATA>c</DATA>",
                                                     "a</DATA>b<DATA>c"},
                                         SectionCase{"empty section", "<DATA></DATA>", ""},
                                         SectionCase{"text around the tags", "junk<DATA>k=v\r\n</DATA>junk", "k=v\r\n"},
                                         SectionCase{"empty text", "", ""}));

struct KeyCase {
  const char* description;
  const char* text;
  const char* key;
  const char* expected;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.description; }

class GetKeyValueCases : public testing::TestWithParam<KeyCase> {};

TEST_P(GetKeyValueCases, ReadsTheValueUpToTheLineEnd) {
  EXPECT_EQ(GetKeyValue(GetParam().text, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GetKeyValueCases,
    testing::Values(KeyCase{"plain value", "\r\nRepeat=-1\r\n", "Repeat", "-1"},
                    KeyCase{"list is not split", "\r\nPeriod=mon,fri\r\n", "Period", "mon,fri"},
                    KeyCase{"last key without line end", "\r\nRepeat=-1", "Repeat", ""},
                    KeyCase{"lone LF is not a line end", "Repeat=-1\nPeriod=mon\r\n", "Repeat", "-1\nPeriod=mon"},
                    KeyCase{"key found inside another key", "xRepeat=1\r\nRepeat=-1\r\n", "Repeat", "1"},
                    KeyCase{"first of duplicated keys", "Period=1\r\nPeriod=2\r\n", "Period", "1"},
                    KeyCase{"blanks belong to the value", "ItemType= Shut Down \r\n", "ItemType", " Shut Down "},
                    KeyCase{"value may contain =", "Period=a=b\r\n", "Period", "a=b"},
                    KeyCase{"blank before = hides the key", "Repeat =1\r\n", "Repeat", ""},
                    KeyCase{"keys are case-sensitive", "repeat=1\r\n", "Repeat", ""},
                    KeyCase{"empty value", "LastRunTime=\r\n", "LastRunTime", ""},
                    KeyCase{"missing key", "Repeat=1\r\n", "Period", ""}, KeyCase{"empty text", "", "Repeat", ""}));

}  // namespace
}  // namespace curfew
