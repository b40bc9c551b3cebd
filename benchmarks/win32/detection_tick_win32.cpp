// One detection tick of the scheduler engine over 10,000 rows, none of them due, on the real
// window back end: curfew's main window as it runs, with its list view holding the rows.
// Prints the minimum, median and maximum of the ticks in milliseconds. Not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_power_broadcast.h"
#include "platform/win32/win32_power_system.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_version_info.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "ui/application.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  using namespace curfew::platform::win32;
  constexpr int kRows = 10000;
  constexpr int kTicks = 50;
  const Win32VersionInfo versionInfo;
  Win32Runtime runtime("Curfew benchmark");
  Win32FileSystem files;
  const Win32Clock clock;
  const Win32Locale locale;
  Win32Registry registry;
  Win32PowerSystem power;
  Win32PowerBroadcastFilter powerFilter;
  Win32TrayIcon tray;
  Win32Process process("Curfew.DetectionBenchmark.Running");
  curfew::AppServices services{runtime,     files, clock,   locale,      registry, power,
                               powerFilter, tray,  process, versionInfo, {}};
  curfew::Application application(services);
  application.Start();
  application.splash.ShowMainWindow();
  curfew::frmMain& main = application.main;
  main.tmrScheduler.SetEnabled(false);  // only the ticks below

  // Tomorrow at this minute: never due while the benchmark runs.
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const auto today = std::chrono::year_month_day{std::chrono::year(now.wYear), std::chrono::month(now.wMonth),
                                                 std::chrono::day(now.wDay)};
  const std::string next =
      locale.FormatShortDate(std::chrono::year_month_day{std::chrono::sys_days(today) + std::chrono::days(1)}) +
      " 23:30:00";
  // Filled while the window is hidden, as from the tray; the ticks run with it shown.
  main.Hide();
  LARGE_INTEGER start{};
  LARGE_INTEGER filled{};
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRows; ++i) {
    const int row = main.lstSchedules.AddListItem("Schedule " + std::to_string(i));
    main.lstSchedules.SetSubItem(row, 1, "Shut Down");
    main.lstSchedules.SetSubItem(row, 3, next);
  }
  QueryPerformanceCounter(&filled);
  main.Show();

  std::vector<double> ticks;
  for (int i = 0; i < kTicks; ++i) {
    LARGE_INTEGER before{};
    LARGE_INTEGER after{};
    QueryPerformanceCounter(&before);
    main.tmrScheduler.Tick();
    QueryPerformanceCounter(&after);
    ticks.push_back(Milliseconds(before, after));
    runtime.DoEvents();
  }
  std::sort(ticks.begin(), ticks.end());
  std::printf("rows added: %d in %.0f ms\n", kRows, Milliseconds(start, filled));
  std::printf("detection tick over %d rows: min %.3f ms, median %.3f ms, max %.3f ms\n", kRows, ticks.front(),
              ticks[ticks.size() / 2], ticks.back());
  main.ExitRequested = true;
  main.Unload();
  return 0;
}
