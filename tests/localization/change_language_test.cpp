#include <gtest/gtest.h>

#include "localization/cls_languages.h"
#include "platform/headless/headless_runtime.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "support/sample_form.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

const ProductIdentity kIdentity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};

std::string Group(const std::string& name, const std::vector<std::string>& items) {
  std::string text =
      "<LANGUAGE_GROUP xml:lang=\"xx\">\r\n\t<LANGUAGE_NAME>" + name + "</LANGUAGE_NAME>\r\n\t<TRANSLATION_ITEMS>\r\n";
  for (const std::string& item : items) text += "\t\t" + item + "\r\n";
  return text + "\t</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n";
}

const std::string kFile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<XML_DIZ_INFO>\r\n" +
    Group("English", {"<FRMSAMPLE_CMDGO>Go</FRMSAMPLE_CMDGO>", "<MSG_DELETE>Delete it?</MSG_DELETE>",
                      "<MSG_SURE>Sure?</MSG_SURE>"}) +
    Group(
        "Deutsch",
        {"<FRMSAMPLE_CMDGO>Los</FRMSAMPLE_CMDGO>", "<FRMSAMPLE_LBLHINT></FRMSAMPLE_LBLHINT>",
         "<FRMSAMPLE_LABEL1>Vorübergehender Zeitplan:</FRMSAMPLE_LABEL1>",
         "<FRMSAMPLE_FROPTIONS>Optionen</FRMSAMPLE_FROPTIONS>",
         "<FRMSAMPLE_CHKPREVENT>Keine Zeitpläne ausführen</FRMSAMPLE_CHKPREVENT>",
         "<FRMSAMPLE_OPTMODE0>Täglich</FRMSAMPLE_OPTMODE0>", "<FRMSAMPLE_OPTMODE2>Monatlich</FRMSAMPLE_OPTMODE2>",
         "<FRMSAMPLE_TABPAGES_TABS1>Allgemein</FRMSAMPLE_TABPAGES_TABS1>",
         "<FRMSAMPLE_TABPAGES_TABS3>Erweitert</FRMSAMPLE_TABPAGES_TABS3>",
         "<FRMSAMPLE_LSTSCHEDULES_COL1>Name</FRMSAMPLE_LSTSCHEDULES_COL1>",
         "<FRMSAMPLE_LSTSCHEDULES_COL3>Nächster Lauf</FRMSAMPLE_LSTSCHEDULES_COL3>",
         "<FRMSAMPLE_MNUFILE0>&Datei</FRMSAMPLE_MNUFILE0>", "<FRMSAMPLE_MNUFILEITEM6>&Beenden</FRMSAMPLE_MNUFILEITEM6>",
         "<FRMSAMPLE_MNUTRAY0>Symbol</FRMSAMPLE_MNUTRAY0>", "<FRMSAMPLE_TXTNAME>not a caption</FRMSAMPLE_TXTNAME>",
         "<MSG_DELETE>Ausgewählten Eintrag löschen?</MSG_DELETE>"}) +
    Group("OneLine", {}) + "</XML_DIZ_INFO>\r\n";

class ChangeLanguageTest : public testing::Test {
 protected:
  ChangeLanguageTest() {
    folder_.Write("Localization.xml", kFile);
    languages_.RegisterDefaultMessages();
  }

  test::TempFolder folder_;
  platform::HostFileSystem files_{folder_.path()};
  platform::PatternLocale locale_;
  ui::HeadlessRuntime runtime_;
  clsLanguages languages_{{files_, locale_, kIdentity, runtime_}};
  test::frmSample form_{runtime_};
};

TEST_F(ChangeLanguageTest, TranslatesEveryKindByItsKey) {
  languages_.ChangeLanguage(form_, "Deutsch");
  EXPECT_EQ(form_.cmdGo.Caption(), "Los");
  EXPECT_EQ(form_.Label1.Caption(), "Vorübergehender Zeitplan:");
  EXPECT_EQ(form_.frOptions.Caption(), "Optionen");
  EXPECT_EQ(form_.chkPrevent.Caption(), "Keine Zeitpläne ausführen");
  EXPECT_EQ(form_.optMode0.Caption(), "Täglich");
  EXPECT_EQ(form_.optMode1.Caption(), "Weekly") << "no item: the design-time caption stays";
  EXPECT_EQ(form_.optMode2.Caption(), "Monatlich");
  EXPECT_EQ(form_.mnuFile.Caption(), "&Datei") << "a menu outside an array is keyed with 0";
  EXPECT_EQ(form_.mnuFileItem6.Caption(), "&Beenden");
  EXPECT_EQ(form_.mnuTray.Caption(), "Symbol");
  EXPECT_EQ(form_.txtName.Caption(), "") << "text boxes are left alone";
  EXPECT_EQ(form_.Caption(), "Sample") << "the window title is left alone";
}

