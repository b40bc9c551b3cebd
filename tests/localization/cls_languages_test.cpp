#include "localization/cls_languages.h"

#include <gtest/gtest.h>

#include "localization/default_messages.h"
#include "platform/headless/headless_runtime.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "support/sample_form.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

const ProductIdentity kIdentity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};

// A language file with the given groups; each group is a name and its item lines.
std::string LanguageFile(const std::vector<std::pair<std::string, std::vector<std::string>>>& groups,
                         std::string_view lineEnd = "\r\n") {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + std::string(lineEnd) + "<XML_DIZ_INFO>";
  text += lineEnd;
  for (const auto& [name, items] : groups) {
    text += "<LANGUAGE_GROUP xml:lang=\"xx\">" + std::string(lineEnd);
    text += "\t<LANGUAGE_NAME>" + name + "</LANGUAGE_NAME>" + std::string(lineEnd);
    text += "\t<TRANSLATION_ITEMS>" + std::string(lineEnd);
    for (const std::string& item : items) text += "\t\t" + item + std::string(lineEnd);
    text += "\t</TRANSLATION_ITEMS>" + std::string(lineEnd) + "</LANGUAGE_GROUP>" + std::string(lineEnd);
  }
  return text + "</XML_DIZ_INFO>" + std::string(lineEnd);
}

class LanguagesTest : public testing::Test {
 protected:
  void WriteLanguageFile(const std::string& text) const { folder_.Write("Localization.xml", text); }

  test::TempFolder folder_;
  platform::HostFileSystem files_{folder_.path()};
  platform::PatternLocale locale_;
  ui::HeadlessRuntime runtime_;
  clsLanguages languages_{{files_, locale_, kIdentity, runtime_}};
};

// Message catalogue ----------------------------------------------------------------------

TEST_F(LanguagesTest, DefaultMessagesAreRegisteredInOrder) {
  languages_.RegisterDefaultMessages();
  const auto& slots = languages_.MessageCatalogue();
  EXPECT_EQ(slots[0].Name, "MSG_NEWNAME");
  EXPECT_EQ(slots[0].Message, "Error: An item with that name already exists.  Please choose a different name");
  EXPECT_EQ(slots[17].Name, "MSG_DOWNLOADED");
  EXPECT_EQ(slots[18].Name, "MSG_NODAYS");
  EXPECT_EQ(slots[19].Name, "MSG_BADSETTING");
  EXPECT_EQ(slots[23].Name, "MSG_CANCELUPDATE");
  EXPECT_TRUE(slots[23].InUse);
  EXPECT_EQ(slots[24].Name, "MSG_NEXTACTION");
  EXPECT_EQ(slots[38].Name, "MSG_TIPAWAKE");
  EXPECT_EQ(slots[41].Name, "MSG_WAKETIMERSOFF");
  EXPECT_EQ(slots[42].Name, "MSG_TITLEHISTORY");
  EXPECT_FALSE(slots[kDefaultMessages.size()].InUse);
  EXPECT_EQ(languages_.getMessages("msg_title"), "Curfew by Curfew Team");
  EXPECT_EQ(languages_.getMessages("MSG_TITLEABOUT"), "About Curfew");
  EXPECT_EQ(languages_.getMessages("MSG_UNKNOWN"), "");
}

TEST_F(LanguagesTest, FirstLetterIsUpperCasedAndPlaceholdersIgnoreCase) {
  languages_.setMessage("MSG_A", "über [programname] at [WEBSITE], [CompanyName]");
  languages_.setMessage("MSG_B", "ελληνικά");
  languages_.setMessage("MSG_C", "");
  EXPECT_EQ(languages_.getMessages("MSG_A"), "Über Curfew at curfew.example.org, Curfew Team");
  EXPECT_EQ(languages_.getMessages("MSG_B"), "Ελληνικά");
  EXPECT_EQ(languages_.getMessages("MSG_C"), "");
}

