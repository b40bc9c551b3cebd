#include <windowsx.h>

#include <utility>

#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"
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
    case ui::Aspect::Role:
      if (control.Kind() == ControlKind::CommandButton) {
        const bool isDefault = static_cast<const ui::CommandButton&>(control).Default();
        SendMessageW(Window(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
      }
      break;
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
