#include "content/lists/senmei_list_content.h"

#include <gtest/gtest.h>

namespace {

using korvane::ListState;
using korvane::SenmeiListContent;

TEST(SenmeiListContent, ClampsTheYearToTheCalendarsYears) {
  SenmeiListContent content;
  EXPECT_EQ(content.Clamp(ListState{861, 1}).year, 862);
  EXPECT_EQ(content.Clamp(ListState{1700, 1}).year, 1684);
  EXPECT_EQ(content.Page(ListState{1700, 1}).title, "宣明暦 旧暦 1684年");
}

TEST(SenmeiListContent, RowsAndCells) {
  SenmeiListContent content;
  const auto page = content.Page(ListState{1000, 1});
  ASSERT_EQ(page.columns.size(), 7u);
  EXPECT_EQ(page.columns[4].header, "ﾕﾘｳｽ暦");
  ASSERT_EQ(page.rows.size(), 14u);
  // Month 1 of 1000: a big month beginning on 己卯, 1000-02-13.
  EXPECT_EQ(page.rows[2], (std::vector<std::string>{"1", "大", "己卯", " 15  5184", "1000 02 13",
                                                    "雨水  23  1522", "啓蟄  38  3358"}));

  // A leap year: fifteen rows, the leap month without a 中気.
  const auto leap = content.Page(ListState{1032, 1});
  ASSERT_EQ(leap.rows.size(), 15u);
  EXPECT_EQ(leap.rows[0][0], "閏10");
  EXPECT_EQ(leap.rows[0][5], "");
  EXPECT_EQ(leap.rows[14][0], "12");
}

}  // namespace
