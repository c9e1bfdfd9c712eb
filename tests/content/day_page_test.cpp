// The tear-off day calendar's page without a window: the cells at their
// geometry and in drawing order, the colours, the day's facts, the drawn
// moon, the spins and the once-a-day greeting.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "astro/location_table.h"
#include "content/day_page_content.h"
#include "engine/calendar_names.h"
#include "engine/format.h"
#include "engine/holiday_calendar.h"
#include "engine/message_hook.h"
#include "engine/solar_term_table.h"
#include "textdata/normal_temperature_table.h"

namespace korvane {
namespace {

class DayPageTest : public ::testing::Test {
 protected:
  DayPage Page(int y, int m, int d, const DayPageExtras& extras = {}, int place = 39) {
    return content_.Page(y, m, d, place, kDefaultDayPageRect, extras);
  }
  static std::string Text(const DayPage& page, int cell) {
    const DrawOp* op = page.CellText(cell);
    return op ? op->text : std::string("(none)");
  }
  MessageRecorder recorder_;
  DayPageContent content_;
};

// Every cell's box and font height on a page of 14 and of 15 row units,
// and the order in which the cells are drawn.
TEST_F(DayPageTest, CellsAtTheirGeometryFontHeightsAndOrder) {
  // 225 x 293: x0 = y0 = 2, W = 221, g = 27; e = 289 / n.
  DayPageExtras extras;
  extras.haikuPresent = true;
  extras.haikuUpper = "春立や";
  extras.haikuMiddle = "新年ふるき";
  extras.haikuLower = "米五升";
  for (int n : {14, 15}) {
    extras.temperaturesAvailable = n == 15;
    extras.temperatureText = "平年(東京)気温 9.8/1.2 ℃";
    // 2000-01-07: a new moon (cell 21) in a month with moonrise and moonset.
    const DayPage page = Page(2000, 1, 7, extras);
    ASSERT_EQ(page.rowUnits, n);
    const int x0 = 2, y0 = 2, g = 27, W = 221, e = 289 / n, R = 223;
    struct Cell {
      int cell, left, top, right, bottom, divisor;
    };
    std::vector<Cell> cells = {
        {0, x0 + g, y0 + e, x0 + 8 * g, y0 + 8 * e, 1},
        {2, x0 + 3 * g, y0 + 8 * e, x0 + 5 * g, y0 + 10 * e, 4},
        {1, x0 + 3 * g, y0 + 7 * e, x0 + 5 * g, y0 + 9 * e, 2},
        {3, x0, y0 + 9 * e, x0 + 4 * g, y0 + 11 * e, 3},
        {4, x0, y0 + 10 * e, x0 + 4 * g, y0 + 12 * e, 3},
        {5, x0 + 4 * g, y0 + 9 * e, x0 + 6 * g, y0 + 11 * e, 3},
        {6, x0 + 6 * g, y0 + 9 * e, x0 + 8 * g, y0 + 11 * e, 3},
        {7, x0 + 4 * g, y0 + 10 * e, x0 + 8 * g, y0 + 12 * e, 3},
        {11, x0, y0, x0 + 6 * g, y0 + e, 1},
        {12, x0, y0 + e, x0 + 7 * g, y0 + 2 * e, 2},
        {14, x0, y0 + 2 * e, x0 + 4 * g, y0 + 4 * e, 3},
        {16, x0, y0 + 6 * e, x0 + 3 * g, y0 + 8 * e, 4},
        {17, x0, y0 + 6 * e + e / 2, x0 + 3 * g, y0 + 8 * e + e / 2, 4},
        {18, x0, y0 + 7 * e, x0 + 3 * g, y0 + 9 * e, 4},
        {19, x0, y0 + 7 * e + e / 2, x0 + 3 * g, y0 + 9 * e + e / 2, 4},
        {20, x0, y0 + 8 * e, x0 + 3 * g, y0 + 10 * e, 4},
        {21, x0, y0 + 5 * e, x0 + 3 * g, y0 + 7 * e, 4},
    };
    // The notes' line: 2000-01-07, a 甲子 day in winter and a 子 day of the
    // 丑月, is a 天赦日 and 一粒万倍日, marked apart from the other notes; each piece takes the width of its text at
    // the line's height, and the last ends inside the page.
    const DrawOp* shuku = page.CellText(25);
    ASSERT_NE(shuku, nullptr);
    EXPECT_EQ(shuku->text, "閉・鬼宿");
    const int lineHeight = shuku->fontHeight;
    EXPECT_LE(lineHeight, 2 * e / 3);
    EXPECT_EQ(shuku->box, (GridRect{x0, y0 + 11 * e, x0 + 4 * lineHeight + 1, y0 + 13 * e}));
    ASSERT_NE(page.CellText(26), nullptr);
    EXPECT_EQ(page.CellText(26)->text, "天赦日 一粒万倍日");
    EXPECT_EQ(page.CellText(26)->background, GridColor::Rgb(255, 236, 128));
    ASSERT_NE(page.CellText(27), nullptr);
    EXPECT_LE(page.CellText(27)->box.right, R);
    if (n == 15) cells.push_back({23, x0, y0 + 12 * e, R, y0 + 14 * e, 3});
    const int haikuTop = n == 15 ? y0 + 14 * e : y0 + 13 * e;
    cells.push_back({13, x0, haikuTop, R, haikuTop + 2 * e, 3});
    const int stoneTop = n == 15 ? y0 + 13 * e : y0 + 12 * e;
    cells.push_back({24, x0, stoneTop, R, stoneTop + 2 * e, 3});

    std::vector<int> textOrder;
    for (const DrawOp& op : page.ops)
      if (op.kind == DrawOp::Kind::Text) textOrder.push_back(op.cell);
    std::vector<int> expectedOrder;
    for (const Cell& c : cells) {
      if (c.cell == 23 || (n == 14 && c.cell == 13)) {
        expectedOrder.insert(expectedOrder.end(), {25, 26, 27});
      }
      expectedOrder.push_back(c.cell);
    }
    EXPECT_EQ(textOrder, expectedOrder) << "n = " << n;

    for (const Cell& c : cells) {
      const DrawOp* op = page.CellText(c.cell);
      ASSERT_NE(op, nullptr) << c.cell;
      EXPECT_EQ(op->box, (GridRect{c.left, c.top, c.right, c.bottom})) << "cell " << c.cell;
      const int height = (c.bottom - c.top) / c.divisor;
      const int fitting = op->box.width() * 2 / DisplayWidth(op->text);
      EXPECT_EQ(op->fontHeight, std::min(height, fitting)) << "cell " << c.cell;
      EXPECT_EQ(op->align, c.cell == 0 ? DrawOp::Align::Centre : DrawOp::Align::Left);
    }
    // The picture after cell 7, the moon right after cell 14.
    auto index = [&page](DrawOp::Kind kind, int cell) {
      for (size_t i = 0; i < page.ops.size(); ++i)
        if (page.ops[i].kind == kind && page.ops[i].cell == cell) return static_cast<int>(i);
      return -1;
    };
    EXPECT_EQ(index(DrawOp::Kind::Picture, 10), index(DrawOp::Kind::Text, 7) + 1);
    EXPECT_EQ(page.ops[index(DrawOp::Kind::Picture, 10)].box.left, x0 + 3 * g + W / 24);
    EXPECT_EQ(index(DrawOp::Kind::Frame, 15), index(DrawOp::Kind::Text, 14) + 1);
    EXPECT_EQ(page.ops[index(DrawOp::Kind::Frame, 15)].box,
              (GridRect{x0, y0 + 3 * e, x0 + g + W / 16, y0 + 5 * e}));
    // The page fill first, two pixels inside the control.
    EXPECT_EQ(page.ops[0].kind, DrawOp::Kind::Frame);
    EXPECT_EQ(page.ops[0].box, (GridRect{2, 2, 223, 291}));
    // The schedule between the haiku and the holiday.
    EXPECT_EQ(page.scheduleOrder, static_cast<size_t>(index(DrawOp::Kind::Text, 13) + 1));
  }
}

TEST_F(DayPageTest, TheFactsOfADay) {
  // 2000-01-28, 東京: no moonrise that day; 2000-01-15: no moonset.
  DayPage page = Page(2000, 1, 28);
  EXPECT_EQ(page.title, "2000年(平成12年)");
  EXPECT_EQ(Text(page, 0), "28");
  EXPECT_EQ(Text(page, 1), "金曜");
  EXPECT_EQ(Text(page, 2), "FRIDAY");
  EXPECT_EQ(Text(page, 3), "  大 1月28日");
  EXPECT_EQ(Text(page, 11), " 1月(JANUARY)");
  EXPECT_EQ(Text(page, 12), "睦月(むつき)");
  EXPECT_EQ(Text(page, 16), "東京");
  // The weather file's one station is the place group the place table names.
  EXPECT_STREQ(NormalTemperatureTable::kStationName, LocationTable::GroupName(NormalTemperatureTable::kStationGroup));
  EXPECT_EQ(Text(page, 19), "月の出 --");
  EXPECT_EQ(Text(page, 20), "    入 11 06");
  EXPECT_EQ(Text(page, 21), "下弦(16 57)");
  EXPECT_EQ(Text(page, 24), "誕生石・花 ガーネット,カーネーション");
  EXPECT_EQ(Text(page, 8), "(none)") << "no holiday";
  EXPECT_EQ(Text(page, 23), "(none)") << "no temperatures";
  EXPECT_EQ(Text(page, 13), "(none)") << "no haiku record";
  EXPECT_FALSE(page.haikuButtonShown);
  EXPECT_EQ(Text(Page(2000, 1, 15), 20), "    入 --");
  EXPECT_EQ(Text(Page(2000, 1, 1), 19), "月の出  1 39");
  // The moon age of the day's 09h entry; 2000-01-21 is 14.2.
  EXPECT_EQ(Text(Page(2000, 1, 21), 14), "月齢 14.2");
  // Sun times at 東京 on 2000-06-21: 4h 25m and 19h 00m.
  page = Page(2000, 6, 21);
  EXPECT_EQ(Text(page, 17), "日の出  4 25");
  EXPECT_EQ(Text(page, 18), "    入 19 00");
  EXPECT_EQ(Text(page, 3), "  小 6月21日");
  EXPECT_EQ(Text(page, 9), "夏至");
  // Another place changes the times and the name, never the dates.
  const DayPage sapporo = Page(2000, 6, 21, {}, 0);
  EXPECT_NE(Text(sapporo, 16), "東京");
  EXPECT_NE(Text(sapporo, 17), Text(page, 17));
  EXPECT_EQ(Text(sapporo, 4), Text(page, 4));
  // A place index outside the table is the default place.
  EXPECT_EQ(Text(Page(2000, 6, 21, {}, 500), 16), "東京");
  // The lunisolar date with its month's size, 六曜, 九星 and the reading.
  page = Page(2024, 3, 20);
  EXPECT_EQ(Text(page, 4), "旧大 2月11日");
  EXPECT_EQ(Text(page, 5), "八白");
  EXPECT_EQ(Text(page, 6), "赤口");
  EXPECT_EQ(Text(page, 7), "みずのと・ひつじ");
  EXPECT_TRUE(recorder_.messages().empty());
}

TEST_F(DayPageTest, ColoursOfWeekdaysAndHolidays) {
  struct Case {
    int y, m, d;
    GridColor color;
  };
  const Case cases[] = {
      {2024, 5, 1, kBlack},    // a Wednesday
      {2024, 5, 4, kRed},      // Saturday, みどりの日: red, not blue
      {2024, 5, 5, kRed},      // Sunday and こどもの日
      {2024, 5, 11, kBlue},    // a Saturday
      {2024, 5, 12, kRed},     // a Sunday
      {2024, 5, 3, kRed},      // Friday, 憲法記念日
      {2024, 5, 6, kRed},      // Monday, 振替休日
  };
  for (const Case& c : cases) {
    const DayPage page = Page(c.y, c.m, c.d);
    EXPECT_EQ(page.textColor, c.color) << c.m << "/" << c.d;
    // All but 天赦日 and 一粒万倍日 (cell 26), which stand out on any page.
    for (const DrawOp& op : page.ops)
      if (op.kind == DrawOp::Kind::Text) {
        EXPECT_EQ(op.color, op.cell == 26 ? GridColor::Rgb(176, 0, 0) : c.color) << op.text;
      }
  }
  EXPECT_EQ(Text(Page(2024, 5, 3), 8), "憲法記念日");
  EXPECT_EQ(Text(Page(2024, 5, 6), 8), "振替休日");
  // Pre-war holidays by their own names.
  EXPECT_EQ(Text(Page(1930, 11, 3), 8), "明治節");
}

// On every day of 1853..2050 that is a solar-term day and a seasonal day,
// both names can be read in the term's row, set small enough to fit.
TEST_F(DayPageTest, SeasonalDayOnATermDayIsShownOnThePage) {
  SolarTermTable terms;
  int both = 0;
  for (int y = kDayPageFirstYear; y <= kDayPageLastYear; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= CalendarNames::MonthLength(y, m); ++d) {
        const int term = terms.TermOn(y, m, d);
        const int zassetsu = terms.ZassetsuOn(y, m, d);
        if (term == 0 || zassetsu == 0) continue;
        ++both;
        const DayPage page = Page(y, m, d);
        const DrawOp* op = page.CellText(9);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->text, std::string(terms.TermName(term - 20)) + "・" +
                                terms.ZassetsuName(zassetsu - 1));
        EXPECT_LE(op->box.right, page.page.right);
        EXPECT_LE(DisplayWidth(op->text) * op->fontHeight / 2, op->box.width()) << op->text;
      }
    }
  }
  EXPECT_GT(both, 0);
  // A seasonal day alone takes the term's cell.
  EXPECT_EQ(Text(Page(2024, 2, 3), 9), "節分");
}