TEST_F(ChangeLanguageTest, TabsAndColumnsWithoutItemsKeepTheirTexts) {
  languages_.ChangeLanguage(form_, "Deutsch");
  EXPECT_EQ(form_.tabPages.TabCaption(1), "Allgemein");
  EXPECT_EQ(form_.tabPages.TabCaption(2), "Schedule");
  EXPECT_EQ(form_.tabPages.TabCaption(3), "Erweitert");
  EXPECT_EQ(form_.lstSchedules.ColumnHeaderText(1), "Name");
  EXPECT_EQ(form_.lstSchedules.ColumnHeaderText(2), "Type");
  EXPECT_EQ(form_.lstSchedules.ColumnHeaderText(3), "Nächster Lauf");
}

TEST_F(ChangeLanguageTest, AnEmptyItemDoesNotBlankTheControl) {
  languages_.ChangeLanguage(form_, "Deutsch");
  EXPECT_EQ(form_.lblHint.Caption(), "Pick an action");
}

TEST_F(ChangeLanguageTest, MessagesTakeTheNewTextOrKeepThePreviousOne) {
  languages_.ChangeLanguage(form_, "English");
  EXPECT_EQ(languages_.getMessages("MSG_SURE"), "Sure?");
  languages_.ChangeLanguage(form_, "Deutsch");
  EXPECT_EQ(languages_.getMessages("MSG_DELETE"), "Ausgewählten Eintrag löschen?");
  EXPECT_EQ(languages_.getMessages("MSG_SURE"), "Sure?") << "the previous language's text, not the default";
  EXPECT_EQ(languages_.getMessages("MSG_NONAME"), "Error: You must choose a name for this schedule");
}

TEST_F(ChangeLanguageTest, AWindowWithoutTranslatableControlsStillUpdatesTheCatalogue) {
  class frmEmpty final : public ui::Form {
   public:
    using ui::Form::Form;
  } empty(runtime_, "frmEmpty");
  languages_.ChangeLanguage(empty, "Deutsch");
  EXPECT_EQ(languages_.getMessages("MSG_DELETE"), "Ausgewählten Eintrag löschen?");
}

TEST_F(ChangeLanguageTest, AMissingLanguageFallsBackToEnglishOnTheFirstCallOnly) {
  languages_.ChangeLanguage(form_, "Klingon");
  EXPECT_EQ(languages_.strCurrentLanguage(), "English");
  EXPECT_EQ(languages_.getMessages("MSG_DELETE"), "Delete it?");

  languages_.ChangeLanguage(form_, "Deutsch");
  languages_.ChangeLanguage(form_, "Klingon");
  EXPECT_EQ(languages_.strCurrentLanguage(), "Klingon");
  EXPECT_EQ(form_.cmdGo.Caption(), "Los") << "the language loaded last stays in effect";
}

TEST_F(ChangeLanguageTest, AGroupOfOneLineFallsBackToEnglish) {
  folder_.Write("Localization.xml",
                Group("English", {"<FRMSAMPLE_CMDGO>Go!</FRMSAMPLE_CMDGO>"}) +
                    "<LANGUAGE_GROUP><LANGUAGE_NAME>Flat</LANGUAGE_NAME><TRANSLATION_ITEMS><FRMSAMPLE_CMDGO>Flach"
                    "</FRMSAMPLE_CMDGO></TRANSLATION_ITEMS></LANGUAGE_GROUP>");
  languages_.ChangeLanguage(form_, "Flat");
  EXPECT_EQ(form_.cmdGo.Caption(), "Go!");
  EXPECT_EQ(languages_.strCurrentLanguage(), "English");
}

TEST_F(ChangeLanguageTest, AnEmptyGroupIsAnEmptyListWithoutFallback) {
  folder_.Write("Localization.xml",
                Group("English", {"<FRMSAMPLE_CMDGO>Go!</FRMSAMPLE_CMDGO>"}) +
                    "<LANGUAGE_GROUP><LANGUAGE_NAME>Blank</LANGUAGE_NAME><TRANSLATION_ITEMS></TRANSLATION_ITEMS>"
                    "</LANGUAGE_GROUP>");
  const std::string designed = form_.cmdGo.Caption();
  languages_.ChangeLanguage(form_, "Blank");
  EXPECT_TRUE(languages_.TranslationLines().empty());
  EXPECT_EQ(form_.cmdGo.Caption(), designed);
  EXPECT_EQ(languages_.strCurrentLanguage(), "Blank");
}

