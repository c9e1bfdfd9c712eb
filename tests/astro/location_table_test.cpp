// Time scales, angle splitting, sidereal time, nutation and the places.
//
// Tolerances: exact where the operation is exact arithmetic; published
// values (sidereal time, nutation) within the precision they are printed
// with.
#include "astro/location_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

namespace {

const LocationTable& Table() {
  static const LocationTable table;
  return table;
}

struct Hms {
  int h, m;
  double s;
};
Hms SplitHours(double hours) {
  Hms r{};
  LocationTable::HoursToHms(hours, r.h, r.m, r.s);
  return r;
}
Hms SplitDegrees(double degrees, int decimals) {
  Hms r{};
  LocationTable::DegreesToDms(degrees, decimals, r.h, r.m, r.s);
  return r;
}

}  // namespace

TEST(TimeScales, EpochsAndTheirNeighbours) {
  const LocationTable& t = Table();
  EXPECT_EQ(t.DaysFromJ2000(2000, 1, 1, 12), 0.0);
  EXPECT_EQ(t.DaysFromJ2000(2000, 1, 1, 0), -0.5);
  EXPECT_EQ(t.DaysFromJ2000(1999, 12, 31, 0), -1.5);
  EXPECT_EQ(t.DaysFromJ2000(1999, 12, 31, 12), -1.0);
  EXPECT_EQ(t.DaysFrom1975(1975, 1, 1, 0), 1.0);
  EXPECT_EQ(t.DaysFrom1975(1976, 1, 1, 0), 366.0);
  EXPECT_EQ(t.DaysFrom1975(1974, 12, 31, 0), 0.0);
  EXPECT_EQ(t.DaysFrom1975(1974, 12, 1, 0), -30.0);
  EXPECT_EQ(t.DaysFrom1975(1975, 3, 0, 0), t.DaysFrom1975(1975, 2, 28, 0));
  // Julian Day 2451545.0 is J2000.0; 1975 January 0.0 is JD 2442412.5.
  EXPECT_EQ(t.DaysFromJ2000(1975, 1, 1, 0) - t.DaysFrom1975(1975, 1, 1, 0),
            2442412.5 - 2451545.0);
}

