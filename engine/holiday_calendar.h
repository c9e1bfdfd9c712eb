#pragma once
// Japanese national holidays by the rules of their year.
//
// Before 1948 the pre-war holidays (codes 50..61) apply; from 1948 the
// post-war holidays (codes 1..16).  The substitute holiday (振替休日) exists
// from 1973, the citizens' holiday (国民の休日) on May 4 from 1995, and from
// 2000 and 2003 some holidays move to Mondays.  The equinox holidays take
// their dates from the solar-term formula, so they need a year in 1851..2051.
//
// Code 0 means no holiday.  Callers name a code c with HolidayName(c - 1)
// when c < 50 and PrewarHolidayName(c - 50) otherwise.
#include "engine/calendar_names.h"
#include "engine/solar_term_table.h"

class HolidayCalendar {
 public:
  static constexpr int kPrewarBase = 50;  // first pre-war code

  HolidayCalendar() = default;

  // The holiday code of (year, month, day) whose weekday the caller supplies
  // (0 = Sunday, 1 = Monday .. 6); the weekday is not checked against the date.
  int HolidayCode(int year, int month, int day, int weekday) const;

  // Post-war name at index code - 1 (0..15); the empty text otherwise.
  const char* HolidayName(int index) const;
  // Pre-war name at index code - 50 (0..11); the empty text otherwise.
  const char* PrewarHolidayName(int index) const;
  // Either name of a holiday code; the empty text for 0 and unknown codes.
  const char* NameOfCode(int code) const;

  // The number of days of `year` whose holiday code is not 0.
  int HolidayCount(int year) const;

 private:
  CalendarNames calendar_;
  SolarTermTable terms_;
};
