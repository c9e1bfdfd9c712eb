// The name lists and the age table: rows, first and last cells, titles, and
// the age table's running day count and unlucky years.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "content/lists/age_list_content.h"
#include "content/lists/name_list_content.h"

namespace korvane {
namespace {

TEST(NameLists, RowsTitlesAndTheirFirstAndLastRows) {
  struct Case {
    std::function<std::unique_ptr<ListContent>()> make;
    const char* title;
    size_t columns, rows;
    std::vector<std::string> first, last;
  };
  const Case cases[] = {
      {[] { return std::make_unique<EtoListContent>(); }, "干支リスト", 3, 60,
       {"0", "甲子", "きのえ・ね"}, {"59", "癸亥", "みずのと・い"}},
      {[] { return std::make_unique<MonthListContent>(); }, "月名リスト", 5, 12,
       {"0", " 1月", "睦月", "むつき", "JANUARY"}, {"11", "12月", "師走", "しわす", "DECEMBER"}},
      {[] { return std::make_unique<WeekListContent>(); }, "週名リスト", 3, 7,
       {"0", "日", "SUNDAY"}, {"6", "土", "SATURDAY"}},
      {[] { return std::make_unique<Week6ListContent>(); }, "六曜名リスト", 3, 6,
       {"0", "先勝", "せんかち"}, {"5", "赤口", "しゃっく"}},
      {[] { return std::make_unique<Star9ListContent>(); }, "九星名リスト", 3, 9,
       {"0", "一白", "一白水星"}, {"8", "九紫", "九紫火星"}},
      {[] { return std::make_unique<BirthdayListContent>(); }, "誕生石・花一覧", 3, 12,
       {"1", "ガーネット", "カーネーション"}, {"12", "トルコ石", "水仙"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    std::unique_ptr<ListContent> content = c.make();
    ListState state;
    state.year = 2000;
    ListPage page = content->Page(content->Clamp(state));
    EXPECT_EQ(page.title, c.title);
    ASSERT_EQ(page.columns.size(), c.columns);
    ASSERT_EQ(page.rows.size(), c.rows);
    EXPECT_EQ(page.rows.front(), c.first);
    EXPECT_EQ(page.rows.back(), c.last);
    for (const auto& row : page.rows) {
      ASSERT_EQ(row.size(), c.columns);
      for (const std::string& cell : row) EXPECT_FALSE(cell.empty());
    }
  }
}

TEST(AgeList, TheYear2026CountsBackTo1907) {
  AgeListContent content;
  ListState state;
  state.todayYear = 2026;
  state.todayMonth = 12;
  state.todayDay = 8;
  ListPage page = content.Page(content.Clamp(state));
  EXPECT_EQ(page.title, "年齢早見表");
  ASSERT_EQ(page.rows.size(), 120u);
  ASSERT_EQ(page.columns.size(), 6u);
  EXPECT_EQ(page.rows[0], (std::vector<std::string>{"2026", "平成 38", " ひのえ・うま", "   0",
                                                    "      0", ""}));
  EXPECT_EQ(page.rows[1][4], "    365");
  EXPECT_EQ(page.rows[119][0], "1907");
  EXPECT_EQ(page.rows[119][3], " 119");
  EXPECT_EQ(page.rows[36][0], "1990");
  EXPECT_EQ(page.rows[36][1], "平成  2");
  EXPECT_EQ(page.rows[36][5], "女子本厄(37)");
  // The same table under the law as it stands: 令和 from 2019.
  AgeListContent law(CalendarLaw::Current);
  ListPage current = law.Page(law.Clamp(state));
  EXPECT_EQ(current.rows[0][1], "令和  8");
  EXPECT_EQ(current.rows[7][1], "令和  1");
  EXPECT_EQ(current.rows[8][1], "平成 30");
  EXPECT_EQ(current.rows[36], page.rows[36]);

  // The 厄年 as the almanac lists them, by age in full years (the texts
  // count the traditional way, one more); every other row is empty.
  const std::map<int, std::string> unluckyYears = {
      {17, "女子前厄(18)"}, {18, "女子本厄(19)"}, {19, "女子後厄(20)"}, {23, "男子前厄(24)"},
      {24, "男子本厄(25)"}, {25, "男子後厄(26)"}, {31, "女子前厄(32)"}, {32, "女子本厄(33)"},
      {33, "女子後厄(34)"}, {35, "女子前厄(36)"}, {36, "女子本厄(37)"}, {37, "女子後厄(38)"},
      {40, "男子前厄(41)"}, {41, "男子本厄(42)"}, {42, "男子後厄(43)"}, {59, "男子前厄(60)"},
      {60, "男子本厄(61)"}, {61, "男子後厄(62)"}};
  int unlucky = 0;
  for (int r = 0; r < 120; ++r) {
    const int y = 2026 - r;
    // 日数 is the days from January 1 of the year after the person's birth
    // year... up to January 1 of this year: the lengths of this year and the
    // years down to y + 1.
    long long days = static_cast<long long>(CalendarNames::DayNumber(2027, 1, 1) -
                                            CalendarNames::DayNumber(y + 1, 1, 1));
    EXPECT_EQ(std::stoll(page.rows[r][4]), days) << y;
    const auto listed = unluckyYears.find(r);
    EXPECT_EQ(page.rows[r][5], listed == unluckyYears.end() ? "" : listed->second) << r;
    EXPECT_EQ(page.rows[r][5], AgeListContent::UnluckyYear(r));
    unlucky += !page.rows[r][5].empty();
  }
  EXPECT_EQ(unlucky, 18);
}

TEST(AgeList, AClockBeyondTheEraTableLeavesTheEraEmptyWithoutMessages) {
  AgeListContent content;
  ListState state;
  state.todayYear = 2096;  // the clock rule's last year
  ListPage page = content.Page(content.Clamp(state));
  EXPECT_EQ(page.rows[0][1], "");
  EXPECT_EQ(page.rows[45][0], "2051");
  EXPECT_EQ(page.rows[45][1], "平成 63");
  EXPECT_EQ(page.rows[0][2], " ひのえ・たつ");
}

}  // namespace
}  // namespace korvane
