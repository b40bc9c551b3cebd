#pragma once

#include <windows.h>

namespace curfew::test {

// The client area of a window as it paints itself, read pixel by pixel.
class Snapshot {
 public:
  explicit Snapshot(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    width = area.right;
    height = area.bottom;
    const HDC screen = GetDC(window);
    memory_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    old_ = SelectObject(memory_, bitmap_);
    PrintWindow(window, memory_, PW_CLIENTONLY);
    ReleaseDC(window, screen);
  }
  ~Snapshot() {
    SelectObject(memory_, old_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
  }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;
  COLORREF Pixel(int x, int y) const { return GetPixel(memory_, x, y); }
  // The share of the pixels in exactly that colour, 0 for an empty window.
  double ShareOf(COLORREF colour) const {
    int matching = 0;
    for (int x = 0; x < width; ++x)
      for (int y = 0; y < height; ++y) matching += Pixel(x, y) == colour;
    return width * height > 0 ? double(matching) / (width * height) : 0;
  }
  bool Shows(COLORREF colour) const { return ShowsNear(colour, 0, height); }
  // Whether a pixel in the rows above `rows` lies within `tolerance` of the colour in every
  // channel (drawn text and pictures are smoothed at their edges).
  bool ShowsNear(COLORREF colour, int tolerance, int rows) const {
    const auto within = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    for (int x = 0; x < width; ++x)
      for (int y = 0; y < rows && y < height; ++y) {
        const COLORREF pixel = Pixel(x, y);
        if (within(GetRValue(pixel), GetRValue(colour)) && within(GetGValue(pixel), GetGValue(colour)) &&
            within(GetBValue(pixel), GetBValue(colour)))
          return true;
      }
    return false;
  }
  int width = 0;
  int height = 0;

 private:
  HDC memory_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

inline COLORREF PixelOf(HWND window, int x, int y) { return Snapshot(window).Pixel(x, y); }

// Tells the window it was moved to a screen at the DPI, with the system's suggested place: the
// window's present one grown in that proportion to 96.
inline void ChangeDpi(HWND window, UINT dpi, const RECT& at96) {
  RECT suggested{at96.left, at96.top, at96.left + MulDiv(at96.right - at96.left, static_cast<int>(dpi), 96),
                 at96.top + MulDiv(at96.bottom - at96.top, static_cast<int>(dpi), 96)};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace curfew::test
