#include "platform/win32/windowing/win32_dark_recolouring.h"

#include <commctrl.h>

#include <span>

#include "platform/win32/unique_handle.h"
#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/win32/windowing/win32_subclass.h"
#include "platform/windowing/dark_recolouring.h"
#include "platform/windowing/form.h"

namespace curfew::platform::win32 {
namespace {

bool IsDark(const ui::Control& control) {
  const auto& look = control.Parent().Look();
  return look && look->dark;
}

// Lets the system draw the client area into a bitmap of our own, recolours it and copies it
// to the device it was meant for.
void PaintRecoloured(HWND window, HDC target, const ui::Control& control) {
  RECT client{};
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  const BITMAPINFO format = TopDown32(client.right, client.bottom);
  void* bits = nullptr;
  const BitmapObject bitmap(CreateDIBSection(target, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const MemoryDcHandle memory(CreateCompatibleDC(target));
  if (!bitmap || !memory || !bits) {
    PassOn(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target), PRF_CLIENT | PRF_ERASEBKGND);
    return;
  }
  const SelectedObject drawnInto(memory.get(), bitmap.get());
  // The system's own colours first: a control that asks its parent for a brush gets the
  // window's, which is dark already, and would come out light.
  FillRect(memory.get(), &client, GetSysColorBrush(COLOR_WINDOW));
  PassOn(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  ui::RecolourOntoDark(
      std::span(static_cast<std::uint32_t*>(bits), static_cast<std::size_t>(client.right) * client.bottom),
      ToColorRef(control.BackColor()), ToColorRef(control.ForeColor()));
  // Windows inside this one (a combo box's edit field, a picker's spin buttons) draw themselves.
  const SavedDcState clippingBefore(target);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT area{};
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    ExcludeClipRect(target, area.left, area.top, area.right, area.bottom);
  }
  BitBlt(target, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

LRESULT Recolour(const ui::Control& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (IsDark(control)) return 1;  // the paint below covers every pixel
      break;
    case WM_PAINT:
      if (IsDark(control)) {
        const PaintScope paint(window);
        PaintRecoloured(window, paint.Dc(), control);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (IsDark(control)) {
        PaintRecoloured(window, reinterpret_cast<HDC>(wParam), control);
        return 0;
      }
      break;
    default: break;
  }
  return PassOn(window, message, wParam, lParam);
}

// The window's scroll bars as the system last drew them, recoloured where they are.
void RecolourScrollBars(HWND window, const ui::Control& control) {
  RECT outer{};
  GetWindowRect(window, &outer);
  for (const LONG object : {OBJID_VSCROLL, OBJID_HSCROLL}) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(window, object, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) continue;
    RECT bar = info.rcScrollBar;
    OffsetRect(&bar, -outer.left, -outer.top);
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;
    if (width <= 0 || height <= 0) continue;
    const WindowDcScope frame(window, WindowDcScope::Area::WholeWindow);
    const BITMAPINFO format = TopDown32(width, height);
    void* bits = nullptr;
    const BitmapObject bitmap(CreateDIBSection(frame.Dc(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDcHandle memory(CreateCompatibleDC(frame.Dc()));
    if (!bitmap || !memory || !bits) continue;
    const SelectedObject drawnInto(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, frame.Dc(), bar.left, bar.top, SRCCOPY);
    GdiFlush();
    // In the window's own colours: a tree keeps the colours it was designed with.
    const auto& look = control.Parent().Look();
    ui::RecolourOntoDark(std::span(static_cast<std::uint32_t*>(bits), static_cast<std::size_t>(width) * height),
                         ToColorRef(control.Parent().BackColor()), ToColorRef(look->normal.text));
    BitBlt(frame.Dc(), bar.left, bar.top, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

// The messages after which the system may have drawn a scroll bar anew: its frame's paint, the
// control's own paint (which may set the bar's range), a scroll by any means, a size change,
// the mouse, a timer, and the control's own messages (rows added or removed).
bool MayRedrawScrollBars(UINT message) {
  switch (message) {
    case WM_PAINT:
    case WM_TIMER:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_KEYDOWN:
    case WM_SIZE:
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_SETREDRAW: return true;
    default: return message >= WM_USER;
  }
}

LRESULT RecolourBars(const ui::Control& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT answer = PassOn(window, message, wParam, lParam);
  if (MayRedrawScrollBars(message) && IsDark(control) && IsWindowVisible(window)) RecolourScrollBars(window, control);
  return answer;
}

}  // namespace

void RecolourScrollBarsWhenDark(HWND window, const ui::Control& control) {
  Subclass<const ui::Control, RecolourBars>::Install(window, SubclassId::DarkScrollBars, control);
}

HBRUSH LightSystemColours(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

void RecolourWhenDark(HWND window, const ui::Control& control) {
  Subclass<const ui::Control, Recolour>::Install(window, SubclassId::DarkRecolouring, control);
}

}  // namespace curfew::platform::win32
