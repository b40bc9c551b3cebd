// The History window on the headless back end: what happened, newest first and in the user's
// words; the order of any column; clearing; the file opened; an event arriving while it is open.
#include "ui/frm_history.h"

#include <gtest/gtest.h>

#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::MessageAnswer;
using test::MainWindowTest;

class HistoryWindowTest : public MainWindowTest {
 protected:
  frmHistory& Open() {
    Main().mnuHistory.UserClick();
    return *Main().HistoryWindow();
  }
  std::vector<std::string> Column(const frmHistory& window, int column) const {
    std::vector<std::string> cells;
    for (int row = 1; row <= window.lstHistory.ListItemCount(); ++row)
      cells.push_back(column == 1 ? window.lstHistory.ListItemText(row) : window.lstHistory.SubItem(row, column - 1));
    return cells;
  }
};

TEST_F(HistoryWindowTest, ShowsWhatHappenedNewestFirstAndSortsByAnyColumn) {
  WriteSchedule("Nightly", "Log Off", "12/1/2026", "10:01:00", true, 0);
  Start();
  Main().cmbTime.UserPick(2);  // In 5 Minutes
  Main().cmdGo.UserClick();
  AdvanceTo(10, 1, 2);
  frmHistory& window = Open();
  EXPECT_EQ(window.Caption(), "Curfew History");
  EXPECT_EQ(Column(window, 2), (std::vector<std::string>{"Ran", "Temporary schedule set"}));
  EXPECT_EQ(Column(window, 4), (std::vector<std::string>{"Nightly", "Quick Schedule 12/8/2026 10:00:00 AM"}));
  EXPECT_EQ(Column(window, 5)[0], "12/8/2026 10:01:00 AM");
  EXPECT_EQ(window.lstHistory.ColumnSortArrow(1), ui::ListView::SortArrow::Down);
  window.lstHistory.UserClickColumn(4);
  EXPECT_EQ(Column(window, 4)[0], "Nightly") << "names from A";
  window.lstHistory.UserClickColumn(4);
  EXPECT_EQ(Column(window, 4)[0], "Quick Schedule 12/8/2026 10:00:00 AM");
  // An event while the window is open shows at once, in the order chosen.
  Main().lstSchedules.UserSelectItem(2);
  runtime.messages.Answer(MessageAnswer::Yes);
  Main().cmdDelete.UserClick();
  EXPECT_EQ(window.lstHistory.ListItemCount(), 3);
  EXPECT_EQ(Column(window, 2)[0], "Temporary schedule removed");
}

TEST_F(HistoryWindowTest, ClearsOnlyWhenTheUserSaysYesAndOpensTheFile) {
  Start();
  Main().cmbTime.UserPick(2);
  Main().cmdGo.UserClick();
  frmHistory& window = Open();
  ASSERT_EQ(window.lstHistory.ListItemCount(), 1);
  window.cmdClear.UserClick();  // the question's default is No
  EXPECT_EQ(window.lstHistory.ListItemCount(), 1);
  EXPECT_EQ(runtime.messages.shown().back().text, "Clear the whole history? This cannot be undone.");
  runtime.messages.Answer(MessageAnswer::Yes);
  window.cmdClear.UserClick();
  EXPECT_EQ(window.lstHistory.ListItemCount(), 0);
  EXPECT_EQ(app->context.EventHistory().Read().size(), 0U);
  window.cmdOpenFile.UserClick();
  ASSERT_EQ(process.opened.size(), 1U);
  EXPECT_TRUE(process.opened[0].path.ends_with("\\Curfew Team\\Curfew\\History.csv"));
  window.UserPressEscape();
  EXPECT_FALSE(window.Loaded());
}

TEST_F(HistoryWindowTest, TellsTheDetailsInTheLanguageShown) {
  WriteSchedule("Daily", "Reboot", "12/1/2026", "10:01:00", true, 0);
  Start();
  clock.Jump(120);  // asleep across its minute
  runtime.Advance(500);
  frmHistory& window = Open();
  EXPECT_EQ(Column(window, 6), std::vector<std::string>{"The computer was asleep or its clock was set"});
  EXPECT_EQ(Column(window, 2), std::vector<std::string>{"Missed"});
}

}  // namespace
}  // namespace curfew
