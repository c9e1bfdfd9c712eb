// Moonrise, the moon's meridian transit and moonset at an observing place.
//
// The transit of each day comes from the sidereal time and the moon's right
// ascension at 0h UT of neighbouring days (the moon's motion taken as
// uniform over a day); rise and set follow from a transit by one correction
// step each, with the moon's own semi-arc.  All results are JST hours; a
// JST day without an event gets NO_EVENT (about once a lunation, because the
// moon comes back to the meridian and the horizon about 50 minutes later
// each day).
//
// A place in another offset from UT is computed as if in JST: its days are
// sampled at 09h of its own clock instead of at 0h UT, and it is taken as
// lying as far from 135 deg E as it lies from its own zone's meridian, so
// every rule below about "09h JST", "0h UT" and the longitudes of Japan
// holds for it unchanged.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "astro/moon_ephemeris.h"

namespace {

// Sidereal hours per solar hour.
constexpr double kSiderealRate = 1.00274;
// Zenith distance of the moon's centre at rising and setting, before the
// parallax is taken off: 90 deg 35' 08" (refraction).
constexpr double kMoonHorizonZenith = 90.58555555555556;
// A transit this close before midnight is taken to belong to the next day.
constexpr double kLateTransitMargin = 0.85;
// Bounds, with a margin, of the time from one transit to the next: the
// transit comes 38 to 69 minutes later each day.
constexpr double kShortestTransitInterval = 24.3;
constexpr double kLongestTransitInterval = 25.5;

// The change of right ascension between two instants less than a day apart,
// taken across 0h/24h when the moon passes it (the moon moves about 1 h of
// right ascension a day, always eastward).
double RightAscensionStep(double from, double to) {
  double step = to - from;
  if (step < -12.0) return step + 24.0;
  if (step > 12.0) return step - 24.0;
  return step;
}

struct DayDate {
  int year, month, day;
};

// Day `day` of (year, month), where a day past the month's end is counted
// on into the next month.
DayDate CountOn(int year, int month, int day) {
  int n = CalendarNames::MonthLength(year, month);
  if (day <= n) return {year, month, day};
  if (++month > 12) {
    month = 1;
    ++year;
  }
  return {year, month, day - n};
}

}  // namespace

double MoonEphemeris::RightAscension0h(const ObservingPlace& place, int year, int month,
                                       int day) const {
  return PositionAt(year, month, day, SampleHour(place)).alpha;
}

double MoonEphemeris::SiderealTimeAtSample(const ObservingPlace& place, int year, int month,
                                           int day) const {
  double theta = SiderealTime0h(year, month, day);
  double shift = SampleHour(place);
  if (shift == 0.0) return theta;
  // The whole hours of the shift go into the longitude (LongitudeHours);
  // only the sidereal day's gain on the solar day stays here.
  return korvane::ReduceIntoPeriod(theta + (kSiderealRate - 1.0) * shift + 48.0, 24.0);
}

double MoonEphemeris::LongitudeHours(const ObservingPlace& place) {
  double shift = SampleHour(place);
  double hours = LocationTable::DegToHours(place.longitude);
  if (shift == 0.0) return hours;
  // Across the date line (Kiritimati at 157 deg W in UT + 14) the zone's
  // meridian lies a turn away.
  return korvane::ReduceIntoPeriod(hours + shift + 3.0 + 48.0, 24.0) - 3.0;
}

namespace {

// cos of the moon's semi-arc at declination `delta` and parallax `parallax`
// (degrees) with the horizon lowered by `dip` degrees.
double MoonSemiArcCosine(const LocationTable& p, double latitude, double delta,
                         double parallax, double dip) {
  double z = p.DegToRad(kMoonHorizonZenith + dip - parallax);
  return korvane::HourAngleCosineUnclamped(z, p.DegToRad(delta), p.DegToRad(latitude));
}

}  // namespace

double MoonEphemeris::MoonSemiArc(double latitude, int year, int month, int day,
                                  double hours) const {
  Position at = PositionAt(year, month, day, hours);
  double c = MoonSemiArcCosine(places_, latitude, at.delta, at.parallax, 0.0);
  // Clamped so that a circumpolar or never-rising moon gives 12 h or 0 h
  // rather than a NaN.
  return places_.RadToHours(std::acos(std::clamp(c, -1.0, 1.0)));
}

