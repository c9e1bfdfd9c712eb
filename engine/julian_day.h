#pragma once
// Julian Day Numbers and the two Western calendars.
//
// A Julian Day Number (JDN) names a civil day by an integer: the day that
// begins at the midnight in the middle of the astronomical Julian Day of the
// same number, so 2000-01-01 is 2451545.  Both calendars are proleptic and
// have no switch-over: the Julian calendar carries on after 1582, the
// Gregorian one runs back before it.  Years are astronomical (year 0 exists),
// though nothing here needs a year before 593.
#include "engine/lunisolar_table.h"

namespace korvane {

// The first day of the Gregorian calendar, 1582-10-15 (Julian 1582-10-05).
// Before it a Western date is conventionally written in the Julian calendar.
inline constexpr long kGregorianReformJdn = 2299161;

bool IsValidGregorian(int year, int month, int day);
bool IsValidJulian(int year, int month, int day);

// Dates are not checked: an invalid one gives the JDN its fields add up to.
long JdnFromGregorian(int year, int month, int day);
long JdnFromJulian(int year, int month, int day);
inline long JdnFromGregorian(const GregorianDate& date) {
  return JdnFromGregorian(date.year, date.month, date.day);
}

GregorianDate GregorianFromJdn(long jdn);
// The same three fields, counted in the Julian calendar.
GregorianDate JulianFromJdn(long jdn);

// 0 = Sunday .. 6 = Saturday.
int WeekdayOfJdn(long jdn);

}  // namespace korvane
