// The shipped haiku data: the table's source (resources/haiku/haiku.tsv) and
// the commentary file (resources/txtdata/rumika.txt, UTF-8 here, converted to
// code page 932 by the build).  Every poem has its commentary, every year its
// source, every commentary fits the haiku dialog and agrees with the table's
// year, and every poem is one of the gathered candidate poems.
#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/solar_term_table.h"
#include "textdata/haiku_commentary_reader.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

// Code page 932 bytes of `utf8`, or false when a character has no place there
// or does not read back as itself.
bool ToCp932(const std::string& utf8, std::string& sjis) {
  const auto convert = [](const char* to, const char* from, const std::string& in, std::string& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string buffer(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    out.assign(buffer.data(), buffer.size() - dstLeft);
    return ok;
  };
  std::string back;
  return convert("CP932", "UTF-8", utf8, sjis) && convert("UTF-8", "CP932", sjis, back) && back == utf8;
}

std::size_t Cp932Bytes(const std::string& utf8) {
  std::string sjis;
  return ToCp932(utf8, sjis) ? sjis.size() : std::string::npos;
}

struct Poem {
  int number = 0;
  std::string upper, middle, lower, era;
  int eraYear = 0, month = 0, day = 0;
  std::string source;
  std::string Text() const { return upper + middle + lower; }
};

std::vector<Poem> LoadTable() {
  std::vector<Poem> poems;
  const auto lines = Lines(ReadFile(std::string(KORVANE_SOURCE_DIR) + "/resources/haiku/haiku.tsv"));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto f = SplitTabs(lines[i]);
    if (f.size() != 9) {
      ADD_FAILURE() << "line " << i + 1 << " has " << f.size() << " fields";
      continue;
    }
    poems.push_back({std::stoi(f[0]), f[1], f[2], f[3], f[4], std::stoi(f[5]), std::stoi(f[6]), std::stoi(f[7]), f[8]});
  }
  return poems;
}

// The Gregorian year of an era year, as the program's lunisolar table counts
// it (each lunisolar year carries one era).
int GregorianYear(const std::string& era, int eraYear) {
  static const std::map<std::string, int> kFirstYear{
      {"寛文", 1661}, {"延宝", 1673}, {"天和", 1681}, {"貞享", 1684}, {"元禄", 1688}};
  const auto it = kFirstYear.find(era);
  return it == kFirstYear.end() ? 0 : it->second + eraYear - 1;
}

struct Commentary {
  std::string reading, seasonWord;
  std::vector<std::string> lines;
};

// The entries of rumika.txt by haiku number, read by the file's rules: a
// section line "[n]", then "1:" reading, "2:" season word, "3:" and the
// further lines of the commentary.
std::map<int, Commentary> LoadCommentary(std::vector<std::string>* problems) {
  std::map<int, Commentary> entries;
  Commentary* current = nullptr;
  bool inText = false;
  const std::regex section(R"(\[(\d+)\])");
  for (const std::string& line : Lines(ReadFile(std::string(KORVANE_SOURCE_DIR) + "/resources/txtdata/rumika.txt"))) {
    if (line.empty() || line.rfind("//", 0) == 0) continue;
    std::smatch m;
    if (std::regex_match(line, m, section)) {
      const int key = std::stoi(m[1]);
      if (entries.count(key)) problems->push_back("[" + m[1].str() + "] appears twice");
      current = &entries[key];
      inText = false;
    } else if (!current) {
      problems->push_back("text before the first entry: " + line);
    } else if (line.rfind("1:", 0) == 0 && !inText) {
      current->reading = line.substr(2);
    } else if (line.rfind("2:", 0) == 0 && !inText) {
      current->seasonWord = line.substr(2);
    } else if (line.rfind("3:", 0) == 0 && !inText) {
      current->lines.push_back(line.substr(2));
      inText = true;
    } else if (inText && line.find("1:") == std::string::npos && line.find("2:") == std::string::npos &&
               line.find("3:") == std::string::npos && line.front() != '[') {
      current->lines.push_back(line);
    } else {
      problems->push_back("line out of place: " + line);
    }
  }
  return entries;
}

}  // namespace

