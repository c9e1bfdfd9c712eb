#include "engine/almanac_day.h"

#include "engine/calendar_names.h"

Almanac::Almanac(CalendarLaw law)
    : law_(law), lunar_(law), holidays_(law), stars_(law), notes_(law) {}

AlmanacDay Almanac::Day(int year, int month, int day) const {
  AlmanacDay r;
  r.date = {year, month, day};
  if (month < 1 || month > 12 || day < 1 || day > CalendarNames::MonthLength(year, month)) return r;
  r.weekday = CalendarNames::DayOfWeek(year, month, day);
  r.dayEto = CalendarNames::SexagenaryDayIndex(year, month, day);

  if (year >= LunisolarTable::firstYear && year <= LunisolarTable::lastYear &&
      CalendarNames::DayNumber(year, month, day) >= LunisolarTable::firstNewYearDayNumber) {
    r.lunar = lunar_.FromGregorian(year, month, day);
    const int leap = r.lunar.leapPosition;
    r.leapMonth = leap != 0 && r.lunar.month == leap;
    r.lunarMonthNumber = leap != 0 && r.lunar.month >= leap ? r.lunar.month - 1 : r.lunar.month;
    r.rokuyo = lunar_.RokuyoIndex(r.lunar.year, r.lunar.month, r.lunar.day);
  }

  const SolarTermTable& terms = lunar_.SolarTerms();
  if (year >= SolarTermTable::kFirstYear && year <= SolarTermTable::kLastYear) {
    const int code = terms.TermOn(year, month, day);
    if (code != 0) r.term = code - SolarTermTable::kTermCodeBase;
    r.zassetsu = terms.ZassetsuOn(year, month, day);
    r.holiday = holidays_.HolidayCode(year, month, day, r.weekday);
  }
  // The star needs the terms of the years on either side.
  if (year > SolarTermTable::kFirstYear && year < SolarTermTable::kLastYear) {
    r.hasStar = true;
    r.star = stars_.DayStar(year, month, day);
  }
  if (r.lunar.month != 0) r.notes = notes_.Notes(year, month, day, r.lunar);
  return r;
}
