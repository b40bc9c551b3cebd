// The program's windows on the real window back end: how long the browser window takes to
// open (the system's browser object made and placed) against the about window, and how long
// the schedule editor takes to paint whole in the light skin and in the dark one (which
// recolours what the system draws light). Prints medians in milliseconds. Not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/win32_program_services.h"
#include "appearance/frm_about.h"
#include "appearance/frm_website.h"
#include "platform/win32/ole_session.h"
#include "ui/application.h"
#include "ui/frm_wizard.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median time of a call over that many runs, in milliseconds.
double MedianOf(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER before{};
    LARGE_INTEGER after{};
    QueryPerformanceCounter(&before);
    work();
    QueryPerformanceCounter(&after);
    times.push_back(Milliseconds(before, after));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void SetAppsUseLightTheme(DWORD light) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                  L"AppsUseLightTheme", REG_DWORD, &light, sizeof(light));
}

}  // namespace

int main() {
  const curfew::platform::win32::OleSession ole;
  SetAppsUseLightTheme(1);
  curfew::app::Win32ProgramServices windows("Curfew.WindowsBenchmark.Running");
  curfew::Application application(windows.Services());
  application.Start();
  application.splash.ShowMainWindow();
  curfew::frmMain& main = application.main;
  auto& runtime = windows.Runtime();

  constexpr int kOpens = 10;
  const double about = MedianOf(kOpens, [&] {
    main.mnuAboutItem.UserClick();
    runtime.DoEvents();
    main.About()->Unload();
  });
  const double website = MedianOf(kOpens, [&] {
    main.cmdWebsite.UserClick();
    runtime.DoEvents();
    main.Website()->Unload();
  });
  std::printf("open and close: about window %.1f ms, browser window %.1f ms\n", about, website);

  // A bare second window of the system's own, made, shown, painted and destroyed: the floor
  // for any window the program opens.
  const double bare = MedianOf(kOpens, [&] {
    const HWND plain = CreateWindowExW(0, L"STATIC", L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 640, 480,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(plain);
    runtime.DoEvents();
    DestroyWindow(plain);
  });
  // The schedule editor from the click on New Schedule to painted whole.
  const double editorOpen = MedianOf(kOpens, [&] {
    main.cmdNewSchedule.UserClick();
    UpdateWindow(reinterpret_cast<HWND>(main.ScheduleEditor()->Handle()));
    runtime.DoEvents();
    main.ScheduleEditor()->Unload();
  });
  std::printf(
      "open, paint and close: a bare window %.1f ms, the schedule editor %.1f ms (%.1fx),"
      " the browser %.1fx\n",
      bare, editorOpen, editorOpen / bare, website / bare);

  // The same bare window holding as many of the system's labels and buttons as the editor holds
  // child windows: the least the window system charges for a window like the editor.
  main.cmdNewSchedule.UserClick();
  int children = 0;
  EnumChildWindows(
      reinterpret_cast<HWND>(main.ScheduleEditor()->Handle()),
      [](HWND, LPARAM counted) { return ++*reinterpret_cast<int*>(counted), TRUE; },
      reinterpret_cast<LPARAM>(&children));
  main.ScheduleEditor()->Unload();
  const double bareFull = MedianOf(kOpens, [&] {
    const HWND plain = CreateWindowExW(0, L"STATIC", L"Bare", WS_OVERLAPPEDWINDOW, 100, 100, 640, 480, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    for (int child = 0; child < children; ++child) {
      CreateWindowExW(0, child % 3 ? L"STATIC" : L"BUTTON", L"Child window", WS_CHILD | WS_VISIBLE,
                      8 + 160 * (child % 4), 8 + 24 * (child / 4), 150, 20, plain, nullptr, GetModuleHandleW(nullptr),
                      nullptr);
    }
    ShowWindow(plain, SW_SHOW);
    UpdateWindow(plain);
    runtime.DoEvents();
    DestroyWindow(plain);
  });
  std::printf("a bare window holding %d child windows as the editor does: %.1f ms; the editor %.1fx\n", children,
              bareFull, editorOpen / bareFull);

  main.cmdNewSchedule.UserClick();
  curfew::frmWizard& editor = *main.ScheduleEditor();
  editor.chkScheduler.UserClick();  // the pickers enabled, as while a schedule is entered
  const HWND window = reinterpret_cast<HWND>(editor.Handle());
  constexpr int kPaints = 50;
  for (const DWORD light : {1UL, 0UL}) {
    SetAppsUseLightTheme(light);
    main.SystemChanged(curfew::ui::SystemChange::ColourSchemeChanged);
    runtime.DoEvents();
    const double paint = MedianOf(kPaints, [&] {
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    std::printf("the schedule editor painted whole in the %s skin: %.2f ms\n", light ? "light" : "dark", paint);
  }
  SetAppsUseLightTheme(1);
  main.ExitRequested = true;
  main.Unload();
  return 0;
}