TEST_F(LanguagesTest, APlaceholderInAValueIsExpandedByALaterPass) {
  const ProductIdentity identity{"[Website] Tool", "Team", "tool.example.org", 0, true};
  clsLanguages languages({files_, locale_, identity, runtime_});
  EXPECT_EQ(languages.ExpandPlaceholders("[ProgramName]"), "tool.example.org Tool");
  EXPECT_EQ(languages.ExpandPlaceholders("[Website] [CompanyName]"), "tool.example.org Team");
}

TEST_F(LanguagesTest, TheCatalogueHoldsTwoHundredAndOneSlots) {
  for (int i = 0; i < 202; ++i) languages_.setMessage("MSG_" + std::to_string(i), "text " + std::to_string(i));
  const auto& slots = languages_.MessageCatalogue();
  EXPECT_EQ(slots[200].Name, "MSG_200");
  EXPECT_EQ(languages_.getMessages("MSG_200"), "Text 200");
  EXPECT_EQ(languages_.getMessages("MSG_201"), "") << "the 202nd registration is dropped";
}

TEST_F(LanguagesTest, ATwiceRegisteredIdAnswersWithTheFirstAndIsTranslatedInBoth) {
  languages_.setMessage("MSG_X", "first");
  languages_.setMessage("msg_x", "second");
  EXPECT_EQ(languages_.getMessages("MSG_X"), "First");
  WriteLanguageFile(LanguageFile({{"English", {"<MSG_X>translated</MSG_X>", "<FILLER>x</FILLER>"}}}));
  test::frmSample form(runtime_);
  languages_.ChangeLanguage(form, "English");
  EXPECT_EQ(languages_.MessageCatalogue()[0].Message, "Translated");
  EXPECT_EQ(languages_.MessageCatalogue()[1].Message, "Translated");
}

// Reading the language file --------------------------------------------------------------

TEST_F(LanguagesTest, NoLanguageFileLeavesEverythingAsItIs) {
  languages_.RegisterDefaultMessages();
  test::frmSample form(runtime_);
  languages_.ChangeLanguage(form, "Deutsch");
  EXPECT_EQ(form.cmdGo.Caption(), "Go");
  EXPECT_EQ(languages_.getMessages("MSG_DELETE"), "Are you sure you want to delete the selected item?");
  EXPECT_EQ(languages_.strCurrentLanguage(), "English");
  EXPECT_EQ(languages_.GetTranslation("FRMSAMPLE_CMDGO"), "");
}

TEST_F(LanguagesTest, AGroupIsFoundByItsNameInAnyCase) {
  WriteLanguageFile(LanguageFile({{"English", {"<FRMSAMPLE_CMDGO>Go</FRMSAMPLE_CMDGO>"}},
                                  {"Deutsch", {"<FRMSAMPLE_CMDGO>Los</FRMSAMPLE_CMDGO>"}}}));
  languages_.LoadLanguageGroup("deutsch");
  EXPECT_EQ(languages_.GetTranslation("FRMSAMPLE_CMDGO"), "Los");
  EXPECT_EQ(languages_.strCurrentLanguage(), "deutsch");
}

struct ItemCase {
  const char* description;
  const char* line;
  const char* key;
  const char* expected;
};

void PrintTo(const ItemCase& c, std::ostream* out) { *out << c.description; }

class TranslationItems : public LanguagesTest, public testing::WithParamInterface<ItemCase> {};

