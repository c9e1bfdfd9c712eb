#pragma once
// The navigation keys' steps through the months or years a view shows:
// next / previous month, the same month a year on or back, and today's
// month.  A step stays inside the view's years; at an end it sounds the
// beep and stays where it is, as the year/month dialog's spins do.  The
// lunisolar calendar counts month positions (1..13 in a year with a leap
// month), so a step from 閏4 goes to 5 and a step from 5 back to 閏4.  No Qt.
#include <memory>

#include "content/year_range.h"

class LunisolarTable;

namespace korvane {

struct ShownMonth {
  int year = 0;
  int month = 1;  // Gregorian 1..12, or the lunisolar month position
  bool operator==(const ShownMonth&) const = default;
};

class MonthStepper {
 public:
  // `mode` is the view's YearMonthMode: the month modes step months, the
  // year modes (and the year step of any mode) step years.
  MonthStepper(int mode, YearRange range);
  ~MonthStepper();
  MonthStepper(const MonthStepper&) = delete;
  MonthStepper& operator=(const MonthStepper&) = delete;

  bool Lunisolar() const { return lunisolar_ != nullptr; }
  bool StepsYears() const { return mode_ == kModeGregorianYear || mode_ == kModeLunarYear; }
  int MonthsInYear(int year) const;

  // The next (`delta` +1) or previous (-1) month, across the year's end.
  ShownMonth StepMonth(ShownMonth from, int delta) const;
  // The same month `delta` years on; the lunisolar month keeps its number
  // and, where the other year has the same leap month, its leap.
  ShownMonth StepYear(ShownMonth from, int delta) const;
  // What one step of the lists' keys moves: a month, or a year for the
  // views that show a whole year.
  ShownMonth Step(ShownMonth from, int delta) const {
    return StepsYears() ? StepYear(from, delta) : StepMonth(from, delta);
  }
  // The month holding the Gregorian date given (today); a date outside the
  // view's years takes the nearest end with the beep.
  ShownMonth Today(int year, int month, int day) const;

 private:
  // `to` when it lies in the range, else `from` with the beep.
  ShownMonth Inside(ShownMonth from, ShownMonth to) const;

  int mode_;
  YearRange range_;
  std::unique_ptr<LunisolarTable> lunisolar_;  // lunisolar modes only
};

}  // namespace korvane
