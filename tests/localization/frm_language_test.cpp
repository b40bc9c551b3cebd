// The language dialog on the headless back end: the list, the choice, the update from the
// language server and the file opened for translators.
#include "localization/frm_language.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "localization/language_update.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::RegistryRoot;
using test::kUserSettings;
using test::MainWindowTest;

constexpr const char* kAddress = "http://languages.test/Languages/0/Localization.xml";

std::string Group(const std::string& name, const std::string& items) {
  return "<LANGUAGE_GROUP>\r\n\t<LANGUAGE_NAME>" + name + "</LANGUAGE_NAME>\r\n\t<TRANSLATION_ITEMS>\r\n" + items +
         "\t</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n";
}

const std::string kThreeLanguages =
    "<XML_DIZ_INFO>\r\n" + Group("English", "") +
    Group("Deutsch",
          "\t\t<FRMMAIN_CMDNEWSCHEDULE>Neuer Zeitplan</FRMMAIN_CMDNEWSCHEDULE>\r\n"
          "\t\t<FRMLANGUAGE_COMMAND1>Nach neuen Sprachen suchen</FRMLANGUAGE_COMMAND1>\r\n") +
    Group("Français", "") + "</XML_DIZ_INFO>\r\n";

class LanguageDialogTest : public MainWindowTest {
 protected:
  frmLanguage& Open() {
    Main().mnuLanguageItem.UserClick();
    return *Main().LanguageDialog();
  }
  std::vector<std::string> Listed(const frmLanguage& dialog) const {
    std::vector<std::string> names;
    for (int i = 0; i < dialog.Combo1.ListCount(); ++i) names.push_back(dialog.Combo1.List(i));
    return names;
  }
  void SaveLanguage(const char* name) {
    registry.Put(RegistryRoot::CurrentUser, kUserSettings, "Language", platform::kRegistryString, name);
  }
  void Update(frmLanguage& dialog);
};

TEST_F(LanguageDialogTest, ListsEveryLanguageInFileOrderAndShowsTheSavedOne) {
  folder.Write("Localization.xml", kThreeLanguages);
  SaveLanguage("Deutsch");
  Start();
  frmLanguage& dialog = Open();
  EXPECT_EQ(dialog.Caption(), "Language Selection");
  EXPECT_EQ(Listed(dialog), (std::vector<std::string>{"English", "Deutsch", "Français"}));
  EXPECT_EQ(dialog.Combo1.Text(), "Deutsch");
  EXPECT_EQ(dialog.Command1.Caption(), "Nach neuen Sprachen suchen") << "the dialog speaks the saved language";
}

TEST_F(LanguageDialogTest, WithoutASavedLanguageEnglishIsShownAndWithoutAFileThePrompt) {
  folder.Write("Localization.xml", Group("Deutsch", ""));
  registry.Put(RegistryRoot::CurrentUser, kUserSettings, "Language", platform::kRegistryDword, "");
  std::vector<std::string> firstStart;
  runtime.onModal = [&](ui::Form& form) {
    firstStart = Listed(static_cast<frmLanguage&>(form));
    firstStart.push_back(static_cast<frmLanguage&>(form).Combo1.Text());
    form.Unload();
  };
  Start();
  EXPECT_EQ(firstStart, (std::vector<std::string>{"Deutsch", "English"})) << "English although the file lacks it";

  std::filesystem::remove(folder.host() / "Localization.xml");
  frmLanguage& dialog = Open();
  EXPECT_EQ(dialog.Combo1.ListCount(), 0);
  EXPECT_EQ(dialog.Combo1.Text(), "Choose Language Here");
}

TEST_F(LanguageDialogTest, AChoiceIsAppliedAtOnceAndSavedButThePromptNever) {
  folder.Write("Localization.xml", kThreeLanguages);
  Start();
  frmLanguage& dialog = Open();
  dialog.Combo1.UserPick(1);
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kUserSettings, "Language"), "Deutsch");
  EXPECT_EQ(Main().cmdNewSchedule.Caption(), "Neuer Zeitplan");
  EXPECT_EQ(dialog.Command1.Caption(), "Nach neuen Sprachen suchen");
  EXPECT_EQ(Main().Context().Languages().strCurrentLanguage(), "Deutsch");

  dialog.Combo1.SetText(frmLanguage::kChooseLanguageHere);
  dialog.Combo1.UserClick();
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kUserSettings, "Language"), "Deutsch");
}

