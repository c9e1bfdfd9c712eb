#pragma once
// Everything the almanac knows about one Gregorian day, found in one call:
// its weekday, lunisolar date, 六曜, 干支, 九星, solar term, seasonal day,
// holiday and notes.  The day page, the grids, the note list and the
// command-line tool read this value instead of asking each table in turn.
//
// All of it follows one set of rules (CalendarLaw).  Parts a date lies
// outside of stay at their "none" values: the lunisolar date (all zero)
// outside 593-02-09..2051-12-31, the term, seasonal day and nine star outside
// the term years, the notes outside 1853..2050.
#include "engine/calendar_law.h"
#include "engine/holiday_calendar.h"
#include "engine/koyomi_notes.h"
#include "engine/lunisolar_table.h"
#include "engine/nine_star_cycle.h"

struct AlmanacDay {
  GregorianDate date;
  int weekday = 0;            // 0 = Sunday
  LunisolarDate lunar;        // all zero when out of the table
  int lunarMonthNumber = 0;   // 1..12, the month a leap month repeats
  bool leapMonth = false;
  int rokuyo = -1;            // 0..5, 0 = 先勝
  int dayEto = 0;             // 0..59, 0 = 甲子
  bool hasStar = false;
  NineStarDay star;
  int term = -1;              // 0..23 (SolarTermTable index) on a term's day
  int zassetsu = 0;           // seasonal-day code, 0 for none
  int holiday = 0;            // HolidayCalendar code, 0 for none
  DayNotes notes;
};

class Almanac {
 public:
  explicit Almanac(CalendarLaw law = CalendarLaw::AsPublished);
  CalendarLaw Law() const { return law_; }

  // Never shows a message: a part out of its range is left at "none".
  AlmanacDay Day(int year, int month, int day) const;

  const LunisolarTable& Lunar() const { return lunar_; }
  const HolidayCalendar& Holidays() const { return holidays_; }
  const SolarTermTable& Terms() const { return lunar_.SolarTerms(); }
  const NineStarCycle& Stars() const { return stars_; }
  const KoyomiNotes& Notes() const { return notes_; }

 private:
  CalendarLaw law_;
  LunisolarTable lunar_;
  HolidayCalendar holidays_;
  NineStarCycle stars_;
  KoyomiNotes notes_;
};
