#include "platform/win32/windowing/win32_field_edge.h"

#include <commctrl.h>

#include "platform/win32/callback_guard.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/windowing/form.h"

namespace curfew::platform::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 8;

void Frame(HDC dc, const RECT& rect, COLORREF colour) {
  const BrushObject brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, brush.get());
}

// Over the edge the system drew (scroll bars, which also lie outside the client area, stay as
// they are): the outer line in the border colour, the rest of the edge in the field's colour.
void PaintEdge(HWND field, const ui::Control& control, const ui::WindowLook& look) {
  RECT outer{};
  GetWindowRect(field, &outer);
  OffsetRect(&outer, -outer.left, -outer.top);
  const HDC dc = GetWindowDC(field);
  if (!dc) return;
  const bool focused = GetFocus() == field || IsChild(field, GetFocus());
  Frame(dc, outer, ToColorRef(focused ? look.focusRing : look.normal.border));
  const int edge = GetSystemMetrics(SM_CXEDGE);
  RECT inner = outer;
  for (int ring = 1; ring < edge; ++ring) {
    InflateRect(&inner, -1, -1);
    Frame(dc, inner, ToColorRef(control.BackColor()));
  }
  ReleaseDC(field, dc);
}

LRESULT CALLBACK EdgeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  return Guarded<LRESULT>(0, [&]() -> LRESULT {
    const auto& control = *reinterpret_cast<const ui::Control*>(data);
    const auto& look = control.Parent().Look();
    switch (message) {
      case WM_NCPAINT: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (look) PaintEdge(window, control, *look);
        return result;
      }
      case WM_SETFOCUS:
      case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (look) RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
        return result;
      }
      case WM_NCDESTROY: RemoveWindowSubclass(window, EdgeProc, kSubclassId); break;
      default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
  });
}

}  // namespace

void DrawEdgeInLook(HWND field, const ui::Control& control) {
  if (field) SetWindowSubclass(field, EdgeProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&control));
}

}  // namespace curfew::platform::win32
