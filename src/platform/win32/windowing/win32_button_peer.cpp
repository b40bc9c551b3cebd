#include <windows.h>
#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "platform/win32/callback_guard.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_canvas.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_glyph_picture.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/win32/windowing/win32_subclass.h"

namespace curfew::platform::win32 {
namespace {

using ui::ControlKind;

DWORD ButtonStyle(const ui::Control& control) {
  switch (control.Kind()) {
    // A caption longer than its line (a translation, say) wraps where the box is tall enough.
    case ControlKind::CheckBox: return WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE;
    case ControlKind::OptionButton: return WS_TABSTOP | BS_AUTORADIOBUTTON | BS_MULTILINE;
    default:
      return WS_TABSTOP | (static_cast<const ui::CommandButton&>(control).Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  }
}

}  // namespace

Win32ButtonPeer::Win32ButtonPeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  Create(L"BUTTON", ButtonStyle(control));
  if (control.Kind() != ControlKind::CommandButton) {
    ApplyLook();
    return;
  }
  Subclass<Win32ButtonPeer, PushButtonMessage>::Install(Window(), SubclassId::PushButton, *this);
  ShowDefaultRole();  // its picture and system icon were shown with its caption
}

// A push button lights up under the mouse, and tells its window when it takes or loses the
// keyboard focus and whether Enter presses it.
LRESULT Win32ButtonPeer::PushButtonMessage(Win32ButtonPeer& peer, HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!peer.hot_) {
        peer.hot_ = true;
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, window, 0};
        TrackMouseEvent(&leave);
        InvalidateRect(window, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      peer.hot_ = false;
      InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = PassOn(window, message, wParam, lParam);
      peer.FormPeer().PushButtonFocused(window, message == WM_SETFOCUS);
      return result;
    }
    // An owner-drawn button answers as no push button at all: dialog navigation would then
    // press the window's default button on Enter whatever button has the focus.
    case WM_GETDLGCODE: {
      const LRESULT code =
          PassOn(window, message, wParam, lParam) & ~static_cast<LRESULT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
      return code | DLGC_BUTTON |
             (peer.FormPeer().ActsAsDefault(peer.Model()) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    default: break;
  }
  return PassOn(window, message, wParam, lParam);
}

void Win32ButtonPeer::ApplyLook() {
  const bool looked = Model().Parent().Look().has_value();
  if (Model().Kind() != ControlKind::CommandButton) {
    // The system's themed drawing of these boxes ignores the text colour a window asks for.
    SetWindowTheme(Window(), looked ? L"" : nullptr, looked ? L"" : nullptr);
    return;
  }
  ShowDefaultRole();
  ShowSystemIcon();  // the system's button colours may have changed with the look
}

void Win32ButtonPeer::ShowDefaultRole() {
  if (Model().Kind() != ControlKind::CommandButton) return;
  const bool looked = Model().Parent().Look().has_value();
  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE) & ~static_cast<LONG_PTR>(BS_TYPEMASK);
  const bool isDefault = FormPeer().ActsAsDefault(Model());
  SetWindowLongPtrW(Window(), GWL_STYLE,
                    style | (looked      ? BS_OWNERDRAW
                             : isDefault ? BS_DEFPUSHBUTTON
                                         : BS_PUSHBUTTON));
  InvalidateRect(Window(), nullptr, TRUE);
}

