#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"

// Local dates and times in the one form files and command lines share: "2026-12-11T23:30:00".
namespace curfew::iso_moment {

std::string Format(const LocalDateTime& moment);
// nullopt for any other text, or for a date or time that does not exist.
std::optional<LocalDateTime> Read(std::string_view text);

// Two decimal digits or more at a place of a text; nullopt where any is not a digit.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count);

}  // namespace curfew::iso_moment
