#include "platform/windowing/dark_recolouring.h"

#include <gtest/gtest.h>

#include <vector>

namespace curfew::ui {
namespace {

// The dark skin's field: background #2B2B2B, text #F3F3F3 (as 0x00BBGGRR).
constexpr Colour kBack = 0x2B2B2B;
constexpr Colour kText = 0xF3F3F3;

struct Case {
  const char* name;
  std::uint32_t light;  // 0x00RRGGBB as the system drew it
  std::uint32_t dark;
};

class RecolourOntoDarkTest : public testing::TestWithParam<Case> {};

TEST_P(RecolourOntoDarkTest, MapsTheSystemsDrawingOntoTheFieldColours) {
  EXPECT_EQ(RecolourPixelOntoDark(GetParam().light, kBack, kText), GetParam().dark);
}

INSTANTIATE_TEST_SUITE_P(Pixels, RecolourOntoDarkTest,
                         testing::Values(Case{"WhiteBackground", 0xFFFFFF, 0x2B2B2B},
                                         Case{"BlackText", 0x000000, 0xF3F3F3},
                                         Case{"GreySeparatorHalfway", 0x808080, 0x8E8E8E},
                                         // #0078D7, the selection's blue: still blue, lighter than it was.
                                         Case{"Highlight", 0x0078D7, 0x4AA8F3}),
                         [](const testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

TEST(RecolourOntoDark, TakesTheControlsOwnColoursInTheirByteOrder) {
  // Background red-ish and text blue-ish in 0x00BBGGRR: white must come out red, black blue.
  EXPECT_EQ(RecolourPixelOntoDark(0xFFFFFF, 0x000040, 0x400000), 0x400000U);
  EXPECT_EQ(RecolourPixelOntoDark(0x000000, 0x000040, 0x400000), 0x000040U);
}

TEST(RecolourOntoDark, ABufferRecoloursEveryPixelAndDropsTheUnusedByte) {
  std::vector<std::uint32_t> pixels{0xFFFFFFFF, 0xFFFFFFFF, 0x00000000, 0xFF0078D7, 0x00FFFFFF};
  RecolourOntoDark(pixels, kBack, kText);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0x2B2B2B, 0x2B2B2B, 0xF3F3F3, 0x4AA8F3, 0x2B2B2B}));
}

}  // namespace
}  // namespace curfew::ui
