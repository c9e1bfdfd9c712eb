// Filling each list kind: the page its window computes when it opens and
// after every 月の設定.  Walks the view kind table, so every list kind
// with a content object is measured.
#include <benchmark/benchmark.h>

#include <memory>

#include "content/lists/list_kinds.h"

namespace {

using korvane::ListContent;
using korvane::ListState;

// One page per iteration, walking through the months of 1975..2049 (every
// list kind computes them) so the cost is not that of a single month.
void BM_Fill(benchmark::State& state) {
  const auto kind = static_cast<ViewKind>(state.range(0));
  std::unique_ptr<ListContent> content = korvane::MakeListContent(kind);
  state.SetLabel(ViewKindInfoOf(kind).className);
  ListState shared{1975, 1, 39, 2024, 5, 15};
  for (auto _ : state) {
    korvane::ListPage page = content->Page(content->Clamp(shared));
    benchmark::DoNotOptimize(page.rows.data());
    if (++shared.month > 12) {
      shared.month = 1;
      if (++shared.year > 2049) shared.year = 1975;
    }
  }
}

// Opening a list: the content with every engine object of its kind.
void BM_OpenContent(benchmark::State& state) {
  const auto kind = static_cast<ViewKind>(state.range(0));
  state.SetLabel(ViewKindInfoOf(kind).className);
  for (auto _ : state) {
    auto content = korvane::MakeListContent(kind);
    benchmark::DoNotOptimize(content.get());
  }
}

void ListKinds(benchmark::internal::Benchmark* bench) {
  for (const ViewKindInfo& info : ViewKinds())
    if (korvane::MakeListContent(info.kind)) bench->Arg(static_cast<int>(info.kind));
}

BENCHMARK(BM_Fill)->Apply(ListKinds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenContent)->Apply(ListKinds)->Unit(benchmark::kMillisecond);

}  // namespace
