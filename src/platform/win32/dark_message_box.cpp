#include "platform/win32/dark_message_box.h"

#include <commctrl.h>
#include <dwmapi.h>

#include <string>

#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_subclass.h"

namespace curfew::platform::win32 {
namespace {

thread_local DarkMessageBox* dressing = nullptr;

bool IsDialogBox(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  return std::wstring_view(className) == L"#32770";
}

void FillWith(HDC dc, const RECT& area, COLORREF colour) {
  const BrushObject brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

// A push button of the box in the look: its face, border, caption and the focus ring; the
// state (pressed, focused, default) is the button's own, so the dialog's keys work as ever.
void DrawButton(const NMCUSTOMDRAW& draw, const MessageBoxLook& look) {
  const HWND button = draw.hdr.hwndFrom;
  const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
  const bool pressed = (state & BST_PUSHED) != 0;
  const bool focused = GetFocus() == button;
  const bool isDefault = (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  const MessageBoxLook::Button& colours = pressed ? look.pressed : isDefault ? look.defaultButton : look.normal;
  const RECT& area = draw.rc;
  FillWith(draw.hdc, area, colours.border);
  const RECT face{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
  FillWith(draw.hdc, face, colours.fill);
  wchar_t caption[64] = {};
  GetWindowTextW(button, caption, static_cast<int>(std::size(caption)));
  const SelectedObject font(draw.hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
  SetBkMode(draw.hdc, TRANSPARENT);
  SetTextColor(draw.hdc, colours.text);
  const bool keyboardCues = !(SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL);
  RECT text = face;
  DrawTextW(draw.hdc, caption, -1, &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | (keyboardCues ? 0 : DT_HIDEPREFIX));
  if (focused) {
    const COLORREF ring = isDefault ? colours.text : look.focusRing;
    const RECT inner{face.left + 2, face.top + 2, face.right - 2, face.bottom - 2};
    const BrushObject brush(CreateSolidBrush(ring));
    FrameRect(draw.hdc, &inner, brush.get());
  }
}

}  // namespace

struct DarkMessageBoxProcedure {
  static LRESULT Handle(DarkMessageBox& box, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

DarkMessageBox::DarkMessageBox(const MessageBoxLook& look) : look_(look), background_(CreateSolidBrush(look.back)) {
  dressing = this;
  hook_ = SetWindowsHookExW(WH_CBT, &OnWindowEvent, nullptr, GetCurrentThreadId());
}

DarkMessageBox::~DarkMessageBox() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (box_ && IsWindow(box_))
    Subclass<DarkMessageBox, &DarkMessageBoxProcedure::Handle>::Remove(box_, SubclassId::DarkMessageBox);
  dressing = nullptr;
}

// The box is dressed as it is first activated, with its controls made.
LRESULT CALLBACK DarkMessageBox::OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && dressing && !dressing->box_ && IsDialogBox(reinterpret_cast<HWND>(wParam)))
    dressing->Dress(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DarkMessageBox::Dress(HWND box) {
  box_ = box;
  Subclass<DarkMessageBox, &DarkMessageBoxProcedure::Handle>::Install(box, SubclassId::DarkMessageBox, *this);
  // The title bar dark where the system lets a program ask (two numbers across Windows 10).
  const BOOL dark = TRUE;
  if (FAILED(DwmSetWindowAttribute(box, 20, &dark, sizeof(dark)))) DwmSetWindowAttribute(box, 19, &dark, sizeof(dark));
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT DarkMessageBoxProcedure::Handle(DarkMessageBox& box, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const MessageBoxLook& look = box.look_;
  switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, look.text);
      SetBkColor(dc, look.back);
      return reinterpret_cast<LRESULT>(box.background_.get());
    }
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, box.background_.get());
      return 1;
    }
    case WM_PAINT: {
      // The box's own painting (a lighter band under its text on some systems) gives way to
      // the look's background.
      const PaintScope paint(window);
      RECT client{};
      GetClientRect(window, &client);
      FillRect(paint.Dc(), &client, box.background_.get());
      return 0;
    }
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.code != NM_CUSTOMDRAW) break;
      const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
      wchar_t className[16] = {};
      GetClassNameW(header.hwndFrom, className, static_cast<int>(std::size(className)));
      if (std::wstring_view(className) != L"Button" || draw.dwDrawStage != CDDS_PREPAINT) break;
      DrawButton(draw, look);
      return CDRF_SKIPDEFAULT;
    }
    default: break;
  }
  return PassOn(window, message, wParam, lParam);
}

}  // namespace curfew::platform::win32
