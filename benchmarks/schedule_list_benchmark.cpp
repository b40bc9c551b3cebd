// Building the schedule list from 10,000 schedule files, against only reading those files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "scheduling/schedule_list.h"
#include "scheduling/schedule_writer.h"
#include "support/temp_folder.h"

namespace {

using namespace std::chrono;

constexpr int kScheduleCount = 10000;

const curfew::test::TempFolder& DataWithSchedules() {
  static const curfew::test::TempFolder folder;
  static const bool filled = [] {
    for (int i = 0; i < kScheduleCount; ++i) {
      curfew::ScheduleRecord record;
      record.name = "Schedule " + std::to_string(i);
      record.ItemType = "Shut Down";
      record.Enabled = true;
      record.StartDate = "12/1/2026";
      record.StartTime = "23:30:00";
      record.Repeat = true;
      record.SAccurancy = static_cast<std::int16_t>(i % 3);
      record.Period = i % 3 == 1 ? "mon,wed,fri" : "1,15";
      folder.Write("data/" + record.name + ".sch", curfew::ComposeScheduleFile(record));
    }
    return true;
  }();
  (void)filled;
  return folder;
}

void BM_LoadScheduleRows(benchmark::State& state) {
  const auto& folder = DataWithSchedules();
  const curfew::platform::HostFileSystem files(folder.path());
  const curfew::platform::PatternLocale locale;
  const curfew::LocalDateTime now{year_month_day{year(2026), month(12), day(8)}, {10, 0, 0}};
  for (auto _ : state) {
    auto rows = curfew::LoadScheduleRows(files, folder.path() + "\\data", now, locale);
    benchmark::DoNotOptimize(rows);
  }
  state.SetItemsProcessed(state.iterations() * kScheduleCount);
}
BENCHMARK(BM_LoadScheduleRows)->Unit(benchmark::kMillisecond);

// The floor: list the folder and read every file, nothing else.
void BM_BareReadOfTheSameFiles(benchmark::State& state) {
  const auto& folder = DataWithSchedules();
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.host() / "data")) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream text;
      text << in.rdbuf();
      bytes += text.str().size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * kScheduleCount);
}
BENCHMARK(BM_BareReadOfTheSameFiles)->Unit(benchmark::kMillisecond);

}  // namespace
