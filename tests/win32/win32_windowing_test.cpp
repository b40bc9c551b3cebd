#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "localization/cls_languages.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/windowing/win32_control_peer.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "support/sample_form.h"
#include "support/temp_folder.h"

namespace curfew::platform::win32 {
namespace {

HWND Of(const ui::Control& control) { return reinterpret_cast<HWND>(control.Handle()); }
HWND Of(const ui::Form& form) { return reinterpret_cast<HWND>(form.Handle()); }

std::string TextOf(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return WideToUtf8(buffer);
}

std::string ClassOf(HWND window) {
  wchar_t buffer[64] = {};
  GetClassNameW(window, buffer, 64);
  return WideToUtf8(buffer);
}

// Sends the parent the notification a control sends when the user changes it.
void NotifyCommand(const ui::Control& control, WORD code) {
  const HWND window = Of(control);
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code), reinterpret_cast<LPARAM>(window));
}

class Win32WindowingTest : public testing::Test {
 protected:
  Win32WindowingTest() { form_.Show(); }

  Win32Runtime runtime_{"Curfew tests"};
  test::frmSample form_{runtime_};
};

TEST_F(Win32WindowingTest, EveryControlIsARealChildWindow) {
  const std::pair<const ui::Control*, const char*> expected[] = {{&form_.cmdGo, "Button"},
                                                                 {&form_.lblHint, "Static"},
                                                                 {&form_.frOptions, "Button"},
                                                                 {&form_.chkPrevent, "Button"},
                                                                 {&form_.optMode1, "Button"},
                                                                 {&form_.tabPages, "SysTabControl32"},
                                                                 {&form_.lstSchedules, "SysListView32"},
                                                                 {&form_.cbShutdown, "ComboBox"},
                                                                 {&form_.txtName, "Edit"},
                                                                 {&form_.tvDays, "SysTreeView32"},
                                                                 {&form_.dtDate, "SysDateTimePick32"}};
  for (const auto& [control, className] : expected) {
    ASSERT_TRUE(IsWindow(Of(*control))) << control->Name();
    EXPECT_EQ(GetParent(Of(*control)), Of(form_)) << control->Name();
    EXPECT_TRUE(_stricmp(ClassOf(Of(*control)).c_str(), className) == 0)
        << control->Name() << " " << ClassOf(Of(*control));
  }
  EXPECT_EQ(TextOf(Of(form_)), "Sample");
}

TEST_F(Win32WindowingTest, PositionsAreTwipsAtTheWindowsDpi) {
  RECT rect{};
  GetWindowRect(Of(form_.cmdGo), &rect);
  MapWindowPoints(nullptr, Of(form_), reinterpret_cast<POINT*>(&rect), 2);
  const UINT dpi = GetDpiForWindow(Of(form_));
  EXPECT_EQ(rect.left, MulDiv(120, static_cast<int>(dpi), 1440));
  EXPECT_EQ(rect.right - rect.left, MulDiv(1215, static_cast<int>(dpi), 1440));
  // A control inside a frame is placed relative to the frame.
  GetWindowRect(Of(form_.chkPrevent), &rect);
  MapWindowPoints(nullptr, Of(form_), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, MulDiv(120 + 240, static_cast<int>(dpi), 1440));
}

TEST_F(Win32WindowingTest, CaptionsAndTextsReachTheWindows) {
  form_.cmdGo.SetCaption("Start");
  form_.txtName.SetText("Nightly");
  form_.SetCaption("Renamed");
  EXPECT_EQ(TextOf(Of(form_.cmdGo)), "&Start") << "with its access key";
  EXPECT_EQ(TextOf(Of(form_.txtName)), "Nightly");
  EXPECT_EQ(TextOf(Of(form_)), "Renamed");
  form_.cmdGo.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Of(form_.cmdGo)));
}