TEST(HaikuData, TableKeepsItsFixedRowsAndNamesTheSourceOfEveryYear) {
  const auto poems = LoadTable();
  ASSERT_FALSE(poems.empty());
  std::map<int, const Poem*> byNumber;
  for (const Poem& p : poems) {
    EXPECT_TRUE(byNumber.emplace(p.number, &p).second) << p.number;
    EXPECT_GE(p.number, 1);
    EXPECT_LE(p.number, 366);
    // A source is a page address, a collection or a journal, never a blank
    // or a placeholder.
    EXPECT_GE(p.source.size(), 10u) << p.number;
    EXPECT_EQ(p.source.find("(given)"), std::string::npos) << p.number;
    const int year = GregorianYear(p.era, p.eraYear);
    EXPECT_TRUE(year >= 1661 && year <= 1694) << p.number << " " << p.era << p.eraYear;
  }
  struct Fixed {
    int number;
    const char *upper, *middle, *lower, *era;
    int eraYear, month, day;
  };
  const Fixed fixed[] = {{1, "春立や", "新年ふるき", "米五升", "貞享", 1, 1, 1},
                         {2, "二日にも", "ぬかりはせじな", "花の春", "元禄", 1, 1, 2},
                         {34, "時雨をや", "もどかしがりて", "松の雪", "寛文", 6, 99, 99},
                         {365, "旧里や", "臍の緒に泣く", "年の暮れ", "貞享", 4, 12, 30},
                         {366, "姥桜", "咲くや老後の", "思ひ出", "寛文", 4, 99, 99}};
  for (const Fixed& f : fixed) {
    ASSERT_TRUE(byNumber.count(f.number)) << f.number;
    const Poem& p = *byNumber[f.number];
    EXPECT_EQ(p.upper + "/" + p.middle + "/" + p.lower, std::string(f.upper) + "/" + f.middle + "/" + f.lower);
    EXPECT_EQ(p.era, f.era);
    EXPECT_EQ(p.eraYear, f.eraYear);
    EXPECT_EQ(p.month, f.month);
    EXPECT_EQ(p.day, f.day);
  }
}

