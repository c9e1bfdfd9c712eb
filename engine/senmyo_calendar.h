#pragma once
// The Senmyo calendar (宣明暦), in use 862..1684, recomputed from its own
// constants: the winter solstice of the year, the equal solar terms, the mean
// new moons, the true new moons (the mean ones corrected for the unequal
// motion of the sun and of the moon), and from those the month numbers, the
// month sizes and the leap month.  Nothing here uses the lunisolar table.
//
// Times are counted the calendar's way: 大余 is the day of the sexagenary
// cycle (0 = 甲子), 小余 the part of the day in 1/8400, 秒 the eighths of one
// 小余.
//
// One call of Compute(year) works out the months from month 11 of the
// previous year to month 12 of the year: 14 months, or 15 when a leap month
// falls among them.
#include <array>
#include <cstdint>

#include "engine/calendar_names.h"

struct SenmyoTime {
  int32_t daiyo = 0;  // 大余, 0..59
  int32_t shoyo = 0;  // 小余, 0..8399
  int32_t byo = 0;    // 秒, 0..7
};

class SenmyoCalendar {
 public:
  static constexpr int firstYear = 862;
  static constexpr int lastYear = 1684;
  static constexpr int termCount = 30;
  // Seventeen new moons: the sixteenth month's size needs the new moon after it.
  static constexpr int newMoonCount = 17;
  static constexpr int monthCount = 16;

  SenmyoCalendar() = default;

  // The four steps of one year, in this order; Compute runs all of them.
  void ComputeTerms(int year);
  void ComputeMeanNewMoons(int year);
  void ComputeTrueNewMoons(int year);
  void ComputeMonths(int year);
  void Compute(int year);

  // The rows of the year: 14, or 15 with a leap month.
  int RowCount() const { return rowCount_; }
  // Month code of row i: the month number 1..12, or 100 + the number for
  // the leap month.
  int MonthCode(int i) const { return monthCode_[i]; }
  bool IsLeap(int i) const { return monthCode_[i] > 100; }
  // Row of the leap month, or -1 when the rows have none.
  int LeapIndex() const { return leapIndex_; }
  // 30 when the new moons that begin and end the month share their stem
  // (大余 mod 10), else 29.
  int MonthDays(int i) const;
  const SenmyoTime& TrueNewMoon(int i) const { return trueNewMoon_[i]; }
  const SenmyoTime& MeanNewMoon(int i) const { return meanNewMoon_[i]; }
  // Term 0 is the winter solstice (冬至); even terms are the 中気, odd ones
  // the 節気, every 15 days 1835 小余 5 秒.
  const SenmyoTime& Term(int i) const { return term_[i]; }
  // The term (even index) that falls in row i, or -1 for the leap month.
  int MonthTerm(int i) const { return monthTerm_[i]; }
  // The 節気 (odd index) that falls in row i, or -1 when none does.
  int MonthSekki(int i) const { return monthSekki_[i]; }
  // True when the first new moon after the mean new moon before the solstice
  // fell after the solstice's day, so that the months were counted from the
  // new moon a month earlier (the month that holds the solstice).
  bool StartsMonthEarly() const { return startShift_ != 0; }
  // Proleptic Gregorian date of the day of row i's true new moon.
  void NewMoonDate(int i, int& year, int& month, int& day) const;

 private:
  // The solstice year counted from the calendar's epoch.
  static int64_t EpochYears(int year) { return int64_t{year} + 7069316; }

  int year_ = 0;
  // Leap excess at the solstice (year mod months), in 小余.
  int64_t leapExcess_ = 0;
  // 1 when the first month after the mean new moon before the solstice does
  // not hold the solstice and the months start one month earlier.
  int startShift_ = 0;
  std::array<SenmyoTime, termCount> term_{};
  std::array<SenmyoTime, newMoonCount> meanNewMoon_{};
  std::array<SenmyoTime, newMoonCount> trueNewMoon_{};
  std::array<int, monthCount> monthCode_{};
  std::array<int, monthCount> monthTerm_{};
  std::array<int, monthCount> monthSekki_{};
  std::array<int32_t, monthCount> dayNumber_{};  // days from 593-01-01
  int leapIndex_ = -1;
  int rowCount_ = 0;
};
