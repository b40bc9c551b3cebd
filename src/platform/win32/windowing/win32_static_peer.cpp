#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"

namespace curfew::platform::win32 {
namespace {

DWORD StaticStyle(const ui::Control& control) {
  switch (control.Kind()) {
    case ui::ControlKind::Line:
      return control.Position().height <= control.Position().width ? SS_ETCHEDHORZ : SS_ETCHEDVERT;
    case ui::ControlKind::PictureBox:
    case ui::ControlKind::Image: return SS_NOTIFY;
    default: return SS_LEFT | SS_NOTIFY;
  }
}

bool ShowsCaption(ui::ControlKind kind) { return kind == ui::ControlKind::Label || kind == ui::ControlKind::SkinLabel; }

}  // namespace

Win32StaticPeer::Win32StaticPeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  Create(L"STATIC", StaticStyle(control));
}

void Win32StaticPeer::ShowOwn(ui::Aspect aspect) {
  if ((aspect != ui::Aspect::Caption && aspect != ui::Aspect::Text) || !ShowsCaption(Model().Kind())) return;
  Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(Model().Caption()).c_str()); });
}

void Win32StaticPeer::OnCommand(WORD code) {
  if (Syncing() || Model().Kind() == ui::ControlKind::Line) return;
  if (code == STN_CLICKED)
    Model().UserClick();
  else if (code == STN_DBLCLK)
    Model().UserDoubleClick();
}

}  // namespace curfew::platform::win32