double MoonEphemeris::SemiArcAt(const ObservingPlace& place, int year, int month, int day,
                                double hours) const {
  Position at = PositionAt(year, month, day, hours);
  double c = MoonSemiArcCosine(places_, place.latitude, at.delta, at.parallax,
                               HorizonDip(place.height));
  if (c > 1.0) return kDownAllDay;
  if (c < -1.0) return kUpAllDay;
  return places_.RadToHours(std::acos(c));
}

// The UT hour t (from 0h UT of the date) at which the local sidereal time
// θ0 + 1.00274 t + λ equals the moon's right ascension α0 + t Δα / 24, with
// Δα the change from the previous day.
double MoonEphemeris::TransitTime(const ObservingPlace& place, int year, int month,
                                  int day) const {
  double lambdaHours = LongitudeHours(place);
  double theta0 = SiderealTimeAtSample(place, year, month, day);
  double alpha0 = RightAscension0h(place, year, month, day);
  double alphaPrev = RightAscension0h(place, year, month, day - 1);
  return (alpha0 - theta0 - lambdaHours) /
         (kSiderealRate - RightAscensionStep(alphaPrev, alpha0) / 24.0);
}

double MoonEphemeris::TransitA(const ObservingPlace& place, int year, int month, int day, int& status) const {
  double t = TransitTime(place, year, month, day);
  if (t >= 0.0) {
    status = 3;
    return 0.0;
  }
  double jst = t + TIME_ZONE_HOURS;
  if (jst >= 0.0) {
    status = 0;
    return jst;
  }
  status = 5;
  return jst + kDayLength;
}

double MoonEphemeris::TransitB(const ObservingPlace& place, int year, int month, int day) const {
  double t = TransitTime(place, year, month, day);
  if (t < 0.0) return NO_EVENT;
  double jst = t + TIME_ZONE_HOURS;
  return jst > kDayLength ? jst - kDayLength : jst;
}

double MoonEphemeris::TransitC(const ObservingPlace& place, int year, int month, int day,
                               int& status) const {
  status = 0;
  double lambdaHours = LongitudeHours(place);
  double theta0 = SiderealTimeAtSample(place, year, month, day);
  double theta1 = SiderealTimeAtSample(place, year, month, day + 1);
  if (theta1 < theta0) {
    // The sidereal time at 0h UT passed 24 h during the day.
    theta1 += 24.0;
    status = 2;
  }
  double alpha0 = RightAscension0h(place, year, month, day);
  double alpha1 = RightAscension0h(place, year, month, day + 1);
  if (alpha0 > alpha1) {
    if (status != 2) {
      // The right ascension passed 24 h during the day; the next day's
      // window finds this transit.
      status = 1;
      return NO_EVENT;
    }
    // Both the sidereal time and the right ascension passed 24 h on this
    // day: counted on the same turn they cancel, and the transit lies in
    // this day's window like on any day without a wrap.
    alpha1 += 24.0;
    status = 0;
  }
  double t = (alpha1 - theta1 - lambdaHours) / (kSiderealRate - (alpha1 - alpha0) / 24.0);
  if (t >= 0.0) {
    status = 3;
    return NO_EVENT;
  }
  double jst = t + TIME_ZONE_HOURS;
  for (int i = 0; i < 2 && jst < 0.0; ++i) jst += kDayLength;
  return jst;
}

double MoonEphemeris::TransitFirst(const ObservingPlace& place, int year, int month, int day,
                                   int& status) const {
  double theta0 = SiderealTimeAtSample(place, year, month, day);
  double alpha0 = RightAscension0h(place, year, month, day);
  if (theta0 > alpha0) {
    int ignored = 0;
    status = 1;
    return TransitC(place, year, month, day, ignored);
  }
  int statusA = 0;
  double r = TransitA(place, year, month, day, statusA);
  // A transit before 0h JST belongs to the previous day.  Seen from a place
  // west of about 143 deg E such a transit always lies within 51 minutes of
  // midnight; further east it can come earlier, so TransitA's own status
  // decides as well.
  status = (r + kLateTransitMargin > kDayLength || statusA == 5) ? 2 : 3;
  return r;
}

