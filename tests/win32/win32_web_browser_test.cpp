// The browser window on the real window back end: the system's WebBrowser object hosted in
// the window, its events reaching the window's handlers, and the window's place on screen.
//
// What Wine here can and cannot show: its WebBrowser object is created, takes its place in the
// window and loads a local file, reporting download begin, status texts and download complete
// with the page's address. It has no page renderer (no Gecko engine is installed, and the test
// prefix turns mshtml off), so a page is never drawn and never has a title of its own: the
// window's title, which follows the page's name, shows the page's address here, as for any
// resource without a title. Page titles, drawn pages and the page's own keys are covered on the
// headless back end only.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "app/win32_program_services.h"
#include "appearance/frm_website.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/text_conversion.h"
#include "ui/application.h"
#include "win32/support/real_input.h"

namespace curfew {
namespace {

HWND Of(const ui::Control& control) { return reinterpret_cast<HWND>(control.Handle()); }
HWND Of(const ui::Form& form) { return reinterpret_cast<HWND>(form.Handle()); }

// Lets the window's events run until the condition holds, for at most three seconds.
template <typename Condition>
bool RunUntil(platform::win32::Win32Runtime& runtime, Condition&& condition) {
  for (int step = 0; step < 300 && !condition(); ++step) {
    runtime.DoEvents();
    Sleep(10);
  }
  return condition();
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND below = GetWindow(upper, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
    if (below == lower) return true;
  return false;
}

class Win32WebBrowser : public testing::Test {
 protected:
  void SetUp() override {
    test::DropQuitRequest();  // left by the program of an earlier test
    application.Start();
    application.splash.ShowMainWindow();
    application.main.cmdWebsite.UserClick();
    ASSERT_NE(application.main.Website(), nullptr);
  }
  void TearDown() override {
    application.main.ExitRequested = true;
    application.main.Unload();
    test::DropQuitRequest();  // the unload's, which would end the next test's loops at once
  }
  frmWebsite& Website() { return *application.main.Website(); }

  const platform::win32::OleSession ole;
  app::Win32ProgramServices windows{"Curfew.BrowserTest.Running"};
  Application application{windows.Services()};
};

TEST_F(Win32WebBrowser, TheSystemsBrowserIsHostedInTheWindowAndSetToStandardsMode) {
  wchar_t hosted[64] = {};
  GetClassNameW(GetWindow(Of(Website().WebBrowser1), GW_CHILD), hosted, 64);
  EXPECT_STREQ(hosted, L"Shell Embedding");
  DWORD mode = 0;
  DWORD size = sizeof(mode);
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER,
                         L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION",
                         L"curfew_win32_tests.exe", RRF_RT_REG_DWORD, nullptr, &mode, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(mode, 11001u);
}

TEST_F(Win32WebBrowser, OpensMaximisedInFrontOfTheMainWindowAndNotTopmost) {
  const HWND website = Of(Website());
  EXPECT_TRUE(IsZoomed(website));
  EXPECT_FALSE(GetWindowLongW(website, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsAbove(website, Of(application.main)));
  // The status bar followed the window to its new size, along the bottom edge.
  RECT bar{};
  RECT client{};
  GetWindowRect(Of(Website().StatusBar1), &bar);
  MapWindowPoints(nullptr, website, reinterpret_cast<POINT*>(&bar), 2);
  GetClientRect(website, &client);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.right, client.right);
}

TEST_F(Win32WebBrowser, EnterInTheAddressBoxLoadsALocalPageAndItsEventsReachTheWindow) {
  frmWebsite& website = Website();
  auto& runtime = windows.Runtime();
  // The start page (no network here) ends first, so that its end cannot be taken for the
  // local page's.
  ASSERT_TRUE(RunUntil(runtime, [&] { return website.StatusBar1.GetPanel(2).text.starts_with("Completed "); }));
  std::vector<std::string> statusTexts;
  const auto shown = website.WebBrowser1.OnStatusTextChange;
  website.WebBrowser1.OnStatusTextChange = [&](const std::string& text) {
    statusTexts.push_back(text);
    shown(text);
  };
  std::ofstream("browser_test_page.html") << "<html><head><title>A local page</title></head><body>Hi</body></html>";
  wchar_t path[MAX_PATH] = {};
  GetFullPathNameW(L"browser_test_page.html", MAX_PATH, path, nullptr);
  // Typed as a person types it: a click in the address box, Ctrl+A, the address, Enter.
  test::RealInput input(runtime);
  input.Activate(website);
  input.Click(Of(website.Text1));
  input.KeyWith(VK_CONTROL, 'A');
  input.Type("file:///" + platform::win32::WideToUtf8(path));
  const std::string typed = website.Text1.Text();
  input.Key(VK_RETURN);

  ASSERT_TRUE(RunUntil(runtime, [&] {
    const std::string& state = website.StatusBar1.GetPanel(2).text;
    return state.starts_with("Completed ") && state.ends_with("browser_test_page.html");
  })) << website.StatusBar1.GetPanel(2).text;
  // The address box holds the engine's full address of the page, not what was typed.
  EXPECT_EQ(website.Text1.Text(), website.WebBrowser1.LocationURL());
  EXPECT_NE(website.Text1.Text(), typed);
  EXPECT_EQ(website.StatusBar1.GetPanel(2).text, "Completed " + website.Text1.Text());
  EXPECT_TRUE(std::any_of(statusTexts.begin(), statusTexts.end(), [](const std::string& text) {
    return text.find("browser_test_page.html") != std::string::npos;
  })) << "the engine's status texts reach panel 1";
  EXPECT_EQ(website.Caption(), website.Text1.Text()) << "a page without a title is named by its address";
  // Back to the start page: a refusal of the engine would be ignored, and the window goes on.
  input.Click(Of(website.Command4));
  input.Click(Of(website.Command6));
  EXPECT_TRUE(website.Loaded());
}

}  // namespace
}  // namespace curfew
