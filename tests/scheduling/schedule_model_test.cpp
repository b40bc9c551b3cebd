// The schedules' model: the minute a run falls due, the run that comes next, and the runs a
// user postpones or skips.
#include "scheduling/schedule_model.h"

#include <gtest/gtest.h>

#include "platform/host/pattern_locale.h"

namespace curfew {
namespace {

using namespace std::chrono;

LocalDateTime At(unsigned dayOfMonth, int hour, int minute, int second = 0) {
  return {year_month_day{year(2026), month(12), day(dayOfMonth)}, {hour, minute, second}};
}

// Every schedule's runs follow its own SCHEDULER section, as its file would give them.
class SectionRuns final : public RunSource {
 public:
  NextRun NextRunOf(const ScheduleEntry& entry, const LocalDateTime& seen) const override {
    if (entry.source == ScheduleSource::Quick) return {};
    return curfew::NextRunOf(entry.lastRunText, seen, locale);  // the section stands in the last-run text
  }
  platform::PatternLocale locale;
};

ScheduleEntry Stored(std::string name, const std::string& section, const LocalDateTime& now) {
  const platform::PatternLocale locale;
  return {std::move(name), "Reboot", ScheduleSource::File, true, section, curfew::NextRunOf(section, now, locale)};
}

const std::string kDaily = "\r\nStartDate=12/1/2026\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=0\r\n";
const std::string kOnce = "\r\nStartDate=12/8/2026\r\nStartTime=23:00:00\r\nRepeat=0\r\nSAccurancy=0\r\n";

class ScheduleModelTest : public testing::Test {
 protected:
  SectionRuns runs;
  ScheduleModel model{runs, runs.locale};
};

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

TEST_F(ScheduleModelTest, TheNextActionIsTheEarliestRunAndOfOneMinuteTheUpperRow) {
  const LocalDateTime now = At(8, 10, 0);
  model.Replace({Stored("Daily", kDaily, now), Stored("Once", kOnce, now)});
  model.AddQuick("Log Off", now, At(8, 23, 0, 45));
  model.AddQuick("Shut Down", now, std::nullopt);
  ASSERT_TRUE(model.NextAction());
  EXPECT_EQ(model.NextAction()->index, 1U) << "23:00 before 23:30; the quick one below shares 23:00";
  model.Queue(1);
  EXPECT_EQ(model.NextAction()->index, 2U);
  EXPECT_EQ(model.At(2).name, "Quick Schedule 12/8/2026 10:00:00 AM");
  EXPECT_EQ(model.At(3).next, NextRun{}) << "a delay the list does not know never runs";
}

TEST_F(ScheduleModelTest, APostponedRunMovesAloneAndItsScheduleGoesOnAsBefore) {
  model.Replace({Stored("Daily", kDaily, At(8, 23, 29))});
  model.Postpone(0, At(8, 23, 40));
  EXPECT_EQ(model.At(0).next, (NextRun{"12/8/2026 11:40:00 PM", At(8, 23, 40)}));
  model.RunAgainFrom(0, At(8, 23, 40, 1));  // after the postponed run
  EXPECT_EQ(model.At(0).next.at, At(9, 23, 30));
}

struct SkipCase {
  const char* description;
  const std::string* section;
  ScheduleSource source;
  std::optional<LocalDateTime> expected;
};

void PrintTo(const SkipCase& c, std::ostream* out) { *out << c.description; }

class SkippedRun : public ScheduleModelTest, public testing::WithParamInterface<SkipCase> {};

TEST_P(SkippedRun, GivesTheFollowingRunOrNone) {
  ScheduleEntry entry = Stored("S", *GetParam().section, At(8, 10, 0));
  entry.source = GetParam().source;
  model.Replace({entry});
  model.SkipNextRun(0);
  EXPECT_EQ(model.At(0).next.at, GetParam().expected);
  EXPECT_EQ(model.At(0).next.text.empty(), !GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Model, SkippedRun,
                         testing::Values(SkipCase{"daily", &kDaily, ScheduleSource::File, At(9, 23, 30)},
                                         SkipCase{"once", &kOnce, ScheduleSource::File, std::nullopt},
                                         SkipCase{"quick", &kDaily, ScheduleSource::Quick, std::nullopt}));

TEST_F(ScheduleModelTest, TheWorkListGivesItsFirstNameAndDropsTheRest) {
  const LocalDateTime now = At(8, 23, 30);
  model.Replace({Stored("A", kDaily, now), Stored("B", kDaily, now), Stored("A", kDaily, now)});
  for (std::size_t index = 0; index < model.Count(); ++index) model.Queue(index);
  EXPECT_EQ(model.Find("A"), 0U);
  EXPECT_EQ(model.TakeWork(), "A");
  EXPECT_EQ(model.DropWork(), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(model.TakeWork(), std::nullopt);
  EXPECT_FALSE(model.NextAction()) << "queued runs show no next run";
}

}  // namespace
}  // namespace curfew
