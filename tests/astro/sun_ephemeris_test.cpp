// The sun's longitude, equatorial coordinates, equation of time, and its
// rise, transit and set.
//
// Tolerances: the series is good to about 0.01 deg; the values printed in
// the almanac are checked to the digit it prints.
#include "astro/sun_ephemeris.h"
#include "engine/solar_term_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const SunEphemeris& Sun() {
  static const SunEphemeris sun;
  return sun;
}

constexpr int kTokyo = 39;

struct Hm {
  int h, m;
};
Hm RoundToMinute(double hours) {
  Hm r{};
  LocationTable::HoursToHm(hours, r.h, r.m);
  return r;
}

template <typename F>
void ForEachDay(int firstYear, int lastYear, F f) {
  for (int y = firstYear; y <= lastYear; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= CalendarNames::MonthLength(y, m); ++d) f(y, m, d);
    }
  }
}

}  // namespace

TEST(SunLongitude, WrapsIntoRangeAtTheMarchEquinox) {
  EXPECT_NEAR(Sun().SunLongitude(2000, 3, 20, 0), 359.69, 0.01);
  EXPECT_NEAR(Sun().SunLongitude(2000, 3, 21, 0), 0.68, 0.01);
  // The equinox itself, 2000-03-20 07:35 UT.
  double before = Sun().SunLongitude(2000, 3, 20, 7.5);
  double after = Sun().SunLongitude(2000, 3, 20, 7.7);
  EXPECT_GT(before, 359.99);
  EXPECT_LT(after, 0.01);
}

TEST(SunEquatorial, RightAscensionAcrossTheEquinox) {
  // Just before 0 deg longitude the right ascension is just below 24h,
  // just after it just past 0h, never negative.
  auto before = Sun().SunEquatorial(2000, 3, 20);
  auto after = Sun().SunEquatorial(2000, 3, 21);
  EXPECT_GT(before.first, 23.9);
  EXPECT_LT(before.first, 24.0);
  EXPECT_GT(after.first, 0.0);
  EXPECT_LT(after.first, 0.1);
  EXPECT_LT(before.second, 0.0);
  EXPECT_GT(after.second, 0.0);
}

TEST(SunEquatorial, DeclinationAtTheSolstices) {
  EXPECT_NEAR(Sun().SunEquatorial(2000, 6, 21).second, 23.44, 0.01);
  EXPECT_NEAR(Sun().SunEquatorial(2000, 12, 21).second, -23.44, 0.01);
}

TEST(EquationOfTime, ValuesOfTheAlmanac) {
  EXPECT_NEAR(Sun().EquationOfTime(2000, 2, 11) * 60, -14.2, 0.05);
  EXPECT_NEAR(Sun().EquationOfTime(2000, 11, 3) * 60, 16.4, 0.05);
  EXPECT_NEAR(Sun().EquationOfTime(2010, 1, 15) * 60, -9.2, 0.05);
}

TEST(EquationOfTime, StaysBetweenItsYearlyExtremes) {
  double lowest = 1, highest = -1;
  ForEachDay(1975, 2050, [&](int y, int m, int d) {
    double e = Sun().EquationOfTime(y, m, d);
    lowest = std::min(lowest, e);
    highest = std::max(highest, e);
  });
  // -14m 15s in February, +16m 25s in November.
  EXPECT_NEAR(lowest * 60, -14.25, 0.1);
  EXPECT_NEAR(highest * 60, 16.45, 0.1);
  EXPECT_GT(lowest, -0.24);
  EXPECT_LT(highest, 0.28);
}

