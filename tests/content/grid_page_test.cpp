// The shared grid routine, checked on the plain Gregorian calendar: geometry,
// drawing order, colours, leading and trailing days, today's highlight and
// the text form of a page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/grid/grid_page.h"
#include "content/grid/month_grid_content.h"

namespace korvane {
namespace {

const GridToday kNoToday{};

std::vector<std::string> Row(const GridPage& page, int week) {
  std::vector<std::string> row;
  for (const GridCell& cell : page.cells[week]) row.push_back(cell.upper);
  return row;
}

TEST(MonthGridGeometry, BoundariesFollowTheClientSize) {
  MonthGrid grid = MonthGrid::FromClientSize(640, 480);
  EXPECT_EQ(grid.cellWidth, 91);
  EXPECT_EQ(grid.cellHeight, 68);
  EXPECT_EQ(grid.colLeft, (std::array<int, 8>{1, 91, 182, 273, 364, 455, 546, 639}));
  EXPECT_EQ(grid.rowTop, (std::array<int, 9>{1, 70, 138, 206, 274, 342, 410, 478, 479}));
  // Neighbouring frames share a border line; the header ends a pixel early.
  EXPECT_EQ(grid.Frame(0, 0), (GridRect{1, 1, 92, 70}));
  EXPECT_EQ(grid.Frame(0, 1), (GridRect{1, 70, 92, 139}));
  EXPECT_EQ(grid.Frame(6, 6), (GridRect{546, 410, 640, 479}));
  EXPECT_EQ(grid.TextBox(3, 2), (GridRect{273, 139, 365, 206}));
  EXPECT_EQ(grid.LowerBox(3, 2), (GridRect{273, 138 + 34 + 2, 365, 206}));
}

TEST(CGDayViewPage, FebruaryTwentyFifteenFillsFourRowsExactly) {
  MonthGridContent content(GridKind::CGDayView);
  GridPage page = content.Page(2015, 2, 640, 480, kNoToday);
  EXPECT_EQ(page.title, "ｸﾞﾚｺﾞﾘｵ暦 2015年 2月");
  EXPECT_EQ(page.header, (std::array<std::string, 7>{"日", "月", "火", "水", "木", "金", "土"}));
  for (int week = 0; week < 4; ++week) {
    for (int c = 0; c < 7; ++c) {
      const GridCell& cell = page.cells[week][c];
      EXPECT_EQ(cell.upper, std::to_string(week * 7 + c + 1));
      EXPECT_FALSE(cell.otherMonth);
      EXPECT_TRUE(cell.lower.empty());
    }
  }
  EXPECT_EQ(Row(page, 4), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(Row(page, 5), (std::vector<std::string>{"8", "9", "10", "11", "12", "13", "14"}));
  EXPECT_TRUE(page.cells[5][6].otherMonth);
  EXPECT_EQ(page.cells[5][6].gregorianMonth, 3);
}

TEST(CGDayViewPage, ThirtyOneDayMonthFromSaturdayUsesSixRows) {
  // January 2011 starts on a Saturday.
  MonthGridContent content(GridKind::CGDayView);
  GridPage page = content.Page(2011, 1, 700, 500, kNoToday);
  EXPECT_EQ(Row(page, 0), (std::vector<std::string>{"26", "27", "28", "29", "30", "31", "1"}));
  EXPECT_EQ(Row(page, 5), (std::vector<std::string>{"30", "31", "1", "2", "3", "4", "5"}));
  // The leading days are December of the year before.
  EXPECT_EQ(page.cells[0][0].gregorianYear, 2010);
  EXPECT_EQ(page.cells[0][0].gregorianMonth, 12);
  EXPECT_TRUE(page.cells[0][5].otherMonth);
  EXPECT_FALSE(page.cells[0][6].otherMonth);
  EXPECT_FALSE(page.cells[5][1].otherMonth);
  EXPECT_TRUE(page.cells[5][2].otherMonth);
}

TEST(CGDayViewPage, DrawsFramesHeaderCellsInOrderWithTheirColours) {
  MonthGridContent content(GridKind::CGDayView);
  GridPage page = content.Page(2011, 1, 700, 500, kNoToday);
  ASSERT_EQ(page.ops.size(), 49u + 7u + 42u);
  const int ch = 500 / 7;
  for (int i = 0; i < 49; ++i) {
    const DrawOp& op = page.ops[i];
    EXPECT_EQ(op.kind, DrawOp::Kind::Frame);
    EXPECT_EQ(op.row, i / 7);
    EXPECT_EQ(op.column, i % 7);
    EXPECT_EQ(op.color, kBlack);
    EXPECT_EQ(op.background, kWhite);
  }
  for (int c = 0; c < 7; ++c) {
    const DrawOp& op = page.ops[49 + c];
    EXPECT_EQ(op.role, DrawOp::Role::Header);
    EXPECT_EQ(op.fontHeight, ch - 2);
    EXPECT_EQ(op.color, CurrentColor(c));
  }
  for (int i = 0; i < 42; ++i) {
    const DrawOp& op = page.ops[56 + i];
    const GridCell& cell = page.cells[i / 7][i % 7];
    EXPECT_EQ(op.role, DrawOp::Role::Upper);
    EXPECT_EQ(op.text, cell.upper);
    EXPECT_EQ(op.fontHeight, ch - 2);
    EXPECT_EQ(op.box, page.grid.TextBox(i % 7, i / 7 + 1));
    EXPECT_EQ(op.color, cell.otherMonth ? OtherColor(i % 7) : CurrentColor(i % 7));
    EXPECT_EQ(op.background, GridColor::System(SystemColor::Window));
  }
  // Sunday red, weekdays the system colours, Saturday blue.
  EXPECT_EQ(CurrentColor(0), kRed);
  EXPECT_EQ(CurrentColor(3), GridColor::System(SystemColor::WindowText));
  EXPECT_EQ(OtherColor(3), GridColor::System(SystemColor::GrayText));
  EXPECT_EQ(OtherColor(6), kBlue);
}

TEST(CGDayViewPage, TodayIsHighlightedLastAndOnlyInItsMonth) {
  MonthGridContent content(GridKind::CGDayView);
  GridPage page = content.Page(2015, 2, 640, 480, GridToday{2015, 2, 18});
  const DrawOp& last = page.ops.back();
  EXPECT_EQ(last.role, DrawOp::Role::Today);
  EXPECT_EQ(last.text, "18");
  EXPECT_EQ(last.column, 3);
  EXPECT_EQ(last.row, 3);
  EXPECT_EQ(last.background, kBlue);
  EXPECT_EQ(last.color, GridColor::System(SystemColor::Window));
  EXPECT_TRUE(page.cells[2][3].today);

  // A neighbouring month showing the same date as a trailing day has no
  // highlight.
  GridPage january = content.Page(2015, 1, 640, 480, GridToday{2015, 2, 1});
  EXPECT_NE(january.ops.back().role, DrawOp::Role::Today);
  EXPECT_EQ(january.ToText().find('*'), std::string::npos);
}

}  // namespace
}  // namespace korvane