TEST_F(LanguageDialogTest, TranslateOpensTheFileOnlyWhenItIsThere) {
  Start();
  frmLanguage& dialog = Open();
  dialog.Command3.UserClick();
  EXPECT_TRUE(process.opened.empty());
  folder.Write("Localization.xml", kThreeLanguages);
  dialog.Command3.UserClick();
  ASSERT_EQ(process.opened.size(), 1u);
  EXPECT_EQ(process.opened[0].path, files.ProgramFolder() + "\\Localization.xml");
  EXPECT_EQ(process.opened[0].showMode, 1);
}

// The update ----------------------------------------------------------------------------------

struct UpdateCase {
  const char* name;
  platform::ScriptedInternet::Answer answer;
  bool connects;
  // The new file; empty when the old one must stay as it was.
  std::string stored;
};

const std::string kUpdate = Group("Nederlands", "");

platform::ScriptedInternet::Answer Reply(int status, std::string body, std::optional<std::size_t> breaksAfter = {},
                                         std::optional<std::uint64_t> announced = {}) {
  return {status, std::move(body), breaksAfter, announced};
}

// Clicks the update button and lets the dialog's timer run until the download has ended.
void LanguageDialogTest::Update(frmLanguage& dialog) {
  dialog.Command1.UserClick();
  for (int step = 0; step < 2000 && dialog.UpdateRunning(); ++step) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    runtime.Advance(100);
  }
  ASSERT_FALSE(dialog.UpdateRunning());
}

class LanguageUpdateTest : public LanguageDialogTest, public testing::WithParamInterface<UpdateCase> {};

TEST_P(LanguageUpdateTest, StoresOnlyACompleteLanguageFile) {
  const std::string old = Group("English", "");
  folder.Write("Localization.xml", old);
  if (GetParam().connects) internet.answers[kAddress] = GetParam().answer;
  Start();
  frmLanguage& dialog = Open();
  Update(dialog);
  ASSERT_EQ(internet.requests, (std::vector<std::string>{std::string("Mozilla ") + kAddress}));
  const bool replaced = !GetParam().stored.empty();
  EXPECT_EQ(folder.Read("Localization.xml"), replaced ? GetParam().stored : old);
  EXPECT_FALSE(std::filesystem::exists(folder.host() / "Localization.xml.download"));
  if (replaced) {
    ASSERT_EQ(runtime.messages.shown().size(), 1u);
    EXPECT_EQ(runtime.messages.shown()[0].text,
              "The most recent language file has been downloaded.  Please check for new languages.");
    EXPECT_EQ(Listed(dialog), (std::vector<std::string>{"Nederlands"})) << "the list is filled again";
  } else {
    ASSERT_EQ(runtime.messages.shown().size(), 1u) << "a failed update says so";
    EXPECT_EQ(runtime.messages.shown()[0].text,
              "The language file could not be downloaded.  The languages you have stay as they were.");
  }
}

const std::string kLowerCaseUpdate =
    "<language_group>\r\n<language_name>Nederlands</language_name>\r\n<translation_items>\r\n"
    "</translation_items>\r\n</language_group>\r\n";
