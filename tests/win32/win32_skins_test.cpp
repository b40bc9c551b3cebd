// The skins on real controls: the colours each skin draws in, the menus, message boxes and
// scroll bars the dark skin draws itself, and the pictures and menus after a DPI change.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "app/win32_program_services.h"
#include "appearance/win32_skin_engine.h"
#include "platform/headless/headless_runtime.h"
#include "settings/frm_options.h"
#include "support/sample_form.h"
#include "ui/application.h"
#include "ui/frm_wizard.h"
#include "win32/support/running_program.h"
#include "win32/support/window_snapshot.h"

namespace curfew {
namespace {

using test::PixelOf;
using test::Snapshot;

HWND Of(const ui::Control& control) { return reinterpret_cast<HWND>(control.Handle()); }

void SetAppsUseLightTheme(DWORD light) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                  L"AppsUseLightTheme", REG_DWORD, &light, sizeof(light));
}

struct SkinCase {
  DWORD appsUseLightTheme;
  COLORREF windowBack;  // #F3F3F3 or #202020
  COLORREF buttonFill;  // the skin's normal button face
  COLORREF text;        // labels
  COLORREF fieldBack;   // pickers
  COLORREF listBack;    // the list and its column header
};

// Both skins in one test: the setting is shared by every test that starts the program.
TEST(Win32Skins, TheWindowsSettingChoosesTheSkinAndButtonsAreDrawnInIt) {
  for (const SkinCase& skin : {SkinCase{1, RGB(0xF3, 0xF3, 0xF3), RGB(0xFD, 0xFD, 0xFD), RGB(0x1B, 0x1B, 0x1B),
                                        RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF)},
                               SkinCase{0, RGB(0x20, 0x20, 0x20), RGB(0x2D, 0x2D, 0x2D), RGB(0xF3, 0xF3, 0xF3),
                                        RGB(0x2B, 0x2B, 0x2B), RGB(0x2D, 0x2D, 0x2D)}}) {
    SetAppsUseLightTheme(skin.appsUseLightTheme);
    app::Win32ProgramServices windows{"Curfew.SkinTest.Running"};
    Application application{windows.Services()};
    application.Start();
    application.splash.ShowMainWindow();
    frmMain& main = application.main;
    EXPECT_EQ(main.BackColor(), skin.windowBack);
    const HWND button = Of(main.cmdPower);
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    windows.Runtime().DoEvents();
    EXPECT_EQ(PixelOf(button, 20, 20), skin.buttonFill) << "the face of the button";
    EXPECT_EQ(PixelOf(reinterpret_cast<HWND>(main.Handle()), 2, 250), skin.windowBack);
    // A skinned label: its text in the skin's text colour on the window's background.
    const Snapshot label(Of(main.Label1));
    EXPECT_EQ(label.Pixel(label.width - 1, label.height - 1), skin.windowBack);
    EXPECT_TRUE(label.Shows(skin.text)) << "the caption in the skin's text colour";
    // The tool row's picture stands above the caption, in the caption's colour.
    const Snapshot power(button);
    EXPECT_TRUE(power.ShowsNear(skin.text, 0x30, power.height / 3)) << "the picture above the caption";
    // The column header and the pickers, which the system draws light, in the skin's colours.
    const Snapshot header(ListView_GetHeader(Of(main.lstSchedules)));
    EXPECT_EQ(header.Pixel(header.width / 2, 1), skin.listBack) << "the column header";
    main.cmdNewSchedule.UserClick();
    frmWizard& editor = *main.ScheduleEditor();
    editor.chkScheduler.UserClick();
    windows.Runtime().DoEvents();
    for (const ui::Control* picker :
         {static_cast<ui::Control*>(&editor.dtDate), static_cast<ui::Control*>(&editor.dtTime)}) {
      const Snapshot field(Of(*picker));
      EXPECT_EQ(field.Pixel(field.width / 3, 1), skin.fieldBack) << picker->Name();
      EXPECT_TRUE(field.ShowsNear(skin.text, 0x30, field.height)) << picker->Name() << ": its date or time";
    }
    main.ExitRequested = true;
    main.Unload();
  }
  SetAppsUseLightTheme(1);
}

