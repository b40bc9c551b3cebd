// The Localization.xml that ships beside the program: every language is complete.
#include <gtest/gtest.h>

#include "localization/cls_languages.h"
#include "localization/default_messages.h"
#include "localization/language_file_format.h"
#include "platform/headless/headless_runtime.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "support/program_folder.h"

namespace curfew {
namespace {

const ProductIdentity kIdentity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};

class ShippedLanguageFile : public testing::TestWithParam<const char*> {
 protected:
  ShippedLanguageFile() {
    languages_.LoadLanguageGroup("English");
    for (const std::string& line : languages_.TranslationLines()) {
      if (const auto tag = language_file::TagOf(line)) englishKeys_.emplace_back(*tag);
    }
  }

  platform::HostFileSystem files_{test::TestProgramFolder()};
  platform::PatternLocale locale_;
  ui::HeadlessRuntime runtime_;
  clsLanguages languages_{{files_, locale_, kIdentity, runtime_}};
  std::vector<std::string> englishKeys_;
};

TEST_P(ShippedLanguageFile, TranslatesEveryEnglishItemAndEveryMessage) {
  ASSERT_GT(englishKeys_.size(), 80U);
  languages_.LoadLanguageGroup(GetParam());
  EXPECT_EQ(languages_.TranslationLines().size(), englishKeys_.size() + 2) << "one item line per key";
  for (const std::string& key : englishKeys_) EXPECT_NE(languages_.GetTranslation(key), "") << GetParam() << " " << key;
  for (const DefaultMessage& message : kDefaultMessages)
    EXPECT_NE(languages_.GetTranslation(message.id), "") << GetParam() << " " << message.id;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageFile,
                         testing::Values("English", "Deutsch", "Français", "Español", "Italiano", "Nederlands"));

TEST(ShippedLanguageFileEnglish, MessagesMatchTheDefaults) {
  platform::HostFileSystem files{test::TestProgramFolder()};
  platform::PatternLocale locale;
  ui::HeadlessRuntime runtime;
  clsLanguages languages({files, locale, kIdentity, runtime});
  languages.RegisterDefaultMessages();
  languages.LoadLanguageGroup("English");
  for (const DefaultMessage& message : kDefaultMessages)
    EXPECT_EQ(languages.GetTranslation(message.id), languages.getMessages(message.id)) << message.id;
}

}  // namespace
}  // namespace curfew
