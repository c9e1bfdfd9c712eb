#include "engine/holiday_calendar.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/calendar_names.h"
#include "engine/message_hook.h"

namespace {

struct Holiday {
  int month;
  int day;
  int code;
};

// Every holiday of a year in date order, asked with the true weekday.
std::vector<Holiday> HolidaysOf(const HolidayCalendar& calendar, int year) {
  std::vector<Holiday> list;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= CalendarNames::MonthLength(year, month); ++day) {
      int code = calendar.HolidayCode(year, month, day, CalendarNames::DayOfWeek(year, month, day));
      if (code != 0) list.push_back({month, day, code});
    }
  }
  return list;
}

void ExpectYear(const HolidayCalendar& calendar, int year, const std::vector<Holiday>& expected) {
  std::vector<Holiday> actual = HolidaysOf(calendar, year);
  ASSERT_EQ(actual.size(), expected.size()) << year;
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].month, expected[i].month) << year << " #" << i;
    EXPECT_EQ(actual[i].day, expected[i].day) << year << " #" << i;
    EXPECT_EQ(actual[i].code, expected[i].code) << year << "-" << expected[i].month << "-" << expected[i].day;
  }
  EXPECT_EQ(calendar.HolidayCount(year), static_cast<int>(expected.size())) << year;
}

int Code(const HolidayCalendar& calendar, int year, int month, int day) {
  return calendar.HolidayCode(year, month, day, CalendarNames::DayOfWeek(year, month, day));
}

}  // namespace

// Whole years listed by hand from the rules and the weekdays of the year.
TEST(HolidayCalendar, WholeYearsListedByHand) {
  HolidayCalendar calendar;
  // The last pre-war year: the festival days, with the equinoxes as 4 and 10.
  ExpectYear(calendar, 1947,
             {{1, 1, 50}, {1, 3, 51}, {1, 5, 52}, {2, 11, 53}, {3, 21, 4}, {4, 3, 55},
              {4, 29, 56}, {9, 24, 10}, {10, 17, 58}, {11, 3, 59}, {11, 23, 60}, {12, 26, 61}});
  // The first post-war year: nine holidays, no 建国記念日 yet.
  ExpectYear(calendar, 1948,
             {{1, 1, 1}, {1, 15, 2}, {3, 21, 4}, {4, 29, 14}, {5, 3, 6}, {5, 5, 7}, {9, 23, 10},
              {11, 3, 12}, {11, 23, 13}});
  // 1973 (January 1 a Monday): substitutes after 2/11, 4/29 and 9/23, all Sundays.
  ExpectYear(calendar, 1973,
             {{1, 1, 1}, {1, 15, 2}, {2, 11, 3}, {2, 12, 15}, {3, 21, 4}, {4, 29, 14},
              {4, 30, 15}, {5, 3, 6}, {5, 5, 7}, {9, 15, 9}, {9, 23, 10}, {9, 24, 15},
              {10, 10, 11}, {11, 3, 12}, {11, 23, 13}});
  // 1990: 天皇誕生日 on December 23 (a Sunday); May 4 is not yet a holiday.
  ExpectYear(calendar, 1990,
             {{1, 1, 1}, {1, 15, 2}, {2, 11, 3}, {2, 12, 15}, {3, 21, 4}, {4, 29, 5},
              {4, 30, 15}, {5, 3, 6}, {5, 5, 7}, {9, 15, 9}, {9, 23, 10}, {9, 24, 15},
              {10, 10, 11}, {11, 3, 12}, {11, 23, 13}, {12, 23, 14}, {12, 24, 15}});
  // 1996: 海の日 on July 20, May 4 a Saturday between two holidays.
  ExpectYear(calendar, 1996,
             {{1, 1, 1}, {1, 15, 2}, {2, 11, 3}, {2, 12, 15}, {3, 20, 4}, {4, 29, 5},
              {5, 3, 6}, {5, 4, 16}, {5, 5, 7}, {5, 6, 15}, {7, 20, 8}, {9, 15, 9},
              {9, 16, 15}, {9, 23, 10}, {10, 10, 11}, {11, 3, 12}, {11, 4, 15}, {11, 23, 13},
              {12, 23, 14}});
  // 2000: 成人の日 and 体育の日 on the second Mondays.
  ExpectYear(calendar, 2000,
             {{1, 1, 1}, {1, 10, 2}, {2, 11, 3}, {3, 20, 4}, {4, 29, 5}, {5, 3, 6}, {5, 4, 16},
              {5, 5, 7}, {7, 20, 8}, {9, 15, 9}, {9, 23, 10}, {10, 9, 11}, {11, 3, 12},
              {11, 23, 13}, {12, 23, 14}});
  // 2003: 海の日 and 敬老の日 on the third Mondays; May 4 a Sunday is no holiday.
  ExpectYear(calendar, 2003,
             {{1, 1, 1}, {1, 13, 2}, {2, 11, 3}, {3, 21, 4}, {4, 29, 5}, {5, 3, 6}, {5, 5, 7},
              {7, 21, 8}, {9, 15, 9}, {9, 23, 10}, {10, 13, 11}, {11, 3, 12}, {11, 23, 13},
              {11, 24, 15}, {12, 23, 14}});
}

