#pragma once
// The seventeen month-grid view kinds and what each writes into a cell.
//
// Every kind draws the same grid; they differ in the calendar that numbers
// the cells (Gregorian or lunisolar), in the upper text of a day of the
// month (its number, or a holiday or solar-term name in its place) and in
// the lower text of a two-line cell.
#include <span>
#include <string_view>

#include "content/view_kind_table.h"

namespace korvane {

// In the order of the view registry.
enum class GridKind {
  CGDayView,
  CGSeasonView,
  CGHolidayView,
  CGWeek6View,
  CGEtoView,
  CGQDayView,
  CGStar9View,
  CGNormalView,
  CQDayView,
  CQWeek6View,
  CQEtoView,
  CQStar9View,
  CQGDayView,
  CQSeasonView,
  CQHolidayView,
  CQNormalView,
  CGKoyomiView,
};
inline constexpr int kGridKindCount = 17;

// What stands in the upper text of a day of the shown month (leading and
// trailing days always show their number).
enum class UpperText {
  Number,         // the day number
  Holiday,        // the holiday name on holidays, else the number
  Term,           // the solar-term name on term days, else the number
  HolidayOrTerm,  // holiday name, else term name, else the number
};

// The lower text of a two-line cell, written in every cell.
enum class LowerText {
  None,           // one-line cell
  Eto,            // sexagenary day name (干支)
  Rokuyo,         // 六曜
  NineStar,       // 九星
  LunarDate,      // "旧%s/%02d": lunisolar month label and day
  GregorianDate,  // "新%02d/%02d": Gregorian month and day
  Koyomi,         // "先勝 閉": 六曜 and 十二直, then a third line of note marks,
                  // with their legend under the grid
};

// What a month-grid kind writes into its cells; everything else about the
// kind (class name, caption, tip, year range, resource, command) is its
// row in the view kind table.
struct GridKindInfo {
  GridKind kind;
  ViewKind view;
  bool lunisolar;         // cells numbered by the lunisolar calendar
  UpperText upper;
  LowerText lower;

  bool twoLine() const { return lower != LowerText::None; }
  const ViewKindInfo& row() const { return ViewKindInfoOf(view); }
  const char* className() const { return row().className; }
  const char* caption() const { return row().caption; }  // first field of the window title
  int tipNumber() const { return row().tipTopic; }        // written to `onepoint` by 32789
  YearRangeKind rangeKind() const { return row().rangeKind; }
  int resourceId() const { return row().resourceId; }
  int commandId() const { return row().command; }
  // Year/month dialog mode: 0 Gregorian, 1 lunisolar.
  int dialogMode() const { return row().dialogMode; }
};

std::span<const GridKindInfo> AllGridKinds();
const GridKindInfo& GridKindInfoOf(GridKind kind);
// nullptr when no month-grid kind has that class name.
const GridKindInfo* FindGridKind(std::string_view className);
// nullptr when the view kind is not a month grid.
const GridKindInfo* GridKindOfView(ViewKind view);

}  // namespace korvane
