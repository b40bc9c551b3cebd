#include "platform/host/pattern_locale.h"

#include "platform/host/date_pattern.h"
#include "platform/host/unicode_case.h"

namespace curfew::platform {

PatternLocale::PatternLocale(std::string_view shortDatePattern, std::string longTimePattern)
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

std::string PatternLocale::FormatShortTime(const TimeOfDay& time) const {
  return date_pattern::FormatTime(longTimePattern_, time, false);
}

std::string PatternLocale::FormatDate(std::chrono::year_month_day date, std::string_view picture) const {
  return date_pattern::FormatDate(picture, date);
}

std::optional<std::chrono::year_month_day> PatternLocale::ReadDate(std::string_view text) const {
  return date_pattern::ReadDate(shortDatePattern_, text);
}

std::optional<TimeOfDay> PatternLocale::ReadTimeOfDay(std::string_view text) const {
  return date_pattern::ReadTime(text);
}

std::string PatternLocale::ToUpper(std::string_view text) const { return UpperCaseUtf8(text); }

bool PatternLocale::EqualIgnoringCase(std::string_view a, std::string_view b) const {
  return UpperCaseUtf8(a) == UpperCaseUtf8(b);
}

}  // namespace curfew::platform