TEST(HolidayCalendar, LawChangesOf1948And1966) {
  HolidayCalendar calendar;
  EXPECT_EQ(Code(calendar, 1947, 1, 1), 50);
  EXPECT_EQ(Code(calendar, 1948, 1, 1), 1);
  EXPECT_EQ(Code(calendar, 1947, 2, 11), 53);
  EXPECT_EQ(Code(calendar, 1965, 2, 11), 0);
  EXPECT_EQ(Code(calendar, 1967, 2, 11), 3);
  EXPECT_EQ(Code(calendar, 1965, 9, 15), 0);
  EXPECT_EQ(Code(calendar, 1966, 9, 15), 9);
  EXPECT_EQ(Code(calendar, 1965, 10, 10), 0);
  EXPECT_EQ(Code(calendar, 1966, 10, 10), 11);
  EXPECT_EQ(Code(calendar, 1988, 4, 29), 14);
  EXPECT_EQ(Code(calendar, 1989, 4, 29), 5);
  EXPECT_EQ(Code(calendar, 1988, 12, 23), 0);
  EXPECT_EQ(Code(calendar, 1989, 12, 23), 14);
  // Pre-war-only days.
  EXPECT_EQ(Code(calendar, 1948, 12, 26), 0);
  EXPECT_EQ(Code(calendar, 1948, 10, 17), 0);
  EXPECT_EQ(Code(calendar, 1948, 4, 3), 0);
  EXPECT_EQ(Code(calendar, 1930, 12, 26), 61);
}

TEST(HolidayCalendar, SubstituteHolidaysFrom1973) {
  HolidayCalendar calendar;
  // The Monday after a Sunday holiday, from 1973 on.
  EXPECT_EQ(calendar.HolidayCode(1972, 2, 12, 1), 0);
  EXPECT_EQ(calendar.HolidayCode(1973, 2, 12, 1), 15);
  EXPECT_EQ(calendar.HolidayCode(1973, 2, 12, 2), 0);  // not a Monday
  EXPECT_EQ(Code(calendar, 1978, 12, 24), 0);  // a Sunday, and 12/23 no holiday yet
  EXPECT_EQ(Code(calendar, 1979, 12, 24), 0);  // a Monday, likewise
  EXPECT_EQ(Code(calendar, 1990, 12, 24), 15);
  // After an equinox: the spring equinox of 2010 (March 21) fell on a
  // Sunday, the autumn one of 2012 (September 22) on a Saturday.
  EXPECT_EQ(Code(calendar, 2010, 3, 21), 4);
  EXPECT_EQ(Code(calendar, 2010, 3, 22), 15);
  EXPECT_EQ(Code(calendar, 2012, 9, 22), 10);
  EXPECT_EQ(Code(calendar, 2012, 9, 23), 0);  // a Sunday after a Saturday equinox
  EXPECT_EQ(calendar.HolidayCode(1972, 3, 21, 1), 0);
  // Jan 16, Oct 11 and Jul 21 substitutes end with the days they follow.
  EXPECT_EQ(calendar.HolidayCode(1999, 1, 16, 1), 15);
  EXPECT_EQ(calendar.HolidayCode(2000, 1, 16, 1), 0);
  EXPECT_EQ(calendar.HolidayCode(1999, 10, 11, 1), 15);
  EXPECT_EQ(calendar.HolidayCode(2000, 10, 11, 1), 11);  // the second Monday itself
  EXPECT_EQ(calendar.HolidayCode(1995, 7, 21, 1), 0);
  EXPECT_EQ(calendar.HolidayCode(1996, 7, 21, 1), 15);
  // A Sunday holiday followed by a Monday holiday keeps the Monday's own name.
  EXPECT_EQ(calendar.HolidayCode(2007, 5, 6, 0), 0);
  EXPECT_EQ(calendar.HolidayCode(2007, 5, 4, 5), 16);
}

