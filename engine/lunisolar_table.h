#pragma once
// The Japanese lunisolar calendar (旧暦) for the lunisolar years 593..2051.
//
// A lunisolar year has 12 months, or 13 with a leap month (閏月).  Months are
// addressed by their month position, 1..12 in an ordinary year and 1..13 in a
// leap year.  The leap month follows the month whose number it repeats, so
// 閏L sits at position L + 1, the year's leap position (0 without a leap
// month); positions from the leap position on carry the month number p - 1.
//
// The month sizes and leap months are fixed data, not computed.  Lunisolar
// 593/1/1 is the proleptic Gregorian day 593-02-09 (day number 39); every
// other day follows by adding up the months.  The 39 Gregorian days
// 593-01-01..593-02-08 precede the table and have no lunisolar date here.
//
// Every operation that takes a lunisolar year checks it first: a year outside
// 593..2051 is reported with the message "%d年の旧暦は計算できません.%d"
// (the year and the operation's kind number) and the operation answers with
// its failure value (-1, nullptr or an all-zero record).  A month position or
// day that is not in the year gives the same failure value without a message,
// except MonthLabel, which then gives the empty text.
#include <cstdint>

#include "engine/calendar_law.h"
#include "engine/calendar_names.h"
#include "engine/solar_term_table.h"

struct LunisolarYear {
  uint8_t leapFlag = 0;        // 1 when the year has a leap month
  uint8_t monthSizes[13] = {}; // by position 1..13: 1 = 大 (30 days), 0 = 小 (29)
  int32_t hasLeap = 0;         // the same fact as leapFlag
  int32_t leapPosition = 0;    // position of the leap month, 0 if none
  int32_t yearDays = 0;        // 353..385
  int32_t eraYear = 0;         // 1 for the era's first year
  // UTF-8; the longest era names (天平勝宝) take 12 bytes and the NUL.
  char eraName[16] = {};
};

// A lunisolar day.  `month` is the month position 1..13, not the month
// number; `leapPosition` is the year's leap position or 0.
struct LunisolarDate {
  int year = 0;
  int month = 0;
  int leapPosition = 0;
  int day = 0;
  bool operator==(const LunisolarDate&) const = default;
};

struct GregorianDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const GregorianDate&) const = default;
};

class LunisolarTable {
 public:
  static constexpr int firstYear = 593;
  static constexpr int lastYear = 2051;
  static constexpr int yearCount = lastYear - firstYear + 1;  // 1459
  static constexpr int bigMonthDays = 30;
  static constexpr int smallMonthDays = 29;
  // Day number (days from Gregorian 593-01-01) of lunisolar 593/1/1.
  static constexpr int firstNewYearDayNumber = 39;

  // What FindEraYear gives under the current law when no year carries the
  // era year: no year of the table, nor any year a caller could show.
  static constexpr int noEraYear = 0;

  // The era names follow `law` (令和 from 2019 under the current law).
  explicit LunisolarTable(CalendarLaw law = CalendarLaw::AsPublished);
  CalendarLaw Law() const { return law_; }

  // 0 when firstYear <= year <= lastYear; otherwise shows the range message
  // with `kind` and gives -1.
  int CheckYear(int year, int kind) const;

  // 日 .. 土 for 0 = Sunday .. 6; "" outside.
  const char* WeekdayKanji(int weekday) const;