double MoonEphemeris::RiseOrSetHour(const ObservingPlace& place, double transitUt, int year,
                                    int month, int day, bool rise,
                                    RiseSetAscensions& alpha) const {
  const double shift = SampleHour(place);
  alpha.atZeroUt = RightAscension0h(place, year, month, day);
  alpha.atTransit = PositionAt(year, month, day, transitUt + shift).alpha;
  if (std::fabs(place.latitude) > kSingleStepLatitude) {
    return SettledRiseOrSetHour(place, transitUt, year, month, day, rise, alpha);
  }
  double semiArc0 = SemiArcAt(place, year, month, day, transitUt + shift);
  // The moon stays up (or down) through this transit: near the poles, or
  // within about 29 deg of them in a month of high declination.
  if (semiArc0 < 0.0) return NO_EVENT;
  // One correction step: the semi-arc at the estimated rise or set, and the
  // moon's own motion in right ascension between it and the transit.
  double estimate = rise ? transitUt - semiArc0 : transitUt + semiArc0;
  double semiArc = SemiArcAt(place, year, month, day, estimate + shift);
  // The horizon reached at the transit is not reached half a turn away:
  // the moon's declination took it out of reach in between.
  if (semiArc < 0.0) return NO_EVENT;
  alpha.atEvent = PositionAt(year, month, day, estimate + shift).alpha;
  double motion = RightAscensionStep(alpha.atTransit, alpha.atEvent);
  if (rise) return transitUt + motion - semiArc + kRiseSetCorrection + TIME_ZONE_HOURS;
  return transitUt + semiArc + motion - kRiseSetCorrection + TIME_ZONE_HOURS;
}

double MoonEphemeris::SettledRiseOrSetHour(const ObservingPlace& place, double transitUt,
                                           int year, int month, int day, bool rise,
                                           RiseSetAscensions& alpha) const {
  // Far from the equator the semi-arc changes quickly with the moon's
  // declination and one step can miss by several minutes.  The event is
  // where the local sidereal time, gaining 1.00274 h an hour from the
  // transit, is the moon's right ascension there less (rise) or plus (set)
  // its semi-arc there; each round takes both at the last estimate.
  const double shift = SampleHour(place);
  const double sign = rise ? -1.0 : 1.0;
  double semiArc0 = SemiArcAt(place, year, month, day, transitUt + shift);
  if (semiArc0 == kDownAllDay) return NO_EVENT;
  // Up all day at the transit: it may still set and rise again about the
  // lower culmination, when the declination has changed by then.
  double event = transitUt + sign * (semiArc0 == kUpAllDay ? 12.0 : semiArc0);
  constexpr double kSettled = 3.0 / 3600.0;
  constexpr int kMaxRounds = 12;
  bool upThroughout = false;
  // The next estimate from the last one; the estimates converge like a
  // fixed point, so after the first round the secant through the last two
  // (event, residual) pairs is taken, which settles in two or three rounds
  // instead of five or six.
  double previous = 0.0, previousResidual = 0.0;
  for (int round = 0; round < kMaxRounds; ++round) {
    double semiArc = SemiArcAt(place, year, month, day, event + shift);
    if (semiArc == kDownAllDay) return NO_EVENT;
    upThroughout = semiArc == kUpAllDay;
    if (upThroughout) semiArc = 12.0;
    alpha.atEvent = PositionAt(year, month, day, event + shift).alpha;
    double motion = RightAscensionStep(alpha.atTransit, alpha.atEvent);
    double next = transitUt + (motion + sign * semiArc) / kSiderealRate;
    double residual = next - event;
    if (std::fabs(residual) < kSettled) {
      event = next;
      break;
    }
    // The residual's slope is -1 for a plain step; one near 0 or above would
    // throw the secant far off, and the plain step is taken instead.
    double slope = round > 0 && !upThroughout ? (residual - previousResidual) / (event - previous)
                                              : -1.0;
    previous = event;
    previousResidual = residual;
    event = slope < -0.2 ? event - residual / slope : next;
  }
  // Still above the horizon at the lower culmination: no set (rise) here.
  if (upThroughout) return NO_EVENT;
  return event + TIME_ZONE_HOURS;
}