TEST_F(Win32WindowingTest, ButtonClicksReachTheHandlers) {
  int clicks = 0;
  form_.cmdGo.OnClick = [&] { ++clicks; };
  SendMessageW(Of(form_.cmdGo), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);

  int checkClicks = 0;
  form_.chkPrevent.OnClick = [&] { ++checkClicks; };
  SendMessageW(Of(form_.chkPrevent), BM_CLICK, 0, 0);
  EXPECT_EQ(checkClicks, 1);
  EXPECT_EQ(form_.chkPrevent.Value(), 1);
  EXPECT_EQ(SendMessageW(Of(form_.chkPrevent), BM_GETCHECK, 0, 0), BST_CHECKED);

  form_.optMode0.SetValue(1);
  SendMessageW(Of(form_.optMode2), BM_CLICK, 0, 0);
  EXPECT_EQ(form_.optMode2.Value(), 1);
  EXPECT_EQ(form_.optMode0.Value(), 0);
  EXPECT_EQ(SendMessageW(Of(form_.optMode2), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Of(form_.optMode0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Win32WindowingTest, TypingAndPickingReachTheHandlers) {
  std::string typed;
  form_.txtName.OnChange = [&] { typed = form_.txtName.Text(); };
  SetWindowTextW(Of(form_.txtName), L"Friday night");  // the edit reports EN_CHANGE as for typing
  EXPECT_EQ(typed, "Friday night");

  std::string picked;
  form_.cbShutdown.OnClick = [&] { picked = form_.cbShutdown.Text(); };
  EXPECT_EQ(SendMessageW(Of(form_.cbShutdown), CB_GETCOUNT, 0, 0), 2);
  SendMessageW(Of(form_.cbShutdown), CB_SETCURSEL, 1, 0);
  NotifyCommand(form_.cbShutdown, CBN_SELCHANGE);
  EXPECT_EQ(picked, "Reboot");
  EXPECT_EQ(form_.cbShutdown.ListIndex(), 1);

  form_.cbShutdown.AddItem("Log Off");
  form_.cbShutdown.RemoveItem(0);
  ASSERT_EQ(SendMessageW(Of(form_.cbShutdown), CB_GETCOUNT, 0, 0), 2);
  wchar_t entry[32] = {};
  SendMessageW(Of(form_.cbShutdown), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ(WideToUtf8(entry), "Log Off");
  EXPECT_EQ(SendMessageW(Of(form_.cbShutdown), CB_GETCURSEL, 0, 0), 0) << "Reboot, still chosen, moved up";
}

TEST_F(Win32WindowingTest, ListViewShowsRowsAndReportsTheSelection) {
  const int row = form_.lstSchedules.AddListItem("Nightly");
  form_.lstSchedules.SetSubItem(row, 1, "Shut Down");
  form_.lstSchedules.AddListItem("Weekly");
  const HWND list = Of(form_.lstSchedules);
  EXPECT_EQ(ListView_GetItemCount(list), 2);
  wchar_t text[64] = {};
  ListView_GetItemText(list, 0, 1, text, 64);
  EXPECT_EQ(WideToUtf8(text), "Shut Down");

  int clicked = 0;
  form_.lstSchedules.OnItemClick = [&](int r) { clicked = r; };
  ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(clicked, 2);
  EXPECT_EQ(form_.lstSchedules.SelectedItem(), 2);

  form_.lstSchedules.SetColumnWidth(2, 1500);
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), MulDiv(1500, static_cast<int>(GetDpiForWindow(list)), 1440));

  // The highlight taken off (a click on the empty part of the list): no row is selected.
  ListView_SetItemState(list, 1, 0, LVIS_SELECTED);
  EXPECT_EQ(form_.lstSchedules.SelectedItem(), 0);
  EXPECT_EQ(clicked, 2) << "losing the selection is no row click";
}

TEST_F(Win32WindowingTest, TheListViewShowsTheModelsRowsWithoutHoldingThem) {
  auto& rows = form_.lstSchedules;
  const HWND list = Of(rows);
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_OWNERDATA);
  for (const char* name : {"A", "B", "C"}) rows.SetSubItem(rows.AddListItem(name), 2, std::string(name) + " next");
  rows.SetSubItem(2, 2, "");
  rows.SetSelectedItem(3);
  rows.RemoveListItem(1);
  rows.AddListItem("D");
  ASSERT_EQ(ListView_GetItemCount(list), 3);
  wchar_t text[64] = {};
  ListView_GetItemText(list, 0, 2, text, 64);
  EXPECT_EQ(WideToUtf8(text), "");
  ListView_GetItemText(list, 1, 2, text, 64);
  EXPECT_EQ(WideToUtf8(text), "C next");
  ListView_GetItemText(list, 2, 0, text, 64);
  EXPECT_EQ(WideToUtf8(text), "D");
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1) << "the selection moved up with its row";
  EXPECT_EQ(rows.SelectedItem(), 2);
  {
    const ui::ListView::Batch batch(rows);
    rows.ClearListItems();
    for (int i = 0; i < 1000; ++i) rows.AddListItem("Row " + std::to_string(i));
    EXPECT_EQ(ListView_GetItemCount(list), 3) << "nothing reaches the window inside a batch";
  }
  EXPECT_EQ(ListView_GetItemCount(list), 1000);
  ListView_GetItemText(list, 999, 0, text, 64);
  EXPECT_EQ(WideToUtf8(text), "Row 999");
}