TEST(HolidayCalendar, MondayRulesOf2000And2003) {
  HolidayCalendar calendar;
  EXPECT_EQ(Code(calendar, 2000, 1, 10), 2);
  EXPECT_EQ(Code(calendar, 2000, 1, 15), 0);
  EXPECT_EQ(Code(calendar, 1999, 1, 15), 2);
  EXPECT_EQ(Code(calendar, 2000, 10, 9), 11);
  EXPECT_EQ(Code(calendar, 2000, 10, 10), 0);
  EXPECT_EQ(Code(calendar, 1999, 10, 10), 11);
  EXPECT_EQ(Code(calendar, 2003, 7, 21), 8);
  EXPECT_EQ(Code(calendar, 2003, 7, 20), 0);
  EXPECT_EQ(Code(calendar, 2002, 7, 20), 8);
  EXPECT_EQ(Code(calendar, 2003, 9, 15), 9);
  EXPECT_EQ(Code(calendar, 2004, 9, 15), 0);
  EXPECT_EQ(Code(calendar, 2004, 9, 20), 9);
  // In every year from 2003 each of the four Monday holidays falls exactly
  // once, on a Monday, in its week.
  for (int year = 2000; year <= 2051; ++year) {
    int seijin = 0, taiiku = 0, umi = 0, keiro = 0;
    for (const Holiday& h : HolidaysOf(calendar, year)) {
      int weekday = CalendarNames::DayOfWeek(year, h.month, h.day);
      if (h.code == 2) { ++seijin; EXPECT_TRUE(weekday == 1 && h.day >= 8 && h.day <= 14); }
      if (h.code == 11) { ++taiiku; EXPECT_TRUE(weekday == 1 && h.day >= 8 && h.day <= 14); }
      if (h.code == 8) { ++umi; if (year >= 2003) { EXPECT_TRUE(weekday == 1 && h.day >= 15); } }
      if (h.code == 9) { ++keiro; if (year >= 2003) { EXPECT_TRUE(weekday == 1 && h.day >= 15); } }
    }
    EXPECT_EQ(seijin, 1) << year;
    EXPECT_EQ(taiiku, 1) << year;
    EXPECT_EQ(umi, 1) << year;
    EXPECT_EQ(keiro, 1) << year;
  }
}

TEST(HolidayCalendar, CitizensHolidayOnMay4) {
  HolidayCalendar calendar;
  EXPECT_EQ(Code(calendar, 1996, 5, 4), 16);  // a Saturday
  EXPECT_EQ(Code(calendar, 1994, 5, 4), 0);   // before the rule
  EXPECT_EQ(Code(calendar, 1995, 5, 4), 16);  // its first year, a Thursday
  EXPECT_EQ(Code(calendar, 2003, 5, 4), 0);   // a Sunday
  EXPECT_EQ(Code(calendar, 1998, 5, 4), 15);  // a Monday: the substitute for May 3
  EXPECT_EQ(Code(calendar, 1999, 5, 4), 16);  // a Tuesday
}

TEST(HolidayCalendar, EquinoxHolidaysFollowTheTermDates) {
  HolidayCalendar calendar;
  SolarTermTable terms;
  EXPECT_EQ(Code(calendar, 2000, 3, 20), 4);
  EXPECT_EQ(Code(calendar, 2000, 3, 21), 0);
  for (int year = 1851; year <= 2051; ++year) {
    int spring = static_cast<int>(terms.TermDay(year, 6));
    int autumn = static_cast<int>(terms.TermDay(year, 18));
    ASSERT_EQ(Code(calendar, year, 3, spring), 4) << year;
    ASSERT_EQ(Code(calendar, year, 9, autumn), 10) << year;
  }
}