TEST(TimeScales, BothCountsRiseByOneADayOverTheWholeRange) {
  // Every day from 1974-12-01 to 2051-01-31; an hour adds exactly 1/24, and
  // a day past the month's end or day 0 counts on linearly.
  const LocationTable& t = Table();
  double j2000 = t.DaysFromJ2000(1974, 12, 1, 0);
  double d1975 = t.DaysFrom1975(1974, 12, 1, 0);
  int year = 1974, month = 12;
  while (year < 2051 || month == 1) {
    int n = CalendarNames::MonthLength(year, month);
    ASSERT_EQ(t.DaysFromJ2000(year, month, 0, 0), j2000 - 1) << year << "-" << month;
    for (int d = 1; d <= n; ++d) {
      ASSERT_EQ(t.DaysFromJ2000(year, month, d, 0), j2000);
      ASSERT_EQ(t.DaysFrom1975(year, month, d, 0), d1975);
      ASSERT_DOUBLE_EQ(t.DaysFromJ2000(year, month, d, 6), j2000 + 0.25);
      ASSERT_DOUBLE_EQ(t.DaysFrom1975(year, month, d, -3), d1975 - 0.125);
      j2000 += 1;
      d1975 += 1;
    }
    ASSERT_EQ(t.DaysFrom1975(year, month, n + 1, 0), d1975);
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
}

TEST(AngleSplitting, HoursCarryAt59Point94Seconds) {
  Hms a = SplitHours(LocationTable::DmsToDegrees(1, 59, 59.95));
  EXPECT_EQ(a.h, 2);
  EXPECT_EQ(a.m, 0);
  EXPECT_EQ(a.s, 0.0);
  Hms b = SplitHours(25.5);  // above 24: one day off
  EXPECT_EQ(b.h, 1);
  EXPECT_EQ(b.m, 30);
  EXPECT_NEAR(b.s, 0.0, 1e-9);
  Hms c = SplitHours(LocationTable::DmsToDegrees(6, 39, 51.42));
  EXPECT_EQ(c.h, 6);
  EXPECT_EQ(c.m, 39);
  EXPECT_NEAR(c.s, 51.42, 1e-6);
  // 59.93 s stays (prints "59.9").
  Hms d = SplitHours(LocationTable::DmsToDegrees(3, 7, 59.93));
  EXPECT_EQ(d.m, 7);
  EXPECT_NEAR(d.s, 59.93, 1e-6);
}

TEST(AngleSplitting, SecondsNeverComeOutNegative) {
  // A value a hair below a whole minute or hour counts as that minute; its
  // seconds are 0, so "%2.1f" never prints "-0.0".
  for (double hours : {7.0 - 1e-9, 12.5 - 1e-10, 23.0 - 5e-9, 1.0 / 60.0 - 1e-12}) {
    Hms r = SplitHours(hours);
    EXPECT_GE(r.s, 0.0) << hours;
    EXPECT_NEAR(r.h + r.m / 60.0 + r.s / 3600.0, hours, 1e-6);
    Hms dms = SplitDegrees(hours, 1);
    EXPECT_GE(dms.s, 0.0) << hours;
  }
}

TEST(AngleSplitting, RoundTripOverADayInTenthSecondSteps) {
  // Every tenth of a second of the day splits back into itself.
  for (int tenths = 0; tenths < 864000; ++tenths) {
    double seconds = tenths / 10.0;
    Hms r = SplitHours(seconds / 3600.0);
    ASSERT_GE(r.s, 0.0);
    ASSERT_LE(r.s, 59.94);
    ASSERT_LT(r.m, 60);
    ASSERT_NEAR(r.h * 3600 + r.m * 60 + r.s, seconds, 0.061) << seconds;
  }
}

TEST(AngleSplitting, HoursToHmRoundsToTheNearestMinute) {
  int h, m;
  LocationTable::HoursToHm(6.9917, h, m);  // 6h 59.5m
  EXPECT_EQ(h, 7);
  EXPECT_EQ(m, 0);
  LocationTable::HoursToHm(23.0 + 59.6 / 60.0, h, m);  // not wrapped
  EXPECT_EQ(h, 24);
  EXPECT_EQ(m, 0);
  LocationTable::HoursToHm(4.0 + 25.49 / 60.0, h, m);
  EXPECT_EQ(h, 4);
  EXPECT_EQ(m, 25);
  LocationTable::HoursToHm(26.5, h, m);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(m, 30);
  for (int minute = 0; minute < 24 * 60; ++minute) {
    for (double offset : {-0.49, 0.0, 0.49}) {
      LocationTable::HoursToHm((minute + offset) / 60.0, h, m);
      ASSERT_EQ(h * 60 + m, minute) << minute << " " << offset;
    }
  }
}

TEST(AngleSplitting, DegreesCarryWhenSecondsPrintAs60) {
  Hms a = SplitDegrees(LocationTable::DmsToDegrees(10, 59, 59.6), 0);
  EXPECT_EQ(a.h, 11);
  EXPECT_EQ(a.m, 0);
  EXPECT_EQ(a.s, 0.0);
  Hms b = SplitDegrees(10.5, 0);
  EXPECT_EQ(b.h, 10);
  EXPECT_EQ(b.m, 30);
  EXPECT_NEAR(b.s, 0.0, 1e-9);
  // Unrounded below the carry: 59.4" stays 59.4 at 0 decimals.
  Hms c = SplitDegrees(LocationTable::DmsToDegrees(23, 26, 59.4), 0);
  EXPECT_EQ(c.m, 26);
  EXPECT_NEAR(c.s, 59.4, 1e-6);
  // At one decimal 59.96 prints as 60.0 and carries; 59.94 does not.
  EXPECT_EQ(SplitDegrees(LocationTable::DmsToDegrees(5, 10, 59.96), 1).m, 11);
  EXPECT_EQ(SplitDegrees(LocationTable::DmsToDegrees(5, 10, 59.94), 1).m, 10);
  Hms d = SplitDegrees(365.25, 0);  // above 360: one turn off
  EXPECT_EQ(d.h, 5);
  EXPECT_EQ(d.m, 15);
}

TEST(AngleReduction, NormalizeDegrees) {
  const LocationTable& t = Table();
  EXPECT_EQ(t.NormalizeDegrees(-30), 330.0);
  EXPECT_EQ(t.NormalizeDegrees(725), 5.0);
  EXPECT_EQ(t.NormalizeDegrees(-360), 360.0);
  EXPECT_EQ(t.NormalizeDegrees(720), 0.0);
  EXPECT_DOUBLE_EQ(t.NormalizeDegrees(359.5), 359.5);
}

TEST(AngleReduction, ManyTurnsStillReduceToTheTrueRemainder) {
  // The moon's mean longitude runs through a thousand turns by 2050; an
  // angle a third of a degree below a whole turn must not come out as 0.
  const LocationTable& t = Table();
  for (int turns : {1, 100, 1016, 1324}) {
    for (double below : {0.37, 0.1, 0.01}) {
      double x = 360.0 * turns - below;
      EXPECT_NEAR(t.NormalizeDegrees(x), 360.0 - below, 1e-6) << turns << " " << below;
      EXPECT_NEAR(t.NormalizeDegrees(-x), below, 1e-6);
    }
  }
  EXPECT_NEAR(korvane::ReduceIntoPeriod(24.0 * 50 - 0.001, 24.0), 23.999, 1e-9);
  EXPECT_EQ(korvane::ReduceIntoPeriod(24.0 * 50, 24.0), 0.0);
}

TEST(SecondsToHours, ReducesOnlyAboveADay) {
  EXPECT_DOUBLE_EQ(LocationTable::SecondsToHours(3600), 1.0);
  EXPECT_DOUBLE_EQ(LocationTable::SecondsToHours(-7200), -2.0);
  EXPECT_DOUBLE_EQ(LocationTable::SecondsToHours(86400), 24.0);
  EXPECT_NEAR(LocationTable::SecondsToHours(3 * 86400 + 5400), 1.5, 1e-9);
}

TEST(SiderealTime, GreenwichOn2000January1) {
  // Mean 6h 39m 52.27s, equation of the equinoxes about -0.85 s.
  const LocationTable& t = Table();
  double T = t.DaysFromJ2000(2000, 1, 1, 0) * LocationTable::kCenturiesPerDay;
  Hms mean = SplitHours(t.MeanSiderealTime0h(T));
  EXPECT_EQ(mean.h, 6);
  EXPECT_EQ(mean.m, 39);
  EXPECT_NEAR(mean.s, 52.27, 0.01);
  EXPECT_NEAR(t.RadToHours(t.EquationOfEquinoxes(T)) * 3600, -0.85, 0.03);
  Hms apparent = SplitHours(t.ApparentSiderealTime(2000, 1, 1, 0));
  EXPECT_EQ(apparent.h, 6);
  EXPECT_EQ(apparent.m, 39);
  EXPECT_NEAR(apparent.s, 51.4, 0.05);
}

TEST(SiderealTime, PublishedValueFor1987April10) {
  // The IAU 1982 expression gives 13h 10m 46.3668s mean and 13h 10m
  // 46.1351s apparent at 0h UT (equation of the equinoxes -0.2317 s).
  const LocationTable& t = Table();
  double T = t.DaysFromJ2000(1987, 4, 10, 0) * LocationTable::kCenturiesPerDay;
  // Not reduced: before 2000 the value is far below 0.
  double mean = std::fmod(t.MeanSiderealTime0h(T), 24.0);
  if (mean < 0) mean += 24;
  EXPECT_NEAR(mean * 3600, 13 * 3600 + 10 * 60 + 46.3668, 0.0005);
  EXPECT_NEAR(t.ApparentSiderealTime(1987, 4, 10, 0) * 3600, 13 * 3600 + 10 * 60 + 46.1351,
              0.002);
}

TEST(SiderealTime, AdvancesAbout3m56sADayAndStaysInADay) {
  const LocationTable& t = Table();
  double previous = t.ApparentSiderealTime(1975, 1, 1, 0);
  for (int year = 1975; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(year, month); ++day) {
        if (year == 1975 && month == 1 && day == 1) continue;
        double g = t.ApparentSiderealTime(year, month, day, 0);
        ASSERT_GE(g, 0.0);
        ASSERT_LE(g, 24.0);
        double step = g - previous;
        if (step < 0) step += 24;
        ASSERT_NEAR(step * 3600, 236.555, 0.1) << year << "-" << month << "-" << day;
        previous = g;
      }
    }
  }
}

