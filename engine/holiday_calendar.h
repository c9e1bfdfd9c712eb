#pragma once
// Japanese national holidays by the rules of their year.
//
// Before 1948 the pre-war holidays (codes 50..61) apply; from 1948 the
// post-war holidays (codes 1..16).  The substitute holiday (振替休日) exists
// from 1973, the citizens' holiday (国民の休日) on May 4 from 1995, and from
// 2000 and 2003 some holidays move to Mondays.  The equinox holidays take
// their dates from the solar terms (the formula as published, the sun's
// instant under the current law), so they need a year in 1851..2051.
//
// Code 0 means no holiday.  Callers name a code c with HolidayName(c - 1)
// when c < 50 and PrewarHolidayName(c - 50) otherwise.
//
// Under the current law (CalendarLaw::Current) the rules are those of the
// holiday law of 1948-07-20 and its amendments; the pre-war rules above stay
// for the days before it.  Holidays whose names the almanac's first tables
// lack get codes 17..25 (建国記念の日 and こどもの日 are the law's own names of
// codes 3 and 7, so they have codes of their own too); the substitute holiday
// moves to the next day that is not a holiday, the citizens' holiday falls on
// any day between two holidays from 1985-12-27, and the one-time holidays of
// 1959..2019 are included.
#include "engine/calendar_law.h"
#include "engine/calendar_names.h"
#include "engine/solar_term_table.h"

class HolidayCalendar {
 public:
  static constexpr int kPrewarBase = 50;  // first pre-war code

  // Codes of the holidays that only the current law has.
  static constexpr int kKenkokuKinenNoHi = 17;  // 建国記念の日
  static constexpr int kKodomoNoHi = 18;        // こどもの日
  static constexpr int kShowaNoHi = 19;         // 昭和の日
  static constexpr int kYamaNoHi = 20;          // 山の日
  static constexpr int kSportsNoHi = 21;        // スポーツの日
  static constexpr int kKekkonNoGi = 22;        // 結婚の儀 (1959, 1993)
  static constexpr int kTaisoNoRei = 23;        // 大喪の礼 (1989)
  static constexpr int kSokuireiSeidenNoGi = 24;  // 即位礼正殿の儀 (1990, 2019)
  static constexpr int kSokuiNoHi = 25;         // 即位の日 (2019)

  explicit HolidayCalendar(CalendarLaw law = CalendarLaw::AsPublished) : law_(law), terms_(law) {}

  CalendarLaw Law() const { return law_; }
  // Post-war codes of the rules: 16 as published, 25 under the current law.
  int PostwarCodeCount() const;

  // The holiday code of (year, month, day) whose weekday the caller supplies
  // (0 = Sunday, 1 = Monday .. 6); the weekday is not checked against the date.
  int HolidayCode(int year, int month, int day, int weekday) const;

  // Post-war name at index code - 1 (0..15, or 0..24 under the current law);
  // the empty text otherwise.
  const char* HolidayName(int index) const;
  // Pre-war name at index code - 50 (0..11); the empty text otherwise.
  const char* PrewarHolidayName(int index) const;
  // Either name of a holiday code; the empty text for 0 and unknown codes.
  const char* NameOfCode(int code) const;

  // The number of days of `year` whose holiday code is not 0.
  int HolidayCount(int year) const;

 private:
  // The almanac's rules; `prewar` chooses the pre-war holidays.
  int PublishedCode(int year, int month, int day, int weekday, bool prewar) const;
  int CurrentLawCode(int year, int month, int day, int weekday) const;
  // A holiday the law names (or a one-time holiday), without the substitute
  // and citizens' holidays; 0 before 1948-07-20.  `equinoxes` false leaves
  // the equinox days out (years the term formula does not cover).
  int LawHoliday(int year, int month, int day, int weekday, bool equinoxes) const;
  int EquinoxDay(int year, int termIndex, bool equinoxes) const;

  CalendarLaw law_ = CalendarLaw::AsPublished;
  CalendarNames calendar_;
  SolarTermTable terms_;
};
