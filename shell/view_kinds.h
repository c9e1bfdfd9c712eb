#pragma once
// The registry of the 37 view kinds, in the order their document templates
// are registered.
//
// One row per kind: the ViewKind, the view class's name, the resource id
// that names the kind's menu and icon, the main-frame command that opens it
// (0 for none) and the factory that makes a view of the kind.  A kind whose
// factory is still null is registered all the same, but its opening command
// stays disabled.  A view kind goes live with one edit in view_kinds.cpp:
//
//   #include "views/grid/cg_day_view.h"
//   {ViewKind::GDay, "CGDayView", 131, 32782, &MakeView<CGDayView>},
//
// The main frame opens a kind with CKorvaneApp::Template(kind), which
// makes the view through this factory.
#include <span>

class CView;

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
};

constexpr int kViewKindCount = 37;

using ViewFactory = CView* (*)();

struct ViewKindInfo {
  ViewKind kind;
  const char* className;
  int resourceId;
  int command;          // 0: no command opens it
  ViewFactory factory;  // nullptr: not built yet
};

// All kinds in registration order; entry i has kind == ViewKind(i).
std::span<const ViewKindInfo> ViewKinds();
const ViewKindInfo& ViewKindInfoOf(ViewKind kind);
// The kind that `command` opens, or nullptr.
const ViewKindInfo* ViewKindOfCommand(int command);
