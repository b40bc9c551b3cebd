#include "ui/tray_tip.h"

#include "localization/cls_languages.h"
#include "platform/utf8.h"

namespace curfew {

std::string TrayTip(std::string_view programName, const std::optional<ComingAction>& coming, std::string_view phrase,
                    const LocalDateTime& now, const platform::Locale& locale, std::string_view awakeNote) {
  std::string tip(programName);
  if (coming) {
    std::string when = locale.FormatShortTime(coming->at.time);
    if (coming->at.date != now.date) when = locale.FormatShortDate(coming->at.date) + " " + when;
    tip += " \u2013 " + ReplacePlaceholder(ReplacePlaceholder(phrase, "[Action]", coming->action), "[Time]", when);
  }
  if (!awakeNote.empty()) tip += " \u2013 " + std::string(awakeNote);
  return std::string(utf8::FirstCharacters(tip, kTrayTipCharacters));
}

}  // namespace curfew
