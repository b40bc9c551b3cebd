// The schedule editor on the headless back end: what it proposes, what it writes, what it
// refuses, and how it shows a stored schedule.
#include "ui/frm_wizard.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "scheduling/schedule_writer.h"
#include "support/program_folder.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::MessageAnswer;
using test::MainWindowTest;

void Check(ui::TreeView& tree, std::initializer_list<int> nodes) {
  for (int node : nodes) tree.UserCheckNode(node, true);
}

class ScheduleEditorTest : public MainWindowTest {
 protected:
  frmWizard& Open(bool edit = false) {
    (edit ? Main().cmdEdit : Main().cmdNewSchedule).UserClick();
    return *Main().ScheduleEditor();
  }
  std::string Written(const std::string& name) { return folder.Read("data/" + name + ".sch"); }
  int FilesInData() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.host() / "data"))
      count += entry.is_regular_file();
    return count;
  }
};

TEST_F(ScheduleEditorTest, ProposesTheNextFullHourAndWaitsForTheScheduler) {
  Start();
  frmWizard& editor = Open();
  EXPECT_TRUE(editor.Visible());
  EXPECT_EQ(editor.Caption(), "Schedule Configuration");
  EXPECT_EQ(editor.dtTime.GetDateTime().time, (TimeOfDay{11, 0, 0}));
  EXPECT_EQ(editor.dtDate.GetDateTime().date, clock.Now().date);
  EXPECT_FALSE(editor.dtDate.Enabled());
  EXPECT_FALSE(editor.chkRepeat.Enabled());
  EXPECT_EQ(editor.tvScheduleWeek.NodeCount(), 7);
  EXPECT_EQ(editor.tvScheduleWeek.GetNode(7).text, "Sunday");
  EXPECT_EQ(editor.tvScheduleMonth.NodeCount(), 31);
  EXPECT_EQ(editor.cbShutdown.Text(), "Shut Down") << "no hibernation here";

  editor.chkScheduler.UserClick();
  editor.chkRepeat.UserClick();
  editor.optRepeat1.UserClick();
  EXPECT_TRUE(editor.tvScheduleWeek.Visible());
  EXPECT_FALSE(editor.tvScheduleMonth.Visible());
  editor.chkScheduler.UserClick();
  EXPECT_FALSE(editor.tvScheduleWeek.Visible()) << "no scheduler, no days";
  EXPECT_FALSE(editor.optRepeat1.Enabled());
}

TEST_F(ScheduleEditorTest, LateInTheEveningTheProposedHourIsMidnightOfToday) {
  Start();
  AdvanceTo(23, 20, 0);
  frmWizard& editor = Open();
  EXPECT_EQ(editor.dtTime.GetDateTime().time, (TimeOfDay{0, 0, 0}));
  EXPECT_EQ(editor.dtDate.GetDateTime().date, clock.Now().date);
}

struct Composition {
  const char* description;
  std::function<void(frmWizard&)> fill;
  ScheduleRecord expected;
};

void PrintTo(const Composition& c, std::ostream* out) { *out << c.description; }

ScheduleRecord Expect(int mode, bool repeat, std::string period, bool enabled = true) {
  ScheduleRecord record;
  record.name = "Evening";
  record.ItemType = "Reboot";
  record.Enabled = enabled;
  if (!enabled) return record;
  record.StartDate = "12/8/2026";
  record.StartTime = "11:00:00";
  record.Repeat = repeat;
  record.SAccurancy = static_cast<std::int16_t>(mode);
  record.Period = std::move(period);
  return record;
}

class Compositions : public ScheduleEditorTest, public testing::WithParamInterface<Composition> {};

