// The decisions file beside the schedules: what is written reads back, and a text that is not
// such a file is refused whole.
#include "scheduling/run_decisions.h"

#include <gtest/gtest.h>

namespace curfew {
namespace {

using namespace std::chrono;

LocalDateTime At(unsigned d, int hour, int minute) {
  return {year_month_day{year(2026), month(12), day(d)}, {hour, minute, 0}};
}

TEST(DecisionsFile, ReadsBackWhatItWrote) {
  const KeptDecisions kept{
      {{RunDecision::Kind::Skip, "Nightly \xC3\xA9t\xC3\xA9, late", 0x0123456789abcdefULL, At(11, 23, 30), {}},
       {RunDecision::Kind::Postpone, "Backup", 0xfedcba9876543210ULL, At(11, 22, 0), At(11, 23, 0)}},
      At(11, 10, 0)};
  EXPECT_EQ(ParseDecisions(ComposeDecisions(kept)), kept);
  EXPECT_EQ(ParseDecisions(""), KeptDecisions{});
}

class NotADecisionsFile : public testing::TestWithParam<const char*> {};

TEST_P(NotADecisionsFile, IsRefused) { EXPECT_EQ(ParseDecisions(GetParam()), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(
    Texts, NotADecisionsFile,
    testing::Values("<DATA>\r\n", "Curfew run decisions 2\r\n",
                    "Curfew run decisions 1\r\nskip\t0123456789abcdef\t2026-12-11T23:30:00\r\n",
                    "Curfew run decisions 1\r\nskip\t0123\t2026-12-11T23:30:00\tName\r\n",
                    "Curfew run decisions 1\r\nskip\t0123456789abcdef\t2026-13-11T23:30:00\tName\r\n",
                    "Curfew run decisions 1\r\npostpone\t0123456789abcdef\t2026-12-11T23:30:00\tName\r\n",
                    "Curfew run decisions 1\r\nseen\tyesterday\r\n", "Curfew run decisions 1\r\nforget\tall\r\n"));

}  // namespace
}  // namespace curfew
