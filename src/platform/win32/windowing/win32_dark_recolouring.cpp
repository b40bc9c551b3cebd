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
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = client.right;
  format.bmiHeader.biHeight = -client.bottom;  // top-down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
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

}  // namespace

HBRUSH LightSystemColours(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

void RecolourWhenDark(HWND window, const ui::Control& control) {
  Subclass<const ui::Control, Recolour>::Install(window, SubclassId::DarkRecolouring, control);
}

}  // namespace curfew::platform::win32
