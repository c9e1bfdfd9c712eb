// The moon's position series.
//
// Tolerances: the series are good to about 0.01 deg in longitude; the
// checks below allow that, or state their own reason.
#include "astro/moon_ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

MoonEphemeris& Moon() {
  static MoonEphemeris moon;
  return moon;
}

double AngleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace

TEST(MoonPosition, NewMoonOf2000January6) {
  // Conjunction at 18h 14m UT: the two longitudes agree at about 285.73 deg.
  double hours = 18.0 + 14.0 / 60.0;
  double moon = Moon().MoonLongitude(2000, 1, 6, hours);
  double sun = Moon().sun().SunLongitude(2000, 1, 6, hours);
  EXPECT_NEAR(moon, 285.73, 0.01);
  EXPECT_NEAR(AngleDifference(moon, sun), 0.0, 0.01);
}

TEST(MoonPosition, PublishedPositionOf1992April12) {
  // Geocentric apparent longitude 133.167 deg, latitude -3.229 deg,
  // equatorial horizontal parallax 0.991 deg at 0h dynamical time; right
  // ascension 134.688 deg, declination 13.769 deg.
  EXPECT_NEAR(Moon().MoonLongitude(1992, 4, 12, 0), 133.167, 0.02);
  EXPECT_NEAR(Moon().MoonLatitude(1992, 4, 12, 0), -3.229, 0.01);
  EXPECT_NEAR(Moon().MoonParallax(1992, 4, 12, 0), 0.99199, 0.002);
  auto eq = Moon().MoonEquatorial(1992, 4, 12, 0);
  EXPECT_NEAR(eq.first * 15, 134.688, 0.02);
  EXPECT_NEAR(eq.second, 13.769, 0.01);
}

TEST(MoonPosition, AnyHourCountsIntoTheNeighbouringDays) {
  EXPECT_DOUBLE_EQ(Moon().MoonLongitude(2000, 3, 1, -3), Moon().MoonLongitude(2000, 2, 29, 21));
  EXPECT_DOUBLE_EQ(Moon().MoonLatitude(2000, 1, 1, -3), Moon().MoonLatitude(1999, 12, 31, 21));
  EXPECT_DOUBLE_EQ(Moon().MoonParallax(2001, 1, 0, 27), Moon().MoonParallax(2001, 1, 1, 3));
  auto a = Moon().MoonEquatorial(2010, 7, 15, -3);
  auto b = Moon().MoonEquatorial(2010, 7, 14, 21);
  EXPECT_NEAR(a.first, b.first, 1e-12);
  EXPECT_NEAR(a.second, b.second, 1e-12);
}

TEST(MoonPosition, RangesAndHourlyMotionOverTheWholeRange) {
  // Hourly samples every third day: longitude reduced into 0..360 and
  // moving 0.45..0.68 deg an hour (never jumping at the 0/360 seam),
  // latitude within +-5.3 deg, parallax within 0.90..1.02 deg, right
  // ascension in 0..24 h and declination within the 1975..2050 extremes.
  for (int y = 1975; y <= 2050; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= CalendarNames::MonthLength(y, m); d += 3) {
        double previous = Moon().MoonLongitude(y, m, d, 0);
        for (int h = 1; h <= 24; ++h) {
          double lon = Moon().MoonLongitude(y, m, d, h);
          ASSERT_GE(lon, 0.0);
          ASSERT_LT(lon, 360.0);
          double step = AngleDifference(lon, previous);
          ASSERT_GT(step, 0.45) << y << "-" << m << "-" << d << " " << h;
          ASSERT_LT(step, 0.68) << y << "-" << m << "-" << d << " " << h;
          previous = lon;
        }
        ASSERT_LE(std::fabs(Moon().MoonLatitude(y, m, d, 0)), 5.31);
        double parallax = Moon().MoonParallax(y, m, d, 0);
        ASSERT_GT(parallax, 0.89);
        ASSERT_LT(parallax, 1.03);
        auto eq = Moon().MoonEquatorial(y, m, d, 0);
        ASSERT_GE(eq.first, 0.0);
        ASSERT_LT(eq.first, 24.0);
        ASSERT_LE(std::fabs(eq.second), 28.8);
      }
    }
  }
}

TEST(MoonPosition, RightAscensionAcrossZero) {
  // Find the moon passing 0 deg longitude in January 2000 and check that
  // the right ascension goes from just below 24h to just past 0h.
  double previousLon = Moon().MoonLongitude(2000, 1, 1, 0);
  double previousRa = Moon().MoonEquatorial(2000, 1, 1, 0).first;
  int crossings = 0;
  for (int step = 1; step <= 31 * 24 * 4; ++step) {
    double hours = step * 0.25;
    double lon = Moon().MoonLongitude(2000, 1, 1, hours);
    double ra = Moon().MoonEquatorial(2000, 1, 1, hours).first;
    if (lon < previousLon) {
      ++crossings;
      EXPECT_GT(previousLon, 359.0);
      EXPECT_LT(lon, 1.0);
    }
    if (ra < previousRa) {
      EXPECT_GT(previousRa, 23.9);
      EXPECT_LT(ra, 0.1);
    }
    previousLon = lon;
    previousRa = ra;
  }
  EXPECT_EQ(crossings, 1);
}