TEST_P(Compositions, WriteTheRecordTheControlsShow) {
  Start();
  frmWizard& editor = Open();
  editor.txtName.UserType("Evening");
  editor.cbShutdown.UserPick(1);  // Reboot
  GetParam().fill(editor);
  editor.cmdOK.UserClick();
  EXPECT_EQ(Written("Evening"), ComposeScheduleFile(GetParam().expected));
  EXPECT_FALSE(editor.Loaded()) << "saved and closed";
  ASSERT_EQ(Main().lstSchedules.ListItemCount(), 1) << "the list was reloaded";
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Compositions,
    testing::Values(Composition{"no scheduler: no start and no repetition, whatever else shows",
                                [](frmWizard& e) { e.optRepeat2.SetValue(1); }, Expect(0, false, "", false)},
                    Composition{"a start without repetition", [](frmWizard& e) { e.chkScheduler.UserClick(); },
                                Expect(0, false, "")},
                    Composition{"daily: no period",
                                [](frmWizard& e) {
                                  e.chkScheduler.UserClick();
                                  e.chkRepeat.UserClick();
                                },
                                Expect(0, true, "")},
                    Composition{"weekly in node order, not click order",
                                [](frmWizard& e) {
                                  e.chkScheduler.UserClick();
                                  e.chkRepeat.UserClick();
                                  e.optRepeat1.UserClick();
                                  Check(e.tvScheduleWeek, {7, 1, 3});
                                },
                                Expect(1, true, "mon,wed,sun")},
                    Composition{"monthly on the 31st, and a label click toggles",
                                [](frmWizard& e) {
                                  e.chkScheduler.UserClick();
                                  e.chkRepeat.UserClick();
                                  e.optRepeat2.UserClick();
                                  e.tvScheduleMonth.UserClickNode(31);
                                  e.tvScheduleMonth.UserClickNode(15);
                                  e.tvScheduleMonth.UserClickNode(15);
                                },
                                Expect(2, true, "31")}));

struct Refusal {
  const char* description;
  std::string name;
  bool weeklyWithoutDays;
  const char* message;
};

void PrintTo(const Refusal& r, std::ostream* out) { *out << r.description; }

class Refusals : public ScheduleEditorTest, public testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, KeepTheEditorOpenAndWriteNothing) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "23:00:00", true, 0);
  const std::string stored = folder.Read("data/Nightly.sch");
  Start();
  frmWizard& editor = Open();
  editor.txtName.UserType(GetParam().name);
  if (GetParam().weeklyWithoutDays) {
    editor.chkScheduler.UserClick();
    editor.chkRepeat.UserClick();
    editor.optRepeat1.UserClick();
  }
  editor.cmdOK.UserClick();
  ASSERT_EQ(runtime.messages.shown().size(), 1U);
  EXPECT_EQ(runtime.messages.shown()[0].text, GetParam().message);
  EXPECT_TRUE(editor.Loaded());
  EXPECT_EQ(editor.txtName.Text(), GetParam().name) << "what the user entered stays";
  EXPECT_EQ(folder.Read("data/Nightly.sch"), stored) << "the stored schedule is untouched";
  EXPECT_EQ(FilesInData(), 2) << "nothing new written (the folder's marker and Nightly)";
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Refusals,
    testing::Values(Refusal{"a name taken in another letter case", "NIGHTLY", false,
                            "Error: An item with that name already exists.  Please choose a different name"},
                    Refusal{"no name", "", false, "Error: You must choose a name for this schedule"},
                    Refusal{"weekly without a day", "Weekly", true, "Error: Choose at least one day for this schedule"},
                    Refusal{"a name typed in lower case", "nightly", false,
                            "Error: An item with that name already exists.  Please choose a different name"},
                    Refusal{"a name the file system refuses", "a/b", false, "Error 52 - Bad file name or number"},
                    Refusal{"a port name with a superscript digit", "COM\u00B9", false,
                            "Error 52 - Bad file name or number"},
                    Refusal{"a name too long for a file", std::string(252, 'n'), false,
                            "Error: This name is too long for a schedule.  Please choose a name of at most 251 "
                            "characters"}));

