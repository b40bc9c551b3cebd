// The schedule editor driven as a person drives it: real keys and clicks through the program's
// message loop, checked by what the window shows and the bytes of the file it writes.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/frm_wizard.h"
#include "win32/support/running_program.h"

namespace curfew::test {
namespace {

bool HasFocus(const ui::Control& control) {
  return Focus() == WindowOf(control) || IsChild(WindowOf(control), Focus());
}

HTREEITEM Node(HWND tree, int n) {
  HTREEITEM item = TreeView_GetRoot(tree);
  while (--n > 0) item = TreeView_GetNextSibling(tree, item);
  return item;
}

// What the user sees ticked, in node order.
std::vector<int> Ticked(const ui::TreeView& tree) {
  std::vector<int> ticked;
  for (int n = 1; n <= tree.NodeCount(); ++n)
    if (TreeView_GetCheckState(WindowOf(tree), Node(WindowOf(tree), n)) == 1) ticked.push_back(n);
  return ticked;
}

POINT LabelOf(HWND tree, int n) {
  RECT text{};
  TreeView_GetItemRect(tree, Node(tree, n), &text, TRUE);
  return {(text.left + text.right) / 2, (text.top + text.bottom) / 2};
}

// The middle of a node's check box, found as the control itself finds it.
POINT BoxOf(HWND tree, int n) {
  const POINT label = LabelOf(tree, n);
  RECT text{};
  TreeView_GetItemRect(tree, Node(tree, n), &text, TRUE);
  int first = -1;
  int last = -1;
  for (int x = 0; x < text.left; ++x) {
    TVHITTESTINFO hit{{x, label.y}, 0, nullptr};
    TreeView_HitTest(tree, &hit);
    if (hit.flags & TVHT_ONITEMSTATEICON) {
      if (first < 0) first = x;
      last = x;
    }
  }
  return {(first + last) / 2, label.y};
}

std::string PeriodIn(const std::string& file) {
  const auto start = file.find("Period=");
  return start == std::string::npos ? "(no file)" : file.substr(start + 7, file.find("\r\n", start) - start - 7);
}

class Win32ScheduleEditor : public testing::Test {
 protected:
  frmWizard& OpenNewEditor() {
    input.Click(WindowOf(program.main.cmdNewSchedule));
    if (!program.main.ScheduleEditor() || !program.main.ScheduleEditor()->Loaded())
      throw std::runtime_error("New did not open the editor");
    return *program.main.ScheduleEditor();
  }
  ~Win32ScheduleEditor() override {
    for (const char* name : {"Keyboard walk", "Mouse walk", "Cancelled"})
      DeleteFileA((program.main.DataFolderPath() + "\\" + name + ".sch").c_str());
  }

