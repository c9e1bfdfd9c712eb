#include "engine/nine_star_cycle.h"

namespace {

constexpr const char* kShortNames[NineStarCycle::kCount] = {
    "一白", "ニ黒", "三碧", "四緑", "五黄", "六白", "七赤", "八白", "九紫",
};
constexpr const char* kFullNames[NineStarCycle::kCount] = {
    "一白水星", "ニ黒土星", "三碧木星", "四緑木星", "五黄土星",
    "六白金星", "七赤金星", "八白土星", "九紫火星",
};

// The remainder 0..8, also for negative values.
int Mod9(long long value) {
  long long r = value % 9;
  return static_cast<int>(r < 0 ? r + 9 : r);
}

// A switch day moved back to `start` + 210 when the period from `start`
// would last longer than that.
long long Capped(long long start, long long next) {
  return next - start > NineStarCycle::kLongestPeriod ? start + NineStarCycle::kLongestPeriod : next;
}

// Days to the next switch, never below 1: for years whose terms cannot be
// computed the switch days are meaningless, and a caller counting down must
// still reach its next fresh question.
int Countdown(long long nextSwitch, long long day) {
  long long days = nextSwitch - day;
  if (days < 1) return 1;
  return static_cast<int>(days);
}

}  // namespace

const char* NineStarCycle::StarShortName(int index) const {
  return index >= 0 && index < kCount ? kShortNames[index] : "";
}

const char* NineStarCycle::StarFullName(int index) const {
  return index >= 0 && index < kCount ? kFullNames[index] : "";
}

int NineStarCycle::NextStar(int star, int direction) { return Mod9(static_cast<long long>(star) + direction); }

long long NineStarCycle::KoshiNear(int year, int termIndex) const {
  const int month = SolarTermTable::TermMonth(termIndex);
  const int day = static_cast<int>(terms_.TermDay(year, termIndex));
  const int cycle = calendar_.SexagenaryDayIndex(year, month, day);
  const long long dayNumber = static_cast<long long>(calendar_.DayNumber(year, month, day));
  // Up to 30 days past a 甲子 day the earlier one is nearer (a term on a
  // 甲午 day, 30 days from either, takes the earlier); otherwise the next.
  return cycle <= 30 ? dayNumber - cycle : dayNumber + 60 - cycle;
}

NineStarDay NineStarCycle::DayStar(int year, int month, int day) const {
  const long long x = static_cast<long long>(calendar_.DayNumber(year, month, day));

  // The switch days around this year: the 甲子 days near the winter solstice
  // of last December (a), the summer solstice (b) and this December (c).
  const long long a = KoshiNear(year - 1, SolarTermTable::kWinterSolstice);
  const long long b = KoshiNear(year, SolarTermTable::kSummerSolstice);
  const long long c = KoshiNear(year, SolarTermTable::kWinterSolstice);
  const long long bCapped = Capped(a, b);
  const long long cCapped = Capped(b, c);  // measured from b, not from the capped b

  NineStarDay result;
  if (x < a) {
    // Early January before the winter switch: last year's descending period
    // from its summer switch q, possibly capped.
    const long long q = KoshiNear(year - 1, SolarTermTable::kSummerSolstice);
    const long long aCapped = Capped(q, a);
    if (x < aCapped) {
      result.direction = -1;
      result.star = Mod9(aCapped - x - 1);
      result.daysToSwitch = Countdown(aCapped, x);
      return result;
    }
    // Between the capped switch and the 甲子 day: already ascending, in the
    // stars that follow on from the shortened descending period.  The run
    // reaches 一白 exactly on the 甲子 day and goes on ascending, so it lasts
    // until the summer switch.
    result.direction = 1;
    result.star = Mod9(x - aCapped - Mod9(aCapped - q));
    result.daysToSwitch = Countdown(Capped(a, b), x);
    return result;
  }
  if (x < bCapped) {
    // Ascending from 一白 on the winter 甲子 day.
    result.direction = 1;
    result.star = Mod9(x - a);
    result.daysToSwitch = Countdown(bCapped, x);
    return result;
  }
  if (x < cCapped) {
    // Descending from where the ascending period left off: 九紫 after a full
    // 180 or 240 days.
    result.direction = -1;
    result.star = 8 - Mod9(x - bCapped - Mod9(bCapped - a));
    result.daysToSwitch = Countdown(cCapped, x);
    return result;
  }
  // Ascending again after this year's winter switch, until next year's
  // summer switch.
  result.direction = 1;
  result.star = Mod9(x - cCapped - Mod9(cCapped - 1 - bCapped) + 8);
  const long long nextB = KoshiNear(year + 1, SolarTermTable::kSummerSolstice);
  result.daysToSwitch = Countdown(Capped(c, nextB), x);
  return result;
}
