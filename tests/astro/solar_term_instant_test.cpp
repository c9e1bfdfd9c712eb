// The current rules' term days against the sun: every term of the table's
// years falls on the JST day of the instant the sun reaches its longitude,
// at the minute the instant gives, and the published formula is untouched.
#include "astro/solar_term_instant.h"
#include "engine/solar_term_table.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SolarTermInstant, CurrentTermDaysAreTheSunsInstantsOverTheWholeRange) {
  const SunEphemeris sun;
  const SolarTermTable current(CalendarLaw::Current);
  const SolarTermTable published(CalendarLaw::AsPublished);
  int setsuMoved = 0, setsuMovedBefore1900 = 0;
  for (int year = SolarTermTable::kFirstYear; year <= SolarTermTable::kLastYear; ++year) {
    for (int i = 0; i < SolarTermTable::kTermCount; ++i) {
      const SolarTermInstant t = FindSolarTermInstant(sun, year, i);
      ASSERT_EQ(t.month, SolarTermTable::TermMonth(i)) << year << " " << i;
      const double day = current.TermDay(year, i);
      ASSERT_EQ(int(day), t.day) << year << " " << current.TermName(i);
      ASSERT_EQ(std::lround((day - int(day)) * 1440), int(std::floor(t.hours * 60)))
          << year << " " << current.TermName(i);
      // The 節 (odd indexes) that the formula puts on another day.
      if (i % 2 == 1 && year >= 1873 && year <= 2050 && int(published.TermDay(year, i)) != t.day) {
        ++setsuMoved;
        if (year < 1900) ++setsuMovedBefore1900;
      }
    }
  }
  EXPECT_EQ(setsuMoved, 80);
  EXPECT_EQ(setsuMovedBefore1900, 65);
  // 立春 1900: the formula's 2月5日 becomes the instant's 2月4日 14:52.
  EXPECT_EQ(int(published.TermDay(1900, SolarTermTable::kSpringBegins)), 5);
  EXPECT_EQ(std::lround(current.TermDay(1900, SolarTermTable::kSpringBegins) * 1440), 4 * 1440 + 14 * 60 + 52);
}
