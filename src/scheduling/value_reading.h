#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How the schedule file's flag and number values are read back.
namespace curfew {

// A number: optional blanks, an optional sign, digits with an optional decimal part.
std::optional<double> ReadNumber(std::string_view text);

// A 16-bit integer; a decimal part is rounded half to even. nullopt when the text is no
// number or lies outside -32768..32767.
std::optional<std::int16_t> ReadInteger16(std::string_view text);

// Yes for any non-zero number ("-1", "1") and for "True" in any letter case; no otherwise,
// including for text that is not a flag at all.
bool ReadFlag(std::string_view text);

}  // namespace curfew