TEST_P(TranslationItems, AnswerWithTheItemText) {
  WriteLanguageFile(LanguageFile({{"English", {"<FILLER>x</FILLER>", GetParam().line}}}));
  languages_.LoadLanguageGroup("English");
  EXPECT_EQ(languages_.GetTranslation(GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TranslationItems,
    testing::Values(ItemCase{"mixed-case tags", "<frmmain_cmdgo>Go</FRMMAIN_CMDGO>", "FRMMAIN_CMDGO", "Go"},
                    ItemCase{"key in any case", "<FRMMAIN_CMDGO>Go</FRMMAIN_CMDGO>", "frmMain_cmdGo", "Go"},
                    ItemCase{"> inside the text", "<MSG_A>a > b</MSG_A>", "MSG_A", "A > b"},
                    ItemCase{"placeholder", "<MSG_A>[ProgramName] runs</MSG_A>", "MSG_A", "Curfew runs"},
                    ItemCase{"first letter upper-cased", "<MSG_A>schließen</MSG_A>", "MSG_A", "Schließen"},
                    ItemCase{"no closing tag", "<MSG_A>text", "MSG_A", ""},
                    ItemCase{"empty text", "<MSG_A></MSG_A>", "MSG_A", ""},
                    ItemCase{"ampersand kept", "<MSG_A>&Datei</MSG_A>", "MSG_A", "&Datei"},
                    ItemCase{"other key", "<MSG_B>b</MSG_B>", "MSG_A", ""},
                    ItemCase{"Cyrillic text", "<MSG_A>выход</MSG_A>", "MSG_A", "Выход"}));

TEST_F(LanguagesTest, TheFirstLineOfAKeyWins) {
  WriteLanguageFile(LanguageFile({{"English", {"<MSG_A>no closing", "<MSG_A>second</MSG_A>"}}}));
  languages_.LoadLanguageGroup("English");
  EXPECT_EQ(languages_.GetTranslation("MSG_A"), "");
}

TEST_F(LanguagesTest, LineFeedOnlyFilesHoldOneItemLinePerGroup) {
  WriteLanguageFile(LanguageFile({{"English", {"<MSG_A>a</MSG_A>", "<MSG_B>b</MSG_B>"}}}, "\n"));
  languages_.LoadLanguageGroup("English");
  EXPECT_EQ(languages_.TranslationLines().size(), 1U);
  EXPECT_EQ(languages_.GetTranslation("MSG_A"), "A");
  EXPECT_EQ(languages_.GetTranslation("MSG_B"), "");
}

TEST_F(LanguagesTest, ByteOrderMarkAndInvalidBytesAreRead) {
  WriteLanguageFile("\xEF\xBB\xBF" + LanguageFile({{"English", {"<MSG_A>caf\xE9 \xFF ok</MSG_A>"}}}));
  languages_.LoadLanguageGroup("English");
  EXPECT_EQ(languages_.GetTranslation("MSG_A"), "Caf\xEF\xBF\xBD \xEF\xBF\xBD ok");
}

struct BrokenFileCase {
  const char* description;
  std::string text;
};

void PrintTo(const BrokenFileCase& c, std::ostream* out) { *out << c.description; }

class BrokenLanguageFile : public LanguagesTest, public testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenLanguageFile, KeepsThePreviousTexts) {
  WriteLanguageFile(LanguageFile({{"English", {"<MSG_A>before</MSG_A>", "<MSG_B>b</MSG_B>"}}}));
  languages_.LoadLanguageGroup("English");
  WriteLanguageFile(GetParam().text);
  languages_.LoadLanguageGroup("Deutsch");
  EXPECT_EQ(languages_.GetTranslation("MSG_A"), "Before");
  EXPECT_EQ(languages_.strCurrentLanguage(), "Deutsch");
}

const std::string kDeutsch = LanguageFile({{"Deutsch", {"<MSG_A>danach</MSG_A>", "<MSG_B>b</MSG_B>"}}});

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenLanguageFile,
    testing::Values(
        BrokenFileCase{"empty", ""},
        BrokenFileCase{"no end marker",
                       "<LANGUAGE_GROUP><LANGUAGE_NAME>Deutsch</LANGUAGE_NAME><TRANSLATION_ITEMS>\r\n<MSG_A>x</MSG_A>"
                       "\r\n</TRANSLATION_ITEMS>"},
        BrokenFileCase{
            "no name tags",
            "<LANGUAGE_GROUP><TRANSLATION_ITEMS>\r\n<MSG_A>x</MSG_A>\r\n</TRANSLATION_ITEMS></LANGUAGE_GROUP>"},
        BrokenFileCase{"no item tags", "<LANGUAGE_GROUP><LANGUAGE_NAME>Deutsch</LANGUAGE_NAME></LANGUAGE_GROUP>"},
        BrokenFileCase{"a broken group before the wanted one",
                       "<LANGUAGE_GROUP><LANGUAGE_NAME>X</LANGUAGE_NAME></LANGUAGE_GROUP>" + kDeutsch},
        BrokenFileCase{"an end marker before any group", "</LANGUAGE_GROUP>" + kDeutsch},
        BrokenFileCase{"the language is not in the file", LanguageFile({{"Français", {"<MSG_A>x</MSG_A>"}}})},
        BrokenFileCase{"binary", std::string("\0\x01\x02<LANGUAGE_GROUP\0\xFF", 14)}));

