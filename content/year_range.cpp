#include "content/year_range.h"

namespace korvane {

YearRange YearRangeOf(YearRangeKind kind) {
  switch (kind) {
    // January 594 is the first month whose leading days (December 593) all
    // have a lunisolar date and a sexagenary day index; December 2050 is the
    // last whose trailing days (January 2051) do, and lunisolar 2050's last
    // month is the last whose following month lies in the table.
    case YearRangeKind::DayCount:
    case YearRangeKind::LunarDate:
      return {594, 2050};
    // The solar-term formula covers 1851..2051; a lunisolar month of 2050
    // ends in 2051 at the latest.
    case YearRangeKind::SolarTerms:
      return {1851, 2050};
    // The nine-star day of a December 1852 leading day needs the terms of
    // 1851, and 1853..2050 keeps the conversion tables' own clamp.
    case YearRangeKind::NineStars:
      return {1853, 2050};
    // The astronomy tables are computed and checked for these years.
    case YearRangeKind::Astronomy:
      return {1975, 2050};
    // The Senmyo calendar's reconstructed years.
    case YearRangeKind::Senmyo:
      return {862, 1684};
  }
  return {594, 2050};
}

YearRange YearRangeOfKind(int rangeKind) {
  if (rangeKind < 0 || rangeKind > static_cast<int>(YearRangeKind::Senmyo))
    return YearRangeOf(YearRangeKind::DayCount);
  return YearRangeOf(static_cast<YearRangeKind>(rangeKind));
}

}  // namespace korvane
