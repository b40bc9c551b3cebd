// The schedule list on the real window back end: curfew's main window as it runs, with 1,000
// and 10,000 rows loaded in one batch (as the schedule files are), detection ticks over them
// (none due), single "Next Run Time" changes (a run postponed), and for comparison the same cells sent straight
// to a list view that holds its rows. Prints milliseconds. Not a test.
#include <windows.h>
#include <commctrl.h>

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

// Times a call in milliseconds.
template <typename Work>
double Timed(Work&& work) {
  LARGE_INTEGER before{};
  LARGE_INTEGER after{};
  QueryPerformanceCounter(&before);
  work();
  QueryPerformanceCounter(&after);
  return Milliseconds(before, after);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The same cells sent straight to an ordinary list view that holds its rows, for comparison.
double FillPlainListView(HWND parent, int rows, const std::string& next) {
  const HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 600, 400, parent, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  for (int column = 0; column < 5; ++column) {
    LVCOLUMNW header{};
    header.mask = LVCF_WIDTH;
    header.cx = 100;
    ListView_InsertColumn(list, column, &header);
  }
  std::wstring nextText(next.begin(), next.end());
  const double milliseconds = Timed([&] {
    for (int i = 0; i < rows; ++i) {
      std::wstring name = L"Schedule " + std::to_wstring(i);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = name.data();
      ListView_InsertItem(list, &item);
      wchar_t type[] = L"Shut Down";
      ListView_SetItemText(list, i, 1, type);
      ListView_SetItemText(list, i, 3, nextText.data());
    }
  });
  DestroyWindow(list);
  return milliseconds;
}

// Fills the main window's list with that many rows in one batch, as the schedule files are
// loaded, then times detection ticks and single "Next Run Time" changes (each painted).
void MeasureList(curfew::app::Win32ProgramServices& windows, curfew::frmMain& main, int rows,
                 const curfew::NextRun& next) {
  const auto& locale = windows.Locale();
  constexpr int kTimes = 50;
  main.loadData();  // empty: the benchmark's data folder holds no schedules
  std::vector<curfew::ScheduleEntry> entries;
  for (int i = 0; i < rows; ++i)
    entries.push_back({"Schedule " + std::to_string(i), "Shut Down", curfew::ScheduleSource::File, true, "", next});
  const double fill = Timed([&] { main.Engine().Put(std::move(entries)); });
  std::vector<double> ticks;
  for (int i = 0; i < kTimes; ++i) {
    ticks.push_back(Timed([&] { main.Engine().DetectionTick(); }));
    windows.Runtime().DoEvents();
  }
  std::vector<double> changes;
  const HWND list = reinterpret_cast<HWND>(main.lstSchedules.Handle());
  for (int i = 0; i < kTimes; ++i) {
    changes.push_back(Timed([&] {
      curfew::LocalDateTime moved = *next.at;
      moved.time.minute = i % 2 ? 45 : 15;
      main.ScheduleList().ShowNextRun(static_cast<std::size_t>(i), locale.FormatGeneralDate(moved));
      UpdateWindow(list);
    }));
  }
  const double firstTick = ticks.front();
  std::printf(
      "%d rows: filled in %.1f ms; detection tick median %.3f ms (the first %.1f ms);"
      " one Next Run Time change median %.3f ms\n",
      rows, fill, Median(ticks), firstTick, Median(changes));
}

}  // namespace

int main() {
  curfew::app::Win32ProgramServices windows("Curfew.DetectionBenchmark.Running");
  const auto& locale = windows.Locale();
  curfew::Application application(windows.Services());
  application.Start();
  application.splash.ShowMainWindow();
  curfew::frmMain& main = application.main;
  main.Engine().Stop();  // only the ticks measured

  // Tomorrow at this minute: never due while the benchmark runs.
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const auto today = std::chrono::year_month_day{std::chrono::year(now.wYear), std::chrono::month(now.wMonth),
                                                 std::chrono::day(now.wDay)};
  const std::chrono::year_month_day tomorrow{std::chrono::sys_days(today) + std::chrono::days(1)};
  const curfew::NextRun next{locale.FormatShortDate(tomorrow) + " 23:30:00",
                             curfew::LocalDateTime{tomorrow, {23, 30, 0}}};
  for (int rows : {1000, 10000}) MeasureList(windows, main, rows, next);
  std::printf("1000 rows sent straight to a list view that holds them: %.1f ms\n",
              FillPlainListView(reinterpret_cast<HWND>(main.Handle()), 1000, next.text));
  main.ExitRequested = true;
  main.Unload();
  return 0;
}
