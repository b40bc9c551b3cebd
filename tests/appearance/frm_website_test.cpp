// The browser window on the headless back end, with a scripted page engine.
#include "appearance/frm_website.h"

#include <gtest/gtest.h>

#include "platform/headless/scripted_browser.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using ui::ScriptedBrowser;

class WebsiteTest : public test::MainWindowTest {
 protected:
  WebsiteTest() {
    runtime.browserPages = {{"http://curfew.example.org/", "Curfew - Home"}, {"http://example.org/news", "News"}};
  }
  frmWebsite& Open() {
    if (!app) Start();
    Main().cmdWebsite.UserClick();
    return *Main().Website();
  }
  static ScriptedBrowser& Engine(frmWebsite& website) { return ScriptedBrowser::Of(website.WebBrowser1); }
};

TEST_F(WebsiteTest, OpensOnTheWebSiteMaximisedInFrontAndNotTopmostOnceLoaded) {
  bool topmostWhileNavigating = false;
  runtime.onNavigate = [&](ui::WebBrowser& browser, const std::string&) {
    topmostWhileNavigating = browser.Parent().Topmost();
  };
  Start();
  Main().Context().BrowserPageKey = "Other";
  frmWebsite& website = Open();
  EXPECT_TRUE(website.Visible());
  EXPECT_EQ(Engine(website).navigations, std::vector<std::string>{"curfew.example.org"});
  EXPECT_TRUE(topmostWhileNavigating) << "on top of everything while it loads";
  EXPECT_FALSE(website.Topmost());
  EXPECT_EQ(website.GetWindowState(), ui::WindowState::Maximized);
  EXPECT_EQ(website.Caption(), "curfew.example.org");
  EXPECT_EQ(Main().Context().BrowserPageKey, "Website");
  EXPECT_EQ(website.StatusBar1.PanelCount(), 2);
  // Label5 mirrored into the skinned-label array of its frame.
  const auto copy = std::find_if(website.Controls().begin(), website.Controls().end(),
                                 [](const ui::Control* c) { return c->Name() == "SkinLabel1" && c->Index() == 1; });
  ASSERT_NE(copy, website.Controls().end());
  EXPECT_EQ((*copy)->Caption(), "URL:");
  EXPECT_EQ((*copy)->Container(), &website.frmBrowser);
}

TEST_F(WebsiteTest, ALoadedPageShowsItsFullAddressAndNameWhateverWasTyped) {
  frmWebsite& website = Open();
  website.WebBrowser1.EngineDownloadBegin();
  EXPECT_EQ(website.StatusBar1.GetPanel(2).text, "Opening " + website.WebBrowser1.LocationURL());
  ASSERT_TRUE(Engine(website).LoadPending());
  EXPECT_EQ(website.Text1.Text(), "http://curfew.example.org/");
  EXPECT_EQ(website.Caption(), "Curfew - Home");
  EXPECT_EQ(website.StatusBar1.GetPanel(1).text, "Done");
  EXPECT_EQ(website.StatusBar1.GetPanel(2).text, "Completed http://curfew.example.org/");

  website.Text1.UserType("example.org/news");
  website.Command3.UserClick();
  EXPECT_EQ(website.StatusBar1.GetPanel(2).text, "Completed http://curfew.example.org/") << "not loaded yet";
  Engine(website).LoadPending();
  EXPECT_EQ(website.Text1.Text(), "http://example.org/news");
  EXPECT_EQ(website.Caption(), "News");
}

// Enter in the address box and the go button navigate to the address exactly as typed.
class WebsiteGoTest : public WebsiteTest, public testing::WithParamInterface<bool> {};

TEST_P(WebsiteGoTest, NavigatesToTheAddressAsTyped) {
  frmWebsite& website = Open();
  Engine(website).LoadPending();
  website.Text1.UserType(" Example.org/news ");
  if (GetParam())
    website.Text1.UserKeyPress(13);
  else
    website.Command3.UserClick();
  EXPECT_EQ(Engine(website).navigations, (std::vector<std::string>{"curfew.example.org", " Example.org/news "}));
}

