// The smallest window program built like curfew.exe: the yardstick for its start-up time and
// memory (scripts/measure-app). Given a number, the window also holds that many of the system's
// labels and buttons: the least any window with that many child windows costs.
#include <windows.h>

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BareWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"BareWindow", L"Bare Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                640, 480, nullptr, nullptr, instance, nullptr);
  const int children = __argc > 1 ? _wtoi(__wargv[1]) : 0;
  for (int child = 0; child < children; ++child) {
    CreateWindowExW(0, child % 3 ? L"STATIC" : L"BUTTON", L"Child window", WS_CHILD | WS_VISIBLE, 8 + 160 * (child % 4),
                    8 + 24 * (child / 4), 150, 20, window, nullptr, instance, nullptr);
  }
  ShowWindow(window, SW_SHOW);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
