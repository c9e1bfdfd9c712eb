#pragma once
// The conversion tables: the days of a Gregorian month with their
// lunisolar dates (CNOListView), the days of a lunisolar month with their
// Gregorian dates (CONListView), and a century of lunisolar years with the
// size of every month (COMListView).  The era names in them follow the rules
// each content is made with.  No Qt.
#include "engine/calendar_law.h"
#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/lunisolar_table.h"
#include "engine/nine_star_cycle.h"
#include "engine/rokuyo_cycle.h"
#include "content/lists/list_page.h"

namespace korvane {

// 西暦／旧暦対照表: one row per day of Gregorian (year, month).
class NOListContent : public ListContent {
 public:
  explicit NOListContent(CalendarLaw law = CalendarLaw::AsPublished) : lunisolar_(law), nineStar_(law) {}
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  CalendarNames calendar_;
  LunisolarTable lunisolar_;
  RokuyoCycle rokuyo_;
  EtoCycle eto_;
  NineStarCycle nineStar_;
};

// 旧暦／西暦対照表: one row per day of lunisolar (year, month position).
class ONListContent : public ListContent {
 public:
  explicit ONListContent(CalendarLaw law = CalendarLaw::AsPublished) : lunisolar_(law), nineStar_(law) {}
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  CalendarNames calendar_;
  LunisolarTable lunisolar_;
  RokuyoCycle rokuyo_;
  EtoCycle eto_;
  NineStarCycle nineStar_;
};

// 陰陽暦月対照表: one row per lunisolar year from the state's year, up to
// 101 years and never past 2050.
class OMListContent : public ListContent {
 public:
  explicit OMListContent(CalendarLaw law = CalendarLaw::AsPublished) : lunisolar_(law) {}
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  CalendarNames calendar_;
  LunisolarTable lunisolar_;
  EtoCycle eto_;
};

// The nine-star column of both day tables: the star of each day of a run of
// consecutive days, asking the engine again only when a run ends.
class NineStarColumn {
 public:
  NineStarColumn(const NineStarCycle& cycle, int year, int month, int day);
  // The star name of the next day; (year, month, day) is that day, asked
  // when the current run has ended.
  const char* Next(int year, int month, int day);

 private:
  const NineStarCycle& cycle_;
  NineStarDay run_;
};

}  // namespace korvane
