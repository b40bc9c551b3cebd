#include "platform/headless/pattern_locale.h"

#include "platform/headless/date_pattern.h"

namespace curfew::platform {

PatternLocale::PatternLocale(std::string shortDatePattern, std::string longTimePattern)
    : shortDatePattern_(date_pattern::RemoveBlanks(shortDatePattern)), longTimePattern_(std::move(longTimePattern)) {}

std::string PatternLocale::ShortDatePattern() const { return shortDatePattern_; }

std::string PatternLocale::FormatShortDate(std::chrono::year_month_day date) const {
  return date_pattern::FormatDate(shortDatePattern_, date);
}

std::string PatternLocale::FormatGeneralDate(const LocalDateTime& value) const {
  std::string text = FormatShortDate(value.date);
  if (value.time != TimeOfDay{}) {
    text += ' ';
    text += date_pattern::FormatTime(longTimePattern_, value.time);
  }
  return text;
}

std::optional<std::chrono::year_month_day> PatternLocale::ReadDate(std::string_view text) const {
  return date_pattern::ReadDate(shortDatePattern_, text);
}

std::optional<TimeOfDay> PatternLocale::ReadTimeOfDay(std::string_view text) const {
  return date_pattern::ReadTime(text);
}

}  // namespace curfew::platform
