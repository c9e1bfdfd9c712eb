#include "content/lists/koyomi_list_content.h"

#include "engine/calendar_names.h"
#include "engine/format.h"
#include "engine/rokuyo_cycle.h"
#include "content/year_range.h"

namespace korvane {

DayNoteSet KoyomiListContent::DefaultChoice() {
  DayNoteSet set;
  set.Add(DayNote::Tenshanichi);
  set.Add(DayNote::Ichiryumanbai);
  return set;
}

ListState KoyomiListContent::Clamp(const ListState& shared) const {
  ListState state = shared;
  state.year = YearRangeOf(YearRangeKind::NineStars).Clamp(state.year);
  return state;
}

std::string KoyomiListContent::Title(int year) const {
  std::string what;
  if (choice_ == KoyomiNotes::LuckyNotes()) {
    what = "吉日";
  } else if (choice_ == KoyomiNotes::UnluckyNotes()) {
    what = "凶日";
  } else {
    int shown = 0;
    for (int i = 0; i < DayNoteSet::kCount; ++i) {
      const DayNote note = static_cast<DayNote>(i);
      if (!choice_.Has(note)) continue;
      if (++shown > 3) {
        what += "ほか";
        break;
      }
      if (!what.empty()) what += "・";
      what += KoyomiNotes::NoteName(note);
    }
  }
  return Format("%s %d年 %s", "暦注ﾘｽﾄ", year, what.c_str());
}

ListPage KoyomiListContent::Page(const ListState& state) {
  const int year = state.year;
  const RokuyoCycle rokuyo;
  ListPage page;
  page.columns = {{"月", 4},     {"日", 4},     {"曜日", 6},    {"六曜", 6},
                  {"十二直", 6}, {"二十八宿", 8}, {"暦注", 40}};
  if (KoyomiNotes::InRange(year, 1, 1)) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= CalendarNames::MonthLength(year, m); ++d) {
        const AlmanacDay day = almanac_.Day(year, m, d);
        const DayNoteSet chosen = day.notes.notes & choice_;
        if (chosen.Empty()) continue;
        page.rows.push_back({Format("%d", m), Format("%d", d), almanac_.Lunar().WeekdayKanji(day.weekday),
                             rokuyo.RokuyoName(day.rokuyo), KoyomiNotes::ChokuName(day.notes.choku),
                             KoyomiNotes::Shuku28Name(day.notes.shuku28), chosen.Join("・")});
      }
    }
  }
  page.title = Title(year);
  return page;
}

}  // namespace korvane
