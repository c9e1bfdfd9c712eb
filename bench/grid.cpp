// One month's page of each of the seventeen month-grid kinds: what every
// repaint of a grid window computes before it draws.
#include <benchmark/benchmark.h>

#include <memory>

#include "content/grid/month_grid_content.h"
#include "content/grid/month_grid_kinds.h"


namespace {

using korvane::GridKind;

// One page per iteration, walking through the months of the kind's years
// around the present (2000..2049) so the cost is not that of a single month.
void BM_Page(benchmark::State& state) {
  const auto kind = static_cast<GridKind>(state.range(0));
  korvane::MonthGridContent content(kind);
  state.SetLabel(content.info().className());
  int year = 2000;
  int month = 1;
  const korvane::GridToday today{2024, 5, 15};
  for (auto _ : state) {
    korvane::GridPage page = content.Page(year, month, 600, 420, today);
    benchmark::DoNotOptimize(page.ops.data());
    if (++month > content.MonthsInYear(year)) {
      month = 1;
      if (++year > 2049) year = 2000;
    }
  }
}
BENCHMARK(BM_Page)->DenseRange(0, korvane::kGridKindCount - 1)->Unit(benchmark::kMicrosecond);

// Opening a view: the content with every engine object of its kind.
void BM_OpenContent(benchmark::State& state) {
  const auto kind = static_cast<GridKind>(state.range(0));
  state.SetLabel(korvane::GridKindInfoOf(kind).className());
  for (auto _ : state) {
    auto content = std::make_unique<korvane::MonthGridContent>(kind);
    benchmark::DoNotOptimize(content.get());
  }
}
BENCHMARK(BM_OpenContent)->Arg(0)->Arg(7)->Arg(8)->Arg(15)->Arg(16)->Unit(benchmark::kMicrosecond);

}  // namespace
