#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/unique_handle.h"
#include "platform/windowing/canvas.h"

namespace curfew::platform::win32 {

// A font of the model at a window's dots per inch.
FontObject MakeFont(const ui::Font& font, UINT dpi);

// A rectangle with rounded corners: its edge penWidth pixels wide in border, its inside filled
// with fill, or left as it is without one.
void DrawRoundedRect(HDC dc, const RECT& rect, int radius, std::optional<COLORREF> fill, COLORREF border,
                     int penWidth = 1);

// The canvas of one WM_PAINT: BeginPaint when it is made, EndPaint when it goes.
class Win32PaintCanvas final : public ui::Canvas {
 public:
  Win32PaintCanvas(HWND window, UINT dpi);
  ~Win32PaintCanvas() override;
  Win32PaintCanvas(const Win32PaintCanvas&) = delete;
  Win32PaintCanvas& operator=(const Win32PaintCanvas&) = delete;

  ui::TwipsRect Area() const override;
  void FillRect(const ui::TwipsRect& rect, ui::Colour colour) override;
  void DrawText(const ui::TwipsRect& rect, std::string_view text, const ui::Font& font, ui::Colour colour) override;
  NativeWindow NativeDevice() const override { return reinterpret_cast<NativeWindow>(paint_.hdc); }

 private:
  RECT Pixels(const ui::TwipsRect& rect) const;

  HWND window_;
  UINT dpi_;
  PAINTSTRUCT paint_{};
};

}  // namespace curfew::platform::win32