TEST_F(WebsiteTest, EnterIsTakenByTheAddressBoxAndOtherKeysAreTyped) {
  frmWebsite& website = Open();
  int key = 'x';
  website.Text1.OnKeyPress(key);
  EXPECT_EQ(key, 'x');
  EXPECT_EQ(Engine(website).navigations.size(), 1u) << "only the start page";
  key = 13;
  website.Text1.OnKeyPress(key);
  EXPECT_EQ(key, 0) << "not typed into the box";
  EXPECT_EQ(Engine(website).navigations.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EnterOrGo, WebsiteGoTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& param) { return param.param ? "Enter" : "GoButton"; });

TEST_F(WebsiteTest, HistoryButtonsMoveThroughThePagesAndIgnoreRefusals) {
  frmWebsite& website = Open();
  // Nothing loaded yet: nothing to go back or forward to, nothing to load again.
  for (ui::CommandButton* button : {&website.Command4, &website.Command5, &website.Command6, &website.Command7})
    EXPECT_NO_THROW(button->UserClick()) << button->Name();
  EXPECT_FALSE(Engine(website).LoadPending()) << "stop dropped the first request";

  website.Command7.UserClick();
  website.Text1.UserType("curfew.example.org");
  website.Command3.UserClick();
  Engine(website).LoadPending();
  website.Text1.UserType("example.org/news");
  website.Command3.UserClick();
  Engine(website).LoadPending();
  website.Command4.UserClick();
  Engine(website).LoadPending();
  EXPECT_EQ(website.Caption(), "Curfew - Home") << "back";
  website.Command5.UserClick();
  Engine(website).LoadPending();
  EXPECT_EQ(website.Caption(), "News") << "forward";
  EXPECT_NO_THROW(website.Command5.UserClick()) << "nothing further ahead";
}

struct LayoutCase {
  const char* name;
  int width, height;  // the window's outer size
  int frameWidth, frameHeight, addressWidth, goLeft, pageWidth, pageHeight;
};

class WebsiteLayoutTest : public WebsiteTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(WebsiteLayoutTest, FitsTheWindowAndNeverGoesNegative) {
  frmWebsite& website = Open();
  const LayoutCase& c = GetParam();
  website.Move({0, 0, c.width, c.height});
  website.Resized();
  EXPECT_EQ(website.frmBrowser.Position().width, c.frameWidth);
  EXPECT_EQ(website.frmBrowser.Position().height, c.frameHeight);
  EXPECT_EQ(website.Text1.Position().width, c.addressWidth);
  EXPECT_EQ(website.Command3.Position().left, c.goLeft);
  EXPECT_EQ(website.WebBrowser1.Position().width, c.pageWidth);
  EXPECT_EQ(website.WebBrowser1.Position().height, c.pageHeight);
  EXPECT_EQ(website.StatusBar1.GetPanel(1).widthTwips, c.width / 2);
  EXPECT_EQ(website.StatusBar1.GetPanel(2).widthTwips, c.width / 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WebsiteLayoutTest,
                         testing::Values(LayoutCase{"Ordinary", 12000, 9000, 11700, 8625, 10065, 10705, 11480, 6310},
                                         LayoutCase{"BelowTheMargins", 200, 300, 100, 75, 1535, 2175, 120, 2240}),
                         [](const testing::TestParamInfo<LayoutCase>& param) { return std::string(param.param.name); });

TEST_F(WebsiteTest, ASecondClickBringsTheOpenWindowForwardAndAClosedOneOpensAfresh) {
  frmWebsite& website = Open();
  Engine(website).LoadPending();
  Main().cmdWebsite.UserClick();
  EXPECT_EQ(runtime.broughtToFront.back(), "Curfew - Home");
  EXPECT_EQ(Main().Website(), &website);
  website.UserClose();
  Main().cmdWebsite.UserClick();
  EXPECT_EQ(Main().Website()->Caption(), "curfew.example.org") << "on the start page again";
}

}  // namespace
}  // namespace curfew
