#include "engine/senmyo_calendar.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int64_t kYear = 3068055;        // days of a year × 8400
constexpr int64_t kMonth = 248057;        // days of a synodic month × 8400 (29 days 4457)
constexpr int64_t kLeapExcess = 91371;    // year - 12 months
constexpr int64_t kUnit = 8400;           // 小余 per day
constexpr int64_t kCycle = 504000;        // 60 days
constexpr int64_t kYearExcess = 44055;    // year mod cycle
constexpr double kAnomalistic = 231458.19;  // the moon's anomalistic cycle × 8400
constexpr double kHalfAnomalistic = 115729.095;

constexpr SenmyoTime kTermStep{15, 1835, 5};  // one twenty-fourth of the year
constexpr SenmyoTime kMonthStep{29, 4457, 0};

// The sun's unequal motion, by the interval after each true term
// (interval 0 runs from 冬至): accumulated correction, first-day rate and the
// rate's daily change, all in 小余.
constexpr double kSolarAccumulated[24] = {
    0, 449, 823, 1122, 1346, 1481, 1526, 1481, 1346, 1122, 823, 449,
    0, -449, -823, -1122, -1346, -1481, -1526, -1481, -1346, -1122, -823, -449};
constexpr double kSolarRate[24] = {
    33.4511, 28.0389, 22.6998, 17.8923, 11.7966, 5.7986, -0.2433, -6.1254,
    -12.2048, -16.906, -21.5362, -26.0498, -30.3119, -25.8126, -21.2454, -17.0296,
    -11.4744, -5.6429, 0.1432, 6.1488, 12.6336, 17.8043, 23.059, 28.4618};
constexpr double kSolarRateChange[24] = {
    -0.3695, -0.3606, -0.3519, -0.4068, -0.3998, -0.3998, -0.3779, -0.3634,
    -0.2987, -0.2919, -0.2854, -0.2854, 0.2854, 0.2919, 0.2987, 0.3634,
    0.3779, 0.3779, 0.3998, 0.4068, 0.3519, 0.3606, 0.3695, 0.3695};

// Lengths of the 24 true-term intervals: days and 小余, each with 5 秒.  They
// add up to exactly one year.
constexpr int kIntervalDays[24] = {14, 14, 14, 14, 15, 15, 15, 15, 15, 15, 15, 15,
                                   15, 15, 15, 15, 15, 15, 15, 15, 14, 14, 14, 14};
constexpr int kIntervalShoyo[24] = {4235, 5235, 6235, 7235, 35,   1235, 2435, 3635,
                                    4835, 5835, 6835, 7835, 7835, 6835, 5835, 4835,
                                    3635, 2435, 1235, 35,   7235, 6235, 5235, 4235};

// The moon's unequal motion over the 28 days of the anomalistic cycle, in two
// halves of 14 days; index 0 is unused so that table positions run 1..14.
constexpr int kLunarRate[2][15] = {
    {0, 830, 726, 606, 471, 337, 202, 53, -82, -224, -366, -509, -643, -748, -646},
    {0, -830, -726, -598, -464, -329, -195, -53, 82, 225, 366, 501, 628, 740, 646}};
constexpr int kLunarAccumulated[2][15] = {
    {0, 0, 830, 1556, 2162, 2633, 2970, 3172, 3218, 3136, 2912, 2546, 2037, 1394, 646},
    {0, 0, -830, -1556, -2154, -2618, -2947, -3142, -3188, -3106, -2881, -2515, -2014,
     -1386, -646}};

// 秒 into 0..7, then 小余 into 0..8399; the days are left as they come.
SenmyoTime Carry(SenmyoTime t) {
  while (t.byo >= 8) { t.byo -= 8; ++t.shoyo; }
  while (t.byo < 0) { t.byo += 8; --t.shoyo; }
  while (t.shoyo >= kUnit) { t.shoyo -= kUnit; ++t.daiyo; }
  while (t.shoyo < 0) { t.shoyo += kUnit; --t.daiyo; }
  return t;
}

// A time of the sexagenary cycle: 大余 wrapped into 0..59.
SenmyoTime Normalised(SenmyoTime t) {
  t = Carry(t);
  t.daiyo %= 60;
  if (t.daiyo < 0) t.daiyo += 60;
  return t;
}

SenmyoTime Plus(const SenmyoTime& a, const SenmyoTime& b) {
  return Carry({a.daiyo + b.daiyo, a.shoyo + b.shoyo, a.byo + b.byo});
}

SenmyoTime Minus(const SenmyoTime& a, const SenmyoTime& b) {
  return Carry({a.daiyo - b.daiyo, a.shoyo - b.shoyo, a.byo - b.byo});
}

// A span's length in 小余, the way the calendar weighs it against the term
// intervals.
double Value(const SenmyoTime& t) {
  return double(t.daiyo) * kUnit + t.shoyo + t.byo * 0.1;
}