// Presses and lets go of each key in turn, as the user types them.
void PressKeys(std::initializer_list<WORD> keys) {
  for (const WORD key : keys) {
    INPUT press[2] = {};
    for (INPUT& input : press) {
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
    }
    press[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, press, sizeof(INPUT));
    Sleep(30);
  }
}

// What an open menu shows, read while it is open: the share of its pixels in a colour, and
// whether its caption's text colour is there. Esc closes it again.
struct OpenMenuShot {
  double shareOfBack = 0;
  bool showsText = false;
};

OpenMenuShot ShootOpenMenu(COLORREF back, COLORREF text) {
  OpenMenuShot shot;
  for (int step = 0; step < 500; ++step) {
    const HWND menu = FindWindowW(test::KeyLater::kOpenMenu, nullptr);
    if (menu && IsWindowVisible(menu)) {
      Sleep(150);
      const Snapshot picture(menu);
      shot.shareOfBack = picture.ShareOf(back);
      shot.showsText = picture.ShowsNear(text, 0x30, picture.height);
      break;
    }
    Sleep(10);
  }
  PressKeys({VK_ESCAPE, VK_ESCAPE});
  return shot;
}

// The picture above a tool-row button's caption, as drawn: the width of the inked pixels
// (those far from the button's face) in the first band of rows that holds any.
int DrawnPictureWidth(HWND button) {
  const Snapshot shot(button);
  const COLORREF face = shot.Pixel(3, shot.height / 2);
  const auto inked = [&](int x, int y) {
    const COLORREF pixel = shot.Pixel(x, y);
    return std::abs(GetRValue(pixel) - GetRValue(face)) + std::abs(GetGValue(pixel) - GetGValue(face)) +
               std::abs(GetBValue(pixel) - GetBValue(face)) >
           0x60;
  };
  int left = shot.width;
  int right = -1;
  bool inBand = false;
  // The face's edge and focus ring lie in the outer pixels.
  const int edge = 5;
  for (int y = edge; y < shot.height - edge; ++y) {
    bool rowInked = false;
    for (int x = edge; x < shot.width - edge; ++x) {
      if (!inked(x, y)) continue;
      rowInked = true;
      left = std::min(left, x);
      right = std::max(right, x);
    }
    if (inBand && !rowInked) break;
    inBand = inBand || rowInked;
  }
  return right >= left ? right - left + 1 : 0;
}

// The width of the menu bar's first entry.
int FirstBarEntryWidth(HWND window) {
  RECT entry{};
  return GetMenuItemRect(window, GetMenu(window), 0, &entry) ? entry.right - entry.left : 0;
}

// Moved to a screen at 144 DPI, the tool row's pictures and the owner-drawn menu bar (dark
// skin) are made again at that size.
TEST(Win32Skins, PicturesAndDrawnMenusFollowADpiChange) {
  for (const DWORD light : {DWORD{1}, DWORD{0}}) {
    SetAppsUseLightTheme(light);
    test::RunningProgram program;
    const HWND window = test::WindowOf(program.main);
    const HWND power = test::WindowOf(program.main.cmdPower);
    const int pictureBefore = DrawnPictureWidth(power);
    const int entryBefore = FirstBarEntryWidth(window);
    RECT outer{};
    GetWindowRect(window, &outer);
    test::ChangeDpi(window, 144, outer);
    program.input.Settle();
    ASSERT_GT(pictureBefore, 0);
    EXPECT_NEAR(DrawnPictureWidth(power), pictureBefore * 3 / 2, 2) << "the tool row's picture";
    if (!light) {
      ASSERT_GT(entryBefore, 0);
      // Its caption's width follows the font's, which is hinted at each size: not quite 1.5 times.
      const int entryAfter = FirstBarEntryWidth(window);
      EXPECT_GE(entryAfter, entryBefore * 5 / 4) << "the bar's first entry, measured again";
      EXPECT_LE(entryAfter, entryBefore * 3 / 2 + 2);
    }
    test::ChangeDpi(window, 96, outer);
  }
  SetAppsUseLightTheme(1);
}

