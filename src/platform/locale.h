#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace curfew::platform {

// The user's date and time conventions: how dates are written and read back.
class Locale {
 public:
  virtual ~Locale() = default;

  // The short date picture (for example "M/d/yyyy"), without blanks.
  virtual std::string ShortDatePattern() const = 0;
  virtual std::string FormatShortDate(std::chrono::year_month_day date) const = 0;
  // The general date and time form: the short date and the long time; a midnight shows the date alone.
  virtual std::string FormatGeneralDate(const LocalDateTime& value) const = 0;
  // The time of day without its seconds, as the user's short time form writes it.
  virtual std::string FormatShortTime(const TimeOfDay& time) const = 0;
  // A date written by a date picture ("ddd" the weekday's short name, "M/d" month and day), in
  // the user's language.
  virtual std::string FormatDate(std::chrono::year_month_day date, std::string_view picture) const = 0;

  // Reads a date as the user would type it; nullopt when the text is not a date.
  virtual std::optional<std::chrono::year_month_day> ReadDate(std::string_view text) const = 0;
  // Reads a time of day; nullopt when the text is not a time.
  virtual std::optional<TimeOfDay> ReadTimeOfDay(std::string_view text) const = 0;

  // Upper case by the user's language rules (UTF-8 in and out).
  virtual std::string ToUpper(std::string_view text) const = 0;
  // Whether two texts are equal when letter case is ignored by the user's language rules.
  virtual bool EqualIgnoringCase(std::string_view a, std::string_view b) const = 0;
};

}  // namespace curfew::platform
