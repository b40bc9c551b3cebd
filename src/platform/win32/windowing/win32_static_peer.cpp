// Labels, frames, pictures and lines: the system's STATIC and group-box windows.
#include <windows.h>
#include <uxtheme.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"

namespace curfew::platform::win32 {
namespace {

// A click and a double click on a window that reports them (SS_NOTIFY).
void RaiseClicks(ui::Control& control, WORD code) {
  if (code == STN_CLICKED)
    control.UserClick();
  else if (code == STN_DBLCLK)
    control.UserDoubleClick();
}

}  // namespace

Win32LabelPeer::Win32LabelPeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  Create(L"STATIC", SS_LEFT | SS_NOTIFY);
}

void Win32LabelPeer::ShowOwn(ui::Aspect aspect) {
  if (aspect != ui::Aspect::Caption && aspect != ui::Aspect::Text) return;
  Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(Model().Caption()).c_str()); });
}

void Win32LabelPeer::OnCommand(WORD code) {
  if (!Syncing()) RaiseClicks(Model(), code);
}

Win32FramePeer::Win32FramePeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  Create(L"BUTTON", BS_GROUPBOX);
}

void Win32FramePeer::ShowOwn(ui::Aspect aspect) {
  if (aspect == ui::Aspect::Role) {
    // The themed frame ignores the caption colour a window asks for.
    const bool looked = Model().Parent().Look().has_value();
    SetWindowTheme(Window(), looked ? L"" : nullptr, looked ? L"" : nullptr);
    return;
  }
  if (aspect != ui::Aspect::Caption && aspect != ui::Aspect::Text) return;
  Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(Model().Caption()).c_str()); });
}

Win32PicturePeer::Win32PicturePeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  const bool picture = static_cast<const ui::PictureBox&>(control).Picture() != 0;
  Create(L"STATIC", SS_NOTIFY | (picture ? SS_BITMAP | SS_REALSIZECONTROL : 0));
}

void Win32PicturePeer::ShowOwn(ui::Aspect aspect) {
  if (aspect != ui::Aspect::Caption && aspect != ui::Aspect::Text) return;
  const int resource = static_cast<const ui::PictureBox&>(Model()).Picture();
  if (resource == 0) return;
  // The control draws the bitmap but does not own it: the peer keeps it for the control's life.
  BitmapObject picture(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!picture) return;
  SendMessageW(Window(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
  picture_ = std::move(picture);
}

void Win32PicturePeer::OnCommand(WORD code) {
  if (!Syncing()) RaiseClicks(Model(), code);
}

Win32LinePeer::Win32LinePeer(Win32FormPeer& form, ui::Control& control) : Win32WindowedPeer(form, control) {
  const bool horizontal = control.Position().height <= control.Position().width;
  Create(L"STATIC", horizontal ? SS_ETCHEDHORZ : SS_ETCHEDVERT);
}

}  // namespace curfew::platform::win32
