// korvane-print run as a program: the month grids as text, the defaults
// from --today, and bad arguments refused with one line and status 2.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/format.h"
#include "engine/calendar_names.h"
#include "textdata/haiku_table.h"
#include "support/tool_run.h"
#include "content/grid/month_grid_content.h"

namespace korvane {
namespace {

const std::string kTool = KORVANE_BINARY_DIR "/tools/korvane-print";

// Runs the tool; `dir`, when given, is its working directory.
ToolRun Print(const std::string& arguments, const std::string& dir = {}) {
  return RunCommand((dir.empty() ? "" : "cd '" + dir + "' && ") + kTool + " " + arguments);
}

class KorvanePrint : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kTool)) GTEST_SKIP() << "korvane-print is not built: " << kTool;
  }
};

TEST_F(KorvanePrint, PrintsTheGridOfTheWindow) {
  ToolRun run = Print("CGNormalView 2000 3 --today 2000-03-20");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty());
  EXPECT_EQ(run.out,
            "ｸﾞﾚｺﾞﾘｵ暦／一般的暦 2000年 3月\n"
            "日\t月\t火\t水\t木\t金\t土\n"
            "~27|大安\t~28|赤口\t~29|先勝\t1|友引\t2|先負\t3|仏滅\t4|大安\n"
            "啓蟄|赤口\t6|友引\t7|先負\t8|仏滅\t9|大安\t10|赤口\t11|先勝\n"
            "12|友引\t13|先負\t14|仏滅\t15|大安\t16|赤口\t17|先勝\t18|友引\n"
            "19|先負\t*!春分の日|仏滅\t21|大安\t22|赤口\t23|先勝\t24|友引\t25|先負\n"
            "26|仏滅\t27|大安\t28|赤口\t29|先勝\t30|友引\t31|先負\t~1|仏滅\n"
            "~2|大安\t~3|赤口\t~4|先勝\t~5|先負\t~6|仏滅\t~7|大安\t~8|赤口\n");
  // The same text as the content the window paints.
  MonthGridContent content(GridKind::CQHolidayView);
  ToolRun lunar = Print("CQHolidayView 2011 12 --today=2012-01-01");
  EXPECT_EQ(lunar.out, content.Page(2011, 12, 640, 480, GridToday{2012, 1, 1}).ToText());
}

TEST_F(KorvanePrint, DefaultsToTodaysMonthInTheKindsCalendar) {
  ToolRun gregorian = Print("CGDayView --today 2015-02-18");
  EXPECT_EQ(gregorian.out.substr(0, gregorian.out.find('\n')), "ｸﾞﾚｺﾞﾘｵ暦 2015年 2月");
  EXPECT_NE(gregorian.out.find("*18"), std::string::npos);
  // 2012-05-20 lies in the leap third month, index 4.
  ToolRun lunar = Print("CQDayView --today 2012-05-20");
  EXPECT_EQ(lunar.out.substr(0, lunar.out.find('\n')), "旧暦暦 旧暦  2012年 閏 3月");
  EXPECT_NE(lunar.out.find("*30"), std::string::npos);
  // A year alone keeps today's month index, corrected for a year without
  // the leap month.
  ToolRun year = Print("CQDayView 2013 --today 2012-12-20");  // 2012 index 13
  EXPECT_EQ(year.status, 0) << year.err;
  EXPECT_EQ(year.out.substr(0, year.out.find('\n')), "旧暦暦 旧暦  2013年 12月");
}