SenmyoTime Interval(int t) { return {kIntervalDays[t], kIntervalShoyo[t], 5}; }

int Wrap24(int t) { return ((t % 24) + 24) % 24; }

// The sun's correction for a mean new moon `position` (days and 小余) into
// true-term interval `t`.
int SolarCorrection(int t, const SenmyoTime& position) {
  const double d = position.daiyo;
  const double f = position.shoyo;
  const double t1 = kSolarAccumulated[t];
  const double t2 = kSolarRate[t];
  const double t3 = kSolarRateChange[t];
  const double r = std::trunc(d * t3 + t2);
  const double c = r * f;
  const double magnitude = std::fabs(c);
  double q = std::floor(magnitude / kUnit);
  if (std::fmod(magnitude, double(kUnit)) > kUnit / 2) q += 1;
  if (c < 0) q = -q;
  return int(q + std::trunc(t1 + d * t2 + d * (d - 1) / 2 * t3));
}

// The moon's correction for mean new moon k of the year, `n` years from the
// epoch, `excess` the leap excess at the solstice.
int LunarCorrection(int k, int64_t n, int64_t excess) {
  double x = std::fmod(double(k) * kMonth + double(n) * kYear - double(excess), kAnomalistic);
  if (x < 0) x += kAnomalistic;
  int half = 0;
  if (x > kHalfAnomalistic) {
    half = 1;
    x -= kHalfAnomalistic;
  }
  const double h = std::floor(x / kUnit);
  const double f = x - h * kUnit;
  int p = int(h) + 1;
  if (p > 14) p = 14;
  const int rate = kLunarRate[half][p];
  double v = 0;
  if (p == 7) {
    // The seventh day is split: its rate runs over 7465 小余, the rest of the
    // day closes the gap to the eighth day's accumulated value.
    if (f < 7465) {
      const double product = rate * f;
      v = std::trunc(product / 7465);
      if (product - v * 7465 > 3732.5) v += 1;
    } else {
      const double product = (f - 7465) * 7;
      const double q = std::trunc(product / 945);
      v = rate + q;
      if (product - q * 945 > 472.5) v -= 1;
    }
  } else if (p == 14) {
    // The last day of a half is 6529 小余 long.
    const double product = rate * f;
    v = std::trunc(product / 6529);
    if (product - v * 6529 > 3264.5) v += 1;
  } else {
    v = std::round(rate * f / kUnit);
  }
  return kLunarAccumulated[half][p] + int(v);
}

// Days from 593-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

const int64_t kDay593 = DaysFromCivil(593, 1, 1);

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = int(doy - (153 * mp + 2) / 5 + 1);
  month = int(mp < 10 ? mp + 3 : mp - 9);
  year = int(yoe + era * 400 + (month <= 2));
}

}  // namespace

void SenmyoCalendar::ComputeTerms(int year) {
  year_ = year;
  const int64_t n = EpochYears(year);
  // The solstice of the year (天正冬至).
  const int64_t c = ((n % kCycle) * kYearExcess) % kCycle;
  term_[0] = {int32_t(c / kUnit), int32_t(c % kUnit), 0};
  for (int i = 1; i < termCount; ++i) term_[i] = Normalised(Plus(term_[i - 1], kTermStep));
}

void SenmyoCalendar::ComputeMeanNewMoons(int year) {
  const int64_t n = EpochYears(year);
  leapExcess_ = ((n % kMonth) * kLeapExcess) % kMonth;
  const SenmyoTime excess{int32_t(leapExcess_ / kUnit), int32_t(leapExcess_ % kUnit), 0};
  // The mean new moon before the solstice (天正経朔), or the one before that
  // when the months start a month early.
  SenmyoTime first = Minus(term_[0], excess);
  for (int s = 0; s < startShift_; ++s) first = Minus(first, kMonthStep);
  meanNewMoon_[0] = Normalised(first);
  for (int k = 1; k < newMoonCount; ++k)
    meanNewMoon_[k] = Normalised(Plus(meanNewMoon_[k - 1], kMonthStep));
}

