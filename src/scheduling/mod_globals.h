#pragma once

#include <string>
#include <string_view>

// Readers of the schedule file text.
namespace curfew {

// The text between the first "<TAG>" and the last "</TAG>" (the tag upper-cased, matched
// exactly); empty when either is missing or the closing tag stands before the opening one.
std::string GetSection(std::string_view text, std::string_view tag);

// The value after the first "key=" in text, up to the next CR LF; empty when the key is not
// there or no CR LF follows. Nothing is trimmed.
std::string GetKeyValue(std::string_view text, std::string_view key);

}  // namespace curfew
