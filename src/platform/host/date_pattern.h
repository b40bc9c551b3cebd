#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"

// Windows date and time pictures ("M/d/yyyy", "dd.MM.yyyy", "h:mm:ss tt") written and read
// without the operating system, in English names.
namespace curfew::platform::date_pattern {

std::string RemoveBlanks(std::string_view picture);

std::string FormatDate(std::string_view picture, std::chrono::year_month_day date);
std::string FormatTime(std::string_view picture, const TimeOfDay& time, bool seconds = true);

// Reads a date whose numbers stand in the order of the picture's day, month and year fields.
// Separators may be blanks or punctuation; month names are accepted; a leading four-digit
// number means year-month-day. Two-digit years fall in 1930 to 2029.
std::optional<std::chrono::year_month_day> ReadDate(std::string_view picture, std::string_view text);

// Reads "H:mm", "H:mm:ss", optionally followed by AM or PM.
std::optional<TimeOfDay> ReadTime(std::string_view text);

}  // namespace curfew::platform::date_pattern
