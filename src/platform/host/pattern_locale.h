#pragma once

#include <string>

#include "platform/locale.h"

namespace curfew::platform {

// A locale defined by a short date picture and a long time picture, with English names.
// The default is the United States form ("M/d/yyyy", "h:mm:ss tt").
class PatternLocale final : public Locale {
 public:
  explicit PatternLocale(std::string_view shortDatePattern = "M/d/yyyy", std::string longTimePattern = "h:mm:ss tt");

  std::string ShortDatePattern() const override;
  std::string FormatShortDate(std::chrono::year_month_day date) const override;
  std::string FormatGeneralDate(const LocalDateTime& value) const override;
  std::string FormatShortTime(const TimeOfDay& time) const override;
  std::string FormatDate(std::chrono::year_month_day date, std::string_view picture) const override;
  std::optional<std::chrono::year_month_day> ReadDate(std::string_view text) const override;
  std::optional<TimeOfDay> ReadTimeOfDay(std::string_view text) const override;
  std::string ToUpper(std::string_view text) const override;
  bool EqualIgnoringCase(std::string_view a, std::string_view b) const override;

 private:
  std::string shortDatePattern_;
  std::string longTimePattern_;
};

}  // namespace curfew::platform
