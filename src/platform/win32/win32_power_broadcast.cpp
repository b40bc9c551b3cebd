#include "platform/win32/win32_power_broadcast.h"

#include "platform/win32/windowing/win32_subclass.h"

namespace curfew::platform::win32 {
namespace {

constexpr LRESULT kBroadcastQueryDeny = 0x424D5144;

HWND ToWindow(NativeWindow window) { return reinterpret_cast<HWND>(window); }

}  // namespace

LRESULT Win32PowerBroadcastFilter::Filter(Win32PowerBroadcastFilter& filter, HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  // A query with bit 0 of lParam set lets the application ask the user; only the silent ones
  // are refused.
  if (message == WM_POWERBROADCAST && lParam == 0 && filter.preventionFlag_) return kBroadcastQueryDeny;
  return PassOn(window, message, wParam, lParam);
}

void Win32PowerBroadcastFilter::Install(NativeWindow window) {
  installed_ =
      Subclass<Win32PowerBroadcastFilter, Filter>::Install(ToWindow(window), SubclassId::PowerBroadcast, *this);
}

void Win32PowerBroadcastFilter::Uninstall(NativeWindow window) {
  Subclass<Win32PowerBroadcastFilter, Filter>::Remove(ToWindow(window), SubclassId::PowerBroadcast);
  installed_ = false;
}

}  // namespace curfew::platform::win32