const std::string kLong = kUpdate + std::string(700, ' ');
INSTANTIATE_TEST_SUITE_P(
    Answers, LanguageUpdateTest,
    testing::Values(
        UpdateCase{"SmallBody", Reply(200, kUpdate), true, kUpdate + "\r\n"},
        UpdateCase{"SeveralChunks", Reply(200, kLong, std::nullopt, kLong.size()), true, kLong + "\r\n"},
        UpdateCase{"ByteOrderMarkAndBlankLines", Reply(200, "\xEF\xBB\xBF\r\n\r\n" + kUpdate), true, kUpdate + "\r\n"},
        UpdateCase{"MarkersInOtherCase", Reply(200, kLowerCaseUpdate), true, kLowerCaseUpdate + "\r\n"},
        UpdateCase{"NoMarker", Reply(200, "<html>Not here</html>"), true, ""},
        UpdateCase{"NotFound", Reply(404, kUpdate), true, ""},
        UpdateCase{"BrokenMidBody", Reply(200, kLong, 300), true, ""},
        UpdateCase{"ShorterThanAnnounced", Reply(200, kUpdate, std::nullopt, kUpdate.size() + 1), true, ""},
        UpdateCase{"AnnouncedOverTheLimit", Reply(200, kUpdate, std::nullopt, kMaxDownloadBytes + 1), true, ""},
        UpdateCase{"NoConnection", Reply(200, ""), false, ""}, UpdateCase{"ServerError", Reply(503, kUpdate), true, ""},
        UpdateCase{"CutShortWithoutALength", Reply(200, kUpdate.substr(0, kUpdate.size() - 8)), true, ""},
        UpdateCase{"OuterElementNotClosed", Reply(200, "<XML_DIZ_INFO>\r\n" + kUpdate), true, ""},
        UpdateCase{"WholeFile", Reply(200, "<XML_DIZ_INFO>\r\n" + kUpdate + "</XML_DIZ_INFO>"), true,
                   "<XML_DIZ_INFO>\r\n" + kUpdate + "</XML_DIZ_INFO>\r\n"}),
    [](const testing::TestParamInfo<UpdateCase>& param) { return std::string(param.param.name); });

TEST_F(LanguageDialogTest, AFailedWriteKeepsTheOldFile) {
  const std::string old = Group("English", "");
  folder.Write("Localization.xml", old);
  // A folder where the new file would be written first.
  std::filesystem::create_directory(folder.host() / "Localization.xml.download");
  internet.answers[kAddress] = Reply(200, kUpdate);
  Start();
  Update(Open());
  EXPECT_EQ(folder.Read("Localization.xml"), old);
  ASSERT_EQ(runtime.messages.shown().size(), 1u);
}

TEST(DownloadUrlTextTest, ABodyOverTheLimitIsAFailedTransferAndTheLimitLeavesRoomForTheLineEnd) {
  platform::ScriptedInternet internet;
  internet.answers["http://big"] = Reply(200, std::string(kMaxDownloadBytes + 1, 'x'));
  EXPECT_EQ(DownloadUrlText(internet, "http://big", {}), "");
  internet.answers["http://big"].body.resize(kMaxDownloadBytes);
  EXPECT_EQ(DownloadUrlText(internet, "http://big", {}).size(), kMaxDownloadBytes);
}

TEST_F(LanguageDialogTest, AnUpdateOfTheLargestSizeIsStoredAndReadBack) {
  folder.Write("Localization.xml", Group("English", ""));
  std::string largest = kUpdate;
  largest.resize(kMaxDownloadBytes, ' ');
  internet.answers[kAddress] = Reply(200, std::move(largest));
  Start();
  frmLanguage& dialog = Open();
  Update(dialog);
  EXPECT_EQ(Listed(dialog), (std::vector<std::string>{"Nederlands"})) << "the stored file, CR LF and all, is read";
}

TEST_F(LanguageDialogTest, TheUpdateRunsAsideAndCanBeCancelledByItsButtonOrByClosing) {
  const std::string old = Group("English", "");
  folder.Write("Localization.xml", old);
  internet.answers[kAddress] = Reply(200, kUpdate + std::string(600, ' '));
  // Each chunk takes a while: the dialog acts before the body is complete.
  internet.onRead = [] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); };
  Start();
  frmLanguage& dialog = Open();
  dialog.Command1.UserClick();
  EXPECT_TRUE(dialog.UpdateRunning()) << "the click returns at once";
  EXPECT_EQ(dialog.Command1.Caption(), "Cancel the language update");
  dialog.Command1.UserClick();
  EXPECT_FALSE(dialog.UpdateRunning());
  EXPECT_EQ(dialog.Command1.Caption(), "Check for language updates");
  dialog.Command1.UserClick();
  dialog.Command2.UserClick();
  EXPECT_FALSE(dialog.Loaded());
  EXPECT_EQ(folder.Read("Localization.xml"), old);
  EXPECT_TRUE(runtime.messages.shown().empty()) << "a cancelled update says nothing";
}

}  // namespace
}  // namespace curfew