TEST_F(KorvanePrint, TheLawAsItStandsUnlessAskedForThePublishedRules) {
  // December 2026: 天皇誕生日 on the 23rd only by the published rules.
  ToolRun law = Print("CGHolidayView 2026 12 --today 2026-12-01");
  ToolRun published = Print("CGHolidayView 2026 12 --as-published --today 2026-12-01");
  EXPECT_EQ(law.status, 0) << law.err;
  EXPECT_EQ(published.status, 0) << published.err;
  EXPECT_EQ(law.out.find("天皇誕生日"), std::string::npos);
  EXPECT_NE(published.out.find("!天皇誕生日"), std::string::npos);
  EXPECT_EQ(law.out, MonthGridContent(GridKind::CGHolidayView, CalendarLaw::Current)
                         .Page(2026, 12, 640, 480, GridToday{2026, 12, 1})
                         .ToText());
  // The lists as well: the holiday list and the era list.
  ToolRun holidays = Print("CHolidayListView 2026 --today 2026-12-01");
  ToolRun publishedHolidays = Print("CHolidayListView 2026 --as-published --today 2026-12-01");
  EXPECT_NE(holidays.out.find("\n8\t11\t火\t山の日\n"), std::string::npos) << holidays.err;
  EXPECT_EQ(publishedHolidays.out.find("山の日"), std::string::npos) << publishedHolidays.err;
  EXPECT_TRUE(Print("CNengoListView --today 2026-12-01").out.ends_with("\n令和\t2019\t...\t8\n"));
  EXPECT_TRUE(Print("--as-published CNengoListView --today 2026-12-01")
                  .out.ends_with("\n平成\t1989\t...\t38\n"));
}

