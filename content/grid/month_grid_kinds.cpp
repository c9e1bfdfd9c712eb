#include "content/grid/month_grid_kinds.h"

namespace korvane {

namespace {

using enum UpperText;
using enum LowerText;

constexpr GridKindInfo kKinds[kGridKindCount] = {
    {GridKind::CGDayView, ViewKind::GDay, false, Number, None},
    {GridKind::CGSeasonView, ViewKind::GSeason, false, Term, None},
    {GridKind::CGHolidayView, ViewKind::GHoliday, false, Holiday, None},
    {GridKind::CGWeek6View, ViewKind::GWeek6, false, Number, Rokuyo},
    {GridKind::CGEtoView, ViewKind::GEto, false, Number, Eto},
    {GridKind::CGQDayView, ViewKind::GQDay, false, Number, LunarDate},
    {GridKind::CGStar9View, ViewKind::GStar9, false, Number, NineStar},
    {GridKind::CGNormalView, ViewKind::GNormal, false, HolidayOrTerm, Rokuyo},
    {GridKind::CQDayView, ViewKind::QDay, true, Number, None},
    {GridKind::CQWeek6View, ViewKind::QWeek6, true, Number, Rokuyo},
    {GridKind::CQEtoView, ViewKind::QEto, true, Number, Eto},
    {GridKind::CQStar9View, ViewKind::QStar9, true, Number, NineStar},
    {GridKind::CQGDayView, ViewKind::QGDay, true, Number, GregorianDate},
    {GridKind::CQSeasonView, ViewKind::QSeason, true, Term, None},
    {GridKind::CQHolidayView, ViewKind::QHoliday, true, Holiday, None},
    {GridKind::CQNormalView, ViewKind::QNormal, true, HolidayOrTerm, Rokuyo},
    {GridKind::CGKoyomiView, ViewKind::GKoyomi, false, Number, Koyomi},
};

}  // namespace

std::span<const GridKindInfo> AllGridKinds() { return kKinds; }

const GridKindInfo& GridKindInfoOf(GridKind kind) { return kKinds[static_cast<int>(kind)]; }

const GridKindInfo* FindGridKind(std::string_view className) {
  for (const GridKindInfo& info : kKinds) {
    if (className == info.className()) return &info;
  }
  return nullptr;
}

const GridKindInfo* GridKindOfView(ViewKind view) {
  for (const GridKindInfo& info : kKinds) {
    if (info.view == view) return &info;
  }
  return nullptr;
}

}  // namespace korvane
