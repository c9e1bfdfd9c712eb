#include "astro/moon_ephemeris.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// amplitude x sin(phase + rate t): degrees, degrees per Julian year from 1975.
struct MoonTerm {
  double amplitude, phase, rate;
};

// Longitude terms after the leading 6.2887 deg term, summed in this order.
constexpr MoonTerm kLongitudeTerms[62] = {
    {1.274, 107.248, -4133.3536},  {0.6583, 51.668, 8905.3422},  {0.2136, 317.831, 9543.9773},
    {0.1856, 176.531, 359.9905},  {0.1143, 292.463, 9664.0404},  {0.0588, 86.16, 638.635},
    {0.0572, 103.78, -3773.363},  {0.0533, 30.58, 13677.331},  {0.0459, 124.86, -8545.352},
    {0.041, 342.38, 4411.998},  {0.0348, 25.83, 4452.671},  {0.0305, 155.45, 5131.979},
    {0.0153, 240.79, 758.698},  {0.0125, 271.38, 14436.029},  {0.011, 226.45, -4892.052},
    {0.0107, 55.58, -13038.696},  {0.01, 296.75, 14315.966},  {0.0085, 34.5, -8266.71},
    {0.0079, 290.7, -4493.34},  {0.0068, 228.2, 9265.33},  {0.0052, 133.1, 319.32},
    {0.005, 202.4, 4812.66},  {0.0048, 68.6, -19.34},  {0.004, 34.1, 13317.34},
    {0.004, 9.5, 18449.32},  {0.004, 93.8, -1.33},  {0.0039, 103.3, 17810.68},
    {0.0037, 65.1, 5410.62},  {0.0027, 321.3, 9183.99},  {0.0026, 174.8, -13797.39},
    {0.0024, 82.7, 998.63},  {0.0024, 4.7, 9224.66},  {0.0022, 121.4, -8185.36},
    {0.0021, 134.4, 9903.97},  {0.0021, 173.1, 719.98},  {0.0021, 100.3, -3413.37},
    {0.002, 248.6, -19.34},  {0.0018, 98.1, 4013.29},  {0.0016, 344.1, 18569.38},
    {0.0012, 52.1, -12678.71},  {0.0011, 250.3, 19208.02},  {0.0009, 81, -8586},
    {0.0008, 207, 14037.3},  {0.0008, 31, -7906.7},  {0.0007, 346, 4052},
    {0.0007, 294, -4853.3},  {0.0007, 90, 278.6},  {0.0006, 237, 1118.7},
    {0.0005, 82, 22582.7},  {0.0005, 276, 19088},  {0.0005, 73, -17450.7},
    {0.0005, 112, 5091.3},  {0.0004, 116, -398.7},  {0.0004, 25, -120.1},
    {0.0004, 181, 9584.7},  {0.0004, 18, 720},  {0.0003, 60, -3814},
    {0.0003, 13, -3494.7},  {0.0003, 13, 18089.3},  {0.0003, 152, 5492},
    {0.0003, 317, -40.7},  {0.0003, 348, 23221.3},
};

// Latitude terms after the leading 5.1282 deg term.
constexpr MoonTerm kLatitudeTerms[46] = {
    {0.2806, 215.147, 9604.0088},  {0.2777, 77.316, 60.0316},  {0.1732, 4.563, -4073.322},
    {0.0554, 308.98, 8965.374},  {0.0463, 343.48, 698.667},  {0.0326, 287.9, 13737.362},
    {0.0172, 194.06, 14375.997},  {0.0093, 25.6, -8845.31},  {0.0088, 98.4, -4711.96},
    {0.0082, 1.1, -3713.33},  {0.0043, 322.4, 5470.66},  {0.0042, 266.8, 18509.35},
    {0.0034, 188, -4433.31},  {0.0025, 312.5, 8605.38},  {0.0022, 291.4, 13377.37},
    {0.0021, 340, 1058.66},  {0.0019, 218.6, 9244.02},  {0.0018, 291.8, -8206.68},
    {0.0018, 52.8, 5192.01},  {0.0017, 168.7, 14496.06},  {0.0016, 73.8, 420.02},
    {0.0015, 262.1, 9284.69},  {0.0015, 31.7, 9964},  {0.0014, 260.8, -299.96},
    {0.0013, 239.7, 4472.03},  {0.0013, 30.4, 379.35},  {0.0012, 304.9, 4812.68},
    {0.0012, 12.4, -4851.36},  {0.0011, 173, 19147.99},  {0.001, 312.9, -12978.66},
    {0.0008, 1, 17870.7},  {0.0008, 190, 9724.1},  {0.0007, 22, 13098.7},
    {0.0006, 117, 5590.7},  {0.0006, 47, -13617.3},  {0.0005, 22, -8485.3},
    {0.0005, 150, 4193.4},  {0.0004, 119, -9483.9},  {0.0004, 246, 23281.3},
    {0.0004, 301, 10242.6},  {0.0004, 126, 9325.4},  {0.0004, 104, 14097.4},
    {0.0003, 340, 22642.7},  {0.0003, 270, 18149.4},  {0.0003, 358, -3353.3},
    {0.0003, 148, 19268},
};

}  // namespace

MoonEphemeris::MoonEphemeris() = default;

double MoonEphemeris::JulianYears(int year, int month, int day, double hours) const {
  return places_.DaysFrom1975(year, month, day, hours) * LocationTable::kYearsPerDay;
}

