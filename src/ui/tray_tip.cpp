#include "ui/tray_tip.h"

#include "platform/utf8.h"

namespace curfew {
namespace {

void Replace(std::string& text, std::string_view placeholder, std::string_view value) {
  if (const std::size_t at = text.find(placeholder); at != std::string::npos)
    text.replace(at, placeholder.size(), value);
}

// The text cut after its first count characters.
std::string FirstCharacters(std::string text, std::size_t count) {
  std::size_t position = 0;
  for (std::size_t taken = 0; taken < count && position < text.size(); ++taken) utf8::Next(text, position);
  text.resize(position);
  return text;
}

}  // namespace

std::string TrayTip(std::string_view programName, const std::optional<ComingAction>& coming, std::string_view phrase,
                    const LocalDateTime& now, const platform::Locale& locale) {
  std::string tip(programName);
  if (coming) {
    std::string when = locale.FormatShortTime(coming->at.time);
    if (coming->at.date != now.date) when = locale.FormatShortDate(coming->at.date) + " " + when;
    std::string told(phrase);
    Replace(told, "[Action]", coming->action);
    Replace(told, "[Time]", when);
    tip += " \u2013 " + told;
  }
  return FirstCharacters(std::move(tip), kTrayTipCharacters);
}

}  // namespace curfew
