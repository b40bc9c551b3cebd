#include "platform/win32/win32_tray_icon.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/win32/callback_guard.h"
#include "platform/win32/text_conversion.h"

namespace curfew::platform::win32 {
namespace {

constexpr UINT kIconId = 9999;
// The program's icon and its kept-awake variant among the resources.
constexpr WORD kProgramIconId = 1;
constexpr WORD kAwakeIconId = 2;
constexpr UINT kCallbackMessage = WM_LBUTTONDOWN;  // 513
constexpr wchar_t kWindowClass[] = L"CurfewTrayWindow";
constexpr UINT_PTR kDoubleClickTimer = 1;

// What a new task bar (Explorer started again) tells every top-level window.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace

std::string TrayTipField(std::string_view tip) {
  std::string ansi = Utf8ToAnsi(tip);
  if (ansi.size() > 63) ansi.resize(63);
  return ansi;
}

Win32TrayIcon::Win32TrayIcon()
    : clicks_(
          [this](int mouseMessage) {
            if (onNotify) onNotify(mouseMessage);
          },
          [this](bool start) {
            if (start)
              SetTimer(window_.get(), kDoubleClickTimer, GetDoubleClickTime(), nullptr);
            else
              KillTimer(window_.get(), kDoubleClickTimer);
          }) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  window_.reset(
      CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance, nullptr));
  if (!window_) throw std::runtime_error("the window of the notification icon could not be created");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // A program run as administrator hears the new task bar only when it lets its message in.
  ChangeWindowMessageFilterEx(window_.get(), TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
}

Win32TrayIcon::~Win32TrayIcon() {
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  KillTimer(window_.get(), kDoubleClickTimer);
}

LRESULT CALLBACK Win32TrayIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* tray = reinterpret_cast<Win32TrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (tray && message == kCallbackMessage && wParam == kIconId) {
    return Guarded<LRESULT>(0, [&] {
      tray->clicks_.Notify(static_cast<int>(LOWORD(lParam)));
      return LRESULT{0};
    });
  }
  if (tray && message == TaskbarCreatedMessage() && message != 0) {
    return Guarded<LRESULT>(0, [&] {
      if (tray->onShellRestarted) tray->onShellRestarted();
      return LRESULT{0};
    });
  }
  if (tray && message == WM_TIMER && wParam == kDoubleClickTimer) {
    return Guarded<LRESULT>(0, [&] {
      tray->clicks_.WaitOver();
      return LRESULT{0};
    });
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The icon itself keeps the first record layout; a notification needs the later one, which
// only this modification uses.
bool Win32TrayIcon::ShowNotification(std::string_view title, std::string_view text) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_.get();
  data.uID = kIconId;
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_WARNING;
  const std::wstring wideTitle = Utf8ToWide(title);
  const std::wstring wideText = Utf8ToWide(text);
  lstrcpynW(data.szInfoTitle, wideTitle.c_str(), static_cast<int>(std::size(data.szInfoTitle)));
  lstrcpynW(data.szInfo, wideText.c_str(), static_cast<int>(std::size(data.szInfo)));
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool Win32TrayIcon::Send(DWORD command, UINT flags, std::string_view tip) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window_.get();
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kCallbackMessage;
  // The notification area's size at the DPI of the moment, drawn from the icon's own images;
  // the shell keeps a copy.
  HICON loaded = nullptr;
  LoadIconMetric(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(keptAwake_ ? kAwakeIconId : kProgramIconId), LIM_SMALL,
                 &loaded);
  const IconHandle icon(loaded);
  data.hIcon = icon.get();
  const std::string field = TrayTipField(tip);
  std::memcpy(data.szTip, field.data(), field.size());
  return Shell_NotifyIconA(command, &data) != FALSE;
}

bool Win32TrayIcon::Add(std::string_view tip) { return Send(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, tip); }

bool Win32TrayIcon::Modify(std::string_view tip) { return Send(NIM_MODIFY, NIF_TIP, tip); }

bool Win32TrayIcon::ShowKeptAwake(bool awake) {
  keptAwake_ = awake;
  return Send(NIM_MODIFY, NIF_ICON, "");
}

bool Win32TrayIcon::Remove() { return Send(NIM_DELETE, 0, ""); }

}  // namespace curfew::platform::win32
