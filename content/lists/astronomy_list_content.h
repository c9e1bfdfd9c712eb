#pragma once
// The five tables of the astronomy hall: Greenwich sidereal time through a
// year, the moon age, the moon's phases, moonrise/transit/moonset and
// sunrise/transit/sunset through a month.
//
// Each content owns its ephemerides by value.  The tables are computed for
// the years the series were built and checked for; a view opening on a year
// outside them shows the nearest year it covers.
#include "astro/location_table.h"
#include "astro/moon_ephemeris.h"
#include "astro/sun_ephemeris.h"
#include "content/lists/list_page.h"
#include "content/year_range.h"

namespace korvane {

// "グリニジ視恒星時": the apparent sidereal time at 0h UT of every day of a
// year, one column per month, one row per day of month.
class GreenwichListContent final : public ListContent {
 public:
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  LocationTable places_;
};

// "月齢": the sun's and moon's longitudes at 0h UT and the moon age at 09h
// and 21h JST of every day of a month.  Unlike the other tables it reaches
// back to 1853: its ages (and the two longitudes beside them) stay within a
// few minutes of a full modern ephemeris there, as closely as inside the
// series' own years 1975..2050.
class MoonAgeListContent final : public ListContent {
 public:
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  MoonEphemeris moon_;
};

// "月の位相": the longitudes, their difference, and the phase events of a
// month on their days.
class MoonPhaseListContent final : public ListContent {
 public:
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  MoonEphemeris moon_;
};

// "月の出／入": the moon's place, parallax, rise, transit and set at an
// observing place for every day of a month.
class MoonTimeListContent final : public ListContent {
 public:
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  MoonEphemeris moon_;
};

// "日の出／入": the sun's place, the equation of time, sunrise, transit and
// sunset at an observing place for every day of a month.
class SunTimeListContent final : public ListContent {
 public:
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  SunEphemeris sun_;
};

}  // namespace korvane
