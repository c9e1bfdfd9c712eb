// What the day annotations of a month grid or a year list cost: the nine
// star, the holiday code and the solar term of every day of one year, asked
// the way a grid asks them (one fresh question per day).  Divide by 12 for
// a month repaint.
#include <benchmark/benchmark.h>

#include "engine/calendar_names.h"
#include "engine/holiday_calendar.h"
#include "engine/nine_star_cycle.h"
#include "engine/solar_term_table.h"

namespace {

constexpr int kYear = 2024;

void BM_DayStarEveryDayOfAYear(benchmark::State& state) {
  const NineStarCycle cycle;
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(kYear, month); ++day) {
        benchmark::DoNotOptimize(cycle.DayStar(kYear, month, day));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * CalendarNames::YearLength(kYear));
}
BENCHMARK(BM_DayStarEveryDayOfAYear)->Unit(benchmark::kMicrosecond);

// The list views' way: one DayStar per month and per switch, stepping between.
void BM_DayStarCountdownEveryDayOfAYear(benchmark::State& state) {
  const NineStarCycle cycle;
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      NineStarDay run = cycle.DayStar(kYear, month, 1);
      for (int day = 1; day <= CalendarNames::MonthLength(kYear, month); ++day) {
        if (run.daysToSwitch == 0) run = cycle.DayStar(kYear, month, day);
        benchmark::DoNotOptimize(run.star);
        run.star = NineStarCycle::NextStar(run.star, run.direction);
        --run.daysToSwitch;
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * CalendarNames::YearLength(kYear));
}
BENCHMARK(BM_DayStarCountdownEveryDayOfAYear)->Unit(benchmark::kMicrosecond);

// Argument 0: the published rules; 1: the law as it stands, which also looks
// at the neighbouring days for the substitute and citizens' holidays.
void BM_HolidayCodeEveryDayOfAYear(benchmark::State& state) {
  const HolidayCalendar calendar(state.range(0) ? CalendarLaw::Current : CalendarLaw::AsPublished);
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      int weekday = CalendarNames::DayOfWeek(kYear, month, 1);
      for (int day = 1; day <= CalendarNames::MonthLength(kYear, month); ++day) {
        benchmark::DoNotOptimize(calendar.HolidayCode(kYear, month, day, weekday));
        weekday = (weekday + 1) % 7;
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * CalendarNames::YearLength(kYear));
}
BENCHMARK(BM_HolidayCodeEveryDayOfAYear)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_TermOnEveryDayOfAYear(benchmark::State& state) {
  const SolarTermTable terms;
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(kYear, month); ++day) {
        benchmark::DoNotOptimize(terms.TermOn(kYear, month, day));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * CalendarNames::YearLength(kYear));
}
BENCHMARK(BM_TermOnEveryDayOfAYear)->Unit(benchmark::kMicrosecond);

void BM_ZassetsuOnEveryDayOfAYear(benchmark::State& state) {
  const SolarTermTable terms;
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(kYear, month); ++day) {
        benchmark::DoNotOptimize(terms.ZassetsuOn(kYear, month, day));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * CalendarNames::YearLength(kYear));
}
BENCHMARK(BM_ZassetsuOnEveryDayOfAYear)->Unit(benchmark::kMicrosecond);

}  // namespace
