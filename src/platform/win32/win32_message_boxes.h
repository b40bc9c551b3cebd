#pragma once

#include <string>

#include "platform/message_box.h"

namespace curfew::platform::win32 {

// MessageBoxW owned by the active window; an empty title shows the application's title.
class Win32MessageBoxes final : public MessageBoxes {
 public:
  explicit Win32MessageBoxes(std::string applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}
  MessageAnswer Show(std::string_view text, MessageButtons buttons, MessageIcon icon, std::string_view title,
                     DefaultButton defaultButton) override;

 private:
  std::string applicationTitle_;
};

}  // namespace curfew::platform::win32