// The menu bar and an open menu in the skin: in the dark one they are drawn by the program in
// the window's colours, and the access keys still open and choose.
TEST(Win32Skins, MenusAreDrawnInTheSkin) {
  for (const DWORD light : {DWORD{1}, DWORD{0}}) {
    SetAppsUseLightTheme(light);
    test::RunningProgram program;
    frmMain& main = program.main;
    const COLORREF back = static_cast<COLORREF>(main.BackColor());
    const COLORREF text = light ? RGB(0, 0, 0) : RGB(0xF3, 0xF3, 0xF3);
    OpenMenuShot shot;
    {
      std::thread shooter([&] { shot = ShootOpenMenu(back, text); });
      program.input.Alt('F');
      shooter.join();
    }
    program.input.Settle();
    if (light) {
      EXPECT_LT(shot.shareOfBack, 0.5) << "the system draws the light menus";
    } else {
      EXPECT_GT(shot.shareOfBack, 0.6) << "the open menu on the window's dark background";
      EXPECT_TRUE(shot.showsText) << "its captions in the skin's text colour";
    }
    // The tray icon's menu, opened as a right click on the icon opens it.
    if (!light) {
      std::thread shooter([&] { shot = ShootOpenMenu(back, text); });
      main.pctTray_MouseDown(517 * 15);
      shooter.join();
      EXPECT_GT(shot.shareOfBack, 0.6) << "the tray menu on the dark background";
    }
    // The bar's first entry, beside its caption.
    MENUBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetMenuBarInfo(test::WindowOf(main), OBJID_MENU, 0, &bar));
    const HDC screen = GetWindowDC(test::WindowOf(main));
    RECT outer{};
    GetWindowRect(test::WindowOf(main), &outer);
    const COLORREF entry = GetPixel(screen, bar.rcBar.left - outer.left + 2, bar.rcBar.top - outer.top + 2);
    const COLORREF beyond = GetPixel(screen, bar.rcBar.right - outer.left - 3, bar.rcBar.top - outer.top + 2);
    ReleaseDC(test::WindowOf(main), screen);
    if (!light) {
      EXPECT_EQ(entry, back) << "the bar's entry on the dark background";
      EXPECT_EQ(beyond, back) << "and the bar beyond its last entry";
    }
    // Alt and an access key still open the menu and choose its entry.
    {
      test::KeyLater general('G', 50, test::KeyLater::kOpenMenu);
      program.input.Alt('F');
    }
    program.input.Settle();
    EXPECT_TRUE(main.Preferences() && main.Preferences()->Loaded()) << "Alt+F, G in the " << (light ? "light" : "dark");
    if (main.Preferences()) main.Preferences()->Unload();
  }
  SetAppsUseLightTheme(1);
}

// A message box as it is shown: the share of its client area in a colour and its first
// button's face colour; then the keys given answer it.
struct MessageBoxShot {
  double shareOfBack = 0;
  COLORREF buttonFace = 0;
};

MessageBoxShot ShootMessageBox(const wchar_t* title, COLORREF back, std::initializer_list<WORD> answerKeys) {
  MessageBoxShot shot;
  for (int step = 0; step < 500; ++step) {
    const HWND box = FindWindowW(L"#32770", title);
    if (box && IsWindowVisible(box)) {
      Sleep(150);
      const Snapshot picture(box);
      shot.shareOfBack = picture.ShareOf(back);
      if (const HWND button = FindWindowExW(box, nullptr, L"Button", nullptr)) {
        const Snapshot face(button);
        shot.buttonFace = face.Pixel(3, face.height / 2);
      }
      break;
    }
    Sleep(10);
  }
  PressKeys(answerKeys);
  return shot;
}

// A message box over a dark window is dark, with its buttons in the skin, and keeps the
// system's keys, default button and answers; over a light one it is the system's own.
TEST(Win32Skins, MessageBoxesAreShownInTheSkin) {
  for (const DWORD light : {DWORD{1}, DWORD{0}}) {
    SetAppsUseLightTheme(light);
    test::RunningProgram program;
    const COLORREF back = static_cast<COLORREF>(program.main.BackColor());
    auto& boxes = program.windows.Runtime().Messages();
    const auto ask = [&](std::initializer_list<WORD> keys, MessageBoxShot& shot) {
      std::thread answerer([&] { shot = ShootMessageBox(L"Confirm Choice", back, keys); });
      const auto answer =
          boxes.Show("Are you sure?", platform::MessageButtons::OkCancel, platform::MessageIcon::Question,
                     "Confirm Choice", platform::DefaultButton::Second);
      answerer.join();
      return answer;
    };
    MessageBoxShot shot;
    EXPECT_EQ(ask({VK_RETURN}, shot), platform::MessageAnswer::Cancel) << "Enter presses the default, the second";
    if (light) {
      EXPECT_LT(shot.shareOfBack, 0.5) << "the system's own box over a light window";
    } else {
      EXPECT_GT(shot.shareOfBack, 0.6) << "the box on the window's dark background";
      EXPECT_EQ(shot.buttonFace, RGB(0x2D, 0x2D, 0x2D)) << "its buttons in the skin";
    }
    EXPECT_EQ(ask({VK_ESCAPE}, shot), platform::MessageAnswer::Cancel) << "Esc cancels";
    EXPECT_EQ(ask({VK_TAB, VK_RETURN}, shot), platform::MessageAnswer::Ok) << "Tab to OK, and Enter presses it";
  }
  SetAppsUseLightTheme(1);
}

