// The notes calendar's page and the notes list, as text and as boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "content/grid/month_grid_content.h"
#include "content/lists/koyomi_list_content.h"
#include "engine/format.h"

namespace korvane {
namespace {

std::vector<std::string> Split(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool Inside(const GridRect& inner, const GridRect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

}  // namespace

// March 2026: 天赦日, 一粒万倍日, 三隣亡 and 寅の日 on the 啓蟄 day, the
// 春分の日 in red under its number, and every text inside its own cell (or
// the legend's strip) at sizes down to a small window.
TEST(KoyomiCalendar, CellsMarksAndLegend) {
  MonthGridContent content(GridKind::CGKoyomiView, CalendarLaw::Current);
  const std::vector<std::string> lines = Split(content.Page(2026, 3, 640, 480, {}).ToText());
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "暦注ｶﾚﾝﾀﾞｰ 2026年 3月");
  EXPECT_EQ(lines[2], "1|先勝 成|\t2|友引 納|▲\t3|先負 開|\t4|仏滅 閉|●○\t5|大安 閉|◎●▲寅\t6|赤口 建|○\t7|先勝 除|×");
  EXPECT_EQ(lines[4], "15|先負 納|×\t16|仏滅 開|\t17|大安 閉|●▲寅\t18|赤口 建|\t19|友引 除|○\t20|先負 満|×巳\t21|仏滅 平|");
  EXPECT_EQ(lines[8], "◎=天赦日  ●=一粒万倍日  ○=大明日  ×=不成就日  ▲=三隣亡  寅=寅の日  巳=巳の日  己=己巳");

  for (auto [width, height] : {std::pair{640, 480}, std::pair{300, 220}, std::pair{1200, 900}}) {
    const GridPage page = content.Page(2026, 3, width, height, {});
    int red = 0, legends = 0;
    for (const DrawOp& op : page.ops) {
      if (op.kind != DrawOp::Kind::Text) continue;
      if (op.role == DrawOp::Role::Legend) {
        ++legends;
        EXPECT_TRUE(Inside(op.box, GridRect{0, page.grid.rowTop[8], width, height}));
        continue;
      }
      if (op.row < 1) continue;
      SCOPED_TRACE(testing::Message() << width << "x" << height << " " << op.text);
      const GridRect cell = page.grid.Frame(op.column, op.row);
      EXPECT_TRUE(Inside(op.box, GridRect{cell.left, cell.top, cell.right + 1, cell.bottom}));
      EXPECT_LE(op.fontHeight * DisplayWidth(op.text) / 2, op.box.width() - 2);
      if (op.role == DrawOp::Role::Marks && op.color == GridColor::Rgb(208, 0, 0)) ++red;
      // 春分の日 (the 20th, a Friday) keeps its number, in red.
      if (op.role == DrawOp::Role::Upper && op.text == "20") {
        EXPECT_EQ(op.color, kRed);
      }
    }
    EXPECT_EQ(legends, 1);
    EXPECT_EQ(red, 9);  // ◎ once, ● eight times (two on trailing April days)
  }
}

TEST(KoyomiList, ChosenNotesOfAYear) {
  KoyomiListContent list(CalendarLaw::Current);
  ListState state;
  state.year = 2026;
  // Two notes by default; a day with both lists both.
  ListPage page = list.Page(state);
  EXPECT_EQ(page.title, "暦注ﾘｽﾄ 2026年 天赦日・一粒万倍日");
  ASSERT_EQ(page.columns.size(), 7u);
  const std::vector<std::string> march5 = {"3", "5", "木", "大安", "閉", "角", "天赦日・一粒万倍日"};
  EXPECT_NE(std::find(page.rows.begin(), page.rows.end(), march5), page.rows.end());

  DayNoteSet tensha;
  tensha.Add(DayNote::Tenshanichi);
  list.SetChoice(tensha);
  page = list.Page(state);
  std::vector<std::string> days;
  for (const auto& row : page.rows) days.push_back(row[0] + "/" + row[1]);
  EXPECT_EQ(days, (std::vector<std::string>{"3/5", "5/4", "5/20", "7/19", "10/1", "12/16"}));
  EXPECT_EQ(page.title, "暦注ﾘｽﾄ 2026年 天赦日");

  list.SetChoice(KoyomiNotes::LuckyNotes());
  EXPECT_EQ(list.Page(state).title, "暦注ﾘｽﾄ 2026年 吉日");
  list.SetChoice(KoyomiNotes::UnluckyNotes());
  EXPECT_EQ(list.Page(state).title, "暦注ﾘｽﾄ 2026年 凶日");
  list.SetChoice(DayNoteSet());
  EXPECT_TRUE(list.Page(state).rows.empty());
  // The year comes into the notes' years, as the dialog offers them.
  state.year = 1700;
  EXPECT_EQ(list.Clamp(state).year, 1853);
}

}  // namespace korvane
