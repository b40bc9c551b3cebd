#pragma once

#include "platform/locale.h"

namespace curfew::platform::win32 {

// The user's regional settings: GetDateFormatEx and GetTimeFormatEx to write, the classic
// date parser (VarDateFromStr) to read back.
class Win32Locale final : public Locale {
 public:
  std::string ShortDatePattern() const override;
  std::string FormatShortDate(std::chrono::year_month_day date) const override;
  std::string FormatGeneralDate(const LocalDateTime& value) const override;
  std::string FormatShortTime(const TimeOfDay& time) const override;
  std::string FormatDate(std::chrono::year_month_day date, std::string_view picture) const override;
  std::optional<std::chrono::year_month_day> ReadDate(std::string_view text) const override;
  std::optional<TimeOfDay> ReadTimeOfDay(std::string_view text) const override;
  std::string ToUpper(std::string_view text) const override;
  bool EqualIgnoringCase(std::string_view a, std::string_view b) const override;
};

}  // namespace curfew::platform::win32
