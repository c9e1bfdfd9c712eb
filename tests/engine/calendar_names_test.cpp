#include "engine/calendar_names.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(CalendarNames, LeapRuleIsGregorianForEveryYear) {
  EXPECT_EQ(CalendarNames::MonthLength(1900, 2), 28);
  EXPECT_EQ(CalendarNames::MonthLength(2000, 2), 29);
  EXPECT_EQ(CalendarNames::MonthLength(600, 2), 28);  // no Julian rule before 1582
  EXPECT_EQ(CalendarNames::MonthLength(1582, 10), 31);
  EXPECT_EQ(CalendarNames::YearLength(2024), 366);
  EXPECT_EQ(CalendarNames::MonthLength(2001, 13), 28);  // out-of-range month: February's length
}

TEST(CalendarNames, DayNumberEpochAndJulianDay) {
  EXPECT_EQ(CalendarNames::DayNumber(593, 1, 1), 0.0);
  EXPECT_EQ(CalendarNames::DayNumber(593, 2, 9), 39.0);
  EXPECT_EQ(CalendarNames::DayNumber(594, 1, 1), 365.0);
  // JDN of 2000-01-01 is 2451545.
  EXPECT_EQ(CalendarNames::DayNumber(2000, 1, 1), 2451545.0 - 1937650.0);
  // Years before the epoch give the day of year only.
  EXPECT_EQ(CalendarNames::DayNumber(500, 3, 1), 59.0);
}

TEST(CalendarNames, DayNumberStepsByOneAndAgreesWithWeekday) {
  // Walk every day 593..2052: the day number rises by one each day, the
  // weekday follows it (593-01-01 was a Tuesday) and so does the
  // sexagenary index (593-01-01 = 59, 癸亥).
  double expected = 0;
  for (int y = 593; y <= 2052; ++y) {
    int dayOfYear = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= CalendarNames::MonthLength(y, m); ++d) {
        ASSERT_EQ(CalendarNames::DayNumber(y, m, d), expected) << y << "-" << m << "-" << d;
        ASSERT_EQ(CalendarNames::DayOfYear(y, m, d), dayOfYear);
        long long n = static_cast<long long>(expected);
        ASSERT_EQ(CalendarNames::DayOfWeek(y, m, d), (n + 2) % 7);
        ASSERT_EQ(CalendarNames::SexagenaryDayIndex(y, m, d), (n + 59) % 60);
        ++expected;
        ++dayOfYear;
      }
    }
    ASSERT_EQ(dayOfYear, CalendarNames::YearLength(y));
  }
}

TEST(CalendarNames, KnownWeekdaysAndCycles) {
  EXPECT_EQ(CalendarNames::DayOfWeek(2000, 1, 1), 6);
  EXPECT_EQ(CalendarNames::DayOfWeek(593, 1, 1), 2);
  EXPECT_EQ(CalendarNames::DayOfWeek(593, 2, 9), 6);
  EXPECT_EQ(CalendarNames::SexagenaryDayIndex(593, 1, 1), 59);
  EXPECT_EQ(CalendarNames::SexagenaryDayIndex(593, 2, 9), 38);
  EXPECT_EQ(CalendarNames::SexagenaryDayIndex(2000, 1, 1), 54);  // 戊午
}

TEST(CalendarNames, NameTablesAndOutOfRangeIndexes) {
  CalendarNames names;
  EXPECT_STREQ(names.WeekdayKanji(0), "日");
  EXPECT_STREQ(names.WeekdayNameEn(3), "WEDNESDAY");
  EXPECT_STREQ(names.MonthNameEn(9), "ACTOBER");
  EXPECT_STREQ(names.MonthNameOld(5), "水無月");
  EXPECT_STREQ(names.MonthNameReading(9), "かんなづき");
  // Bad indexes give the empty text rather than reading past the table.
  EXPECT_STREQ(names.WeekdayKanji(7), "");
  EXPECT_STREQ(names.WeekdayKanji(-1), "");
  EXPECT_STREQ(names.MonthNameEn(12), "");
  EXPECT_STREQ(names.MonthNameOld(-3), "");
  EXPECT_STREQ(names.MonthNameReading(100), "");
}

TEST(CalendarNames, PositiveRemainder) {
  double q = -1;
  EXPECT_DOUBLE_EQ(PositiveRemainder(725, 360, q), 5);
  EXPECT_EQ(q, 2);
  EXPECT_DOUBLE_EQ(PositiveRemainder(720, 360, q), 0);
  EXPECT_EQ(q, 2);
  EXPECT_DOUBLE_EQ(PositiveRemainder(-10, 360, q), 0);
  EXPECT_EQ(q, 0);
  // Just below a multiple counts as that multiple.
  EXPECT_DOUBLE_EQ(PositiveRemainder(719.9999, 360, q), 0);
  EXPECT_EQ(q, 2);
  EXPECT_NEAR(PositiveRemainder(370.5, 360, q), 10.5, 1e-9);
  EXPECT_EQ(q, 1);
}

TEST(CalendarNames, TodayCenturyRuleAndOverride) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 7;
  int y = 0, m = 0;
  EXPECT_EQ(CalendarNames::TodayFromTm(t, y, m), 7);
  EXPECT_EQ(y, 2026);
  EXPECT_EQ(m, 12);
  t.tm_year = 96;
  CalendarNames::TodayFromTm(t, y, m);
  EXPECT_EQ(y, 2096);
  t.tm_year = 97;
  CalendarNames::TodayFromTm(t, y, m);
  EXPECT_EQ(y, 1997);

  CalendarNames names;
  CalendarNames::SetTodayOverride(2015, 2, 14);
  EXPECT_EQ(names.Today(y, m), 14);
  EXPECT_EQ(y, 2015);
  EXPECT_EQ(names.TodayInMonth(2015, 2), 14);
  EXPECT_EQ(names.TodayInMonth(2015, 3), 0);
  CalendarNames::SetTodayOverride(0, 0, 0);
  int d = names.Today(y, m);
  // The system clock, whatever its date, goes through the same century rule.
  EXPECT_GE(y, 1997);
  EXPECT_LE(y, 2096);
  EXPECT_EQ(names.TodayInMonth(y, m), d);
}