TEST_F(LanguagesTest, RepeatedMarkersAreReadInOnePass) {
  // 200,000 stray start markers and 20,000 groups before the wanted one: a reader that
  // searched again from the start for every group would not finish within the test's time.
  std::vector<std::pair<std::string, std::vector<std::string>>> groups;
  for (int i = 0; i < 20000; ++i)
    groups.push_back({std::string("L").append(std::to_string(i)), {"<MSG_A>x</MSG_A>", "<B>b</B>"}});
  groups.push_back({"Deutsch", {"<MSG_A>gefunden</MSG_A>", "<B>b</B>"}});
  std::string stray;
  for (int i = 0; i < 200000; ++i) stray += "<LANGUAGE_GROUP";
  WriteLanguageFile(stray + LanguageFile(groups));
  languages_.LoadLanguageGroup("Deutsch");
  EXPECT_EQ(languages_.GetTranslation("MSG_A"), "Gefunden");

  std::string line = "<MSG_B>";
  for (int i = 0; i < 100000; ++i) line += "<MSG_B>";
  WriteLanguageFile(LanguageFile({{"English", {line, "<C>c</C>"}}}));
  languages_.LoadLanguageGroup("English");
  EXPECT_EQ(languages_.GetTranslation("MSG_B"), "") << "no closing tag on the line";
}

TEST_F(LanguagesTest, ASeveralMegabyteGroupIsReadAndLookedUpDirectly) {
  std::vector<std::string> items;
  for (int i = 0; i < 100000; ++i)
    items.push_back("<KEY_" + std::to_string(i) + ">Text " + std::to_string(i) + "</KEY_" + std::to_string(i) + ">");
  WriteLanguageFile(LanguageFile({{"English", items}}));
  languages_.LoadLanguageGroup("English");
  EXPECT_EQ(languages_.GetTranslation("key_99999"), "Text 99999");
  EXPECT_EQ(languages_.GetTranslation("KEY_0"), "Text 0");
}

TEST_F(LanguagesTest, LangTrimPathAndLangFileExists) {
  EXPECT_EQ(clsLanguages::LangTrimPath("C:\\Program Files\\App\\Localization.xml"), "Localization.xml");
  EXPECT_EQ(clsLanguages::LangTrimPath(""), "");
  EXPECT_EQ(clsLanguages::LangTrimPath("a/b"), "a/b");
  EXPECT_FALSE(languages_.LangFileExists(folder_.path() + "\\Localization.xml"));
  WriteLanguageFile("x");
  EXPECT_TRUE(languages_.LangFileExists(folder_.path() + "\\localization.XML"));
  EXPECT_FALSE(languages_.LangFileExists(folder_.path() + "\\*.xml"));
}

}  // namespace
}  // namespace curfew
