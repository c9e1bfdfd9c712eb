#include "content/month_step.h"

#include <algorithm>

#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"

namespace korvane {

MonthStepper::MonthStepper(int mode, YearRange range) : mode_(mode), range_(range) {
  if (mode == kModeLunarMonth || mode == kModeLunarYear)
    lunisolar_ = std::make_unique<LunisolarTable>();
}

MonthStepper::~MonthStepper() = default;

int MonthStepper::MonthsInYear(int year) const {
  if (!lunisolar_ || year < LunisolarTable::firstYear || year > LunisolarTable::lastYear) return 12;
  return lunisolar_->HasLeapMonth(year) == 1 ? 13 : 12;
}

ShownMonth MonthStepper::Inside(ShownMonth from, ShownMonth to) const {
  if (range_.Contains(to.year)) return to;
  Beep();
  return from;
}

ShownMonth MonthStepper::StepMonth(ShownMonth from, int delta) const {
  ShownMonth to = from;
  to.month += delta;
  while (to.month < 1) {
    --to.year;
    to.month += MonthsInYear(to.year);
  }
  while (to.month > MonthsInYear(to.year)) {
    to.month -= MonthsInYear(to.year);
    ++to.year;
  }
  return Inside(from, to);
}

ShownMonth MonthStepper::StepYear(ShownMonth from, int delta) const {
  ShownMonth to{from.year + delta, from.month};
  // A year step past an end takes the end, as the dialog's year spin does;
  // only a step that cannot move at all is refused.
  if (!range_.Contains(to.year)) {
    Beep();
    to.year = range_.Clamp(to.year);
    if (to.year == from.year) return from;
  }
  if (lunisolar_) {
    const int fromLeap = MonthsInYear(from.year) == 13 ? lunisolar_->LeapPosition(from.year) : 0;
    const int toLeap = MonthsInYear(to.year) == 13 ? lunisolar_->LeapPosition(to.year) : 0;
    // The month's number and whether it is the leap month: the leap month
    // repeats the number of the month before it.
    const bool leap = fromLeap != 0 && from.month == fromLeap;
    const int number = fromLeap != 0 && from.month >= fromLeap ? from.month - 1 : from.month;
    if (toLeap != 0 && leap && number == toLeap - 1) {
      to.month = toLeap;
    } else {
      to.month = toLeap != 0 && number >= toLeap ? number + 1 : number;
    }
  }
  to.month = std::clamp(to.month, 1, MonthsInYear(to.year));
  return to;
}

ShownMonth MonthStepper::Today(int year, int month, int day) const {
  ShownMonth today{year, month};
  if (lunisolar_ && year >= LunisolarTable::firstYear && year <= LunisolarTable::lastYear) {
    const LunisolarDate lunar = lunisolar_->FromGregorian(year, month, day);
    today = {lunar.year, lunar.month};
  }
  if (range_.Contains(today.year)) return today;
  Beep();
  return today.year < range_.min ? ShownMonth{range_.min, 1}
                                 : ShownMonth{range_.max, MonthsInYear(range_.max)};
}

}  // namespace korvane
