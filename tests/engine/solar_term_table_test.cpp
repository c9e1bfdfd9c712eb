#include "engine/solar_term_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "engine/calendar_names.h"
#include "engine/message_hook.h"

namespace {

struct Date {
  int month;
  int day;
};

Date TermDateOf(const SolarTermTable& table, int year, int index) {
  int month = 0;
  int weekday = 0;
  int day = table.TermDate(year, index, month, weekday);
  return {month, day};
}

}  // namespace

TEST(SolarTermTable, FormulaValuesAtTheColumnBoundaries) {
  SolarTermTable table;
  korvane::MessageRecorder recorder;
  EXPECT_NEAR(table.TermDay(2000, 6), 20.68738, 1e-9);   // 春分, D4
  EXPECT_NEAR(table.TermDay(2000, 3), 4.906286, 1e-9);   // 立春 uses 1999, D3
  EXPECT_NEAR(table.TermDay(2000, 0), 21.96388, 1e-9);   // 冬至, D4
  EXPECT_NEAR(table.TermDay(1900, 6), 21.46018, 1e-9);   // q = -20 truncates toward zero
  // 1851's January terms use 1850 and the first column.
  EXPECT_EQ(TermDateOf(table, 1851, 1).day, 6);
  // 2051 lies past the 2000..2050 column: the later column applies.
  EXPECT_NEAR(table.TermDay(2051, 0), 0.242194 * 71 + 22.0814 - 17, 1e-9);
  EXPECT_NEAR(table.TermDay(2051, 1), 0.242194 * 70 + 5.85 - 17, 1e-9);  // Y' = 2050, D4
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(SolarTermTable, AgreesWithPublishedTermDates) {
  SolarTermTable table;
  struct Known {
    int year, index, month, day;
  };
  const Known known[] = {
      {2024, 6, 3, 20},   // 春分
      {2024, 12, 6, 21},  // 夏至
      {2023, 0, 12, 22},  // 冬至
      {2024, 0, 12, 21},  // 冬至
      {2021, 3, 2, 3},    // 立春 on February 3
      {2025, 3, 2, 3},
      {1984, 3, 2, 5},    // 立春 on February 5
      {2012, 18, 9, 22},  // 秋分
      {2020, 6, 3, 20},
      {2020, 18, 9, 22},
      {1900, 6, 3, 21},
      {2000, 0, 12, 21},
  };
  for (const Known& k : known) {
    Date date = TermDateOf(table, k.year, k.index);
    EXPECT_EQ(date.month, k.month) << k.year << " " << table.TermName(k.index);
    EXPECT_EQ(date.day, k.day) << k.year << " " << table.TermName(k.index);
  }
}

// Every year of the range has exactly 24 term days, each found by TermOn on
// the date TermDate gives, in calendar order 小寒 .. 大雪, 冬至, two per month.
TEST(SolarTermTable, TermOnFindsAll24TermsOfEveryYearInOrder) {
  SolarTermTable table;
  korvane::MessageRecorder recorder;
  for (int year = 1851; year <= 2051; ++year) {
    int found = 0;
    int expectedIndex = 1;
    int perMonth[13] = {};
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(year, month); ++day) {
        int code = table.TermOn(year, month, day);
        if (code == 0) continue;
        ASSERT_EQ(code - 20, expectedIndex) << year << "-" << month << "-" << day;
        Date date = TermDateOf(table, year, expectedIndex);
        ASSERT_EQ(date.month, month);
        ASSERT_EQ(date.day, day);
        expectedIndex = (expectedIndex + 1) % 24;
        ++found;
        ++perMonth[month];
      }
    }
    ASSERT_EQ(found, 24) << year;
    for (int month = 1; month <= 12; ++month) ASSERT_EQ(perMonth[month], 2) << year << "/" << month;
  }
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(table.TermOn(2000, 3, 20), 26);
  EXPECT_EQ(table.TermOn(2000, 3, 21), 0);
  EXPECT_EQ(table.TermOn(2000, 0, 20), 0);
  EXPECT_EQ(table.TermOn(2000, 13, 20), 0);
  int month = -1;
  int weekday = -1;
  EXPECT_EQ(table.TermDate(2024, 6, month, weekday), 20);
  EXPECT_EQ(month, 3);
  EXPECT_EQ(weekday, 3);  // 2024-03-20 was a Wednesday
  EXPECT_EQ(table.TermDate(2000, 24, month, weekday), 0);
  EXPECT_EQ(month, 0);
}

