// One detection tick of the scheduler engine over 10,000 rows, none of them due.
#include <benchmark/benchmark.h>

#include "ui/app_fixture.h"

namespace {

void BM_DetectionTick(benchmark::State& state) {
  curfew::test::AppFixture fixture;
  fixture.Start();
  const curfew::LocalDateTime tomorrow = curfew::test::AppFixture::At(2026, 12, 9, 23, 30, 0);
  std::vector<curfew::ScheduleEntry> entries;
  entries.reserve(10000);
  for (int i = 0; i < 10000; ++i)
    entries.push_back({"Schedule " + std::to_string(i),
                       "Shut Down",
                       curfew::ScheduleSource::File,
                       true,
                       "",
                       {"12/9/2026 23:30:00", tomorrow}});
  fixture.app->main.Engine().Put(std::move(entries));
  for (auto _ : state) fixture.runtime.Advance(500);  // exactly one tick of detection
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_DetectionTick)->Unit(benchmark::kMillisecond);

}  // namespace