double MoonEphemeris::MoonLongitude(int year, int month, int day, double hours) const {
  const LocationTable& p = places_;
  double t = JulianYears(year, month, day, hours);
  auto S = [&](double a, double phase, double rate) {
    return a * std::sin(p.DegToRad(phase + rate * t));
  };
  // Small long-period corrections to the argument of the equation of the
  // centre.
  double A = S(0.004, 93.8, -1.33) + S(0.002, 248.6, -19.34) + S(0.0006, 66.0, 0.2) +
             S(0.0006, 249.0, -19.3);
  double lambda = 124.8754 + 4812.67881 * t + 6.2887 * std::sin(p.DegToRad(338.915 + 4771.9886 * t + A));
  for (const MoonTerm& term : kLongitudeTerms) lambda += S(term.amplitude, term.phase, term.rate);
  return p.NormalizeDegrees(lambda);
}

double MoonEphemeris::MoonLatitude(int year, int month, int day, double hours) const {
  const LocationTable& p = places_;
  double t = JulianYears(year, month, day, hours);
  auto S = [&](double a, double phase, double rate) {
    return a * std::sin(p.DegToRad(phase + rate * t));
  };
  double B = S(0.0267, 68.64, -19.341) + S(0.0043, 342.0, -19.36) + S(0.004, 93.8, -1.33) +
             S(0.002, 248.6, -19.34) + S(0.0005, 358.0, -19.4);
  double beta = 5.1282 * std::sin(p.DegToRad(236.231 + 4832.0202 * t + B));
  for (const MoonTerm& term : kLatitudeTerms) beta += S(term.amplitude, term.phase, term.rate);
  return beta;
}

double MoonEphemeris::MoonParallax(int year, int month, int day, double hours) const {
  return PositionAt(year, month, day, hours).parallax;
}

namespace {

double ParallaxSeries(const LocationTable& p, double t) {
  auto C = [&](double a, double phase, double rate) {
    return a * std::cos(p.DegToRad(phase + rate * t));
  };
  return 0.9507 + C(0.0518, 338.92, 4771.989) + C(0.0095, 287.2, -4133.35) +
         C(0.0078, 51.7, 8905.34) + C(0.0028, 317.8, 9543.98) + C(0.0009, 31.0, 13677.3) +
         C(0.0005, 305.0, -8545.4) + C(0.0004, 284.0, -3773.4) + C(0.0003, 342.0, 4412.0);
}

}  // namespace

std::pair<double, double> MoonEphemeris::MoonEquatorial(int year, int month, int day,
                                                        double hours) const {
  Position position = PositionAt(year, month, day, hours);
  return {position.alpha, position.delta};
}

MoonEphemeris::Position MoonEphemeris::PositionAt(int year, int month, int day,
                                                  double hours) const {
  // Dates that name the same day (day 0 of a month, the previous month's
  // last day) share a slot: every series sees only this day count, so their
  // positions are the same to the bit.
  long long dayCount = korvane::DaysToMonthStart(year, month) + day;
  std::uint64_t bits = 0;
  static_assert(sizeof bits == sizeof hours);
  std::memcpy(&bits, &hours, sizeof bits);
  std::uint64_t hash = static_cast<std::uint64_t>(dayCount) * 0x9E3779B97F4A7C15ULL ^
                       (bits ^ (bits >> 29)) * 0xBF58476D1CE4E5B9ULL;
  PositionSlot& slot = positions_[(hash >> 40) % kPositionSlots];
  if (slot.valid && slot.day == dayCount && slot.hours == hours) return slot.position;
  slot.position = ComputePosition(year, month, day, hours);
  slot.day = dayCount;
  slot.hours = hours;
  slot.valid = true;
  return slot.position;
}

double MoonEphemeris::SiderealTime0h(int year, int month, int day) const {
  long long dayCount = korvane::DaysToMonthStart(year, month) + day;
  SiderealSlot& slot = sidereal_[static_cast<std::uint64_t>(dayCount) % kSiderealSlots];
  if (slot.valid && slot.day == dayCount) return slot.hours;
  slot.hours = places_.ApparentSiderealTime(year, month, day, 0.0);
  slot.day = dayCount;
  slot.valid = true;
  return slot.hours;
}

MoonEphemeris::Position MoonEphemeris::ComputePosition(int year, int month, int day,
                                                       double hours) const {
  const LocationTable& p = places_;
  double T = p.DaysFromJ2000(year, month, day, hours) * LocationTable::kCenturiesPerDay;
  double lambda = p.DegToRad(MoonLongitude(year, month, day, hours));
  double beta = p.DegToRad(MoonLatitude(year, month, day, hours));
  // The same obliquity as the sun's.
  double eps = p.DegToRad(LocationTable::MeanObliquity(T) + p.RadToDeg(p.EquationOfEquinoxes(T)));
  double x = std::cos(lambda) * std::cos(beta);
  double y = std::cos(eps) * std::sin(lambda) * std::cos(beta) - std::sin(eps) * std::sin(beta);
  double alpha = p.RadToHours(std::atan(y / x));
  if (x < 0.0) {
    alpha += 12.0;
  } else if (alpha < 0.0) {
    alpha += kDayLength;
  }
  double delta = p.RadToDeg(std::asin(std::sin(beta) * std::cos(eps) +
                                      std::cos(beta) * std::sin(eps) * std::sin(lambda)));
  return {alpha, delta, ParallaxSeries(p, JulianYears(year, month, day, hours))};
}
