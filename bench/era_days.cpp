// The converter's work: building the era start days (the day calendar and
// the converter each build them once) and converting a typed text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/date_conversion.h"

namespace {

void BM_BuildEraDays(benchmark::State& state) {
  const LunisolarTable table(CalendarLaw::Current);
  for (auto _ : state) {
    auto eras = std::make_unique<EraDays>(table);
    benchmark::DoNotOptimize(eras.get());
  }
}
BENCHMARK(BM_BuildEraDays)->Unit(benchmark::kMicrosecond);

// The eras of one day per iteration, spread over the whole range.
void BM_ErasOn(benchmark::State& state) {
  const LunisolarTable table(CalendarLaw::Current);
  const EraDays eras(table);
  long jdn = EraDays::firstJdn;
  for (auto _ : state) {
    benchmark::DoNotOptimize(eras.ErasOn(jdn));
    jdn += 997;
    if (jdn > EraDays::lastJdn) jdn -= EraDays::lastJdn - EraDays::firstJdn;
  }
}
BENCHMARK(BM_ErasOn);

void BM_ConvertText(benchmark::State& state) {
  const LunisolarTable table(CalendarLaw::Current);
  const EraDays eras(table);
  const std::string texts[] = {"天保3年閏11月5日", "1832-12-26", "J1582-10-04", "旧1832-11-05"};
  int i = 0;
  for (auto _ : state) {
    const DateTextResult parsed = ParseDateText(texts[i++ % 4], eras);
    benchmark::DoNotOptimize(ConversionLines(ConvertDay(parsed.jdn, eras), eras));
  }
}
BENCHMARK(BM_ConvertText);

}  // namespace