TEST_F(KorvanePrint, BadArgumentsGiveOneLineAndStatusTwo) {
  const char* cases[] = {
      "CGStar9View 1852 1",              // before the kind's years
      "CQDayView 2051 1",                // after them
      "CQDayView 2013 13",               // no leap month in 2013
      "CGDayView 2000 0",                // no month 0
      "CGDayView 2000 x",                // not a number
      "CGDayView 99999999999 1",         // far too large
      "CNoSuchView 2000 1",              // not a kind
      "",                                // no kind
      "CGDayView 2000 1 5",              // too many
      "CGDayView --today 2001-02-29",    // not a date
      "CGDayView --today",               // no date
      "CGDayView --today 2060-01-01",    // today outside the years, no YEAR
      "CGDayView 2000 1 --color",        // unknown option
      "CGDayView --today 2024-+1-01",    // dates and numbers are digits only
      "CGDayView --today ' 2000-01-01'",
      "CGDayView --today '2000-01-01 '",
      "CGDayView --today 02000-1-01",
      "CGDayView ' 2000' 1",
      "CGDayView +2000 1",
      "CGDayView 2000 '1 '",
      "-5 CGNormalView",                 // an option before the kind
      "\"$(printf 'CGDay\\nView')\"",  // a line break in an echoed argument
      "CGDayView --today \"$(printf '2000-01-0\\r')\"",
  };
  for (const char* arguments : cases) {
    ToolRun run = Print(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_TRUE(run.out.empty()) << arguments;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << ": " << run.err;
  }
  EXPECT_EQ(Print("-5 CGNormalView").err.find("not a year"), std::string::npos);
  EXPECT_NE(Print("\"$(printf 'CGDay\\nView')\"").err.find("CGDay\\x0AView"), std::string::npos);
  // Options may come first; a year error names the calendar of the year.
  EXPECT_EQ(Print("--today 2000-03-20 CGNormalView 2000 3").status, 0);
  const std::string lunar = Print("CQStar9View --today 1853-01-01").err;
  EXPECT_NE(lunar.find("lunisolar year 1852"), std::string::npos) << lunar;
  // The same lunisolar year with its leap month has a thirteenth month.
  EXPECT_EQ(Print("CQDayView 2012 13").status, 0);
}

TEST_F(KorvanePrint, HelpAnywhereShowsTheUsage) {
  for (const char* arguments : {"--help", "CGDayView --help", "CQDayView 2012 -h"}) {
    ToolRun run = Print(arguments);
    EXPECT_EQ(run.status, 0) << arguments;
    EXPECT_TRUE(run.err.empty()) << arguments;
    EXPECT_EQ(run.out.rfind("usage: korvane-print", 0), 0u) << arguments << ": " << run.out;
    EXPECT_NE(run.out.find("CQNormalView"), std::string::npos) << arguments;
  }
}

// A help file that is not there fails the run (1), a topic the file does
// not have the arguments (2); a byte of the argument that is not UTF-8 is
// written escaped.
TEST_F(KorvanePrint, TopicFailuresAreToldApart) {
  const std::filesystem::path empty = std::filesystem::temp_directory_path() /
                                      ("korvane_print_topic_" + std::to_string(getpid()));
  std::filesystem::create_directories(empty);
  struct Case {
    std::string dir, topic;
    int status;
    const char* said;
  };
  for (const Case& c : {Case{empty.string(), "", 1, "TxtData/Topics.txt ファイル を読み出し出来ません."},
                        Case{empty.string(), "'\xff'", 1, "ファイル を読み出し出来ません."},
                        Case{KORVANE_BINARY_DIR, "'x\xff\x82y'", 2, "x\\xFF\\x82y"}}) {
    const ToolRun run = Print("topic " + c.topic, c.dir);
    EXPECT_EQ(run.status, c.status) << c.topic;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\xff'), std::string::npos) << run.err;
  }
  std::filesystem::remove_all(empty);
}

// The day calendar's page: the title, then every text in drawing order.
TEST_F(KorvanePrint, DayPageTextsInDrawingOrder) {
  // A holiday (憲法記念日, red), a solar-term day that is also a holiday
  // (春分の日 / 春分), a day without moonrise (2000-01-28 at 東京).
  // The haiku comes from the table built into the program.
  const HaikuRecord haiku = HaikuOfDay(CalendarNames::DayOfYear(2024, 5, 3));
  const std::string haikuLine =
      haiku.present ? haiku.upper + " " + haiku.middle + " " + haiku.lower + "\n" : "";
  // Without a TxtData folder anywhere (none here, an empty home, nothing
  // installed): no schedule entry, no normal temperatures, and the missing
  // files named on standard error.
  const std::filesystem::path empty = std::filesystem::temp_directory_path() /
                                      ("korvane_print_day_" + std::to_string(getpid()));
  std::filesystem::create_directories(empty);
  const std::string nowhere = "env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME=" + empty.string() +
                              " KORVANE_SHIPPED_TXTDATA=" + empty.string() + "/none ";
  ToolRun run = RunCommand("cd '" + empty.string() + "' && " + nowhere + kTool + " day 2024-05-03");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("/TxtData/weather.txt is missing"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("/TxtData/annual.txt is missing"), std::string::npos) << run.err;
  EXPECT_EQ(run.out,
            "2024年(令和6年)\n3\nFRIDAY\n金曜\n  大 5月 3日\n旧小 3月25日\n七赤\n先負\n"
            "ひのと・う\n 5月(MAY)\n皐月(さつき)\n月齢 24.2\n東京\n日の出  4 47\n    入 18 29\n"
            "月の出  1 54\n    入 12 49\n閉・亢宿\n一粒万倍日\n不成就日 天恩日\n" + haikuLine +
                "憲法記念日\n誕生石・花 エメラルド,鈴蘭\n");
  // The era as published: 平成 carried on.
  run = Print("--as-published day 2024-05-03", empty.string());
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "2024年(平成36年)");
  std::filesystem::remove_all(empty);
  run = Print("day 2024-03-20");
  EXPECT_NE(run.out.find("\n春分の日\n春分\n誕生石・花 "), std::string::npos) << run.out;
  run = Print("day 2000-01-28 --place 39");
  EXPECT_NE(run.out.find("\n月の出 --\n    入 11 06\n下弦(16 57)\n"), std::string::npos) << run.out;
  // Another place: its own name and times.
  run = Print("day 2000-01-28 --place=0");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.find("東京"), std::string::npos);

  for (const char* arguments : {"day", "day 2024-02-30", "day 1700-01-01", "day 2024-01-01 --place 87",
                                "day 2024-01-01 --place", "day 2024-01-01 2024-01-02",
                                "day 2024-01-01 --moon"}) {
    run = Print(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_TRUE(run.out.empty()) << arguments;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << ": " << run.err;
  }
}


// Every record as the program holds it, one line each; a number alone gives
// that record; anything else is refused.
TEST_F(KorvanePrint, PrintsTheHaikuTableRecordByRecord) {
  ToolRun all = Print("haiku");
  EXPECT_EQ(all.status, 0) << all.err;
  std::istringstream lines(all.out);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    const HaikuRecord h = HaikuOfDay(number - 1);
    EXPECT_EQ(line, Format("%s\t%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d", h.upper.c_str(), h.middle.c_str(),
                           h.lower.c_str(), h.era.c_str(), h.eraYear, h.month, h.day, h.number, h.present));
  }
  EXPECT_EQ(number, kHaikuCount);
  EXPECT_EQ(Print("haiku 1").out, "春立や\t新年ふるき\t米五升\t貞享\t1\t1\t1\t1\t1\n");
  EXPECT_EQ(Print("haiku 366").out, "姥桜\t咲くや老後の\t思ひ出\t寛文\t4\t99\t99\t366\t1\n");
  for (const char* bad : {"haiku 0", "haiku 367", "haiku x", "haiku 1 2", "--place 3 haiku"}) {
    const ToolRun run = Print(bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_TRUE(run.out.empty()) << bad;
  }
}
}  // namespace
}  // namespace korvane

