#include "content/lists/age_list_content.h"

#include <string>
#include <vector>

#include "engine/format.h"

namespace korvane {

namespace {

// The unlucky years (厄年), by age in full years.  The texts count the age
// the traditional way (数え年), one more.
struct UnluckyRow {
  int age;
  const char* text;
};
constexpr UnluckyRow kUnluckyYears[] = {
    {17, "女子前厄(18)"}, {18, "女子本厄(19)"}, {19, "女子後厄(20)"},
    {23, "男子前厄(24)"}, {24, "男子本厄(25)"}, {25, "男子後厄(26)"},
    {31, "女子前厄(32)"}, {32, "女子本厄(33)"}, {33, "女子後厄(34)"},
    {35, "女子前厄(36)"}, {36, "女子本厄(37)"}, {37, "女子後厄(38)"},
    {40, "男子前厄(41)"}, {41, "男子本厄(42)"}, {42, "男子後厄(43)"},
    {59, "男子前厄(60)"}, {60, "男子本厄(61)"}, {61, "男子後厄(62)"},
};

}  // namespace

const char* AgeListContent::UnluckyYear(int age) {
  for (const UnluckyRow& row : kUnluckyYears)
    if (row.age == age) return row.text;
  return "";
}

ListState AgeListContent::Clamp(const ListState& shared) const {
  ListState state = shared;
  if (state.todayYear <= 0) state.todayDay = names_.Today(state.todayYear, state.todayMonth);
  return state;
}

ListPage AgeListContent::Page(const ListState& state) {
  ListPage page;
  page.columns = {{"西暦", 5, 0},     {"年号", 7, 0}, {"干支", 13, 0},
                  {"年齢(満)", 9, 0}, {"日数", 9, 0}, {"厄年(数)", 25, 0}};
  page.rows.assign(kRows, std::vector<std::string>(page.columns.size()));
  long long days = 0;
  for (int r = 0; r < kRows; ++r) {
    const int y = state.todayYear - r;
    std::vector<std::string>& row = page.rows[r];
    row[0] = Format("%d", y);
    // Years the era table does not reach (a clock far in the future) keep
    // the cell empty rather than raising the table's range message per row.
    if (y >= LunisolarTable::firstYear && y <= LunisolarTable::lastYear)
      row[1] = Format("%s %2d", table_.EraName(y), table_.EraYear(y));
    // EtoReading reads 60 and above as a year; the cycle repeats every 60
    // years, so an earlier year is moved up by whole cycles.
    int cycleYear = y;
    while (cycleYear < 60) cycleYear += 600;
    row[2] = Format(" %s", eto_.EtoReading(cycleYear));
    row[3] = Format(" %3d", r);
    row[4] = Format(" %6lld", days);
    days += CalendarNames::YearLength(y);
    row[5] = UnluckyYear(r);
  }
  page.title = "年齢早見表";
  return page;
}

}  // namespace korvane
