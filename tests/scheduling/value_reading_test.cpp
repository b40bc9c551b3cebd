#include "scheduling/value_reading.h"

#include <gtest/gtest.h>

#include <optional>

namespace curfew {
namespace {

struct FlagCase {
  const char* text;
  bool expected;
};

void PrintTo(const FlagCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ReadFlagCases : public testing::TestWithParam<FlagCase> {};

TEST_P(ReadFlagCases, ReadsYesOnlyForNonZeroNumbersAndTrue) {
  EXPECT_EQ(ReadFlag(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Flags, ReadFlagCases,
                         testing::Values(FlagCase{"-1", true}, FlagCase{"1", true}, FlagCase{" 2 ", true},
                                         FlagCase{"0.5", true}, FlagCase{"True", true}, FlagCase{"TRUE", true},
                                         FlagCase{"0", false}, FlagCase{"-0", false}, FlagCase{"False", false},
                                         FlagCase{"yes", false}, FlagCase{"", false}, FlagCase{"1x", false},
                                         FlagCase{"-", false}, FlagCase{".", false}));

struct IntegerCase {
  const char* text;
  std::optional<std::int16_t> expected;
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ReadInteger16Cases : public testing::TestWithParam<IntegerCase> {};

TEST_P(ReadInteger16Cases, ReadsSixteenBitIntegers) {
  EXPECT_EQ(ReadInteger16(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Integers, ReadInteger16Cases,
                         testing::Values(IntegerCase{"0", 0}, IntegerCase{"2", 2}, IntegerCase{" 15", 15},
                                         IntegerCase{"+7", 7}, IntegerCase{"-32768", -32768},
                                         IntegerCase{"32767", 32767}, IntegerCase{"32768", std::nullopt},
                                         IntegerCase{"1.5", 2}, IntegerCase{"2.5", 2}, IntegerCase{"08", 8},
                                         IntegerCase{"", std::nullopt}, IntegerCase{"two", std::nullopt},
                                         IntegerCase{"1 2", std::nullopt},
                                         IntegerCase{"99999999999999999999999", std::nullopt}));

}  // namespace
}  // namespace curfew
