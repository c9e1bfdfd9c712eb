#include "astro/sun_ephemeris.h"

#include <algorithm>
#include <cmath>

namespace {

// amplitude x sin(phase + rate t): degrees, degrees per Julian year from 1975.
struct SunTerm {
  double amplitude, phase, rate;
};

// The first term's amplitude also falls by 0.00005 deg per year; it is added
// separately.  Summed in this order.
constexpr SunTerm kSunTerms[18] = {
    {0.0200, 353.06, 719.981},  {-0.0048, 248.64, -19.341}, {0.0020, 285.0, 329.64},
    {0.0018, 334.2, -4452.67},  {0.0018, 293.7, -0.2},      {0.0015, 242.4, 450.37},
    {0.0013, 211.1, 225.18},    {0.0008, 208.0, 659.29},    {0.0007, 53.5, 90.38},
    {0.0007, 12.1, -30.35},     {0.0006, 239.1, 337.18},    {0.0005, 10.1, -1.5},
    {0.0005, 99.1, -22.81},     {0.0004, 264.8, 315.56},    {0.0004, 233.8, 299.3},
    {-0.0004, 198.1, 720.02},   {0.0003, 349.6, 1079.97},   {0.0003, 241.2, -44.43},
};

// Zenith distance of the sun's centre at rising and setting: 90 deg plus
// refraction and the semi-diameter.
constexpr double kSunHorizonZenith = 90.85;

}  // namespace

namespace korvane {

// cos H for a body at declination dec seen from latitude lat when its centre
// is at zenith distance z (all radians); outside -1..1 where the body never
// rises or sets.  Even at a pole cos(lat) of a double is not 0, so the value
// is large but finite.
double HourAngleCosineUnclamped(double z, double dec, double lat) {
  return std::cos(z) / (std::cos(dec) * std::cos(lat)) - std::tan(dec) * std::tan(lat);
}

}  // namespace korvane

double SunEphemeris::SunLongitude(int year, int month, int day, double hours) const {
  const LocationTable& p = places_;
  double t = p.DaysFrom1975(year, month, day, hours) * LocationTable::kYearsPerDay;
  double lambda = 279.0358 + 360.00769 * t;
  lambda += (1.9159 - 0.00005 * t) * std::sin(p.DegToRad(356.531 + 359.991 * t));
  for (const SunTerm& term : kSunTerms) {
    lambda += term.amplitude * std::sin(p.DegToRad(term.phase + term.rate * t));
  }
  return p.NormalizeDegrees(lambda);
}

const SunEphemeris::SunDay& SunEphemeris::DayAt(int year, int month, int day) const {
  // Dates that name the same day share a slot: the series see only the day
  // count, so the numbers are the same to the bit.
  long long dayCount = korvane::DaysToMonthStart(year, month) + day;
  SunDaySlot& slot = days_[static_cast<unsigned long long>(dayCount) % kDaySlots];
  if (!slot.valid || slot.day != dayCount) {
    slot.value.equatorial = ComputeEquatorial(year, month, day);
    slot.value.equationOfTime = ComputeEquationOfTime(year, month, day, slot.value.equatorial.first);
    slot.day = dayCount;
    slot.valid = true;
  }
  return slot.value;
}

std::pair<double, double> SunEphemeris::SunEquatorial(int year, int month, int day) const {
  return DayAt(year, month, day).equatorial;
}

double SunEphemeris::EquationOfTime(int year, int month, int day) const {
  return DayAt(year, month, day).equationOfTime;
}

std::pair<double, double> SunEphemeris::ComputeEquatorial(int year, int month, int day) const {
  const LocationTable& p = places_;
  double T = p.DaysFromJ2000(year, month, day, 0.0) * LocationTable::kCenturiesPerDay;
  double lambda = p.DegToRad(SunLongitude(year, month, day, 0.0));
  // The obliquity is the mean obliquity plus the equation of the equinoxes
  // taken as degrees; the moon uses the same one, so the two bodies'
  // coordinates stay consistent with each other.
  double eps = p.DegToRad(LocationTable::MeanObliquity(T) + p.RadToDeg(p.EquationOfEquinoxes(T)));
  double alpha = p.RadToHours(std::atan(std::sin(lambda) * std::cos(eps) / std::cos(lambda)));
  if (std::cos(lambda) < 0.0) {
    alpha += 12.0;
  } else if (alpha < 0.0) {
    alpha += 24.0;
  }
  double delta = p.RadToDeg(std::asin(std::sin(lambda) * std::sin(eps)));
  return {alpha, delta};
}

