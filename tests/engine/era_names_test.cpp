#include "engine/era_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"

namespace {

const LunisolarTable& Table() {
  static const auto* table = new LunisolarTable();
  return *table;
}

TEST(EraNames, KnownYears) {
  const LunisolarTable& t = Table();
  struct Row {
    int year;
    const char* era;
    int eraYear;
  };
  const Row rows[] = {
      {593, "推古", 1},    {645, "大化", 1},    {749, "天平勝宝", 1}, {1335, "建武", 2},
      {1336, "延元", 1},   {1392, "元中", 9},   {1393, "明徳", 4},    {1394, "応永", 1},
      {1868, "明治", 1},   {1911, "明治", 44},  {1912, "大正", 1},    {1919, "大正", 8},
      {1920, "大正", 9},   {1926, "昭和", 1},   {1988, "昭和", 63},   {1989, "平成", 1},
      {2019, "平成", 31},  {2051, "平成", 63},
  };
  for (const Row& row : rows) {
    EXPECT_STREQ(t.EraName(row.year), row.era) << row.year;
    EXPECT_EQ(t.EraYear(row.year), row.eraYear) << row.year;
  }
}

// Every year carries the era of the run it lies in: the era year counts on by
// one within a run and a new run starts at its era's first year.
TEST(EraNames, EraYearsRunWithoutGaps) {
  const LunisolarTable& t = Table();
  int runs = 1;
  for (int y = 594; y <= 2051; ++y) {
    if (std::strcmp(t.EraName(y), t.EraName(y - 1)) == 0) {
      ASSERT_EQ(t.EraYear(y), t.EraYear(y - 1) + 1) << y;
    } else {
      ASSERT_EQ(t.EraYear(y), std::string(t.EraName(y)) == "明徳" ? 4 : 1) << y;
      ASSERT_STREQ(t.EraName(y), EraNames::Name(runs)) << y;
      ASSERT_EQ(EraNames::FirstYear(runs), y);
      ++runs;
    }
  }
  EXPECT_EQ(runs, EraNames::eraCount);
}

TEST(EraNames, CountAndSearch) {
  const LunisolarTable& t = Table();
  EXPECT_EQ(t.EraCount(), 238);
  EXPECT_EQ(t.FindEraYear("大化", 1), 645);
  EXPECT_EQ(t.FindEraYear("明徳", 4), 1393);
  EXPECT_EQ(t.FindEraYear("明徳", 1), 2020);  // 1390 lies under 元中
  EXPECT_EQ(t.FindEraYear("平成", 31), 2019);
  // Nothing found gives 2020, and years from 2020 on are not searched.
  EXPECT_EQ(t.FindEraYear("昭和", 64), 2020);
  EXPECT_EQ(t.FindEraYear("平成", 40), 2020);
  EXPECT_EQ(t.FindEraYear("令和", 1), 2020);
  EXPECT_EQ(t.FindEraYear("", 1), 2020);
  EXPECT_EQ(t.FindEraYear(nullptr, 1), 2020);
  // Every era is found at its first year.
  for (int i = 0; i < EraNames::eraCount; ++i) {
    EXPECT_EQ(t.FindEraYear(EraNames::Name(i), EraNames::FirstEraYear(i)), EraNames::FirstYear(i))
        << EraNames::Name(i);
  }
}

TEST(EraNames, LookupOutsideTheTables) {
  EXPECT_STREQ(EraNames::Name(-1), "");
  EXPECT_STREQ(EraNames::Name(EraNames::eraCount), "");
  EXPECT_EQ(EraNames::IndexOfYear(592), -1);
  EXPECT_EQ(EraNames::IndexOfYear(2052), -1);
  EXPECT_EQ(EraNames::EraYearOf(2052), -1);
  EXPECT_EQ(EraNames::EraYearOf(2051), 63);

  korvane::MessageRecorder recorder;
  EXPECT_EQ(Table().EraName(592), nullptr);
  EXPECT_EQ(Table().EraYear(2052), -1);
  EXPECT_EQ(recorder.messages(), (std::vector<std::string>{"592年の旧暦は計算できません.4",
                                                           "2052年の旧暦は計算できません.5"}));
}

}  // namespace
