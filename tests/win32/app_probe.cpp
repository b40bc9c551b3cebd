// Looks at and drives a running curfew.exe from outside, as a user would:
//   app_probe wait-window TITLE SECONDS   exit 0 once a window of that title is shown
//   app_probe visible TITLE               exit 0 when the window is visible, 1 when hidden
//   app_probe child-windows TITLE         prints how many windows that window holds
//   app_probe close TITLE                 the close box
//   app_probe end-session TITLE           tells the window that Windows logs the user off
//   app_probe press TITLE KEY [COUNT]     presses enter, escape, tab, left, right, up or down in
//                                         that window, COUNT times (1 unless given)
//   app_probe alt TITLE LETTER            presses Alt and the letter in that window (its menu)
//   app_probe type TITLE TEXT             types TEXT into the control with the focus there
//   app_probe click TITLE CAPTION         clicks the button of that caption (its access key's
//                                         "&" left out) in that window
//   app_probe click-control TITLE CLASS N [right]
//                                         clicks near the left edge of the Nth control (from 0,
//                                         in tab order) of that window class, which takes the
//                                         focus; or near its right edge (a drop-down button,
//                                         whose list or calendar takes the focus)
//   app_probe tray-icon TIP SECONDS       exit 0 once the program's notification icon is there
//   app_probe restart-shell               takes the program's icon away and tells its window of
//                                         a new task bar, as a restart of Explorer does
//   app_probe tray-menu                   a right click on the program's notification icon
//   app_probe schedule-time MINUTES       prints "DATE HH:MM:00" for the start of the minute
//                                         that many minutes on, in the user's short date form
#include <windows.h>
#include <shellapi.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/date_arithmetic.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale.h"

namespace {

using curfew::platform::win32::Utf8ToWide;
using curfew::platform::win32::WideToUtf8;

HWND Find(const std::string& title) { return FindWindowW(nullptr, Utf8ToWide(title).c_str()); }

// The control with the keyboard focus in the thread of that window, once it lies inside the
// window (a window just shown may still be taking the focus); the window itself otherwise.
HWND FocusIn(HWND window) {
  for (int step = 0; step < 200; ++step) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
        (info.hwndFocus == window || IsChild(window, info.hwndFocus)))
      return info.hwndFocus;
    Sleep(10);
  }
  return window;
}

bool WaitForFocus(HWND window, HWND control) {
  for (int step = 0; step < 200; ++step) {
    if (FocusIn(window) == control) return true;
    Sleep(10);
  }
  return false;
}

WPARAM KeyNamed(const std::string& name) {
  if (name == "enter") return VK_RETURN;
  if (name == "escape") return VK_ESCAPE;
  if (name == "left") return VK_LEFT;
  if (name == "right") return VK_RIGHT;
  if (name == "up") return VK_UP;
  if (name == "down") return VK_DOWN;
  return VK_TAB;
}

struct ControlSearch {
  std::wstring windowClass;
  int wanted;
  HWND found = nullptr;
};

BOOL CALLBACK CountControl(HWND control, LPARAM context) {
  auto& search = *reinterpret_cast<ControlSearch*>(context);
  wchar_t name[64];
  if (GetClassNameW(control, name, 64) && search.windowClass == name && search.wanted-- == 0) {
    search.found = control;
    return FALSE;
  }
  return TRUE;
}

