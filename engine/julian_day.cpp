#include "engine/julian_day.h"

namespace korvane {

namespace {

long FloorDiv(long a, long b) {
  long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool IsGregorianLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsJulianLeap(int year) { return FloorDiv(year, 4) * 4 == year; }

int MonthLength(int month, bool leap) {
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leap ? 29 : kLengths[month - 1];
}

// Both calendars are counted from March, so that the leap day ends the year
// and each month's first day follows from (153 * m + 2) / 5.
long DaysBeforeMarchMonth(int month) {
  const int m = month > 2 ? month - 3 : month + 9;
  return (153L * m + 2) / 5;
}

int MarchYear(int year, int month) { return month > 2 ? year : year - 1; }

GregorianDate FromMarchCount(long yearOfEra, long dayOfYear, long eraYearBase) {
  const long monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const long year = eraYearBase + yearOfEra + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), month, day};
}

// JDN of Gregorian 0000-03-01 and of Julian 0000-03-01.
constexpr long kGregorianMarchEpoch = 1721120;
constexpr long kJulianMarchEpoch = 1721118;

}  // namespace

bool IsValidGregorian(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= MonthLength(month, IsGregorianLeap(year));
}

bool IsValidJulian(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= MonthLength(month, IsJulianLeap(year));
}

long JdnFromGregorian(int year, int month, int day) {
  const long y = MarchYear(year, month);
  const long era = FloorDiv(y, 400);
  const long yearOfEra = y - era * 400;
  const long dayOfYear = DaysBeforeMarchMonth(month) + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return kGregorianMarchEpoch + era * 146097 + dayOfEra;
}

long JdnFromJulian(int year, int month, int day) {
  const long y = MarchYear(year, month);
  const long cycle = FloorDiv(y, 4);
  const long yearOfCycle = y - cycle * 4;
  const long dayOfYear = DaysBeforeMarchMonth(month) + day - 1;
  return kJulianMarchEpoch + cycle * 1461 + yearOfCycle * 365 + dayOfYear;
}

GregorianDate GregorianFromJdn(long jdn) {
  const long days = jdn - kGregorianMarchEpoch;
  const long era = FloorDiv(days, 146097);
  const long dayOfEra = days - era * 146097;
  const long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  return FromMarchCount(yearOfEra, dayOfYear, era * 400);
}

GregorianDate JulianFromJdn(long jdn) {
  const long days = jdn - kJulianMarchEpoch;
  const long cycle = FloorDiv(days, 1461);
  const long dayOfCycle = days - cycle * 1461;
  // The fourth year of a cycle is the long one, so day 1460 stays in it.
  const long yearOfCycle = dayOfCycle == 1460 ? 3 : dayOfCycle / 365;
  const long dayOfYear = dayOfCycle - yearOfCycle * 365;
  return FromMarchCount(yearOfCycle, dayOfYear, cycle * 4);
}

int WeekdayOfJdn(long jdn) {
  // JDN 0 was a Monday.
  return static_cast<int>(jdn + 1 - FloorDiv(jdn + 1, 7) * 7);
}

}  // namespace korvane
