#include "content/lists/conversion_tables_content.h"

#include <algorithm>
#include <string>

#include "engine/format.h"
#include "content/year_range.h"

namespace korvane {
namespace {

// Both day tables compute their years in full with the nine-star range
// (nine stars need the solar terms of the year before).
YearRange DayTableYears() { return YearRangeOf(YearRangeKind::NineStars); }
// The month table starts at the lunisolar table's first year and ends with
// the day tables.
constexpr int kFirstMonthTableYear = 593;
// A month table shows at most this many years after its first.
constexpr int kMonthTableSpan = 100;

std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

}  // namespace

NineStarColumn::NineStarColumn(const NineStarCycle& cycle, int year, int month, int day)
    : cycle_(cycle), run_(cycle.DayStar(year, month, day)) {}

const char* NineStarColumn::Next(int year, int month, int day) {
  if (run_.daysToSwitch <= 0) run_ = cycle_.DayStar(year, month, day);
  int& s = run_.star;
  if (s < 0 || s > 8) s = run_.direction > 0 ? 0 : 8;
  const char* name = cycle_.StarShortName(s);
  s += run_.direction;
  --run_.daysToSwitch;
  return name;
}

// ---------------------------------------------------------------------------
// 西暦／旧暦対照表

ListState NOListContent::Clamp(const ListState& shared) const {
  ListState state = shared;
  state.year = DayTableYears().Clamp(state.year);
  state.month = std::clamp(state.month, 1, 12);
  return state;
}

ListPage NOListContent::Page(const ListState& state) {
  const int year = state.year;
  const int month = state.month;
  ListPage page;
  page.columns = {{"日", 3},   {"曜日", 5}, {"年号", 5}, {"年", 3},   {"干支", 5},
                  {"月", 5},   {"日", 3},   {"六曜", 5}, {"干支", 5}, {"九星", 5}};
  enum { kDay, kWeekday, kEra, kEraYear, kYearEto, kMonth, kLunarDay, kRokuyo, kDayEto, kStar };
  const int days = CalendarNames::MonthLength(year, month);
  page.rows.assign(days, std::vector<std::string>(page.columns.size()));

  // The lunisolar year's names and the month label, on the first row of a
  // lunisolar month in the list.
  auto writeMonth = [&](std::vector<std::string>& row, const LunisolarDate& date) {
    row[kEra] = Text(lunisolar_.EraName(date.year));
    row[kEraYear] = Format("%d", lunisolar_.EraYear(date.year));
    row[kYearEto] = Text(eto_.EtoName(date.year));
    row[kMonth] = Text(lunisolar_.MonthLabel(date.year, date.month));
  };
  auto writeDay = [&](std::vector<std::string>& row, int y, int p, int d) {
    row[kLunarDay] = Format("%d", d);
    row[kRokuyo] = Text(rokuyo_.RokuyoName(lunisolar_.RokuyoIndex(y, p, d)));
  };

  // Row 0: the full lunisolar date of the 1st.
  const LunisolarDate first = lunisolar_.FromGregorian(year, month, 1);
  writeMonth(page.rows[0], first);
  writeDay(page.rows[0], first.year, first.month, first.day);
  // The rest of the lunisolar month that holds the 2nd, with days and 六曜
  // only; the month is named again on the row where the next one begins.
  const LunisolarDate second = lunisolar_.FromGregorian(year, month, 2);
  const int length = lunisolar_.MonthDays(second.year, second.month);
  const int last = std::min(length - second.day + 1, days - 1);
  for (int r = 1; r <= last; ++r) writeDay(page.rows[r], second.year, second.month, second.day + r - 1);
  if (last + 1 < days) {
    const LunisolarDate next = lunisolar_.FromGregorian(year, month, last + 2);
    writeMonth(page.rows[last + 1], next);
    for (int r = last + 1; r < days; ++r)
      writeDay(page.rows[r], next.year, next.month, next.day + r - (last + 1));
  }

  // Every row: the Gregorian day, its weekday, its 干支 and its star.
  const int firstWeekday = CalendarNames::DayOfWeek(year, month, 1);
  const int firstEto = CalendarNames::SexagenaryDayIndex(year, month, 1);
  NineStarColumn stars(nineStar_, year, month, 1);
  for (int r = 0; r < days; ++r) {
    std::vector<std::string>& row = page.rows[r];
    row[kDay] = Format("%2d", r + 1);
    row[kWeekday] = Text(calendar_.WeekdayKanji((firstWeekday + r) % 7));
    row[kDayEto] = Text(eto_.EtoName((firstEto + r) % EtoCycle::kCount));
    row[kStar] = Text(stars.Next(year, month, r + 1));
  }
  page.title = Format("%s %d年 %d月", "西暦／旧暦対照表", year, month);
  return page;
}

// ---------------------------------------------------------------------------
// 旧暦／西暦対照表

ListState ONListContent::Clamp(const ListState& shared) const {
  ListState state = shared;
  state.year = DayTableYears().Clamp(state.year);
  // A month position 13 exists in a leap year only; elsewhere the last month.
  const int months = lunisolar_.HasLeapMonth(state.year) ? 13 : 12;
  state.month = std::clamp(state.month, 1, months);
  return state;
}

ListPage ONListContent::Page(const ListState& state) {
  const int year = state.year;
  const int position = state.month;
  ListPage page;
  page.columns = {{"日", 4},   {"六曜", 6}, {"干支", 6}, {"九星", 6},
                  {"西暦", 6}, {"月", 4},   {"日", 4},   {"曜日", 6}};
  enum { kDay, kRokuyo, kEto, kStar, kYear, kMonth, kGregorianDay, kWeekday };
  const int days = std::max(lunisolar_.MonthDays(year, position), 0);
  page.rows.assign(days, std::vector<std::string>(page.columns.size()));

  const GregorianDate start = lunisolar_.ToGregorian(year, position, 1);
  const int firstEto = lunisolar_.LunarSexagenaryDayIndex(year, position, 1);
  const int firstWeekday = CalendarNames::DayOfWeek(start.year, start.month, start.day);
  NineStarColumn stars(nineStar_, start.year, start.month, start.day);
  // The Gregorian date walks along day by day, so a lunisolar month that
  // crosses two Gregorian month ends (a 30-day month from January 31 of a
  // common year ends on March 1) is named right on every row.
  GregorianDate g = start;
  for (int r = 0; r < days; ++r) {
    std::vector<std::string>& row = page.rows[r];
    row[kDay] = Format("%2d", r + 1);
    row[kRokuyo] = Text(rokuyo_.RokuyoName(lunisolar_.RokuyoIndex(year, position, r + 1)));
    row[kEto] = Text(eto_.EtoName((firstEto + r) % EtoCycle::kCount));
    row[kStar] = Text(stars.Next(g.year, g.month, g.day));
    if (r == 0 || g.day == 1) {
      row[kYear] = Format("%d", g.year);
      row[kMonth] = Format("%d", g.month);
    }
    row[kGregorianDay] = Format("%d", g.day);
    row[kWeekday] = Text(calendar_.WeekdayKanji((firstWeekday + r) % 7));
    if (++g.day > CalendarNames::MonthLength(g.year, g.month)) {
      g.day = 1;
      if (++g.month > 12) g.month = 1, ++g.year;
    }
  }
  // The era name is copied before MonthLabel reuses the table's buffer.
  const std::string era = Text(lunisolar_.EraName(year));
  const std::string label = Text(lunisolar_.MonthLabel(year, position));
  page.title = Format("%s 旧暦  %d年(%s %d年 %s) %s月", "旧暦／西暦対照表", year, era.c_str(),
                      lunisolar_.EraYear(year), eto_.EtoName(year), label.c_str());
  return page;
}

// ---------------------------------------------------------------------------
// 陰陽暦月対照表

ListState OMListContent::Clamp(const ListState& shared) const {
  ListState state = shared;
  state.year = std::clamp(state.year, kFirstMonthTableYear, DayTableYears().max);
  return state;
}

ListPage OMListContent::Page(const ListState& state) {
  const int first = state.year;
  ListPage page;
  page.columns = {{"年号", 8}, {"年", 4}, {"干支", 6}, {"年日数", 6},
                  {"西暦", 6}, {"月", 4}, {"日", 4}};
  for (int j = 1; j <= 13; ++j) page.columns.push_back({Format("%d", j), 5});
  const int count = std::min(first + kMonthTableSpan, DayTableYears().max) - first + 1;
  page.rows.reserve(count);
  for (int y = first; y < first + count; ++y) {
    std::vector<std::string> row;
    row.reserve(page.columns.size());
    const GregorianDate newYear = lunisolar_.ToGregorian(y, 1, 1);
    row.push_back(Text(lunisolar_.EraName(y)));
    row.push_back(Format("%d", lunisolar_.EraYear(y)));
    row.push_back(Text(eto_.EtoName(y)));
    row.push_back(Format("%d", lunisolar_.YearDays(y)));
    row.push_back(Format(CalendarNames::FebruaryLength(y) == 29 ? "%d閏" : "%d", newYear.year));
    row.push_back(Format("%d", newYear.month));
    row.push_back(Format("%d", newYear.day));
    const bool leap = lunisolar_.HasLeapMonth(y) != 0;
    for (int j = 1; j <= 13; ++j)
      row.push_back(j == 13 && !leap ? std::string() : Text(lunisolar_.MonthSizeLabel(y, j)));
    page.rows.push_back(std::move(row));
  }
  page.title = Format("%s 旧暦 %d～", "陰陽暦月対照表", first);
  return page;
}

}  // namespace korvane
