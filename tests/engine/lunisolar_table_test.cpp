#include "engine/lunisolar_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/message_hook.h"

namespace {

// The table is large; one instance serves the read-only checks.
const LunisolarTable& Table() {
  static const auto* table = new LunisolarTable();
  return *table;
}

int PositionCount(const LunisolarTable& t, int year) { return 12 + t.HasLeapMonth(year); }

std::string Text(const char* text) { return text ? text : "(null)"; }

// ---------------------------------------------------------------------------
// The data as a whole, seen only through the table's operations.

TEST(LunisolarTableData, WholeTableFacts) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  int leapYears = 0;
  long daysTo2050 = 0;
  std::map<int, int> lengths;
  for (int y = 593; y <= 2051; ++y) {
    leapYears += t.HasLeapMonth(y);
    lengths[t.YearDays(y)] += 1;
    if (y <= 2050) daysTo2050 += t.YearDays(y);
  }
  EXPECT_EQ(leapYears, 537);
  EXPECT_EQ(lengths, (std::map<int, int>{{353, 5}, {354, 585}, {355, 330}, {356, 2},
                                         {383, 55}, {384, 472}, {385, 10}}));
  EXPECT_EQ(daysTo2050, 532525);
  EXPECT_EQ(t.ToGregorian(2051, 1, 1), (GregorianDate{2051, 2, 11}));
  // The last day of the table, 2051/12 (a big month), and the day after it.
  EXPECT_EQ(t.ToGregorian(2051, 12, 30), (GregorianDate{2052, 1, 31}));
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(LunisolarTableData, EveryYearIsConsistent) {
  const LunisolarTable& t = Table();
  for (int y = 593; y <= 2051; ++y) {
    SCOPED_TRACE(y);
    const int leap = t.LeapPosition(y);
    ASSERT_EQ(t.HasLeapMonth(y), leap != 0 ? 1 : 0);
    // A leap month repeats a month 1..12, so it sits at position 2..13.
    if (leap != 0) {
      EXPECT_TRUE(leap >= 2 && leap <= 13);
    }
    int days = 0;
    for (int p = 1; p <= PositionCount(t, y); ++p) {
      const int n = t.MonthDays(y, p);
      ASSERT_TRUE(n == 29 || n == 30) << "position " << p;
      days += n;
      EXPECT_EQ(Text(t.MonthSizeLabel(y, p)),
                std::string(p == leap ? "閏" : "") + (n == 30 ? "大" : "小"));
    }
    EXPECT_EQ(days, t.YearDays(y));
    // Consecutive years: the day after a year's last day is the next new year.
    if (y < 2051) {
      const int lastPosition = PositionCount(t, y);
      const GregorianDate last = t.ToGregorian(y, lastPosition, t.MonthDays(y, lastPosition));
      const GregorianDate next = t.ToGregorian(y + 1, 1, 1);
      EXPECT_EQ(CalendarNames::DayNumber(next.year, next.month, next.day) -
                    CalendarNames::DayNumber(last.year, last.month, last.day),
                1.0);
      // Lunisolar new year falls in January or February.
      EXPECT_TRUE(next.month == 1 || next.month == 2) << next.month;
    }
  }
}

struct TellingRow {
  int year;
  int sizes[12];
  int leapMonth;
  int leapSize;
  const char* era;
  int eraYear;
};

TEST(LunisolarTableData, TellingRows) {
  const TellingRow rows[] = {
      {593, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1}, 0, 0, "推古", 1},
      {594, {1, 0, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1}, 9, 0, "推古", 2},
      {595, {0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0}, 0, 0, "推古", 3},
      {596, {1, 0, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1}, 0, 0, "推古", 4},
      {597, {0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1}, 5, 1, "推古", 5},
      {1873, {0, 0, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1}, 6, 1, "明治", 6},
      {1900, {0, 1, 0, 0, 1, 0, 1, 1, 1, 1, 0, 1}, 8, 0, "明治", 33},
      {2000, {1, 1, 0, 0, 1, 0, 0, 1, 0, 1, 1, 0}, 0, 0, "平成", 12},
      {2012, {1, 0, 1, 1, 0, 1, 0, 0, 1, 0, 1, 0}, 3, 1, "平成", 24},
      {2014, {0, 1, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1}, 9, 0, "平成", 26},
      {2049, {1, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1, 0}, 0, 0, "平成", 61},
      {2050, {1, 0, 0, 0, 1, 0, 1, 1, 0, 1, 1, 0}, 3, 1, "平成", 62},
      {2051, {1, 0, 0, 1, 0, 1, 0, 1, 0, 1, 1, 1}, 0, 0, "平成", 63},
  };
  const LunisolarTable& t = Table();
  for (const TellingRow& row : rows) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(t.LeapPosition(row.year), row.leapMonth ? row.leapMonth + 1 : 0);
    int month = 0;
    for (int p = 1; p <= PositionCount(t, row.year); ++p) {
      const bool isLeap = p == t.LeapPosition(row.year);
      if (!isLeap) ++month;
      const int expected = isLeap ? row.leapSize : row.sizes[month - 1];
      EXPECT_EQ(t.MonthDays(row.year, p), expected ? 30 : 29) << "position " << p;
    }
    EXPECT_STREQ(t.EraName(row.year), row.era);
    EXPECT_EQ(t.EraYear(row.year), row.eraYear);
  }
  EXPECT_EQ(t.ToGregorian(1873, 1, 1), (GregorianDate{1873, 1, 29}));
  EXPECT_EQ(t.ToGregorian(1900, 1, 1), (GregorianDate{1900, 1, 31}));
  EXPECT_EQ(t.ToGregorian(2000, 1, 1), (GregorianDate{2000, 2, 5}));
}

