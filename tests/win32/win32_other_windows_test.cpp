// The preferences, language and about windows on real controls, with the real registry and
// the real version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win32_program_services.h"
#include "appearance/frm_about.h"
#include "build_identity.h"
#include "localization/frm_language.h"
#include "platform/win32/text_conversion.h"
#include "settings/frm_options.h"
#include "ui/application.h"
#include "win32/support/caption_fit.h"
#include "win32/support/running_program.h"
#include "win32/support/text_fit.h"
#include "win32/support/window_snapshot.h"

namespace curfew {
namespace {

HWND Of(const ui::Control& control) { return reinterpret_cast<HWND>(control.Handle()); }

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::wstring MachineSetting(const wchar_t* key) {
  wchar_t value[64] = {};
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Curfew Team\\Curfew\\Settings", key, RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS)
    return L"(none)";
  return value;
}

class Win32OtherWindows : public testing::Test {
 protected:
  void SetUp() override {
    application.Start();
    application.splash.ShowMainWindow();
  }
  void TearDown() override {
    application.main.ExitRequested = true;
    application.main.Unload();
  }
  app::Win32ProgramServices windows{"Curfew.OtherWindowsTest.Running"};
  Application application{windows.Services()};
};

TEST_F(Win32OtherWindows, PreferencesWriteTheRealRegistryAtEachClick) {
  application.main.mnuFileItem4.UserClick();
  frmOptions& options = *application.main.Preferences();
  ASSERT_TRUE(IsWindowVisible(reinterpret_cast<HWND>(options.Handle())));
  EXPECT_EQ(WindowText(reinterpret_cast<HWND>(options.Handle())), L"General Preferences");
  const LONG style = GetWindowLongW(reinterpret_cast<HWND>(options.Handle()), GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  SendMessageW(Of(options.chkNoShow), BM_CLICK, 0, 0);
  EXPECT_EQ(MachineSetting(L"chkNoShow"), L"1");
  SendMessageW(Of(options.chkNoShow), BM_CLICK, 0, 0);
  EXPECT_EQ(MachineSetting(L"chkNoShow"), L"0");
  EXPECT_EQ(SendMessageW(Of(options.chkNoShow), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// The warning's and the wake timer's texts fit their controls in every shipped language.
TEST_F(Win32OtherWindows, TheWarningAndWakePreferencesFitInEveryLanguage) {
  application.main.mnuFileItem4.UserClick();
  frmOptions& options = *application.main.Preferences();
  for (const char* language : {"English", "Deutsch", "Français", "Español", "Italiano", "Nederlands"}) {
    application.main.Context().Languages().ChangeLanguage(options, language);
    options.ShowCatalogueTexts();
    const HWND label = Of(options.lblWarn);
    EXPECT_LE(test::TextExtent(label, WindowText(label)).cx, test::ClientSize(label).cx) << language;
    const HWND wake = Of(options.chkWake);
    const int box = GetSystemMetrics(SM_CXMENUCHECK) + 8;
    EXPECT_LE(test::TextExtent(wake, WindowText(wake)).cx + box, test::ClientSize(wake).cx) << language;
    const HWND note = Of(options.lblWakeTimersOff);
    EXPECT_LE(test::TextExtent(note, WindowText(note), test::ClientSize(note).cx).cy, test::ClientSize(note).cy)
        << language;
    const int room = test::ClientSize(Of(options.cboWarn)).cx - GetSystemMetrics(SM_CXVSCROLL) - 8;
    for (int choice = 0; choice < options.cboWarn.ListCount(); ++choice) {
      const std::string text = options.cboWarn.List(choice);
      EXPECT_LE(test::TextExtent(Of(options.cboWarn), platform::win32::Utf8ToWide(text)).cx, room)
          << language << " " << text;
    }
  }
  application.main.Context().Languages().ChangeLanguage(options, "English");
}

// What a window's layout is in pixels: each child window's place in its parent, its font's
// height, and the window's smallest size.
struct PixelLayout {
  std::vector<RECT> places;
  std::vector<LONG> fontHeights;
  POINT minimum{};
};

PixelLayout LayoutOf(HWND window) {
  PixelLayout layout;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    layout.places.push_back(place);
    LOGFONTW font{};
    if (const auto handle = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)))
      GetObjectW(handle, sizeof(font), &font);
    layout.fontHeights.push_back(font.lfHeight);
  }
  MINMAXINFO limits{};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  layout.minimum = limits.ptMinTrackSize;
  return layout;
}

// Moved to a screen at 144 DPI, a window lays itself out as one opened there: every control
// half as large again (to the pixel's rounding), its font too, its smallest size too, and every
// caption still fits.
TEST_F(Win32OtherWindows, ADpiChangeLaysTheWindowOutAsAtThatDpi) {
  const HWND window = reinterpret_cast<HWND>(application.main.Handle());
  ShowWindow(window, SW_RESTORE);
  const PixelLayout before = LayoutOf(window);
  RECT outer{};
  GetWindowRect(window, &outer);
  test::ChangeDpi(window, 144, outer);
  const PixelLayout after = LayoutOf(window);
  ASSERT_EQ(after.places.size(), before.places.size());
  const auto scaled = [](LONG value) { return value * 3 / 2; };
  for (std::size_t i = 0; i < before.places.size(); ++i) {
    EXPECT_NEAR(after.places[i].left, scaled(before.places[i].left), 2) << "control " << i;
    EXPECT_NEAR(after.places[i].top, scaled(before.places[i].top), 2) << "control " << i;
    EXPECT_NEAR(after.places[i].right - after.places[i].left, scaled(before.places[i].right - before.places[i].left), 2)
        << "control " << i;
    if (before.fontHeights[i] != 0) {
      EXPECT_NEAR(after.fontHeights[i], scaled(before.fontHeights[i]), 1) << "control " << i;
    }
  }
  EXPECT_NEAR(after.minimum.x, scaled(before.minimum.x), 24) << "the smallest size follows";
  EXPECT_TRUE(test::CutCaptions(application.main).empty());
  test::ChangeDpi(window, 96, outer);
}

TEST_F(Win32OtherWindows, TheLanguageDialogListsTheShippedLanguages) {
  application.main.mnuLanguageItem.UserClick();
  frmLanguage& dialog = *application.main.LanguageDialog();
  const HWND combo = Of(dialog.Combo1);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 6);
  EXPECT_EQ(WindowText(combo), L"English");
  SendMessageW(Of(dialog.Command2), BM_CLICK, 0, 0);
  EXPECT_FALSE(dialog.Loaded());
}

TEST_F(Win32OtherWindows, TheAboutWindowReadsTheVersionResource) {
  application.main.mnuAboutItem.UserClick();
  frmAbout& about = *application.main.About();
  const std::string version = std::to_string(CURFEW_VERSION_MAJOR) + "." + std::to_string(CURFEW_VERSION_MINOR);
  EXPECT_EQ(WindowText(Of(about.lblVersion)), std::wstring(version.begin(), version.end()));
  EXPECT_EQ(WindowText(Of(about.Label1)), L"" CURFEW_PRODUCT_NAME);
  EXPECT_EQ(WindowText(reinterpret_cast<HWND>(about.Handle())), L"About " CURFEW_PRODUCT_NAME);
  EXPECT_NE(SendMessageW(Of(about.Picture1), STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "the product image is shown";
}

}  // namespace
}  // namespace curfew
