// The text data the program ships: the Shift-JIS files the build writes into
// TxtData hold exactly the UTF-8 sources, and the program's own readers take
// every tip and every schedule entry as they were written.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "textdata/annual_schedule.h"
#include "textdata/help_topics.h"
#include "textdata/sjis.h"
#include "textdata/tips_reader.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(KORVANE_SOURCE_DIR) / "resources" / "txtdata";
const fs::path kBuiltDir = fs::path(KORVANE_BINARY_DIR) / "TxtData";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string WithCrLf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::vector<std::string> SourceLines(const std::string& name) {
  std::istringstream in(ReadBytes(kSourceDir / name));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The lines of a shipped file as the program reads them: Shift-JIS bytes,
// line ends removed.  Widths in the formats are counted in these bytes.
std::vector<std::string> BuiltLines(const std::string& name) {
  std::istringstream in(ReadBytes(kBuiltDir / name));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsComment(const std::string& line) { return line.empty() || line.rfind("//", 0) == 0; }

// Every source file comes out of the build as Shift-JIS with CR LF that
// decodes back to exactly the source: no character was dropped or replaced
// by a look-alike.
TEST(ShippedFiles, BuiltFilesAreTheSourcesInShiftJisWithCrLf) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(kSourceDir)) {
    const fs::path source = entry.path();
    if (source.extension() != ".txt" || source.filename() == "CMakeLists.txt") continue;
    ++files;
    SCOPED_TRACE(source.filename().string());
    const fs::path built = kBuiltDir / source.filename();
    ASSERT_TRUE(fs::exists(built));
    const std::string bytes = ReadBytes(built);
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') {
        ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
      }
    }
    const std::string text = WithCrLf(ReadBytes(source));
    EXPECT_EQ(korvane::SjisToUtf8(bytes), text);
    std::string encoded;
    std::vector<std::string> unwritable;
    EXPECT_TRUE(korvane::Utf8ToSjis(text, encoded, &unwritable)) << unwritable.size();
    EXPECT_EQ(encoded, bytes);
  }
  EXPECT_GE(files, 1);
}

// --- onepoint.txt ----------------------------------------------------------

// Topic number -> its lines (comments dropped), by the tips reader's rule that
// a line ending in ':' is a header whose number starts the line.
std::vector<std::pair<int, std::vector<std::string>>> ReadTips() {
  std::vector<std::pair<int, std::vector<std::string>>> topics;
  for (const std::string& line : BuiltLines("onepoint.txt")) {
    if (IsComment(line)) continue;
    if (line.back() == ':') {
      topics.push_back({std::atoi(line.c_str()), {}});
    } else {
      EXPECT_FALSE(topics.empty()) << "text before the first topic: " << line;
      if (!topics.empty()) topics.back().second.push_back(line);
    }
  }
  return topics;
}

// Topics numbered 1, 2, 3 ... so that "next" and "previous" visit each once;
// a heading the heading box holds, and body lines that fit the body box's 13
// lines, the first of which the dialog leaves blank.
TEST(ShippedFiles, TipsAreNumberedInOrderAndFitTheDialog) {
  const auto topics = ReadTips();
  ASSERT_GE(topics.size(), 67u);
  for (size_t i = 0; i < topics.size(); ++i) {
    const auto& [number, lines] = topics[i];
    SCOPED_TRACE("topic " + std::to_string(number));
    EXPECT_EQ(number, static_cast<int>(i) + 1);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_LE(lines[0].size(), 28u);
    EXPECT_LE(lines.size() - 1, 12u);
    for (size_t k = 1; k < lines.size(); ++k) EXPECT_LE(lines[k].size(), 65u) << k;
  }
}

// --- Topics.txt and the files it names ------------------------------------

struct HelpTopic {
  std::string k1, k2, k3;
  bool hasDescription = false;
  bool indexMark = false;
  std::vector<std::string> body;
};

// The help files as the help reader takes them: the main file, then each
// file of its "f:" lines, comments dropped, a topic from each "[*]" line.
std::vector<HelpTopic> ReadHelp() {
  std::vector<std::string> table;
  std::vector<std::string> included;
  for (const std::string& line : SourceLines("Topics.txt")) {
    if (line.rfind("//", 0) == 0) continue;
    if (line.rfind("f:", 0) == 0) {
      included.push_back(line.substr(2));
      continue;
    }
    table.push_back(line);
  }
  EXPECT_LE(included.size(), 20u);
  for (const std::string& name : included) {
    EXPECT_LE(name.size(), 31u) << name;
    EXPECT_TRUE(fs::exists(kBuiltDir / name)) << name;
    for (const std::string& line : SourceLines(name)) {
      if (line.rfind("//", 0) != 0) table.push_back(line);
    }
  }
  EXPECT_LE(table.size(), 10000u);
  std::vector<HelpTopic> topics;
  for (const std::string& line : table) {
    if (line == "[*]") {
      topics.emplace_back();
      continue;
    }
    if (topics.empty()) continue;
    HelpTopic& t = topics.back();
    if (t.hasDescription) {
      t.body.push_back(line);
    } else if (line.rfind("k1:", 0) == 0) {
      t.k1 = line.substr(3);
    } else if (line.rfind("k2:", 0) == 0) {
      t.k2 = line.substr(3);
    } else if (line.rfind("k3:", 0) == 0) {
      t.k3 = line.substr(3);
    } else if (line.rfind("l2:", 0) == 0) {
      t.indexMark = true;
    } else if (line.rfind("d:", 0) == 0) {
      t.hasDescription = true;
      t.body.push_back(line.substr(2));
    }
  }
  EXPECT_LE(topics.size(), 1000u);
  return topics;
}

