#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "platform/date_time.h"

namespace curfew {

// The delays of the quick schedule, as the time combo box lists them ("Now" acts at once).
inline constexpr std::array<std::string_view, 16> kQuickDelays = {
    "Now",        "In 1 Minute", "In 5 Minutes", "in 15 Minutes", "in 30 Minutes", "In 1 Hour",
    "In 2 Hours", "In 6 Hours",  "In 12 Hours",  "In 1 Day",      "In 2 Days",     "In 5 Days",
    "In 1 Week",  "In 2 Weeks",  "In 3 Weeks",   "In 1 Month"};

// The moment a delay text names from now; nullopt for "Now" and for any text not in the list
// (compared exactly, letter case included).
std::optional<LocalDateTime> QuickScheduleMoment(std::string_view delay, const LocalDateTime& now);

}  // namespace curfew
