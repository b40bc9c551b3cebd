#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/message_box.h"

namespace curfew::platform::win32 {

// The colours of a message box shown over a window in a dark look: its background and text,
// and its push buttons' fill, border and text when at rest, pressed and default, with the ring
// that shows the keyboard focus.
struct MessageBoxLook {
  struct Button {
    COLORREF fill;
    COLORREF border;
    COLORREF text;
  };
  COLORREF back;
  COLORREF text;
  Button normal;
  Button pressed;
  Button defaultButton;
  COLORREF focusRing;
};

// MessageBoxW owned by the active window; an empty title shows the application's title. Over
// a window in a dark look the system's box is drawn in that look's colours: its texts, icon,
// buttons, keys, default button and answers stay the system's own.
class Win32MessageBoxes final : public MessageBoxes {
 public:
  explicit Win32MessageBoxes(std::string applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}
  MessageAnswer Show(std::string_view text, MessageButtons buttons, MessageIcon icon, std::string_view title,
                     DefaultButton defaultButton) override;

  // The dark look of the window a box is shown over; nullopt for a light one.
  std::function<std::optional<MessageBoxLook>(HWND owner)> lookOf;

 private:
  std::string applicationTitle_;
};

}  // namespace curfew::platform::win32
