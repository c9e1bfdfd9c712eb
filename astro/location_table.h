#pragma once
// The 87 observing places and the time and coordinate operations that every
// astronomy computation goes through.
//
// Time arguments are a Gregorian date (three ints) and an hour of the day;
// the hour is Universal Time everywhere and dynamical time is taken as equal
// to it (no delta T).  Japan Standard Time is UT + 9 h.  Angles are degrees,
// right ascensions and times hours; radians appear only inside a
// computation.
#include <cstdint>
#include <string>

#include "engine/calendar_names.h"

struct PlaceRecord {
  double longitude = 0.0;  // degrees east
  double latitude = 0.0;   // degrees north
  char name[16] = {};      // UTF-8, NUL-terminated (at most five kanji)
  std::int32_t group = 0;  // 0..8, the region's normal-temperature station
};

// A place to compute the sun's and moon's times for: one of the 87 of the
// table or a place of the user's own.  Times at the place are given in its
// fixed offset from UT (no daylight saving).
struct ObservingPlace {
  std::string name;        // UTF-8
  double latitude = 0.0;   // degrees north, -90..90
  double longitude = 0.0;  // degrees east, -180..180
  double height = 0.0;     // metres above the sea; lowers the horizon
  double utcOffset = 9.0;  // hours, -12..14
  // The normal-temperature group (0..8) for the 87; -1 for a place of the
  // user's own, which has no temperature line.
  int group = -1;

  // Whether the two compute the same times (the name does not matter).
  bool SameSite(const ObservingPlace& other) const {
    return latitude == other.latitude && longitude == other.longitude &&
           height == other.height && utcOffset == other.utcOffset;
  }
};

// The accepted ranges of a place's values, and a one-line reason why a
// place is refused ("" when it is accepted).
inline constexpr double kMaxPlaceHeight = 9000.0;
inline constexpr double kMinUtcOffset = -12.0;
inline constexpr double kMaxUtcOffset = 14.0;
std::string PlaceProblem(const ObservingPlace& place);

// The depression of the visible horizon below the astronomical one for an
// eye `height` metres above the ground around it, degrees (0 at or below 0 m).
double HorizonDip(double height);

class LocationTable {
 public:
  LocationTable();

  static constexpr int kPlaceCount = 87;
  // 東京: the place used when none has been chosen.
  static constexpr int kDefaultPlace = 39;
  static constexpr int kGroupCount = 9;

  static constexpr double pi = 3.141592653589793;
  static constexpr double degree = 0.017453292519943295;  // pi / 180

  // Julian centuries per day and Julian years per day.
  static constexpr double kCenturiesPerDay = 0.000027378507871321012;
  static constexpr double kYearsPerDay = 0.0027378507871321013;

  // --- Places ---------------------------------------------------------
  int PlaceCount() const { return placeCount_; }
  // A copy of the place.  An index outside 0..86 gives the default place
  // (東京), so a damaged setting can never read outside the table.
  PlaceRecord PlaceAt(int index) const;
  // The same as an observing place in Japan Standard Time.
  ObservingPlace Place(int index) const;
  // The place's name; "" for an index outside the table.
  const char* PlaceName(int index) const;
  // The region group's station name ("札幌" .. "那覇"); "" outside 0..8.
  static const char* GroupName(int group);

  // --- Time scales ----------------------------------------------------
  // Days from 2000-01-01 12h (J2000.0).  Day 0 or a day past the month's
  // end and hours outside 0..24 count on linearly.
  double DaysFromJ2000(int year, int month, int day, double hours) const;
  // Days from 1974-12-31 0h (1975 January 0.0).
  double DaysFrom1975(int year, int month, int day, double hours) const;

  // --- Angle conversions ----------------------------------------------
  double DegToRad(double degrees) const { return degrees * degree; }
  double RadToDeg(double radians) const { return radians / degree; }
  double RadToHours(double radians) const { return radians / degree / 15.0; }
  static double DegToHours(double degrees) { return degrees / 15.0; }
  // Whole, minutes and seconds to a decimal value; for hours as well.
  static double DmsToDegrees(int whole, int minutes, double seconds);
  // Seconds of time to hours; more than a day is reduced to the last day.
  static double SecondsToHours(double seconds);

  // --- Sexagesimal splitting for printing -------------------------------
  // Hours to h, m, s; seconds above 59.94 carry into the minute so that
  // "%2.1f" never prints 60.0.  Meant for 0..48 h.
  static void HoursToHms(double hours, int& h, int& m, double& s);
  // Hours to h and minutes rounded to the nearest minute (a half up); the
  // hour is not wrapped, so 23h 59.6m gives 24 00.
  static void HoursToHm(double hours, int& h, int& m);
  // Degrees to d, m, s.  Seconds that print as 60 at `decimals` places
  // carry into the minute; otherwise they are returned unrounded.
  static void DegreesToDms(double degrees, int decimals, int& d, int& m, double& s);

  // Reduces an angle into 0..360.  A negative whole multiple of 360 gives
  // 360.
  double NormalizeDegrees(double degrees) const;

  // --- Sidereal time, nutation, obliquity ---------------------------------
  // T is Julian centuries from J2000.0.
  // Mean sidereal time at 0h UT in hours; not reduced into 0..24.
  double MeanSiderealTime0h(double T) const;
  // Greenwich apparent sidereal time in hours 0..24.  Every caller passes
  // hours 0 (the mean sidereal time formula is for 0h UT).
  double ApparentSiderealTime(int year, int month, int day, double hours) const;
  // Equation of the equinoxes in radians.
  double EquationOfEquinoxes(double T) const;
  // IAU 1980 nutation in longitude and in obliquity, degrees.
  double NutationLongitude(double T) const;
  double NutationObliquity(double T) const;
  // Mean obliquity of the ecliptic, degrees.
  static double MeanObliquity(double T);

  const CalendarNames& calendar() const { return calendar_; }

 private:
  struct FundamentalArguments {
    double l, lp, f, d, om;  // degrees
  };
  FundamentalArguments NutationArguments(double T) const;

  CalendarNames calendar_;
  std::int32_t placeCount_ = 0;
  PlaceRecord places_[kPlaceCount];
};

namespace korvane {

// Days from 0001-01-01 (proleptic Gregorian) to the first day of the month;
// months outside 1..12 carry into the neighbouring years.
long long DaysToMonthStart(int year, int month);

// `PositiveRemainder` for a periodic quantity that may have run through many
// periods: whole periods are taken off first, so the remainder's nudge (a
// hair below a multiple counts as the multiple) stays a hair wide instead of
// growing with the number of periods.
double ReduceIntoPeriod(double value, double period);

}  // namespace korvane
