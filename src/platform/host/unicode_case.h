#pragma once

#include <string>
#include <string_view>

namespace curfew::platform {

// Upper case of Latin (ASCII, Latin-1, Latin Extended-A), Greek and Cyrillic letters, the
// letters the program's languages use; other characters stay as they are.
char32_t UpperCaseOf(char32_t codePoint);
std::string UpperCaseUtf8(std::string_view text);

}  // namespace curfew::platform
