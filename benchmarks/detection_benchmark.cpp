// One detection tick of the scheduler engine over 10,000 rows, none of them due.
#include <benchmark/benchmark.h>

#include "ui/app_fixture.h"

namespace {

void BM_DetectionTick(benchmark::State& state) {
  curfew::test::AppFixture fixture;
  fixture.Start();
  auto& list = fixture.app->main.lstSchedules;
  for (int i = 0; i < 10000; ++i) {
    const int row = list.AddListItem("Schedule " + std::to_string(i));
    list.SetSubItem(row, 1, "Shut Down");
    list.SetSubItem(row, 3, "12/9/2026 23:30:00");
  }
  for (auto _ : state) fixture.runtime.Advance(500);  // exactly one tick of tmrScheduler
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_DetectionTick)->Unit(benchmark::kMillisecond);

}  // namespace