void SenmyoCalendar::ComputeTrueNewMoons(int year) {
  const int64_t n = EpochYears(year);
  // The first mean new moon lies this far before the solstice.  Walk back
  // through the true-term intervals until it fits in one; an excess longer
  // than the last two intervals together reaches into a third.
  SenmyoTime before{int32_t(leapExcess_ / kUnit), int32_t(leapExcess_ % kUnit), 0};
  for (int s = 0; s < startShift_; ++s) before = Plus(before, kMonthStep);
  int t = 23;
  while (Value(before) > Value(Interval(t))) {
    before = Minus(before, Interval(t));
    t = Wrap24(t - 1);
  }
  SenmyoTime position = Minus(Interval(t), before);

  for (int k = 0; k < newMoonCount; ++k) {
    if (k > 0) {
      position = Plus(position, kMonthStep);
      while (Value(position) > Value(Interval(t))) {
        position = Minus(position, Interval(t));
        t = Wrap24(t + 1);
      }
    }
    const int correction =
        SolarCorrection(t, position) + LunarCorrection(k - startShift_, n, leapExcess_);
    SenmyoTime moon = meanNewMoon_[k];
    moon.shoyo += correction;
    moon.byo = 0;
    moon = Normalised(moon);
    // A new moon in the last quarter of the day begins the month on the next day.
    if (moon.shoyo >= 6300) moon.daiyo = (moon.daiyo + 1) % 60;
    trueNewMoon_[k] = moon;
  }
}

int SenmyoCalendar::MonthDays(int i) const {
  if (i < 0 || i + 1 >= newMoonCount) return 0;
  return trueNewMoon_[i].daiyo % 10 == trueNewMoon_[i + 1].daiyo % 10 ? 30 : 29;
}

void SenmyoCalendar::ComputeMonths(int year) {
  // A 大余 before the month's first day counts as the next round of the cycle.
  auto dayInMonth = [&](int i, const SenmyoTime& t) {
    return t.daiyo < trueNewMoon_[i].daiyo ? t.daiyo + 60 : t.daiyo;
  };

  monthCode_.fill(0);
  monthTerm_.fill(-1);
  monthSekki_.fill(-1);
  leapIndex_ = -1;
  int number = 11;  // month 11 of the previous year
  int term = 0;     // the 中気 still to be placed
  int sekki = 1;    // the 節気 still to be placed
  for (int i = 0; i < monthCount && term < termCount; ++i) {
    const int next = dayInMonth(i, trueNewMoon_[i + 1]);
    if (next <= dayInMonth(i, term_[term])) {
      // No 中気 before the next new moon: the leap month, which repeats the
      // previous month's number.  Its 中気 is the next month's to test.
      monthCode_[i] = 100 + (number == 1 ? 12 : number - 1);
      if (leapIndex_ < 0) leapIndex_ = i;
    } else {
      monthCode_[i] = number;
      monthTerm_[i] = term;
      number = number == 12 ? 1 : number + 1;
      term += 2;
    }
    if (sekki < termCount && dayInMonth(i, term_[sekki]) < next) {
      monthSekki_[i] = sekki;
      sekki += 2;
    }
  }
  // Months 11 and 12 of the previous year and the twelve of the year, with
  // the leap month among them.
  rowCount_ = leapIndex_ >= 0 && leapIndex_ <= 14 ? 15 : 14;
  if (leapIndex_ > 14) leapIndex_ = -1;

  // The Gregorian day of each month's first day.  The day count of the mean
  // new moon before the solstice places the first month near its day; the
  // true new moon's own 大余 then fixes the day, and each month adds its size.
  const double meanDay = double(year) * kYear / kUnit - double(leapExcess_) / kUnit -
                         startShift_ * double(kMonth) / kUnit;
  const int64_t f = 365LL * year + year / 4 - year / 100 + year / 400 - 61;
  const int64_t offset = int64_t(std::floor(meanDay - double(f) - 11));
  int64_t approx = DaysFromCivil(year - 1, 11, 1) - 1 + offset;
  for (int i = 0; i < monthCount; ++i) {
    int64_t best = approx;
    for (int64_t d = approx - 3; d <= approx + 3; ++d) {
      const int64_t cycle = ((d - kDay593 + 59) % 60 + 60) % 60;
      if (cycle == trueNewMoon_[i].daiyo) {
        best = d;
        break;
      }
    }
    dayNumber_[i] = int32_t(best - kDay593);
    approx = best + MonthDays(i);
  }
}

void SenmyoCalendar::NewMoonDate(int i, int& year, int& month, int& day) const {
  CivilFromDays(int64_t(dayNumber_[i]) + kDay593, year, month, day);
}

void SenmyoCalendar::Compute(int year) {
  startShift_ = 0;
  ComputeTerms(year);
  ComputeMeanNewMoons(year);
  ComputeTrueNewMoons(year);
  // The first month must hold the solstice.  When corrections carry the first
  // true new moon past the solstice's day, the month that holds it began a
  // month earlier: start the count from the mean new moon before.
  // The mean new moon lies 0..29.5 days before the solstice and the
  // corrections move it by less than two days, so a first new moon on a later
  // day than the solstice is at most a few days after it.
  const int late = ((trueNewMoon_[0].daiyo - term_[0].daiyo) % 60 + 60) % 60;
  if (late >= 1 && late <= 5) {
    startShift_ = 1;
    ComputeMeanNewMoons(year);
    ComputeTrueNewMoons(year);
  }
  ComputeMonths(year);
}