namespace {

// A rise or set past midnight is reported as the next day's (status 2) only
// while the right ascension at 0h UT is below 12 h and has not run through
// 24 h between the transit and the event.
bool NextDayStatus(double alphaZeroUt, double alphaTransit, double alphaEvent) {
  return alphaEvent - 2.0 < alphaTransit && alphaZeroUt < 12.0;
}

}  // namespace

double MoonEphemeris::MoonriseFrom(const ObservingPlace& place, double transitUt, int year,
                                   int month, int day, int& status) const {
  RiseSetAscensions alpha;
  double w = RiseOrSetHour(place, transitUt, year, month, day, true, alpha);
  status = 0;
  if (w == NO_EVENT) return NO_EVENT;
  if (w < 0.0) {
    w += kDayLength;
  } else if (w > kDayLength && NextDayStatus(alpha.atZeroUt, alpha.atTransit, alpha.atEvent)) {
    // Past midnight: the rise belongs to the next day.
    status = 2;
  }
  if (w > kDayLength) w -= kDayLength;
  return w;
}

double MoonEphemeris::MoonsetFrom(const ObservingPlace& place, double transitUt, int year,
                                  int month, int day, int& status) const {
  RiseSetAscensions alpha;
  double w = RiseOrSetHour(place, transitUt, year, month, day, false, alpha);
  if (w == NO_EVENT) {
    status = 0;
    return NO_EVENT;
  }
  if (w < 0.0) {
    w += kDayLength;
    status = 4;
  } else if (w > kDayLength) {
    w -= kDayLength;
    status = NextDayStatus(alpha.atZeroUt, alpha.atTransit, alpha.atEvent) ? 2 : 3;
  } else {
    status = alpha.atZeroUt >= 12.0 ? 1 : 0;
  }
  return w;
}

const double* MoonEphemeris::MoonTransitTable(const ObservingPlace& place, int year, int month) {
  if (cacheValid_ && place.SameSite(cachedPlace_) && year == cachedYear_ &&
      month == cachedMonth_) {
    return transit_;
  }
  ++transitComputations_;
  double* T = transit_;
  std::fill(std::begin(transit_), std::end(transit_), NO_EVENT);
  int extent = 0;
  auto put = [&](int index, double value) {
    if (index < 0 || index >= kTableEntries) return;
    T[index] = value;
    extent = std::max(extent, index + 1);
  };
  const int n = CalendarNames::MonthLength(year, month);

  // Day 1 and entry 0 (the previous month's last day).
  int status = 0;
  double r = TransitFirst(place, year, month, 1, status);
  int l = 1;  // the next entry to write
  int d = 1;  // the day whose 09h..09h JST window is looked at next
  if (status == 1) {
    // Found from the motion to day 2: the transit before 09h JST of day 1
    // decides whether r is day 1's transit or day 2's.
    int statusA = 0;
    double e = TransitA(place, year, month, 1, statusA);
    if (statusA == 0 && e < r && r < 9.0) {
      // West of 135 deg E, with the moon's right ascension just below the
      // sidereal time at 0h UT, day 1 has its transit just after midnight;
      // r, before 09h JST, is then day 2's.
      l = 3;
      d = 2;
      double last = TransitB(place, year, month, 0);
      if (last != NO_EVENT && e + kDayLength - last < 0.5) {
        // Seen from the previous day the same transit falls a few seconds
        // before midnight, and the previous month's table shows it there;
        // keep the two months in agreement.
        put(0, last);
        put(1, NO_EVENT);
      } else {
        int statusPrev = 0;
        double p = TransitA(place, year, month, 0, statusPrev);
        if (p == 0.0) p = TransitB(place, year, month, 0);
        put(0, p);
        put(1, e);
      }
      put(2, r);
    } else {
      put(1, r);
      l = 2;
      d = 2;
      if (statusA == 5 && e > r) {
        int statusPrev = 0;
        double e2 = TransitA(place, year, month, 0, statusPrev);
        if (statusPrev == 0) {
          e = e2;
          l = 1;
          d = 1;
        } else if (statusPrev == 3) {
          e = TransitB(place, year, month, 0);
        }
      } else if (e - r < -14.0) {
        e = TransitB(place, year, month, 0);
      }
      put(0, e);
      if (e > r) {
        put(1, NO_EVENT);
        put(2, r);
        ++l;
      }
    }
  } else if (status == 2) {
    // Late in the evening of the previous day.
    put(0, r);
  } else {
    if (r != 0.0) {
      put(1, r);
      l = 2;
    }
    int statusA = 0;
    double e = TransitA(place, year, month, 0, statusA);
    if (e == 0.0) e = TransitB(place, year, month, 0);
    put(0, e);
  }

  auto store = [&](double m) {
    // A transit earlier in the JST day than the previous entry means a JST
    // day went by without one.
    if (l >= 1 && l - 1 < kTableEntries && m < T[l - 1]) put(l++, NO_EVENT);
    put(l++, m);
  };
  // At most two entries per day, so a few days past the month's end always
  // fill entry n + 1; the bound only guards against a run of days without a
  // transit, which the moon's motion rules out.
  const int lastDay = n + 8;
  while (l <= n + 1 && l + 1 < kTableEntries && d <= lastDay) {
    DayDate date = CountOn(year, month, d);
    double m = TransitB(place, date.year, date.month, date.day);
    if (m == NO_EVENT) {
      int statusC = 0;
      m = TransitC(place, date.year, date.month, date.day, statusC);
      if (statusC == 2) {
        // The sidereal day is shorter than the solar day, so this window can
        // hold a second transit.
        store(m);
        int statusA = 0;
        m = TransitA(place, date.year, date.month, date.day + 1, statusA);
        if (m == 0.0) m = NO_EVENT;
      }
    }
    if (m != NO_EVENT) store(m);
    ++d;
  }

  // Entry 0 is day 0's own transit.  Where the first-day rules left the
  // one before it there instead, day 0 had none: the next entry tells, since
  // successive transits are 24.6 to 25.2 hours apart.
  if (T[0] != NO_EVENT) {
    for (int k = 1; k < extent; ++k) {
      if (T[k] == NO_EVENT) continue;
      double interval = T[k] + 24.0 * k - T[0];
      if (interval < kShortestTransitInterval || interval > kLongestTransitInterval) {
        T[0] = NO_EVENT;
      }
      break;
    }
  }

  transitExtent_ = extent;
  cachedPlace_ = place;
  cachedYear_ = year;
  cachedMonth_ = month;
  cacheValid_ = true;
  return transit_;
}

