#pragma once
// What a month-grid view shows, computed without a window.
//
// A MonthGridContent is built once per view and owns, by value, the engine
// objects its kind needs (a lunisolar table, the day cycles, the holiday
// calendar, the solar terms).  Page() recomputes the whole month from the
// view's state (year, month, client size, today) at every repaint; nothing
// about a month is kept between calls.
#include <memory>
#include <string>

#include "engine/calendar_law.h"
#include "content/grid/grid_page.h"
#include "content/grid/month_grid_kinds.h"

namespace korvane {

// A Gregorian date given as "today" (year 0: no today).
struct GridToday {
  int year = 0;
  int month = 0;
  int day = 0;
};

class MonthGridContent {
 public:
  // The holidays follow `law` (the program passes the shared CurrentLaw).
  explicit MonthGridContent(GridKind kind, CalendarLaw law = CalendarLaw::AsPublished);
  ~MonthGridContent();
  MonthGridContent(const MonthGridContent&) = delete;
  MonthGridContent& operator=(const MonthGridContent&) = delete;

  const GridKindInfo& info() const { return *info_; }
  CalendarLaw law() const { return law_; }

  // The window title of the month: "%s %d年 %d月", or "%s 旧暦  %d年 %s月"
  // with the lunisolar month label.
  std::string Title(int year, int month) const;

  // The whole page for a client area of width x height pixels.  `month` is
  // 1..12, or the lunisolar month index 1..13 for the lunisolar kinds.
  GridPage Page(int year, int month, int width, int height, const GridToday& today);

  // Months of `year` the kind can show: 12, or 13 in a lunisolar year with
  // a leap month.
  int MonthsInYear(int year) const;
  // The month a lunisolar view takes at creation: index 13 of a year without
  // a leap month becomes 12.  Gregorian months are returned unchanged.
  int CorrectedMonth(int year, int month) const;
  // The month of the kind's calendar that contains the Gregorian date
  // (y, m, d); false when the date has no lunisolar date in the table.
  bool MonthOfDate(int y, int m, int d, int& year, int& month) const;

 private:
  struct Engines;
  struct CellPlan;

  void PlanGregorian(int year, int month, CellPlan& plan) const;
  void PlanLunisolar(int year, int month, CellPlan& plan) const;
  void WalkAttributes(CellPlan& plan, GridPage& page);
  int TodayCell(const CellPlan& plan, const GridToday& today) const;

  const GridKindInfo* info_;
  CalendarLaw law_;
  std::unique_ptr<Engines> engines_;
};

// The colours of the day numbers: CurrentColors for the days of the shown
// month and the header, OtherColors for the days of the neighbouring months.
GridColor CurrentColor(int column);
GridColor OtherColor(int column);

}  // namespace korvane
