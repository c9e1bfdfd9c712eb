#pragma once
// The eras (年号) of the lunisolar table: each era with the first lunisolar
// year that carries it.  A year carries one era as a whole; an era runs until
// the year before the next one begins, the last to the end of the table.
//
// For 1336..1392 the table follows the southern court (延元 .. 元中), and
// 明徳 begins with its year 4 in 1393, the year the two courts were reunited.
//
// As first published the table ends with 平成, carried to 2051 (平成 63).
// Under the current law 令和 follows from 2019: like 大正 (1912) and 平成
// (1989), the lunisolar year of the change carries the new era as a whole.
// The current law also spells every era in its standard form (享保, 寛喜,
// 斉衡, 永万 ...) where the published list has its own spellings (亨保,
// 嘉喜, 斉衛, 永萬 ...); the published rules keep those.
//
// The day an era began, and the eras of the two courts, are the business of
// engine/era_days.h; the years here are the year-level views' one era a year.
#include "engine/calendar_law.h"

class EraNames {
 public:
  static constexpr int eraCount = 238;         // as published: 推古 .. 平成
  static constexpr int currentEraCount = 239;  // current law: .. 令和
  static constexpr int firstYear = 593;   // 推古 1
  static constexpr int lastYear = 2051;   // 平成 63, or 令和 33

  static int Count(CalendarLaw law = CalendarLaw::AsPublished);

  // By era index, 0 = 推古 .. 237 = 平成 (238 = 令和 under the current law).
  // An index outside gives "" / 0.
  static const char* Name(int index, CalendarLaw law = CalendarLaw::AsPublished);
  // The spelling of an era, given in its standard form, under `law`.
  static const char* Spelling(const char* standardName, CalendarLaw law);
  static int FirstYear(int index, CalendarLaw law = CalendarLaw::AsPublished);
  // The era year of the era's first carried year (1, but 4 for 明徳).
  static int FirstEraYear(int index, CalendarLaw law = CalendarLaw::AsPublished);

  // The era index carried by a lunisolar year; -1 outside firstYear..lastYear.
  static int IndexOfYear(int year, CalendarLaw law = CalendarLaw::AsPublished);
  // The era year of a lunisolar year (1 for the era's first year); -1 outside.
  static int EraYearOf(int year, CalendarLaw law = CalendarLaw::AsPublished);
};
