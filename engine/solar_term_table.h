#pragma once
// The 24 solar terms (二十四節気) of a year, the seasonal days (雑節) that
// follow from them, and the month's birthstone and birth flower.
//
// As published, term dates come from a closed formula with fixed per-term
// constants, good for the years 1851..2051; no astronomy is involved.  Under
// the current rules a term's day is the JST day of the instant the sun
// reaches the term's longitude, as the program's own sun computes it; those
// instants (to the minute) are a table made once from the sun, for the same
// years, so the engine stays free of astronomy.  Term index 0 is the
// winter solstice (冬至) in December of the year asked for, 1..4 are the terms
// of January and February of that year, and so on through 23 (大雪, early
// December).  The code that TermOn reports is index + 20; seasonal-day codes
// are 1..13.
//
// The object holds no mutable state and is cheap to construct: every month
// view and several engine objects carry their own copy.  Name operations hand
// out pointers to static UTF-8 text and never allocate.

#include "engine/calendar_law.h"

class SolarTermTable {
 public:
  static constexpr int kTermCount = 24;
  static constexpr int kTermCodeBase = 20;      // TermOn code = index + 20
  static constexpr int kZassetsuCount = 13;     // codes 1..13
  static constexpr int kFirstYear = 1851;       // the formula's range
  static constexpr int kLastYear = 2051;

  // Term indexes the other engine objects ask for by name.
  static constexpr int kWinterSolstice = 0;    // 冬至
  static constexpr int kSpringBegins = 3;      // 立春
  static constexpr int kSpringEquinox = 6;     // 春分
  static constexpr int kSummerSolstice = 12;   // 夏至
  static constexpr int kAutumnEquinox = 18;    // 秋分

  // Seasonal-day codes with a date rule.
  static constexpr int kSetsubun = 2;          // 節分
  static constexpr int kSpringShanichi = 3;    // 社日 (spring)
  static constexpr int kSpringHigan = 4;       // 彼岸の入り (spring)
  static constexpr int kHachijuhachiya = 6;    // 八十八夜
  static constexpr int kNihyakutoka = 10;      // 二百十日
  static constexpr int kAutumnHigan = 11;      // 彼岸の入り (autumn)
  static constexpr int kAutumnShanichi = 12;   // 社日 (autumn)

  explicit SolarTermTable(CalendarLaw law = CalendarLaw::AsPublished) : law_(law) {}
  CalendarLaw Law() const { return law_; }

  // Day of month of term `termIndex` in `year`, with its fraction (under the
  // current rules the JST time of day of the instant, to the minute).  For a year
  // outside 1851..2051 shows "%d年の24節気は計算できません." and gives 0.0; an
  // index outside 0..23 gives 0.0 as well.
  double TermDay(int year, int termIndex) const;

  // Integral day of month of the term; writes the term's month and the
  // weekday of that date (0 = Sunday).  An index outside 0..23 gives 0 with
  // month and weekday 0.
  int TermDate(int year, int termIndex, int& month, int& weekday) const;

  // The month (1..12) in which the term falls, 0 for an index outside 0..23.
  static int TermMonth(int termIndex);

  // "冬至" .. "大雪"; the empty text outside 0..23.
  const char* TermName(int termIndex) const;
  // Three or four lines joined by '\n'; the empty text outside 0..23.
  const char* TermDescription(int termIndex) const;

  // index + 20 when (year, month, day) is the day of a solar term, else 0.
  int TermOn(int year, int month, int day) const;

  // Day of month of seasonal day `code` in `year` (the month is fixed by the
  // code; 二百十日 gives a day above 30 when it falls at the end of August).
  // 0 for codes without a date rule and for years whose terms cannot be
  // computed.
  int ZassetsuDay(int year, int code) const;
  // The seasonal-day code of (year, month, day), else 0.  A day that is both
  // 社日 and 彼岸の入り reports 彼岸の入り.
  int ZassetsuOn(int year, int month, int day) const;
  // Name of seasonal day `index` = code - 1 (0..12); the empty text otherwise.
  const char* ZassetsuName(int index) const;

  // Birthstone and birth flower of month 1..12; the empty text otherwise.
  const char* Birthstone(int month) const;
  const char* BirthFlower(int month) const;

  // The term's day of month for the 節 (the odd indexes: 小寒, 立春 .. 大雪)
  // that opens Gregorian month `month` (1..12): the index is 2 * month - 1.
  static constexpr int SetsuOfMonth(int month) { return 2 * month - 1; }

 private:
  // The current rules' instant: minutes from 0h JST of day 0 of the term's
  // month, or -1 outside the table.
  static int CurrentMinutes(int year, int termIndex);

  CalendarLaw law_ = CalendarLaw::AsPublished;
};
