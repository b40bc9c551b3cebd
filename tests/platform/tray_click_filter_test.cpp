#include "platform/tray_click_filter.h"

#include <gtest/gtest.h>

#include <vector>

namespace curfew::platform {
namespace {

constexpr int kWaitOver = 0;  // in a sequence: the double-click time passed

struct ClickCase {
  const char* description;
  std::vector<int> sequence;
  std::vector<int> delivered;
};

void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.description; }

class TrayClicks : public testing::TestWithParam<ClickCase> {};

TEST_P(TrayClicks, DeliverOnlyWhatTheUserMeant) {
  std::vector<int> delivered;
  bool waiting = false;
  TrayClickFilter filter([&](int message) { delivered.push_back(message); }, [&](bool start) { waiting = start; });
  for (int step : GetParam().sequence) {
    if (step != kWaitOver)
      filter.Notify(step);
    else if (waiting)
      filter.WaitOver();
  }
  EXPECT_EQ(delivered, GetParam().delivered);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TrayClicks,
    testing::Values(
        ClickCase{"a single click, once the wait is over", {513, 514, kWaitOver}, {513, 514}},
        ClickCase{"no menu before the wait is over", {513, 514}, {513}},
        ClickCase{"a double click never reaches the menu", {513, 514, 515, 514, kWaitOver}, {513, 515}},
        ClickCase{"a right click at once", {516, 517}, {516, 517}},
        ClickCase{"two slow clicks are two clicks", {513, 514, kWaitOver, 513, 514, kWaitOver}, {513, 514, 513, 514}},
        ClickCase{"a click after a double click", {515, 514, kWaitOver, 514, kWaitOver}, {515, 514}},
        ClickCase{"a double click released slowly opens no menu after the window",
                  {513, 514, 515, kWaitOver, 514, kWaitOver},
                  {513, 515}},
        ClickCase{
            "a double click without its closing button-up", {515, kWaitOver, 513, 514, kWaitOver}, {515, 513, 514}}));

}  // namespace
}  // namespace curfew::platform
