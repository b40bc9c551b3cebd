#include <windows.h>
#include <windowsx.h>
#include <uxtheme.h>

#include <algorithm>
#include <utility>

#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_canvas.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/win32/windowing/win32_form_peer.h"

namespace curfew::platform::win32 {
namespace {

using ui::ControlKind;

DWORD ButtonStyle(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::CheckBox: return WS_TABSTOP | BS_AUTOCHECKBOX;
    case ControlKind::OptionButton: return WS_TABSTOP | BS_AUTORADIOBUTTON;
    default:
      return WS_TABSTOP | (static_cast<const ui::CommandButton&>(control).Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  }
}

}  // namespace

Win32ButtonPeer::Win32ButtonPeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  Create(L"BUTTON", ButtonStyle(control));
  if (control.Kind() == ControlKind::CommandButton)
    SetWindowSubclass(Window(), HotTrackProc, 2, reinterpret_cast<DWORD_PTR>(this));
  ApplyLook();
}

LRESULT CALLBACK Win32ButtonPeer::HotTrackProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  auto& peer = *reinterpret_cast<Win32ButtonPeer*>(self);
  if (message == WM_MOUSEMOVE && !peer.hot_) {
    peer.hot_ = true;
    TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, window, 0};
    TrackMouseEvent(&leave);
    InvalidateRect(window, nullptr, FALSE);
  } else if (message == WM_MOUSELEAVE) {
    peer.hot_ = false;
    InvalidateRect(window, nullptr, FALSE);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void Win32ButtonPeer::ApplyLook() {
  const bool looked = Model().Parent().Look().has_value();
  if (Model().Kind() != ControlKind::CommandButton) {
    // The system's themed drawing of these boxes ignores the text colour a window asks for.
    SetWindowTheme(Window(), looked ? L"" : nullptr, looked ? L"" : nullptr);
    return;
  }
  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE) & ~static_cast<LONG_PTR>(BS_TYPEMASK);
  const bool isDefault = static_cast<const ui::CommandButton&>(Model()).Default();
  SetWindowLongPtrW(Window(), GWL_STYLE, style | (looked ? BS_OWNERDRAW : isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
  InvalidateRect(Window(), nullptr, TRUE);
}

// The skin's button: a rounded face in the colours of its state, the caption (and picture)
// centred, and a ring inside the edge while it has the keyboard focus.
bool Win32ButtonPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const auto& look = Model().Parent().Look();
  if (Model().Kind() != ControlKind::CommandButton || !look) return false;
  const auto& button = static_cast<const ui::CommandButton&>(Model());
  const ui::ButtonLook& state = (item.itemState & ODS_DISABLED)   ? look->disabled
                                : (item.itemState & ODS_SELECTED) ? look->pressed
                                : button.Default()                ? look->defaultButton
                                : hot_                            ? look->hot
                                                                  : look->normal;
  const HDC dc = item.hDC;
  const UINT dpi = FormPeer().Dpi();
  const int radius = MulDiv(8, static_cast<int>(dpi), 96);
  RECT face = item.rcItem;
  const BrushObject behind(CreateSolidBrush(ToColorRef(Model().Parent().BackColor())));
  FillRect(dc, &face, behind.get());
  DrawRoundedRect(dc, face, radius, ToColorRef(state.fill), ToColorRef(state.border));
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    const int inset = MulDiv(3, static_cast<int>(dpi), 96);
    const RECT ring{face.left + inset, face.top + inset, face.right - inset, face.bottom - inset};
    DrawRoundedRect(dc, ring, radius, std::nullopt,
                    ToColorRef(button.Default() ? look->defaultButton.text : look->focusRing),
                    std::max(1, MulDiv(2, static_cast<int>(dpi), 96)));
  }

  ui::Font font = Model().GetFont();
  font.name = look->buttonFont.name;
  const FontObject drawn = MakeFont(font, dpi);
  const HGDIOBJ oldFont = SelectObject(dc, drawn.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(state.text));
  const std::wstring caption = Utf8ToWide(Model().Caption());
  RECT text = face;
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  if (picture_) {
    const int size = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
    RECT measured = face;
    DrawTextW(dc, caption.c_str(), -1, &measured, format | DT_CALCRECT);
    const int gap = MulDiv(6, static_cast<int>(dpi), 96);
    const int width = size + gap + static_cast<int>(measured.right - measured.left);
    const int left = (face.left + face.right - width) / 2;
    DrawIconEx(dc, left, (face.top + face.bottom - size) / 2, picture_.get(), size, size, 0, nullptr, DI_NORMAL);
    text.left = left + size + gap;
    text.right = text.left + (measured.right - measured.left);
  }
  DrawTextW(dc, caption.c_str(), -1, &text, format);
  SelectObject(dc, oldFont);
  return true;
}

void Win32ButtonPeer::ShowOwn(ui::Aspect aspect) {
  const ui::Control& control = Model();
  switch (aspect) {
    case ui::Aspect::Caption:
    case ui::Aspect::Text:
      Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(control.Caption()).c_str()); });
      if (control.Kind() == ControlKind::CommandButton) ShowPicture();
      break;
    case ui::Aspect::Value:
      Quietly([&] {
        if (control.Kind() == ControlKind::CheckBox) {
          Button_SetCheck(Window(), control.Value() == 2 ? BST_INDETERMINATE
                                    : control.Value()    ? BST_CHECKED
                                                         : BST_UNCHECKED);
        } else if (control.Kind() == ControlKind::OptionButton) {
          Button_SetCheck(Window(), control.Value() ? BST_CHECKED : BST_UNCHECKED);
          KeepGroupReachable();
        }
      });
      break;
    // The default role and the window's look both decide the button's style.
    case ui::Aspect::Role: ApplyLook(); break;
    default: break;
  }
}

// Tab stops in one place per group of options: the chosen option, or the first while none is
// chosen, so that Tab reaches the group once.
void Win32ButtonPeer::KeepGroupReachable() {
  std::vector<std::pair<HWND, bool>> group;
  bool anyChosen = false;
  for (const ui::Control* other : Model().Parent().Controls()) {
    if (other->Kind() != ControlKind::OptionButton || other->Container() != Model().Container()) continue;
    const HWND window = other == &Model() ? Window() : reinterpret_cast<HWND>(other->Handle());
    if (window) group.emplace_back(window, other->Value() != 0);
    anyChosen = anyChosen || other->Value() != 0;
  }
  for (std::size_t i = 0; i < group.size(); ++i) {
    const auto [window, chosen] = group[i];
    const bool stop = chosen || (!anyChosen && i == 0);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  }
}

// The button's icon at the size small icons have at the window's dots per inch, beside its
// caption.
void Win32ButtonPeer::ShowPicture() {
  const int resource = static_cast<const ui::CommandButton&>(Model()).Picture();
  if (resource == 0) {
    SendMessageW(Window(), BM_SETIMAGE, IMAGE_ICON, 0);
    picture_.reset();
    return;
  }
  const int size = GetSystemMetricsForDpi(SM_CXSMICON, FormPeer().Dpi());
  picture_.reset(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  SendMessageW(Window(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture_.get()));
}

void Win32ButtonPeer::OnCommand(WORD code) {
  if (Syncing() || code != BN_CLICKED) return;
  Model().UserClick();
  if (Model().Kind() == ControlKind::OptionButton) ShowOwn(ui::Aspect::Value);
}

}  // namespace curfew::platform::win32
