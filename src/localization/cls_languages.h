#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "localization/mod_identity.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/windowing/form.h"
#include "platform/windowing/window_runtime.h"

namespace curfew {

// The text with every occurrence of placeholder ("[Action]") replaced by value, the placeholder
// found without regard to letter case, as translators may write it.
std::string ReplacePlaceholder(std::string_view text, std::string_view placeholder, std::string_view value);

struct MessageEntry {
  std::string Name;
  std::string Message;
  bool InUse = false;
};

struct LanguageServices {
  platform::FileSystem& files;
  const platform::Locale& locale;
  const ProductIdentity& identity;
  ui::WindowRuntime& runtime;
};

// The program's texts: the message catalogue, the language file "Localization.xml" beside the
// program, and putting a language on a window. One instance serves the whole process.
class clsLanguages {
 public:
  static constexpr std::size_t kCatalogueSlots = 201;
  // A language file larger than this is not a language file; it is left unread.
  static constexpr std::size_t kMaxLanguageFileBytes = 64u << 20;

  explicit clsLanguages(LanguageServices services);

  // Message catalogue.
  void setMessage(std::string strName, std::string strMessage);
  std::string getMessages(std::string_view strName) const;
  void RegisterDefaultMessages();
  std::string ExpandPlaceholders(std::string_view text) const;
  const std::array<MessageEntry, kCatalogueSlots>& MessageCatalogue() const { return catalogue_; }

  // Language file.
  void LoadLanguageGroup(std::string_view name);
  std::string GetTranslation(std::string_view key) const;
  bool LangFileExists(std::string_view asPath) const;
  // "Localization.xml" in the program folder.
  std::string LanguageFilePath() const;
  // The names of the file's languages in file order; none without a readable file.
  std::vector<std::string> LanguageNames() const;
  static std::string LangTrimPath(std::string_view asPath);
  // Writes "Localization.txt", the template for translators: every loaded window's captions
  // and every message as they are now. loadScheduleEditor loads the schedule editor first, so
  // that its captions are included.
  void makeLocalizationFile(const std::function<void()>& loadScheduleEditor = {});
  const std::vector<std::string>& TranslationLines() const { return translationLines_; }

  // Applying a language.
  void ChangeLanguage(ui::Form& myForm, std::string_view strLang);
  // The language requested last.
  const std::string& strCurrentLanguage() const { return currentLanguage_; }

 private:
  std::optional<std::string> LanguageFileText() const;
  std::string Displayed(std::string_view text) const;
  void IndexTranslationLines();

  LanguageServices services_;
  std::array<MessageEntry, kCatalogueSlots> catalogue_{};
  std::vector<std::string> translationLines_;
  bool translationLinesFilled_ = false;
  // The first line of each tag, by its upper-cased tag, so that a lookup costs no scan.
  std::unordered_map<std::string, std::size_t> lineOfTag_;
  // The file text and the language of the lines above: the same group of the same text (every
  // window's load asks for it) is not split and indexed again.
  std::string loadedText_;
  std::string loadedLanguage_;
  std::string currentLanguage_;
};

}  // namespace curfew