TEST(Nutation, PublishedValuesFor1987April10) {
  // Nutation in longitude -3.788", in obliquity +9.443"; mean obliquity
  // 23d 26' 27.407" (at 0h dynamical time).
  const LocationTable& t = Table();
  double T = -0.127296372348;
  EXPECT_NEAR(t.NutationLongitude(T) * 3600, -3.788, 0.001);
  EXPECT_NEAR(t.NutationObliquity(T) * 3600, 9.443, 0.001);
  EXPECT_NEAR(LocationTable::MeanObliquity(T), LocationTable::DmsToDegrees(23, 26, 27.407),
              0.001 / 3600);
}

TEST(Nutation, MeanObliquityAtJ2000) {
  EXPECT_DOUBLE_EQ(LocationTable::MeanObliquity(0), 23.439291111111114);
}

TEST(Nutation, StaysWithinTheSeriesAmplitudes) {
  // Over 1975..2050 the longitude term stays within about 17.2" + 1.5" and
  // the obliquity term within about 9.2" + 0.7"; the 18.6-year node term
  // dominates, so both reach at least 15" and 8" somewhere.
  const LocationTable& t = Table();
  double maxPsi = 0, maxEps = 0;
  for (double T = -0.25; T <= 0.51; T += 0.0005) {
    double psi = std::fabs(t.NutationLongitude(T) * 3600);
    double eps = std::fabs(t.NutationObliquity(T) * 3600);
    EXPECT_LT(psi, 19.0);
    EXPECT_LT(eps, 10.2);
    maxPsi = std::max(maxPsi, psi);
    maxEps = std::max(maxEps, eps);
  }
  EXPECT_GT(maxPsi, 15.0);
  EXPECT_GT(maxEps, 8.0);
}