TEST(SolarTermTable, YearsOutsideTheFormulaShowTheMessageOncePerCall) {
  SolarTermTable table;
  korvane::MessageRecorder recorder;
  EXPECT_EQ(table.TermDay(1850, 6), 0.0);
  EXPECT_EQ(table.TermDay(2052, 0), 0.0);
  ASSERT_EQ(recorder.messages().size(), 2u);
  EXPECT_EQ(recorder.messages()[0], "1850年の24節気は計算できません.");
  EXPECT_EQ(recorder.messages()[1], "2052年の24節気は計算できません.");

  recorder.clear();
  EXPECT_EQ(table.TermOn(2052, 3, 20), 0);
  EXPECT_EQ(recorder.messages().size(), 1u);

  // A seasonal day of such a year is "no date", not a day derived from 0.
  recorder.clear();
  for (int code = 1; code <= 13; ++code) EXPECT_EQ(table.ZassetsuDay(1700, code), 0) << code;
  EXPECT_FALSE(recorder.messages().empty());
  recorder.clear();
  EXPECT_EQ(table.ZassetsuOn(1700, 8, 31), 0);
  EXPECT_EQ(table.ZassetsuOn(1700, 5, 1), 0);

  // No message for the edges of the range.
  recorder.clear();
  table.TermDay(1851, 1);
  table.TermDay(2051, 23);
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(SolarTermTable, SeasonalDaysOfKnownYears) {
  SolarTermTable table;
  EXPECT_EQ(table.ZassetsuDay(2000, 2), 3);    // 節分
  EXPECT_EQ(table.ZassetsuDay(2000, 3), 21);   // spring 社日
  EXPECT_EQ(table.ZassetsuDay(2000, 4), 17);   // 彼岸の入り
  EXPECT_EQ(table.ZassetsuDay(2000, 6), 1);    // 八十八夜, May 1
  EXPECT_EQ(table.ZassetsuDay(2000, 10), 31);  // 二百十日 on August 31 of a leap year
  EXPECT_EQ(table.ZassetsuDay(2000, 11), 20);
  EXPECT_EQ(table.ZassetsuDay(2000, 12), 27);
  EXPECT_EQ(table.ZassetsuDay(2023, 10), 1);   // September 1
  EXPECT_EQ(table.ZassetsuDay(2024, 3), 25);   // the 戊 day after 春分
  for (int code : {1, 5, 7, 8, 9, 13, 0, 14, -1}) EXPECT_EQ(table.ZassetsuDay(2000, code), 0);

  EXPECT_EQ(table.ZassetsuOn(2000, 2, 3), 2);
  EXPECT_EQ(table.ZassetsuOn(2000, 3, 21), 3);
  EXPECT_EQ(table.ZassetsuOn(2000, 3, 17), 4);
  EXPECT_EQ(table.ZassetsuOn(2000, 5, 1), 6);
  EXPECT_EQ(table.ZassetsuOn(2000, 8, 31), 10);
  EXPECT_EQ(table.ZassetsuOn(2000, 9, 1), 0);
  EXPECT_EQ(table.ZassetsuOn(2023, 9, 1), 10);
  EXPECT_EQ(table.ZassetsuOn(2023, 8, 31), 0);
  EXPECT_EQ(table.ZassetsuOn(2000, 9, 20), 11);
  EXPECT_EQ(table.ZassetsuOn(2000, 9, 27), 12);
  EXPECT_EQ(table.ZassetsuOn(2024, 3, 25), 3);
}

// The seasonal days follow from the term dates by counting days, which the
// day numbers of the calendar can check independently.
TEST(SolarTermTable, SeasonalDaysAgreeWithTheirDefinitionsInEveryYear) {
  SolarTermTable table;
  for (int year = 1851; year <= 2051; ++year) {
    const double risshun = CalendarNames::DayNumber(year, 2, TermDateOf(table, year, 3).day);
    // 節分 is the eve of 立春.
    ASSERT_EQ(CalendarNames::DayNumber(year, 2, table.ZassetsuDay(year, 2)), risshun - 1) << year;
    // 八十八夜 and 二百十日 count 立春 as day 1.
    ASSERT_EQ(CalendarNames::DayNumber(year, 5, table.ZassetsuDay(year, 6)), risshun + 87) << year;
    int nihyaku = table.ZassetsuDay(year, 10);
    int nihyakuMonth = nihyaku > 30 ? 8 : 9;
    ASSERT_EQ(CalendarNames::DayNumber(year, nihyakuMonth, nihyaku), risshun + 209) << year;

    for (int spring = 0; spring < 2; ++spring) {
      const int month = spring ? 3 : 9;
      const int equinoxIndex = spring ? 6 : 18;
      const int shanichiCode = spring ? 3 : 12;
      const int higanCode = spring ? 4 : 11;
      const int equinox = TermDateOf(table, year, equinoxIndex).day;
      ASSERT_EQ(table.ZassetsuDay(year, higanCode), equinox - 3);
      // 社日 is a 戊 day (stem 4) within five days of the equinox.
      const int shanichi = table.ZassetsuDay(year, shanichiCode);
      ASSERT_EQ(CalendarNames::SexagenaryDayIndex(year, month, shanichi) % 10, 4) << year;
      ASSERT_LE(std::abs(shanichi - equinox), 5) << year;
      // ZassetsuOn finds each of them, 彼岸の入り winning when they coincide.
      ASSERT_EQ(table.ZassetsuOn(year, month, equinox - 3), higanCode);
      if (shanichi != equinox - 3) {
        ASSERT_EQ(table.ZassetsuOn(year, month, shanichi), shanichiCode);
      }
    }
    ASSERT_EQ(table.ZassetsuOn(year, 2, table.ZassetsuDay(year, 2)), 2);
    ASSERT_EQ(table.ZassetsuOn(year, 5, table.ZassetsuDay(year, 6)), 6);
    ASSERT_EQ(table.ZassetsuOn(year, nihyakuMonth, nihyaku), 10);
  }
}

TEST(SolarTermTable, SeasonalDaysOnAWholeYearAreExactlyTheRuledOnes) {
  SolarTermTable table;
  for (int year : {1852, 1900, 1999, 2000, 2023, 2024, 2051}) {
    int count = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(year, month); ++day) {
        int code = table.ZassetsuOn(year, month, day);
        if (code == 0) continue;
        ++count;
        EXPECT_EQ(table.ZassetsuDay(year, code), day) << year << "-" << month << "-" << day;
      }
    }
    // 節分, two 社日, two 彼岸の入り, 八十八夜, 二百十日, less any 社日
    // hidden behind a 彼岸の入り on the same day.
    int hidden = (table.ZassetsuDay(year, 3) == table.ZassetsuDay(year, 4)) +
                 (table.ZassetsuDay(year, 12) == table.ZassetsuDay(year, 11));
    EXPECT_EQ(count, 7 - hidden) << year;
  }
}

