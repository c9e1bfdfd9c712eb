#pragma once
// Gregorian day arithmetic and the weekday and month name tables.
//
// Dates are three plain ints (year, month 1..12, day 1..31), proleptic
// Gregorian everywhere.  The day number counts days from 593-01-01 = 0, the
// first day of the lunisolar table (Julian Day Number - 1937650).
#include <ctime>

class CalendarNames {
 public:
  CalendarNames() = default;

  // The epoch year of DayNumber and the first year of the lunisolar table.
  static constexpr int firstYear = 593;

  // Name tables.  An index outside the table gives the empty text.
  const char* WeekdayKanji(int weekday) const;      // 0 = 日 (Sunday) .. 6 = 土
  const char* WeekdayNameEn(int weekday) const;     // "SUNDAY" ..
  const char* MonthNameEn(int monthIndex) const;    // 0 = "JANUARY" ..
  const char* MonthNameOld(int monthIndex) const;   // 0 = 睦月 ..
  const char* MonthNameReading(int monthIndex) const;  // 0 = むつき ..

  // 0 = Sunday .. 6 = Saturday.
  static int DayOfWeek(int year, int month, int day);
  static int FebruaryLength(int year);
  // 28..31; a month outside 1..12 gets February's length.
  static int MonthLength(int year, int month);
  static int YearLength(int year);
  // Days from January 1 of the same year (January 1 = 0).
  static int DayOfYear(int year, int month, int day);
  // Days from 593-01-01.  Years before 593 give the day-of-year part only.
  static double DayNumber(int year, int month, int day);
  // 0..59, 0 = 甲子.  593-01-01 is 59 (癸亥).
  static int SexagenaryDayIndex(int year, int month, int day);

  // Today's day of month when (year, month) is the current month, else 0.
  int TodayInMonth(int year, int month) const;
  // Today's day of month; writes the current year and month.
  int Today(int& year, int& month) const;

  // Breaks a clock reading into (year, month, day) by the program's rule:
  // a years-since-1900 field above 96 is 19xx, otherwise 20xx.
  static int TodayFromTm(const std::tm& local, int& year, int& month);

  // Overrides the clock for Today and TodayInMonth (tests and the
  // command-line tool's --today); year 0 restores the system clock.
  static void SetTodayOverride(int year, int month, int day);
};

// The remainder of value / divisor for the astronomy series, with the
// quotient's integral part written to `quotient`.  A quotient is nudged up by
// one millionth before truncation, so a value a hair below a multiple counts
// as that multiple; negative values and exact multiples give 0.
double PositiveRemainder(double value, double divisor, double& quotient);
