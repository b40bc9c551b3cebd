#include "localization/cls_languages.h"

#include "localization/default_messages.h"
#include "localization/language_file_format.h"
#include "platform/ascii.h"
#include "platform/utf8.h"
#include "platform/windowing/controls.h"
#include "scheduling/xfile_exists.h"

namespace curfew {
namespace {

constexpr std::string_view kLanguageFileName = "Localization.xml";
constexpr std::string_view kTemplateFileName = "Localization.txt";
constexpr std::string_view kFallbackLanguage = "English";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string ReplacePlaceholder(std::string_view text, std::string_view placeholder, std::string_view value) {
  const std::string upperText = ascii::ToUpper(text);
  const std::string upperPlaceholder = ascii::ToUpper(placeholder);
  std::string result;
  std::size_t start = 0;
  for (std::size_t at = upperText.find(upperPlaceholder); at != std::string::npos;
       at = upperText.find(upperPlaceholder, start)) {
    result.append(text.substr(start, at - start));
    result.append(value);
    start = at + placeholder.size();
  }
  result.append(text.substr(start));
  return result;
}

clsLanguages::clsLanguages(LanguageServices services) : services_(services) {}

// Message catalogue ------------------------------------------------------------------------

void clsLanguages::setMessage(std::string strName, std::string strMessage) {
  for (MessageEntry& entry : catalogue_) {
    if (entry.InUse) continue;
    entry = {std::move(strName), std::move(strMessage), true};
    return;
  }
  // Every slot is taken: the registration is dropped.
}

std::string clsLanguages::getMessages(std::string_view strName) const {
  const std::string wanted = services_.locale.ToUpper(strName);
  for (const MessageEntry& entry : catalogue_) {
    if (services_.locale.ToUpper(entry.Name) == wanted && entry.InUse) return Displayed(entry.Message);
    if (!entry.InUse) break;
  }
  return {};
}

void clsLanguages::RegisterDefaultMessages() {
  for (const DefaultMessage& message : kDefaultMessages) setMessage(std::string(message.id), std::string(message.text));
}

std::string clsLanguages::ExpandPlaceholders(std::string_view text) const {
  std::string result = ReplacePlaceholder(text, "[ProgramName]", services_.identity.strProgramName);
  result = ReplacePlaceholder(result, "[CompanyName]", services_.identity.strCompanyName);
  return ReplacePlaceholder(result, "[Website]", services_.identity.strWebsite);
}

// The text as it is shown: placeholders expanded, the first letter upper-cased.
std::string clsLanguages::Displayed(std::string_view text) const {
  std::string expanded = ExpandPlaceholders(text);
  if (expanded.empty()) return expanded;
  std::size_t firstEnd = 0;
  utf8::Next(expanded, firstEnd);
  return services_.locale.ToUpper(std::string_view(expanded).substr(0, firstEnd)) + expanded.substr(firstEnd);
}

// Language file ----------------------------------------------------------------------------

std::string clsLanguages::LanguageFilePath() const {
  return services_.files.ProgramFolder() + "\\" + std::string(kLanguageFileName);
}

bool clsLanguages::LangFileExists(std::string_view asPath) const { return FileExists(services_.files, asPath); }

std::string clsLanguages::LangTrimPath(std::string_view asPath) {
  const std::size_t lastBackslash = asPath.rfind('\\');
  return std::string(lastBackslash == std::string_view::npos ? asPath : asPath.substr(lastBackslash + 1));
}

std::optional<std::string> clsLanguages::LanguageFileText() const {
  const std::string path = LanguageFilePath();
  if (!LangFileExists(path)) return std::nullopt;
  const auto bytes = services_.files.ReadFileBytes(path, kMaxLanguageFileBytes);
  if (!bytes) return std::nullopt;
  std::string_view raw = *bytes;
  if (raw.starts_with(kByteOrderMark)) raw.remove_prefix(kByteOrderMark.size());
  return utf8::Sanitized(raw);
}

std::vector<std::string> clsLanguages::LanguageNames() const {
  const auto text = LanguageFileText();
  return text ? language_file::LanguageNames(*text) : std::vector<std::string>{};
}

void clsLanguages::LoadLanguageGroup(std::string_view name) {
  currentLanguage_ = std::string(name);
  auto text = LanguageFileText();
  if (!text) return;
  if (translationLinesFilled_ && name == loadedLanguage_ && *text == loadedText_) return;

  auto items = language_file::FindGroupItems(*text, name, services_.locale);
  if (!items) return;
  translationLines_ = language_file::SplitAtLineEnds(*items);
  translationLinesFilled_ = true;
  IndexTranslationLines();
  loadedText_ = std::move(*text);
  loadedLanguage_ = std::string(name);
}

void clsLanguages::IndexTranslationLines() {
  lineOfTag_.clear();
  for (std::size_t i = 0; i < translationLines_.size(); ++i) {
    if (translationLines_[i].empty()) continue;
    if (const auto tag = language_file::TagOf(translationLines_[i]))
      lineOfTag_.emplace(services_.locale.ToUpper(*tag), i);
  }
}

std::string clsLanguages::GetTranslation(std::string_view key) const {
  const auto found = lineOfTag_.find(services_.locale.ToUpper(key));
  if (found == lineOfTag_.end()) return {};
  return Displayed(language_file::ItemText(translationLines_[found->second], key).value_or(""));
}

void clsLanguages::makeLocalizationFile(const std::function<void()>& loadScheduleEditor) {
  if (loadScheduleEditor) loadScheduleEditor();
  std::vector<std::string> items;
  const auto item = [&items](std::string_view key, std::string_view text) {
    const std::string upperKey = ascii::ToUpper(key);
    items.push_back("<" + upperKey + ">" + std::string(text) + "</" + upperKey + ">");
  };
  for (const ui::Form* form : services_.runtime.LoadedForms()) {
    for (const ui::Control* control : form->Controls()) {
      for (const auto& [key, part] : language_file::KeysOf(form->Name(), *control))
        item(key, language_file::TextOf(*control, part));
    }
  }
  for (const MessageEntry& entry : catalogue_) {
    if (!entry.InUse) break;
    item(entry.Name, entry.Message);
  }

  const std::string path = services_.files.ProgramFolder() + "\\" + std::string(kTemplateFileName);
  if (LangFileExists(path)) services_.files.RemoveFile(path);
  services_.files.WriteFileBytes(path, language_file::TemplateText(items));
}

// Applying a language ----------------------------------------------------------------------

void clsLanguages::ChangeLanguage(ui::Form& myForm, std::string_view strLang) {
  LoadLanguageGroup(strLang);
  // Nothing loaded yet, or a group that is one line only: fall back to English.
  if (!translationLinesFilled_ || translationLines_.size() == 1) LoadLanguageGroup(kFallbackLanguage);

  for (ui::Control* control : myForm.Controls()) {
    for (const auto& [key, part] : language_file::KeysOf(myForm.Name(), *control)) {
      const std::string text = GetTranslation(key);
      if (!text.empty()) language_file::SetTextOf(*control, part, text);
    }
    // A window on screen shows its new texts at once; one still loading shows them when it
    // first appears.
    if (myForm.Visible()) control->Refresh();
  }

  for (MessageEntry& entry : catalogue_) {
    if (!entry.InUse) break;
    std::string text = GetTranslation(entry.Name);
    if (!text.empty()) entry.Message = std::move(text);
  }
}

}  // namespace curfew
