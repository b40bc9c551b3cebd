// The schedule list on the real window back end: curfew's main window as it runs, with 10,000
// rows loaded in one batch (as the schedule files are), one detection tick over them (none
// due: minimum, median and maximum), and one "Next Run Time" changed and painted. Prints
// milliseconds. Not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32_program_services.h"
#include "ui/application.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  constexpr int kRows = 10000;
  constexpr int kTicks = 50;
  curfew::app::Win32ProgramServices windows("Curfew.DetectionBenchmark.Running");
  const auto& locale = windows.Locale();
  curfew::Application application(windows.Services());
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
  // Filled in one batch, as the schedule files are loaded.
  LARGE_INTEGER start{};
  LARGE_INTEGER filled{};
  QueryPerformanceCounter(&start);
  {
    const curfew::ui::ListView::Batch batch(main.lstSchedules);
    for (int i = 0; i < kRows; ++i) {
      const int row = main.lstSchedules.AddListItem("Schedule " + std::to_string(i));
      main.lstSchedules.SetSubItem(row, 1, "Shut Down");
      main.lstSchedules.SetSubItem(row, 3, next);
    }
  }
  QueryPerformanceCounter(&filled);

  std::vector<double> ticks;
  for (int i = 0; i < kTicks; ++i) {
    LARGE_INTEGER before{};
    LARGE_INTEGER after{};
    QueryPerformanceCounter(&before);
    main.tmrScheduler.Tick();
    QueryPerformanceCounter(&after);
    ticks.push_back(Milliseconds(before, after));
    windows.Runtime().DoEvents();
  }
  std::sort(ticks.begin(), ticks.end());

  // One "Next Run Time" changed and painted, as a run or a wake-up changes it.
  std::vector<double> changes;
  const HWND list = reinterpret_cast<HWND>(main.lstSchedules.Handle());
  for (int i = 0; i < kTicks; ++i) {
    LARGE_INTEGER before{};
    LARGE_INTEGER after{};
    QueryPerformanceCounter(&before);
    main.lstSchedules.SetSubItem(1 + i, 3, i % 2 ? next : "");
    UpdateWindow(list);
    QueryPerformanceCounter(&after);
    changes.push_back(Milliseconds(before, after));
  }
  std::sort(changes.begin(), changes.end());
  std::printf("rows added: %d in %.0f ms\n", kRows, Milliseconds(start, filled));
  std::printf("detection tick over %d rows: min %.3f ms, median %.3f ms, max %.3f ms\n", kRows, ticks.front(),
              ticks[ticks.size() / 2], ticks.back());
  std::printf("one Next Run Time change on %d rows: median %.3f ms\n", kRows, changes[changes.size() / 2]);
  main.ExitRequested = true;
  main.Unload();
  return 0;
}