// The skin's button: a rounded face in the colours of its state, the caption (and picture)
// centred, and a ring inside the edge while it has the keyboard focus.
bool Win32ButtonPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const auto& look = Model().Parent().Look();
  if (Model().Kind() != ControlKind::CommandButton || !look) return false;
  const auto& button = static_cast<const ui::CommandButton&>(Model());
  const ui::ButtonLook& state = (item.itemState & ODS_DISABLED)    ? look->disabled
                                : (item.itemState & ODS_SELECTED)  ? look->pressed
                                : FormPeer().ActsAsDefault(button) ? look->defaultButton
                                : hot_                             ? look->hot
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
                    ToColorRef(FormPeer().ActsAsDefault(button) ? look->defaultButton.text : look->focusRing),
                    std::max(1, MulDiv(2, static_cast<int>(dpi), 96)));
  }

  ui::Font font = Model().GetFont();
  font.name = look->buttonFont.name;
  const FontObject drawn = MakeFont(font, dpi);
  const SelectedObject inFont(dc, drawn.get());
  SetBkMode(dc, TRANSPARENT);
  const COLORREF ink = ToColorRef(state.text);
  SetTextColor(dc, ink);
  const std::wstring caption = WindowText(Window());  // with its access key
  const UINT format = DT_CENTER | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  RECT measured = face;
  DrawTextW(dc, caption.c_str(), -1, &measured, format | DT_CALCRECT);
  const int textWidth = caption.empty() ? 0 : static_cast<int>(measured.right - measured.left);
  const int textHeight = caption.empty() ? 0 : static_cast<int>(measured.bottom - measured.top);
  const int gap = caption.empty() || !picture_ ? 0 : MulDiv(stacked_ ? 4 : 6, static_cast<int>(dpi), 96);
  const int size = picture_ ? picture_.Size() : 0;
  const int centreX = (face.left + face.right) / 2;
  const int centreY = (face.top + face.bottom) / 2;
  RECT text = face;
  if (stacked_) {
    // The picture above the caption, the two centred together.
    const int top = centreY - (size + gap + textHeight) / 2;
    if (picture_) picture_.Draw(dc, centreX - size / 2, top, ink);
    text.top = top + size + gap;
    text.bottom = text.top + textHeight;
  } else {
    // The picture left of the caption, the two centred together.
    const int left = centreX - (size + gap + textWidth) / 2;
    if (picture_) picture_.Draw(dc, left, centreY - size / 2, ink);
    text.left = left + size + gap;
    text.right = text.left + textWidth;
    text.top = centreY - textHeight / 2;
    text.bottom = text.top + textHeight;
  }
  if (!caption.empty()) DrawTextW(dc, caption.c_str(), -1, &text, format);
  return true;
}

void Win32ButtonPeer::ShowOwn(ui::Aspect aspect) {
  const ui::Control& control = Model();
  switch (aspect) {
    case ui::Aspect::Caption:
    case ui::Aspect::Text:
      Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(FormPeer().ShowAccessKeys(&control)).c_str()); });
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

// The button's picture: at the size of small icons at the window's dots per inch beside the
// caption, or half as large again above it on a button tall enough to hold both (the tool row's).
void Win32ButtonPeer::ShowPicture() {
  const int resource = static_cast<const ui::CommandButton&>(Model()).Picture();
  const UINT dpi = FormPeer().Dpi();
  const int small = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
  const bool stacked = TwipsToPixels(Model().Position().height, dpi) * 2 >= small * 7;
  const int size = stacked ? small * 3 / 2 : small;
  if (resource == pictureResource_ && size == pictureSize_) return;
  stacked_ = stacked;
  pictureResource_ = resource;
  pictureSize_ = size;
  picture_ = resource ? GlyphPicture(resource, size) : GlyphPicture();
  ShowSystemIcon();
}

// A button the system draws shows the glyph in the system's button text colour; a button the
// peer draws in the window's look needs no icon of the system's (it is made when the look goes).
void Win32ButtonPeer::ShowSystemIcon() {
  const bool drawnByPeer = Model().Parent().Look().has_value();
  if (drawnByPeer && !systemIcon_) return;
  IconHandle icon = picture_ && !drawnByPeer ? picture_.MakeIcon(GetSysColor(COLOR_BTNTEXT)) : IconHandle();
  // The button lets go of the old icon before it is destroyed.
  SendMessageW(Window(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
  systemIcon_ = std::move(icon);
}

void Win32ButtonPeer::Placed() {
  if (Model().Kind() == ControlKind::CommandButton) ShowPicture();  // its size may change with the button's
}

void Win32ButtonPeer::OnCommand(WORD code) {
  if (Syncing() || code != BN_CLICKED) return;
  const std::weak_ptr<const bool> alive = Alive();
  Model().UserClick();
  // A click that closes the window (an OK button) has taken this peer with it.
  if (!alive.expired() && Model().Kind() == ControlKind::OptionButton) ShowOwn(ui::Aspect::Value);
}

int Win32ButtonPeer::CaptionWidthTwips() const {
  const auto& look = Model().Parent().Look();
  const std::wstring caption = WindowText(Window());
  if (!look || caption.empty()) return Win32WindowedPeer::CaptionWidthTwips();
  ui::Font font = Model().GetFont();
  font.name = look->buttonFont.name;
  const UINT dpi = FormPeer().Dpi();
  const FontObject drawn = MakeFont(font, dpi);
  const WindowDcScope screen(nullptr);
  const SelectedObject inFont(screen.Dc(), drawn.get());
  RECT measured{0, 0, 0, 0};
  DrawTextW(screen.Dc(), caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
  return PixelsToTwips(measured.right, dpi);
}

}  // namespace curfew::platform::win32