void MoonEphemeris::FillRiseSetTable(const ObservingPlace& place, int year, int month,
                                     bool rise, double* table) {
  const double* T = MoonTransitTable(place, year, month);
  const int available = transitExtent_;
  const int n = CalendarNames::MonthLength(year, month);
  std::fill(table, table + kTableEntries, NO_EVENT);
  // Entry k of the transit table is day k's transit; its rise comes up to
  // half a day before it and its set up to half a day after, on the same
  // JST day or a neighbouring one.  Each goes to the day on which it falls,
  // so a day whose rise (set) moved past midnight keeps NO_EVENT.  Below
  // about 60 deg of latitude the moon never rises (sets) twice in a day.
  for (int k = 0; k < available; ++k) {
    if (T[k] == NO_EVENT) continue;
    RiseSetAscensions alpha;
    double w = RiseOrSetHour(place, T[k] - TIME_ZONE_HOURS, year, month, k, rise, alpha);
    if (w == NO_EVENT) continue;
    int day = k;
    if (w < 0.0) {
      w += kDayLength;
      --day;
    } else if (w > kDayLength) {
      w -= kDayLength;
      ++day;
    }
    if (day < 0 || day > n + 1 || day >= kTableEntries) continue;
    if (table[day] == NO_EVENT) table[day] = w;
  }
}

const double* MoonEphemeris::MoonriseTable(const ObservingPlace& place, int year, int month) {
  FillRiseSetTable(place, year, month, true, rise_);
  riseExtent_ = CalendarNames::MonthLength(year, month) + 2;
  return rise_;
}

const double* MoonEphemeris::MoonsetTable(const ObservingPlace& place, int year, int month) {
  FillRiseSetTable(place, year, month, false, set_);
  setExtent_ = CalendarNames::MonthLength(year, month) + 2;
  return set_;
}