// The share of a window's scroll bar drawn dark, read from the screen's copy of its frame.
double DarkShareOfScrollBar(HWND window) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfo(window, OBJID_VSCROLL, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return -1;
  RECT outer{};
  GetWindowRect(window, &outer);
  const HDC frame = GetWindowDC(window);
  int dark = 0;
  int all = 0;
  for (LONG x = info.rcScrollBar.left; x < info.rcScrollBar.right; ++x)
    for (LONG y = info.rcScrollBar.top; y < info.rcScrollBar.bottom; ++y) {
      const COLORREF pixel = GetPixel(frame, x - outer.left, y - outer.top);
      dark += GetRValue(pixel) < 0x70 && GetGValue(pixel) < 0x70 && GetBValue(pixel) < 0x70;
      ++all;
    }
  ReleaseDC(window, frame);
  return all > 0 ? double(dark) / all : -1;
}

// The day list's scroll bar in the dark skin is dark, and stays dark once its arrow is clicked.
TEST(Win32Skins, ScrollBarsAreDarkInTheDarkSkin) {
  SetAppsUseLightTheme(0);
  {
    test::RunningProgram program;
    program.main.cmdNewSchedule.UserClick();
    frmWizard& editor = *program.main.ScheduleEditor();
    editor.chkScheduler.UserClick();
    editor.chkRepeat.UserClick();
    editor.optRepeat2.UserClick();
    program.input.Settle();
    const HWND days = test::WindowOf(editor.tvScheduleMonth);
    ASSERT_TRUE(IsWindowVisible(days));
    EXPECT_GT(DarkShareOfScrollBar(days), 0.6) << "the month's days, 31 rows, scroll";
    // A click on the bar's lower arrow, where the pointer is.
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetScrollBarInfo(days, OBJID_VSCROLL, &bar));
    POINT arrow{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.bottom - bar.dxyLineButton / 2};
    ScreenToClient(days, &arrow);
    const int topBefore = GetScrollPos(days, SB_VERT);
    program.input.Click(days, arrow);
    program.input.Settle();
    EXPECT_GT(GetScrollPos(days, SB_VERT), topBefore) << "the click scrolled the list";
    EXPECT_GT(DarkShareOfScrollBar(days), 0.6) << "and the bar stays dark";
    editor.Unload();
  }
  SetAppsUseLightTheme(1);
}

// High contrast: no skin, the system's colours and drawing. (A program cannot switch Wine to
// high contrast, so the engine is told the setting here.)
Win32SkinEngine::Scheme scheme = Win32SkinEngine::Scheme::HighContrast;

TEST(Win32Skins, HighContrastKeepsTheSystemsColoursAndASwitchIsFollowed) {
  ui::HeadlessRuntime runtime;
  test::frmSample form(runtime);
  scheme = Win32SkinEngine::Scheme::HighContrast;
  Win32SkinEngine engine([] { return scheme; });
  EXPECT_EQ(engine.Colours().buttonAndField, ui::kWindowBackground);
  engine.SkinWindow(form);
  EXPECT_EQ(form.BackColor(), ui::kButtonFace);
  EXPECT_FALSE(form.Look());

  scheme = Win32SkinEngine::Scheme::Dark;
  engine.SchemeChanged();
  engine.SkinWindow(form);
  ASSERT_TRUE(form.Look());
  EXPECT_TRUE(form.Look()->dark);
  EXPECT_EQ(form.BackColor(), RGB(0x20, 0x20, 0x20));
}

}  // namespace
}  // namespace curfew
