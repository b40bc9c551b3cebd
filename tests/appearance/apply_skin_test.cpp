// The skin steps of the program's windows: each window's load skins it, and a window skinned
// before the splash window has set up the skin loads the splash first.
#include <gtest/gtest.h>

#include <algorithm>

#include "appearance/frm_about.h"
#include "ui/frm_still_running.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using test::MainWindowTest;
using Names = std::vector<std::string>;

TEST_F(MainWindowTest, EveryWindowsLoadEndsBySkinningIt) {
  Start();
  EXPECT_EQ(skin.skinned, (Names{"frmSplash", "frmMain"}));
  EXPECT_EQ(Main().cmdGo.BackColor(), 0x111111u);
  EXPECT_EQ(Main().cbShutdown.ForeColor(), 0x222222u);
  Main().cmdNewSchedule.UserClick();
  Main().mnuFileItem4.UserClick();
  Main().mnuLanguageItem.UserClick();
  Main().mnuAboutItem.UserClick();
  Main().cmdWebsite.UserClick();
  EXPECT_EQ(skin.skinned,
            (Names{"frmSplash", "frmMain", "frmWizard", "frmOptions", "frmLanguage", "frmAbout", "frmWebsite"}));

  // The about window's plain labels get skinned copies in its array.
  const frmAbout& about = *Main().About();
  int copies = 0;
  for (const ui::Control* control : about.Controls())
    copies += control->Name() == "SkinLabel1" && control->Index().value_or(0) > 0;
  EXPECT_EQ(copies, 3) << "Label2, Label3 and Label4";
}

TEST_F(MainWindowTest, AWindowSkinnedBeforeTheSplashLoadsItWithoutLettingItOpenTheMainWindow) {
  app = std::make_unique<Application>(services);
  app->main.Load();
  // Without the identity the splash sets, the main window's load takes this for a first start:
  // the language dialog is the first window skinned, and it brings the splash.
  EXPECT_EQ(skin.skinned, (Names{"frmSplash", "frmLanguage", "frmMain"}));
  EXPECT_TRUE(app->splash.Loaded());
  EXPECT_FALSE(app->splash.Visible());
  EXPECT_FALSE(app->splash.Timer2.Enabled());
  runtime.Advance(10 * frmSplash::kSplashMilliseconds);
  EXPECT_FALSE(app->main.Visible()) << "the splash does not go on to open the main window";
}

TEST_F(MainWindowTest, ASwitchOfLightOrDarkModeSkinsEveryOpenWindowAnew) {
  Start();
  Main().mnuFileItem4.UserClick();
  skin.skinned.clear();
  Main().SystemChanged(ui::SystemChange::ColourSchemeChanged);
  std::sort(skin.skinned.begin(), skin.skinned.end());
  EXPECT_EQ(skin.skinned, (Names{"frmMain", "frmOptions", "frmSplash"}));
}

// A skin whose first answers fail, as a component that was not ready.
class FailingOnceSkin final : public Skin {
 public:
  explicit FailingOnceSkin(int failures = 1) : failures_(failures) {}
  SkinColours Colours() const override {
    if (failures_-- > 0) throw SkinError("not ready");
    return {1, 2, 3};
  }
  void SkinWindow(ui::Form&) override { ++skinned; }
  int skinned = 0;

 private:
  mutable int failures_;
};

TEST_F(MainWindowTest, TheFallbackDoesNotWaitForASplashWhoseTimerHasRun) {
  Start();
  FailingOnceSkin failing;
  Main().Context().Skins().SetSkinObject(failing);
  Main().mnuAboutItem.UserClick();  // returns: the finished splash is not waited for
  EXPECT_EQ(failing.skinned, 1);
  EXPECT_EQ(Main().About()->Picture1.BackColor(), 3u);
  EXPECT_TRUE(Main().Visible());
  EXPECT_FALSE(app->splash.Visible());
}

TEST_F(MainWindowTest, ASkinThatFailsAgainAfterTheSplashReachesTheCaller) {
  Start();
  FailingOnceSkin failing(2);
  Main().Context().Skins().SetSkinObject(failing);
  EXPECT_THROW(Main().Context().Skins().ApplySkinToForm(Main()), SkinError);
  EXPECT_EQ(failing.skinned, 0);
}

}  // namespace
}  // namespace curfew