// The schedule files are read on a thread at the start; a name check made before they are
// listed waits for them instead of missing a name.
TEST_F(ScheduleEditorTest, ANewNameIsCheckedAgainstFilesStillBeingReadAtTheStart) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "23:00:00", true, 0);
  app = std::make_unique<Application>(services);
  app->Start();
  runtime.Advance(frmSplash::kSplashMilliseconds);  // the rows may not be listed yet
  frmWizard& editor = Open();
  editor.txtName.UserType("nightly");
  editor.cmdOK.UserClick();
  ASSERT_EQ(runtime.messages.shown().size(), 1U);
  EXPECT_EQ(runtime.messages.shown()[0].text,
            "Error: An item with that name already exists.  Please choose a different name");
  EXPECT_EQ(Main().lstSchedules.ListItemCount(), 1);
}

TEST_F(ScheduleEditorTest, TheRepeatOptionsFollowRunScheduleAndDailyShowsNoDays) {
  Start();
  frmWizard& editor = Open();
  editor.chkScheduler.UserClick();
  EXPECT_FALSE(editor.optRepeat1.Enabled()) << "until Run Schedule is checked";
  editor.chkRepeat.UserClick();
  EXPECT_TRUE(editor.optRepeat0.Enabled() && editor.optRepeat1.Enabled() && editor.optRepeat2.Enabled());
  editor.optRepeat2.UserClick();
  EXPECT_TRUE(editor.tvScheduleMonth.Visible());
  editor.optRepeat0.UserClick();
  EXPECT_FALSE(editor.tvScheduleMonth.Visible() || editor.tvScheduleWeek.Visible()) << "Daily shows no days";
  editor.chkRepeat.UserClick();
  EXPECT_FALSE(editor.optRepeat0.Enabled() || editor.optRepeat1.Enabled() || editor.optRepeat2.Enabled());
}

TEST_F(ScheduleEditorTest, EditShowsDay31AndNewWhileOpenKeepsTheEditMode) {
  WriteSchedule("Month end", "Reboot", "12/1/2026", "23:00:00", true, 2, "31");
  Start();
  Main().lstSchedules.UserSelectItem(1);
  frmWizard& editor = Open(true);
  EXPECT_TRUE(editor.tvScheduleMonth.GetNode(31).checked);
  EXPECT_TRUE(editor.tvScheduleMonth.Visible());
  Open(false);  // New while the editor is open only brings it forward
  EXPECT_TRUE(Main().Context().EditMode);
  editor.cmdOK.UserClick();
  EXPECT_TRUE(runtime.messages.shown().empty()) << "still an edit: its own name is no duplicate";
  EXPECT_NE(Written("Month end").find("Period=31\r\n"), std::string::npos);
}

TEST_F(ScheduleEditorTest, EditShowsTheStoredScheduleAndSavesUnderItsName) {
  WriteSchedule("Weekdays", "Log Off", "12/1/2026", "07:05:00", true, 1, "mon,fri,Mon");
  Start();
  Main().lstSchedules.UserSelectItem(1);
  frmWizard& editor = Open(true);
  EXPECT_FALSE(editor.txtName.Enabled());
  EXPECT_EQ(editor.txtName.Text(), "Weekdays");
  EXPECT_EQ(editor.cbShutdown.Text(), "Log Off");
  EXPECT_EQ(editor.chkScheduler.Value(), 1);
  EXPECT_EQ(editor.chkRepeat.Value(), 1);
  EXPECT_EQ(editor.optRepeat1.Value(), 1);
  EXPECT_TRUE(editor.tvScheduleWeek.Visible());
  EXPECT_EQ(editor.dtTime.GetDateTime().time, (TimeOfDay{7, 5, 0}));
  std::vector<bool> checked;
  for (const auto& node : editor.tvScheduleWeek.Nodes()) checked.push_back(node.checked);
  EXPECT_EQ(checked, (std::vector<bool>{true, false, false, false, true, false, false})) << "\"Mon\" is no code";

  Open(true);  // Edit again: only brought to the front
  EXPECT_EQ(Main().ScheduleEditor(), &editor);
  EXPECT_EQ(runtime.broughtToFront.back(), "Schedule Configuration");
  editor.cmdOK.UserClick();
  EXPECT_TRUE(runtime.messages.shown().empty()) << "its own name is no duplicate";
  EXPECT_NE(Written("Weekdays").find("Period=mon,fri\r\n"), std::string::npos);
  EXPECT_NE(Written("Weekdays").find("StartDate=12/1/2026\r\n"), std::string::npos);
}

