// Per kind, a month whose cells are checked by hand, and the ends of the
// dialog's year ranges.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/format.h"
#include "engine/message_hook.h"
#include "content/year_range.h"
#include "content/grid/month_grid_content.h"

namespace korvane {
namespace {

// The page's text form split into lines: title, header, six weeks.
std::vector<std::string> Lines(GridKind kind, int year, int month, GridToday today = {}) {
  MonthGridContent content(kind);
  std::istringstream text(content.Page(year, month, 640, 480, today).ToText());
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

TEST(GregorianKinds, SexagenaryNamesRunOnAcrossTheWrap) {
  // 2024-01-01 is a 甲子 day; the December leading day before it is 癸亥.
  auto lines = Lines(GridKind::CGEtoView, 2024, 1);
  EXPECT_EQ(lines[0], "ｸﾞﾚｺﾞﾘｵ暦／干支 2024年 1月");
  EXPECT_EQ(lines[2], "~31|癸亥\t1|甲子\t2|乙丑\t3|丙寅\t4|丁卯\t5|戊辰\t6|己巳");
  EXPECT_EQ(lines[7], "~4|戊戌\t~5|己亥\t~6|庚子\t~7|辛丑\t~8|壬寅\t~9|癸卯\t~10|甲辰");
}

TEST(GregorianKinds, HolidayNamesReplaceTheNumberOnlyInTheirOwnMonth) {
  // 2012: 元日 on a Sunday, 振替休日 on the 2nd, 成人の日 on the 9th.
  auto january = Lines(GridKind::CGHolidayView, 2012, 1, GridToday{2012, 1, 9});
  EXPECT_EQ(january[2], "!元日\t!振替休日\t3\t4\t5\t6\t7");
  EXPECT_EQ(january[3], "8\t*!成人の日\t10\t11\t12\t13\t14");
  // Shown as a trailing day of December, the same date is just "1".
  auto december = Lines(GridKind::CGHolidayView, 2011, 12);
  EXPECT_EQ(december[6], "25\t26\t27\t28\t29\t30\t31");
  EXPECT_EQ(december[7], "~1\t~2\t~3\t~4\t~5\t~6\t~7");
}

TEST(GregorianKinds, TwoSolarTermsAMonth) {
  auto lines = Lines(GridKind::CGSeasonView, 2015, 2);
  EXPECT_EQ(lines[2], "1\t2\t3\t立春\t5\t6\t7");
  EXPECT_EQ(lines[4], "15\t16\t17\t18\t雨水\t20\t21");
}

TEST(GregorianKinds, LunisolarDateAndRokuyoThroughALeapMonth) {
  // Lunisolar 2012 repeats its third month: 閏3/1 is 2012-04-21.
  auto lines = Lines(GridKind::CGQDayView, 2012, 4);
  EXPECT_EQ(lines[0], "ｸﾞﾚｺﾞﾘｵ暦／旧暦暦 2012年 4月");
  EXPECT_EQ(lines[4],
            "15|旧 3/25\t16|旧 3/26\t17|旧 3/27\t18|旧 3/28\t19|旧 3/29\t20|旧 3/30\t21|旧閏 3/01");
  // A leap month counts as the month it repeats: the third month starts on 先負.
  auto rokuyo = Lines(GridKind::CGWeek6View, 2012, 4);
  EXPECT_EQ(rokuyo[4], "15|先負\t16|仏滅\t17|大安\t18|赤口\t19|先勝\t20|友引\t21|先負");
}

TEST(GregorianKinds, NineStarsTurnOnTheWinterKoshiDay) {
  // 2000-01-06 closes the descending run at 一白; 2000-01-07 (甲子) starts
  // the ascending run at 一白 again.
  auto lines = Lines(GridKind::CGStar9View, 2000, 1);
  EXPECT_EQ(lines[2], "~26|三碧\t~27|ニ黒\t~28|一白\t~29|九紫\t~30|八白\t~31|七赤\t1|六白");
  EXPECT_EQ(lines[3], "2|五黄\t3|四緑\t4|三碧\t5|ニ黒\t6|一白\t7|一白\t8|ニ黒");
}

TEST(GregorianKinds, NormalCalendarPutsTheHolidayBeforeTheTerm) {
  // 2000-03-20 is both 春分 and 春分の日; 2000-03-05 is 啓蟄.
  auto lines = Lines(GridKind::CGNormalView, 2000, 3, GridToday{2000, 3, 20});
  EXPECT_EQ(lines[3], "啓蟄|赤口\t6|友引\t7|先負\t8|仏滅\t9|大安\t10|赤口\t11|先勝");
  EXPECT_EQ(lines[5], "19|先負\t*!春分の日|仏滅\t21|大安\t22|赤口\t23|先勝\t24|友引\t25|先負");
}

TEST(LunisolarKinds, TitlesNameTheLeapMonth) {
  MonthGridContent content(GridKind::CQDayView);
  EXPECT_EQ(content.Title(2012, 3), "旧暦暦 旧暦  2012年  3月");
  EXPECT_EQ(content.Title(2012, 4), "旧暦暦 旧暦  2012年 閏 3月");
  EXPECT_EQ(content.Title(2012, 5), "旧暦暦 旧暦  2012年  4月");
  EXPECT_EQ(content.MonthsInYear(2012), 13);
  EXPECT_EQ(content.MonthsInYear(2013), 12);
  EXPECT_EQ(content.CorrectedMonth(2013, 13), 12);
  EXPECT_EQ(content.CorrectedMonth(2012, 13), 13);
}

TEST(LunisolarKinds, NewYearFollowsTheLeapThirteenthMonth) {
  // Lunisolar 2013/1/1 is Sunday 2013-02-10; the month before it is 2012's
  // thirteenth (its twelfth month, after the leap month).
  auto lines = Lines(GridKind::CQDayView, 2013, 1);
  EXPECT_EQ(lines[2], "1\t2\t3\t4\t5\t6\t7");
  MonthGridContent content(GridKind::CQGDayView);
  GridPage page = content.Page(2013, 1, 640, 480, {});
  EXPECT_EQ(page.cells[0][0].lower, "新02/10");
  // Lunisolar 2014/1/1 is 2014-01-31: its leading days are 2013's twelfth
  // month and its lower texts pass from January to February.
  auto y2014 = Lines(GridKind::CQGDayView, 2014, 1);
  EXPECT_EQ(y2014[2],
            "~26|新01/26\t~27|新01/27\t~28|新01/28\t~29|新01/29\t~30|新01/30\t1|新01/31\t2|新02/01");
  GridPage p2014 = content.Page(2014, 1, 640, 480, {});
  EXPECT_EQ(p2014.cells[0][0].lunarYear, 2013);
  EXPECT_EQ(p2014.cells[0][0].lunarMonth, 12);
}

TEST(LunisolarKinds, CellsCarryTheAttributesOfTheirOwnDates) {
  // 2000/1/1 is Saturday 2000-02-05, 三碧 of the ascending run that began
  // on 2000-01-07.
  auto star = Lines(GridKind::CQStar9View, 2000, 1, GridToday{2000, 2, 10});
  EXPECT_EQ(star[0], "旧暦暦／九星日 旧暦  2000年  1月");
  EXPECT_EQ(star[2], "~24|六白\t~25|七赤\t~26|八白\t~27|九紫\t~28|一白\t~29|ニ黒\t1|三碧");
  EXPECT_EQ(star[3], "2|四緑\t3|五黄\t4|六白\t5|七赤\t*6|八白\t7|九紫\t8|一白");
  // Lunisolar months 3 and 9 start on 先負.
  auto rokuyo = Lines(GridKind::CQWeek6View, 2012, 3);
  EXPECT_EQ(rokuyo[2], "~26|先負\t~27|仏滅\t~28|大安\t~29|赤口\t1|先負\t2|仏滅\t3|大安");
  auto eto = Lines(GridKind::CQEtoView, 2012, 4);
  EXPECT_EQ(eto[4], "9|庚申\t10|辛酉\t11|壬戌\t12|癸亥\t13|甲子\t14|乙丑\t15|丙寅");
}

TEST(LunisolarKinds, HolidaysAndTermsOfTheGregorianDate) {
  // 元日 2012 falls on lunisolar 2011/12/8 and shows its name in red.
  auto holiday = Lines(GridKind::CQHolidayView, 2011, 12, GridToday{2012, 1, 1});
  EXPECT_EQ(holiday[3], "*!元日\t!振替休日\t10\t11\t12\t13\t14");
  auto normal = Lines(GridKind::CQNormalView, 2000, 2);
  EXPECT_EQ(normal[4], "14|先負\t!春分の日|仏滅\t16|大安\t17|赤口\t18|先勝\t19|友引\t20|先負");
  EXPECT_EQ(normal[6], "28|大安\t29|赤口\t清明|先勝\t~1|先負\t~2|仏滅\t~3|大安\t~4|赤口");
  auto season = Lines(GridKind::CQSeasonView, 2000, 2);
  EXPECT_EQ(season[4], "14\t春分\t16\t17\t18\t19\t20");
}

TEST(LunisolarKinds, TodayOnlyInTheMonthThatContainsIt) {
  MonthGridContent content(GridKind::CQDayView);
  // 2012-05-20 is 閏3/30.
  GridPage leap = content.Page(2012, 4, 640, 480, GridToday{2012, 5, 20});
  EXPECT_EQ(leap.ops.back().role, DrawOp::Role::Today);
  EXPECT_EQ(leap.ops.back().text, "30");
  EXPECT_TRUE(leap.cells[5][0].today);
  for (int month : {3, 5}) {
    GridPage other = content.Page(2012, month, 640, 480, GridToday{2012, 5, 20});
    EXPECT_NE(other.ops.back().role, DrawOp::Role::Today) << month;
  }
  // A today the table does not cover is no today, and no message.
  MessageRecorder recorder;
  GridPage far = content.Page(2012, 4, 640, 480, GridToday{2100, 1, 1});
  EXPECT_NE(far.ops.back().role, DrawOp::Role::Today);
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(GridLayouts, TwoLineCellsHalveTheDayFontAndHolidaysUseTheSmallFont) {
  // 640 x 480: cells 91 wide (92 with the shared border) and 68 high.
  const int ch = 480 / 7;
  MonthGridContent normal(GridKind::CGNormalView);
  GridPage page = normal.Page(2000, 3, 640, 480, GridToday{2000, 3, 20});
  int holidays = 0;
  for (const DrawOp& op : page.ops) {
    if (op.role == DrawOp::Role::Header) {
      EXPECT_EQ(op.fontHeight, ch - 2);
    }
    if (op.role == DrawOp::Role::Upper && op.text == "春分の日") {
      ++holidays;
      EXPECT_EQ(op.color, kRed);
      EXPECT_EQ(op.box.top, page.grid.rowTop[op.row] + 1);
      // Eight columns set small enough to stand whole between the lines.
      EXPECT_EQ(op.fontHeight, (92 - 2) * 2 / 8);
    } else if (op.role == DrawOp::Role::Upper || op.role == DrawOp::Role::Lower ||
               op.role == DrawOp::Role::Today) {
      EXPECT_EQ(op.fontHeight, ch / 2) << op.text;
    }
    // Under a holiday the rokuyo is red too.
    if (op.role == DrawOp::Role::Lower && op.row == 4 && op.column == 1) {
      EXPECT_EQ(op.color, kRed);
    }
    // A term name in the two-line layout starts a pixel lower.
    if (op.role == DrawOp::Role::Upper && op.text == "啓蟄") {
      EXPECT_EQ(op.box.top, page.grid.rowTop[op.row] + 2);
    }
    if (op.role == DrawOp::Role::Lower) {
      EXPECT_EQ(op.box, page.grid.LowerBox(op.column, op.row));
    }
  }
  EXPECT_EQ(holidays, 1);
  EXPECT_EQ(page.ops.back().role, DrawOp::Role::Today);

  MonthGridContent holiday(GridKind::CGHolidayView);
  GridPage one = holiday.Page(2012, 1, 640, 480, {});
  for (const DrawOp& op : one.ops) {
    if (op.role != DrawOp::Role::Upper) continue;
    if (op.text == "元日") {
      EXPECT_EQ(op.fontHeight, ch / 2);
      EXPECT_EQ(op.color, kRed);
    } else if (op.text == "振替休日" || op.text == "成人の日") {
      EXPECT_EQ(op.fontHeight, (92 - 2) * 2 / 8);
      EXPECT_EQ(op.color, kRed);
    } else {
      EXPECT_EQ(op.fontHeight, ch - 2) << op.text;
    }
  }
}

TEST(GridLayouts, EveryTextFitsBetweenTheFrameLines) {
  // At any size, a text is never wider than its cell in the fixed-pitch
  // face (a column is half the character height), also where cells are
  // narrower than their texts (振替休日 on April 30 in cells 8 pixels wide).
  for (const GridKindInfo& kind : AllGridKinds()) {
    MonthGridContent content(kind.kind);
    for (auto [w, h] : {std::pair{600, 420}, {320, 240}, {1200, 850}, {300, 900}, {56, 42}}) {
      GridPage page = content.Page(2012, 4, w, h, GridToday{2012, 4, 29});
      for (const DrawOp& op : page.ops) {
        if (op.kind != DrawOp::Kind::Text) continue;
        EXPECT_LE(DisplayWidth(op.text) * op.fontHeight / 2, op.box.width() - 2)
            << kind.className() << " " << op.text << " at " << w << "x" << h;
        EXPECT_GE(op.fontHeight, 1) << kind.className() << " " << op.text << " at " << w << "x" << h;
      }
    }
  }
}

// One month past an end of a range shows a range message in some view of
// the kind, so the ranges are as wide as the views allow.
TEST(YearRangeEnds, OneMonthFurtherWouldShowARangeMessage) {
  struct Beyond {
    GridKind kind;
    int year;
    int month;
  };
  const Beyond cases[] = {
      {GridKind::CGQDayView, 593, 1},      // before lunisolar 593/1/1
      {GridKind::CGWeek6View, 2051, 12},   // trailing days in 2052
      {GridKind::CQWeek6View, 2051, 12},   // the next month is lunisolar 2052
      {GridKind::CQSeasonView, 2051, 12},  // terms of January 2052
      {GridKind::CGSeasonView, 1850, 6},   // terms of 1850
      {GridKind::CGStar9View, 1852, 1},    // a December 1851 leading day
  };
  for (const Beyond& b : cases) {
    MessageRecorder recorder;
    MonthGridContent content(b.kind);
    content.Page(b.year, b.month, 640, 480, {});
    EXPECT_FALSE(recorder.messages().empty()) << content.info().className() << " " << b.year;
    const YearRange range = YearRangeOf(content.info().rangeKind());
    EXPECT_FALSE(range.Contains(b.year));
    EXPECT_LE(std::abs(b.year - (b.year < range.min ? range.min : range.max)), 1);
  }
}

}  // namespace
}  // namespace korvane
