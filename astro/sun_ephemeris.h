#pragma once
// The sun: apparent ecliptic longitude from a short periodic series in Julian
// years from 1975, right ascension and declination and the equation of time
// at 0h UT of a date, and the times of sunrise, transit and sunset at one of
// the observing places.
//
// Every call computes afresh; the object never changes after construction.
#include <utility>

#include "astro/location_table.h"
#include "engine/calendar_names.h"

class SunEphemeris {
 public:
  SunEphemeris() = default;

  // Apparent ecliptic longitude, degrees 0..360, at a date and UT hour.
  double SunLongitude(int year, int month, int day, double hours) const;
  // Apparent right ascension (hours 0..24) and declination (degrees) at 0h UT.
  std::pair<double, double> SunEquatorial(int year, int month, int day) const;
  // Apparent minus mean solar time at 0h UT, hours.
  double EquationOfTime(int year, int month, int day) const;

  // Times at place `place` (an index of LocationTable), JST hours.
  double SunTransit(int place, int year, int month, int day) const;
  // Half the time the sun's centre spends above the refracted horizon
  // (zenith distance 90 deg 51'), hours.
  double SunSemiArc(int place, int year, int month, int day) const;
  double Sunrise(int place, int year, int month, int day) const;
  double Sunset(int place, int year, int month, int day) const;

  const LocationTable& places() const { return places_; }

 private:
  CalendarNames calendar_;
  LocationTable places_;
};