TEST_F(Win32WindowingTest, TheClientAreaIsExactlyWhatTheWindowAsksForAndHasAFloor) {
  test::frmSample other(runtime_);
  other.SetClientSize(6000, 3000);  // with its menu bar
  other.SetMinimumClientSize(4500, 1500);
  other.Show();
  const HWND window = Of(other);
  const int dpi = static_cast<int>(GetDpiForWindow(window));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, MulDiv(6000, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(3000, dpi, 1440));
  EXPECT_EQ(other.ScaleWidth(), 6000);
  MINMAXINFO limits{};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  RECT outer{};
  GetWindowRect(window, &outer);
  const int frameWidth = (outer.right - outer.left) - client.right;
  EXPECT_EQ(limits.ptMinTrackSize.x, MulDiv(4500, dpi, 1440) + frameWidth);
}

TEST_F(Win32WindowingTest, AControlMadeAfterLoadIsARealWindowUntilItGoes) {
  HWND window = nullptr;
  {
    ui::Label element(form_, "lblHint", 1);
    element.SetCaption("Made later");
    form_.LoadControl(element);
    window = Of(element);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), Of(form_));
    EXPECT_EQ(TextOf(window), "Made later");
    element.SetCaption("Changed");
    EXPECT_EQ(TextOf(window), "Changed");
  }
  EXPECT_FALSE(IsWindow(window)) << "gone with its control";
}

