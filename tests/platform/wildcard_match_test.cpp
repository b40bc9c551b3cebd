#include "platform/wildcard_match.h"

#include <gtest/gtest.h>

#include <string>

namespace curfew::platform {
namespace {

struct WildcardCase {
  const char* name;
  const char* pattern;
  bool matches;
};

void PrintTo(const WildcardCase& c, std::ostream* out) { *out << c.name << " ~ " << c.pattern; }

class WildcardCases : public testing::TestWithParam<WildcardCase> {};

TEST_P(WildcardCases, MatchesLikeWindowsLongNames) {
  EXPECT_EQ(MatchesWildcard(GetParam().name, GetParam().pattern), GetParam().matches)
      << GetParam().name << " against " << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(Names, WildcardCases,
                         testing::Values(WildcardCase{"a.sch", "*.sch", true}, WildcardCase{"A.SCH", "*.sch", true},
                                         WildcardCase{".sch", "*.sch", true}, WildcardCase{"a.sch.tmp", "*.sch", false},
                                         WildcardCase{"a.schedule", "*.sch", false},
                                         WildcardCase{"a.sc", "*.sch", false}, WildcardCase{"abc", "a?c", true},
                                         WildcardCase{"ac", "a?c", false}, WildcardCase{"abc", "*", true},
                                         WildcardCase{"", "*", true}, WildcardCase{"", "", true},
                                         WildcardCase{"x", "", false}, WildcardCase{"a.b.sch", "*.*.sch", true},
                                         WildcardCase{"aXbXc", "a*b*c", true}, WildcardCase{"aXbX", "a*b*c", false}));

TEST(MatchesWildcard, LongAdversarialPatternsStayFast) {
  // Many stars against a long name that never matches: a naive recursive matcher would take
  // exponential time here.
  const std::string name(5000, 'a');
  const std::string pattern = std::string(100, '*') + std::string(40, 'a') + "b";
  EXPECT_FALSE(MatchesWildcard(name, pattern));
}

}  // namespace
}  // namespace curfew::platform
