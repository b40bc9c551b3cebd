#pragma once

#include <string>
#include <string_view>

// UTF-8 as the program keeps text inside.
namespace curfew::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// The code point at pos, moving pos past it. A byte that starts no valid sequence (a stray
// continuation byte, an overlong form, a surrogate, a value past U+10FFFF) gives U+FFFD and
// moves on by one byte, so that every text can be read in one pass.
char32_t Next(std::string_view text, std::size_t& pos);

void Append(std::string& out, char32_t codePoint);

// The text with every invalid byte replaced by U+FFFD.
std::string Sanitized(std::string_view text);

// The text's first count characters (all of it when it has no more).
std::string_view FirstCharacters(std::string_view text, std::size_t count);

}  // namespace curfew::utf8
