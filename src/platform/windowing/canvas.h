#pragma once

#include <string_view>

#include "platform/native_window.h"
#include "platform/windowing/control.h"

namespace curfew::ui {

// What a paint handler draws on: the part of its window that needs painting, in twips, and a
// few ways to fill it. The Win32 back end hands one made from BeginPaint; code that needs more
// reaches the device context itself through NativeDevice.
class Canvas {
 public:
  virtual ~Canvas() = default;
  // The area to paint, in the window's client coordinates.
  virtual TwipsRect Area() const = 0;
  virtual void FillRect(const TwipsRect& rect, Colour colour) = 0;
  // One line of text, left-aligned and vertically centred in rect.
  virtual void DrawText(const TwipsRect& rect, std::string_view text, const Font& font, Colour colour) = 0;
  // The Win32 device context (an HDC); 0 where there is none.
  virtual platform::NativeWindow NativeDevice() const { return 0; }
};

}  // namespace curfew::ui