TEST_F(DayPageTest, TheDrawnMoon) {
  const GridRect cell{2, 68, 42, 112};  // 40 wide
  auto last = [](const std::vector<DrawOp>& ops) { return ops.back(); };
  // Age 0: a black disc inside the cell over the yellow one.
  std::vector<DrawOp> ops = MoonDrawing(cell, 0.0);
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(ops[0].box, cell);
  EXPECT_EQ(ops[0].background, kBlack);
  EXPECT_EQ(ops[1].kind, DrawOp::Kind::Ellipse);
  EXPECT_EQ(ops[1].background, GridColor::Rgb(255, 255, 0));
  EXPECT_EQ(ops[2].box, (GridRect{2, 68, 22, 112})) << "the left half";
  EXPECT_EQ(last(ops).box, (GridRect{3, 68, 41, 112}));
  EXPECT_EQ(last(ops).background, kBlack);
  // 5.3 days: the black ellipse narrows by 10 pixels on each side.
  EXPECT_EQ(last(MoonDrawing(cell, 5.3)).box, (GridRect{12, 68, 32, 112}));
  // 10 days: a yellow ellipse of half-width 5 about the centre.
  ops = MoonDrawing(cell, 10.0);
  EXPECT_EQ(last(ops).box, (GridRect{17, 69, 27, 111}));
  EXPECT_EQ(last(ops).background, GridColor::Rgb(255, 255, 0));
  // 14.8: the full yellow disc, one pixel inside; the right half black behind it.
  ops = MoonDrawing(cell, 14.8);
  EXPECT_EQ(ops[2].box, (GridRect{22, 68, 42, 112}));
  EXPECT_EQ(last(ops).box, (GridRect{3, 69, 41, 111}));
  EXPECT_EQ(last(ops).background, GridColor::Rgb(255, 255, 0));
  // 25 days: a black ellipse of half-width 5 about the centre.
  ops = MoonDrawing(cell, 25.0);
  EXPECT_EQ(last(ops).box, (GridRect{17, 68, 27, 112}));
  EXPECT_EQ(last(ops).background, kBlack);
  // Every age of a lunation stays inside the cell.
  for (double a = 0.0; a < 30.0; a += 0.05) {
    for (const DrawOp& op : MoonDrawing(cell, a)) {
      EXPECT_GE(op.box.left, cell.left);
      EXPECT_LE(op.box.right, cell.right);
      EXPECT_GE(op.box.top, cell.top);
      EXPECT_LE(op.box.bottom, cell.bottom);
    }
  }
}

