// The about window and the help launcher on the headless back end.
#include "appearance/frm_about.h"

#include <gtest/gtest.h>

#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::RegistryRoot;
using test::kMachineSettings;
using test::MainWindowTest;

class AboutTest : public MainWindowTest {
 protected:
  frmAbout& Open() {
    Main().mnuAboutItem.UserClick();
    return *Main().About();
  }
};

struct VersionCase {
  int major;
  int minor;
  const char* shown;
};

class AboutVersionTest : public AboutTest, public testing::WithParamInterface<VersionCase> {};

TEST_P(AboutVersionTest, ShowsMajorDotMinorWithoutLeadingZeros) {
  versionInfo =
      platform::FixedVersionInfo({"Curfew", "Curfew Team", "curfew.example.org", GetParam().major, GetParam().minor});
  Start();
  EXPECT_EQ(Open().lblVersion.Caption(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Versions, AboutVersionTest,
                         testing::Values(VersionCase{2, 15, "2.15"}, VersionCase{2, 5, "2.5"},
                                         VersionCase{1, 0, "1.0"}));

TEST_F(AboutTest, TheVersionInformationOverridesATranslation) {
  folder.Write("Localization.xml",
               "<LANGUAGE_GROUP>\r\n<LANGUAGE_NAME>Deutsch</LANGUAGE_NAME>\r\n<TRANSLATION_ITEMS>\r\n"
               "<FRMABOUT_LABEL1>Mein Programm</FRMABOUT_LABEL1>\r\n<FRMABOUT_LABEL3>Herausgeber:</FRMABOUT_LABEL3>\r\n"
               "<MSG_TITLEABOUT>Über [ProgramName]</MSG_TITLEABOUT>\r\n"
               "</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n");
  registry.Put(RegistryRoot::CurrentUser, test::kUserSettings, "Language", platform::kRegistryString, "Deutsch");
  Start();
  frmAbout& about = Open();
  EXPECT_EQ(about.Caption(), "Über Curfew");
  EXPECT_EQ(about.Label1.Caption(), "Curfew");
  EXPECT_EQ(about.Label3.Caption(), "Herausgeber:");
  EXPECT_EQ(about.lblCompany.Caption(), "Curfew Team");
  EXPECT_EQ(about.lblWebsite.Caption(), "curfew.example.org");
  EXPECT_EQ(about.Picture1.Picture(), frmAbout::kProductImage);
}

TEST_F(AboutTest, ViewHelpOpensTheHelpFileWhenItIsThere) {
  Start();
  Main().mnuHelpItem.UserClick();
  EXPECT_TRUE(process.opened.empty()) << "no help file, nothing to see";
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, kMachineSettings, "showHelp"), std::nullopt);

  folder.Write("Help.chm", "ITSF");
  Main().mnuHelpItem.UserClick();
  ASSERT_EQ(process.opened.size(), 1u);
  EXPECT_EQ(process.opened[0].path, files.ProgramFolder() + "\\Help.chm");
  EXPECT_EQ(process.opened[0].showMode, 1);
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, kMachineSettings, "showHelp"), "0");
}

TEST_F(AboutTest, TheMainWindowsUnloadClosesEveryOtherWindow) {
  Start();
  Main().mnuAboutItem.UserClick();
  Main().mnuLanguageItem.UserClick();
  Main().mnuFileItem4.UserClick();
  Main().cmdWebsite.UserClick();
  Main().mnuFileItem6.UserClick();
  for (ui::Form* form : runtime.LoadedForms()) ADD_FAILURE() << form->Name() << " is still loaded";
}

}  // namespace
}  // namespace curfew
