#pragma once

#include <windows.h>

#include <string>

namespace curfew::test {

// What a text takes in a control's own font, in pixels: its width on one line, or its height
// wrapped at a width (as a multi-line label wraps it). An access key's "&" takes no room.
inline SIZE TextExtent(HWND control, std::wstring text, int wrapWidth = 0) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT area{0, 0, wrapWidth > 0 ? wrapWidth : 10000, 0};
  DrawTextW(dc, text.c_str(), -1, &area, DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {area.right - area.left, area.bottom - area.top};
}

inline SIZE ClientSize(HWND control) {
  RECT area{};
  GetClientRect(control, &area);
  return {area.right, area.bottom};
}

}  // namespace curfew::test
