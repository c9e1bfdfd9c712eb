#include <gtest/gtest.h>

#include <string>

#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"
#include "engine/nine_star_cycle.h"
#include "engine/rokuyo_cycle.h"
#include "engine/solar_term_table.h"

namespace {

std::string Star(const NineStarCycle& cycle, const NineStarDay& d) {
  return std::string(d.direction > 0 ? "+" : "-") + cycle.StarShortName(d.star) + " " +
         std::to_string(d.daysToSwitch);
}

}  // namespace

// Each of the 60 terms is the stem i mod 10 with the branch i mod 12, in
// kanji and in reading; this catches a slip anywhere in either table.
TEST(EtoCycle, NamesAndReadingsPairStemsWithBranches) {
  const char* stems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
  const char* branches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
  const char* stemReadings[10] = {"きのえ", "きのと", "ひのえ", "ひのと", "つちのえ",
                                  "つちのと", "かのえ", "かのと", "みずのえ", "みずのと"};
  const char* branchReadings[12] = {"ね", "うし", "とら", "う", "たつ", "み",
                                    "うま", "ひつじ", "さる", "とり", "いぬ", "い"};
  EtoCycle eto;
  for (int i = 0; i < 60; ++i) {
    EXPECT_EQ(std::string(eto.EtoName(i)), std::string(stems[i % 10]) + branches[i % 12]) << i;
    EXPECT_EQ(std::string(eto.EtoReading(i)),
              std::string(stemReadings[i % 10]) + "・" + branchReadings[i % 12])
        << i;
  }
}

TEST(EtoCycle, IndexesYearsAndBadArguments) {
  EtoCycle eto;
  EXPECT_STREQ(eto.EtoName(0), "甲子");
  EXPECT_STREQ(eto.EtoName(59), "癸亥");
  EXPECT_STREQ(eto.EtoName(1984), "甲子");
  EXPECT_STREQ(eto.EtoName(2000), "庚辰");
  EXPECT_STREQ(eto.EtoName(1966), "丙午");
  EXPECT_STREQ(eto.EtoReading(1966), "ひのえ・うま");
  EXPECT_STREQ(eto.EtoName(60), "庚申");  // 60 and above count as years
  EXPECT_STREQ(eto.EtoName(64), "甲子");
  EXPECT_STREQ(eto.EtoReading(-1), "");
  EXPECT_STREQ(eto.EtoName(-60), "");
  EXPECT_STREQ(eto.EtoName(2147483647), eto.EtoName((2147483647 - 4) % 60));
  // The day names follow the day index: 2000-01-07 was 甲子.
  EXPECT_STREQ(eto.EtoName(CalendarNames::SexagenaryDayIndex(2000, 1, 7)), "甲子");
}

TEST(RokuyoCycle, NamesReadingsAndTheLunisolarIndex) {
  RokuyoCycle rokuyo;
  EXPECT_STREQ(rokuyo.RokuyoName(0), "先勝");
  EXPECT_STREQ(rokuyo.RokuyoName(3), "仏滅");
  EXPECT_STREQ(rokuyo.RokuyoName(5), "赤口");
  EXPECT_STREQ(rokuyo.RokuyoReading(1), "ともびき");
  EXPECT_STREQ(rokuyo.RokuyoReading(4), "たいあん");
  EXPECT_STREQ(rokuyo.RokuyoName(6), "");
  EXPECT_STREQ(rokuyo.RokuyoName(-1), "");
  EXPECT_STREQ(rokuyo.RokuyoReading(6), "");

  // Lunisolar months 1 and 7 start with 先勝, 3 and 9 with 先負; 2024-01-01
  // (lunisolar 2023/11/20) was 赤口.
  LunisolarTable table;
  EXPECT_STREQ(rokuyo.RokuyoName(table.RokuyoIndex(2024, 1, 1)), "先勝");
  EXPECT_STREQ(rokuyo.RokuyoName(table.RokuyoIndex(2024, 3, 1)), "先負");
  LunisolarDate newYearsDay = table.FromGregorian(2024, 1, 1);
  EXPECT_STREQ(rokuyo.RokuyoName(table.RokuyoIndex(newYearsDay.year, newYearsDay.month, newYearsDay.day)),
               "赤口");
  EXPECT_STREQ(rokuyo.RokuyoName(table.RokuyoIndex(2024, 13, 1)), "");  // no such month
}

TEST(NineStarCycle, NamesUseTheKatakanaNi) {
  NineStarCycle cycle;
  EXPECT_STREQ(cycle.StarShortName(0), "一白");
  EXPECT_STREQ(cycle.StarShortName(1), "ニ黒");  // katakana ニ, not the numeral 二
  EXPECT_STREQ(cycle.StarFullName(1), "ニ黒土星");
  EXPECT_STREQ(cycle.StarShortName(8), "九紫");
  EXPECT_STREQ(cycle.StarFullName(4), "五黄土星");
  EXPECT_STREQ(cycle.StarFullName(8), "九紫火星");
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(std::string(cycle.StarFullName(i)).rfind(cycle.StarShortName(i), 0), 0u) << i;
  }
  EXPECT_STREQ(cycle.StarShortName(9), "");
  EXPECT_STREQ(cycle.StarFullName(-1), "");
}

