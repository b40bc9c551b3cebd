#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/tray.h"
#include "platform/tray_click_filter.h"
#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {

// The tip as the record holds it: the ANSI text, cut to the 63 characters of its 64-character
// field (the last holds the terminating zero).
std::string TrayTipField(std::string_view tip);

// Shell_NotifyIconA with the first record layout, identifier 9999 and the callback message
// 513 (the left-button-down number, so a notification reads as a mouse-down); the callback
// arrives at a hidden window of its own. A left click is reported once the double-click time
// has passed without a second click (TrayClickFilter).
class Win32TrayIcon final : public TrayIcon {
 public:
  Win32TrayIcon();
  ~Win32TrayIcon() override;
  Win32TrayIcon(const Win32TrayIcon&) = delete;
  Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

  bool Add(std::string_view tip) override;
  bool Modify(std::string_view tip) override;
  bool Remove() override;
  bool ShowNotification(std::string_view title, std::string_view text) override;
  bool ShowKeptAwake(bool awake) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool Send(DWORD command, UINT flags, std::string_view tip);

  WindowHandle window_;
  TrayClickFilter clicks_;
  bool keptAwake_ = false;
};

}  // namespace curfew::platform::win32
