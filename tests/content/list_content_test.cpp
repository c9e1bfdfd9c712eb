// The list contents without a window: every built list kind over the
// shared values a user can start it from, the day tables against the
// engine's own conversions over their whole range, and the year lists'
// rows, formats and clamps.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/holiday_calendar.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"
#include "engine/nine_star_cycle.h"
#include "engine/rokuyo_cycle.h"
#include "content/lists/list_kinds.h"

namespace korvane {
namespace {

ListPage PageOf(ViewKind kind, int year, int month = 1, int todayYear = 2024,
                CalendarLaw law = CalendarLaw::AsPublished) {
  auto content = MakeListContent(kind, law);
  ListState shared;
  shared.year = year;
  shared.month = month;
  shared.todayYear = todayYear;
  shared.todayMonth = 5;
  shared.todayDay = 15;
  return content->Page(content->Clamp(shared));
}

// Every built list kind, started from any shared value the settings can
// hold, clamps into years it computes: no range message, a title, every
// row as wide as the header.
TEST(ListContents, EveryKindFillsFromAnySharedValueWithoutAMessage) {
  int kinds = 0;
  for (const ViewKindInfo& info : ViewKinds()) {
    auto content = MakeListContent(info.kind);
    if (!content) continue;
    ++kinds;
    for (int year : {kFirstDisplayYear, 1700, 1852, 1975, 2024, 2050, kLastDisplayYear}) {
      for (int month : {1, 12, 13}) {
        MessageRecorder recorder;
        ListState shared{year, month, 39, 2024, 5, 15};
        const ListState state = content->Clamp(shared);
        const ListPage page = content->Page(state);
        const std::string where = Format("%s %d/%d", info.className, year, month);
        EXPECT_TRUE(recorder.messages().empty()) << where << ": " << recorder.messages()[0];
        EXPECT_FALSE(page.title.empty()) << where;
        ASSERT_FALSE(page.columns.empty()) << where;
        for (const ListColumn& column : page.columns) EXPECT_GT(column.widthChars, 0) << where;
        for (const auto& row : page.rows) ASSERT_EQ(row.size(), page.columns.size()) << where;
        // Clamping is idempotent: the view's state is a state it keeps.
        const ListState again = content->Clamp(state);
        EXPECT_EQ(again.year, state.year) << where;
        EXPECT_EQ(again.month, state.month) << where;
      }
    }
  }
  EXPECT_GE(kinds, 7);
}

TEST(ListContents, SharedYearsOutsideAListsRangeOpenAtItsEnds) {
  EXPECT_EQ(PageOf(ViewKind::NOList, 1700, 4).title, "西暦／旧暦対照表 1853年 4月");
  EXPECT_EQ(PageOf(ViewKind::NOList, 2051, 4).title, "西暦／旧暦対照表 2050年 4月");
  EXPECT_EQ(PageOf(ViewKind::HolidayList, 1700).title, "祝日ﾘｽﾄ 1851年");
  EXPECT_EQ(PageOf(ViewKind::N24List, 1700).title, "24節気ﾘｽﾄ 1851年");
  EXPECT_EQ(PageOf(ViewKind::MiscSeasonList, 1700).title, "雑節リスト 西暦 1851～");
  EXPECT_EQ(PageOf(ViewKind::MiscSeasonList, 1700).rows.front().front(), "1851");
  EXPECT_EQ(PageOf(ViewKind::OMList, 500).title, "陰陽暦月対照表 旧暦 593～");
  // Position 13 in a year without a leap month is the twelfth month.
  EXPECT_EQ(PageOf(ViewKind::ONList, 2024, 13).title,
            "旧暦／西暦対照表 旧暦  2024年(平成 36年 甲辰) 12月");
  EXPECT_EQ(PageOf(ViewKind::ONList, 2023, 13).title,
            "旧暦／西暦対照表 旧暦  2023年(平成 35年 癸卯) 12月");
  EXPECT_EQ(PageOf(ViewKind::ONList, 2023, 3).title,
            "旧暦／西暦対照表 旧暦  2023年(平成 35年 癸卯) 閏 2月");
}

// Every Gregorian month of 1853..2050: each row's lunisolar day, 六曜, day
// 干支 and nine star agree with the engine asked about that very day, and
// the lunisolar year and month are named exactly where a lunisolar month
// starts to be shown.
TEST(NOList, EveryMonthAgreesWithTheEngineDayByDay) {
  const LunisolarTable table;
  const EtoCycle eto;
  const RokuyoCycle rokuyo;
  const NineStarCycle stars;
  auto content = MakeListContent(ViewKind::NOList);
  MessageRecorder recorder;
  for (int year = 1853; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const ListPage page = content->Page(content->Clamp({year, month}));
      const int days = CalendarNames::MonthLength(year, month);
      ASSERT_EQ(static_cast<int>(page.rows.size()), days);
      int named = 0;
      for (int d = 1; d <= days; ++d) {
        const auto& row = page.rows[d - 1];
        const LunisolarDate lunar = table.FromGregorian(year, month, d);
        const std::string where = Format("%d-%02d-%02d", year, month, d);
        ASSERT_EQ(row[0], Format("%2d", d)) << where;
        ASSERT_EQ(row[1], table.WeekdayKanji(CalendarNames::DayOfWeek(year, month, d))) << where;
        ASSERT_EQ(row[6], Format("%d", lunar.day)) << where;
        ASSERT_EQ(row[7], rokuyo.RokuyoName(table.RokuyoIndex(lunar.year, lunar.month, lunar.day)))
            << where;
        ASSERT_EQ(row[8], eto.EtoName(CalendarNames::SexagenaryDayIndex(year, month, d))) << where;
        ASSERT_EQ(row[9], stars.StarShortName(stars.DayStar(year, month, d).star)) << where;
        if (row[5].empty()) {
          ASSERT_TRUE(row[2].empty() && row[3].empty() && row[4].empty()) << where;
          continue;
        }
        ++named;
        ASSERT_EQ(row[2], table.EraName(lunar.year)) << where;
        ASSERT_EQ(row[3], Format("%d", table.EraYear(lunar.year))) << where;
        ASSERT_EQ(row[4], eto.EtoName(lunar.year)) << where;
        ASSERT_EQ(row[5], table.MonthLabel(lunar.year, lunar.month)) << where;
        // Named on the 1st, and otherwise only on a lunisolar first day
        // (after the 2nd, which is never named).
        ASSERT_TRUE(d == 1 || (lunar.day == 1 && d > 2)) << where;
      }
      ASSERT_GE(named, 1);
      ASSERT_LE(named, 2);
    }
  }
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(NOList, JanuaryNamesTheLunisolarYearInForceAndADayTwoNewMonthWaits) {
  // 2024-01-01 is lunisolar 2023/11/20: the era, era year and 干支 of 2023.
  const ListPage january = PageOf(ViewKind::NOList, 2024, 1);
  EXPECT_EQ(january.rows[0],
            (std::vector<std::string>{" 1", "月", "平成", "35", "癸卯", "11", "20", "赤口", "甲子",
                                      "一白"}));
  // In a month whose 2nd is a lunisolar first day, the 1st names the old
  // lunisolar month and the one that starts on the 2nd goes unnamed.
  const LunisolarTable table;
  for (int year = 1853; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      if (table.FromGregorian(year, month, 2).day != 1) continue;
      const ListPage page = PageOf(ViewKind::NOList, year, month);
      EXPECT_TRUE(page.rows[1][5].empty());
      EXPECT_EQ(page.rows[1][6], "1");
      return;
    }
  }
  FAIL() << "no month starts a lunisolar month on its 2nd";
}

// Every lunisolar month of 1853..2050: each row's Gregorian date, weekday,
// 干支 and 六曜 agree with the engine, and the Gregorian year and month are
// named on the first row and wherever a Gregorian month begins, however
// many month ends the lunisolar month crosses.
TEST(ONList, EveryMonthAgreesWithTheEngineDayByDay) {
  const LunisolarTable table;
  const EtoCycle eto;
  const RokuyoCycle rokuyo;
  const NineStarCycle stars;
  auto content = MakeListContent(ViewKind::ONList);
  MessageRecorder recorder;
  int crossingTwoMonthEnds = 0;
  for (int year = 1853; year <= 2050; ++year) {
    const int months = table.HasLeapMonth(year) ? 13 : 12;
    for (int position = 1; position <= months; ++position) {
      const ListPage page = content->Page(content->Clamp({year, position}));
      const int days = table.MonthDays(year, position);
      ASSERT_EQ(static_cast<int>(page.rows.size()), days);
      int named = 0;
      for (int d = 1; d <= days; ++d) {
        const auto& row = page.rows[d - 1];
        const GregorianDate g = table.ToGregorian(year, position, d);
        const std::string where = Format("%d/%d/%d", year, position, d);
        ASSERT_EQ(row[0], Format("%2d", d)) << where;
        ASSERT_EQ(row[1], rokuyo.RokuyoName(table.RokuyoIndex(year, position, d))) << where;
        ASSERT_EQ(row[2], eto.EtoName(table.LunarSexagenaryDayIndex(year, position, d))) << where;
        ASSERT_EQ(row[3], stars.StarShortName(stars.DayStar(g.year, g.month, g.day).star)) << where;
        ASSERT_EQ(row[6], Format("%d", g.day)) << where;
        ASSERT_EQ(row[7], table.WeekdayKanji(CalendarNames::DayOfWeek(g.year, g.month, g.day)))
            << where;
        const bool shown = d == 1 || g.day == 1;
        ASSERT_EQ(row[4], shown ? Format("%d", g.year) : "") << where;
        ASSERT_EQ(row[5], shown ? Format("%d", g.month) : "") << where;
        named += shown;
      }
      if (named == 3) ++crossingTwoMonthEnds;
    }
  }
  EXPECT_TRUE(recorder.messages().empty());
  // 1889, 1938 and 1957 start a 30-day month on January 31.
  EXPECT_EQ(crossingTwoMonthEnds, 3);
}

TEST(OMList, RowsFromTheFirstYearToAtMost2050WithTheLeapYearMark) {
  const ListPage from2000 = PageOf(ViewKind::OMList, 2000);
  ASSERT_EQ(from2000.rows.size(), 51u);
  EXPECT_EQ(from2000.title, "陰陽暦月対照表 旧暦 2000～");
  EXPECT_EQ(from2000.columns.size(), 20u);
  EXPECT_EQ(from2000.columns.back().header, "13");
  EXPECT_EQ(from2000.rows[0][4], "2000閏");
  EXPECT_EQ(from2000.rows[1][4], "2001");
  EXPECT_EQ(from2000.rows.back()[4], "2050");
  EXPECT_EQ(PageOf(ViewKind::OMList, 1900).rows.size(), 101u);
  EXPECT_EQ(PageOf(ViewKind::OMList, 1900).rows[0][4], "1900") << "1900 is a common year";
  // The thirteenth column is filled exactly in the leap years, which carry
  // one 閏 size.
  const LunisolarTable table;
  for (const auto& row : from2000.rows) {
    const int year = std::stoi(row[4]);
    int leaps = 0;
    for (int j = 7; j < 20; ++j) leaps += row[j].rfind("閏", 0) == 0;
    EXPECT_EQ(leaps, table.HasLeapMonth(year)) << year;
    EXPECT_EQ(row[19].empty(), table.HasLeapMonth(year) == 0) << year;
    const GregorianDate newYear = table.ToGregorian(year, 1, 1);
    EXPECT_EQ(row[5], Format("%d", newYear.month));
    EXPECT_EQ(row[6], Format("%d", newYear.day));
  }
}

TEST(YearLists, TheSolarTermListRunsFromShokanToTheWinterSolsticeEveryYear) {
  for (int year = 1851; year <= 2050; ++year) {
    const ListPage page = PageOf(ViewKind::N24List, year);
    ASSERT_EQ(page.rows.size(), 24u) << year;
    EXPECT_EQ(page.rows.front()[0], "小寒") << year;
    EXPECT_EQ(page.rows.front()[1], "1") << year;
    EXPECT_EQ(page.rows.back()[0], "冬至") << year;
    EXPECT_EQ(page.rows.back()[1], "12") << year;
    for (size_t r = 1; r < page.rows.size(); ++r) {
      const int before = std::stoi(page.rows[r - 1][1]) * 100 + std::stoi(page.rows[r - 1][2]);
      const int after = std::stoi(page.rows[r][1]) * 100 + std::stoi(page.rows[r][2]);
      ASSERT_LT(before, after) << year << " row " << r;
    }
  }
}

TEST(YearLists, TheHolidayListHasEveryHolidayOfTheYearInDateOrder) {
  const CalendarNames calendar;
  for (CalendarLaw law : {CalendarLaw::AsPublished, CalendarLaw::Current}) {
    const HolidayCalendar holidays(law);
    for (int year = 1851; year <= 2050; ++year) {
      const ListPage page = PageOf(ViewKind::HolidayList, year, 1, 2024, law);
      ASSERT_EQ(static_cast<int>(page.rows.size()), holidays.HolidayCount(year)) << year;
      for (const auto& row : page.rows) {
        const int m = std::stoi(row[0]);
        const int d = std::stoi(row[1]);
        const int weekday = CalendarNames::DayOfWeek(year, m, d);
        ASSERT_EQ(row[2], calendar.WeekdayKanji(weekday)) << year;
        ASSERT_EQ(row[3], holidays.NameOfCode(holidays.HolidayCode(year, m, d, weekday)))
            << year;
      }
    }
  }
  const ListPage y2024 = PageOf(ViewKind::HolidayList, 2024);
  EXPECT_EQ(y2024.rows.front(), (std::vector<std::string>{"1", "1", "月", "元日"}));
}

TEST(YearLists, SeasonalDaysKeepTheirBlanksAndTheAugustEndOfNihyakutoka) {
  const ListPage page = PageOf(ViewKind::MiscSeasonList, 2000);
  ASSERT_EQ(page.rows.size(), 51u);
  int august = 0;
  int september = 0;
  for (const auto& row : page.rows) {
    ASSERT_EQ(row[1].substr(0, 3), " 2.");
    ASSERT_EQ(row[4].substr(0, 3), " 5.");
    for (int c = 1; c < 8; ++c) ASSERT_EQ(row[c].size(), 5u) << row[0] << " " << c;
    if (row[5] == " 8.31") ++august;
    if (row[5] == " 9. 1" || row[5] == " 9. 2") ++september;
  }
  EXPECT_GT(august, 0);
  EXPECT_GT(september, 0);
  EXPECT_EQ(august + september, 51);
}

TEST(YearLists, TheEraListEndsWithTheEraInForceCountingTheCurrentYear) {
  const LunisolarTable table;
  const ListPage page = PageOf(ViewKind::NengoList, 0, 1, 2024);
  EXPECT_EQ(page.title, "年号");
  ASSERT_EQ(static_cast<int>(page.rows.size()), table.EraCount());
  const auto& last = page.rows.back();
  EXPECT_EQ(last[2], "...");
  EXPECT_EQ(last[3], Format("%d", 2024 - std::stoi(last[1]) + 1));
  EXPECT_EQ(PageOf(ViewKind::NengoList, 0, 1, 2030).rows.back()[3],
            Format("%d", 2030 - std::stoi(last[1]) + 1));
  // Eras follow each other without a gap.
  for (size_t r = 1; r < page.rows.size(); ++r)
    ASSERT_EQ(std::stoi(page.rows[r][1]), std::stoi(page.rows[r - 1][2]) + 1) << r;
  EXPECT_EQ(page.rows.front()[1], "593");
}

// The two rule sets change the holidays and era names of the lists that show
// them, and nothing else: each such list under each rule set shows what only
// that rule set has (2026 as a user sees it today), and every other list kind
// is the same under both.
TEST(ListContents, HolidaysAndErasFollowTheRulesTheContentIsMadeWith) {
  struct Case {
    ViewKind kind;
    int year, month;
    const char* current;    // only under the law as it stands
    const char* published;  // only under the published rules
  };
  const Case cases[] = {
      {ViewKind::HolidayList, 2026, 1, "\n2\t23\t月\t天皇誕生日\n", "\n12\t23\t水\t天皇誕生日\n"},
      {ViewKind::HolidayList, 2026, 1, "\n8\t11\t火\t山の日\n", "\n10\t12\t月\t体育の日\n"},
      {ViewKind::HolidayList, 2026, 1, "\n9\t22\t火\t国民の休日\n", "\n2\t11\t水\t建国記念日\n"},
      {ViewKind::NengoList, 0, 1, "\n平成\t1989\t2018\t30\n令和\t2019\t...\t8\n",
       "\n平成\t1989\t...\t38\n"},
      {ViewKind::NengoList, 0, 1, "\n享保\t1716\t1735\t20\n", "\n亨保\t1716\t1735\t20\n"},
      {ViewKind::NengoList, 0, 1, "\n寛喜\t1229\t1231\t3\n", "\n嘉喜\t1229\t1231\t3\n"},
      {ViewKind::AgeList, 0, 1, "\n2026\t令和  8\t", "\n2026\t平成 38\t"},
      {ViewKind::NOList, 2026, 3, "\t令和\t8\t", "\t平成\t38\t"},
      {ViewKind::ONList, 2026, 1, "(令和 8年 丙午)", "(平成 38年 丙午)"},
      {ViewKind::OMList, 2019, 1, "\n令和\t1\t", "\n平成\t31\t"},
  };
  auto text = [](ViewKind kind, int year, int month, CalendarLaw law) {
    return PageOf(kind, year, month, 2026, law).ToText();
  };
  for (const Case& c : cases) {
    const std::string current = text(c.kind, c.year, c.month, CalendarLaw::Current);
    const std::string published = text(c.kind, c.year, c.month, CalendarLaw::AsPublished);
    const std::string name = ViewKindInfoOf(c.kind).className;
    EXPECT_NE(current.find(c.current), std::string::npos) << name << "\n" << current;
    EXPECT_EQ(current.find(c.published), std::string::npos) << name << "\n" << current;
    EXPECT_NE(published.find(c.published), std::string::npos) << name << "\n" << published;
    EXPECT_EQ(published.find(c.current), std::string::npos) << name << "\n" << published;
  }
  // The lists count what their rules count.
  for (CalendarLaw law : {CalendarLaw::AsPublished, CalendarLaw::Current}) {
    EXPECT_EQ(static_cast<int>(PageOf(ViewKind::HolidayList, 2026, 1, 2026, law).rows.size()),
              HolidayCalendar(law).HolidayCount(2026));
    EXPECT_EQ(static_cast<int>(PageOf(ViewKind::NengoList, 0, 1, 2026, law).rows.size()),
              LunisolarTable(law).EraCount());
  }
  // Before 令和 the era names of the two rule sets are the same (the month
  // table's century ends in 2000).
  for (ViewKind kind : {ViewKind::NOList, ViewKind::ONList, ViewKind::OMList}) {
    const int year = kind == ViewKind::OMList ? 1900 : 1990;
    EXPECT_TRUE(text(kind, year, 4, CalendarLaw::Current) ==
                text(kind, year, 4, CalendarLaw::AsPublished))
        << ViewKindInfoOf(kind).className;
  }
  int same = 0;
  for (const ViewKindInfo& info : ViewKinds()) {
    if (!MakeListContent(info.kind)) continue;
    const bool follows = std::any_of(std::begin(cases), std::end(cases),
                                     [&](const Case& c) { return c.kind == info.kind; });
    if (follows) continue;
    ++same;
    EXPECT_TRUE(text(info.kind, 2026, 1, CalendarLaw::Current) ==
                text(info.kind, 2026, 1, CalendarLaw::AsPublished))
        << info.className;
  }
  EXPECT_GE(same, 10);
}

}  // namespace
}  // namespace korvane
