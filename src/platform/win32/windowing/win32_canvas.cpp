#include "platform/win32/windowing/win32_canvas.h"

#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_runtime.h"

namespace curfew::platform::win32 {

void DrawRoundedRect(HDC dc, const RECT& rect, int radius, std::optional<COLORREF> fill, COLORREF border,
                     int penWidth) {
  const UniqueHandle<handle_traits::Gdi<HPEN>> edge(CreatePen(PS_SOLID, penWidth, border));
  const BrushObject inside(fill ? CreateSolidBrush(*fill) : nullptr);
  const SelectedObject pen(dc, edge.get());
  const SelectedObject brush(dc, fill ? inside.get() : GetStockObject(NULL_BRUSH));
  RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, radius, radius);
}

FontObject MakeFont(const ui::Font& font, UINT dpi) {
  const int height = -MulDiv(static_cast<int>(font.points * 100 + 50), static_cast<int>(dpi), 7200);
  return FontObject(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, Utf8ToWide(font.name).c_str()));
}

Win32PaintCanvas::Win32PaintCanvas(HWND window, UINT dpi) : window_(window), dpi_(dpi) { BeginPaint(window_, &paint_); }

Win32PaintCanvas::~Win32PaintCanvas() { EndPaint(window_, &paint_); }

ui::TwipsRect Win32PaintCanvas::Area() const {
  const RECT& area = paint_.rcPaint;
  return {PixelsToTwips(area.left, dpi_), PixelsToTwips(area.top, dpi_), PixelsToTwips(area.right - area.left, dpi_),
          PixelsToTwips(area.bottom - area.top, dpi_)};
}

RECT Win32PaintCanvas::Pixels(const ui::TwipsRect& rect) const {
  const int left = TwipsToPixels(rect.left, dpi_);
  const int top = TwipsToPixels(rect.top, dpi_);
  return {left, top, left + TwipsToPixels(rect.width, dpi_), top + TwipsToPixels(rect.height, dpi_)};
}

void Win32PaintCanvas::FillRect(const ui::TwipsRect& rect, ui::Colour colour) {
  const BrushObject brush(CreateSolidBrush(ToColorRef(colour)));
  const RECT pixels = Pixels(rect);
  ::FillRect(paint_.hdc, &pixels, brush.get());
}

void Win32PaintCanvas::DrawText(const ui::TwipsRect& rect, std::string_view text, const ui::Font& font,
                                ui::Colour colour) {
  const FontObject made = MakeFont(font, dpi_);
  const SelectedObject inFont(paint_.hdc, made.get());
  SetTextColor(paint_.hdc, ToColorRef(colour));
  SetBkMode(paint_.hdc, TRANSPARENT);
  std::wstring wide = Utf8ToWide(text);
  RECT pixels = Pixels(rect);
  ::DrawTextW(paint_.hdc, wide.c_str(), static_cast<int>(wide.size()), &pixels,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace curfew::platform::win32
