#pragma once
// The sun: apparent ecliptic longitude from a short periodic series in Julian
// years from 1975, right ascension and declination and the equation of time
// at 0h UT of a date, and the times of sunrise, transit and sunset at an
// observing place.
//
// Each day's position and equation of time are kept for a while once
// computed, so that a month's rise, transit and set (which ask for each of
// them several times) compute them once; the numbers are the same.
#include <utility>

#include "astro/location_table.h"
#include "engine/calendar_names.h"

// The marker of a day on which the body does not rise, transit or set (and
// of a sun that stays above or below the horizon all day).
inline constexpr double NO_EVENT = 99.0;

// Up to this latitude (the table's places reach 45.4 deg) a rise or set
// comes from one step from the transit; beyond it the step is repeated
// until it settles.
inline constexpr double kSingleStepLatitude = 46.0;

namespace korvane {
// cos of the hour angle at which a body at declination `dec` reaches zenith
// distance `z` seen from latitude `lat` (radians); above 1 it never gets
// that high, below -1 it never gets that low.
double HourAngleCosineUnclamped(double z, double dec, double lat);
}  // namespace korvane

class SunEphemeris {
 public:
  SunEphemeris() = default;

  // Apparent ecliptic longitude, degrees 0..360, at a date and UT hour.
  double SunLongitude(int year, int month, int day, double hours) const;
  // Apparent right ascension (hours 0..24) and declination (degrees) at 0h UT.
  std::pair<double, double> SunEquatorial(int year, int month, int day) const;
  // Apparent minus mean solar time at 0h UT, hours.
  double EquationOfTime(int year, int month, int day) const;

  // Times at a place, hours of the day in the place's UTC offset (JST for
  // an index of LocationTable).
  double SunTransit(const ObservingPlace& place, int year, int month, int day) const;
  // Half the time the sun's upper limb spends above the refracted horizon
  // (the centre at zenith distance 90 deg 51', lowered by the dip of a
  // place above the ground); 12 h for a sun up all day, 0 for one down all
  // day.
  double SunSemiArc(const ObservingPlace& place, int year, int month, int day) const;
  // NO_EVENT when the sun stays up or down all day.
  double Sunrise(const ObservingPlace& place, int year, int month, int day) const;
  double Sunset(const ObservingPlace& place, int year, int month, int day) const;

  double SunTransit(int place, int year, int month, int day) const {
    return SunTransit(places_.Place(place), year, month, day);
  }
  double SunSemiArc(int place, int year, int month, int day) const {
    return SunSemiArc(places_.Place(place), year, month, day);
  }
  double Sunrise(int place, int year, int month, int day) const {
    return Sunrise(places_.Place(place), year, month, day);
  }
  double Sunset(int place, int year, int month, int day) const {
    return Sunset(places_.Place(place), year, month, day);
  }

  const LocationTable& places() const { return places_; }

 private:
  struct SunDay {
    std::pair<double, double> equatorial;
    double equationOfTime = 0.0;
  };
  const SunDay& DayAt(int year, int month, int day) const;
  std::pair<double, double> ComputeEquatorial(int year, int month, int day) const;
  double ComputeEquationOfTime(int year, int month, int day, double alpha) const;
  // cos of the semi-arc's hour angle with the declination at `hours` of the
  // place's day, unclamped: above 1 the sun stays down all day, below -1 it
  // stays up.
  double SemiArcCosine(const ObservingPlace& place, int year, int month, int day,
                       double hours) const;
  // Sunrise (sign -1) or sunset (+1).
  double RiseOrSet(const ObservingPlace& place, int year, int month, int day,
                   double sign) const;

  CalendarNames calendar_;
  LocationTable places_;
  struct SunDaySlot {
    long long day = 0;
    bool valid = false;
    SunDay value;
  };
  static constexpr int kDaySlots = 64;
  mutable SunDaySlot days_[kDaySlots];
};
