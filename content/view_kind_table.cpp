#include "content/view_kind_table.h"

#include "content/command_ids.h"

namespace {

using namespace korvane;
using enum SharedMonth;
using enum YearRangeKind;

// Registration order.  Tip topics of the kinds without one of their own
// are 0: their ワンポイント is the frame's.
constexpr ViewKindInfo kViewKinds[kViewKindCount] = {
    {ViewKind::GDay, "CGDayView", 131, ID_G_DAY, "ｸﾞﾚｺﾞﾘｵ暦(&G)",
     "ｸﾞﾚｺﾞﾘｵ暦を表示します.\nｸﾞﾚｺﾞﾘｵ暦を表示.", "ｸﾞﾚｺﾞﾘｵ暦", Gregorian, DayCount,
     kModeGregorianMonth, 2},
    {ViewKind::GSeason, "CGSeasonView", 144, ID_G_SEASON, "ｸﾞﾚｺﾞﾘｵ暦／24節気(&S)",
     "ｸﾞﾚｺﾞﾘｵ暦に24節気を表示します.\nｸﾞﾚｺﾞﾘｵ暦に24節気を表示.", "ｸﾞﾚｺﾞﾘｵ暦／24節気", Gregorian,
     SolarTerms, kModeGregorianMonth, 6},
    {ViewKind::GHoliday, "CGHolidayView", 145, ID_G_HOLIDAY, "ｸﾞﾚｺﾞﾘｵ暦／祝日(&H)",
     "ｸﾞﾚｺﾞﾘｵ暦に祝日を表示します.\nｸﾞﾚｺﾞﾘｵ暦に祝日を表示.", "ｸﾞﾚｺﾞﾘｵ暦／祝日", Gregorian,
     NineStars, kModeGregorianMonth, 9},
    {ViewKind::GWeek6, "CGWeek6View", 146, ID_G_WEEK6, "ｸﾞﾚｺﾞﾘｵ暦／六曜日(&W)",
     "ｸﾞﾚｺﾞﾘｵ暦に六曜日を表示します.\nｸﾞﾚｺﾞﾘｵに六曜日を表示.", "ｸﾞﾚｺﾞﾘｵ暦／六曜日", Gregorian,
     LunarDate, kModeGregorianMonth, 12},
    {ViewKind::GEto, "CGEtoView", 147, ID_G_ETO, "ｸﾞﾚｺﾞﾘｵ暦／干支(&E)",
     "ｸﾞﾚｺﾞﾘｵ暦に干支を表示します.\nｸﾞﾚｺﾞﾘｵ暦に干支を表示.", "ｸﾞﾚｺﾞﾘｵ暦／干支", Gregorian, DayCount,
     kModeGregorianMonth, 15},
    {ViewKind::GQDay, "CGQDayView", 148, ID_G_QDAY, "ｸﾞﾚｺﾞﾘｵ暦／旧暦(&O)",
     "ｸﾞﾚｺﾞﾘｵ暦に旧暦を表示します.\nｸﾞﾚｺﾞﾘｵ暦に旧暦を表示.", "ｸﾞﾚｺﾞﾘｵ暦／旧暦暦", Gregorian,
     LunarDate, kModeGregorianMonth, 18},
    {ViewKind::GStar9, "CGStar9View", 149, ID_G_STAR9, "ｸﾞﾚｺﾞﾘｵ暦／九星日(&Q)",
     "ｸﾞﾚｺﾞﾘｵ暦に九星を表示します.\nｸﾞﾚｺﾞﾘｵ暦に九星を表示.", "ｸﾞﾚｺﾞﾘｵ暦／九星日", Gregorian,
     NineStars, kModeGregorianMonth, 21},
    {ViewKind::GNormal, "CGNormalView", 134, ID_G_NORMAL, "ｸﾞﾚｺﾞﾘｵ暦／一般的暦(&N)",
     "一般的暦を表示します.\n一般的暦を表示.", "ｸﾞﾚｺﾞﾘｵ暦／一般的暦", Gregorian, NineStars,
     kModeGregorianMonth, 23},
    {ViewKind::QDay, "CQDayView", 148, ID_Q_DAY, "旧暦暦(&O)", "旧暦暦を表示します.\n旧暦暦を表示.",
     "旧暦暦", Lunisolar, LunarDate, kModeLunarMonth, 24},
    {ViewKind::QWeek6, "CQWeek6View", 146, ID_Q_WEEK6, "旧暦暦／六曜日(&W)",
     "旧暦暦に六曜日を表示します.\n旧暦暦に六曜日を表示.", "旧暦暦／六曜日", Lunisolar, LunarDate,
     kModeLunarMonth, 26},
    {ViewKind::QEto, "CQEtoView", 147, ID_Q_ETO, "旧暦暦／干支(&E)",
     "旧暦暦に干支を表示します.\n旧暦暦に干支を表示.", "旧暦暦／干支", Lunisolar, LunarDate,
     kModeLunarMonth, 28},
    {ViewKind::QStar9, "CQStar9View", 149, ID_Q_STAR9, "旧暦暦／九星日(&Q)",
     "旧暦暦に九星を表示します.\n旧暦暦に九星を表示.", "旧暦暦／九星日", Lunisolar, NineStars,
     kModeLunarMonth, 31},
    {ViewKind::QGDay, "CQGDayView", 131, ID_Q_GDAY, "旧暦暦／ｸﾞﾚｺﾞﾘｵ暦(&G)",
     "旧暦暦にｸﾞﾚｺﾞﾘｵ暦を表示します.\n旧暦暦にｸﾞﾚｺﾞﾘｵ暦を表示.", "旧暦暦／ｸﾞﾚｺﾞﾘｵ暦", Lunisolar,
     LunarDate, kModeLunarMonth, 34},
    {ViewKind::QSeason, "CQSeasonView", 144, ID_Q_SEASON, "旧暦暦／24節気(&S)",
     "旧暦暦に24節気を表示します.\n旧暦暦に24節気を表示.", "旧暦暦／24節気", Lunisolar, SolarTerms,
     kModeLunarMonth, 38},
    {ViewKind::QHoliday, "CQHolidayView", 145, ID_Q_HOLIDAY, "旧暦暦／祝日(&H)",
     "旧暦暦に祝日を表示します.\n旧暦暦に祝日を表示.", "旧暦暦／祝日", Lunisolar, NineStars,
     kModeLunarMonth, 39},
    {ViewKind::QNormal, "CQNormalView", 134, ID_Q_NORMAL, "旧暦暦／一般的暦(&N)",
     "旧暦暦に一般的暦を表示します.\n旧暦暦に一般的暦を表示.", "旧暦暦／一般的暦", Lunisolar,
     NineStars, kModeLunarMonth, 40},
    {ViewKind::NOList, "CNOListView", 133, ID_NO_LIST, "西暦/旧暦対照表(&A)",
     "西暦と旧暦の対応表を表示します.\n西暦と旧暦の対応表", "西暦／旧暦対照表", Gregorian, NineStars,
     kModeGregorianMonth, 41},
    {ViewKind::ONList, "CONListView", 136, ID_ON_LIST, "旧暦/西暦対照表(&Q)",
     "旧暦と西暦の対応表を表示します.\n旧暦と西暦の対応表", "旧暦／西暦対照表", Lunisolar, NineStars,
     kModeLunarMonth, 42},
    {ViewKind::N24List, "CN24ListView", 137, ID_N24_LIST, "24節気リスト(&S)",
     "24節気を表示します.\n24節気の表示", "24節気ﾘｽﾄ", Gregorian, SolarTerms, kModeGregorianYear,
     43},
    {ViewKind::HolidayList, "CHolidayListView", 139, ID_HOLIDAY_LIST, "祝日リスト(&H)",
     "祝日(リスト)を表示します.\n祝日(リスト)の表示", "祝日ﾘｽﾄ", Gregorian, SolarTerms,
     kModeGregorianYear, 44},
    {ViewKind::EtoList, "CEtoListView", 140, ID_ETO_LIST, "干支リスト(&E)",
     "干支(リスト)を表示します.\n干支(リスト)の表示", "干支リスト", None, DayCount, kNoDialog, 45},
    {ViewKind::OMList, "COMListView", 142, ID_OM_LIST, "陰陽暦月対照表(&Q)",
     "陰陽暦月対照表を表示します.\n陰陽暦月対照表の表示", "陰陽暦月対照表", Lunisolar, DayCount,
     kModeLunarYear, 46},
    {ViewKind::NengoList, "CNengoListView", 141, ID_NENGO_LIST, "年号リスト(&N)",
     "年号を表示します.\n年号の表示", "年号ﾘｽﾄ", None, DayCount, kNoDialog, 47},
    {ViewKind::SenmeiList, "CSenmeiListView", 143, ID_SENMEI, "宣明暦(&K)",
     "宣明暦を表示します.\n宣明暦の表示", "宣明暦", Lunisolar, Senmyo, kModeLunarYear, 69},
    {ViewKind::WeekList, "CWeekListView", 151, ID_WEEK_LIST, "週の名前ﾘｽﾄ(&W)",
     "週の名前(リスト)を表示します.\n週の名前(リスト)の表示", "週の名前(ﾘｽﾄ)", None, DayCount,
     kNoDialog, 50},
    {ViewKind::Week6List, "CWeek6ListView", 146, ID_WEEK6_LIST, "六曜の名前ﾘｽﾄ(&R)",
     "六曜の名前(リスト)を表示します.\n六曜の名前(リスト)の表示", "六曜の名前(ﾘｽﾄ)", None, DayCount,
     kNoDialog, 51},
    {ViewKind::Star9List, "CStar9ListView", 149, ID_STAR9_LIST, "九星の名前ﾘｽﾄ(&T)",
     "九星の名前(リスト)を表示します.\n九星の名前(リスト)の表示", "九星の名前(ﾘｽﾄ)", None, DayCount,
     kNoDialog, 52},
    {ViewKind::MonthList, "CMonthListView", 152, ID_MONTH_LIST, "月の名前ﾘｽﾄ(&O)",
     "月の名前(リスト)を表示します.\n月の名前(リスト)の表示", "月の名前(ﾘｽﾄ)", None, DayCount,
     kNoDialog, 49},
    {ViewKind::AgeList, "CAgeListView", 153, ID_AGE_LIST, "年齢早見表(&G)",
     "年齢早見表を表示します.\n年齢早見表の表示", "年齢早見表", None, DayCount, kNoDialog, 53},
    {ViewKind::MoonAgeList, "CMoonAgeListView", 154, ID_MOON_AGE_LIST, "月齢(&A)",
     "月齢を表示します.\n月齢の表示", "月齢", Gregorian, NineStars, kModeGregorianMonth, 54},
    {ViewKind::SunTimeList, "CSunTimeListView", 155, ID_SUN_TIME_LIST, "日の出/入時刻(&S)",
     "日の出/入時刻を表示します.\n日の出/入時刻の表示", "日の出／入", Gregorian, Astronomy,
     kModeMonthAndPlace, 56},
    {ViewKind::MoonTimeList, "CMoonTimeListView", 156, ID_MOON_TIME_LIST, "月の出/入時刻(&T)",
     "月の出/入時刻を表示します.\n月の出/入時刻の表示", "月の出／入", Gregorian, Astronomy,
     kModeMonthAndPlace, 57},
    {ViewKind::MoonPhaseList, "CMoonPhaseListView", 157, ID_MOON_PHASE_LIST, "月の位相(&P)",
     "月の位相を表示します.\n月の位相を表示", "月の位相", Gregorian, Astronomy, kModeGregorianMonth,
     58},
    {ViewKind::Annual, "CAnnualView", 158, ID_ANNUAL, "年間予定表(&Y)",
     "年間予定表を表示します.\n年間予定表の表示", "年間予定表", None, DayCount, kNoDialog, 0},
    {ViewKind::MiscSeasonList, "CMiscSeasonList", 160, ID_MISC_SEASON_LIST, "雑節リスト(&C)",
     "雑節を表示します.\n雑節の表示", "雑節リスト", Gregorian, SolarTerms, kModeGregorianYear, 59},
    {ViewKind::GreenwichList, "CGreenwichListView", 159, ID_GREENWICH_LIST, "グリニジ視恒星時(&G)",
     "グリニジ視恒星時を表示します.\nグリニジ視恒星時", "グリニジ視恒星時", Gregorian, Astronomy,
     kModeGregorianYear, 67},
    {ViewKind::BirthdayList, "CBirthdayListView", 159, ID_BIRTHDAY_LIST,
     "誕生石・花の名前リスト(&B)", "誕生石・花の名前(リスト)を表示します.\n誕生石・花の名前(リスト)の表示",
     "誕生石・花一覧", None, DayCount, kNoDialog, 0},
    {ViewKind::GKoyomi, "CGKoyomiView", 134, ID_G_KOYOMI, "暦注ｶﾚﾝﾀﾞｰ(&K)",
     "ｸﾞﾚｺﾞﾘｵ暦に六曜・十二直と暦注の印を表示します.\n暦注ｶﾚﾝﾀﾞｰを表示.", "暦注ｶﾚﾝﾀﾞｰ", Gregorian,
     NineStars, kModeGregorianMonth, 80},
    {ViewKind::KoyomiList, "CKoyomiListView", 139, ID_KOYOMI_LIST, "暦注ﾘｽﾄ(&K)",
     "天赦日・一粒万倍日などの暦注の日を一年分表示します.\n暦注ﾘｽﾄの表示", "暦注ﾘｽﾄ", Gregorian,
     NineStars, kModeGregorianYear, 81},
};

constexpr bool InOrder() {
  for (int i = 0; i < kViewKindCount; ++i) {
    if (static_cast<int>(kViewKinds[i].kind) != i) return false;
  }
  return true;
}
static_assert(InOrder(), "the rows must follow the ViewKind order");

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

const ViewKindInfo* FindViewKind(std::string_view className) {
  for (const ViewKindInfo& info : kViewKinds) {
    if (className == info.className) return &info;
  }
  return nullptr;
}
