#include "platform/win32/win32_power_broadcast.h"

#include <windows.h>

#include "platform/win32/callback_guard.h"

namespace curfew::platform::win32 {
namespace {

constexpr LRESULT kBroadcastQueryDeny = 0x424D5144;

// The process-wide state the window procedure reads: only the user-interface thread touches it.
bool preventionFlag = false;
WNDPROC PreviousWindowProc = nullptr;

LRESULT CALLBACK PowerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A query with bit 0 of lParam set lets the application ask the user; only the silent ones
  // are refused.
  if (message == WM_POWERBROADCAST && lParam == 0 && preventionFlag) return kBroadcastQueryDeny;
  return Guarded<LRESULT>(0, [&] { return CallWindowProcW(PreviousWindowProc, window, message, wParam, lParam); });
}

HWND ToWindow(NativeWindow window) { return reinterpret_cast<HWND>(window); }

}  // namespace

void Win32PowerBroadcastFilter::SetPreventionFlag(bool on) { preventionFlag = on; }

bool Win32PowerBroadcastFilter::PreventionFlag() const { return preventionFlag; }

bool Win32PowerBroadcastFilter::Installed() const { return PreviousWindowProc != nullptr; }

void Win32PowerBroadcastFilter::Install(NativeWindow window) {
  // PowerWindowProc may run before SetWindowLongPtrW returns; it must find the old procedure.
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(ToWindow(window), GWLP_WNDPROC));
  if (!current) return;
  PreviousWindowProc = current;
  if (!SetWindowLongPtrW(ToWindow(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PowerWindowProc)))
    PreviousWindowProc = nullptr;
}

void Win32PowerBroadcastFilter::Uninstall(NativeWindow window) {
  SetWindowLongPtrW(ToWindow(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousWindowProc));
  PreviousWindowProc = nullptr;
}

}  // namespace curfew::platform::win32