// Every topic is reachable by a name of its own; every category names a
// topic; the start topic and the index exist; and every place where the
// text sends the reader elsewhere (the contents, the category pages, the
// 「…」をご覧ください references) names a topic.
TEST(ShippedFiles, HelpTopicsLinkOnlyToTopicsThatExist) {
  const std::vector<HelpTopic> topics = ReadHelp();
  ASSERT_GE(topics.size(), 60u);
  std::map<std::string, int> names;
  std::set<std::string> keys;
  int indexes = 0;
  for (const HelpTopic& t : topics) {
    EXPECT_FALSE(t.k1.empty());
    EXPECT_TRUE(t.hasDescription) << t.k1;
    EXPECT_LE(t.k1.size(), 3 * 25u) << t.k1;  // the lists compare 25 characters
    ++names[t.k1];
    for (const std::string* k : {&t.k1, &t.k2, &t.k3}) {
      if (!k->empty()) keys.insert(*k);
    }
    indexes += t.indexMark;
  }
  for (const auto& [name, count] : names) EXPECT_EQ(count, 1) << name;
  EXPECT_EQ(names.count("目次"), 1u);
  EXPECT_EQ(indexes, 1);

  const std::regex seeAlso("「([^」]+)」(?:と「([^」]+)」)?をご覧ください");
  const std::regex column("^  ([^ ].*?)(?:  +.*)?$");
  for (const HelpTopic& t : topics) {
    SCOPED_TRACE(t.k1);
    if (!t.k2.empty()) {
      EXPECT_EQ(names.count(t.k2), 1u) << "category " << t.k2;
    }
    const bool contents = t.k1 == "目次" || t.k1 == "暦の知識";
    for (const std::string& line : t.body) {
      for (std::sregex_iterator m(line.begin(), line.end(), seeAlso), end; m != end; ++m) {
        for (size_t g = 1; g < m->size(); ++g) {
          if ((*m)[g].matched) {
            EXPECT_TRUE(keys.count((*m)[g].str())) << (*m)[g].str();
          }
        }
      }
      std::smatch m;
      if (t.k2 != "目次" || !std::regex_match(line, m, column)) continue;
      if (contents) {
        // Every entry of a contents line is a topic.
        const std::regex gap(" {2,}");
        const std::string trimmed = line.substr(2);
        for (std::sregex_token_iterator it(trimmed.begin(), trimmed.end(), gap, -1), end; it != end;
             ++it) {
          EXPECT_TRUE(keys.count(*it)) << *it;
        }
      } else {
        EXPECT_TRUE(keys.count(m[1].str())) << m[1].str();
      }
    }
  }
}

// The help as the help viewer reads it, "f:" files included: every topic
// opens under its own name (no earlier topic takes the name as a k2 or k3),
// and every link the viewer marks in a description, every category and
// every 「…」をご覧ください opens a topic with text, never the beep of a
// topic without one.
TEST(ShippedFiles, EveryHelpLinkOpensATopicWithText) {
  korvane::HelpTopics help;
  ASSERT_TRUE(help.Load((kBuiltDir / "Topics.txt").string()));
  EXPECT_GT(help.IndexColumns(), 0);
  const auto opens = [&help](const std::string& key) {
    const korvane::HelpTopic topic = help.Find(key);
    return topic.found && !topic.lines.empty();
  };
  const std::vector<HelpTopic> written = ReadHelp();
  for (const HelpTopic& t : written) {
    const korvane::HelpTopic topic = help.Find(t.k1);
    ASSERT_TRUE(topic.found) << t.k1;
    EXPECT_EQ(help.TopicName(topic.id), t.k1);
    if (!t.k2.empty()) {
      EXPECT_TRUE(opens(t.k2)) << t.k1 << " in " << t.k2;
    }
  }
  const std::regex seeAlso("「([^」]+)」(?:と「([^」]+)」)?をご覧ください");
  int links = 0;
  for (int id = 0; id < help.TopicCount(); ++id) {
    const std::string name = help.TopicName(id);
    if (name.empty()) continue;
    for (const std::string& line : help.Find(name).lines) {
      for (const korvane::HelpLink& link : help.Links(line, name)) {
        ++links;
        EXPECT_TRUE(opens(link.text)) << name << ": " << link.text;
      }
      for (std::sregex_iterator m(line.begin(), line.end(), seeAlso), end; m != end; ++m) {
        for (size_t g = 1; g < m->size(); ++g) {
          if ((*m)[g].matched) {
            EXPECT_TRUE(opens((*m)[g].str())) << name << ": " << (*m)[g].str();
          }
        }
      }
    }
  }
  EXPECT_GT(links, static_cast<int>(written.size()));
}