TEST(SolarTermTable, NamesAndTextsWithSafeIndexes) {
  SolarTermTable table;
  EXPECT_STREQ(table.TermName(0), "冬至");
  EXPECT_STREQ(table.TermName(6), "春分");
  EXPECT_STREQ(table.TermName(23), "大雪");
  EXPECT_STREQ(table.TermName(24), "");
  EXPECT_STREQ(table.TermName(-1), "");

  EXPECT_STREQ(table.TermDescription(1),
               "陰気深く寒冷一段と厳しくなるので小寒と言う。\n俗にこの日を寒の入りと言う。\n"
               "毎年一月六日頃である。");
  for (int i = 0; i < 24; ++i) {
    std::string text = table.TermDescription(i);
    int lines = 1;
    for (char c : text) lines += c == '\n';
    bool fourLines = i == 6 || i == 12 || i == 18 || i == 21 || i == 22;
    EXPECT_EQ(lines, fourLines ? 4 : 3) << i;
    EXPECT_EQ(text.rfind("毎年"), text.rfind('\n') + 1) << i;  // the last line gives the date
  }
  EXPECT_STREQ(table.TermDescription(24), "");

  EXPECT_STREQ(table.ZassetsuName(0), "土用");
  EXPECT_STREQ(table.ZassetsuName(3), "彼岸の入り");
  EXPECT_STREQ(table.ZassetsuName(9), "二百十日");
  EXPECT_STREQ(table.ZassetsuName(12), "土用");
  EXPECT_STREQ(table.ZassetsuName(13), "");
  EXPECT_STREQ(table.ZassetsuName(-1), "");

  EXPECT_STREQ(table.Birthstone(1), "ガーネット");
  EXPECT_STREQ(table.Birthstone(12), "トルコ石");
  EXPECT_STREQ(table.BirthFlower(5), "鈴蘭");
  EXPECT_STREQ(table.BirthFlower(10), "金盞花");
  EXPECT_STREQ(table.Birthstone(13), "");
  EXPECT_STREQ(table.Birthstone(0), "");
  EXPECT_STREQ(table.BirthFlower(13), "");
}

// The last line of every description gives the term's usual date in kanji
// numerals, within a day of the computed date in some year of this century.
TEST(SolarTermTable, EveryDescriptionGivesTheTermsUsualDate) {
  const SolarTermTable table;
  const char* digits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  const auto kanji = [&digits](int n) {
    return (n >= 20 ? std::string(digits[n / 10]) : std::string()) + (n >= 10 ? "十" : "") + digits[n % 10];
  };
  for (int i = 0; i < SolarTermTable::kTermCount; ++i) {
    const std::string text = table.TermDescription(i);
    std::set<std::string> usual;
    for (int year = 2000; year <= 2050; ++year) {
      const int day = TermDateOf(table, year, i).day;
      for (int d = day - 1; d <= day + 1; ++d)
        usual.insert("毎年" + kanji(SolarTermTable::TermMonth(i)) + "月" + kanji(d) + "日頃である。");
    }
    EXPECT_TRUE(usual.count(text.substr(text.rfind('\n') + 1))) << i << ": " << text;
  }
}
