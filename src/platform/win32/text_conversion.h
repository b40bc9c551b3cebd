#pragma once

#include <string>
#include <string_view>

// UTF-8 inside the program, UTF-16 at the API and the ANSI code page in 8-bit files.
namespace curfew::platform::win32 {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
std::string AnsiToUtf8(std::string_view text);
// Characters the ANSI code page lacks become "?".
std::string Utf8ToAnsi(std::string_view text);

}  // namespace curfew::platform::win32
