// The text data the program ships: the Shift-JIS files the build writes into
// TxtData hold exactly the UTF-8 sources, and every file reads as its
// reader expects.
#include <gtest/gtest.h>
#include <iconv.h>

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

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(KORVANE_SOURCE_DIR) / "resources" / "txtdata";
const fs::path kBuiltDir = fs::path(KORVANE_BINARY_DIR) / "TxtData";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Code page 932 to UTF-8 through the C library; nullopt-like empty flag on
// any byte sequence that does not decode.
bool DecodeCp932(const std::string& bytes, std::string& utf8) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string out(bytes.size() * 3 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1) || inLeft != 0) return false;
  out.resize(out.size() - outLeft);
  utf8 = out;
  return true;
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
    std::string decoded;
    ASSERT_TRUE(DecodeCp932(bytes, decoded));
    EXPECT_EQ(decoded, WithCrLf(ReadBytes(source)));
  }
  EXPECT_GE(files, 1);
}

// --- weather.txt -----------------------------------------------------------

// Tokyo, normals 1991-2020: monthly means of the daily minimum and maximum.
constexpr std::array<double, 12> kNormalMin = {1.2, 2.1, 5.0, 9.8, 14.6, 18.5,
                                               22.4, 23.5, 20.3, 14.8, 8.8, 3.8};
constexpr std::array<double, 12> kNormalMax = {9.8, 10.9, 14.2, 19.4, 23.6, 26.1,
                                               29.9, 31.3, 27.5, 22.0, 16.7, 12.0};
constexpr std::array<int, 12> kMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

struct WeatherDay {
  int month, day;
  double low, high;  // the two lines' means, as the day calendar shows them
};

// The values of a line at their fixed places: characters 5k..5k+3.
double LineMean(const std::string& line, bool leapDay) {
  double sum = 0, lo = 1e9, hi = -1e9;
  for (int k = 0; k < 10; ++k) {
    const double v = std::atof(line.substr(5 * k, 4).c_str());
    sum += v;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  return leapDay ? (sum + 0.001) / 2 : (sum - lo - hi + 0.001) / 8;
}

std::vector<WeatherDay> ReadWeather() {
  std::vector<std::string> kept;
  for (const std::string& line : SourceLines("weather.txt")) {
    if (line.rfind("//", 0) != 0) kept.push_back(line);
  }
  std::vector<WeatherDay> days;
  for (size_t k = 0; k + 2 < kept.size(); k += 3) {
    WeatherDay d{};
    char header[16];
    std::snprintf(header, sizeof header, "[%02d:%02d]", std::atoi(kept[k].substr(1, 2).c_str()),
                  std::atoi(kept[k].substr(4, 2).c_str()));
    EXPECT_EQ(kept[k], header);
    d.month = std::atoi(kept[k].substr(1, 2).c_str());
    d.day = std::atoi(kept[k].substr(4, 2).c_str());
    EXPECT_EQ(kept[k + 1].size(), 50u) << kept[k];
    EXPECT_EQ(kept[k + 2].size(), 50u) << kept[k];
    const bool leap = d.month == 2 && d.day == 29;
    d.low = LineMean(kept[k + 1], leap);
    d.high = LineMean(kept[k + 2], leap);
    days.push_back(d);
  }
  EXPECT_EQ(kept.size() % 3, 0u);
  return days;
}

// All 366 dates in calendar order (February 29 after February 28), each
// month's shown values averaging to the month's normal, and no jumps from
// one day to the next.
TEST(ShippedFiles, WeatherReproducesTokyosMonthlyNormals) {
  const std::vector<WeatherDay> days = ReadWeather();
  ASSERT_EQ(days.size(), 366u);
  size_t i = 0;
  for (int m = 1; m <= 12; ++m) {
    double sumLow = 0, sumHigh = 0;
    int counted = 0;
    for (int d = 1; d <= kMonthDays[m - 1]; ++d, ++i) {
      ASSERT_EQ(days[i].month, m);
      ASSERT_EQ(days[i].day, d);
      // As the day calendar prints it: rounded to tenths.
      const double low = std::round(days[i].low * 10) / 10;
      const double high = std::round(days[i].high * 10) / 10;
      EXPECT_LT(low, high) << m << "/" << d;
      if (m == 2 && d == 29) continue;
      sumLow += low;
      sumHigh += high;
      ++counted;
    }
    EXPECT_NEAR(sumLow / counted, kNormalMin[m - 1], 0.0005) << "month " << m;
    EXPECT_NEAR(sumHigh / counted, kNormalMax[m - 1], 0.0005) << "month " << m;
  }
  for (size_t k = 0; k < days.size(); ++k) {
    const WeatherDay& next = days[(k + 1) % days.size()];
    EXPECT_LE(std::abs(next.low - days[k].low), 0.35) << days[k].month << "/" << days[k].day;
    EXPECT_LE(std::abs(next.high - days[k].high), 0.35) << days[k].month << "/" << days[k].day;
  }
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

// --- annual.txt ------------------------------------------------------------

// Twelve month sections in order; every entry starts with a day of its month
// and no continuation line contains the key mark that would end the entry
// early; every line fits the day calendar's 40-byte lines.
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

}  // namespace
