#pragma once
// The moon: apparent ecliptic longitude, latitude and horizontal parallax
// from trigonometric series in Julian years from 1975, right ascension and
// declination; the month computations built on them (the phase events, the
// moon age at 09h and 21h JST, and the tables of moonrise, transit and
// moonset at an observing place).
//
// The month results live in arrays owned by the object and are overwritten
// by the next computation of the same kind; read them through the returned
// pointer before the next call.  The transit table is cached per place and
// month, and the moon's position at each instant asked for is kept for a
// while, so that the transit, rise and set searches of neighbouring days
// compute each position once.
#include <cstdint>
#include <utility>

#include "astro/location_table.h"
#include "astro/sun_ephemeris.h"
#include "engine/calendar_names.h"

// One phase of the moon: the day of the month on which it falls (JST) and
// its text, for example "満月(21 40)".
struct MoonPhaseEvent {
  int day = 0;
  int phase = 0;          // 0 新月, 1 上弦, 2 満月, 3 下弦
  double jstHours = 0.0;  // the instant, JST hours of `day`
  char text[24] = {};
};

// A month's phase events in time order.  Day 0 (the previous month) is never
// listed; an event on the day after the month's end may be, and is not shown.
struct MoonPhaseList {
  static constexpr int kCapacity = 7;
  int count = 0;
  MoonPhaseEvent events[kCapacity];
};

class MoonEphemeris {
 public:
  MoonEphemeris();

  static constexpr double TIME_ZONE_HOURS = 9.0;  // JST - UT
  // Added to a moonrise and taken off a moonset: 30 s of time.
  static constexpr double kRiseSetCorrection = 0.008333333333333333;
  static constexpr double kDayLength = 24.0;
  // Entries of the age arrays (a day past the longest month for MoonAge09)
  // and of the rise, transit and set tables (entry 0 is the previous month's
  // last day; the tables may run one or two entries past the month).
  static constexpr int kAgeEntries = 33;
  static constexpr int kTableEntries = 40;

  // --- Position ---------------------------------------------------------
  // Any hour, negative or above 24, counts into the neighbouring days.
  double MoonLongitude(int year, int month, int day, double hours) const;  // 0..360
  double MoonLatitude(int year, int month, int day, double hours) const;   // degrees
  double MoonParallax(int year, int month, int day, double hours) const;   // degrees
  // Apparent right ascension (hours 0..24) and declination (degrees),
  // geocentric.
  std::pair<double, double> MoonEquatorial(int year, int month, int day, double hours) const;

  // --- Age and phase ----------------------------------------------------
  MoonPhaseList MoonPhaseEvents(int year, int month) const;
  // Ages in days at 0h UT (09h JST) of days 1..n, index day - 1, plus day 1
  // of the next month at index n.
  const double* MoonAge09(int year, int month);
  // Ages at 12h UT (21h JST) of days 1..n, index day - 1.
  const double* MoonAge21(int year, int month);

  // --- Rise, transit and set ----------------------------------------------
  // Half the time the moon spends above the horizon, hours, for latitude
  // `latitude` (degrees) at a date and UT hour; 12 h for a moon up all day,
  // 0 for one down all day.
  double MoonSemiArc(double latitude, int year, int month, int day, double hours) const;

  // Every operation below takes an observing place, or an index of
  // LocationTable for the place in JST.  Their times are hours of the day
  // in the place's UTC offset ("JST" below); "0h UT" means the instant
  // 0h UT shifted by the place's offset less 9 h, which is 09h of the
  // place's day as 0h UT is 09h JST.
  // The transit between 0h UT of the previous day and 0h UT of the date, as
  // JST hours.  status 3 (and result 0) when there is none in that day;
  // status 5 when it falls before 0h JST (the result is then the previous
  // day's JST hour); otherwise status 0.
  double TransitA(const ObservingPlace& place, int year, int month, int day, int& status) const;
  // The transit between 0h UT of the date and of the next day, JST hours
  // 0..24, or NO_EVENT.
  double TransitB(const ObservingPlace& place, int year, int month, int day) const;
  // The transit computed from the motion to the next day.  status 2 when the
  // sidereal time at 0h UT passes 24 h during the day, 1 (NO_EVENT) when the
  // right ascension does, 3 (NO_EVENT) when the transit lies after 0h UT of
  // the next day, otherwise 0.
  double TransitC(const ObservingPlace& place, int year, int month, int day, int& status) const;
  // The first transit looked for on day 1 of a month; status 1 when it came
  // from TransitC, 2 when TransitA put it on the previous day (late in the
  // evening), 3 otherwise.
  double TransitFirst(const ObservingPlace& place, int year, int month, int day, int& status) const;

