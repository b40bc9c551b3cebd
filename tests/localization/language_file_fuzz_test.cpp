// Randomised language files: whatever a hand edit or a broken download leaves, reading it and
// looking up keys must neither crash nor hang, and answers stay well-formed text.
#include <gtest/gtest.h>

#include <random>

#include "localization/cls_languages.h"
#include "localization/language_file_format.h"
#include "platform/headless/headless_runtime.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "platform/utf8.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

const std::string kSeedFile =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<XML_DIZ_INFO>\r\n"
    "<LANGUAGE_GROUP xml:lang=\"en\">\r\n\t<LANGUAGE_NAME>English</LANGUAGE_NAME>\r\n\t<TRANSLATION_ITEMS>\r\n"
    "\t\t<FRMMAIN_CMDGO>Go</FRMMAIN_CMDGO>\r\n\t\t<MSG_TITLE>[ProgramName] by [CompanyName]</MSG_TITLE>\r\n"
    "\t</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n"
    "<LANGUAGE_GROUP xml:lang=\"de\">\r\n\t<LANGUAGE_NAME>Deutsch</LANGUAGE_NAME>\r\n\t<TRANSLATION_ITEMS>\r\n"
    "\t\t<FRMMAIN_CMDGO>Los &amp; weg</FRMMAIN_CMDGO>\r\n\t\t<MSG_TITLE>[ProgramName] von [CompanyName]</MSG_TITLE>\r\n"
    "\t</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n</XML_DIZ_INFO>\r\n";

const char* const kFragments[] = {"<LANGUAGE_GROUP",
                                  "</LANGUAGE_GROUP>",
                                  "<LANGUAGE_NAME>",
                                  "</LANGUAGE_NAME>",
                                  "<TRANSLATION_ITEMS>",
                                  "</TRANSLATION_ITEMS>",
                                  "<MSG_TITLE>",
                                  "</MSG_TITLE>",
                                  "\r\n",
                                  "\n",
                                  ">",
                                  "<",
                                  "[ProgramName]",
                                  "\xC3",
                                  "\xFF",
                                  "\xE2\x82",
                                  "Deutsch"};

std::string Mutate(std::string text, std::mt19937& random) {
  const int steps = 1 + static_cast<int>(random() % 6);
  for (int step = 0; step < steps; ++step) {
    const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
    switch (random() % 6) {
      case 0: text.insert(at, kFragments[random() % std::size(kFragments)]); break;
      case 1: text.erase(at, random() % 40); break;
      case 2:
        if (!text.empty()) text[random() % text.size()] = static_cast<char>(random());
        break;
      case 3: text.resize(at); break;
      case 4: {
        const std::string copy = text.substr(at, random() % 200);
        for (auto n = random() % 50; n > 0; --n) text.insert(at, copy);
        break;
      }
      default: text.insert(at, std::string(random() % 20, static_cast<char>(random())));
    }
  }
  return text;
}

bool WellFormed(const std::string& text) { return utf8::Sanitized(text) == text; }

TEST(LanguageFileFuzz, RandomFilesNeverBreakTheReader) {
  std::mt19937 random(20261209);
  const platform::PatternLocale locale;
  const ProductIdentity identity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};
  test::TempFolder folder;
  platform::HostFileSystem files(folder.path());
  ui::HeadlessRuntime runtime;
  clsLanguages languages({files, locale, identity, runtime});

  for (int round = 0; round < 4000; ++round) {
    const std::string text = Mutate(kSeedFile, random);
    const std::string name = random() % 2 ? "Deutsch" : "english";
    if (round % 20 == 0) {
      folder.Write("Localization.xml", text);
      languages.LoadLanguageGroup(name);
      for (const char* key : {"FRMMAIN_CMDGO", "msg_title", "", "<", "MSG_TITLE>"}) {
        const std::string answer = languages.GetTranslation(key);
        ASSERT_TRUE(WellFormed(answer)) << "round " << round;
        ASSERT_EQ(answer.find("\r\n"), std::string::npos);
      }
      continue;
    }
    const auto items = language_file::FindGroupItems(utf8::Sanitized(text), name, locale);
    if (!items) continue;
    for (const std::string& line : language_file::SplitAtLineEnds(*items)) {
      ASSERT_EQ(line.find("\r\n"), std::string::npos);
      if (const auto tag = language_file::TagOf(line)) {
        const auto item = language_file::ItemText(line, *tag);
        if (item) {
          ASSERT_LE(item->size(), line.size());
        }
      }
    }
  }
}

}  // namespace
}  // namespace curfew
