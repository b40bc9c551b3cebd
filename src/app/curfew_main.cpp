// curfew.exe: the program's entry point. For now it shows its main window, titled with the
// product name from the version resource.
#include <windows.h>
#include <commctrl.h>

#include "localization/mod_identity.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_version_info.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"CurfewMainWindow";
constexpr int kDefaultWidth = 560;  // at 96 dots per inch
constexpr int kDefaultHeight = 420;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);

  const curfew::ProductIdentity identity = curfew::LoadIdentity(curfew::platform::win32::Win32VersionInfo{});

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&windowClass)) return 1;

  const UINT dpi = GetDpiForSystem();
  const std::wstring title = curfew::platform::win32::Utf8ToWide(identity.strProgramName);
  HWND window = CreateWindowExW(0, kMainWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                MulDiv(kDefaultWidth, static_cast<int>(dpi), 96),
                                MulDiv(kDefaultHeight, static_cast<int>(dpi), 96), nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
