#include "scheduling/schedule_file_edit.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "scheduling/mod_globals.h"

namespace curfew {
namespace {

constexpr const char* kWritten = "12/8/2026 10:01:00 AM";

struct LastRunCase {
  const char* what;
  const char* file;
  const char* expected;
};

class WithDataValueTest : public testing::TestWithParam<LastRunCase> {};

// The value lands where the list reads it, and every other byte stays.
TEST_P(WithDataValueTest, WritesWhereTheListReads) {
  const auto written = WithDataValue(GetParam().file, "LastRunTime", kWritten);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, GetParam().expected);
  EXPECT_EQ(GetKeyValue(GetSection(*written, "DATA"), "LastRunTime"), kWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WithDataValueTest,
    testing::Values(LastRunCase{"an earlier run replaced",
                                "<DATA>\r\nLastRunTime=1/1/2026\r\nItemType=Reboot\r\n</DATA>\r\n",
                                "<DATA>\r\nLastRunTime=12/8/2026 10:01:00 AM\r\nItemType=Reboot\r\n</DATA>\r\n"},
                    LastRunCase{"an empty value filled", "<DATA>\r\nLastRunTime=\r\nEnabled=1\r\n</DATA>\r\n<X>\r\n",
                                "<DATA>\r\nLastRunTime=12/8/2026 10:01:00 AM\r\nEnabled=1\r\n</DATA>\r\n<X>\r\n"},
                    LastRunCase{"a missing line added first", "<DATA>\r\nItemType=Reboot\r\n</DATA>\r\n",
                                "<DATA>\r\nLastRunTime=12/8/2026 10:01:00 AM\r\nItemType=Reboot\r\n</DATA>\r\n"},
                    LastRunCase{"an opening tag without a line end", "<DATA>ItemType=Reboot\r\n</DATA>",
                                "<DATA>\r\nLastRunTime=12/8/2026 10:01:00 AM\r\nItemType=Reboot\r\n</DATA>"},
                    LastRunCase{"a last line the list cannot read", "<DATA>\r\nLastRunTime=x</DATA>",
                                "<DATA>\r\nLastRunTime=12/8/2026 10:01:00 AM\r\nLastRunTime=x</DATA>"},
                    LastRunCase{"the key of another section untouched",
                                "<DATA>\r\n</DATA>\r\n<SCHEDULER>\r\nLastRunTime=s\r\n</SCHEDULER>\r\n",
                                "<DATA>\r\nLastRunTime=12/8/2026 10:01:00 "
                                "AM\r\n</DATA>\r\n<SCHEDULER>\r\nLastRunTime=s\r\n</SCHEDULER>\r\n"}),
    [](const testing::TestParamInfo<LastRunCase>& param) {
      std::string name;
      for (const char c : std::string_view(param.param.what))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(WithDataValue, ATextWithoutADataSectionIsNotChanged) {
  EXPECT_FALSE(WithDataValue("<SCHEDULER>\r\nStartTime=10:00:00\r\n</SCHEDULER>\r\n", "LastRunTime", kWritten));
  EXPECT_FALSE(WithDataValue("</DATA>\r\n<DATA>\r\n", "LastRunTime", kWritten))
      << "a closing tag before the opening one";
}

}  // namespace
}  // namespace curfew
