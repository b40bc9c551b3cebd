// The history file: each event one CSV line that reads back as it was written, whatever a
// schedule's name holds; the header once; the cap kept at the start.
#include "scheduling/history.h"

#include <gtest/gtest.h>

#include "platform/headless/fixed_clock.h"
#include "platform/host/host_file_system.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

using namespace std::chrono;

ZonedMoment Moment(int hour, int minute, int second, int offset) {
  return {{year_month_day{year(2026), month(12), day(11)}, {hour, minute, second}}, offset};
}

class NameInHistory : public testing::TestWithParam<const char*> {};

TEST_P(NameInHistory, ReadsBackAsItWasWritten) {
  const HistoryRecord record{Moment(23, 30, 5, 60), HistoryEvent::Refused,
                             "Shut Down",           GetParam(),
                             Moment(23, 30, 0, 60), std::string("reason: ") + GetParam()};
  const std::string line = ComposeHistoryLine(record);
  EXPECT_EQ(ParseHistory(std::string(kHistoryHeader) + line + "not,a,line\r\n"), std::vector<HistoryRecord>{record});
  EXPECT_NE(line.find(",Shut Down,"), std::string::npos) << "a plain field stays plain";
}

INSTANTIATE_TEST_SUITE_P(Names, NameInHistory,
                         testing::Values("Nightly", "a, b", "say \"no\"", "two\r\nlines", "=HYPERLINK(\"x\")", "+1",
                                         "@sum", "'quoted", "Été \xE2\x80\x93 \xF0\x9F\x8C\x99"));

TEST(FormulaGuard, KeepsASpreadsheetFromTakingANameForAFormula) {
  const HistoryRecord record{Moment(1, 0, 0, 0), HistoryEvent::Ran, "Reboot", "=cmd|' /c calc'!A0", std::nullopt, ""};
  EXPECT_NE(ComposeHistoryLine(record).find(",'=cmd|"), std::string::npos);
}

struct MomentCase {
  const char* text;
  std::optional<ZonedMoment> moment;
};

class ZonedMomentText : public testing::TestWithParam<MomentCase> {};

TEST_P(ZonedMomentText, ReadsOnlyTheIsoForm) {
  EXPECT_EQ(ReadZonedMoment(GetParam().text), GetParam().moment);
  if (GetParam().moment) {
    EXPECT_EQ(FormatZonedMoment(*GetParam().moment), GetParam().text);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ZonedMomentText,
                         testing::Values(MomentCase{"2026-12-11T23:30:05+01:00", Moment(23, 30, 5, 60)},
                                         MomentCase{"2026-12-11T01:00:00-05:30", Moment(1, 0, 0, -330)},
                                         MomentCase{"2026-02-30T01:00:00+00:00", std::nullopt},
                                         MomentCase{"2026-12-11T24:00:00+00:00", std::nullopt},
                                         MomentCase{"2026-12-11 23:30:05+01:00", std::nullopt},
                                         MomentCase{"", std::nullopt}));

class HistoryFile : public testing::Test {
 protected:
  HistoryFile() { history.SetPath(folder.path() + "\\AppData\\Local\\Curfew Team\\Curfew\\History.csv"); }
  std::string Text() const { return folder.Read("AppData/Local/Curfew Team/Curfew/History.csv"); }

  test::TempFolder folder;
  platform::HostFileSystem files{folder.path()};
  platform::FixedClock clock{{year_month_day{year(2026), month(12), day(11)}, {10, 0, 0}}};
  History history{files, clock};
};

TEST_F(HistoryFile, MakesItsFoldersAndWritesTheHeaderOnce) {
  ASSERT_TRUE(history.Record(HistoryEvent::Armed, "Log Off", "Quick", std::nullopt));
  ASSERT_TRUE(history.Record(HistoryEvent::Ran, "Log Off", "Quick", clock.Now()));
  EXPECT_TRUE(Text().starts_with(kHistoryHeader));
  EXPECT_EQ(Text().find("Time,Event", 1), std::string::npos);
  EXPECT_EQ(history.Read().size(), 2U);
  ASSERT_TRUE(history.Clear());
  EXPECT_EQ(Text(), kHistoryHeader);
  EXPECT_TRUE(history.Record(HistoryEvent::Ran, "Reboot", "", std::nullopt));
  EXPECT_EQ(history.Read().size(), 1U);
}

TEST_F(HistoryFile, KeepsTheNewestEventsUpToTheCapAtTheStart) {
  for (int minute = 0; minute < 12; ++minute) {
    clock.Set({clock.Now().date, {10, minute, 0}});
    history.Record(HistoryEvent::Ran, "Reboot", "S" + std::to_string(minute), std::nullopt);
  }
  const auto last = history.TrimAndFindLast(5);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->time.minute, 11);
  const std::vector<HistoryRecord> kept = history.Read();
  ASSERT_EQ(kept.size(), 5U);
  EXPECT_EQ(kept.front().schedule, "S7");
  EXPECT_TRUE(Text().starts_with(kHistoryHeader));
}

}  // namespace
}  // namespace curfew
