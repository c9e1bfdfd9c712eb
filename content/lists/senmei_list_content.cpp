#include "content/lists/senmei_list_content.h"

#include <algorithm>

#include "engine/format.h"

namespace korvane {

ListState SenmeiListContent::Clamp(const ListState& shared) const {
  ListState state = shared;
  state.year = std::clamp(shared.year, SenmyoCalendar::firstYear, SenmyoCalendar::lastYear);
  return state;
}

ListPage SenmeiListContent::Page(const ListState& state) {
  const int year = Clamp(state).year;
  ListPage page;
  page.columns = {{"月", 6}, {"大/小", 7}, {"干支", 6}, {"定朔", 9},
                  {"ﾕﾘｳｽ暦", 12}, {"中気", 14}, {"節気", 14}};
  senmyo_.Compute(year);
  auto termText = [&](int term) {
    if (term < 0) return std::string();
    const SenmyoTime& t = senmyo_.Term(term);
    return Format("%s  %.2d  %.4d", terms_.TermName(term % 24), t.daiyo, t.shoyo);
  };
  for (int i = 0; i < senmyo_.RowCount(); ++i) {
    const int code = senmyo_.MonthCode(i);
    const SenmyoTime& moon = senmyo_.TrueNewMoon(i);
    int y = 0, m = 0, d = 0;
    senmyo_.NewMoonDate(i, y, m, d);
    page.rows.push_back({
        code > 100 ? Format("閏%d", code - 100) : Format("%d", code),
        senmyo_.MonthDays(i) == 30 ? "大" : "小",
        eto_.EtoName(moon.daiyo),
        Format(" %.2d  %.4d", moon.daiyo, moon.shoyo),
        Format("%4d %.2d %.2d", y, m, d),
        termText(senmyo_.MonthTerm(i)),
        termText(senmyo_.MonthSekki(i)),
    });
  }
  page.title = Format("%s 旧暦 %d年", "宣明暦", year);
  return page;
}

}  // namespace korvane