TEST(HaikuData, EveryHaikuHasACommentaryThatFitsTheDialogAndAgreesWithItsYear) {
  std::string sjis;
  ASSERT_TRUE(ToCp932(ReadFile(std::string(KORVANE_SOURCE_DIR) + "/resources/txtdata/rumika.txt"), sjis))
      << "rumika.txt has characters that code page 932 cannot hold";
  std::vector<std::string> problems;
  const auto entries = LoadCommentary(&problems);
  for (const std::string& problem : problems) ADD_FAILURE() << problem;

  const auto poems = LoadTable();
  std::set<int> numbers;
  const std::regex yearMention("(寛文|延宝|天和|貞享|元禄)(元|[0-9]+)年");
  for (const Poem& p : poems) {
    numbers.insert(p.number);
    const auto it = entries.find(p.number);
    if (it == entries.end()) {
      ADD_FAILURE() << "haiku " << p.number << " has no commentary";
      continue;
    }
    const Commentary& c = it->second;
    EXPECT_FALSE(c.reading.empty()) << p.number;
    EXPECT_FALSE(c.seasonWord.empty()) << p.number;
    EXPECT_LE(Cp932Bytes(c.reading), 79u) << p.number;
    EXPECT_LE(Cp932Bytes(c.seasonWord), 79u) << p.number;
    EXPECT_GE(c.lines.size(), 2u) << p.number;
    EXPECT_LE(c.lines.size(), 5u) << p.number;
    std::string text;
    for (const std::string& line : c.lines) {
      // Each line starts a new line of the 44-column edit; a longer one
      // would wrap in the middle of a word.
      EXPECT_LE(Cp932Bytes(line), 44u) << p.number << ": " << line;
      text += line;
    }
    // Every year the commentary names is the table's year (an era moved to
    // the one the lunisolar table carries names the same Gregorian year).
    int mentions = 0;
    for (std::sregex_iterator m(text.begin(), text.end(), yearMention), end; m != end; ++m, ++mentions) {
      const std::string n = (*m)[2];
      EXPECT_EQ(GregorianYear((*m)[1], n == "元" ? 1 : std::stoi(n)), GregorianYear(p.era, p.eraYear))
          << p.number << ": " << m->str();
    }
    EXPECT_GT(mentions, 0) << "haiku " << p.number << "'s commentary does not say when it was written";
  }
  for (const auto& [key, entry] : entries) EXPECT_TRUE(numbers.count(key)) << "commentary for absent haiku " << key;

  // The program's own reader finds the same entries in the shipped
  // Shift-JIS file, each commentary line starting a new 44-column line.
  const std::string built = std::string(KORVANE_BINARY_DIR) + "/TxtData/rumika.txt";
  if (!std::filesystem::exists(built)) return;
  for (const Poem& p : poems) {
    const auto it = entries.find(p.number);
    if (it == entries.end()) continue;
    korvane::HaikuCommentaryReader reader;
    ASSERT_EQ(reader.Read(built, p.number), 0);
    EXPECT_EQ(reader.reading(), it->second.reading) << p.number;
    EXPECT_EQ(reader.seasonWord(), it->second.seasonWord) << p.number;
    EXPECT_EQ(reader.commentary().rfind(it->second.lines.front(), 0), 0u) << p.number;
  }
}

namespace {

std::u32string CodePoints(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char b = utf8[i];
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = n == 1 ? b : b & (0x7F >> n);
    for (int k = 1; k < n && i + k < utf8.size(); ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
    out += c;
    i += n;
  }
  return out;
}

std::size_t EditDistance(const std::u32string& a, const std::u32string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = up;
    }
  }
  return row[b.size()];
}

}  // namespace

// The gathered candidate poems are not part of the repository; where they are
// at hand, every poem of the table must be one of them, allowing the small
// differences of spelling (kana for kanji, an old form) between editions.
TEST(HaikuData, EveryPoemIsOneOfTheCandidatePoems) {
  const std::string path = std::string(KORVANE_SHARED_DATA_DIR) + "/haiku-candidate.tsv";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no candidate list at " << path;
  std::vector<std::u32string> candidates;
  const auto lines = Lines(ReadFile(path));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto f = SplitTabs(lines[i]);
    if (f.size() >= 3) candidates.push_back(CodePoints(f[0] + f[1] + f[2]));
  }
  ASSERT_GT(candidates.size(), 1000u);
  for (const Poem& p : LoadTable()) {
    const std::u32string text = CodePoints(p.Text());
    std::size_t best = text.size();
    for (const auto& c : candidates) best = std::min(best, EditDistance(text, c));
    EXPECT_LE(best, std::max<std::size_t>(3, text.size() / 5)) << p.number << " " << p.Text();
  }
}

// Every day of the year has its poem, no poem stands on two days (an edition's
// other spelling counts as the same poem), and the eras keep the table's tally.
TEST(HaikuData, EveryDayHasOnePoemNoneTwiceAndTheErasKeepTheTally) {
  const auto poems = LoadTable();
  std::set<int> days;
  std::map<std::string, int> tally;
  for (const Poem& p : poems) {
    days.insert(p.number);
    ++tally[p.era];
  }
  for (int day = 1; day <= 366; ++day) EXPECT_TRUE(days.count(day)) << "no poem for day " << day;
  const std::map<std::string, int> expected = {{"元禄", 273}, {"貞享", 67}, {"延宝", 14}, {"天和", 7}, {"寛文", 5}};
  EXPECT_EQ(tally, expected);
  std::vector<std::u32string> texts;
  for (const Poem& p : poems) texts.push_back(CodePoints(p.Text()));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const std::size_t shorter = std::min(texts[i].size(), texts[j].size());
      EXPECT_GT(EditDistance(texts[i], texts[j]), std::max<std::size_t>(3, shorter / 5))
          << poems[i].number << " " << poems[i].Text() << " / " << poems[j].number << " " << poems[j].Text();
    }
  }
}

