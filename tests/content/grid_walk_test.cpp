// Whole-range checks of the month grids: for every month the
// year/month dialog lets a view show, the attributes carried from cell to
// cell equal the attribute of each cell's own date, the cells are the right
// days in the right weekday columns, two consecutive months agree on the
// days they share, and no range message is ever shown.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/holiday_calendar.h"
#include "engine/koyomi_notes.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"
#include "engine/nine_star_cycle.h"
#include "engine/rokuyo_cycle.h"
#include "engine/solar_term_table.h"
#include "content/year_range.h"
#include "content/grid/month_grid_content.h"

namespace korvane {
namespace {

// Independent engine objects that compute every cell on its own.
struct Reference {
  LunisolarTable lunisolar;
  EtoCycle eto;
  RokuyoCycle rokuyo;
  NineStarCycle nineStar;
  HolidayCalendar holidays;
  SolarTermTable terms;
  KoyomiNotes notes;

  std::string Lower(const GridKindInfo& kind, const GridCell& cell) {
    const int gy = cell.gregorianYear, gm = cell.gregorianMonth, gd = cell.gregorianDay;
    switch (kind.lower) {
      case LowerText::None:
        return "";
      case LowerText::Eto:
        return eto.EtoName(CalendarNames::SexagenaryDayIndex(gy, gm, gd));
      case LowerText::Rokuyo: {
        LunisolarDate d = lunisolar.FromGregorian(gy, gm, gd);
        return rokuyo.RokuyoName(lunisolar.RokuyoIndex(d.year, d.month, d.day));
      }
      case LowerText::NineStar:
        return nineStar.StarShortName(nineStar.DayStar(gy, gm, gd).star);
      case LowerText::LunarDate: {
        LunisolarDate d = lunisolar.FromGregorian(gy, gm, gd);
        return Format("旧%s/%02d", lunisolar.MonthLabel(d.year, d.month), d.day);
      }
      case LowerText::GregorianDate:
        return Format("新%02d/%02d", gm, gd);
      case LowerText::Koyomi: {
        LunisolarDate d = lunisolar.FromGregorian(gy, gm, gd);
        const DayNotes n = notes.Notes(gy, gm, gd);
        return std::string(rokuyo.RokuyoName(lunisolar.RokuyoIndex(d.year, d.month, d.day))) +
               (n.valid ? std::string(" ") + KoyomiNotes::ChokuName(n.choku) : "");
      }
    }
    return "?";
  }

