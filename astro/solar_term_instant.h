#pragma once
// The instant of a solar term: when the sun's apparent longitude reaches the
// term's angle (270 degrees for the winter solstice, 15 more per term), in
// Japan Standard Time, searched near the day the term formula gives.
//
// The engine's current-law term days are a table made from these instants
// (tools/gen_solar_term_instants); a whole-range test keeps the two equal.
#include "astro/sun_ephemeris.h"

struct SolarTermInstant {
  int year = 0;
  int month = 0;
  int day = 0;
  double hours = 0;  // JST hours into `day`, 0 <= hours < 24
};

// Hours from 0h JST of (year, month, day) to the moment the sun's apparent
// longitude reaches `longitude` degrees, searched within two days either way.
double HoursToSunLongitude(const SunEphemeris& sun, int year, int month, int day, double longitude);

// The longitude of term `termIndex` (0 = 冬至 .. 23 = 大雪), degrees.
double SolarTermLongitude(int termIndex);

// The JST instant of term `termIndex` of `year` (index order and year as in
// SolarTermTable; 1851..2051).  All zero outside that range.
SolarTermInstant FindSolarTermInstant(const SunEphemeris& sun, int year, int termIndex);

// (year, month, day) moved by `days` (a few days either way).
void StepGregorianDays(int& year, int& month, int& day, int days);