  RunningProgram program;
  RealInput& input = program.input;
};

TEST_F(Win32ScheduleEditor, AKeyboardWalkSavesExactlyTheDaysShownTicked) {
  frmWizard& editor = OpenNewEditor();
  EXPECT_TRUE(HasFocus(editor.txtName)) << "the editor opens on the name";
  input.Type("Keyboard walk");
  input.Key(VK_TAB);
  EXPECT_TRUE(HasFocus(editor.cbShutdown));
  input.Key(VK_TAB);
  EXPECT_TRUE(HasFocus(editor.chkScheduler));
  input.Key(VK_SPACE);
  EXPECT_EQ(Button_GetCheck(WindowOf(editor.chkScheduler)), BST_CHECKED);
  EXPECT_TRUE(IsWindowEnabled(WindowOf(editor.dtDate)));
  input.Key(VK_TAB, 2);
  EXPECT_TRUE(HasFocus(editor.dtTime));
  input.Key(VK_TAB);
  input.Key(VK_SPACE);
  EXPECT_EQ(Button_GetCheck(WindowOf(editor.chkRepeat)), BST_CHECKED);
  input.Key(VK_TAB);
  EXPECT_TRUE(HasFocus(editor.optRepeat0)) << "the chosen option is the group's stop";
  input.Key(VK_DOWN, 2);
  EXPECT_EQ(Button_GetCheck(WindowOf(editor.optRepeat2)), BST_CHECKED) << "arrows choose Monthly";
  EXPECT_TRUE(IsWindowVisible(WindowOf(editor.tvScheduleMonth)));
  EXPECT_FALSE(IsWindowVisible(WindowOf(editor.tvScheduleWeek)));

  input.Key(VK_TAB);
  EXPECT_TRUE(HasFocus(editor.tvScheduleMonth));
  EXPECT_EQ(Ticked(editor.tvScheduleMonth), std::vector<int>{}) << "entering the days ticks none";
  input.Key(VK_DOWN, 2);
  EXPECT_EQ(Ticked(editor.tvScheduleMonth), std::vector<int>{}) << "arrows only move";
  input.Key(VK_SPACE);
  input.Key(VK_DOWN, 4);
  input.Key(VK_SPACE);
  input.Key(VK_SPACE);
  input.Key(VK_DOWN);
  input.Key(VK_SPACE);
  EXPECT_EQ(Ticked(editor.tvScheduleMonth), (std::vector<int>{3, 8})) << "Space toggles the focused day";

  input.KeyWith(VK_SHIFT, VK_TAB);
  EXPECT_TRUE(HasFocus(editor.optRepeat2)) << "Shift+Tab goes back to the chosen option";
  input.Key(VK_TAB, 2);
  EXPECT_TRUE(HasFocus(editor.cmdCancel));
  input.Key(VK_TAB);
  EXPECT_TRUE(HasFocus(editor.cmdOK));
  input.Key(VK_RETURN);
  EXPECT_FALSE(editor.Loaded());
  EXPECT_EQ(PeriodIn(program.ScheduleFile("Keyboard walk")), "3,8");
}

TEST_F(Win32ScheduleEditor, EnterOnAFocusedCancelAndEscCloseWithoutSaving) {
  frmWizard& editor = OpenNewEditor();
  input.Type("Cancelled");
  input.KeyWith(VK_SHIFT, VK_TAB);
  input.KeyWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(HasFocus(editor.cmdCancel));
  EXPECT_EQ(SendMessageW(WindowOf(editor.cmdCancel), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON)
      << "the focused button takes the default outline";
  EXPECT_EQ(SendMessageW(WindowOf(editor.cmdOK), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
  MessageBoxAnswer box(VK_RETURN);
  input.Key(VK_RETURN);
  EXPECT_EQ(box.Text(), "") << "no message: nothing was saved";
  EXPECT_FALSE(editor.Loaded());
  EXPECT_EQ(program.ScheduleFile("Cancelled"), "");

  frmWizard& again = OpenNewEditor();
  input.Type("Cancelled");
  // Alt and the underlined letters tick the boxes and choose the option, as clicks would.
  input.Alt('E');
  input.Alt('R');
  input.Alt('M');
  EXPECT_EQ(Button_GetCheck(WindowOf(again.chkScheduler)), BST_CHECKED);
  EXPECT_EQ(Button_GetCheck(WindowOf(again.chkRepeat)), BST_CHECKED);
  EXPECT_EQ(Button_GetCheck(WindowOf(again.optRepeat2)), BST_CHECKED);
  EXPECT_TRUE(IsWindowVisible(WindowOf(again.tvScheduleMonth)));
  input.Key(VK_ESCAPE);
  EXPECT_FALSE(again.Loaded());
  EXPECT_EQ(program.ScheduleFile("Cancelled"), "");
}

TEST_F(Win32ScheduleEditor, AMouseWalkTicksBoxesAndLabelsAsShown) {
  frmWizard& editor = OpenNewEditor();
  input.Click(WindowOf(editor.txtName));
  input.Type("Mouse walk");
  for (const ui::Control* control :
       std::initializer_list<const ui::Control*>{&editor.chkScheduler, &editor.chkRepeat, &editor.optRepeat1})
    input.Click(WindowOf(*control), {6, 6});
  const HWND week = WindowOf(editor.tvScheduleWeek);
  ASSERT_TRUE(IsWindowVisible(week));
  input.Click(week, BoxOf(week, 2));
  input.Click(week, LabelOf(week, 4));
  EXPECT_EQ(Ticked(editor.tvScheduleWeek), std::vector<int>{2}) << "a weekday changes only by its box";

  input.Click(WindowOf(editor.optRepeat2), {6, 6});
  const HWND month = WindowOf(editor.tvScheduleMonth);
  ASSERT_TRUE(IsWindowVisible(month));
  input.Click(month, BoxOf(month, 3));
  EXPECT_EQ(Ticked(editor.tvScheduleMonth), std::vector<int>{3}) << "a click on a box ticks it and it stays";
  input.Click(month, LabelOf(month, 5));
  EXPECT_EQ(Ticked(editor.tvScheduleMonth), (std::vector<int>{3, 5})) << "a click on a day's label inverts it";
  input.Click(month, LabelOf(month, 5));
  input.Click(month, BoxOf(month, 7));
  EXPECT_EQ(Ticked(editor.tvScheduleMonth), (std::vector<int>{3, 7})) << "a second click on the label unticks it";
  input.Click(WindowOf(editor.cmdOK));
  EXPECT_EQ(PeriodIn(program.ScheduleFile("Mouse walk")), "3,7");
}

}  // namespace
}  // namespace curfew::test
