#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The Period text of a schedule file: weekday codes or day numbers joined by ",".
namespace curfew {

// Monday first, as weekday numbers 1 to 7 count.
inline constexpr std::array<std::string_view, 7> kWeekdayCodes = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

// The pieces between the commas; an empty text has none.
std::vector<std::string> SplitPeriod(std::string_view text);

}  // namespace curfew