// Every year's new year and months against the gathered year table.
TEST(LunisolarTableData, AgreesWithGatheredTable) {
  const std::string path = std::string(KORVANE_SHARED_DATA_DIR) + "/lunisolar-candidate.csv";
  std::ifstream in(path);
  if (!in) GTEST_SKIP() << "gathered year table not found: " << path;
  const LunisolarTable& t = Table();
  std::string line;
  std::getline(in, line);  // header
  int rows = 0;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream ss(line);
    for (std::string field; std::getline(ss, field, ',');) fields.push_back(field);
    ASSERT_GE(fields.size(), 16u) << line;
    const int year = std::stoi(fields[0]);
    SCOPED_TRACE(year);
    int gy = 0, gm = 0, gd = 0;
    ASSERT_EQ(std::sscanf(fields[1].c_str(), "%d-%d-%d", &gy, &gm, &gd), 3);
    EXPECT_EQ(t.ToGregorian(year, 1, 1), (GregorianDate{gy, gm, gd}));
    EXPECT_EQ(t.FromGregorian(gy, gm, gd), (LunisolarDate{year, 1, t.LeapPosition(year), 1}));
    const int leapMonth = std::stoi(fields[14]);
    EXPECT_EQ(t.LeapPosition(year), leapMonth ? leapMonth + 1 : 0);
    for (int m = 1; m <= 12; ++m) {
      const int position = (leapMonth != 0 && m > leapMonth) ? m + 1 : m;
      EXPECT_EQ(t.MonthDays(year, position), fields[1 + m] == "1" ? 30 : 29) << "month " << m;
    }
    if (leapMonth != 0) {
      EXPECT_EQ(t.MonthDays(year, leapMonth + 1), fields[15] == "1" ? 30 : 29);
    }
    ++rows;
  }
  EXPECT_EQ(rows, 1459);
}

// ---------------------------------------------------------------------------
// Conversions.

