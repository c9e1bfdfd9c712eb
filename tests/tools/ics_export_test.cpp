// korvane-print ics: the calendar file as another calendar program reads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/tool_run.h"

namespace {

const std::string kTool = KORVANE_BINARY_DIR "/tools/korvane-print";

using korvane::ToolRun;

// The tool's standard error joins its output, in the order written.
ToolRun Ics(const std::string& arguments) {
  return korvane::RunCommand("(" + kTool + " ics " + arguments + " 2>&1)");
}

// The content lines, unfolded.
std::vector<std::string> Unfold(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    if (!line.empty() && line[0] == ' ' && !lines.empty())
      lines.back() += line.substr(1);
    else
      lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

// Every event as SUMMARY keyed by its DTSTART date.
std::multiset<std::string> Events(const std::vector<std::string>& lines) {
  std::multiset<std::string> events;
  std::string start;
  for (const auto& line : lines) {
    if (line.rfind("DTSTART;VALUE=DATE:", 0) == 0) start = line.substr(19);
    if (line.rfind("SUMMARY:", 0) == 0) events.insert(start + " " + line.substr(8));
  }
  return events;
}

class IcsExport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kTool)) GTEST_SKIP() << "korvane-print is not built";
  }
};

TEST_F(IcsExport, WellFormedFoldedAndStable) {
  const ToolRun run = Ics("2024 2026");
  ASSERT_EQ(run.status, 0) << run.out.substr(0, 200);
  // CR LF everywhere, 75 octets at most, continuations start with a blank
  // and never split a UTF-8 character.
  size_t start = 0;
  while (start < run.out.size()) {
    const size_t end = run.out.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "line without CR LF at " << start;
    const std::string line = run.out.substr(start, end - start);
    ASSERT_LE(line.size(), 75u) << line;
    ASSERT_EQ(line.find('\n'), std::string::npos);
    if (line.size() > 1) {
      ASSERT_NE(static_cast<unsigned char>(line[line[0] == ' ' ? 1 : 0]) & 0xC0, 0x80) << line;
    }
    start = end + 2;
  }
  const auto lines = Unfold(run.out);
  EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
  EXPECT_EQ(lines.back(), "END:VCALENDAR");

  // UIDs are unique, every event has a DTSTAMP, and a second export gives
  // the same events under the same UIDs.
  std::set<std::string> uids;
  int events = 0, stamps = 0;
  std::string withoutStamps;
  for (const auto& line : lines) {
    if (line.rfind("UID:", 0) == 0) {
      EXPECT_TRUE(uids.insert(line).second) << line;
    }
    if (line == "BEGIN:VEVENT") ++events;
    if (line.rfind("DTSTAMP:", 0) == 0) {
      ++stamps;
    } else {
      withoutStamps += line + "\n";
    }
  }
  EXPECT_EQ(int(uids.size()), events);
  EXPECT_EQ(stamps, events);
  std::string again;
  for (const auto& line : Unfold(Ics("2024 2026").out)) {
    if (line.rfind("DTSTAMP:", 0) != 0) again += line + "\n";
  }
  EXPECT_EQ(again, withoutStamps);

  // Three years of days: a 六曜 and a lunisolar date every day, 24 terms a year.
  const auto all = Events(lines);
  EXPECT_TRUE(all.count("20240101 元日"));
  EXPECT_TRUE(all.count("20240210 旧暦 1月1日"));
  EXPECT_TRUE(all.count("20240210 先勝"));  // the first day of month 1
  EXPECT_TRUE(all.count("20240204 立春"));
  EXPECT_TRUE(all.count("20260922 国民の休日"));  // between 敬老の日 and 秋分の日
  EXPECT_TRUE(all.count("20240811 山の日"));
  // Each term's instant from the sun's longitude: 立春 2024 came at 17:27
  // JST, 夏至 at 05:51; the series holds them to a few minutes.
  const auto minutesOf = [&](const std::string& date) {
    const size_t at = run.out.find(date + " ");
    if (at == std::string::npos) return -1;
    return std::stoi(run.out.substr(at + 11, 2)) * 60 + std::stoi(run.out.substr(at + 14, 2));
  };
  EXPECT_NEAR(minutesOf("2024-02-04"), 17 * 60 + 27, 5);
  EXPECT_NEAR(minutesOf("2024-06-21"), 5 * 60 + 51, 5);
}

TEST_F(IcsExport, ChoosesWhatAndWhichRules) {
  const auto holidays = Events(Unfold(Ics("2019 --what holidays").out));
  EXPECT_TRUE(holidays.count("20190501 即位の日"));
  EXPECT_FALSE(holidays.count("20191223 天皇誕生日"));
  for (const auto& e : holidays) EXPECT_EQ(e.find("旧暦"), std::string::npos) << e;
  const auto published = Events(Unfold(Ics("2019 --what=holidays --as-published").out));
  EXPECT_FALSE(published.count("20190501 即位の日"));
  EXPECT_TRUE(published.count("20191223 天皇誕生日"));

  for (const char* bad : {"", "1850", "2051", "2024 2023", "2024 --what sun", "20x4", "2024 2025 2026"}) {
    const ToolRun run = Ics(bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  }
}

TEST_F(IcsExport, ReadByACalendarLibrary) {
  const char* python = "/usr/bin/python3";
  if (std::system((std::string(python) + " -c 'import icalendar' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "Python's icalendar module is not installed";
  const std::string file = std::filesystem::temp_directory_path() / "korvane_ics_test.ics";
  std::ofstream(file, std::ios::binary) << Ics("2025 --what holidays,terms,zassetsu").out;
  const std::string script =
      std::string(python) +
      " -c 'import sys, icalendar\n"
      "cal = icalendar.Calendar.from_ical(open(sys.argv[1], \"rb\").read())\n"
      "ev = [e for e in cal.walk(\"VEVENT\")]\n"
      "names = {(str(e[\"SUMMARY\"]), e.decoded(\"DTSTART\").isoformat()) for e in ev}\n"
      "assert (\"元日\", \"2025-01-01\") in names, names\n"
      "assert (\"春分\", \"2025-03-20\") in names\n"
      "assert all((e.decoded(\"DTEND\") - e.decoded(\"DTSTART\")).days == 1 for e in ev)\n"
      "print(len(ev))' " +
      file;
  FILE* pipe = popen(script.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[64] = {};
  const size_t n = fread(buffer, 1, sizeof buffer - 1, pipe);
  EXPECT_EQ(pclose(pipe), 0);
  std::filesystem::remove(file);
  // 16 holidays and 24 terms of 2025, and its seasonal days.
  EXPECT_GT(std::atoi(std::string(buffer, n).c_str()), 40);
}

}  // namespace