  // 0..5 (0 = 先勝); the leap month counts as the month it repeats, and the
  // first day of months 1 and 7 is 先勝.  -1 for a position or day that is not
  // in the year.
  int RokuyoIndex(int year, int position, int day) const;
  // "閏%2d" for the leap month, "%2d" otherwise, with the month number, into
  // a buffer that the next call overwrites; "" for a position not in the year.
  const char* MonthLabel(int year, int position) const;
  const char* EraName(int year) const;
  int EraYear(int year) const;
  int YearDays(int year) const;
  // The Gregorian date of a lunisolar day; all zero after a failed check.
  GregorianDate ToGregorian(int year, int position, int day) const;
  // "大" / "小", "閏大" / "閏小" at the leap position; nullptr for a position
  // not in the year (position 13 of an ordinary year).
  const char* MonthSizeLabel(int year, int position) const;
  int HasLeapMonth(int year) const;   // 1 or 0
  int LeapPosition(int year) const;   // 0 if none
  int MonthDays(int year, int position) const;  // 30 or 29
  // 0..59, 0 = 甲子.
  int LunarSexagenaryDayIndex(int year, int position, int day) const;
  // 0 = Sunday .. 6.
  int LunarDayOfWeek(int year, int position, int day) const;
  // The lunisolar day of a Gregorian date; all zero for a date outside
  // 593-02-09..2051-12-31 (with the range message) or an invalid date.
  LunisolarDate FromGregorian(int year, int month, int day) const;
  // Today's lunisolar day when today lies in lunisolar (year, position),
  // else 0.  Never shows a message: it is asked at every repaint.
  int TodayLunarDay(int year, int position) const;

  // Number of era runs among the searched years: 593..2019 as published
  // (238), 593..2051 under the current law (239).
  int EraCount() const;
  // The first searched year that carries `eraName` with `eraYear`.  When none
  // does: 2020 as published (years from 2020 on are not searched there), and
  // noEraYear (0) under the current law, which searches up to 2051.
  int FindEraYear(const char* eraName, int eraYear) const;

  // The Gregorian arithmetic and the solar terms that come with every table,
  // for the views that own one.
  const CalendarNames& Calendar() const { return calendar_; }
  const SolarTermTable& SolarTerms() const { return solarTerms_; }

 private:
  // Kind numbers that name the operation in the range message.
  enum Kind {
    kRokuyoIndex = 1,
    kMonthLabel = 2,
    kSetYear = 3,
    kEraName = 4,
    kEraYear = 5,
    kYearDays = 6,
    kToGregorian = 7,
    kMonthSizeLabel = 8,
    kHasLeapMonth = 9,
    kLeapPosition = 10,
    kMonthDays = 11,
    kLunarSexagenaryDayIndex = 13,
    kLunarDayOfWeek = 14,
    kFromGregorian = 17,
  };

  // Writes one year's record: the sizes of months 1..12 in month-number order
  // (1 = 大), the leap month number (0 for none) and its size.  Returns false,
  // writing nothing, for a year outside the table or a leap month outside
  // 0..12.
  bool SetYear(int year, const uint8_t (&sizes)[12], int leapMonth, int leapSize,
               const char* eraName, int eraYear);

  const LunisolarYear& Record(int year) const { return years_[year - firstYear]; }
  // 12 or 13.
  static int PositionCount(const LunisolarYear& record) { return record.leapFlag ? 13 : 12; }
  static int SizeDays(uint8_t big) { return big ? bigMonthDays : smallMonthDays; }
  // Days from lunisolar 593/1/1 to (year, position, day), or -1 when the
  // position or day is not in the year.  The year must have passed CheckYear.
  long DaysFromFirstNewYear(int year, int position, int day) const;
  // Lunisolar date of a day counted from lunisolar 593/1/1 (0 ..
  // daysBefore_[yearCount] - 1), found from the Gregorian year it lies in.
  LunisolarDate DateOfDay(long day, int gregorianYear) const;
  // The checked Gregorian date to a lunisolar date without any message;
  // false when the date is not a valid day of 593-02-09..2051-12-31.
  bool ConvertGregorian(int year, int month, int day, LunisolarDate& result) const;

  // The first year the era searches leave out.
  int EraSearchEnd() const;

  CalendarLaw law_ = CalendarLaw::AsPublished;
  CalendarNames calendar_;
  SolarTermTable solarTerms_;
  LunisolarYear years_[yearCount];
  // daysBefore_[i]: days of the lunisolar years firstYear .. firstYear + i - 1,
  // so the conversions never add up the years one by one.
  int32_t daysBefore_[yearCount + 1] = {};
  mutable char monthLabel_[8] = {};
};
