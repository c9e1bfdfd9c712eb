#pragma once
// The era (年号) in force on each day, and how a 和暦 date is written.
//
// An era begins on the day of its 改元, not with a year: 1989-01-07 is
// 昭和64年1月7日 and 1989-01-08 平成元年1月8日.  Before 大化 and between the
// early eras the years are counted by reign (推古, 舒明 ...), from 1/1 of the
// reign's first year.  From 元弘 (1331) to the union of 1392 the northern and
// the southern court counted by eras of their own, and a day may carry two.
// 明治 is taken from its 改元 day, 慶応4年9月8日; that the era was applied
// back to the year's 1/1 is a matter of writing the year, not of this table.
//
// How a 和暦 date is written changed with the calendar reform:
//  - before 1873-01-01 (明治6年1月1日) it is the 旧暦 month and day, and the
//    era year counts lunisolar years from the one the era began in;
//  - from 1873-01-01 it is the Gregorian month and day, and the era year
//    counts Gregorian years from the one the era began in.
// Era year 1 is written 元年.
//
// Days are Julian Day Numbers (engine/julian_day.h).  The days covered are
// those of the lunisolar table that have a Gregorian date in its years,
// 593-02-09..2051-12-31.
#include <string>
#include <vector>

#include "engine/calendar_law.h"
#include "engine/lunisolar_table.h"

enum class Court {
  Both = 0,   // one sequence of eras, or the same era in both courts
  North = 1,  // 北朝
  South = 2,  // 南朝
};

// An era and the year of it in force on some day.  `era` indexes the era
// list of EraDays (its first start row), `court` says which court counts it.
struct EraInForce {
  int era = -1;
  int eraYear = 0;
  Court court = Court::Both;
  bool operator==(const EraInForce&) const = default;
};

// A 和暦 date as written: era, era year, month number with its 閏 flag, day.
// Before the reform the month is a 旧暦 month, from it a Gregorian one.
struct WarekiDate {
  int era = -1;
  int eraYear = 0;
  int month = 0;
  bool leap = false;
  int day = 0;
  bool operator==(const WarekiDate&) const = default;
};

class EraDays {
 public:
  // JDN of 593-02-09, 1873-01-01 and 2051-12-31.
  static constexpr long firstJdn = 1937689;
  static constexpr long reformJdn = 2405160;
  static constexpr long lastJdn = 2470537;

  // The table's lunisolar dates are read under the table's law; era names
  // follow it (the published spellings, and no 令和, under AsPublished).
  explicit EraDays(const LunisolarTable& table);

  const LunisolarTable& Table() const { return table_; }
  static bool InRange(long jdn) { return jdn >= firstJdn && jdn <= lastJdn; }

  // The eras, in order of their first start day; the reign counts count as
  // eras.  An index outside gives "" / Court::Both / -1.
  int EraCount() const;
  const char* EraName(int era) const;
  static const char* EraReading(int era);
  // The court that counted the era: Both for the eras of one sequence and
  // for 元徳 and 建武, which both courts used.
  static Court EraCourt(int era);
  // The day the era began (its 改元, or 1/1 of a reign's first year).
  long EraStartJdn(int era) const;
  // The era of a name in its standard form or as the law spells it; -1 when
  // there is none.
  int FindEra(const std::string& name) const;

  // The eras in force on a day: one, or two (North first) when the courts
  // count differently; empty outside the range.
  std::vector<EraInForce> ErasOn(long jdn) const;

  // The 和暦 date of a day in the given era count (one of ErasOn(jdn)).
  WarekiDate Wareki(const EraInForce& era, long jdn) const;
  // "令和元年", "平成31年"; "" for no era.
  std::string EraYearText(const EraInForce& era) const;
  // The era years of a day as a title names them: "令和元年", and in
  // 1331..1392 where the courts differ "北朝建武3年・南朝延元元年".
  std::string EraYearsOn(long jdn) const;
  // "天保3年閏11月5日", "令和元年5月1日"; "" for a date with no era.
  std::string WarekiText(const WarekiDate& date) const;

  // The day of a 和暦 date, or -1 when no day is written so: a month or
  // day the year does not have, 閏 where the year has none (or after the
  // reform), an era year the era did not reach, a date before the era began
  // or after the next one, or outside the range.  `message` says which, in
  // one line, when given.
  long FromWareki(const WarekiDate& date, std::string* message = nullptr) const;

  // The year a 和暦 date of this day counts by: its lunisolar year before
  // the reform, its Gregorian year from it.
  int WritingYear(long jdn) const;

 private:
  struct StartRow {
    int era;       // index of the era
    Court court;   // which sequence the row belongs to
    long jdn;      // the start day
  };
  // The era in force on `jdn` in one court's sequence, or -1.
  int EraIndexOn(long jdn, Court court) const;
  int EraYearOn(int era, long jdn) const;
  // The last day an era is in force in either court.
  long LastDayOf(int era) const;
  // The first writing year of an era (year 1).
  int EraFirstYear(int era) const;

  const LunisolarTable& table_;
  CalendarLaw law_;
  std::vector<long> eraStart_;    // by era
  std::vector<StartRow> north_;   // by start day, rows of the northern count
  std::vector<StartRow> south_;   // by start day, rows of the southern count
};
