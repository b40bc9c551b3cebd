#pragma once

#include "platform/ansi_code_page.h"
#include "platform/win32/text_conversion.h"

namespace curfew::platform::win32 {

class Win32AnsiCodePage final : public AnsiCodePage {
 public:
  std::string ToAnsi(std::string_view utf8) const override { return Utf8ToAnsi(utf8); }
  std::string FromAnsi(std::string_view bytes) const override { return AnsiToUtf8(bytes); }
};

}  // namespace curfew::platform::win32
