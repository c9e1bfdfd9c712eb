// The moon's phases and age: both sample the sun's and moon's longitudes at
// 0h UT (09h JST) of consecutive days and interpolate linearly; neither
// iterates.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/moon_ephemeris.h"

namespace {

constexpr const char* kPhaseNames[4] = {"新月", "上弦", "満月", "下弦"};

// A difference of two longitudes brought into -180..180, for a step that
// is known to be small but may cross 0/360.
double SmallDifference(double d) {
  if (d > 180.0) return d - 360.0;
  if (d < -180.0) return d + 360.0;
  return d;
}

// Whether the moon overtakes the sun between two samples a day apart, and
// if so how long before the second sample, in days (the moon's age at the
// second sample); -1 when it does not.
double ConjunctionAge(double moon0, double moon1, double sun0, double sun1) {
  double a = moon0, b = moon1, c = sun0, d = sun1;
  if (a > b) b += 360.0;
  if (c > d) d += 360.0;
  // One body may pass 0/360 a day before the other (a new moon just after
  // the March equinox); compare them on the same turn.
  if (a - c > 180.0) {
    a -= 360.0;
    b -= 360.0;
  } else if (a - c < -180.0) {
    c -= 360.0;
    d -= 360.0;
  }
  if (a <= c && b >= d) return (b - d) / ((b - a) - (d - c));
  return -1.0;
}

}  // namespace

double MoonEphemeris::Elongation(int year, int month, int day, double hours) const {
  double e = MoonLongitude(year, month, day, hours) - sun_.SunLongitude(year, month, day, hours);
  return e < 0.0 ? e + 360.0 : e;
}

MoonPhaseList MoonEphemeris::MoonPhaseEvents(int year, int month) const {
  MoonPhaseList list;
  const int n = CalendarNames::MonthLength(year, month);
  // Elongations at 0h UT of day 0 (the previous month's last day) .. n + 1.
  double E[34];
  for (int j = 0; j <= n + 1; ++j) E[j] = Elongation(year, month, j, 0.0);

  for (int j = 0; j <= n; ++j) {
    double t = E[j];
    double u = E[j + 1];
    if (t > u) u += 360.0;  // the elongation wrapped: the moon passed the sun
    int phase;
    if (u >= 360.0) {
      phase = 0;
    } else if (t <= 90.0 && 90.0 <= u) {
      phase = 1;
    } else if (t <= 180.0 && 180.0 <= u) {
      phase = 2;
    } else if (t <= 270.0 && 270.0 <= u) {
      phase = 3;
    } else {
      continue;
    }
    const double target = phase == 0 ? 360.0 : 90.0 * phase;
    // The hour (UT, within day j) in which the target is reached at the
    // day's mean rate; then interpolate within that hour.
    int h = static_cast<int>((target - t) * 24.0 / (u - t));
    h = std::clamp(h, 0, 23);
    double m0 = MoonLongitude(year, month, j, h);
    double m1 = MoonLongitude(year, month, j, h + 1);
    double s0 = sun_.SunLongitude(year, month, j, h);
    double s1 = sun_.SunLongitude(year, month, j, h + 1);
    double fraction;
    if (phase == 0) {
      // The differences are taken across 0/360 when a longitude passes it
      // within the hour.
      fraction = SmallDifference(s0 - m0) /
                 (SmallDifference(m1 - m0) - SmallDifference(s1 - s0));
    } else {
      double e0 = m0 - s0;
      double e1 = m1 - s1;
      if (m0 <= s0) {
        e0 += 360.0;
        e1 += 360.0;
      }
      e1 = e0 + SmallDifference(e1 - e0);
      fraction = (target - e0) / (e1 - e0);
    }
    double jst = h + fraction + TIME_ZONE_HOURS;
    int day = j;
    if (jst > 24.0) {
      day = j + 1;
      jst -= 24.0;
    }
    // An event on the previous month's last day belongs to that month.
    if (day == 0) continue;
    if (list.count >= MoonPhaseList::kCapacity) break;
    MoonPhaseEvent& event = list.events[list.count++];
    event.day = day;
    event.phase = phase;
    event.jstHours = jst;
    int hh, mm;
    double ss;
    LocationTable::DegreesToDms(jst, 0, hh, mm, ss);
    std::snprintf(event.text, sizeof event.text, "%s(%2d %2d)", kPhaseNames[phase], hh, mm);
  }
  return list;
}

const double* MoonEphemeris::MoonAge09(int year, int month) {
  const int n = CalendarNames::MonthLength(year, month);

  // Longitudes at 0h UT of day j of this month, j counted on linearly into
  // the previous months (j <= 0) and into the next (j = n + 1).  The search
  // for the latest conjunction normally ends in the previous month; after a
  // month without one (a February between two new moons) it goes further
  // back, so the age is always the days since the latest conjunction.
  constexpr int kSearchDays = 62;
  constexpr int first = 1 - kSearchDays;
  double moon[32 + kSearchDays];
  double sun[32 + kSearchDays];
  bool sampled[32 + kSearchDays] = {};
  auto sample = [&](int j) {
    int k = j - first;
    if (!sampled[k]) {
      moon[k] = MoonLongitude(year, month, j, 0.0);
      sun[k] = sun_.SunLongitude(year, month, j, 0.0);
      sampled[k] = true;
    }
    return k;
  };
  // The age at 0h UT of day j + 1 when the conjunction lies between day j
  // and day j + 1, else -1.
  auto conjunction = [&](int j) {
    int k0 = sample(j);
    int k1 = sample(j + 1);
    return ConjunctionAge(moon[k0], moon[k1], sun[k0], sun[k1]);
  };

  // The latest conjunction at or before day 1: the interval ending on day
  // 1, then the previous month's days, and further back when the previous
  // month holds none.
  int latest = 0;  // the conjunction lies between day latest and latest + 1
  double latestAge = -1.0;
  for (int j = 0; j >= first && latestAge < 0.0; --j) {
    latestAge = conjunction(j);
    latest = j;
  }
  if (latestAge < 0.0) {
    // Cannot happen (a lunation is 29.5 days); count from the earliest day
    // looked at rather than leave the ages undefined.
    latest = first;
    latestAge = 0.0;
  }

  for (int j = 1; j <= n + 1; ++j) {
    if (j >= 2) {
      double f = conjunction(j - 1);
      if (f >= 0.0) {
        latest = j - 1;
        latestAge = f;
      }
    }
    age09_[j - 1] = latestAge + (j - latest - 1);
  }
  return age09_;
}

const double* MoonEphemeris::MoonAge21(int year, int month) {
  const int n = CalendarNames::MonthLength(year, month);
  const double* age09 = MoonAge09(year, month);
  for (int i = 0; i < n; ++i) {
    double c = age09[i];
    double d = age09[i + 1];
    double e = c + 0.5;
    double result = e;
    if (c > d) {
      // A conjunction lies between 09h of this day and 09h of the next: at
      // 21h the age counts from it if it has already happened.
      if (e > 29.5) {
        result = d - 0.5 >= 0.0 ? d - 0.5 : e;
      } else {
        result = d + 0.5 > 1.0 ? d - 0.5 : e;
      }
    }
    age21_[i] = result;
  }
  return age21_;
}
