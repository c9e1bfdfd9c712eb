#include "textdata/normal_temperature_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/format.h"
#include "engine/message_hook.h"

namespace {

constexpr int kMonthLength[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Ten values, each right-aligned in four characters plus a separator.
std::string ValueLine(double first, double step) {
  std::string line;
  for (int k = 0; k < 10; ++k) line += korvane::Format("%4.1f ", first + k * step);
  return line;
}

std::string WriteFile(const std::string& name, const std::string& text) {
  const auto dir = std::filesystem::path(KORVANE_BINARY_DIR) / "weather_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / name).string();
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// A whole year: day d's first line runs 0.0 .. 0.9 higher than d / 10 and
// its second line is 10 more.
std::string YearFile(const std::string& skipHeader = {}) {
  std::string text = "// normal temperatures\r\n";
  int position = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kMonthLength[month - 1]; ++day, ++position) {
      const std::string header = korvane::Format("[%02d:%02d]", month, day);
      if (header == skipHeader) continue;
      text += header + "\r\n";
      if (position == 40) text += "// a comment inside a block\r\n";
      text += ValueLine(position % 50 / 10.0, 0.1) + "\r\n" + ValueLine(10 + position % 50 / 10.0, 0.1) + "\r\n";
    }
  }
  return text;
}

}  // namespace

TEST(NormalTemperatureTable, TrimmedMeansFromFixedPositions) {
  // 1..10: (55 - 10 - 1 + 0.001) / 8.
  EXPECT_DOUBLE_EQ(NormalTemperatureTable::LineMean("   1    2    3    4    5    6    7    8    9   10 ", false),
                   5.500125);
  // Values are read from characters 0-3 of each field: a five-character
  // value loses its last character, and what does not parse is 0.
  EXPECT_DOUBLE_EQ(NormalTemperatureTable::LineMean("12345-1.5   x  2.0 ", false), (2 + 0.001) / 8);
  EXPECT_DOUBLE_EQ(NormalTemperatureTable::LineMean(" 3.0  4.0 ", true), (7 + 0.001) / 2);
  EXPECT_DOUBLE_EQ(NormalTemperatureTable::LineMean("", false), 0.001 / 8);
}

TEST(NormalTemperatureTable, WholeYearIncludingFebruary29) {
  korvane::MessageRecorder recorder;
  NormalTemperatureTable table(WriteFile("weather.txt", YearFile()));
  EXPECT_EQ(table.lines().size(), 366u * 3);
  EXPECT_EQ(table.TextFor(1, 1), "");  // not built yet
  ASSERT_EQ(table.Build(3), 1);
  int position = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kMonthLength[month - 1]; ++day, ++position) {
      const double base = position % 50 / 10.0;
      // Trimmed mean of base + 0.0 .. 0.9 is base + 0.45; February 29 sums all ten.
      const bool feb29 = month == 2 && day == 29;
      const double first = feb29 ? (10 * base + 4.5 + 0.001) / 2 : base + 0.45 + 0.001 / 8;
      const double second = feb29 ? (10 * (10 + base) + 4.5 + 0.001) / 2 : 10 + base + 0.45 + 0.001 / 8;
      EXPECT_EQ(table.TextFor(month, day), korvane::Format("平年(東京)気温 %.1f/%.1f ℃", second, first))
          << month << "/" << day;
      // Records run in calendar order with February 29 after February 28.
      EXPECT_EQ(table.days()[position].index, position);
      EXPECT_EQ(table.days()[position].month, month);
    }
  }
  EXPECT_EQ(table.TextFor(2, 30), "");
  EXPECT_TRUE(recorder.messages().empty());
  // Another station has no data.
  EXPECT_EQ(table.Build(7), 0);
  EXPECT_EQ(table.TextFor(1, 1), "");
}

TEST(NormalTemperatureTable, AMissingDayEndsTheTextsThere) {
  korvane::MessageRecorder recorder;
  NormalTemperatureTable table(WriteFile("gap.txt", YearFile("[03:01]")));
  ASSERT_EQ(table.Build(3), 1);
  EXPECT_NE(table.TextFor(2, 29), "");
  EXPECT_EQ(table.TextFor(3, 1), "");
  EXPECT_EQ(table.TextFor(12, 31), "");

  NormalTemperatureTable missing(WriteFile("", "") + "/none.txt");
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_NE(recorder.messages()[0].find("ファイル を読み出し出来ません."), std::string::npos);
  EXPECT_EQ(missing.Build(3), 1);
  EXPECT_EQ(missing.TextFor(1, 1), "");

  // Damaged files: no crash, no text beyond what the blocks give.
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
  for (const std::string& text : {std::string(), binary, std::string(10000, '9') + "\n",
                                  std::string("[01:01]\n") + std::string(300, '\x81') + "\n\xFF\xFE nan  inf 1e99\n",
                                  std::string("[01:01]\n 1.0\n")}) {
    NormalTemperatureTable damaged(WriteFile("damaged.txt", text));
    EXPECT_EQ(damaged.Build(3), 1);
    const std::string line = damaged.TextFor(1, 1);
    EXPECT_TRUE(line.empty() || line.starts_with("平年(東京)気温 ")) << line;
    EXPECT_EQ(line.find("nan"), std::string::npos);
  }
  EXPECT_EQ(recorder.messages().size(), 1u);
}