TEST(Places, TableOrderNamesAndCoordinates) {
  const LocationTable& t = Table();
  EXPECT_EQ(t.PlaceCount(), 87);
  PlaceRecord tokyo = t.PlaceAt(39);
  EXPECT_STREQ(tokyo.name, "東京");
  EXPECT_DOUBLE_EQ(tokyo.latitude, 35.65);
  EXPECT_DOUBLE_EQ(tokyo.longitude, 139.75);
  EXPECT_EQ(tokyo.group, 3);
  PlaceRecord standard = t.PlaceAt(41);
  EXPECT_STREQ(standard.name, "中央標準");
  EXPECT_DOUBLE_EQ(standard.latitude, 35.654444444444444);
  EXPECT_DOUBLE_EQ(standard.longitude, 139.74469444444443);
  PlaceRecord north = t.PlaceAt(0);
  EXPECT_STREQ(north.name, "稚内");
  EXPECT_DOUBLE_EQ(north.latitude, 45.416666666666664);
  EXPECT_DOUBLE_EQ(north.longitude, 141.68333333333334);
  EXPECT_EQ(north.group, 0);
  PlaceRecord south = t.PlaceAt(86);
  EXPECT_STREQ(south.name, "石垣島");
  EXPECT_DOUBLE_EQ(south.latitude, 24.35);
  EXPECT_DOUBLE_EQ(south.longitude, 124.15);
  EXPECT_EQ(south.group, 8);
  EXPECT_STREQ(t.PlaceAt(40).name, "甲府");
  EXPECT_STREQ(t.PlaceAt(49).name, "彦根");
  // Two places share the name 宮古, told apart by index.
  EXPECT_STREQ(t.PlaceAt(14).name, "宮古");
  EXPECT_STREQ(t.PlaceAt(85).name, "宮古");
  EXPECT_DOUBLE_EQ(t.PlaceAt(85).latitude, 24.8);
  EXPECT_EQ(t.PlaceAt(14).group, 1);
}

TEST(Places, EveryPlaceIsInJapanAndOrderedByLatitude) {
  const LocationTable& t = Table();
  std::set<std::string> names;
  int previousGroup = 0;
  for (int i = 0; i < t.PlaceCount(); ++i) {
    PlaceRecord p = t.PlaceAt(i);
    EXPECT_GT(std::strlen(p.name), 0u);
    EXPECT_STREQ(t.PlaceName(i), p.name);
    names.insert(p.name);
    EXPECT_GE(p.latitude, 24.0);
    EXPECT_LE(p.latitude, 46.0);
    EXPECT_GE(p.longitude, 123.0);
    EXPECT_LE(p.longitude, 146.0);
    EXPECT_GE(p.group, previousGroup) << i;  // groups run north to south
    previousGroup = p.group;
    EXPECT_STRNE(LocationTable::GroupName(p.group), "");
    // By decreasing latitude, except 甲府 after 東京 and 彦根 after 名古屋.
    if (i > 0 && i != 40 && i != 41 && i != 49 && i != 50) {
      EXPECT_LE(p.latitude, t.PlaceAt(i - 1).latitude) << i;
    }
  }
  EXPECT_EQ(names.size(), 86u);  // only 宮古 appears twice
  EXPECT_STREQ(LocationTable::GroupName(0), "札幌");
  EXPECT_STREQ(LocationTable::GroupName(8), "那覇");
}

TEST(Places, AnIndexOutsideTheTableIsSafe) {
  const LocationTable& t = Table();
  for (int bad : {-1, 87, 1000, -2147483647}) {
    EXPECT_STREQ(t.PlaceName(bad), "");
    PlaceRecord p = t.PlaceAt(bad);  // the default place
    EXPECT_STREQ(p.name, "東京");
  }
  EXPECT_STREQ(LocationTable::GroupName(9), "");
  EXPECT_STREQ(LocationTable::GroupName(-1), "");
}