TEST(SunTimes, TokyoOnTheSolsticesAndNovember3) {
  Hm rise = RoundToMinute(Sun().Sunrise(kTokyo, 2000, 6, 21));
  EXPECT_EQ(rise.h, 4);
  EXPECT_EQ(rise.m, 25);
  int h, m;
  double s;
  LocationTable::HoursToHms(Sun().SunTransit(kTokyo, 2000, 6, 21), h, m, s);
  EXPECT_EQ(h, 11);
  EXPECT_EQ(m, 42);
  EXPECT_NEAR(s, 42, 0.5);
  // 18h 59.97m: the minutes round up to the hour.
  EXPECT_NEAR(Sun().Sunset(kTokyo, 2000, 6, 21), 18.0 + 59.97 / 60.0, 0.01 / 60);
  Hm set = RoundToMinute(Sun().Sunset(kTokyo, 2000, 6, 21));
  EXPECT_EQ(set.h, 19);
  EXPECT_EQ(set.m, 0);

  Hm winterRise = RoundToMinute(Sun().Sunrise(kTokyo, 2000, 12, 21));
  Hm winterSet = RoundToMinute(Sun().Sunset(kTokyo, 2000, 12, 21));
  EXPECT_EQ(winterRise.h, 6);
  EXPECT_EQ(winterRise.m, 47);
  EXPECT_EQ(winterSet.h, 16);
  EXPECT_EQ(winterSet.m, 31);

  LocationTable::HoursToHms(Sun().SunTransit(kTokyo, 2000, 11, 3), h, m, s);
  EXPECT_EQ(h, 11);
  EXPECT_EQ(m, 24);
  EXPECT_NEAR(s, 34, 0.5);
}

TEST(SunTimes, SymmetricAboutTheTransitAndWithinTheDayEverywhere) {
  LocationTable places;
  for (int place = 0; place < places.PlaceCount(); place += 7) {
    for (int y : {1975, 2000, 2050}) {
      for (int m = 1; m <= 12; ++m) {
        for (int d : {1, 15, CalendarNames::MonthLength(y, m)}) {
          double rise = Sun().Sunrise(place, y, m, d);
          double transit = Sun().SunTransit(place, y, m, d);
          double set = Sun().Sunset(place, y, m, d);
          ASSERT_DOUBLE_EQ(transit - rise, set - transit);
          // 根室 sees the June sun rise at 3:37 JST, 石垣島 set at 19:50.
          ASSERT_GT(rise, 3.5);
          ASSERT_LT(set, 20.2);
          // Local noon: 12h + (135 deg - longitude) / 15 +- the equation of time.
          double noon = 12.0 + (135.0 - places.PlaceAt(place).longitude) / 15.0;
          ASSERT_NEAR(transit, noon, 0.28);
        }
      }
    }
  }
}

// The equinox holidays take their days from the solar-term formula, while
// later published holiday lists (and the official announcement, made a year
// ahead) go by the instant the sun reaches 0 or 180 degrees.  The two agree on
// the day in every year the holiday lists are checked for; the equinox
// nearest to midnight JST is 2012's autumn one (09-22 23:50 by this series),
// so a day could only part where an instant lies closer to midnight than the
// series' error.
TEST(SunLongitude, TheTermFormulasEquinoxDaysAreTheDaysOfTheSunsInstant) {
  const SolarTermTable terms;
  double nearest = 24 * 60;
  int nearestYear = 0;
  for (int y = 1955; y <= 2050; ++y) {
    for (int term : {SolarTermTable::kSpringEquinox, SolarTermTable::kAutumnEquinox}) {
      int month = 0, weekday = 0;
      const int day = terms.TermDate(y, term, month, weekday);
      const double longitude = term == SolarTermTable::kSpringEquinox ? 0.0 : 180.0;
      // The sun's longitude at 0h JST (15h UT of the day before) of the day
      // and of the next one: the instant lies between them.
      auto at = [&](int d) {
        int py = y, pm = month, pd = d - 1;
        if (pd < 1) pd = CalendarNames::MonthLength(py, --pm);
        const double delta = std::remainder(Sun().SunLongitude(py, pm, pd, 15.0) - longitude, 360.0);
        return delta;
      };
      const double start = at(day);
      const double end = at(day + 1);
      ASSERT_LT(start, 0.0) << y << " term " << term;
      ASSERT_GE(end, 0.0) << y << " term " << term;
      // Minutes from the nearer midnight, the sun moving about 0.041 degrees
      // an hour.
      const double minutes = std::min(-start, end) / (end - start) * 24 * 60;
      if (minutes < nearest) nearest = minutes, nearestYear = y;
    }
  }
  EXPECT_EQ(nearestYear, 2012);
  EXPECT_NEAR(nearest, 10, 2);
}