TEST(DaySpins, StepsAndBounds) {
  struct Case {
    DayDate from;
    char spin;
    int v;
    DayDate to;
    bool beep;
  };
  const Case cases[] = {
      {{2024, 3, 15}, 'm', 2, {2024, 2, 29}, false},   // down: last day of February
      {{2023, 3, 15}, 'm', 2, {2023, 2, 28}, false},
      {{2024, 3, 15}, 'm', 4, {2024, 4, 1}, false},    // up: day 1
      {{2024, 1, 15}, 'm', 0, {2024, 1, 15}, true},    // no wrap into the year before
      {{2024, 12, 15}, 'm', 13, {2024, 12, 15}, true}, // nor the year after
      {{2024, 3, 15}, 'y', 2023, {2023, 12, 31}, false},
      {{2024, 3, 15}, 'y', 2025, {2025, 1, 1}, false},
      {{kDayPageLastYear, 5, 15}, 'y', kDayPageLastYear + 1, {kDayPageLastYear, 5, 15}, true},
      {{kDayPageFirstYear, 5, 15}, 'y', kDayPageFirstYear - 1, {kDayPageFirstYear, 5, 15}, true},
      {{2024, 2, 29}, 'd', 30, {2024, 2, 29}, true},   // no wrap into March
      {{2024, 3, 1}, 'd', 0, {2024, 3, 1}, true},
      {{2024, 3, 1}, 'd', 2, {2024, 3, 2}, false},
  };
  for (const Case& c : cases) {
    bool beep = false;
    DayDate to = c.spin == 'y'   ? StepDayYear(c.from, c.v, beep)
                 : c.spin == 'm' ? StepDayMonth(c.from, c.v, beep)
                                 : StepDayDay(c.from, c.v, beep);
    EXPECT_EQ(to.year * 10000 + to.month * 100 + to.day, c.to.year * 10000 + c.to.month * 100 + c.to.day)
        << c.spin << " " << c.v;
    EXPECT_EQ(beep, c.beep) << c.spin << " " << c.v;
  }
}

