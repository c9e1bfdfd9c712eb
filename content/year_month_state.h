#pragma once
// YearMonthDialogState: the year/month and area dialog's behaviour without a
// window (modes, year ranges, month text with the leap month, steps with
// beep and clamp).  The dialog window lays out the controls and routes its
// spins to it.
#include <memory>
#include <string>

#include "content/year_range.h"

class LunisolarTable;

namespace korvane {

// The view modes (YearMonthMode) and the year ranges (YearRangeKind,
// YearRangeOf) are those of content/year_range.h.

class YearMonthDialogState {
 public:
  // `presetArea` of 0 or more is taken as the place; callers without a place
  // pass -1.  Values passed in are shown unchanged until a spin is used.
  YearMonthDialogState(int mode, YearRangeKind rangeKind, int year, int month, int presetArea);
  ~YearMonthDialogState();
  YearMonthDialogState(const YearMonthDialogState&) = delete;
  YearMonthDialogState& operator=(const YearMonthDialogState&) = delete;

  // Runs the initialisation: the month text for the values passed in, then
  // the place becomes the shared AreaCode.
  void Initialise(int sharedAreaCode);

  // A step of the year spin by `step` (+1 up, -1 down).  A step past the
  // range sounds the beep and takes the nearest bound; a step that cannot
  // move the year at all is refused with the beep and changes nothing.
  // Otherwise the month becomes the first month (stepping up) or the last
  // (stepping down) of the new year.
  void StepYear(int step);
  // A step of the month spin; months stay in 1..monthMax with the beep at a
  // bound and never wrap into another year.
  void StepMonth(int step);
  // The texts typed into the year and month boxes, taken on OK or Enter
  // and before a spin step.  A year outside the range, or a month outside
  // the year's months, sounds the beep and takes the nearest bound, as a
  // spin step does; a year typed alone keeps the month where the year has
  // it.  Text that is no number at all sounds the beep, changes nothing and
  // returns false.  The month is "5", or "閏4" for a leap month; a 閏 on a
  // month that is not the year's leap month takes the plain month.  Digits
  // may be full-width.  An empty `monthText` leaves the month alone.
  bool TakeTyped(const std::string& yearText, const std::string& monthText);

  // The user picked place `index` in the list.
  void ChoosePlace(int index);
  // OK pressed: returns true when the place was changed, in which case
  // `area` is the place to write to the AreaCode setting at once.
  bool Accept(int listSelection);

  int year() const { return year_; }
  int month() const { return month_; }
  int area() const { return area_; }
  int mode() const { return mode_; }
  int yearMin() const { return range_.min; }
  int yearMax() const { return range_.max; }
  int monthMax() const { return monthMax_; }
  int leapIndex() const { return leapIndex_; }
  bool areaChanged() const { return areaChanged_; }
  // The text of the month box: "閏4" for the leap month, "5" for the
  // month after it.
  const std::string& monthText() const { return monthText_; }

  // "西暦 <%d～%d>" or "旧暦 <%d～%d>".
  std::string Caption() const;
  bool ShowsMonth() const { return mode_ != kModeGregorianYear && mode_ != kModeLunarYear; }
  bool ShowsPlace() const { return mode_ == kModeMonthAndPlace; }

 private:
  // The month text for direction d: d < 0 shows the year's last month,
  // d > 0 its first, d = 0 keeps the month.
  void UpdateMonthText(int direction);

  int year_;
  int month_;
  int mode_;
  YearRange range_;
  bool areaChanged_ = false;
  int monthMax_ = 12;
  int leapIndex_ = 0;
  int area_ = 0;
  std::string monthText_;
  std::unique_ptr<LunisolarTable> lunisolar_;  // mode 1 only
};

}  // namespace korvane