// Walks every day of the table: both conversions are inverse, consecutive
// Gregorian days are consecutive lunisolar days, and the lunisolar day cycles
// agree with the Gregorian ones.
TEST(LunisolarTableConversion, WholeRangeRoundTrip) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  LunisolarDate previous{};
  long days = 0;
  int failures = 0;
  for (int y = 593; y <= 2051 && failures < 10; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= CalendarNames::MonthLength(y, m); ++d) {
        if (y == 593 && (m == 1 || (m == 2 && d < 9))) continue;
        const LunisolarDate l = t.FromGregorian(y, m, d);
        const GregorianDate g = t.ToGregorian(l.year, l.month, l.day);
        bool ok = g == GregorianDate{y, m, d} && l.leapPosition == t.LeapPosition(l.year) &&
                  t.LunarSexagenaryDayIndex(l.year, l.month, l.day) ==
                      CalendarNames::SexagenaryDayIndex(y, m, d) &&
                  t.LunarDayOfWeek(l.year, l.month, l.day) == CalendarNames::DayOfWeek(y, m, d);
        if (days > 0) {
          const bool nextDay = l.year == previous.year && l.month == previous.month &&
                               l.day == previous.day + 1;
          const bool nextMonth = l.year == previous.year && l.month == previous.month + 1 &&
                                 l.day == 1 &&
                                 previous.day == t.MonthDays(previous.year, previous.month);
          const bool nextYear = l.year == previous.year + 1 && l.month == 1 && l.day == 1 &&
                                previous.month == PositionCount(t, previous.year) &&
                                previous.day == t.MonthDays(previous.year, previous.month);
          ok = ok && (nextDay || nextMonth || nextYear);
        } else {
          ok = ok && l == LunisolarDate{593, 1, 0, 1};
        }
        if (!ok) {
          ++failures;
          ADD_FAILURE() << y << "-" << m << "-" << d << " -> " << l.year << "/" << l.month << "/"
                        << l.day << " -> " << g.year << "-" << g.month << "-" << g.day;
        }
        previous = l;
        ++days;
      }
    }
  }
  EXPECT_EQ(days, CalendarNames::DayNumber(2051, 12, 31) - 39 + 1);
  EXPECT_EQ(previous, (LunisolarDate{2051, 11, 0, 29}));
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(LunisolarTableConversion, PublishedDates) {
  const LunisolarTable& t = Table();
  EXPECT_EQ(t.FromGregorian(593, 2, 9), (LunisolarDate{593, 1, 0, 1}));
  EXPECT_EQ(t.ToGregorian(593, 1, 1), (GregorianDate{593, 2, 9}));
  EXPECT_EQ(t.FromGregorian(2000, 2, 5), (LunisolarDate{2000, 1, 0, 1}));
  // The last day of a small month 12.
  EXPECT_EQ(t.FromGregorian(2000, 2, 4), (LunisolarDate{1999, 12, 0, 29}));
  EXPECT_EQ(t.FromGregorian(2051, 12, 31), (LunisolarDate{2051, 11, 0, 29}));
  // 2012 has 閏3月 (position 4): 2012-04-21 is 閏3/1, 2012-05-21 is 4/1.
  EXPECT_EQ(t.FromGregorian(2012, 4, 21), (LunisolarDate{2012, 4, 4, 1}));
  EXPECT_EQ(t.FromGregorian(2012, 5, 21), (LunisolarDate{2012, 5, 4, 1}));
  // 2024's new year is 2024-02-10; 2023 has 閏2月 from 2023-03-22.
  EXPECT_EQ(t.ToGregorian(2024, 1, 1), (GregorianDate{2024, 2, 10}));
  EXPECT_EQ(t.FromGregorian(2023, 3, 22), (LunisolarDate{2023, 3, 3, 1}));
  // Lunisolar 593/1/1: 壬寅 (38), a Saturday.
  EXPECT_EQ(t.LunarSexagenaryDayIndex(593, 1, 1), 38);
  EXPECT_EQ(t.LunarDayOfWeek(593, 1, 1), 6);
}

// Leap months and new years of recent years as printed in Japanese
// almanacs, independent of the gathered table that the data file is made from.
TEST(LunisolarTableConversion, PublishedLeapMonthsAndNewYears) {
  const LunisolarTable& t = Table();
  struct Leap {
    int year, leapMonth;
  };
  const Leap leaps[] = {{2001, 4}, {2004, 2}, {2006, 7}, {2009, 5}, {2012, 3}, {2014, 9},
                        {2017, 5}, {2020, 4}, {2023, 2}, {2025, 6}, {2031, 3}, {2033, 11}};
  for (const Leap& leap : leaps) {
    EXPECT_EQ(t.LeapPosition(leap.year), leap.leapMonth + 1) << leap.year;
  }
  for (int year : {2002, 2003, 2005, 2010, 2019, 2021, 2022, 2024, 2026}) {
    EXPECT_EQ(t.HasLeapMonth(year), 0) << year;
  }
  struct NewYear {
    int year, month, day;
  };
  const NewYear newYears[] = {{2001, 1, 24}, {2004, 1, 22}, {2009, 1, 26}, {2017, 1, 28},
                              {2020, 1, 25}, {2021, 2, 12}, {2022, 2, 1},  {2023, 1, 22},
                              {2024, 2, 10}, {2025, 1, 29}, {2026, 2, 17}, {2033, 1, 31}};
  for (const NewYear& n : newYears) {
    EXPECT_EQ(t.ToGregorian(n.year, 1, 1), (GregorianDate{n.year, n.month, n.day})) << n.year;
  }
  // 2025's 閏6月 began on 2025-07-25; New Year's Day 2026 was 2025/11/13 (position 12), 大安.
  EXPECT_EQ(t.FromGregorian(2025, 7, 25), (LunisolarDate{2025, 7, 7, 1}));
  const LunisolarDate newYearsDay = t.FromGregorian(2026, 1, 1);
  EXPECT_EQ(newYearsDay, (LunisolarDate{2025, 12, 7, 13}));
  EXPECT_EQ(t.RokuyoIndex(newYearsDay.year, newYearsDay.month, newYearsDay.day), 4);
}

