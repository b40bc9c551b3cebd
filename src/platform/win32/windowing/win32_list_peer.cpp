#include <windowsx.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_dark_recolouring.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_runtime.h"

namespace curfew::platform::win32 {

Win32ListPeer::Win32ListPeer(Win32FormPeer& form, ui::ListControl& control) : Win32PeerOf(form, control) {
  if (IsCombo()) {
    const bool editable = static_cast<const ui::ComboBox&>(control).GetStyle() == ui::ComboBox::Style::DropDownCombo;
    Create(L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST));
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof(combo);
    WatchKeys(GetComboBoxInfo(Window(), &combo) && combo.hwndItem ? combo.hwndItem : Window());
    // The box's edge and drop-down button are the system's drawing, light whatever the colours.
    RecolourWhenDark(Window(), control);
  } else {
    Create(L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE);
  }
}

// A combo box recoloured in a dark look draws itself in the system's light colours; its edit
// field and its list are windows of their own and take the control's colours.
HBRUSH Win32ListPeer::OnControlColour(HDC dc, HWND asking) {
  const auto& look = Model().Parent().Look();
  if (!IsCombo() || asking != Window() || !look || !look->dark) return Win32WindowedPeer::OnControlColour(dc, asking);
  return LightSystemColours(dc);
}

void Win32ListPeer::ShowOwn(ui::Aspect aspect) {
  const auto& list = Model();
  const bool combo = IsCombo();
  switch (aspect) {
    case ui::Aspect::Text:
      if (combo) Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(list.Text()).c_str()); });
      break;
    case ui::Aspect::Items:
      Quietly([&] {
        SendMessageW(Window(), combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < list.ListCount(); ++i) {
          const std::wstring item = Utf8ToWide(list.List(i));
          SendMessageW(Window(), combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
      });
      ShowOwn(ui::Aspect::Selection);
      break;
    case ui::Aspect::Selection:
      Quietly([&] {
        SendMessageW(Window(), combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list.ListIndex()), 0);
        if (combo && list.ListIndex() < 0) SetWindowTextW(Window(), Utf8ToWide(list.Text()).c_str());
      });
      break;
    default: break;
  }
}

// One window call per entry added or removed.
void Win32ListPeer::EntryAdded(int index) {
  const std::wstring item = Utf8ToWide(Model().List(index));
  Quietly([&] {
    SendMessageW(Window(), IsCombo() ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  });
}

void Win32ListPeer::EntryRemoved(int index) {
  Quietly(
      [&] { SendMessageW(Window(), IsCombo() ? CB_DELETESTRING : LB_DELETESTRING, static_cast<WPARAM>(index), 0); });
  ShowOwn(ui::Aspect::Selection);  // the selection is held by number: it may have moved
}

// A combo box's window height includes its drop-down list.
RECT Win32ListPeer::PixelRect() const {
  RECT place = Win32WindowedPeer::PixelRect();
  if (IsCombo()) place.bottom += MulDiv(160, static_cast<int>(FormPeer().Dpi()), 96);
  return place;
}

void Win32ListPeer::OnCommand(WORD code) {
  if (Syncing()) return;
  if (IsCombo()) {
    auto& combo = static_cast<ui::ComboBox&>(Model());
    if (code == CBN_SELCHANGE)
      combo.UserPick(ComboBox_GetCurSel(Window()));
    else if (code == CBN_EDITCHANGE)
      combo.UserType(WideToUtf8(WindowText(Window())));
    return;
  }
  if (code == LBN_SELCHANGE)
    static_cast<ui::ListBox&>(Model()).UserPick(ListBox_GetCurSel(Window()));
  else if (code == LBN_DBLCLK)
    Model().UserDoubleClick();
}

}  // namespace curfew::platform::win32
