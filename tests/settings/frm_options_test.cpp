// The preferences window on the headless back end: what it reads, what it stores, and what it
// does with values it cannot read.
#include "settings/frm_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/program_folder.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::RegistryRoot;
using test::kMachineSettings;
using test::MainWindowTest;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class PreferencesTest : public MainWindowTest {
 protected:
  frmOptions& Open() {
    Main().mnuFileItem4.UserClick();
    return *Main().Preferences();
  }
  int SettingWrites() const {
    int writes = 0;
    for (const std::string& entry : registry.Journal()) writes += entry.starts_with("Set ");
    return writes;
  }
  std::optional<std::string> Machine(const char* key) const {
    return registry.Get(RegistryRoot::LocalMachine, kMachineSettings, key);
  }
};

TEST_F(PreferencesTest, AFreshMachineShowsEveryBoxUncheckedAndWritesNothing) {
  Start();
  const int before = SettingWrites();
  frmOptions& options = Open();
  EXPECT_EQ(options.Caption(), "General Preferences");
  for (ui::CheckBox* box :
       {&options.chkRunAtStart, &options.chkMin, &options.chkSplash, &options.chkNoShow, &options.chkAlwaysExit})
    EXPECT_EQ(box->Value(), 0) << box->Name();
  EXPECT_EQ(SettingWrites(), before);
  EXPECT_TRUE(runtime.messages.shown().empty());
}

TEST_F(PreferencesTest, EachClickIsStoredAtOnce) {
  Start();
  frmOptions& options = Open();
  const std::pair<ui::CheckBox*, const char*> boxes[] = {{&options.chkMin, "chkMin"},
                                                         {&options.chkSplash, "chkSplash"},
                                                         {&options.chkNoShow, "chkNoShow"},
                                                         {&options.chkAlwaysExit, "chkAlwaysExit"}};
  for (const auto& [box, key] : boxes) {
    box->UserClick();
    EXPECT_EQ(Machine(key), "1") << key;
    box->UserClick();
    EXPECT_EQ(Machine(key), "0") << key << " after the second click";
  }
}

TEST_F(PreferencesTest, TheStartupBoxRegistersAndOpeningReRegistersTheCurrentPath) {
  Start();
  const std::string command = files.ProgramFolder() + "\\curfew.exe";
  Open().chkRunAtStart.UserClick();
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, kRun, "Curfew0"), command);
  Main().Preferences()->Unload();

  // The program moved: merely opening the window puts its new path in the start-up list.
  registry.Put(RegistryRoot::LocalMachine, kRun, "Curfew0", platform::kRegistryString, "D:\\old\\curfew.exe");
  EXPECT_EQ(Open().chkRunAtStart.Value(), 1);
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, kRun, "Curfew0"), command);
}

TEST_F(PreferencesTest, UnreadableValuesStayUncheckedUnwrittenAndAreNamedOnce) {
  SetMachine("chkMin", "2");
  registry.Put(RegistryRoot::LocalMachine, kMachineSettings, "chkNoShow", platform::kRegistryDword, "1");
  SetMachine("chkSplash", "1");
  Start();
  const int before = SettingWrites();
  frmOptions& options = Open();
  EXPECT_EQ(options.chkMin.Value(), 0);
  EXPECT_EQ(options.chkNoShow.Value(), 0);
  EXPECT_EQ(options.chkSplash.Value(), 1) << "the rest of the window is still filled";
  EXPECT_EQ(Machine("chkMin"), "2") << "nothing written for a value that could not be read";
  EXPECT_EQ(SettingWrites(), before + 1) << "only the readable chkSplash is stored back";
  ASSERT_EQ(runtime.messages.shown().size(), 1u);
  EXPECT_EQ(runtime.messages.shown()[0].text,
            "These preferences could not be read and are shown unchecked:\r\n"
            "Don't show a reminder when I close the program.\r\nOpen minimized to the system Tray");
}

TEST_F(PreferencesTest, ASecondOpeningBringsTheSameWindowForward) {
  Start();
  frmOptions& options = Open();
  Main().mnuFileItem4.UserClick();
  EXPECT_EQ(Main().Preferences(), &options);
  EXPECT_EQ(runtime.broughtToFront.back(), "General Preferences");
  Main().mnuFileItem6.UserClick();
  EXPECT_FALSE(options.Loaded()) << "the main window's unload closes it";
}

// The warning's lead: the stored seconds shown as their choice; what cannot be read shows the
// default of one minute, and opening the window writes nothing.
class WarnPreferenceTest : public PreferencesTest, public testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(WarnPreferenceTest, ShowsTheStoredChoiceAndWritesNothingOnOpening) {
  if (GetParam().first) SetMachine("WarnBeforeAction", GetParam().first);
  Start();
  const int before = SettingWrites();
  EXPECT_EQ(Open().cboWarn.ListIndex(), GetParam().second);
  EXPECT_EQ(SettingWrites(), before);
}

INSTANTIATE_TEST_SUITE_P(Stored, WarnPreferenceTest,
                         testing::Values(std::pair<const char*, int>{nullptr, 2}, std::pair<const char*, int>{"0", 0},
                                         std::pair<const char*, int>{"300", 4}, std::pair<const char*, int>{"45", 2},
                                         std::pair<const char*, int>{"soon", 2}));

TEST_F(PreferencesTest, AWarningChoiceIsStoredAsSecondsAndSurvivesALanguageChange) {
  std::ifstream shipped(std::filesystem::path(test::TestProgramFolder()) / "Localization.xml", std::ios::binary);
  folder.Write("Localization.xml", std::string(std::istreambuf_iterator<char>(shipped), {}));
  Start();
  frmOptions& options = Open();
  ASSERT_EQ(options.cboWarn.ListCount(), 5);
  EXPECT_EQ(options.cboWarn.List(1), "30 seconds");
  options.cboWarn.UserPick(3);
  EXPECT_EQ(Machine("WarnBeforeAction"), "120");
  Main().Context().Languages().ChangeLanguage(options, "Deutsch");
  options.ShowCatalogueTexts();
  EXPECT_EQ(options.lblWarn.Caption(), "Vor einer Aktion warnen:");
  EXPECT_EQ(options.cboWarn.List(3), "2 Minuten");
  EXPECT_EQ(options.cboWarn.ListIndex(), 3);
  EXPECT_EQ(Machine("WarnBeforeAction"), "120");
}

// The note under the wake preference shows only when the power scheme is known to keep timers
// from waking the computer; the box is checked until switched off.
class WakeTimersNote : public testing::WithParamInterface<std::optional<bool>>, public PreferencesTest {};

TEST_P(WakeTimersNote, ShowsOnlyWhenWakeTimersAreOff) {
  power.SetWakeTimersAllowed(GetParam());
  Start();
  frmOptions& options = Open();
  EXPECT_EQ(options.lblWakeTimersOff.Visible(), GetParam() == false);
  ASSERT_TRUE(options.RequestedClientSize());
  EXPECT_EQ(options.RequestedClientSize()->height, GetParam() == false ? 3945 : 3510) << "room for the note only";
  EXPECT_EQ(options.lblWakeTimersOff.Caption(),
            "Wake timers are off in this computer's power options, so it will not wake for a schedule.");
  EXPECT_EQ(options.chkWake.Value(), 1);
  options.chkWake.UserClick();
  EXPECT_EQ(Machine("chkWake"), "0");
}

INSTANTIATE_TEST_SUITE_P(Scheme, WakeTimersNote,
                         testing::Values(std::optional<bool>(true), std::optional<bool>(false), std::optional<bool>()));

}  // namespace
}  // namespace curfew
