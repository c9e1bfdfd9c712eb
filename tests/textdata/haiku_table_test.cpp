#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "textdata/haiku_table.h"

using korvane::HaikuOfDay;
using korvane::HaikuRecord;

TEST(HaikuTable, FixedRecordsAndTheWholeTableKeepTheirLayout) {
  struct Row {
    int index;
    const char *upper, *middle, *lower, *era;
    int eraYear, month, day;
  };
  const Row rows[] = {{0, "春立や", "新年ふるき", "米五升", "貞享", 1, 1, 1},
                      {1, "二日にも", "ぬかりはせじな", "花の春", "元禄", 1, 1, 2},
                      {33, "時雨をや", "もどかしがりて", "松の雪", "寛文", 6, 99, 99},
                      {364, "旧里や", "臍の緒に泣く", "年の暮れ", "貞享", 4, 12, 30},
                      {365, "姥桜", "咲くや老後の", "思ひ出", "寛文", 4, 99, 99}};
  for (const Row& row : rows) {
    const HaikuRecord h = HaikuOfDay(row.index);
    EXPECT_EQ(h.number, row.index + 1);
    EXPECT_EQ(h.present, 1);
    EXPECT_EQ(h.upper, row.upper);
    EXPECT_EQ(h.middle, row.middle);
    EXPECT_EQ(h.lower, row.lower);
    EXPECT_EQ(h.era, row.era);
    EXPECT_EQ(h.eraYear, row.eraYear);
    EXPECT_EQ(h.month, row.month);
    EXPECT_EQ(h.day, row.day);
  }
  const std::set<std::string> eras{"寛文", "延宝", "天和", "貞享", "元禄"};
  for (int i = 0; i < korvane::kHaikuCount; ++i) {
    const HaikuRecord h = HaikuOfDay(i);
    EXPECT_EQ(h.number, i + 1);
    if (h.present) {
      EXPECT_TRUE(eras.count(h.era)) << i;
      EXPECT_FALSE(h.upper.empty() || h.middle.empty() || h.lower.empty()) << i;
      EXPECT_TRUE(h.month == 99 || (h.month >= 1 && h.month <= 12)) << i;
    } else {
      // A missing record carries no text that could be shown.
      EXPECT_EQ(h.upper + h.middle + h.lower + h.era, "") << i;
    }
  }
  EXPECT_EQ(HaikuOfDay(-1).present, 0);
  EXPECT_EQ(HaikuOfDay(366).present, 0);
}

// The build stops on a malformed source line instead of compiling a wrong
// table.
TEST(HaikuTable, GeneratorRefusesMalformedSources) {
  const std::string header = "number\tupper\tmiddle\tlower\tera\teraYear\tmonth\tday\tsource\n";
  const std::string dir = KORVANE_BINARY_DIR;
  const auto run = [&](const std::string& body) {
    std::ofstream(dir + "/haiku_test.tsv") << body;
    const std::string command = std::string("\"") + KORVANE_HAIKU_GENERATOR + "\" \"" + dir + "/haiku_test.tsv\" \"" +
                                dir + "/haiku_test.inc\" 2>/dev/null";
    return std::system(command.c_str()) == 0;
  };
  EXPECT_TRUE(run(header + "7\t古池や\t蛙飛び込む\t水の音\t貞享\t3\t99\t99\tx\n"));
  const char* bad[] = {
      "7\t古池や\t蛙飛び込む\t水の音\t貞享\t3\t99\n",             // too few fields
      "0\t古池や\t蛙飛び込む\t水の音\t貞享\t3\t99\t99\tx\n",       // number out of range
      "367\t古池や\t蛙飛び込む\t水の音\t貞享\t3\t99\t99\tx\n",
      "7\t古池や\t\t水の音\t貞享\t3\t99\t99\tx\n",                 // empty part
      "7\t古池や\t蛙飛び込む\t水の音\t昭和\t3\t99\t99\tx\n",       // unknown era
      "7\t古池や\t蛙飛び込む\t水の音\t貞享\t6\t99\t99\tx\n",       // 貞享 had five years
      "7\t古池や\t蛙飛び込む\t水の音\t貞享\t3\t2\t30\tx\n",        // no such day
      "7\t古池や\t蛙飛び込む\t水の音\t貞享\t3\t99\t5\tx\n",        // half a date
      "7\t古池や😀\t蛙飛び込む\t水の音\t貞享\t3\t99\t99\tx\n",     // not in code page 932
      "7\tああああああああああああああああ\tb\tc\t貞享\t3\t99\t99\tx\n",  // 32 bytes
      "7\ta\tb\tc\t貞享\t3\t99\t99\tx\n7\ta\tb\tc\t貞享\t3\t99\t99\tx\n",  // twice
      "7\ta\tb\tc\t貞享\t3x\t99\t99\tx\n",
      "\n",
  };
  for (const char* body : bad) EXPECT_FALSE(run(header + body)) << body;
  EXPECT_FALSE(run("7\ta\tb\tc\t貞享\t3\t99\t99\tx\n"));  // no header
}
