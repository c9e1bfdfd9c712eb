#include "content/year_month_state.h"

#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"

namespace korvane {

YearMonthDialogState::YearMonthDialogState(int mode, YearRangeKind rangeKind, int year,
                                           int month, int presetArea)
    : year_(year), month_(month), mode_(mode), range_(YearRangeOf(rangeKind)) {
  if (presetArea >= 0) area_ = presetArea;
  if (mode_ == kModeLunarMonth) lunisolar_ = std::make_unique<LunisolarTable>();
}

YearMonthDialogState::~YearMonthDialogState() = default;

void YearMonthDialogState::Initialise(int sharedAreaCode) {
  UpdateMonthText(0);
  area_ = sharedAreaCode;
}

void YearMonthDialogState::UpdateMonthText(int direction) {
  int m = month_;
  if (direction < 0) m = 12;
  if (direction > 0) m = 1;
  monthMax_ = 12;
  if (mode_ == kModeLunarMonth) {
    // A year the table does not cover (only possible for a value passed in)
    // is treated as a year without a leap month rather than asked about.
    leapIndex_ = year_ >= LunisolarTable::firstYear && year_ <= LunisolarTable::lastYear
                     ? lunisolar_->LeapPosition(year_)
                     : 0;
    if (leapIndex_ != 0) {
      monthMax_ = 13;
      if (direction < 0) m = 13;
      // The leap month repeats the number of the month before it, and the
      // months after it are numbered one lower than their index.
      if (m == leapIndex_) {
        monthText_ = Format("閏%d", m - 1);
      } else if (m > leapIndex_) {
        monthText_ = Format("%d", m - 1);
      } else {
        monthText_ = Format("%d", m);
      }
    } else {
      monthText_ = Format("%d", m);
    }
  } else {
    monthText_ = Format("%d", m);
  }
  month_ = m;
}

void YearMonthDialogState::StepYear(int step) {
  if (step == 0) return;
  int target = year_ + step;
  if (target < range_.min || target > range_.max) {
    Beep();
    target = target < range_.min ? range_.min : range_.max;
    // At the bound already: the step is refused and nothing moves.
    if (target == year_) return;
  }
  year_ = target;
  UpdateMonthText(step > 0 ? 1 : -1);
}

void YearMonthDialogState::StepMonth(int step) {
  if (step == 0) return;
  int target = month_ + step;
  if (target < 1 || target > monthMax_) {
    Beep();
    target = target < 1 ? 1 : monthMax_;
  }
  month_ = target;
  UpdateMonthText(0);
}

void YearMonthDialogState::ChoosePlace(int index) {
  area_ = index;
  areaChanged_ = true;
}

bool YearMonthDialogState::Accept(int listSelection) {
  if (!areaChanged_) return false;
  // An empty list reports no selection; keep the place last picked.
  if (listSelection >= 0) area_ = listSelection;
  return true;
}

std::string YearMonthDialogState::Caption() const {
  bool lunar = mode_ == kModeLunarMonth || mode_ == kModeLunarYear;
  return Format(lunar ? "旧暦 <%d～%d>" : "西暦 <%d～%d>", range_.min, range_.max);
}

}  // namespace korvane
