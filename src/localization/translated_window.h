#pragma once

#include <string_view>

#include "localization/cls_languages.h"
#include "platform/windowing/window_runtime.h"

namespace curfew {

// A window that shows the program's language. Besides the captions a language puts on its
// controls, it shows texts of the message catalogue (its title, the names of the days), which
// it shows again when the language changes while it is open.
class TranslatedWindow {
 public:
  virtual void ShowCatalogueTexts() = 0;

 protected:
  ~TranslatedWindow() = default;
};

// Puts a newly chosen language on every open translated window, in the order they were
// opened, titles and catalogue texts included: nothing stays in the language left behind.
void ApplyLanguageToOpenWindows(clsLanguages& languages, ui::WindowRuntime& runtime, std::string_view language);

}  // namespace curfew