TEST(DayGreeting, OncePerDayAndOnlyOnTermDays) {
  EXPECT_EQ(DateText(2024, 3, 20), "03/20/24");
  EXPECT_EQ(DateText(2000, 1, 5), "01/05/00");
  EXPECT_EQ(TimeText(7, 5, 9), "07:05:09");
  EXPECT_TRUE(GreetingDue("", "03/20/24", 26));
  EXPECT_FALSE(GreetingDue("", "03/21/24", 0)) << "not a term day";
  EXPECT_FALSE(GreetingDue("03/20/24", "03/20/24", 26)) << "already greeted today";
  EXPECT_TRUE(GreetingDue("02/19/24", "03/20/24", 26));
  // A new year sorts lower as text; its two-digit year tells.
  EXPECT_TRUE(GreetingDue("12/21/24", "01/06/25", 21));
  EXPECT_FALSE(GreetingDue("12/21/25", "01/06/25", 21));
  DayPageContent content;
  EXPECT_EQ(content.TermCode(2024, 3, 20), 26);
  EXPECT_EQ(content.TermGreeting(26).rfind("今日は春分です。\n\n", 0), 0u);
}

TEST(DaySchedule, FilledLinesBecomeLines) {
  const std::string line45(45, 'x');
  const std::string filled = line45 + std::string(35, ' ') + "二行目" + std::string(34, ' ');
  EXPECT_EQ(ScheduleLines(filled), (std::vector<std::string>{std::string(40, 'x'), "xxxxx", "二行目"}));
  EXPECT_TRUE(ScheduleLines(std::string(80, ' ')).empty());
  EXPECT_TRUE(ScheduleLines("").empty());
}

}  // namespace
}  // namespace korvane
