#include "content/lists/year_lists_content.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/format.h"
#include "content/year_range.h"

namespace korvane {
namespace {

// The solar-term formula covers 1851..2051; the solar-term range's 2050
// keeps every list inside the years its dialog offers.
YearRange TermYears() { return YearRangeOf(YearRangeKind::SolarTerms); }
// The seasonal-day list shows at most this many years after its first.
constexpr int kSeasonListSpan = 100;
// The era walk covers the years whose era names are fixed.
constexpr int kFirstEraYear = 593;
constexpr int kLastEraYear = 2019;

ListState ClampToTermYears(const ListState& shared) {
  ListState state = shared;
  state.year = TermYears().Clamp(state.year);
  return state;
}

}  // namespace

// ---------------------------------------------------------------------------
// 祝日ﾘｽﾄ

ListState HolidayListContent::Clamp(const ListState& shared) const {
  return ClampToTermYears(shared);
}

ListPage HolidayListContent::Page(const ListState& state) {
  const int year = state.year;
  ListPage page;
  page.columns = {{"月", 4}, {"日", 4}, {"曜日", 6}, {"祝日名", 12}};
  for (int m = 1; m <= 12; ++m) {
    int weekday = CalendarNames::DayOfWeek(year, m, 1);
    const int days = CalendarNames::MonthLength(year, m);
    for (int d = 1; d <= days; ++d, weekday = (weekday + 1) % 7) {
      const int code = holidays_.HolidayCode(year, m, d, weekday);
      if (code == 0) continue;
      page.rows.push_back({Format("%d", m), Format("%d", d), calendar_.WeekdayKanji(weekday),
                           holidays_.NameOfCode(code)});
    }
  }
  page.title = Format("%s %d年", "祝日ﾘｽﾄ", year);
  return page;
}

// ---------------------------------------------------------------------------
// 24節気ﾘｽﾄ

ListState N24ListContent::Clamp(const ListState& shared) const { return ClampToTermYears(shared); }

ListPage N24ListContent::Page(const ListState& state) {
  const int year = state.year;
  ListPage page;
  page.columns = {{"節気", 6}, {"月", 4}, {"日", 4}, {"曜日", 6}};
  // Term 0 is the winter solstice at the end of the year, so the list
  // starts at 小寒 and ends with 冬至.
  for (int r = 0; r < SolarTermTable::kTermCount; ++r) {
    const int term = r < SolarTermTable::kTermCount - 1 ? r + 1 : SolarTermTable::kWinterSolstice;
    int month = 0;
    int weekday = 0;
    const int day = terms_.TermDate(year, term, month, weekday);
    page.rows.push_back({terms_.TermName(term), Format("%d", month), Format("%d", day),
                         calendar_.WeekdayKanji(weekday)});
  }
  page.title = Format("%s %d年", "24節気ﾘｽﾄ", year);
  return page;
}

// ---------------------------------------------------------------------------
// 雑節リスト

ListState MiscSeasonListContent::Clamp(const ListState& shared) const {
  return ClampToTermYears(shared);
}

ListPage MiscSeasonListContent::Page(const ListState& state) {
  const int first = state.year;
  ListPage page;
  page.columns = {{"西暦", 5},     {"節分", 5},     {"社日", 5},     {"彼岸の入", 8},
                  {"八十八夜", 8}, {"二百十日", 8}, {"彼岸の入", 8}, {"社日", 5}};
  const int count = std::min(first + kSeasonListSpan, TermYears().max) - first + 1;
  for (int y = first; y < first + count; ++y) {
    const auto day = [&](int code) { return terms_.ZassetsuDay(y, code); };
    const int nihyakutoka = day(SolarTermTable::kNihyakutoka);
    // 二百十日 falls on September 1 or 2, or on August 31, which the
    // engine gives as day 31.
    page.rows.push_back({
        Format("%d", y),
        Format(" 2.%2d", day(SolarTermTable::kSetsubun)),
        Format(" %d.%2d", 3, day(SolarTermTable::kSpringShanichi)),
        Format(" %d.%2d", 3, day(SolarTermTable::kSpringHigan)),
        Format(" 5.%2d", day(SolarTermTable::kHachijuhachiya)),
        Format(nihyakutoka <= 30 ? " 9.%2d" : " 8.%2d", nihyakutoka),
        Format(" %d.%2d", 9, day(SolarTermTable::kAutumnHigan)),
        Format(" %d.%2d", 9, day(SolarTermTable::kAutumnShanichi)),
    });
  }
  page.title = Format("%s 西暦 %d～", "雑節リスト", first);
  return page;
}

// ---------------------------------------------------------------------------
// 年号

ListPage NengoListContent::Page(const ListState& state) {
  ListPage page;
  page.columns = {{"年号", 8}, {"年から", 6}, {"年まで", 6}, {"年間", 6}};
  std::string name = lunisolar_.EraName(kFirstEraYear);
  int start = kFirstEraYear;
  for (int y = kFirstEraYear; y <= kLastEraYear; ++y) {
    const char* current = lunisolar_.EraName(y);
    if (std::strcmp(current, name.c_str()) == 0) continue;
    page.rows.push_back({name, Format("%d", start), Format("%d", y - 1), Format("%d", y - start)});
    name = current;
    start = y;
  }
  // The era in force counts the current year itself.
  page.rows.push_back({name, Format("%d", start), "...", Format("%d", state.todayYear - start + 1)});
  page.title = Format("%s", "年号");
  return page;
}

}  // namespace korvane
