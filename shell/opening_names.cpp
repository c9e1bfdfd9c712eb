#include "shell/opening_names.h"

#include <algorithm>

#include "astro/location_table.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "state/display_state.h"
#include "content/view_kind_table.h"

namespace korvane {
namespace {

// Longest name the title buffer takes, in display columns (the buffer held
// 127 bytes of Shift-JIS text).
constexpr int kTitleColumns = 127;

// The era in a name follows the rules the views follow.
const LunisolarTable& Lunisolar() {
  static const LunisolarTable published(CalendarLaw::AsPublished);
  static const LunisolarTable current(CalendarLaw::Current);
  return CurrentLaw == CalendarLaw::Current ? current : published;
}

const LocationTable& Places() {
  static const LocationTable table;
  return table;
}

void Clamp(int& year, int first, int last) { year = std::clamp(year, first, last); }

// "旧暦／西暦対照表 旧暦  2024年(令和 6年 甲辰) 閏 6月".
std::string LunarTableName(const char* caption) {
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
  return Format("%s 旧暦  %d年(%s %d年 %s) %s月", caption, year, era.c_str(), eraYear,
                eto.EtoName(year), label.c_str());
}

std::string Name(const ViewKindInfo& info) {
  const char* caption = info.caption;
  switch (info.kind) {
    case ViewKind::NOList:
      Clamp(DisplayMonth.year, 1853, 2050);
      return Format("%s %d年 %d月", caption, DisplayMonth.year, DisplayMonth.month);
    case ViewKind::ONList:
      return LunarTableName(caption);
    case ViewKind::N24List:
    case ViewKind::HolidayList:
      Clamp(DisplayMonth.year, 1851, 2050);
      return Format("%s %d年", caption, DisplayMonth.year);
    case ViewKind::OMList:
      Clamp(LunarDisplayMonth.year, 593, 2050);
      return Format("%s 旧暦 %d～", caption, LunarDisplayMonth.year);
    case ViewKind::MoonAgeList:
    case ViewKind::MoonPhaseList:
      return Format("%s (%d年%d月)", caption, DisplayMonth.year, DisplayMonth.month);
    case ViewKind::SunTimeList:
    case ViewKind::MoonTimeList:
      return Format("%s %s(%d年%d月)", caption, Places().PlaceName(AreaCode), DisplayMonth.year,
                    DisplayMonth.month);
    case ViewKind::MiscSeasonList:
      return Format("%s 西暦 %d～", caption, DisplayMonth.year);
    case ViewKind::GreenwichList:
      return Format("%s 西暦 %d", caption, DisplayMonth.year);
    case ViewKind::SenmeiList: {
      // The Senmyo calendar's years; the shared year itself is left alone,
      // so the next lunisolar view still opens where the user was.
      const int year = std::clamp(LunarDisplayMonth.year, 862, 1684);
      return Format("%s 旧暦 %d年", caption, year);
    }
    // The month grids and the name lists open under their caption alone;
    // the annual schedule's exact name makes the document load its file.
    default:
      return caption;
  }
}

}  // namespace

std::string OpeningName(int command) {
  const ViewKindInfo* info = ViewKindOfCommand(command);
  if (!info) return {};
  return std::string(TruncateToWidth(Name(*info), kTitleColumns));
}

}  // namespace korvane