// A button by the caption it shows, its access key's "&" left out.
struct ButtonSearch {
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND control, LPARAM context) {
  auto& search = *reinterpret_cast<ButtonSearch*>(context);
  wchar_t name[16] = {};
  wchar_t text[256] = {};
  GetClassNameW(control, name, 16);
  GetWindowTextW(control, text, 256);
  std::wstring shown = text;
  std::erase(shown, L'&');
  if (std::wstring_view(name) == L"Button" && shown == search.caption) {
    search.found = control;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(WideToUtf8(wide[i]));
  LocalFree(wide);
  if (args.empty()) return 2;
  const std::string& command = args[0];
  // A program started in a desktop of its own (Wine's virtual desktop) is found only there.
  if (const wchar_t* desktopName = _wgetenv(L"CURFEW_PROBE_DESKTOP")) {
    if (HDESK desktop = OpenDesktopW(desktopName, 0, FALSE, GENERIC_ALL)) SetThreadDesktop(desktop);
  }

  if (command == "wait-window" && args.size() == 3) {
    for (int step = 0; step < std::stoi(args[2]) * 100; ++step) {
      const HWND window = Find(args[1]);
      if (window && IsWindowVisible(window)) return 0;
      Sleep(10);
    }
    return 1;
  }
  if (command == "child-windows" && args.size() == 2) {  // prints how many windows the window holds
    const HWND window = Find(args[1]);
    if (!window) return 1;
    int children = 0;
    EnumChildWindows(
        window, [](HWND, LPARAM counted) { return ++*reinterpret_cast<int*>(counted), TRUE; },
        reinterpret_cast<LPARAM>(&children));
    std::printf("%d\n", children);
    return 0;
  }
  if (command == "visible" && args.size() == 2) {
    const HWND window = Find(args[1]);
    return window && IsWindowVisible(window) ? 0 : 1;
  }
  if (command == "close" && args.size() == 2) {
    const HWND window = Find(args[1]);
    if (!window) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == "end-session" && args.size() == 2) {
    const HWND window = Find(args[1]);
    if (!window) return 1;
    SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    PostMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    return 0;
  }
  if (command == "press" && (args.size() == 3 || args.size() == 4)) {
    const HWND window = Find(args[1]);
    if (!window) return 1;
    // The key goes where the user's would: to the control with the focus in that window.
    const HWND target = FocusIn(window);
    const WPARAM key = KeyNamed(args[2]);
    const int presses = args.size() == 4 ? std::stoi(args[3]) : 1;
    for (int press = 0; press < presses; ++press) {
      PostMessageW(target, WM_KEYDOWN, key, 0);
      PostMessageW(target, WM_KEYUP, key, 0);
    }
    // A Tab moves the focus: the next command must find it where it went.
    if (key == VK_TAB) Sleep(200);
    return 0;
  }
  if (command == "alt" && args.size() == 3 && args[2].size() == 1) {
    const HWND window = Find(args[1]);
    if (!window) return 1;
    // The context bit says Alt is down; the window's default handling opens its menu.
    const WPARAM key = static_cast<WPARAM>(std::toupper(static_cast<unsigned char>(args[2][0])));
    PostMessageW(window, WM_SYSKEYDOWN, key, 1 << 29);
    PostMessageW(window, WM_SYSKEYUP, key, (1 << 29) | (1u << 30) | (1u << 31));
    Sleep(300);
    return 0;
  }
  if (command == "type" && args.size() == 3) {
    const HWND window = Find(args[1]);
    if (!window) return 1;
    const HWND target = FocusIn(window);
    for (const wchar_t unit : Utf8ToWide(args[2])) PostMessageW(target, WM_CHAR, unit, 0);
    return 0;
  }
  if (command == "click-control" && (args.size() == 4 || (args.size() == 5 && args[4] == "right"))) {
    const HWND window = Find(args[1]);
    if (!window) return 1;
    ControlSearch search{Utf8ToWide(args[2]), std::stoi(args[3])};
    EnumChildWindows(window, CountControl, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    RECT area{};
    GetClientRect(search.found, &area);
    const LPARAM point = MAKELPARAM(args.size() == 5 ? area.right - 4 : 4, area.bottom / 2);
    PostMessageW(search.found, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(search.found, WM_LBUTTONUP, 0, point);
    return args.size() == 5 || WaitForFocus(window, search.found) ? 0 : 1;
  }
  if (command == "click" && args.size() == 3) {
    const HWND window = Find(args[1]);
    ButtonSearch search{Utf8ToWide(args[2])};
    if (window) EnumChildWindows(window, FindButton, reinterpret_cast<LPARAM>(&search));
    const HWND button = search.found;
    if (!button) return 1;
    PostMessageW(button, BM_CLICK, 0, 0);
    return 0;
  }
  if (command == "tray-icon" && args.size() == 3) {
    // Changing the tip of an icon succeeds only while the shell holds that icon.
    for (int step = 0; step < std::stoi(args[2]) * 100; ++step) {
      NOTIFYICONDATAA data{};
      data.cbSize = NOTIFYICONDATAA_V1_SIZE;
      data.hWnd = FindWindowW(L"CurfewTrayWindow", nullptr);
      data.uID = 9999;
      data.uFlags = NIF_TIP;
      lstrcpynA(data.szTip, args[1].c_str(), 64);
      if (data.hWnd && Shell_NotifyIconA(NIM_MODIFY, &data)) return 0;
      Sleep(10);
    }
    return 1;
  }
  if (command == "restart-shell" && args.size() == 1) {
    NOTIFYICONDATAA gone{};
    gone.cbSize = NOTIFYICONDATAA_V1_SIZE;
    gone.hWnd = FindWindowW(L"CurfewTrayWindow", nullptr);
    gone.uID = 9999;
    if (!gone.hWnd || !Shell_NotifyIconA(NIM_DELETE, &gone)) return 1;
    PostMessageW(gone.hWnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    return 0;
  }
  if (command == "tray-menu" && args.size() == 1) {
    const HWND tray = FindWindowW(L"CurfewTrayWindow", nullptr);
    if (!tray) return 1;
    // The icon's own message (a left button's number), as the shell sends it for a right click.
    PostMessageW(tray, WM_LBUTTONDOWN, 9999, WM_RBUTTONUP);
    return 0;
  }
  if (command == "schedule-time" && args.size() == 2) {
    curfew::LocalDateTime moment = curfew::platform::win32::Win32Clock{}.Now();
    moment = curfew::date_arithmetic::AddSeconds(moment, std::stoll(args[1]) * 60);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:00", moment.time.hour, moment.time.minute);
    std::printf("%s %s\n", curfew::platform::win32::Win32Locale{}.FormatShortDate(moment.date).c_str(), time);
    return 0;
  }
  return 2;
}
