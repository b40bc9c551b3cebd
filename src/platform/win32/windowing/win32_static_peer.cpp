// Labels, frames, pictures and lines: the system's STATIC and group-box windows.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/callback_guard.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_canvas.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/win32/windowing/win32_subclass.h"

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
  Subclass<Win32FramePeer, PaintMessage>::Install(Window(), SubclassId::FramePaint, *this);
}

LRESULT Win32FramePeer::PaintMessage(Win32FramePeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!peer.Model().Parent().Look()) return PassOn(window, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: {
      const PaintScope paint(window);
      peer.Paint(paint.Dc());
      return 0;
    }
    case WM_PRINTCLIENT: peer.Paint(reinterpret_cast<HDC>(wParam)); return 0;
    default: return PassOn(window, message, wParam, lParam);
  }
}

void Win32FramePeer::Paint(HDC dc) {
  const auto& look = Model().Parent().Look();
  RECT area{};
  GetClientRect(Window(), &area);
  const BrushObject back(CreateSolidBrush(ToColorRef(Model().BackColor())));
  FillRect(dc, &area, back.get());
  const SelectedObject inFont(dc, reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int dpi = static_cast<int>(FormPeer().Dpi());
  const int radius = MulDiv(8, dpi, 96);
  const RECT edge{area.left, area.top + metrics.tmHeight / 2, area.right, area.bottom};
  DrawRoundedRect(dc, edge, radius, std::nullopt, ToColorRef(look->normal.border));
  const std::wstring caption = Utf8ToWide(Model().Caption());
  if (!caption.empty()) {
    RECT text{area.left + MulDiv(8, dpi, 96), area.top, area.right, area.top + metrics.tmHeight};
    RECT measured = text;
    DrawTextW(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    measured.left -= MulDiv(3, dpi, 96);
    measured.right += MulDiv(3, dpi, 96);
    FillRect(dc, &measured, back.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(Model().Enabled() ? Model().ForeColor() : look->disabled.text));
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
  }
}

void Win32FramePeer::ShowOwn(ui::Aspect aspect) {
  if (aspect == ui::Aspect::Role) {
    InvalidateRect(Window(), nullptr, TRUE);
    return;
  }
  if (aspect != ui::Aspect::Caption && aspect != ui::Aspect::Text) return;
  Quietly([&] { SetWindowTextW(Window(), Utf8ToWide(Model().Caption()).c_str()); });
}

Win32PicturePeer::Win32PicturePeer(Win32FormPeer& form, ui::PictureBox& control) : Win32PeerOf(form, control) {
  const bool picture = control.Picture() != 0;
  Create(L"STATIC", SS_NOTIFY | (picture ? SS_BITMAP | SS_REALSIZECONTROL : 0));
}

void Win32PicturePeer::ShowOwn(ui::Aspect aspect) {
  if (aspect != ui::Aspect::Caption && aspect != ui::Aspect::Text) return;
  const int resource = Model().Picture();
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