// What the tips dialog shows of every topic: the topic itself, under its
// own heading (never the "豆知識..." stand-in for a missing one), with a
// body that fits the dialog's 13 lines; past the last topic it goes round.
TEST(ShippedFiles, TheTipsReaderShowsEveryTopicWhole) {
  const korvane::TipsReader reader((kBuiltDir / "onepoint.txt").string());
  const auto topics = ReadTips();
  ASSERT_FALSE(topics.empty());
  std::string heading, body;
  for (const auto& [number, lines] : topics) {
    SCOPED_TRACE("topic " + std::to_string(number));
    ASSERT_EQ(reader.Load(number, heading, body), number);
    EXPECT_NE(heading, "豆知識...\n");
    EXPECT_EQ(heading, korvane::SjisToUtf8(lines[0]) + "\n");
    std::string expected = "\n";
    for (size_t k = 1; k < lines.size(); ++k) expected += korvane::SjisToUtf8(lines[k]) + "\n";
    EXPECT_EQ(body, expected);
    EXPECT_LE(std::count(body.begin(), body.end(), '\n'), 13);
  }
  EXPECT_EQ(reader.Load(static_cast<int>(topics.size()) + 1, heading, body), 1);
  EXPECT_EQ(reader.Load(0, heading, body), static_cast<int>(topics.size()));
}

// --- annual.txt ------------------------------------------------------------

// Twelve month sections in order; every entry starts with a day of its month
// and no continuation line contains the key mark that would end the entry
// early; every line fits the day calendar's 40-byte lines.
constexpr std::array<int, 12> kMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

TEST(ShippedFiles, AnnualSampleHasAnEntryShapeTheDayReaderTakes) {
  int month = 0, entries = 0;
  const std::string dayMark = "\x93\xfa:";  // "日:" in Shift-JIS
  for (const std::string& line : BuiltLines("annual.txt")) {
    if (IsComment(line)) continue;
    SCOPED_TRACE(line);
    if (line.front() == '[') {
      ++month;
      EXPECT_EQ(line, "[" + std::to_string(month) + "\x8c\x8e]");  // "[%d月]"
      continue;
    }
    ASSERT_GE(month, 1) << "entry before the first month";
    const size_t mark = line.find(dayMark);
    if (mark != std::string::npos) {
      const int day = std::atoi(line.substr(0, mark).c_str());
      EXPECT_EQ(line.substr(0, mark), std::to_string(day));
      EXPECT_TRUE(day >= 1 && day <= kMonthDays[month - 1]);
      EXPECT_LE(line.size() - mark - dayMark.size(), 40u);
      ++entries;
    } else {
      EXPECT_LE(line.size(), 40u);
    }
  }
  EXPECT_EQ(month, 12);
  EXPECT_GE(entries, 30);
}

// The day calendar's reader finds each entry of the sample, with its
// continuation lines, and nothing on the days without one.
TEST(ShippedFiles, TheDayReaderTakesEveryEntryOfTheSample) {
  // month/day -> the entry's lines as written, UTF-8.
  std::map<std::pair<int, int>, std::vector<std::string>> written;
  int month = 0;
  std::pair<int, int> current{0, 0};
  for (const std::string& line : SourceLines("annual.txt")) {
    if (IsComment(line)) continue;
    if (line.front() == '[') {
      month = std::atoi(line.c_str() + 1);
      current = {0, 0};
    } else if (const size_t mark = line.find("日:"); mark != std::string::npos) {
      current = {month, std::atoi(line.c_str())};
      written[current].push_back(line.substr(mark + std::string("日:").size()));
    } else {
      written[current].push_back(line);
    }
  }
  const std::string path = (kBuiltDir / "annual.txt").string();
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= kMonthDays[m - 1]; ++d) {
      SCOPED_TRACE(std::to_string(m) + "/" + std::to_string(d));
      std::string text;
      ASSERT_EQ(korvane::AnnualScheduleReader::ReadEntry(path, m, d, text), 0);
      std::string expected;
      const auto it = written.find({m, d});
      if (it != written.end()) {
        for (const std::string& piece : it->second) {
          std::string sjis;
          ASSERT_TRUE(korvane::Utf8ToSjis(piece, sjis));
          // Each line blank-filled to the next multiple of 40 bytes.
          const size_t width = korvane::AnnualScheduleReader::kLineWidth;
          const size_t fill = sjis.empty() || sjis.size() % width == 0 ? 0 : width - sjis.size() % width;
          expected += piece + std::string(fill, ' ');
        }
      }
      EXPECT_EQ(text, expected);
    }
  }
}

}  // namespace
