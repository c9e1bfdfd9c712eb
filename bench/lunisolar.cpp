// Building a lunisolar table (every view that shows lunisolar dates builds
// its own when it opens) and the conversions a month grid asks for.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/lunisolar_table.h"

namespace {

void BM_Construct(benchmark::State& state) {
  for (auto _ : state) {
    auto table = std::make_unique<LunisolarTable>();
    benchmark::DoNotOptimize(table.get());
  }
}
BENCHMARK(BM_Construct)->Unit(benchmark::kMicrosecond);

// One Gregorian day per iteration, spread over the whole range (from 594 on,
// since January 593 precedes the table).
void BM_FromGregorian(benchmark::State& state) {
  const auto table = std::make_unique<LunisolarTable>();
  int year = 594;
  int month = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table->FromGregorian(year, month, 15));
    if (++month > 12) month = 1;
    if (++year > 2051) year = 594;
  }
}
BENCHMARK(BM_FromGregorian);

void BM_ToGregorian(benchmark::State& state) {
  const auto table = std::make_unique<LunisolarTable>();
  int year = 593;
  int position = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table->ToGregorian(year, position, 15));
    if (++position > 12) position = 1;
    if (++year > 2051) year = 593;
  }
}
BENCHMARK(BM_ToGregorian);

void BM_LunarSexagenaryDayIndex(benchmark::State& state) {
  const auto table = std::make_unique<LunisolarTable>();
  int year = 593;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table->LunarSexagenaryDayIndex(year, 7, 15));
    if (++year > 2051) year = 593;
  }
}
BENCHMARK(BM_LunarSexagenaryDayIndex);

// What a lunisolar month grid computes at a repaint: the month's length, the
// Gregorian date of its first day, and each day's 六曜 and sexagenary index.
void BM_MonthGridRepaint(benchmark::State& state) {
  const auto table = std::make_unique<LunisolarTable>();
  for (auto _ : state) {
    const int days = table->MonthDays(2025, 7);
    benchmark::DoNotOptimize(table->ToGregorian(2025, 7, 1));
    benchmark::DoNotOptimize(table->LunarDayOfWeek(2025, 7, 1));
    for (int d = 1; d <= days; ++d) {
      benchmark::DoNotOptimize(table->RokuyoIndex(2025, 7, d));
      benchmark::DoNotOptimize(table->LunarSexagenaryDayIndex(2025, 7, d));
    }
  }
}
BENCHMARK(BM_MonthGridRepaint);

}  // namespace
