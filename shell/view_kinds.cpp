#include "shell/view_kinds.h"

#include "framework/view.h"
#include "views/grid/month_grid_views.h"

namespace {

// Registration order; the resource id names the kind's menu and icon, and
// kinds that share one show the same menu and icon.
constexpr ViewKindInfo kViewKinds[kViewKindCount] = {
    {ViewKind::GDay, "CGDayView", 131, 32782, &MakeView<CGDayView>},
    {ViewKind::GSeason, "CGSeasonView", 144, 32791, &MakeView<CGSeasonView>},
    {ViewKind::GHoliday, "CGHolidayView", 145, 32792, &MakeView<CGHolidayView>},
    {ViewKind::GWeek6, "CGWeek6View", 146, 32794, &MakeView<CGWeek6View>},
    {ViewKind::GEto, "CGEtoView", 147, 32795, &MakeView<CGEtoView>},
    {ViewKind::GQDay, "CGQDayView", 148, 32793, &MakeView<CGQDayView>},
    {ViewKind::GStar9, "CGStar9View", 149, 32796, &MakeView<CGStar9View>},
    {ViewKind::GNormal, "CGNormalView", 134, 32797, &MakeView<CGNormalView>},
    {ViewKind::QDay, "CQDayView", 148, 32787, &MakeView<CQDayView>},
    {ViewKind::QWeek6, "CQWeek6View", 146, 32798, &MakeView<CQWeek6View>},
    {ViewKind::QEto, "CQEtoView", 147, 32799, &MakeView<CQEtoView>},
    {ViewKind::QStar9, "CQStar9View", 149, 32800, &MakeView<CQStar9View>},
    {ViewKind::QGDay, "CQGDayView", 131, 32802, &MakeView<CQGDayView>},
    {ViewKind::QSeason, "CQSeasonView", 144, 32803, &MakeView<CQSeasonView>},
    {ViewKind::QHoliday, "CQHolidayView", 145, 32804, &MakeView<CQHolidayView>},
    {ViewKind::QNormal, "CQNormalView", 134, 32801, &MakeView<CQNormalView>},
    {ViewKind::NOList, "CNOListView", 133, 32772, nullptr},
    {ViewKind::ONList, "CONListView", 136, 32774, nullptr},
    {ViewKind::N24List, "CN24ListView", 137, 32775, nullptr},
    {ViewKind::HolidayList, "CHolidayListView", 139, 32784, nullptr},
    {ViewKind::EtoList, "CEtoListView", 140, 32786, nullptr},
    {ViewKind::OMList, "COMListView", 142, 32779, nullptr},
    {ViewKind::NengoList, "CNengoListView", 141, 32778, nullptr},
    {ViewKind::SenmeiList, "CSenmeiListView", 143, 0, nullptr},
    {ViewKind::WeekList, "CWeekListView", 151, 32806, nullptr},
    {ViewKind::Week6List, "CWeek6ListView", 146, 32808, nullptr},
    {ViewKind::Star9List, "CStar9ListView", 149, 32809, nullptr},
    {ViewKind::MonthList, "CMonthListView", 152, 32807, nullptr},
    {ViewKind::AgeList, "CAgeListView", 153, 32810, nullptr},
    {ViewKind::MoonAgeList, "CMoonAgeListView", 154, 32813, nullptr},
    {ViewKind::SunTimeList, "CSunTimeListView", 155, 32814, nullptr},
    {ViewKind::MoonTimeList, "CMoonTimeListView", 156, 32815, nullptr},
    {ViewKind::MoonPhaseList, "CMoonPhaseListView", 157, 32816, nullptr},
    {ViewKind::Annual, "CAnnualView", 158, 32818, nullptr},
    {ViewKind::MiscSeasonList, "CMiscSeasonList", 160, 32819, nullptr},
    {ViewKind::GreenwichList, "CGreenwichListView", 159, 32822, nullptr},
    {ViewKind::BirthdayList, "CBirthdayListView", 159, 32852, nullptr},
};

constexpr bool InOrder() {
  for (int i = 0; i < kViewKindCount; ++i) {
    if (static_cast<int>(kViewKinds[i].kind) != i) return false;
  }
  return true;
}
static_assert(InOrder(), "the registry rows must follow the ViewKind order");

}  // namespace

std::span<const ViewKindInfo> ViewKinds() { return kViewKinds; }

const ViewKindInfo& ViewKindInfoOf(ViewKind kind) { return kViewKinds[static_cast<int>(kind)]; }

const ViewKindInfo* ViewKindOfCommand(int command) {
  if (command == 0) return nullptr;
  for (const ViewKindInfo& info : kViewKinds) {
    if (info.command == command) return &info;
  }
  return nullptr;
}
