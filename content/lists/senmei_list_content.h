#pragma once
// The Senmyo calendar's months of one year as a table: month, size, the
// sexagenary name of the new moon's day, the true new moon, its Gregorian
// date, the month's 中気 and its 節気.
#include "engine/eto_cycle.h"
#include "engine/senmyo_calendar.h"
#include "engine/solar_term_table.h"
#include "content/lists/list_page.h"

namespace korvane {

class SenmeiListContent : public ListContent {
 public:
  // The year is a lunisolar year, limited to the calendar's years.
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  SenmyoCalendar senmyo_;
  EtoCycle eto_;
  SolarTermTable terms_;
};

}  // namespace korvane
