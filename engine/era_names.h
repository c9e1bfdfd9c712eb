#pragma once
// The eras (年号) of the lunisolar table: each era with the first lunisolar
// year that carries it.  A year carries one era as a whole; an era runs until
// the year before the next one begins, the last to the end of the table.
//
// For 1336..1392 the table follows the southern court (延元 .. 元中), and
// 明徳 begins with its year 4 in 1393, the year the two courts were reunited.

class EraNames {
 public:
  static constexpr int eraCount = 238;
  static constexpr int firstYear = 593;   // 推古 1
  static constexpr int lastYear = 2051;   // 平成 63

  // By era index, 0 = 推古 .. 237 = 平成.  An index outside gives "" / 0.
  static const char* Name(int index);
  static int FirstYear(int index);
  // The era year of the era's first carried year (1, but 4 for 明徳).
  static int FirstEraYear(int index);

  // The era index carried by a lunisolar year; -1 outside firstYear..lastYear.
  static int IndexOfYear(int year);
  // The era year of a lunisolar year (1 for the era's first year); -1 outside.
  static int EraYearOf(int year);
};
