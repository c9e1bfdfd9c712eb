#include "content/year_month_state.h"

#include <algorithm>
#include <optional>

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

namespace {

// The number in `text` (blanks around it allowed, half- or full-width
// digits), after `prefix` when the text starts with it; nothing when the
// text holds anything else or the number is unreasonably long.
std::optional<int> TypedNumber(std::string text, bool& hadPrefix, const std::string& prefix) {
  auto trim = [&text] {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.erase(0, 1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    // The full-width blank.
    while (text.rfind("\u3000", 0) == 0) text.erase(0, 3);
    while (text.size() >= 3 && text.compare(text.size() - 3, 3, "\u3000") == 0)
      text.erase(text.size() - 3);
  };
  trim();
  hadPrefix = !prefix.empty() && text.rfind(prefix, 0) == 0;
  if (hadPrefix) text.erase(0, prefix.size());
  trim();
  int value = 0;
  int digits = 0;
  for (size_t i = 0; i < text.size();) {
    int digit = -1;
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= '0' && c <= '9') {
      digit = c - '0';
      i += 1;
    } else if (i + 2 < text.size() && c == 0xEF && static_cast<unsigned char>(text[i + 1]) == 0xBC &&
               static_cast<unsigned char>(text[i + 2]) >= 0x90 &&
               static_cast<unsigned char>(text[i + 2]) <= 0x99) {
      // U+FF10..U+FF19
      digit = static_cast<unsigned char>(text[i + 2]) - 0x90;
      i += 3;
    } else {
      return std::nullopt;
    }
    if (++digits > 6) return std::nullopt;
    value = value * 10 + digit;
  }
  if (digits == 0) return std::nullopt;
  return value;
}

}  // namespace

bool YearMonthDialogState::TakeTyped(const std::string& yearText, const std::string& monthText) {
  bool unused = false;
  const std::optional<int> year = TypedNumber(yearText, unused, "");
  bool leap = false;
  std::optional<int> month;
  if (ShowsMonth() && !monthText.empty()) {
    month = TypedNumber(monthText, leap, "閏");
    if (!month) {
      Beep();
      return false;
    }
  }
  if (!year) {
    Beep();
    return false;
  }
  bool beeped = false;
  auto beepOnce = [&beeped] {
    if (!beeped) Beep();
    beeped = true;
  };
  if (!range_.Contains(*year)) beepOnce();
  const int newYear = range_.Clamp(*year);
  // The month as a number and whether it is the leap month, in the year
  // shown so far, unless one was typed.
  int number = month_;
  bool wasLeap = false;
  if (mode_ == kModeLunarMonth && leapIndex_ != 0) {
    wasLeap = month_ == leapIndex_;
    if (month_ >= leapIndex_) number = month_ - 1;
  }
  if (month) {
    number = *month;
    wasLeap = leap;
    if (number < 1 || number > 12) beepOnce();
    number = std::clamp(number, 1, 12);
  }
  year_ = newYear;
  UpdateMonthText(0);  // the new year's leap month
  int position = number;
  if (mode_ == kModeLunarMonth && leapIndex_ != 0) {
    if (wasLeap && number == leapIndex_ - 1) {
      position = leapIndex_;
    } else if (number >= leapIndex_) {
      position = number + 1;
    }
  }
  month_ = std::clamp(position, 1, monthMax_);
  UpdateMonthText(0);
  return true;
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