TEST(NineStarCycle, KoshiNearPicksTheNearest60DayMark) {
  NineStarCycle cycle;
  SolarTermTable terms;
  int onKoshi = 0;
  for (int year = 1851; year <= 2051; ++year) {
    for (int term : {0, 12}) {
      const int month = SolarTermTable::TermMonth(term);
      const int day = static_cast<int>(terms.TermDay(year, term));
      const long long termDay = static_cast<long long>(CalendarNames::DayNumber(year, month, day));
      const long long koshi = cycle.KoshiNear(year, term);
      // A 甲子 day: the cycle index of day number n is (n + 59) mod 60.
      ASSERT_EQ((koshi + 59) % 60, 0) << year;
      // At most 30 days before the term, fewer than 30 after.
      ASSERT_LE(koshi - termDay, 29) << year;
      ASSERT_GE(koshi - termDay, -30) << year;
      if (koshi == termDay) ++onKoshi;
    }
  }
  EXPECT_GT(onKoshi, 0);  // a term on a 甲子 day is its own 甲子 day
}

TEST(NineStarCycle, KnownDays) {
  NineStarCycle cycle;
  korvane::MessageRecorder recorder;
  EXPECT_EQ(Star(cycle, cycle.DayStar(2000, 1, 1)), "-六白 6");
  EXPECT_EQ(Star(cycle, cycle.DayStar(2000, 1, 6)), "-一白 1");
  EXPECT_EQ(Star(cycle, cycle.DayStar(2000, 1, 7)), "+一白 180");  // a 甲子 day
  EXPECT_EQ(Star(cycle, cycle.DayStar(2000, 1, 8)), "+ニ黒 179");
  EXPECT_EQ(Star(cycle, cycle.DayStar(2024, 1, 1)), "+一白 180");
  // A capped descending period of 210 days.
  EXPECT_EQ(Star(cycle, cycle.DayStar(1871, 5, 22)), "+九紫 1");
  EXPECT_EQ(Star(cycle, cycle.DayStar(1871, 5, 23)), "-九紫 210");
  EXPECT_EQ(Star(cycle, cycle.DayStar(1871, 12, 18)), "-七赤 1");
  EXPECT_EQ(Star(cycle, cycle.DayStar(1871, 12, 19)), "+七赤 210");
  // The ascending run from the capped switch passes 一白 on the 甲子 day
  // and goes on into the next year.
  EXPECT_EQ(Star(cycle, cycle.DayStar(1871, 12, 31)), "+一白 198");
  EXPECT_EQ(Star(cycle, cycle.DayStar(1872, 1, 1)), "+ニ黒 197");
  EXPECT_TRUE(recorder.messages().empty());
}

// How the views use it: ask on the first day, then step the star by the
// direction and count down, asking afresh only when the count runs out.  For
// every day 1852..2050 that must agree with asking DayStar afresh.
TEST(NineStarCycle, CountingDownAgreesWithAskingAfreshEveryDay) {
  NineStarCycle cycle;
  korvane::MessageRecorder recorder;
  NineStarDay running = cycle.DayStar(1852, 1, 1);
  int switches = 0;
  for (int year = 1852; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CalendarNames::MonthLength(year, month); ++day) {
        const NineStarDay fresh = cycle.DayStar(year, month, day);
        ASSERT_TRUE(fresh.star >= 0 && fresh.star <= 8);
        ASSERT_TRUE(fresh.direction == 1 || fresh.direction == -1);
        ASSERT_TRUE(fresh.daysToSwitch >= 1 && fresh.daysToSwitch <= NineStarCycle::kLongestPeriod);
        if (year == 1852 && month == 1 && day == 1) continue;

        NineStarDay stepped{running.direction, NineStarCycle::NextStar(running.star, running.direction),
                            running.daysToSwitch - 1};
        if (stepped.daysToSwitch == 0) {
          // A switch: the direction turns, on a 甲子 day or, after a capped
          // period, on the 甲午 day 30 days earlier.
          ++switches;
          ASSERT_EQ(fresh.direction, -running.direction) << year << "-" << month << "-" << day;
          int sexagenary = CalendarNames::SexagenaryDayIndex(year, month, day);
          ASSERT_TRUE(sexagenary == 0 || sexagenary == 30) << year << "-" << month << "-" << day;
          running = fresh;
          continue;
        }
        ASSERT_EQ(fresh, stepped) << year << "-" << month << "-" << day;
        running = stepped;
      }
    }
  }
  // Two switches a year.
  EXPECT_GE(switches, 2 * 199 - 1);
  EXPECT_LE(switches, 2 * 199 + 1);
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(NineStarCycle, YearsWithoutTermsStayWithinTheCycle) {
  NineStarCycle cycle;
  korvane::MessageRecorder recorder;
  for (int year : {1700, 1851, 2051, 2100}) {
    for (int month : {1, 6, 12}) {
      NineStarDay d = cycle.DayStar(year, month, 15);
      EXPECT_TRUE(d.star >= 0 && d.star <= 8) << year;
      EXPECT_TRUE(d.direction == 1 || d.direction == -1) << year;
      EXPECT_GE(d.daysToSwitch, 1) << year;
    }
  }
  // 1851 and 2051 need the terms of 1850 and 2052 for some of their days.
  EXPECT_FALSE(recorder.messages().empty());
  recorder.clear();
  cycle.DayStar(2051, 6, 1);  // needs only 2050 and 2051
  cycle.DayStar(1852, 1, 1);  // needs 1851 and 1852
  EXPECT_TRUE(recorder.messages().empty());
}