// A poem stands on the day whose season its season word names: by the solar
// terms in force on that day (立春..立夏 spring and so on) in some year of
// this century, since a season's first day moves by a day between years and
// the haiku of a day of the year moves with the leap day.  New Year words
// belong to the first half of January, words of the year's end to December,
// the plum to early spring, and wisteria and words of a season's going to its
// last two terms.  The leap day's 姥桜 is the one row the table fixes.
TEST(HaikuData, EverySeasonWordSuitsTheDayItStandsOn) {
  std::vector<std::string> problems;
  const auto entries = LoadCommentary(&problems);
  ASSERT_EQ(entries.size(), 366u);
  const SolarTermTable terms;
  // The last term on or before the day, else the previous December's 冬至.
  const auto termInForce = [&terms](int year, int dayOfYear) {
    int best = 0, bestDay = -1;
    for (int i = 0, month = 0, weekday = 0; i < SolarTermTable::kTermCount; ++i) {
      const int day = terms.TermDate(year, i, month, weekday);
      const int termDay = CalendarNames::DayOfYear(year, month, day);
      if (termDay <= dayOfYear && termDay > bestDay) best = i, bestDay = termDay;
    }
    return best;
  };
  const auto seasonOf = [](int term) -> std::string {
    return term >= 3 && term <= 8 ? "春" : term >= 9 && term <= 14 ? "夏" : term >= 15 && term <= 20 ? "秋" : "冬";
  };
  const std::regex line(R"((.*)\((春|夏|秋|冬|新年|無季)\))"), yearEnd("年忘|年の暮|年暮|煤|師走|臘月|晦日");
  // Words narrower than their season, and the terms their day lies in.
  const struct {
    const char *part, *season;
    std::set<int> terms;
  } narrow[] = {{"梅", "春", {3, 4, 5, 6}}, {"藤", "春", {7, 8}},     {"行く春", "春", {7, 8}},
                {"行く秋", "秋", {19, 20}}, {"秋深", "秋", {19, 20}}, {"秋暮", "秋", {19, 20}}};
  for (const auto& [number, entry] : entries) {
    if (number == 366) continue;
    const std::string where = std::to_string(number) + " " + entry.seasonWord;
    std::smatch m;
    if (!std::regex_match(entry.seasonWord, m, line)) {
      ADD_FAILURE() << where << ": not one word and its season";
      continue;
    }
    const std::string word = m[1], season = m[2];
    EXPECT_EQ(word.empty(), season == "無季") << where;
    std::set<int> termsInForce;
    std::set<std::string> seasons;
    for (int year = 2000; year <= 2050; ++year) termsInForce.insert(termInForce(year, number - 1));
    for (int term : termsInForce) seasons.insert(seasonOf(term));
    EXPECT_TRUE(season != "新年" || number <= 15) << where << " stands after the first half of January";
    EXPECT_TRUE(season == "新年" || season == "無季" || seasons.count(season)) << where << " stands in another season";
    EXPECT_TRUE(!std::regex_search(word, yearEnd) || number >= 335) << where << " stands before December";
    for (const auto& n : narrow) {
      if (season != n.season || word.find(n.part) == std::string::npos) continue;
      bool inTime = false;
      for (int term : termsInForce) inTime = inTime || n.terms.count(term);
      EXPECT_TRUE(inTime) << where << " stands outside the part of its season it names";
    }
  }
}