TEST_F(Win32WindowingTest, StatusBarPanelsAndToolTipsReachTheirWindows) {
  ui::StatusBar bar(form_, "sbStatus");
  bar.AddPanel(2000);
  bar.AddPanel(3000);
  form_.LoadControl(bar);
  bar.SetPanelText(2, "Completed");
  EXPECT_EQ(SendMessageW(Of(bar), SB_GETPARTS, 0, 0), 2);
  wchar_t text[64] = {};
  SendMessageW(Of(bar), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(WideToUtf8(text), "Completed");

  // Whether some tool tip window of this thread has a tip for the button (the list and tree
  // views have tool tip windows of their own).
  const auto buttonTip = [&]() -> std::string {
    struct Search {
      HWND form;
      HWND button;
      std::string text;
    } search{Of(form_), Of(form_.cmdGo), {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
          auto& found = *reinterpret_cast<Search*>(data);
          wchar_t name[32] = {};
          GetClassNameW(window, name, 32);
          if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
          wchar_t tip[80] = {};
          TTTOOLINFOW tool{};
          tool.cbSize = TTTOOLINFOW_V2_SIZE;
          tool.hwnd = found.form;
          tool.uId = reinterpret_cast<UINT_PTR>(found.button);
          tool.lpszText = tip;
          if (SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) found.text = WideToUtf8(tip);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
  };
  form_.cmdGo.SetPicture(1);  // the program's icon
  EXPECT_NE(SendMessageW(Of(form_.cmdGo), BM_GETIMAGE, IMAGE_ICON, 0), 0) << "the picture beside the caption";
  form_.cmdGo.SetPicture(0);
  EXPECT_EQ(SendMessageW(Of(form_.cmdGo), BM_GETIMAGE, IMAGE_ICON, 0), 0);

  form_.cmdGo.SetToolTipText("Carries out the action");
  EXPECT_EQ(buttonTip(), "Carries out the action");
  form_.cmdGo.SetToolTipText("");
  EXPECT_EQ(buttonTip(), "");
}

TEST_F(Win32WindowingTest, AFailingHandlerEndsQuietlyAndTheProgramGoesOn) {
  int clicks = 0;
  form_.cmdGo.OnClick = [&] {
    ++clicks;
    throw std::runtime_error("a step failed");
  };
  SendMessageW(Of(form_.cmdGo), BM_CLICK, 0, 0);
  SendMessageW(Of(form_.cmdGo), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  int keys = 0;
  form_.txtName.OnKeyPress = [&](int&) {
    ++keys;
    throw std::runtime_error("a key handler failed");
  };
  SendMessageW(Of(form_.txtName), WM_CHAR, 'a', 0);
  EXPECT_EQ(keys, 1);
  form_.failQueryUnload = true;
  SendMessageW(Of(form_), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form_.Loaded()) << "a query that fails keeps the window";
  form_.failQueryUnload = false;
  SendMessageW(Of(form_), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form_.Loaded());
}

// A key as the user presses it: to the control with the focus, through the program's loop.
void Press(Win32Runtime& runtime, WPARAM key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
  runtime.DoEvents();
}

TEST_F(Win32WindowingTest, TheKeyboardMovesAndActsAsInADialog) {
  SetForegroundWindow(Of(form_));
  runtime_.DoEvents();
  EXPECT_EQ(GetFocus(), Of(form_.cmdGo)) << "a shown window starts on its first tab stop";
  Press(runtime_, VK_TAB);
  EXPECT_EQ(GetFocus(), Of(form_.chkPrevent)) << "Tab skips labels and frames";
  Press(runtime_, VK_TAB);
  EXPECT_EQ(GetFocus(), Of(form_.optMode0)) << "with no option chosen, Tab enters the group at its first";
  form_.optMode2.SetValue(1);
  Press(runtime_, VK_TAB);
  EXPECT_EQ(GetFocus(), Of(form_.optMode2)) << "the chosen option is the group's stop";
  Press(runtime_, VK_TAB);
  EXPECT_EQ(GetFocus(), Of(form_.tabPages)) << "one stop for the whole group";
  SetFocus(Of(form_.optMode2));
  Press(runtime_, VK_UP);
  EXPECT_EQ(GetFocus(), Of(form_.optMode1));
  EXPECT_EQ(form_.optMode1.Value(), 1) << "an arrow key selects the option it moves to";

  int goes = 0;
  int cancels = 0;
  form_.cmdGo.OnClick = [&] { ++goes; };
  form_.cmdGo.SetDefault(true);
  Press(runtime_, VK_RETURN);
  EXPECT_EQ(goes, 1) << "Enter presses the default button";
  EXPECT_EQ(SendMessageW(Of(form_.cmdGo), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
  Press(runtime_, VK_ESCAPE);
  EXPECT_EQ(cancels, 0);
  form_.cmdGo.OnClick = [&] { ++cancels; };
  form_.cmdGo.SetCancel(true);
  Press(runtime_, VK_ESCAPE);
  EXPECT_EQ(cancels, 1) << "Esc presses the cancel button";

  std::vector<int> keys;
  form_.txtName.OnKeyPress = [&](int& key) { keys.push_back(key); };
  SetFocus(Of(form_.txtName));
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
  runtime_.DoEvents();
  EXPECT_EQ(keys, std::vector<int>{13}) << "a control that handles its keys keeps Enter";
  EXPECT_EQ(cancels, 1);
}

TEST_F(Win32WindowingTest, MenuEntriesGetAccessKeys) {
  form_.mnuFile.SetCaption("Datei");  // a language without markers
  form_.mnuFileItem0.SetCaption("Extras");
  const HMENU bar = GetMenu(Of(form_));
  wchar_t text[64] = {};
  GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
  EXPECT_EQ(WideToUtf8(text), "&Datei");
  GetMenuStringW(GetSubMenu(bar, 0), 0, text, 64, MF_BYPOSITION);
  EXPECT_EQ(WideToUtf8(text), "&Extras");
  GetMenuStringW(GetSubMenu(bar, 0), 1, text, 64, MF_BYPOSITION);
  EXPECT_EQ(WideToUtf8(text), "E&xit") << "a marked key stays";
  EXPECT_EQ(form_.mnuFile.Caption(), "Datei") << "the caption itself is unchanged";
}

TEST_F(Win32WindowingTest, PaintHandlersDrawOnTheWindowsDevice) {
  const int before = form_.paints;
  InvalidateRect(Of(form_), nullptr, TRUE);
  UpdateWindow(Of(form_));
  EXPECT_GT(form_.paints, before);
  EXPECT_TRUE(form_.paintedOnADevice);
  EXPECT_FALSE(GetUpdateRect(Of(form_), nullptr, FALSE)) << "the paint ended with EndPaint";
}

TEST_F(Win32WindowingTest, ListBoxesPicturesAndLinesRoundTrip) {
  ui::ListBox names(form_, "lstNames");
  names.AddItem("First");
  ui::PictureBox picture(form_, "pctImage");
  ui::Line line(form_, "Line1");
  line.Move({120, 5800, 3000, 15});
  for (ui::Control* control :
       {static_cast<ui::Control*>(&names), static_cast<ui::Control*>(&picture), static_cast<ui::Control*>(&line)})
    form_.LoadControl(*control);
  names.AddItem("Second");
  EXPECT_EQ(SendMessageW(Of(names), LB_GETCOUNT, 0, 0), 2);
  int picks = 0;
  names.OnClick = [&] { ++picks; };
  SendMessageW(Of(names), LB_SETCURSEL, 1, 0);
  NotifyCommand(names, LBN_SELCHANGE);
  EXPECT_EQ(picks, 1);
  EXPECT_EQ(names.ListIndex(), 1);

  int clicks = 0;
  picture.OnClick = [&] { ++clicks; };
  NotifyCommand(picture, STN_CLICKED);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetWindowLongW(Of(line), GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDHORZ);
  EXPECT_EQ(TextOf(Of(form_.frOptions)), "Options") << "a frame shows its caption";
}

TEST_F(Win32WindowingTest, AControlsScrollReachesItsPeer) {
  struct Scrolled final : Win32ControlPeer {
    std::vector<std::pair<UINT, WORD>> scrolls;
    void Sync(ui::Aspect) override {}
    bool OnScroll(UINT message, WORD request) override {
      scrolls.emplace_back(message, request);
      return true;
    }
  } scrolled;
  auto& peer = *static_cast<Win32FormPeer*>(form_.Peer());
  const WindowHandle bar(CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_HORZ, 0, 0, 120, 30,
                                         Of(form_), nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(bar);
  peer.RegisterChild(bar.get(), scrolled);
  SendMessageW(bar.get(), WM_KEYDOWN, VK_RIGHT, 0);  // the track bar tells its parent itself
  peer.Unregister(scrolled);
  ASSERT_FALSE(scrolled.scrolls.empty());
  EXPECT_EQ(scrolled.scrolls.front(), (std::pair<UINT, WORD>{WM_HSCROLL, TB_LINEDOWN}));
}

TEST_F(Win32WindowingTest, OwnerDrawnItemsReachThePeerOfTheirControl) {
  struct Drawer final : Win32ControlPeer {
    int draws = 0;
    void Sync(ui::Aspect) override {}
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
      ++draws;
      FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      return true;
    }
  } drawer;
  auto& peer = *static_cast<Win32FormPeer*>(form_.Peer());
  const WindowHandle button(CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 60, 20,
                                            Of(form_), nullptr, GetModuleHandleW(nullptr), nullptr));
  SetWindowLongPtrW(button.get(), GWLP_ID, static_cast<LONG_PTR>(peer.RegisterChild(button.get(), drawer)));
  InvalidateRect(button.get(), nullptr, TRUE);
  UpdateWindow(button.get());
  EXPECT_GT(drawer.draws, 0);
  peer.Unregister(drawer);
}

TEST_F(Win32WindowingTest, BringingAMinimisedWindowToTheFrontKeepsItMinimised) {
  form_.SetWindowState(ui::WindowState::Minimized);
  ASSERT_TRUE(IsIconic(Of(form_)));
  form_.BringToFront();
  EXPECT_TRUE(IsIconic(Of(form_)));
}

TEST_F(Win32WindowingTest, WakingClockChangesAndACancelledSessionEndReachTheWindow) {
  SendMessageW(Of(form_), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  SendMessageW(Of(form_), WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
  SendMessageW(Of(form_), WM_TIMECHANGE, 0, 0);
  // Another program said no to the end of the session: the window stays, and hears of it.
  EXPECT_TRUE(SendMessageW(Of(form_), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
  SendMessageW(Of(form_), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(form_.Loaded());
  EXPECT_EQ(form_.systemChanges,
            (std::vector<ui::SystemChange>{ui::SystemChange::Resumed, ui::SystemChange::ClockChanged,
                                           ui::SystemChange::SessionEndCancelled}));
}

TEST_F(Win32WindowingTest, TreeViewCheckBoxesReportTheirState) {
  for (const char* day : {"Monday", "Tuesday", "Wednesday"}) form_.tvDays.AddNode(day, day);
  const HWND tree = Of(form_.tvDays);
  EXPECT_EQ(TreeView_GetCount(tree), 3U);
  form_.tvDays.SetNodeChecked(2, true);
  HTREEITEM second = TreeView_GetNextSibling(tree, TreeView_GetRoot(tree));
  EXPECT_EQ(TreeView_GetCheckState(tree, second), 1U);

  int checkedNode = 0;
  int clickedNode = 0;
  form_.tvDays.OnNodeCheck = [&](int n) { checkedNode = n; };
  form_.tvDays.OnNodeClick = [&](int n) { clickedNode = n; };
  HTREEITEM third = TreeView_GetNextSibling(tree, second);
  TreeView_SelectItem(tree, third);
  EXPECT_EQ(clickedNode, 0) << "moving to a node is no click on it";
  EXPECT_EQ(GetWindowLongW(tree, GWL_STYLE) & TVS_EDITLABELS, 0) << "labels cannot be edited";
  form_.tvDays.SetNodeText(3, "Mittwoch");  // a language applied to the nodes
  wchar_t label[32] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = third;
  item.pszText = label;
  item.cchTextMax = 32;
  TreeView_GetItem(tree, &item);
  EXPECT_EQ(WideToUtf8(label), "Mittwoch");
  EXPECT_EQ(TreeView_GetSelection(tree), third) << "the node itself, not a rebuilt one";
  SetFocus(tree);
  SendMessageW(tree, WM_KEYDOWN, VK_SPACE, 0);  // the space bar toggles the selected node's box
  SendMessageW(tree, WM_KEYUP, VK_SPACE, 0);
  runtime_.DoEvents();
  EXPECT_EQ(checkedNode, 3);
  EXPECT_TRUE(form_.tvDays.GetNode(3).checked);
}

TEST_F(Win32WindowingTest, PickersAndTabsReportChanges) {
  form_.dtDate.SetDateTime(
      {std::chrono::year_month_day{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)}, {}});
  SYSTEMTIME shown{};
  DateTime_GetSystemtime(Of(form_.dtDate), &shown);
  EXPECT_EQ(shown.wDay, 8);
  using std::chrono::day, std::chrono::month, std::chrono::year, std::chrono::year_month_day;
  form_.dtDate.SetRange({year_month_day{year(2026), month(1), day(1)}, {}},
                        {year_month_day{year(2027), month(12), day(31)}, {}});
  SYSTEMTIME limits[2] = {};
  EXPECT_EQ(DateTime_GetRange(Of(form_.dtDate), limits), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
  EXPECT_EQ(limits[1].wYear, 2027);

  bool changed = false;
  form_.dtDate.OnChange = [&] { changed = true; };
  NMDATETIMECHANGE change{};
  change.nmhdr.hwndFrom = Of(form_.dtDate);
  change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Of(form_.dtDate)));
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = GDT_VALID;
  change.st = shown;
  change.st.wDay = 24;
  SendMessageW(Of(form_), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
  EXPECT_TRUE(changed);
  EXPECT_EQ(static_cast<unsigned>(form_.dtDate.GetDateTime().date.day()), 24U);

  const HWND tabs = Of(form_.tabPages);
  EXPECT_EQ(TabCtrl_GetItemCount(tabs), 3);
  int tabClicks = 0;
  form_.tabPages.OnClick = [&] { ++tabClicks; };
  TabCtrl_SetCurSel(tabs, 2);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(Of(form_), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(tabClicks, 1);
  EXPECT_EQ(form_.tabPages.SelectedTab(), 3);
}

TEST_F(Win32WindowingTest, MenuCommandsAndTimerTicksReachTheHandlers) {
  const HMENU bar = GetMenu(Of(form_));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenuItemCount(bar), 1) << "the invisible tray menu is not on the bar";
  const HMENU file = GetSubMenu(bar, 0);
  int exits = 0;
  form_.mnuFileItem6.OnClick = [&] { ++exits; };
  SendMessageW(Of(form_), WM_COMMAND, MAKEWPARAM(GetMenuItemID(file, 1), 0), 0);
  EXPECT_EQ(exits, 1);

  int ticks = 0;
  form_.tmrScheduler.OnTimer = [&] { ++ticks; };
  form_.tmrScheduler.SetInterval(20);
  for (int i = 0; i < 200 && ticks < 2; ++i) {
    Sleep(10);
    runtime_.DoEvents();
  }
  EXPECT_GE(ticks, 2);
  form_.tmrScheduler.SetEnabled(false);
}

TEST_F(Win32WindowingTest, ClosingAsksTheWindowAndUnloadsIt) {
  const HWND window = Of(form_);
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(form_.queryUnloadModes, std::vector<ui::UnloadMode>{ui::UnloadMode::ControlMenu});
  EXPECT_FALSE(form_.Loaded());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(runtime_.LoadedForms().empty());
}

TEST_F(Win32WindowingTest, ATranslatedWindowShowsItsCaptionsOnTheRealControls) {
  test::TempFolder folder;
  folder.Write(
      "Localization.xml",
      "<LANGUAGE_GROUP>\r\n<LANGUAGE_NAME>Deutsch</LANGUAGE_NAME>\r\n<TRANSLATION_ITEMS>\r\n"
      "<FRMSAMPLE_CMDGO>Los</FRMSAMPLE_CMDGO>\r\n<FRMSAMPLE_CHKPREVENT>Keine Zeitpläne</FRMSAMPLE_CHKPREVENT>\r\n"
      "<FRMSAMPLE_TABPAGES_TABS2>Zeitplan</FRMSAMPLE_TABPAGES_TABS2>\r\n"
      "<FRMSAMPLE_LSTSCHEDULES_COL1>Name</FRMSAMPLE_LSTSCHEDULES_COL1>\r\n"
      "<FRMSAMPLE_MNUFILE0>&Datei</FRMSAMPLE_MNUFILE0>\r\n"
      "</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n");
  Win32FileSystem files(folder.path());
  Win32Locale locale;
  const ProductIdentity identity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};
  clsLanguages languages({files, locale, identity, runtime_});
  languages.ChangeLanguage(form_, "DEUTSCH");

  EXPECT_EQ(TextOf(Of(form_.cmdGo)), "&Los");
  EXPECT_EQ(TextOf(Of(form_.chkPrevent)), "&Keine Zeitpläne");
  wchar_t text[64] = {};
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = text;
  tab.cchTextMax = 64;
  TabCtrl_GetItem(Of(form_.tabPages), 1, &tab);
  EXPECT_EQ(WideToUtf8(text), "Zeitplan");
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = text;
  column.cchTextMax = 64;
  ListView_GetColumn(Of(form_.lstSchedules), 0, &column);
  EXPECT_EQ(WideToUtf8(text), "Name");
  GetMenuStringW(GetMenu(Of(form_)), 0, text, 64, MF_BYPOSITION);
  EXPECT_EQ(WideToUtf8(text), "&Datei");
}

}  // namespace
}  // namespace curfew::platform::win32
