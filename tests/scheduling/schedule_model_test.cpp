// The schedules' model: the minute a run falls due, and the work list.
#include "scheduling/schedule_model.h"

#include <gtest/gtest.h>

namespace curfew {
namespace {

using namespace std::chrono;

LocalDateTime At(unsigned dayOfMonth, int hour, int minute, int second = 0) {
  return {year_month_day{year(2026), month(12), day(dayOfMonth)}, {hour, minute, second}};
}

struct DueCase {
  LocalDateTime now;
  Due expected;
};

class DueMinute : public testing::TestWithParam<DueCase> {};

TEST_P(DueMinute, ComparesToTheMinute) {
  const NextRun run{"12/8/2026 10:01:30", At(8, 10, 1, 30)};
  EXPECT_EQ(DueAt(run, GetParam().now), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Minutes, DueMinute,
                         testing::Values(DueCase{At(8, 10, 1, 0), Due::Yes}, DueCase{At(8, 10, 1, 59), Due::Yes},
                                         DueCase{At(8, 10, 0, 59), Due::Ahead}, DueCase{At(8, 10, 2, 0), Due::Missed},
                                         DueCase{At(7, 23, 59), Due::Ahead}, DueCase{At(9, 0, 0), Due::Missed}));

TEST(DueMinuteWithoutRun, IsNeverDue) { EXPECT_EQ(DueAt({}, At(8, 10, 1)), Due::No); }

TEST(ScheduleModel, TheWorkListGivesItsFirstNameAndDropsTheRest) {
  ScheduleModel model;
  const NextRun run{"12/8/2026 23:30:00", At(8, 23, 30)};
  model.Replace({{"A", "Reboot", ScheduleSource::File, true, "", run},
                 {"B", "Reboot", ScheduleSource::File, true, "", run},
                 {"A", "Reboot", ScheduleSource::File, true, "", run}});
  for (std::size_t index = 0; index < model.Count(); ++index) model.Queue(index);
  EXPECT_EQ(model.Find("A"), 0U);
  EXPECT_EQ(model.At(2).next, NextRun{}) << "a queued run shows no next run";
  EXPECT_EQ(model.TakeWork(), "A");
  EXPECT_EQ(model.DropWork(), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(model.TakeWork(), std::nullopt);
}

}  // namespace
}  // namespace curfew
