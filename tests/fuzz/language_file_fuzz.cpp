// The language file reader and the update's acceptance test on any bytes a server may send.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "localization/language_file_format.h"
#include "platform/host/pattern_locale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static const curfew::platform::PatternLocale locale;
  const auto names = curfew::language_file::LanguageNames(text);
  for (const auto& name : names) {
    const auto items = curfew::language_file::FindGroupItems(text, name, locale);
    if (!items) __builtin_trap();  // a listed language must be found again
    for (const auto& line : curfew::language_file::SplitAtLineEnds(*items))
      if (const auto tag = curfew::language_file::TagOf(line)) (void)curfew::language_file::ItemText(line, *tag);
  }
  // A whole file lists at least one language.
  if (curfew::language_file::IsWholeFile(text) && names.empty()) __builtin_trap();
  return 0;
}
