#include "views/grid/month_grid_kinds.h"

namespace korvane {

namespace {

using enum UpperText;
using enum LowerText;

constexpr GridKindInfo kKinds[kGridKindCount] = {
    {GridKind::CGDayView, "CGDayView", "ｸﾞﾚｺﾞﾘｵ暦", false, Number, None, 2, 0, 131, 32782},
    {GridKind::CGSeasonView, "CGSeasonView", "ｸﾞﾚｺﾞﾘｵ暦／24節気", false, Term, None, 6, 2, 144,
     32791},
    {GridKind::CGHolidayView, "CGHolidayView", "ｸﾞﾚｺﾞﾘｵ暦／祝日", false, Holiday, None, 9, 3, 145,
     32792},
    {GridKind::CGWeek6View, "CGWeek6View", "ｸﾞﾚｺﾞﾘｵ暦／六曜日", false, Number, Rokuyo, 12, 1, 146,
     32794},
    {GridKind::CGEtoView, "CGEtoView", "ｸﾞﾚｺﾞﾘｵ暦／干支", false, Number, Eto, 15, 0, 147, 32795},
    {GridKind::CGQDayView, "CGQDayView", "ｸﾞﾚｺﾞﾘｵ暦／旧暦暦", false, Number, LunarDate, 18, 1, 148,
     32793},
    {GridKind::CGStar9View, "CGStar9View", "ｸﾞﾚｺﾞﾘｵ暦／九星日", false, Number, NineStar, 21, 3, 149,
     32796},
    {GridKind::CGNormalView, "CGNormalView", "ｸﾞﾚｺﾞﾘｵ暦／一般的暦", false, HolidayOrTerm, Rokuyo,
     23, 3, 134, 32797},
    {GridKind::CQDayView, "CQDayView", "旧暦暦", true, Number, None, 24, 1, 148, 32787},
    {GridKind::CQWeek6View, "CQWeek6View", "旧暦暦／六曜日", true, Number, Rokuyo, 26, 1, 146,
     32798},
    {GridKind::CQEtoView, "CQEtoView", "旧暦暦／干支", true, Number, Eto, 28, 1, 147, 32799},
    {GridKind::CQStar9View, "CQStar9View", "旧暦暦／九星日", true, Number, NineStar, 31, 3, 149,
     32800},
    {GridKind::CQGDayView, "CQGDayView", "旧暦暦／ｸﾞﾚｺﾞﾘｵ暦", true, Number, GregorianDate, 34, 1,
     131, 32802},
    {GridKind::CQSeasonView, "CQSeasonView", "旧暦暦／24節気", true, Term, None, 38, 2, 144, 32803},
    {GridKind::CQHolidayView, "CQHolidayView", "旧暦暦／祝日", true, Holiday, None, 39, 3, 145,
     32804},
    {GridKind::CQNormalView, "CQNormalView", "旧暦暦／一般的暦", true, HolidayOrTerm, Rokuyo, 40, 3,
     134, 32801},
};

}  // namespace

std::span<const GridKindInfo> AllGridKinds() { return kKinds; }

const GridKindInfo& GridKindInfoOf(GridKind kind) { return kKinds[static_cast<int>(kind)]; }

const GridKindInfo* FindGridKind(std::string_view className) {
  for (const GridKindInfo& info : kKinds) {
    if (className == info.className) return &info;
  }
  return nullptr;
}

}  // namespace korvane
