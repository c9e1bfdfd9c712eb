#include "shell/opening_names.h"

#include <algorithm>

#include "astro/location_table.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "shell/display_state.h"

namespace korvane {
namespace {

// Longest name the title buffer takes, in display columns (the buffer held
// 127 bytes of Shift-JIS text).
constexpr int kTitleColumns = 127;

const LunisolarTable& Lunisolar() {
  static const LunisolarTable table;
  return table;
}

const LocationTable& Places() {
  static const LocationTable table;
  return table;
}

void Clamp(int& year, int first, int last) { year = std::clamp(year, first, last); }

// "旧暦／西暦対照表 旧暦  2024年(令和 6年 甲辰) 閏 6月".
std::string LunarTableName() {
  Clamp(LunarDisplayMonth.year, 1853, 2050);
  const int year = LunarDisplayMonth.year;
  const LunisolarTable& table = Lunisolar();
  // A month index 13 belongs to a leap year only; in another year the list
  // shows its last month, so the name does too.
  const int months = table.HasLeapMonth(year) ? 13 : 12;
  const int position = std::clamp(LunarDisplayMonth.month, 1, months);
  const EtoCycle eto;
  // The era name is copied before MonthLabel reuses the table's buffer.
  const std::string era = table.EraName(year);
  const int eraYear = table.EraYear(year);
  const std::string label = table.MonthLabel(year, position);
  return Format("%s 旧暦  %d年(%s %d年 %s) %s月", "旧暦／西暦対照表", year, era.c_str(), eraYear,
                eto.EtoName(year), label.c_str());
}

std::string Name(int command) {
  switch (command) {
    // Gregorian month grids.
    case 32782: return "ｸﾞﾚｺﾞﾘｵ暦";
    case 32791: return "ｸﾞﾚｺﾞﾘｵ暦／24節気";
    case 32792: return "ｸﾞﾚｺﾞﾘｵ暦／祝日";
    case 32794: return "ｸﾞﾚｺﾞﾘｵ暦／六曜日";
    case 32795: return "ｸﾞﾚｺﾞﾘｵ暦／干支";
    case 32796: return "ｸﾞﾚｺﾞﾘｵ暦／九星日";
    case 32793: return "ｸﾞﾚｺﾞﾘｵ暦／旧暦暦";
    case 32797: return "ｸﾞﾚｺﾞﾘｵ暦／一般的暦";
    // Lunisolar month grids.
    case 32787: return "旧暦暦";
    case 32803: return "旧暦暦／24節気";
    case 32804: return "旧暦暦／祝日";
    case 32798: return "旧暦暦／六曜日";
    case 32799: return "旧暦暦／干支";
    case 32800: return "旧暦暦／九星日";
    case 32802: return "旧暦暦／ｸﾞﾚｺﾞﾘｵ暦";
    case 32801: return "旧暦暦／一般的暦";
    // Lists.
    case 32772:
      Clamp(DisplayMonth.year, 1853, 2050);
      return Format("%s %d年 %d月", "西暦／旧暦対照表", DisplayMonth.year, DisplayMonth.month);
    case 32774:
      return LunarTableName();
    case 32775:
      Clamp(DisplayMonth.year, 1851, 2050);
      return Format("%s %d年", "24節気ﾘｽﾄ", DisplayMonth.year);
    case 32784:
      Clamp(DisplayMonth.year, 1851, 2050);
      return Format("%s %d年", "祝日ﾘｽﾄ", DisplayMonth.year);
    case 32779:
      Clamp(LunarDisplayMonth.year, 593, 2050);
      return Format("%s 旧暦 %d～", "陰陽暦月対照表", LunarDisplayMonth.year);
    case 32786: return "干支リスト";
    case 32778: return "年号ﾘｽﾄ";
    case 32806: return "週の名前(ﾘｽﾄ)";
    case 32807: return "月の名前(ﾘｽﾄ)";
    case 32808: return "六曜の名前(ﾘｽﾄ)";
    case 32809: return "九星の名前(ﾘｽﾄ)";
    case 32810: return "年齢早見表";
    case 32813:
      return Format("%s (%d年%d月)", "月齢", DisplayMonth.year, DisplayMonth.month);
    case 32814:
      return Format("%s %s(%d年%d月)", "日の出／入", Places().PlaceName(AreaCode), DisplayMonth.year,
                    DisplayMonth.month);
    case 32815:
      return Format("%s %s(%d年%d月)", "月の出／入", Places().PlaceName(AreaCode), DisplayMonth.year,
                    DisplayMonth.month);
    case 32816:
      return Format("%s (%d年%d月)", "月の位相", DisplayMonth.year, DisplayMonth.month);
    // This exact name makes the document load the schedule file.
    case 32818: return "年間予定表";
    case 32819:
      return Format("%s 西暦 %d～", "雑節リスト", DisplayMonth.year);
    case 32822:
      return Format("%s 西暦 %d", "グリニジ視恒星時", DisplayMonth.year);
    case 32852: return "誕生石・花一覧";
    default: return {};
  }
}

}  // namespace

std::string OpeningName(int command) {
  return std::string(TruncateToWidth(Name(command), kTitleColumns));
}

}  // namespace korvane
