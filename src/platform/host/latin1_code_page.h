#pragma once

#include "platform/ansi_code_page.h"

namespace curfew::platform {

// ISO 8859-1 as the ANSI code page: byte n is character U+00nn.
class Latin1CodePage final : public AnsiCodePage {
 public:
  std::string ToAnsi(std::string_view utf8) const override;
  std::string FromAnsi(std::string_view bytes) const override;
};

}  // namespace curfew::platform
