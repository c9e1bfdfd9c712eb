#pragma once
// The 39 view kinds, one row each, in the order their document templates
// are registered.
//
// A row holds every fixed fact of a kind that more than one part of the
// program reads: the class name, the resource id (menu and icon), the
// command that opens it with its menu text and prompt, the caption its
// opening name starts with, the shared display month it starts from, the
// year range and mode of its year/month dialog and its tip topic.  The
// shell's registry, the menus, the icons and korvane-print read these rows;
// adding a kind is filling in its row and writing its content class.  No Qt.
#include <span>
#include <string_view>

#include "content/year_range.h"

enum class ViewKind {
  GDay,            // CGDayView
  GSeason,         // CGSeasonView
  GHoliday,        // CGHolidayView
  GWeek6,          // CGWeek6View
  GEto,            // CGEtoView
  GQDay,           // CGQDayView
  GStar9,          // CGStar9View
  GNormal,         // CGNormalView
  QDay,            // CQDayView
  QWeek6,          // CQWeek6View
  QEto,            // CQEtoView
  QStar9,          // CQStar9View
  QGDay,           // CQGDayView
  QSeason,         // CQSeasonView
  QHoliday,        // CQHolidayView
  QNormal,         // CQNormalView
  NOList,          // CNOListView
  ONList,          // CONListView
  N24List,         // CN24ListView
  HolidayList,     // CHolidayListView
  EtoList,         // CEtoListView
  OMList,          // COMListView
  NengoList,       // CNengoListView
  SenmeiList,      // CSenmeiListView
  WeekList,        // CWeekListView
  Week6List,       // CWeek6ListView
  Star9List,       // CStar9ListView
  MonthList,       // CMonthListView
  AgeList,         // CAgeListView
  MoonAgeList,     // CMoonAgeListView
  SunTimeList,     // CSunTimeListView
  MoonTimeList,    // CMoonTimeListView
  MoonPhaseList,   // CMoonPhaseListView
  Annual,          // CAnnualView
  MiscSeasonList,  // CMiscSeasonList
  GreenwichList,   // CGreenwichListView
  BirthdayList,    // CBirthdayListView
  GKoyomi,         // CGKoyomiView
  KoyomiList,      // CKoyomiListView
};

constexpr int kViewKindCount = 39;

// Which shared display month a new view of the kind starts from.
enum class SharedMonth {
  None,       // the kind shows no chosen month or year
  Gregorian,  // DisplayMonth
  Lunisolar,  // LunarDisplayMonth
};

struct ViewKindInfo {
  ViewKind kind;
  const char* className;
  int resourceId;          // menu and icon; kinds that share one share both
  int command;             // the command that opens the kind
  const char* menuText;    // the command's menu item
  const char* prompt;      // the command's status line, "\n", tool tip
  const char* caption;     // the first field of the name the command opens it under
  SharedMonth shared;
  korvane::YearRangeKind rangeKind;  // years its dialog offers (when it has one)
  int dialogMode;          // korvane::YearMonthMode; kNoDialog: no 月の設定
  int tipTopic;            // written to `onepoint` by its ワンポイント; 0: none of its own

  bool HasDialog() const { return dialogMode != korvane::kNoDialog; }
};

// All kinds in registration order; entry i has kind == ViewKind(i).
std::span<const ViewKindInfo> ViewKinds();
const ViewKindInfo& ViewKindInfoOf(ViewKind kind);
// The kind that `command` opens, or nullptr.
const ViewKindInfo* ViewKindOfCommand(int command);
// The kind with that class name ("CNOListView"), or nullptr.
const ViewKindInfo* FindViewKind(std::string_view className);