  // The upper text of a cell from its own dates; `column` is its weekday.
  std::string Upper(const GridKindInfo& kind, const GridCell& cell, int column) {
    std::string number = std::to_string(kind.lunisolar ? cell.lunarDay : cell.gregorianDay);
    if (cell.otherMonth || kind.upper == UpperText::Number) return number;
    const int gy = cell.gregorianYear, gm = cell.gregorianMonth, gd = cell.gregorianDay;
    if (kind.upper != UpperText::Term) {
      int code = holidays.HolidayCode(gy, gm, gd, column);
      if (code != 0) return holidays.NameOfCode(code);
    }
    if (kind.upper != UpperText::Holiday) {
      int code = terms.TermOn(gy, gm, gd);
      if (code != 0) return terms.TermName(code - SolarTermTable::kTermCodeBase);
    }
    return number;
  }
};

Reference& Ref() {
  static Reference* reference = new Reference;
  return *reference;
}

using DateKey = std::tuple<int, int, int>;

class GridWalk : public ::testing::TestWithParam<GridKind> {};

TEST_P(GridWalk, EveryMonthOfTheRangeEqualsPerCellComputation) {
  MessageRecorder recorder;
  MonthGridContent content(GetParam());
  const GridKindInfo& kind = content.info();
  const YearRange range = YearRangeOf(kind.rangeKind());
  Reference& ref = Ref();

  std::map<DateKey, GridCell> previous;  // the cells of the month before
  int failures = 0;
  for (int year = range.min; year <= range.max && failures < 5; ++year) {
    const int months = content.MonthsInYear(year);
    for (int month = 1; month <= months && failures < 5; ++month) {
      GridPage page = content.Page(year, month, 350, 280, GridToday{});
      std::map<DateKey, GridCell> current;
      const std::string where = Format("%s %d/%d", kind.className(), year, month);
      long previousDay = -1;
      int expectedDay = 1;
      for (int i = 0; i < 42; ++i) {
        const int column = i % 7;
        const GridCell& cell = page.cells[i / 7][column];
        // Consecutive days in their real weekday columns.
        const long dayNumber = static_cast<long>(
            CalendarNames::DayNumber(cell.gregorianYear, cell.gregorianMonth, cell.gregorianDay));
        if (previousDay >= 0 && dayNumber != previousDay + 1) {
          ADD_FAILURE() << where << " cell " << i << " is not the day after the one before";
          ++failures;
        }
        previousDay = dayNumber;
        EXPECT_EQ(CalendarNames::DayOfWeek(cell.gregorianYear, cell.gregorianMonth,
                                           cell.gregorianDay),
                  column)
            << where;
        if (kind.lunisolar) {
          EXPECT_EQ(ref.lunisolar.ToGregorian(cell.lunarYear, cell.lunarMonth, cell.lunarDay),
                    (GregorianDate{cell.gregorianYear, cell.gregorianMonth, cell.gregorianDay}))
              << where << " cell " << i;
        }
        // The month's own days are 1, 2, ... in order.
        if (!cell.otherMonth) {
          const int day = kind.lunisolar ? cell.lunarDay : cell.gregorianDay;
          EXPECT_EQ(day, expectedDay++) << where;
          if (kind.lunisolar) {
            EXPECT_EQ(cell.lunarYear, year);
            EXPECT_EQ(cell.lunarMonth, month);
          } else {
            EXPECT_EQ(cell.gregorianYear, year);
            EXPECT_EQ(cell.gregorianMonth, month);
          }
        }
        const std::string lower = ref.Lower(kind, cell);
        const std::string upper = ref.Upper(kind, cell, column);
        if (cell.lower != lower || cell.upper != upper) {
          ADD_FAILURE() << where << " cell " << i << " (" << cell.gregorianYear << "-"
                        << cell.gregorianMonth << "-" << cell.gregorianDay << "): shows "
                        << cell.upper << "|" << cell.lower << ", its own date gives " << upper
                        << "|" << lower;
          ++failures;
        }
        // A day shared with the month before looks the same there (the
        // number and the lower text; a holiday name only stands in the
        // month's own days).
        DateKey key{cell.gregorianYear, cell.gregorianMonth, cell.gregorianDay};
        auto it = previous.find(key);
        if (it != previous.end()) {
          EXPECT_EQ(it->second.lower, cell.lower) << where << " shared day " << i;
          if (it->second.otherMonth && cell.otherMonth) {
            EXPECT_EQ(it->second.upper, cell.upper);
          }
        }
        current[key] = cell;
      }
      const int daysInMonth = kind.lunisolar ? Ref().lunisolar.MonthDays(year, month)
                                             : CalendarNames::MonthLength(year, month);
      EXPECT_EQ(expectedDay - 1, daysInMonth) << where;
      previous = std::move(current);
    }
  }
  EXPECT_TRUE(recorder.messages().empty())
      << kind.className() << " showed: " << (recorder.messages().empty() ? "" : recorder.messages()[0]);
}

std::string KindName(const ::testing::TestParamInfo<GridKind>& info) {
  return GridKindInfoOf(info.param).className();
}

INSTANTIATE_TEST_SUITE_P(AllKinds, GridWalk,
                         ::testing::Values(GridKind::CGDayView, GridKind::CGSeasonView,
                                           GridKind::CGHolidayView, GridKind::CGWeek6View,
                                           GridKind::CGEtoView, GridKind::CGQDayView,
                                           GridKind::CGStar9View, GridKind::CGNormalView,
                                           GridKind::CQDayView, GridKind::CQWeek6View,
                                           GridKind::CQEtoView, GridKind::CQStar9View,
                                           GridKind::CQGDayView, GridKind::CQSeasonView,
                                           GridKind::CQHolidayView, GridKind::CQNormalView),
                         KindName);

}  // namespace
}  // namespace korvane