double SunEphemeris::ComputeEquationOfTime(int year, int month, int day, double alpha) const {
  const LocationTable& p = places_;
  double T = p.DaysFromJ2000(year, month, day, 0.0) * LocationTable::kCenturiesPerDay;
  // Mean sidereal time at 0h UT plus 12 h: the right ascension of the mean
  // sun.
  double G = 18.697374558333333 +
             (8640184.812866 * T + 0.093104 * T * T - 6.2e-6 * T * T * T) / 3600.0;
  if (G < 0.0) {
    G = 24.0 - korvane::ReduceIntoPeriod(-G, 24.0);
  } else {
    G = korvane::ReduceIntoPeriod(G, 24.0);
  }
  double d = G + p.RadToHours(p.EquationOfEquinoxes(T));
  double e = d - alpha;
  return e > 23.0 ? e - 24.0 : e;
}

double SunEphemeris::SunTransit(const ObservingPlace& place, int year, int month,
                                int day) const {
  double lambdaHours = LocationTable::DegToHours(place.longitude);
  // Local mean noon corrected by the equation of time, in the place's time.
  double x = 12.0 - EquationOfTime(year, month, day) - lambdaHours + place.utcOffset;
  if (x < 0.0) x += 24.0 * std::ceil(-x / 24.0);
  // A place far from its zone's meridian can have its noon past midnight.
  if (x >= 24.0) x -= 24.0 * std::floor(x / 24.0);
  return x;
}

double SunEphemeris::SemiArcCosine(const ObservingPlace& place, int year, int month, int day,
                                   double hours) const {
  const LocationTable& p = places_;
  double delta0 = SunEquatorial(year, month, day).second;
  int ny = year, nm = month, nd = day + 1;
  if (nd > CalendarNames::MonthLength(year, month)) {
    nd = 1;
    if (++nm > 12) {
      nm = 1;
      ++ny;
    }
  }
  double delta1 = SunEquatorial(ny, nm, nd).second;
  // Declination at the instant's UT, between the two 0h UT values.
  double delta = delta0 + (delta1 - delta0) * (hours - place.utcOffset) / 24.0;
  double phi = p.DegToRad(place.latitude);
  double z = p.DegToRad(kSunHorizonZenith + HorizonDip(place.height));
  return korvane::HourAngleCosineUnclamped(z, p.DegToRad(delta), phi);
}

double SunEphemeris::SunSemiArc(const ObservingPlace& place, int year, int month,
                                int day) const {
  double c = SemiArcCosine(place, year, month, day, SunTransit(place, year, month, day));
  return places_.RadToHours(std::acos(std::clamp(c, -1.0, 1.0)));
}

namespace {

// A rise or set pushed past either midnight by a place far from its zone's
// meridian is shown at its hour on the clock.
double WrapIntoDay(double hours) {
  if (hours < 0.0) return hours + 24.0;
  if (hours >= 24.0) return hours - 24.0;
  return hours;
}

}  // namespace

double SunEphemeris::RiseOrSet(const ObservingPlace& place, int year, int month, int day,
                               double sign) const {
  const double transit = SunTransit(place, year, month, day);
  double c = SemiArcCosine(place, year, month, day, transit);
  if (c > 1.0 || c < -1.0) return NO_EVENT;
  double event = transit + sign * places_.RadToHours(std::acos(c));
  if (std::fabs(place.latitude) > kSingleStepLatitude) {
    // Far from the equator the declination's change between the transit
    // and the rise or set moves it by a minute or more: take the
    // declination at the event itself (two rounds settle it to a second).
    for (int round = 0; round < 2; ++round) {
      c = SemiArcCosine(place, year, month, day, event);
      if (c > 1.0 || c < -1.0) return NO_EVENT;
      event = transit + sign * places_.RadToHours(std::acos(c));
    }
  }
  return WrapIntoDay(event);
}

double SunEphemeris::Sunrise(const ObservingPlace& place, int year, int month, int day) const {
  return RiseOrSet(place, year, month, day, -1.0);
}

double SunEphemeris::Sunset(const ObservingPlace& place, int year, int month, int day) const {
  return RiseOrSet(place, year, month, day, 1.0);
}
