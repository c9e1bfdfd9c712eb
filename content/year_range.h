#pragma once
// The years a view can show, and the modes of the year/month dialog.
//
// Every view kind with a year/month dialog names one range kind; the dialog
// offers exactly its years, and a view clamps the shared display year into
// them when it opens, so no view ever asks its engine objects for a year
// they do not cover (see the "Year ranges" section of README.md).  No Qt.
namespace korvane {

// The numbers are the range kinds' traditional numbers (0..5).
enum class YearRangeKind : int {
  // 594..2050: plain and 干支 grids, the lunisolar month table.
  DayCount = 0,
  // 594..2050: grids that need the lunisolar date of every cell.
  LunarDate = 1,
  // 1851..2050: solar terms, holidays and 雑節 by year.
  SolarTerms = 2,
  // 1853..2050: holidays and nine stars in grids, the conversion tables.
  NineStars = 3,
  // 1975..2050: astronomy tables.
  Astronomy = 4,
  // 862..1684: the Senmyo calendar.
  Senmyo = 5,
};

struct YearRange {
  int min = 0;
  int max = 0;
  bool Contains(int year) const { return min <= year && year <= max; }
  int Clamp(int year) const { return year < min ? min : year > max ? max : year; }
};

YearRange YearRangeOf(YearRangeKind kind);

// The years the shared display state may hold (the lunisolar table's
// 593..2051); a view clamps them further into its own range.
constexpr int kFirstDisplayYear = 593;
constexpr int kLastDisplayYear = 2051;
// The same by number; an unknown number gets the range of kind 0.
YearRange YearRangeOfKind(int rangeKind);

// The year/month dialog's view modes.
enum YearMonthMode {
  kNoDialog = -1,           // the view has no 月の設定
  kModeGregorianMonth = 0,  // year and month
  kModeLunarMonth = 1,      // year and lunisolar month index (13 with a leap month)
  kModeGregorianYear = 10,  // year only
  kModeLunarYear = 11,      // year only, lunisolar
  kModeMonthAndPlace = 20,  // year, month and observing place
};

}  // namespace korvane