  // Moonrise and moonset (JST hours) from a transit at UT hour `transitUt`
  // of a date (negative or above 24 allowed).  Rise status 2: the rise falls
  // after midnight while the right ascension at 0h UT is below 12 h and has
  // not passed 24 h between the rise and the transit; otherwise 0.  Set
  // status 0/1: the same day (1 when the right ascension at 0h UT is 12 h or
  // more); after midnight 2 under the rise's condition, else 3; 4: before
  // midnight of the date.
  double MoonriseFrom(const ObservingPlace& place, double transitUt, int year, int month, int day,
                      int& status) const;
  double MoonsetFrom(const ObservingPlace& place, double transitUt, int year, int month, int day,
                     int& status) const;

  // JST hours of each day, entry i for day i (1..n), entry 0 for the
  // previous month's last day and entry n + 1 for the next month's first;
  // NO_EVENT where the day has none.  The rise and set tables are built
  // from the transit table of the same place and month.
  const double* MoonTransitTable(const ObservingPlace& place, int year, int month);
  const double* MoonriseTable(const ObservingPlace& place, int year, int month);
  const double* MoonsetTable(const ObservingPlace& place, int year, int month);

  double TransitA(int place, int year, int month, int day, int& status) const {
    return TransitA(places_.Place(place), year, month, day, status);
  }
  double TransitB(int place, int year, int month, int day) const {
    return TransitB(places_.Place(place), year, month, day);
  }
  double TransitC(int place, int year, int month, int day, int& status) const {
    return TransitC(places_.Place(place), year, month, day, status);
  }
  double TransitFirst(int place, int year, int month, int day, int& status) const {
    return TransitFirst(places_.Place(place), year, month, day, status);
  }
  double MoonriseFrom(int place, double transitUt, int year, int month, int day,
                      int& status) const {
    return MoonriseFrom(places_.Place(place), transitUt, year, month, day, status);
  }
  double MoonsetFrom(int place, double transitUt, int year, int month, int day,
                     int& status) const {
    return MoonsetFrom(places_.Place(place), transitUt, year, month, day, status);
  }
  const double* MoonTransitTable(int place, int year, int month) {
    return MoonTransitTable(places_.Place(place), year, month);
  }
  const double* MoonriseTable(int place, int year, int month) {
    return MoonriseTable(places_.Place(place), year, month);
  }
  const double* MoonsetTable(int place, int year, int month) {
    return MoonsetTable(places_.Place(place), year, month);
  }

  // How many entries the last computation of each table wrote (entries
  // 0 .. extent - 1), for checking that no month runs past kTableEntries.
  int TransitTableExtent() const { return transitExtent_; }
  int MoonriseTableExtent() const { return riseExtent_; }
  int MoonsetTableExtent() const { return setExtent_; }
  // How many transit tables have been computed (not taken from the cache).
  int TransitTableComputations() const { return transitComputations_; }

  // The sun's rise, transit and set, as SunEphemeris gives them.
  template <typename Place>
  double SunTransit(const Place& place, int year, int month, int day) const {
    return sun_.SunTransit(place, year, month, day);
  }
  template <typename Place>
  double SunSemiArc(const Place& place, int year, int month, int day) const {
    return sun_.SunSemiArc(place, year, month, day);
  }
  template <typename Place>
  double Sunrise(const Place& place, int year, int month, int day) const {
    return sun_.Sunrise(place, year, month, day);
  }
  template <typename Place>
  double Sunset(const Place& place, int year, int month, int day) const {
    return sun_.Sunset(place, year, month, day);
  }

