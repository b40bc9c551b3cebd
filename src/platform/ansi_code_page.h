#pragma once

#include <string>
#include <string_view>

namespace curfew::platform {

// The system's 8-bit (ANSI) code page, for the few places that work on its byte codes.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  // UTF-8 to ANSI bytes; a character the code page lacks becomes "?".
  virtual std::string ToAnsi(std::string_view utf8) const = 0;
  virtual std::string FromAnsi(std::string_view bytes) const = 0;
};

}  // namespace curfew::platform