TEST_F(ScheduleEditorTest, EditOfADisabledOrUnreadableScheduleShowsTodayAndNeverFails) {
  ScheduleRecord disabled;
  disabled.name = "Off";
  disabled.ItemType = "Reboot";
  folder.Write("data/Off.sch", ComposeScheduleFile(disabled));
  WriteSchedule("Odd", "Reboot", "the 3rd of May", "late", true, 2, "x,40,3");
  Start();
  AdvanceTo(10, 30, 0);
  Main().lstSchedules.UserSelectItem(1);  // "Odd": the files list in name order
  frmWizard& odd = Open(true);
  EXPECT_EQ(odd.dtDate.GetDateTime().date, clock.Now().date);
  EXPECT_EQ(odd.dtTime.GetDateTime().time, (TimeOfDay{11, 0, 0}));
  EXPECT_TRUE(odd.tvScheduleMonth.GetNode(3).checked);
  odd.cmdCancel.UserClick();
  EXPECT_FALSE(odd.Loaded());

  Main().lstSchedules.UserSelectItem(2);  // "Off"
  frmWizard& off = Open(true);
  EXPECT_EQ(off.chkScheduler.Value(), 0);
  EXPECT_EQ(off.dtTime.GetDateTime().time, (TimeOfDay{10, 0, 0})) << "the current hour on the hour";
}

// The editor in the shipped languages, and its keys in the template the program writes.
TEST_F(ScheduleEditorTest, SpeaksEveryShippedLanguageAndItsKeysAreInTheTemplate) {
  std::ifstream shippedFile(std::filesystem::path(test::TestProgramFolder()) / "Localization.xml", std::ios::binary);
  std::stringstream shipped;
  shipped << shippedFile.rdbuf();
  folder.Write("Localization.xml", shipped.str());
  registry.Put(platform::RegistryRoot::CurrentUser, test::kUserSettings, "Language", platform::kRegistryString,
               "Deutsch");
  Start();
  frmWizard& editor = Open();
  EXPECT_EQ(editor.chkScheduler.Caption(), "Zeitplan aktivieren");
  EXPECT_EQ(editor.tvScheduleWeek.GetNode(1).text, "Montag");
  EXPECT_EQ(editor.tvScheduleMonth.GetNode(31).text, "31") << "day labels are never translated";

  Main().Context().Languages().makeLocalizationFile();
  const std::string written = folder.Read("Localization.txt");
  int keys = 0;
  for (const ui::Control* control : editor.Controls()) {
    const std::string type(control->TypeName());
    if (type != "SkinLabel" && type != "Frame" && type != "CheckBox" && type != "OptionButton" &&
        type != "CommandButton")
      continue;
    if (control->Caption().empty()) continue;  // the frame around the repetition has none
    std::string key = "FRMWIZARD_" + control->Name() + (control->Index() ? std::to_string(*control->Index()) : "");
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_NE(written.find("<" + key + ">"), std::string::npos) << key << " in the template";
    EXPECT_NE(shipped.str().find("<" + key + ">"), std::string::npos) << key << " in the shipped file";
    ++keys;
  }
  EXPECT_EQ(keys, 11);
}

TEST_F(ScheduleEditorTest, TheMainWindowsUnloadClosesTheEditor) {
  Start();
  frmWizard& editor = Open();
  Main().mnuFileItem6.UserClick();
  EXPECT_FALSE(editor.Loaded());
  EXPECT_TRUE(runtime.LoadedForms().empty());
}

}  // namespace
}  // namespace curfew
