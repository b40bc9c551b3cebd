// The main window, the preferences, the language dialog and the about window driven as a person
// drives them: real keys and clicks through the program's message loop, checked by what the
// user sees and by the registry.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "appearance/frm_about.h"
#include "localization/frm_language.h"
#include "settings/frm_options.h"
#include "ui/frm_still_running.h"
#include "win32/support/running_program.h"

namespace curfew::test {
namespace {

const wchar_t kSettings[] = L"SOFTWARE\\Curfew Team\\Curfew\\Settings";

std::wstring Setting(HKEY root, const wchar_t* key) {
  wchar_t value[64] = {};
  DWORD size = sizeof(value);
  if (RegGetValueW(root, kSettings, key, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return L"(none)";
  return value;
}

void SetSetting(HKEY root, const wchar_t* key, const wchar_t* value) {
  if (!value) {
    RegDeleteKeyValueW(root, kSettings, key);
    return;
  }
  RegSetKeyValueW(root, kSettings, key, REG_SZ, value, static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

std::wstring TitleOf(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}

bool Shown(const ui::Form* form) { return form && form->Loaded() && IsWindowVisible(WindowOf(*form)); }

TEST(Win32RealInput, MenusPreferencesAboutAndLanguageAnswerTheKeyboard) {
  RunningProgram program;
  RealInput& input = program.input;
  frmMain& main = program.main;

  SetSetting(HKEY_LOCAL_MACHINE, L"WarnBeforeAction", nullptr);  // the default: one minute
  SetSetting(HKEY_LOCAL_MACHINE, L"chkWake", nullptr);           // the default: on
  {
    KeyLater general('G', 50, KeyLater::kOpenMenu);
    input.Alt('F');
  }
  input.Settle();
  ASSERT_TRUE(Shown(main.Preferences())) << "Alt+F, G opens the preferences";
  frmOptions& options = *main.Preferences();
  const HWND first = Focus();
  EXPECT_EQ(first, WindowOf(options.chkRunAtStart));
  input.Key(VK_TAB);
  ASSERT_EQ(Focus(), WindowOf(options.chkMin));
  const std::wstring before = Setting(HKEY_LOCAL_MACHINE, L"chkMin");
  input.Key(VK_SPACE);
  EXPECT_NE(Setting(HKEY_LOCAL_MACHINE, L"chkMin"), before) << "Space stores the box at once";
  input.Key(VK_SPACE);
  EXPECT_EQ(Setting(HKEY_LOCAL_MACHINE, L"chkMin"), before == L"(none)" ? L"0" : before);
  input.KeyWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(Focus(), first);
  // The warning's lead comes last in Tab order; the arrows change it, each change stored.
  input.Key(VK_TAB, 5);
  ASSERT_EQ(Focus(), WindowOf(options.cboWarn));
  input.Key(VK_DOWN);
  EXPECT_EQ(Setting(HKEY_LOCAL_MACHINE, L"WarnBeforeAction"), L"120");
  input.Key(VK_UP);
  EXPECT_EQ(Setting(HKEY_LOCAL_MACHINE, L"WarnBeforeAction"), L"60");
  EXPECT_EQ(TitleOf(WindowOf(options.cboWarn)), L"1 minute");
  // Waking the computer for schedules comes next, checked until switched off.
  input.Key(VK_TAB);
  ASSERT_EQ(Focus(), WindowOf(options.chkWake));
  EXPECT_EQ(SendMessageW(WindowOf(options.chkWake), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Setting(HKEY_LOCAL_MACHINE, L"chkWake"), L"(none)") << "opening the window stores nothing";
  input.Key(VK_SPACE);
  EXPECT_EQ(Setting(HKEY_LOCAL_MACHINE, L"chkWake"), L"0");
  input.Key(VK_SPACE);
  EXPECT_EQ(Setting(HKEY_LOCAL_MACHINE, L"chkWake"), L"1");
  // Alt and the letter the box shows underlined stores it as Space did.
  const std::wstring caption = TitleOf(WindowOf(options.chkMin));
  ASSERT_NE(caption.find(L'&'), std::wstring::npos);
  input.Alt(static_cast<char>(towupper(caption[caption.find(L'&') + 1])));
  EXPECT_NE(Setting(HKEY_LOCAL_MACHINE, L"chkMin"), before == L"(none)" ? L"0" : before);
  input.Alt(static_cast<char>(towupper(caption[caption.find(L'&') + 1])));
  input.Key(VK_ESCAPE);
  EXPECT_FALSE(options.Loaded()) << "Esc closes the preferences";

  {
    KeyLater about('A', 50, KeyLater::kOpenMenu);
    input.Alt('B');
  }
  input.Settle();
  ASSERT_TRUE(Shown(main.About())) << "Alt+B, A opens the about window";
  input.Key(VK_ESCAPE);
  EXPECT_FALSE(main.About()->Loaded()) << "Esc closes the about window";

  {
    KeyLater change('C', 50, KeyLater::kOpenMenu);
    input.Alt('L');
  }
  input.Settle();
  ASSERT_TRUE(Shown(main.LanguageDialog()));
  frmLanguage& dialog = *main.LanguageDialog();
  EXPECT_TRUE(Focus() == WindowOf(dialog.Combo1) || IsChild(WindowOf(dialog.Combo1), Focus()));
  const std::wstring englishTitle = TitleOf(WindowOf(dialog));
  // F4 opens the list; English, then Deutsch; Enter picks.
  input.Key(VK_F4);
  input.Key(VK_DOWN);
  input.Key(VK_RETURN);
  EXPECT_TRUE(dialog.Loaded()) << "Enter in the open list picks, it does not close the dialog";
  EXPECT_EQ(TitleOf(WindowOf(main)), L"Curfew von Curfew Team");
  EXPECT_NE(TitleOf(WindowOf(dialog)), englishTitle);
  input.Key(VK_F4);
  input.Key(VK_UP);
  input.Key(VK_RETURN);
  EXPECT_EQ(TitleOf(WindowOf(main)), L"Curfew by Curfew Team") << "every text returns to English";
  EXPECT_EQ(TitleOf(WindowOf(dialog)), englishTitle);
  EXPECT_EQ(Setting(HKEY_CURRENT_USER, L"Language"), L"English");
  input.Key(VK_TAB, 2);
  ASSERT_EQ(Focus(), WindowOf(dialog.Command2));
  input.Key(VK_RETURN);
  EXPECT_FALSE(dialog.Loaded()) << "Enter on the focused OK closes the dialog";

  {
    // Action, Shut Down: the question's default button is Cancel, so Enter shuts nothing down
    // (under Wine a shut-down would end every process, this test's among them).
    MessageBoxAnswer enter(VK_RETURN);
    {
      KeyLater shutDown('S', 50, KeyLater::kOpenMenu);
      input.Alt('A');
    }
    input.Settle();
    EXPECT_EQ(enter.Text(), "Are you sure you want to perform the selected action immediately?");
  }
  EXPECT_TRUE(main.Loaded());
}

// The two options are the engine's switches: a click and Space set them, and the boxes show
// what the engine says, also when something else switched it.
TEST(Win32RealInput, TheTwoOptionsSetTheEnginesSwitchesAndShowThem) {
  RunningProgram program;
  frmMain& main = program.main;
  const HWND prevent = WindowOf(main.chkPrevent);
  const HWND awake = WindowOf(main.chkLowPower);
  program.input.Click(prevent);
  EXPECT_TRUE(main.Engine().Prevented());
  EXPECT_EQ(SendMessageW(prevent, BM_GETCHECK, 0, 0), BST_CHECKED);
  ASSERT_EQ(Focus(), prevent);
  program.input.Key(VK_SPACE);
  EXPECT_FALSE(main.Engine().Prevented());
  program.input.Key(VK_TAB);
  ASSERT_EQ(Focus(), awake);
  program.input.Key(VK_SPACE);
  EXPECT_TRUE(main.Engine().KeptAwake());
  EXPECT_EQ(SendMessageW(awake, BM_GETCHECK, 0, 0), BST_CHECKED);
  main.Engine().SetKeptAwake(false);  // as a command from outside the window would
  program.input.Settle();
  EXPECT_EQ(SendMessageW(awake, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  main.Engine().SetPrevented(true);
  program.input.Settle();
  EXPECT_EQ(SendMessageW(prevent, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(Win32RealInput, EditAndDeleteFollowTheRowClickedInTheList) {
  const std::string folder = [] {
    RunningProgram probe;
    return probe.main.DataFolderPath();
  }();
  std::ofstream(folder + "\\Clicked.sch", std::ios::binary)
      << "<DATA>\r\nLastRunTime=\r\nItemType=Reboot\r\nEnabled=0\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate=\r\n"
         "StartTime=\r\nRepeat=0\r\nSAccurancy=0\r\nPeriod=\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n";
  {
    RunningProgram program;
    frmMain& main = program.main;
    const HWND list = WindowOf(main.lstSchedules);
    RECT row{};
    ListView_GetItemRect(list, 0, &row, LVIR_LABEL);
    program.input.Click(list, {(row.left + row.right) / 2, (row.top + row.bottom) / 2});
    EXPECT_TRUE(IsWindowEnabled(WindowOf(main.cmdEdit)));
    ASSERT_TRUE(IsWindowEnabled(WindowOf(main.cmdDelete)));
    {
      MessageBoxAnswer enter(VK_RETURN);  // the real box, answered with its default button
      program.input.Click(WindowOf(main.cmdDelete));
      EXPECT_NE(enter.Text(), "");
    }
    EXPECT_TRUE(std::ifstream(folder + "\\Clicked.sch").good()) << "Enter on the question deletes nothing";
    ListView_GetItemRect(list, 0, &row, LVIR_LABEL);
    program.input.Click(list, {(row.left + row.right) / 2, (row.top + row.bottom) / 2});
    RECT area{};
    GetClientRect(list, &area);
    program.input.Click(list, {area.right - 10, area.bottom - 10});
    EXPECT_EQ(ListView_GetSelectedCount(list), 0U);
    EXPECT_FALSE(IsWindowEnabled(WindowOf(main.cmdEdit))) << "no row shown selected, nothing to edit";
    EXPECT_FALSE(IsWindowEnabled(WindowOf(main.cmdDelete)));
  }
  DeleteFileA((folder + "\\Clicked.sch").c_str());
}

TEST(Win32RealInput, TheFirstStartStoresTheLanguageShownWhenOkIsPressed) {
  SetSetting(HKEY_CURRENT_USER, L"Language", nullptr);
  {
    app::Win32ProgramServices windows{"Curfew.FirstStartTest.Running"};
    Application application{windows.Services()};
    application.Start();
    // The modal dialog holds the start until it is answered.
    KeyLater enter(VK_RETURN, 200, L"Language Selection");
    application.splash.ShowMainWindow();
    EXPECT_EQ(Setting(HKEY_CURRENT_USER, L"Language"), L"English") << "the preselected English, stored";
    application.main.ExitRequested = true;
    application.main.Unload();
    DropQuitRequest();
  }
  SetSetting(HKEY_CURRENT_USER, L"Language", L"English");
}

TEST(Win32RealInput, StartedInTheTrayADoubleClickBringsTheWindowBackRestored) {
  const std::wstring before = Setting(HKEY_LOCAL_MACHINE, L"chkMin");
  SetSetting(HKEY_LOCAL_MACHINE, L"chkMin", L"1");
  {
    RunningProgram program;
    frmMain& main = program.main;
    EXPECT_FALSE(IsWindowVisible(WindowOf(main)));
    // What the shell posts for a double click on the icon.
    SendMessageW(FindWindowW(L"CurfewTrayWindow", nullptr), WM_LBUTTONDOWN, 9999, WM_LBUTTONDBLCLK);
    program.input.Settle();
    EXPECT_TRUE(IsWindowVisible(WindowOf(main)));
    EXPECT_FALSE(IsIconic(WindowOf(main))) << "on the screen, not a task bar button alone";
    RECT outer{};
    GetWindowRect(WindowOf(main), &outer);
    EXPECT_GT(outer.left, -32000);
  }
  SetSetting(HKEY_LOCAL_MACHINE, L"chkMin", before == L"(none)" ? nullptr : before.c_str());
}

TEST(Win32RealInput, TheReminderOnClosingAnswersTheKeyboardAndStoresItsBoxes) {
  const std::wstring before = Setting(HKEY_LOCAL_MACHINE, L"chkNoShow");
  SetSetting(HKEY_LOCAL_MACHINE, L"chkNoShow", L"0");
  {
    RunningProgram program;
    RealInput& input = program.input;
    SendMessageW(WindowOf(program.main), WM_CLOSE, 0, 0);  // the close box
    input.Settle();
    ASSERT_TRUE(Shown(program.main.Reminder()));
    frmStillRunning& reminder = *program.main.Reminder();
    EXPECT_FALSE(IsWindowVisible(WindowOf(program.main))) << "the program goes on in the tray";
    input.Activate(reminder);
    EXPECT_EQ(Focus(), WindowOf(reminder.chkNoShow));
    input.Key(VK_TAB, 2);
    EXPECT_EQ(Focus(), WindowOf(reminder.cmdOK));
    input.KeyWith(VK_SHIFT, VK_TAB);
    EXPECT_EQ(Focus(), WindowOf(reminder.chkAlwaysExit));
    input.Click(WindowOf(reminder.chkNoShow), {6, 6});
    EXPECT_EQ(Button_GetCheck(WindowOf(reminder.chkNoShow)), BST_CHECKED);
    input.Key(VK_RETURN);  // on the box: the window's default button, Ok
    EXPECT_FALSE(reminder.Loaded());
    EXPECT_EQ(Setting(HKEY_LOCAL_MACHINE, L"chkNoShow"), L"1");
    EXPECT_TRUE(program.main.Loaded());
  }
  SetSetting(HKEY_LOCAL_MACHINE, L"chkNoShow", before == L"(none)" ? nullptr : before.c_str());
}

}  // namespace
}  // namespace curfew::test
