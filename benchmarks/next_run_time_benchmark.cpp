// One NextRunTime evaluation per repetition mode.
#include <benchmark/benchmark.h>

#include "platform/host/pattern_locale.h"
#include "scheduling/next_run_time.h"

namespace {

using namespace std::chrono;

void BM_NextRunTime(benchmark::State& state) {
  static const char* const kSections[] = {
      "\r\nStartDate=12/1/2026\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=0\r\nPeriod=\r\n",
      "\r\nStartDate=12/1/2026\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=1\r\nPeriod=mon,wed,fri\r\n",
      "\r\nStartDate=12/1/2026\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=2\r\nPeriod=31\r\n",
  };
  const char* section = kSections[state.range(0)];
  const curfew::platform::PatternLocale locale;
  const curfew::LocalDateTime now{year_month_day{year(2026), month(11), day(8)}, {23, 45, 0}};
  for (auto _ : state) benchmark::DoNotOptimize(curfew::NextRunTime(section, now, locale));
}
BENCHMARK(BM_NextRunTime)->ArgName("mode")->DenseRange(0, 2);

}  // namespace
