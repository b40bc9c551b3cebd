#pragma once

#include "platform/internet.h"

namespace curfew::platform::win32 {

// Web requests through WinINet.
class Win32Internet final : public Internet {
 public:
  std::unique_ptr<UrlBody> OpenUrl(std::string_view agentName, std::string_view address) override;
};

}  // namespace curfew::platform::win32
