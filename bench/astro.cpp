// One month of each astronomy table, as the list views fill them.
#include <benchmark/benchmark.h>

#include "astro/moon_ephemeris.h"

namespace {

constexpr int kTokyo = 39;

// Months of 2000 in turn, so that the transit table's cache never answers.
struct MonthCycle {
  int index = 0;
  int year() const { return 2000 + index / 12 % 50; }
  int month() const { return index % 12 + 1; }
  void next() { ++index; }
};

void BM_MoonEquatorial(benchmark::State& state) {
  MoonEphemeris moon;
  double hours = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(moon.MoonEquatorial(2000, 1, 1, hours));
    hours += 0.01;
  }
}
BENCHMARK(BM_MoonEquatorial);

void BM_MoonTransitTable(benchmark::State& state) {
  MoonEphemeris moon;
  MonthCycle cycle;
  for (auto _ : state) {
    benchmark::DoNotOptimize(moon.MoonTransitTable(kTokyo, cycle.year(), cycle.month()));
    cycle.next();
  }
}
BENCHMARK(BM_MoonTransitTable)->Unit(benchmark::kMillisecond);

// The rise and set tables alone, with the month's transit table cached.
void BM_MoonriseTable(benchmark::State& state) {
  MoonEphemeris moon;
  moon.MoonTransitTable(kTokyo, 2000, 1);
  for (auto _ : state) benchmark::DoNotOptimize(moon.MoonriseTable(kTokyo, 2000, 1));
}
BENCHMARK(BM_MoonriseTable)->Unit(benchmark::kMillisecond);

void BM_MoonsetTable(benchmark::State& state) {
  MoonEphemeris moon;
  moon.MoonTransitTable(kTokyo, 2000, 1);
  for (auto _ : state) benchmark::DoNotOptimize(moon.MoonsetTable(kTokyo, 2000, 1));
}
BENCHMARK(BM_MoonsetTable)->Unit(benchmark::kMillisecond);

// What one fill of the moon list costs: a new month's transit, rise and
// set tables.
void BM_MoonTimeListMonth(benchmark::State& state) {
  MoonEphemeris moon;
  MonthCycle cycle;
  for (auto _ : state) {
    benchmark::DoNotOptimize(moon.MoonriseTable(kTokyo, cycle.year(), cycle.month()));
    benchmark::DoNotOptimize(moon.MoonTransitTable(kTokyo, cycle.year(), cycle.month()));
    benchmark::DoNotOptimize(moon.MoonsetTable(kTokyo, cycle.year(), cycle.month()));
    cycle.next();
  }
}
BENCHMARK(BM_MoonTimeListMonth)->Unit(benchmark::kMillisecond);

// The whole moon table of a month as the list shows it: each day's position
// and parallax at 0h UT besides the rise, transit and set.  This is the
// work bench/compare_pyephem.py times PyEphem on.
template <typename Place>
void MoonTableMonth(benchmark::State& state, const Place& place) {
  MoonEphemeris moon;
  MonthCycle cycle;
  for (auto _ : state) {
    const int y = cycle.year(), m = cycle.month();
    for (int d = 1; d <= CalendarNames::MonthLength(y, m); ++d) {
      benchmark::DoNotOptimize(moon.MoonEquatorial(y, m, d, 0.0));
      benchmark::DoNotOptimize(moon.MoonParallax(y, m, d, 0.0));
    }
    benchmark::DoNotOptimize(moon.MoonriseTable(place, y, m));
    benchmark::DoNotOptimize(moon.MoonTransitTable(place, y, m));
    benchmark::DoNotOptimize(moon.MoonsetTable(place, y, m));
    cycle.next();
  }
}

void BM_MoonTableMonth(benchmark::State& state) { MoonTableMonth(state, kTokyo); }
BENCHMARK(BM_MoonTableMonth)->Unit(benchmark::kMillisecond);

// A place of the user's own beyond 46 degrees, where rise and set settle by
// repeated steps.
ObservingPlace Greenwich() {
  ObservingPlace place;
  place.latitude = 51.4779;
  place.longitude = -0.0015;
  place.utcOffset = 0.0;
  return place;
}

void BM_MoonTableMonthGreenwich(benchmark::State& state) { MoonTableMonth(state, Greenwich()); }
BENCHMARK(BM_MoonTableMonthGreenwich)->Unit(benchmark::kMillisecond);

void BM_MoonAge21(benchmark::State& state) {
  MoonEphemeris moon;
  MonthCycle cycle;
  for (auto _ : state) {
    benchmark::DoNotOptimize(moon.MoonAge21(cycle.year(), cycle.month()));
    cycle.next();
  }
}
BENCHMARK(BM_MoonAge21)->Unit(benchmark::kMillisecond);

void BM_MoonPhaseEvents(benchmark::State& state) {
  MoonEphemeris moon;
  MonthCycle cycle;
  for (auto _ : state) {
    benchmark::DoNotOptimize(moon.MoonPhaseEvents(cycle.year(), cycle.month()));
    cycle.next();
  }
}
BENCHMARK(BM_MoonPhaseEvents)->Unit(benchmark::kMillisecond);

// The sun list: sunrise, transit and sunset of every day of a month.
void BM_SunTimesMonth(benchmark::State& state) {
  SunEphemeris sun;
  MonthCycle cycle;
  for (auto _ : state) {
    int n = CalendarNames::MonthLength(cycle.year(), cycle.month());
    for (int d = 1; d <= n; ++d) {
      benchmark::DoNotOptimize(sun.Sunrise(kTokyo, cycle.year(), cycle.month(), d));
      benchmark::DoNotOptimize(sun.SunTransit(kTokyo, cycle.year(), cycle.month(), d));
      benchmark::DoNotOptimize(sun.Sunset(kTokyo, cycle.year(), cycle.month(), d));
    }
    cycle.next();
  }
}
BENCHMARK(BM_SunTimesMonth)->Unit(benchmark::kMillisecond);

void BM_SunTimesMonthGreenwich(benchmark::State& state) {
  SunEphemeris sun;
  const ObservingPlace place = Greenwich();
  MonthCycle cycle;
  for (auto _ : state) {
    int n = CalendarNames::MonthLength(cycle.year(), cycle.month());
    for (int d = 1; d <= n; ++d) {
      benchmark::DoNotOptimize(sun.Sunrise(place, cycle.year(), cycle.month(), d));
      benchmark::DoNotOptimize(sun.SunTransit(place, cycle.year(), cycle.month(), d));
      benchmark::DoNotOptimize(sun.Sunset(place, cycle.year(), cycle.month(), d));
    }
    cycle.next();
  }
}
BENCHMARK(BM_SunTimesMonthGreenwich)->Unit(benchmark::kMillisecond);

// A year of Greenwich sidereal time (the sidereal time list).
void BM_SiderealTimeYear(benchmark::State& state) {
  LocationTable places;
  for (auto _ : state) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= CalendarNames::MonthLength(2000, m); ++d) {
        benchmark::DoNotOptimize(places.ApparentSiderealTime(2000, m, d, 0));
      }
    }
  }
}
BENCHMARK(BM_SiderealTimeYear)->Unit(benchmark::kMillisecond);

}  // namespace
