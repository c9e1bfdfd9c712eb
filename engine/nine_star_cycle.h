#pragma once
// The nine stars (九星) and the star of any Gregorian day.
//
// The day stars run in two directions: ascending (陽遁, 一白 → 九紫) from the
// 甲子 day nearest the winter solstice, descending (陰遁, 九紫 → 一白) from
// the 甲子 day nearest the summer solstice.  Those two 甲子 days lie 180 or
// 240 days apart; no period is allowed to last longer than 210 days, so a
// 240-day span switches direction after 210 days, and the star then carries
// on from where the shortened period left it.
//
// The switch days come from the solar terms of the rules in force, so
// DayStar works for the years 1852..2050 (it needs the terms of the year
// before and after); other years show the term formula's range message.
#include "engine/calendar_names.h"
#include "engine/solar_term_table.h"

// The star of one day and how long its run lasts.
struct NineStarDay {
  int direction = 1;     // +1 ascending (陽遁), -1 descending (陰遁)
  int star = 0;          // 0 (一白) .. 8 (九紫)
  // Days from this day to the first day of the next period, counting this
  // day: 1 on the last day of a period.  Stepping `star` by `direction` for
  // that many days and asking again on the switch day follows the cycle.
  int daysToSwitch = 1;
  bool operator==(const NineStarDay&) const = default;
};

class NineStarCycle {
 public:
  static constexpr int kCount = 9;
  // The longest period between two direction switches, in days.
  static constexpr int kLongestPeriod = 210;

  explicit NineStarCycle(CalendarLaw law = CalendarLaw::AsPublished) : terms_(law) {}

  // Index 0..8 (0 = 一白); the empty text otherwise.  The second star is
  // written with the katakana ニ, as the almanac has always printed it.
  const char* StarShortName(int index) const;
  const char* StarFullName(int index) const;

  // Day number (days from 593-01-01) of the 甲子 day nearest solar term
  // `termIndex` of `year`: on or before the term when the term's day is at
  // most 30 days past a 甲子 day, else the following 甲子 day.
  long long KoshiNear(int year, int termIndex) const;

  // The star of a Gregorian day.
  NineStarDay DayStar(int year, int month, int day) const;

  // The star after one more day of the same run: `star` moved by
  // `direction` and brought back into 0..8.
  static int NextStar(int star, int direction);

 private:
  CalendarNames calendar_;
  SolarTermTable terms_;
};
