// The fill of every astronomy table, name list and the age table: one whole
// page as a new view computes it.
#include <benchmark/benchmark.h>

#include <memory>

#include "views/lists/age_list_content.h"
#include "views/lists/astronomy_list_content.h"
#include "views/lists/name_list_content.h"

namespace {

using korvane::ListContent;
using korvane::ListState;

// A new month at every fill, so that the moon's transit table is never
// taken from its cache.
template <typename Content>
void BM_Fill(benchmark::State& bench) {
  Content content;
  int index = 0;
  for (auto _ : bench) {
    ListState shared;
    shared.year = 1975 + index / 12 % 76;
    shared.month = index % 12 + 1;
    shared.place = 39;
    shared.todayYear = 2026;
    ++index;
    benchmark::DoNotOptimize(content.Page(content.Clamp(shared)));
  }
}

BENCHMARK(BM_Fill<korvane::GreenwichListContent>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill<korvane::MoonAgeListContent>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill<korvane::MoonPhaseListContent>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill<korvane::MoonTimeListContent>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill<korvane::SunTimeListContent>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill<korvane::EtoListContent>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fill<korvane::MonthListContent>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fill<korvane::WeekListContent>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fill<korvane::Week6ListContent>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fill<korvane::Star9ListContent>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fill<korvane::BirthdayListContent>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fill<korvane::AgeListContent>)->Unit(benchmark::kMicrosecond);

}  // namespace
