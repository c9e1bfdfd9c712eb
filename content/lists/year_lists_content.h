#pragma once
// The year lists: the holidays of a year (CHolidayListView), its 24 solar
// terms (CN24ListView), seven seasonal days over up to 101 years
// (CMiscSeasonList) and the era names (CNengoListView).  No Qt.
#include "engine/calendar_law.h"
#include "engine/calendar_names.h"
#include "engine/holiday_calendar.h"
#include "engine/lunisolar_table.h"
#include "engine/solar_term_table.h"
#include "content/lists/list_page.h"

namespace korvane {

// 祝日ﾘｽﾄ: one row per holiday of the Gregorian year, in date order, by the
// holiday rules of `law`.
class HolidayListContent : public ListContent {
 public:
  explicit HolidayListContent(CalendarLaw law = CalendarLaw::AsPublished) : holidays_(law) {}
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  CalendarNames calendar_;
  HolidayCalendar holidays_;
};

// 24節気ﾘｽﾄ: the 24 terms of the year in calendar order, 小寒 .. 冬至.
class N24ListContent : public ListContent {
 public:
  // The term days follow `law` (the sun's instants under the current law).
  explicit N24ListContent(CalendarLaw law = CalendarLaw::AsPublished) : terms_(law) {}
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  SolarTermTable terms_;
  CalendarNames calendar_;
};

// 雑節リスト: one row per year from the state's year, up to 101 years and
// never past 2050.
class MiscSeasonListContent : public ListContent {
 public:
  explicit MiscSeasonListContent(CalendarLaw law = CalendarLaw::AsPublished) : terms_(law) {}
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

 private:
  SolarTermTable terms_;
};

// 年号: one row per era, with its first and last year; the era in force
// runs to "..." and counts the current year.  The eras are those of `law`
// (the list ends with 平成 as published, with 令和 under the current law).
class NengoListContent : public ListContent {
 public:
  explicit NengoListContent(CalendarLaw law = CalendarLaw::AsPublished) : lunisolar_(law) {}
  ListState Clamp(const ListState& shared) const override { return shared; }
  ListPage Page(const ListState& state) override;

 private:
  LunisolarTable lunisolar_;
};

}  // namespace korvane
