#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"

namespace curfew::platform::win32 {

Win32EditPeer::Win32EditPeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  Create(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  WatchKeys(Window());
}

void Win32EditPeer::ShowOwn(ui::Aspect aspect) {
  if (aspect != ui::Aspect::Text) return;
  Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(Model().Text()).c_str()); });
}

void Win32EditPeer::OnCommand(WORD code) {
  if (!Syncing() && code == EN_CHANGE) Model().UserType(WideToUtf8(WindowText(Window())));
}

}  // namespace curfew::platform::win32
