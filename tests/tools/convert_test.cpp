// korvane-print convert: one day in every calendar, as a reader of old
// documents asks for it, run as a program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/tool_run.h"

namespace {

const std::string kTool = KORVANE_BINARY_DIR "/tools/korvane-print";

korvane::ToolRun Convert(const std::string& arguments) {
  return korvane::RunCommand(kTool + " convert " + arguments);
}

class ConvertCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kTool)) GTEST_SKIP() << "korvane-print is not built";
  }
};

TEST_F(ConvertCommand, EveryFormOfADayPrintsTheSameLinesAndBadInputOneLine) {
  const std::string expected =
      "和暦\t天保3年閏11月5日\n旧暦\t1832年閏11月5日\n西暦\t1832-12-26\nユリウス暦\t1832-12-14\n"
      "JDN\t2390544\n年干支\t壬辰\n日干支\t丁丑\n六曜\t先負\n曜日\t水曜日\n";
  for (const char* text : {"「天保3年閏11月5日」", "1832-12-26", "J1832-12-14", "旧1832-閏11-05", "JDN2390544"}) {
    const korvane::ToolRun run = Convert(std::string("'") + text + "'");
    EXPECT_EQ(run.status, 0) << text << run.err;
    EXPECT_EQ(run.out, expected) << text;
  }
  const std::string reiwa = "和暦\t令和元年5月1日\n旧暦\t2019年3月27日\n";
  EXPECT_EQ(Convert("令和元年5月1日").out.substr(0, reiwa.size()), reiwa);
  const std::string kyoho = "和暦\t亨保元年6月22日\n";
  EXPECT_EQ(Convert("--as-published 1716-08-09").out.substr(0, kyoho.size()), kyoho);

  for (const char* arguments : {"平成32年1月1日", "天保3年閏10月5日", "2052-01-01", "x", "''", "",
                                "1832-12-26 1832-12-27"}) {
    const korvane::ToolRun run = Convert(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << run.err;
  }
}

// Start days from the gathered table and the days before them: the tool
// names the era (both courts where they differ), and each 和暦 it prints
// converts back to the same day.  Every era is checked in-process through
// the same lines by the engine's tests; here, as a program, the eras of the
// two courts, the last eras and every twentieth of the others, since a run
// of the tool per day costs a process each.
TEST_F(ConvertCommand, EveryEraStartDayAndTheDayBeforeConvertBack) {
  const std::string path = std::string(KORVANE_SHARED_DATA_DIR) + "/era-starts-candidate.tsv";
  std::ifstream in(path);
  if (!in) GTEST_SKIP() << "gathered era table not found: " << path;
  std::string line;
  std::getline(in, line);
  std::vector<std::string> eras;
  std::string script;
  int count = 0;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream ss(line);
    for (std::string field; std::getline(ss, field, '\t');) f.push_back(field);
    const int row = count++;
    if (f[2] == "—" && row % 20 != 0 && std::stoi(f[3]) < 1860) continue;
    eras.push_back(f[0]);
    // Each day's lines, then the JDN of each 和暦 line converted back.
    for (long day : {std::stol(f[9]), std::stol(f[9]) - 1}) {
      script += "t=$(" + kTool + " convert JDN" + std::to_string(day) + "); echo \"$t\"; " +
                "echo \"$t\" | grep '^和暦' | cut -f2 | while read w; do " + kTool +
                " convert \"$w\" | grep '^JDN' | sed 's/^/back /'; done; echo; ";
    }
  }
  const korvane::ToolRun run = korvane::RunCommand("(" + script + ")");
  std::vector<std::string> blocks;
  for (size_t start = 0, end; (end = run.out.find("\n\n", start)) != std::string::npos; start = end + 2)
    blocks.push_back(run.out.substr(start, end + 1 - start));
  ASSERT_EQ(blocks.size(), 2 * eras.size()) << run.err;
  for (size_t i = 0; i < eras.size(); ++i) {
    for (size_t k = 0; k < 2; ++k) {
      if (i == 0 && k == 1) continue;  // the day before 推古 is out of range
      const std::string& block = blocks[2 * i + k];
      const size_t jdn = block.find("\nJDN\t");
      ASSERT_NE(jdn, std::string::npos) << eras[i] << block;
      const std::string day = block.substr(jdn + 5, block.find('\n', jdn + 1) - jdn - 5);
      int names = 0;
      for (size_t at = block.find("和暦"); at != std::string::npos; at = block.find("\n和暦", at + 1)) ++names;
      int backs = 0;
      for (size_t at = block.find("back JDN\t"); at != std::string::npos; at = block.find("back JDN\t", at + 1)) {
        EXPECT_EQ(block.substr(at + 9, day.size() + 1), day + "\n") << eras[i] << block;
        ++backs;
      }
      EXPECT_EQ(backs, names) << eras[i] << block;
    }
    EXPECT_NE(blocks[2 * i].find("\t" + eras[i] + "元年"), std::string::npos) << blocks[2 * i];
  }
}

}  // namespace