namespace korvane {
namespace {

// A row's cell of a printed list (row 1 = day 1; cells tab-separated).
std::string Cell(const std::string& text, int day, int column) {
  std::istringstream in(text);
  std::string line;
  for (int skip = 0; skip < 2 + day && std::getline(in, line);) ++skip;
  std::istringstream cells(line);
  std::string cell;
  for (int c = 0; c <= column && std::getline(cells, cell, '\t');) ++c;
  return cell;
}

// Any place by latitude and longitude: the lists' title names it with its
// offset, the times are in that offset, a sun that never sets is "--", and
// values out of range are refused with one line.
TEST_F(KorvanePrint, AnyPlaceByLatitudeAndLongitude) {
  ToolRun greenwich = Print(
      "CSunTimeListView 2026 6 --lat 51.4779 --lon -0.0015 --utc-offset 0 --place-name Greenwich");
  ASSERT_EQ(greenwich.status, 0) << greenwich.err;
  EXPECT_EQ(greenwich.out.substr(0, greenwich.out.find('\n')),
            "日の出／入 Greenwich UTC+0(2026年6月)");
  // PyEphem: 03:48.6 and 20:07.7 on June 1 (tests/astro/data).
  EXPECT_EQ(Cell(greenwich.out, 1, 4), " 3 49");
  EXPECT_EQ(Cell(greenwich.out, 1, 6), " 20 08");
  ToolRun north = Print("CSunTimeListView 2026 6 --lat=89.9 --lon=0 --utc-offset=1");
  ASSERT_EQ(north.status, 0) << north.err;
  EXPECT_NE(north.out.find("89°54′00″N 0°00′00″E UTC+1"), std::string::npos) << north.out;
  EXPECT_EQ(Cell(north.out, 21, 4), " --");
  EXPECT_EQ(Cell(north.out, 21, 6), " --");
  EXPECT_EQ(Print("CMoonTimeListView 2026 6 --lat 64.1466 --lon -21.9426 --utc-offset 0").status, 0);
  // The day page: the place's name and times, no normal temperature line.
  ToolRun day = Print("day 2026-06-21 --lat -33.8688 --lon 151.2093 --utc-offset 10 "
                      "--place-name Sydney");
  ASSERT_EQ(day.status, 0) << day.err;
  EXPECT_NE(day.out.find("\nSydney\n日の出  7 00\n    入 16 54\n"), std::string::npos) << day.out;
  EXPECT_EQ(day.out.find("平年"), std::string::npos);

  for (const char* arguments : {
           "CSunTimeListView 2026 6 --lat 90.5 --lon 0",      // beyond the pole
           "CSunTimeListView 2026 6 --lat 0 --lon 180.5",
           "CSunTimeListView 2026 6 --lat 0 --lon 0 --utc-offset 14.5",
           "CSunTimeListView 2026 6 --lat 0 --lon 0 --utc-offset -12.5",
           "CSunTimeListView 2026 6 --lat 0 --lon 0 --height x",
           "CSunTimeListView 2026 6 --lat north --lon 0",
           "CSunTimeListView 2026 6 --lat 35",                // no longitude
           "CSunTimeListView 2026 6 --utc-offset 0",          // no place
           "CSunTimeListView 2026 6 12 --lat 35 --lon 139",   // and a PLACE
           "CMoonAgeListView 2026 6 --lat 35 --lon 139",      // a list without a place
           "CGNormalView 2026 6 --lat 35 --lon 139",          // a month grid
           "day 2026-06-21 --place 3 --lat 35 --lon 139",
           "CSunTimeListView 2026 6 --lat 35 --lat 36 --lon 139",
       }) {
    ToolRun run = Print(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_TRUE(run.out.empty()) << arguments;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << ": " << run.err;
  }
}

}  // namespace
}  // namespace korvane
