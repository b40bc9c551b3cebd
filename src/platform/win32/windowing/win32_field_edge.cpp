#include "platform/win32/windowing/win32_field_edge.h"

#include <commctrl.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/win32/windowing/win32_subclass.h"
#include "platform/windowing/form.h"

namespace curfew::platform::win32 {
namespace {

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
  const WindowDcScope window(field, WindowDcScope::Area::WholeWindow);
  if (!window) return;
  const HDC dc = window.Dc();
  const bool focused = GetFocus() == field || IsChild(field, GetFocus());
  Frame(dc, outer, ToColorRef(focused ? look.focusRing : look.normal.border));
  const int edge = GetSystemMetrics(SM_CXEDGE);
  RECT inner = outer;
  for (int ring = 1; ring < edge; ++ring) {
    InflateRect(&inner, -1, -1);
    Frame(dc, inner, ToColorRef(control.BackColor()));
  }
}

LRESULT DrawEdge(const ui::Control& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto& look = control.Parent().Look();
  switch (message) {
    case WM_NCPAINT: {
      const LRESULT result = PassOn(window, message, wParam, lParam);
      if (look) PaintEdge(window, control, *look);
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = PassOn(window, message, wParam, lParam);
      if (look) RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
      return result;
    }
    default: return PassOn(window, message, wParam, lParam);
  }
}

}  // namespace

void DrawEdgeInLook(HWND field, const ui::Control& control) {
  Subclass<const ui::Control, DrawEdge>::Install(field, SubclassId::FieldEdge, control);
}

}  // namespace curfew::platform::win32
