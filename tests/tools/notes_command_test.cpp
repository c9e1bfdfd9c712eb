// korvane-print notes, and the notes and term days in the calendar file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/tool_run.h"

namespace {

const std::string kTool = KORVANE_BINARY_DIR "/tools/korvane-print";

korvane::ToolRun Tool(const std::string& arguments) {
  return korvane::RunCommand("(" + kTool + " " + arguments + " 2>&1)");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class NotesCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kTool)) GTEST_SKIP() << "korvane-print is not built";
  }
};

}  // namespace

TEST_F(NotesCommand, LinesOfDaysAndTheirRules) {
  struct Row {
    const char* args;
    const char* line;
  };
  const Row rows[] = {
      // The 啓蟄 day: a new 節月 (辛卯, 七赤) on a 戊寅 day in spring.
      {"notes 2026-03-05",
       "2026-03-05\t閉\t角\t角\t丙午\t辛卯\t一白水星\t七赤金星\t城頭土\t"
       "天赦日・一粒万倍日・三隣亡・帰忌日・小犯土・寅の日"},
      // 閏6月6日 counts as the sixth month for 不成就日.
      {"notes 2025-07-30",
       "2025-07-30\t執\t箕\t軫\t乙巳\t癸未\t二黒土星\t六白金星\t壁上土\t不成就日・帰忌日・往亡日・天一天上"},
      // 立春 1900: the sun's 2月4日 under the current rules, the formula's
      // 2月5日 as published, so the day still belongs to 1899's 丑月.
      {"notes 1900-02-04", "1900-02-04\t破\t虚\t胃\t庚子\t戊寅\t一白水星\t八白土星\t大駅土\t天一天上"},
      {"--as-published notes 1900-02-04",
       "1900-02-04\t危\t虚\t胃\t己亥\t丁丑\t二黒土星\t九紫火星\t大駅土\t往亡日・天一天上"},
  };
  for (const Row& r : rows) {
    const korvane::ToolRun run = Tool(r.args);
    EXPECT_EQ(run.status, 0) << r.args;
    std::string expected = r.line;
    // The program writes the second star with the katakana ニ.
    for (size_t at; (at = expected.find("二黒")) != std::string::npos;) expected.replace(at, 3, "ニ");
    EXPECT_EQ(run.out, expected + "\n") << r.args;
  }

  // The whole range, one line a day with ten fields, dates in order.
  const korvane::ToolRun all = Tool("notes 1853-01-01 2050-12-31");
  ASSERT_EQ(all.status, 0);
  const auto lines = Lines(all.out);
  EXPECT_EQ(lines.size(), 72318u);
  EXPECT_EQ(lines.front().substr(0, 10), "1853-01-01");
  EXPECT_EQ(lines.back().substr(0, 10), "2050-12-31");
  for (const auto& line : lines) ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), 9) << line;

  for (const char* bad : {"notes", "notes 1852-12-31", "notes 2051-01-01", "notes 2026-02-29",
                          "notes 2026-3-5", "notes 2026-03-05 2026-03-04", "notes 2026-03-05 --what",
                          "notes 2026-03-05 2026-03-06 2026-03-07"}) {
    const korvane::ToolRun run = Tool(bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  }
}

// Every term event of the whole range stands on the day of the instant its
// description gives, under the current rules; as published the formula's
// day stays, and in 1900 立春 is a day after its instant.
TEST_F(NotesCommand, CalendarFileTermsAndNotes) {
  auto termDays = [](const std::string& args) {
    std::map<std::string, std::string> days;  // event date -> instant date
    std::string start;
    for (const auto& line : Lines(Tool("ics " + args).out)) {
      if (line.rfind("DTSTART;VALUE=DATE:", 0) == 0) start = line.substr(19);
      const size_t at = line.find("度 ");
      if (line.rfind("DESCRIPTION:太陽黄経", 0) == 0 && at != std::string::npos) {
        std::string date = line.substr(at + 4, 10);
        date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
        days[start] = date;
      }
    }
    return days;
  };
  const auto current = termDays("1873 2050 --what terms");
  EXPECT_EQ(current.size(), 178u * 24);
  for (const auto& [event, instant] : current) ASSERT_EQ(event, instant);
  EXPECT_EQ(termDays("1900 --what terms --as-published").at("19000205"), "19000204");

  // The default notes of 2026 with stable UIDs; --notes chooses them.
  const auto events = Lines(Tool("ics 2026 --what notes").out);
  EXPECT_NE(std::find(events.begin(), events.end(), "UID:note-20260305-tenshanichi@korvane.invalid"),
            events.end());
  EXPECT_NE(std::find(events.begin(), events.end(), "SUMMARY:己巳"), events.end());
  EXPECT_EQ(std::find(events.begin(), events.end(), "SUMMARY:母倉日"), events.end());
  std::vector<std::string> tensha;
  for (const auto& line : Lines(Tool("ics 2026 --notes 天赦日").out))
    if (line.rfind("UID:note-", 0) == 0) tensha.push_back(line.substr(9, 8));
  EXPECT_EQ(tensha, (std::vector<std::string>{"20260305", "20260504", "20260520", "20260719",
                                              "20261001", "20261216"}));
  const korvane::ToolRun bad = Tool("ics 2026 --notes 天赦日,大安");
  EXPECT_EQ(bad.status, 2);
}
