#include "localization/translated_window.h"

namespace curfew {

void ApplyLanguageToOpenWindows(clsLanguages& languages, ui::WindowRuntime& runtime, std::string_view language) {
  std::vector<TranslatedWindow*> translated;
  for (ui::Form* form : runtime.LoadedForms()) {
    auto* window = dynamic_cast<TranslatedWindow*>(form);
    if (!window) continue;  // the splash and the browser keep their own texts
    languages.ChangeLanguage(*form, language);
    translated.push_back(window);
  }
  // The catalogue has the new language only now.
  for (TranslatedWindow* window : translated) window->ShowCatalogueTexts();
}

}  // namespace curfew