// For every day of the range: codes are known ones, the era of the code
// matches the year, and from 1973 the substitutes are exactly the Mondays
// after Sunday holidays whose Monday has no holiday of its own.
TEST(HolidayCalendar, InvariantsOverEveryDay) {
  HolidayCalendar calendar;
  korvane::MessageRecorder recorder;
  for (int year = 1851; year <= 2051; ++year) {
    int previousCode = 0;
    int weekday = CalendarNames::DayOfWeek(year, 1, 1);
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(year, month); ++day) {
        int code = calendar.HolidayCode(year, month, day, weekday);
        bool known = code == 0 || (code >= 1 && code <= 16) || (code >= 50 && code <= 61);
        ASSERT_TRUE(known) << code;
        ASSERT_NE(code, 54);
        ASSERT_NE(code, 57);
        if (code != 0) {
          ASSERT_STRNE(calendar.NameOfCode(code), "");
        }
        if (code >= 50) {
          ASSERT_LT(year, 1948);
        }
        if (code != 0 && code < 50 && code != 4 && code != 10) {
          ASSERT_GE(year, 1948);
        }
        if (code == 15) {
          ASSERT_GE(year, 1973);
          ASSERT_EQ(weekday, 1);
          ASSERT_NE(previousCode, 0) << year << "-" << month << "-" << day;
        }
        if (year >= 1973 && weekday == 1 && previousCode != 0 && !(month == 1 && day == 1)) {
          ASSERT_NE(code, 0) << "no substitute on " << year << "-" << month << "-" << day;
        }
        previousCode = code;
        weekday = (weekday + 1) % 7;
      }
    }
  }
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(HolidayCalendar, YearsWithoutTermsLoseOnlyTheEquinoxHolidays) {
  HolidayCalendar calendar;
  korvane::MessageRecorder recorder;
  // 2052: the post-war holidays without the two equinoxes; the term
  // formula's range message appears for the days it was asked about.
  std::vector<Holiday> list = HolidaysOf(calendar, 2052);
  EXPECT_FALSE(recorder.messages().empty());
  EXPECT_EQ(recorder.messages().front(), "2052年の24節気は計算できません.");
  for (const Holiday& h : list) {
    EXPECT_NE(h.code, 4);
    EXPECT_NE(h.code, 10);
  }
  recorder.clear();
  EXPECT_EQ(Code(calendar, 1700, 1, 1), 50);
  EXPECT_EQ(Code(calendar, 1700, 3, 10), 0);
  EXPECT_TRUE(recorder.messages().empty());  // early March never asks for the terms
  // Bad months and days are simply no holidays.
  EXPECT_EQ(calendar.HolidayCode(2000, 0, 1, 1), 0);
  EXPECT_EQ(calendar.HolidayCode(2000, 13, 1, 1), 0);
  EXPECT_EQ(calendar.HolidayCode(2000, 6, 1, 1), 0);
  EXPECT_EQ(calendar.HolidayCode(2000, 8, 15, 1), 0);
}

TEST(HolidayCalendar, NamesWithSafeIndexes) {
  HolidayCalendar calendar;
  EXPECT_STREQ(calendar.HolidayName(0), "元日");
  EXPECT_STREQ(calendar.HolidayName(13), "天皇誕生日");
  EXPECT_STREQ(calendar.HolidayName(14), "振替休日");
  EXPECT_STREQ(calendar.HolidayName(15), "国民の休日");
  EXPECT_STREQ(calendar.HolidayName(16), "");
  EXPECT_STREQ(calendar.HolidayName(-1), "");
  EXPECT_STREQ(calendar.PrewarHolidayName(0), "四方拝");
  EXPECT_STREQ(calendar.PrewarHolidayName(4), "春季皇霊祭");
  EXPECT_STREQ(calendar.PrewarHolidayName(11), "大正天皇祭");
  EXPECT_STREQ(calendar.PrewarHolidayName(12), "");
  EXPECT_STREQ(calendar.PrewarHolidayName(-50), "");
  EXPECT_STREQ(calendar.NameOfCode(15), "振替休日");
  EXPECT_STREQ(calendar.NameOfCode(61), "大正天皇祭");
  EXPECT_STREQ(calendar.NameOfCode(0), "");
  EXPECT_STREQ(calendar.NameOfCode(17), "");
  EXPECT_STREQ(calendar.NameOfCode(62), "");
}