// ---------------------------------------------------------------------------
// Labels and 六曜.

TEST(LunisolarTableLabels, LeapYear2012) {
  const LunisolarTable& t = Table();
  EXPECT_EQ(t.LeapPosition(2012), 4);
  EXPECT_STREQ(t.MonthLabel(2012, 3), " 3");
  EXPECT_STREQ(t.MonthLabel(2012, 4), "閏 3");
  EXPECT_STREQ(t.MonthSizeLabel(2012, 4), "閏大");
  EXPECT_STREQ(t.MonthLabel(2012, 5), " 4");
  EXPECT_STREQ(t.MonthLabel(2012, 13), "12");
  EXPECT_EQ(t.RokuyoIndex(2012, 3, 1), 2);
  EXPECT_EQ(t.RokuyoIndex(2012, 4, 1), 2);
  EXPECT_EQ(t.RokuyoIndex(2012, 5, 1), 3);
  EXPECT_EQ(t.RokuyoIndex(2012, 13, 1), 5);
}

TEST(LunisolarTableLabels, OrdinaryYear) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  EXPECT_STREQ(t.MonthLabel(2000, 1), " 1");
  EXPECT_STREQ(t.MonthLabel(2000, 10), "10");
  EXPECT_STREQ(t.MonthSizeLabel(2000, 1), "大");
  EXPECT_STREQ(t.MonthSizeLabel(2000, 3), "小");
  // Position 13 is not a month of an ordinary year; neither are 0 and 14.
  EXPECT_EQ(t.MonthSizeLabel(2000, 13), nullptr);
  EXPECT_EQ(t.RokuyoIndex(2000, 13, 1), -1);
  EXPECT_EQ(t.MonthDays(2000, 13), -1);
  EXPECT_STREQ(t.MonthLabel(2000, 13), "");
  EXPECT_EQ(t.ToGregorian(2000, 13, 1), GregorianDate{});
  for (int p : {0, -1, 14}) {
    EXPECT_EQ(t.MonthSizeLabel(2012, p), nullptr);
    EXPECT_STREQ(t.MonthLabel(2012, p), "");
    EXPECT_EQ(t.MonthDays(2012, p), -1);
    EXPECT_EQ(t.RokuyoIndex(2012, p, 1), -1);
    EXPECT_EQ(t.LunarSexagenaryDayIndex(2012, p, 1), -1);
  }
  // Days outside the month.
  EXPECT_EQ(t.ToGregorian(2000, 3, 30), GregorianDate{});  // 小 month
  EXPECT_EQ(t.ToGregorian(2000, 1, 0), GregorianDate{});
  EXPECT_EQ(t.RokuyoIndex(2000, 1, 31), -1);
  EXPECT_EQ(t.LunarDayOfWeek(2000, 1, -5), -1);
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(LunisolarTableLabels, RokuyoStartsAtSenshoOnMonths1And7) {
  const LunisolarTable& t = Table();
  for (int y = 593; y <= 2051; ++y) {
    ASSERT_EQ(t.RokuyoIndex(y, 1, 1), 0) << y;
    const int position7 = t.LeapPosition(y) != 0 && t.LeapPosition(y) <= 7 ? 8 : 7;
    ASSERT_EQ(t.RokuyoIndex(y, position7, 1), 0) << y;
  }
  // The cycle advances one per day within a month.
  for (int d = 1; d < 30; ++d) {
    EXPECT_EQ(t.RokuyoIndex(2000, 1, d + 1), (t.RokuyoIndex(2000, 1, d) + 1) % 6);
  }
}

// ---------------------------------------------------------------------------
// Range checks.

TEST(LunisolarTableRange, CheckYearBounds) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  EXPECT_EQ(t.CheckYear(593, 6), 0);
  EXPECT_EQ(t.CheckYear(2051, 6), 0);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(t.CheckYear(592, 6), -1);
  EXPECT_EQ(t.CheckYear(2052, 9), -1);
  EXPECT_EQ(recorder.messages(), (std::vector<std::string>{"592年の旧暦は計算できません.6",
                                                           "2052年の旧暦は計算できません.9"}));
}

