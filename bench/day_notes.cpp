// What the day notes cost: the notes of every day of one year (the note list
// and `korvane-print notes` ask this way), and the one-call day value that
// the day page and the notes grid read, which adds the lunisolar date, the
// nine star, the term and the holiday.
#include <benchmark/benchmark.h>

#include "engine/almanac_day.h"
#include "engine/calendar_names.h"
#include "engine/koyomi_notes.h"

namespace {

constexpr int kYear = 2026;

CalendarLaw LawOf(const benchmark::State& state) {
  return state.range(0) ? CalendarLaw::Current : CalendarLaw::AsPublished;
}

void BM_NotesOfAYear(benchmark::State& state) {
  const KoyomiNotes notes(LawOf(state));
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(kYear, month); ++day) {
        benchmark::DoNotOptimize(notes.Notes(kYear, month, day));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * CalendarNames::YearLength(kYear));
}
BENCHMARK(BM_NotesOfAYear)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_AlmanacDaysOfAYear(benchmark::State& state) {
  const Almanac almanac(LawOf(state));
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(kYear, month); ++day) {
        benchmark::DoNotOptimize(almanac.Day(kYear, month, day));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * CalendarNames::YearLength(kYear));
}
BENCHMARK(BM_AlmanacDaysOfAYear)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
