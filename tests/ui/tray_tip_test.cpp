#include "ui/tray_tip.h"

#include <gtest/gtest.h>

#include "platform/host/pattern_locale.h"

namespace curfew {
namespace {

const LocalDateTime kNow{
    std::chrono::year_month_day{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)}, {22, 10, 5}};

LocalDateTime OnDay(unsigned day, int hour, int minute) {
  return {std::chrono::year_month_day{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(day)},
          {hour, minute, 0}};
}

struct TipCase {
  const char* timePattern;
  std::optional<ComingAction> coming;
  const char* expected;
};

class TrayTipTest : public testing::TestWithParam<TipCase> {};

TEST_P(TrayTipTest, NamesTheNextActionAndItsTime) {
  const platform::PatternLocale locale("M/d/yyyy", GetParam().timePattern);
  EXPECT_EQ(TrayTip("Curfew", GetParam().coming, "[Action] at [Time]", kNow, locale), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrayTipTest,
                         testing::Values(TipCase{"h:mm:ss tt", std::nullopt, "Curfew"},
                                         TipCase{"h:mm:ss tt", ComingAction{"Shut Down", OnDay(8, 23, 30)},
                                                 "Curfew \u2013 Shut Down at 11:30 PM"},
                                         TipCase{"HH:mm:ss", ComingAction{"Shut Down", OnDay(8, 23, 30)},
                                                 "Curfew \u2013 Shut Down at 23:30"},
                                         TipCase{"H.mm.ss", ComingAction{"Reboot", OnDay(9, 7, 5)},
                                                 "Curfew \u2013 Reboot at 12/9/2026 7.05"}));

TEST(TrayTip, KeepingAwakeComesLastAndIsCutFirst) {
  const platform::PatternLocale locale("M/d/yyyy", "HH:mm:ss");
  const ComingAction reboot{"Reboot", OnDay(8, 23, 0)};
  EXPECT_EQ(TrayTip("Curfew", reboot, "[Action] at [Time]", kNow, locale, "kept awake"),
            "Curfew \u2013 Reboot at 23:00 \u2013 kept awake");
  EXPECT_EQ(TrayTip("Curfew", std::nullopt, "[Action] at [Time]", kNow, locale, "kept awake"),
            "Curfew \u2013 kept awake");
  EXPECT_EQ(TrayTip(std::string(40, 'x'), reboot, "[Action] at [Time]", kNow, locale, "kept awake"),
            std::string(40, 'x') + " \u2013 Reboot at 23:00 \u2013 ke");
}

TEST(TrayTip, TheTranslatedPhraseOrdersItsParts) {
  const platform::PatternLocale locale("d.M.yyyy", "HH:mm:ss");
  EXPECT_EQ(TrayTip("Curfew", ComingAction{"Log Off", OnDay(8, 23, 0)}, "[Time]: [Action]", kNow, locale),
            "Curfew \u2013 23:00: Log Off");
}

TEST(TrayTip, ALongTipIsCutToSixtyThreeCharactersBetweenCharacters) {
  const platform::PatternLocale locale;
  const std::string name = std::string(58, 'x') + "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9";  // 65 characters
  const std::string tip =
      TrayTip(name, ComingAction{"Shut Down", OnDay(8, 23, 30)}, "[Action] at [Time]", kNow, locale);
  EXPECT_EQ(tip, std::string(58, 'x') + "\u00e9\u00e9\u00e9\u00e9\u00e9") << "the name first, cut whole characters";
}

}  // namespace
}  // namespace curfew