  const LocationTable& places() const { return places_; }
  const SunEphemeris& sun() const { return sun_; }

 private:
  struct Position {
    double alpha = 0.0, delta = 0.0, parallax = 0.0;
  };
  // The apparent position and parallax at an instant, from the cache when
  // the same instant was asked for lately; the same numbers either way.
  Position PositionAt(int year, int month, int day, double hours) const;
  Position ComputePosition(int year, int month, int day, double hours) const;
  // Greenwich apparent sidereal time at 0h UT of a date, through the cache.
  double SiderealTime0h(int year, int month, int day) const;

  double JulianYears(int year, int month, int day, double hours) const;
  double Elongation(int year, int month, int day, double hours) const;
  // The UT hour at which the place's day is sampled: 0 for JST.
  static double SampleHour(const ObservingPlace& place) {
    return TIME_ZONE_HOURS - place.utcOffset;
  }
  // The place's longitude in hours as a place in JST would have it.
  static double LongitudeHours(const ObservingPlace& place);
  // The right ascension and the sidereal time at that hour of a date.
  double RightAscension0h(const ObservingPlace& place, int year, int month, int day) const;
  double SiderealTimeAtSample(const ObservingPlace& place, int year, int month,
                              int day) const;
  // The semi-arc with the place's horizon (dip included), or one of the two
  // markers when the moon does not cross it that day.
  static constexpr double kDownAllDay = -1.0;
  static constexpr double kUpAllDay = -2.0;
  double SemiArcAt(const ObservingPlace& place, int year, int month, int day,
                   double hours) const;
  double TransitTime(const ObservingPlace& place, int year, int month, int day) const;
  // The right ascensions (hours) that the rise and set statuses look at: at
  // 0h UT of the date, at the transit and at the estimated rise or set.
  struct RiseSetAscensions {
    double atZeroUt = 0.0, atTransit = 0.0, atEvent = 0.0;
  };
  // JST hour of the rise (rise = true) or set from a transit at UT hour
  // `transitUt` of a date, counted from 0h JST of that date (below 0 or
  // above 24 when it falls on a neighbouring day).
  // NO_EVENT when the moon stays above or below the horizon at the transit.
  double RiseOrSetHour(const ObservingPlace& place, double transitUt, int year, int month,
                       int day, bool rise, RiseSetAscensions& alpha) const;
  // The same, the correction step repeated until it settles (for places
  // beyond kSingleStepLatitude).
  double SettledRiseOrSetHour(const ObservingPlace& place, double transitUt, int year,
                              int month, int day, bool rise, RiseSetAscensions& alpha) const;
  void FillRiseSetTable(const ObservingPlace& place, int year, int month, bool rise,
                        double* table);

  CalendarNames calendar_;
  LocationTable places_;
  SunEphemeris sun_;
  int cachedYear_ = 0;
  int cachedMonth_ = 0;
  ObservingPlace cachedPlace_;
  bool cacheValid_ = false;

  // Direct-mapped: a month's tables ask for about 200 instants, most of
  // them several times; a slot taken by another instant is just recomputed.
  static constexpr int kPositionSlots = 512;
  struct PositionSlot {
    long long day = 0;
    double hours = 0.0;
    bool valid = false;
    Position position;
  };
  struct SiderealSlot {
    long long day = 0;
    bool valid = false;
    double hours = 0.0;
  };
  static constexpr int kSiderealSlots = 64;
  mutable PositionSlot positions_[kPositionSlots];
  mutable SiderealSlot sidereal_[kSiderealSlots];

  double age09_[kAgeEntries] = {};
  double age21_[kAgeEntries] = {};
  double transit_[kTableEntries] = {};
  double rise_[kTableEntries] = {};
  double set_[kTableEntries] = {};
  int transitExtent_ = 0;
  int riseExtent_ = 0;
  int setExtent_ = 0;
  int transitComputations_ = 0;
};