TEST_F(ChangeLanguageTest, TheTemplateHoldsEveryLoadedWindowAndMessage) {
  form_.Load();
  languages_.ChangeLanguage(form_, "Deutsch");
  bool editorLoaded = false;
  languages_.makeLocalizationFile([&] { editorLoaded = true; });
  languages_.makeLocalizationFile();
  EXPECT_TRUE(editorLoaded);
  const std::string text = folder_.Read("Localization.txt");
  EXPECT_TRUE(
      text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<XML_DIZ_INFO>\r\n"
                       "\t<LOCALIZATION_FILE_INFO>\r\n"
                       "\t\t<LOCALIZATION_FILE_VERSION>1.0</LOCALIZATION_FILE_VERSION>\r\n"
                       "\t</LOCALIZATION_FILE_INFO>\r\n<LANGUAGE_GROUP xml:lang=\"en\">\r\n"
                       "\t<LANGUAGE_NAME>English</LANGUAGE_NAME>\r\n\t<DESCRIPTION>This file contains"));
  EXPECT_NE(text.find("'Check for Language Updates' button in the Languages window.</DESCRIPTION>\r\n"
                      "\t<TRANSLATION_ITEMS>\r\n\t\t<FRMSAMPLE_CMDGO>Los</FRMSAMPLE_CMDGO>\r\n"
                      "\t\t<FRMSAMPLE_LBLHINT>Pick an action</FRMSAMPLE_LBLHINT>\r\n"),
            std::string::npos);
  for (const char* item : {"\t\t<FRMSAMPLE_OPTMODE1>Weekly</FRMSAMPLE_OPTMODE1>\r\n",
                           "\t\t<FRMSAMPLE_TABPAGES_TABS2>Schedule</FRMSAMPLE_TABPAGES_TABS2>\r\n",
                           "\t\t<FRMSAMPLE_LSTSCHEDULES_COL3>Nächster Lauf</FRMSAMPLE_LSTSCHEDULES_COL3>\r\n",
                           "\t\t<FRMSAMPLE_MNUFILEITEM6>&Beenden</FRMSAMPLE_MNUFILEITEM6>\r\n",
                           "\t\t<FRMSAMPLE_MNUTRAY0>Symbol</FRMSAMPLE_MNUTRAY0>\r\n",
                           "\t\t<MSG_TITLE>[ProgramName] by [CompanyName]</MSG_TITLE>\r\n"}) {
    EXPECT_NE(text.find(item), std::string::npos) << item;
  }
  EXPECT_EQ(text.find("TXTNAME"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\t</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n</XML_DIZ_INFO>\r\n"));
  EXPECT_EQ(text.find("\xEF\xBB\xBF"), std::string::npos) << "no byte order mark";
}

TEST_F(ChangeLanguageTest, ASecondTemplateReplacesTheFirstWhole) {
  form_.Load();
  languages_.ChangeLanguage(form_, "Deutsch");
  languages_.makeLocalizationFile();
  form_.cmdGo.SetCaption("Start");
  languages_.makeLocalizationFile();
  const std::string text = folder_.Read("Localization.txt");
  EXPECT_NE(text.find("<FRMSAMPLE_CMDGO>Start</FRMSAMPLE_CMDGO>"), std::string::npos);
  EXPECT_EQ(text.find("<FRMSAMPLE_CMDGO>Los</FRMSAMPLE_CMDGO>"), std::string::npos);
  EXPECT_EQ(text.find("<?xml", 1), std::string::npos) << "nothing of the first run is left";
}

TEST(HeadlessLocale, FoldsLatinGreekAndCyrillicLetters) {
  const platform::PatternLocale locale;
  EXPECT_EQ(locale.ToUpper("über"), "ÜBER");
  EXPECT_TRUE(locale.EqualIgnoringCase("FRANÇAIS", "français"));
  EXPECT_TRUE(locale.EqualIgnoringCase("ΕΛΛΗΝΙΚΆ", "ελληνικά"));
  EXPECT_TRUE(locale.EqualIgnoringCase("РУССКИЙ", "русский"));
  EXPECT_TRUE(locale.EqualIgnoringCase("ŁÓDŹ", "łódź"));
  EXPECT_FALSE(locale.EqualIgnoringCase("Deutsch", "Dutch"));
  EXPECT_EQ(locale.ToUpper("ÿ ς ё"), "Ÿ Σ Ё");
}

}  // namespace
}  // namespace curfew