// Each operation names itself by its kind number and answers with its
// failure value, once per call.
TEST(LunisolarTableRange, OperationsReportTheirKind) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  struct Case {
    int kind;
    bool (*fails)(const LunisolarTable&, int year);
  };
  const Case cases[] = {
      {1, [](const LunisolarTable& t, int y) { return t.RokuyoIndex(y, 1, 1) == -1; }},
      {2, [](const LunisolarTable& t, int y) { return t.MonthLabel(y, 1) == nullptr; }},
      {4, [](const LunisolarTable& t, int y) { return t.EraName(y) == nullptr; }},
      {5, [](const LunisolarTable& t, int y) { return t.EraYear(y) == -1; }},
      {6, [](const LunisolarTable& t, int y) { return t.YearDays(y) == -1; }},
      {7, [](const LunisolarTable& t, int y) { return t.ToGregorian(y, 1, 1) == GregorianDate{}; }},
      {8, [](const LunisolarTable& t, int y) { return t.MonthSizeLabel(y, 1) == nullptr; }},
      {9, [](const LunisolarTable& t, int y) { return t.HasLeapMonth(y) == -1; }},
      {10, [](const LunisolarTable& t, int y) { return t.LeapPosition(y) == -1; }},
      {11, [](const LunisolarTable& t, int y) { return t.MonthDays(y, 1) == -1; }},
      {13, [](const LunisolarTable& t, int y) { return t.LunarSexagenaryDayIndex(y, 1, 1) == -1; }},
      {14, [](const LunisolarTable& t, int y) { return t.LunarDayOfWeek(y, 1, 1) == -1; }},
      {17, [](const LunisolarTable& t, int y) { return t.FromGregorian(y, 6, 1) == LunisolarDate{}; }},
  };
  for (const Case& c : cases) {
    for (int year : {592, 2052, -1}) {
      recorder.clear();
      EXPECT_TRUE(c.fails(t, year)) << "kind " << c.kind << " year " << year;
      EXPECT_EQ(recorder.messages(),
                std::vector<std::string>{std::to_string(year) + "年の旧暦は計算できません." +
                                         std::to_string(c.kind)});
    }
  }
}

// Gregorian 593-01-01..593-02-08 lie before the first lunisolar new year.
TEST(LunisolarTableRange, DaysBeforeTheFirstNewYear) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  EXPECT_EQ(t.FromGregorian(593, 1, 1), LunisolarDate{});
  EXPECT_EQ(t.FromGregorian(593, 2, 8), LunisolarDate{});
  EXPECT_EQ(recorder.messages(), (std::vector<std::string>{"593年の旧暦は計算できません.17",
                                                           "593年の旧暦は計算できません.17"}));
}

TEST(LunisolarTableRange, MalformedGregorianDates) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  EXPECT_EQ(t.FromGregorian(2001, 2, 29), LunisolarDate{});
  EXPECT_EQ(t.FromGregorian(2000, 13, 1), LunisolarDate{});
  EXPECT_EQ(t.FromGregorian(2000, 0, 1), LunisolarDate{});
  EXPECT_EQ(t.FromGregorian(2000, 4, 31), LunisolarDate{});
  EXPECT_EQ(t.FromGregorian(2000, 1, 0), LunisolarDate{});
  EXPECT_NE(t.FromGregorian(2000, 2, 29), LunisolarDate{});
  EXPECT_TRUE(recorder.messages().empty());
}

// ---------------------------------------------------------------------------
// Today.

class TodayLunarDayTest : public ::testing::Test {
 protected:
  void TearDown() override { CalendarNames::SetTodayOverride(0, 0, 0); }
};

TEST_F(TodayLunarDayTest, MarksTodayInItsMonthOnly) {
  const LunisolarTable& t = Table();
  CalendarNames::SetTodayOverride(2012, 5, 20);  // 閏3/30 of 2012
  EXPECT_EQ(t.TodayLunarDay(2012, 4), 30);
  EXPECT_EQ(t.TodayLunarDay(2012, 3), 0);
  EXPECT_EQ(t.TodayLunarDay(2012, 5), 0);
  EXPECT_EQ(t.TodayLunarDay(2011, 4), 0);
  CalendarNames::SetTodayOverride(2000, 2, 5);
  EXPECT_EQ(t.TodayLunarDay(2000, 1), 1);
}

TEST_F(TodayLunarDayTest, TodayOutsideTheTableIsSilent) {
  const LunisolarTable& t = Table();
  korvane::MessageRecorder recorder;
  CalendarNames::SetTodayOverride(2096, 3, 1);
  EXPECT_EQ(t.TodayLunarDay(2051, 1), 0);
  EXPECT_EQ(t.TodayLunarDay(2096, 1), 0);
  EXPECT_TRUE(recorder.messages().empty());
}

}  // namespace
