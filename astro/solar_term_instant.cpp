#include "astro/solar_term_instant.h"

#include <cmath>

#include "engine/calendar_names.h"
#include "engine/solar_term_table.h"

namespace {

// Signed difference of two longitudes, -180..180 degrees.
double LongitudeDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace

void StepGregorianDays(int& y, int& m, int& d, int n) {
  for (; n > 0; --n) {
    if (++d > CalendarNames::MonthLength(y, m)) {
      d = 1;
      if (++m > 12) m = 1, ++y;
    }
  }
  for (; n < 0; ++n) {
    if (--d < 1) {
      if (--m < 1) m = 12, --y;
      d = CalendarNames::MonthLength(y, m);
    }
  }
}

double HoursToSunLongitude(const SunEphemeris& sun, int year, int month, int day, double longitude) {
  // 0h JST is 15h UT of the day before.
  auto offset = [&](double hours) {
    const double ut = hours - 9;
    const int days = int(std::floor(ut / 24));
    int y = year, m = month, d = day;
    StepGregorianDays(y, m, d, days);
    return LongitudeDifference(sun.SunLongitude(y, m, d, ut - days * 24.0), longitude);
  };
  double lo = -48;
  double hi = 48;
  // The sun moves about a degree a day, so the difference rises through zero
  // once in the window; halve it down to well under a second.
  for (int i = 0; i < 40; ++i) {
    const double mid = (lo + hi) / 2;
    if (offset(mid) < 0)
      lo = mid;
    else
      hi = mid;
  }
  return (lo + hi) / 2;
}

double SolarTermLongitude(int termIndex) { return std::fmod(270.0 + 15.0 * termIndex, 360.0); }

SolarTermInstant FindSolarTermInstant(const SunEphemeris& sun, int year, int termIndex) {
  SolarTermInstant result;
  if (year < SolarTermTable::kFirstYear || year > SolarTermTable::kLastYear || termIndex < 0 ||
      termIndex >= SolarTermTable::kTermCount)
    return result;
  // The published formula is never more than a day off, well inside the
  // search window.
  const SolarTermTable formula(CalendarLaw::AsPublished);
  int month = SolarTermTable::TermMonth(termIndex);
  const double hours =
      HoursToSunLongitude(sun, year, month, int(formula.TermDay(year, termIndex)), SolarTermLongitude(termIndex));
  int y = year, d = int(formula.TermDay(year, termIndex));
  const int days = int(std::floor(hours / 24));
  StepGregorianDays(y, month, d, days);
  result.year = y;
  result.month = month;
  result.day = d;
  result.hours = hours - days * 24.0;
  return result;
}
