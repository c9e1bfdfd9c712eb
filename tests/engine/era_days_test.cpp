#include "engine/era_days.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/date_conversion.h"
#include "engine/julian_day.h"

namespace {

const EraDays& Eras(CalendarLaw law = CalendarLaw::Current) {
  static const auto* current = new LunisolarTable(CalendarLaw::Current);
  static const auto* published = new LunisolarTable(CalendarLaw::AsPublished);
  static const auto* currentEras = new EraDays(*current);
  static const auto* publishedEras = new EraDays(*published);
  return law == CalendarLaw::Current ? *currentEras : *publishedEras;
}

// The 和暦 lines of a day, "KEY=VALUE" joined by spaces.
std::string WarekiLines(long jdn, const EraDays& eras = Eras()) {
  std::string out;
  for (const auto& [key, value] : ConversionLines(ConvertDay(jdn, eras), eras)) {
    if (key.starts_with("和暦")) out += (out.empty() ? "" : " ") + key + "=" + value;
  }
  return out;
}

long Parse(const std::string& text, const EraDays& eras = Eras()) {
  const DateTextResult result = ParseDateText(text, eras);
  EXPECT_EQ(result.ok(), result.error.empty()) << text;
  return result.jdn;
}

// Every era's start day and the day before it, from the gathered table: the
// start day names the era's first year in its court, the day before the era
// that went before in that court, and each 和暦 text converts back.
TEST(EraDays, EveryStartDayAndTheDayBefore) {
  const std::string path = std::string(KORVANE_SHARED_DATA_DIR) + "/era-starts-candidate.tsv";
  std::ifstream in(path);
  if (!in) GTEST_SKIP() << "gathered era table not found: " << path;
  const EraDays& eras = Eras();
  std::string line;
  std::getline(in, line);
  // Per court, the era in force so far and the first year it counts from.
  std::map<Court, std::pair<std::string, int>> running;
  std::map<Court, long> runningSince;
  // The two days a court took up an era begun elsewhere, as the sources note.
  const std::map<long, std::pair<Court, std::string>> resumed = {
      {Parse("旧1333-05-25"), {Court::North, "元弘"}},
      {2229809, {Court::South, "明徳"}}};
  std::map<std::string, int> firstYears;
  int rows = 0;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream ss(line);
    for (std::string field; std::getline(ss, field, '\t');) f.push_back(field);
    ASSERT_GE(f.size(), 10u) << line;
    const std::string& name = f[0];
    SCOPED_TRACE(name);
    const long jdn = std::stol(f[9]);
    const int era = eras.FindEra(name);
    ASSERT_EQ(era, rows);
    ++rows;
    EXPECT_EQ(eras.EraStartJdn(era), jdn);
    EXPECT_EQ(WesternText(korvane::GregorianFromJdn(jdn)), f[7]);
    EXPECT_EQ(WesternText(korvane::JulianFromJdn(jdn)), f[8]);
    const Court court = f[2] == "北朝" ? Court::North : f[2] == "南朝" ? Court::South : Court::Both;
    EXPECT_EQ(EraDays::EraCourt(era), court);
    firstYears[name] = jdn < EraDays::reformJdn ? std::stoi(f[3]) : std::stoi(f[7].substr(0, 4));

    for (long day : {jdn - 1, jdn}) {
      if (!EraDays::InRange(day)) continue;
      for (const EraInForce& e : eras.ErasOn(day)) {
        const std::string text = eras.WarekiText(eras.Wareki(e, day));
        EXPECT_EQ(Parse(text), day) << text;
      }
    }
    // The courts whose count the row changes.
    std::vector<Court> courts;
    if (court != Court::South) courts.push_back(Court::North);
    if (court != Court::North) courts.push_back(Court::South);
    for (Court c : courts) {
      for (const auto& [day, what] : resumed) {
        if (what.first == c && runningSince[c] < day && day < jdn)
          running[c] = {what.second, firstYears[what.second]};
      }
      auto named = [&](long day) {
        for (const EraInForce& e : eras.ErasOn(day)) {
          if (e.court == Court::Both || e.court == c)
            return std::string(eras.EraName(e.era)) + std::to_string(e.eraYear);
        }
        return std::string();
      };
      EXPECT_EQ(named(jdn), name + "1");
      if (!running[c].first.empty()) {
        const int year = eras.WritingYear(jdn - 1);
        EXPECT_EQ(named(jdn - 1), running[c].first + std::to_string(year - running[c].second + 1));
      }
      running[c] = {name, firstYears[name]};
      runningSince[c] = jdn;
    }
  }
  EXPECT_EQ(rows, eras.EraCount());
}

// Days whose 和暦 a reader can check in any history book.
TEST(EraDays, KnownDays) {
  const struct {
    const char* text;
    const char* wareki;
  } days[] = {
      {"1832-12-26", "和暦=天保3年閏11月5日"},
      {"1989-01-07", "和暦=昭和64年1月7日"},
      {"1989-01-08", "和暦=平成元年1月8日"},
      {"2019-04-30", "和暦=平成31年4月30日"},
      {"2019-05-01", "和暦=令和元年5月1日"},
      {"1868-10-22", "和暦=慶応4年9月7日"},
      {"1868-10-23", "和暦=明治元年9月8日"},
      {"1872-12-31", "和暦=明治5年12月2日"},
      {"1873-01-01", "和暦=明治6年1月1日"},
      {"1912-07-30", "和暦=大正元年7月30日"},
      {"J1582-10-04", "和暦=天正10年9月18日"},
      {"1582-10-15", "和暦=天正10年9月19日"},
      {"旧923-閏4-11", "和暦=延長元年閏4月11日"},
      {"旧1336-02-29", "和暦(北朝)=建武3年2月29日 和暦(南朝)=延元元年2月29日"},
      {"旧1392-閏10-04", "和暦(北朝)=明徳3年閏10月4日 和暦(南朝)=元中9年閏10月4日"},
      {"旧1392-閏10-05", "和暦=明徳3年閏10月5日"},
      {"旧1333-05-25", "和暦=元弘3年5月25日"},
      {"旧1333-05-24", "和暦(北朝)=正慶2年5月24日 和暦(南朝)=元弘3年5月24日"},
      {"593-02-09", "和暦=推古元年1月1日"},
      {"2051-12-31", "和暦=令和33年12月31日"},
  };
  for (const auto& day : days) EXPECT_EQ(WarekiLines(Parse(day.text)), day.wareki) << day.text;
  EXPECT_EQ(Eras().EraYearsOn(Parse("旧1336-02-29")), "北朝建武3年・南朝延元元年");
  EXPECT_EQ(Eras().EraYearsOn(Parse("1989-01-08")), "平成元年");

  // The full record of the example, in its order.
  const EraDays& eras = Eras();
  std::string all;
  for (const auto& [key, value] : ConversionLines(ConvertDay(Parse("「天保3年閏11月5日」"), eras), eras))
    all += key + "\t" + value + "\n";
  EXPECT_EQ(all,
            "和暦\t天保3年閏11月5日\n旧暦\t1832年閏11月5日\n西暦\t1832-12-26\nユリウス暦\t1832-12-14\n"
            "JDN\t2390544\n年干支\t壬辰\n日干支\t丁丑\n六曜\t先負\n曜日\t水曜日\n");
}

// Texts that name the same day, and texts that name none, with the line a
// reader sees.
TEST(DateText, ReadsEveryFormAndRefusesImpossibleDays) {
  const long day = korvane::JdnFromGregorian(2019, 5, 1);
  for (const char* text : {"令和元年5月1日", "令和1年5月1日", "「令和元年５月１日」", " 2019/05/01 ",
                           "2019年5月1日", "J2019-04-18", "旧2019-03-27", "旧2019年3月27日",
                           "JDN2458605", "ＪＤＮ２４５８６０５"}) {
    EXPECT_EQ(Parse(text), day) << text;
  }
  EXPECT_EQ(Parse("亨保元年6月22日"), Parse("享保元年6月22日"));
  for (const char* text : {"天保三年閏十一月五日", "天保3年閏11月5日", "旧一八三二年閏十一月五日"})
    EXPECT_EQ(Parse(text), korvane::JdnFromGregorian(1832, 12, 26)) << text;
  EXPECT_EQ(Parse("天保四年正月廿五日"), Parse("天保4年1月25日"));
  EXPECT_EQ(Parse("天保四年二月朔日"), Parse("天保4年2月1日"));
  EXPECT_EQ(Parse("J1900-02-29"), korvane::JdnFromGregorian(1900, 3, 13));

  const struct {
    const char* text;
    const char* error;  // "" for the general "cannot read" line
  } refused[] = {
      {"天保3年閏10月5日", "天保3年に閏10月はありません"},
      {"天保3年10月30日", "天保3年10月は小の月で、29日までです"},
      {"平成32年1月1日", "平成は31年4月30日までです"},
      {"令和元年4月30日", "令和元年は5月1日からです"},
      {"令和0年5月1日", "年は元年（1年）から数えます"},
      {"明治5年12月3日", "明治5年12月2日の翌日からは新暦で、その日が明治6年1月1日"},
      {"平成元年閏1月8日", "改暦（明治6年）からの和暦に閏月はありません"},
      {"令和2年2月30日", "令和2年2月に30日はありません"},
      {"天保3年13月1日", "13月はありません"},
      {"旧1832-閏10-01", "旧暦1832年に閏10月はありません"},
      {"旧2052-01-01", "旧暦は593年から2051年までです"},
      {"旧2051-12-01", "593年2月9日から2051年12月31日までの日だけを変換できます"},
      {"593-02-08", "593年2月9日から2051年12月31日までの日だけを変換できます"},
      {"1900-02-29", "西暦の1900年2月に29日はありません"},
      {"J1582-02-29", "ユリウス暦の1582年2月に29日はありません"},
      {"JDN99999999999", ""},
      {"明和元年1月1日", ""},  // 明和 is real but began in its year's 6月
      {"大和3年1月1日", "「大和」という年号はありません"},
      {"天保3年11月", ""},
      {"天保三年十十月五日", ""},
      {"2019-05-01x", ""},
      {"", ""},
  };
  for (const auto& r : refused) {
    const DateTextResult result = ParseDateText(r.text, Eras());
    EXPECT_FALSE(result.ok()) << r.text;
    if (*r.error != '\0') {
      EXPECT_EQ(result.error, r.error) << r.text;
    }
    EXPECT_FALSE(result.error.empty()) << r.text;
  }
  // The published rules know neither 令和 nor the standard spellings in text.
  EXPECT_FALSE(ParseDateText("令和元年5月1日", Eras(CalendarLaw::AsPublished)).ok());
  EXPECT_EQ(WarekiLines(Parse("1716-08-09"), Eras(CalendarLaw::AsPublished)), "和暦=亨保元年6月22日");
  EXPECT_EQ(WarekiLines(Parse("2019-05-01"), Eras(CalendarLaw::AsPublished)), "和暦=平成31年5月1日");
}

// Every day of the range: 旧暦 → Gregorian → 旧暦, Gregorian → Julian →
// Gregorian, the day numbers against the almanac's own day count, and each
// 和暦 form back to its day.
TEST(EraDays, WholeRangeRoundTrips) {
  const EraDays& eras = Eras();
  const LunisolarTable& table = eras.Table();
  long expected = EraDays::firstJdn;
  for (int y = LunisolarTable::firstYear; y <= LunisolarTable::lastYear; ++y) {
    for (int p = 1; p <= 12 + table.HasLeapMonth(y); ++p) {
      for (int d = 1; d <= table.MonthDays(y, p); ++d) {
        const GregorianDate g = table.ToGregorian(y, p, d);
        const long jdn = korvane::JdnFromGregorian(g);
        if (jdn > EraDays::lastJdn) break;
        ASSERT_EQ(jdn, expected) << y << "/" << p << "/" << d;
        ++expected;
        ASSERT_EQ(table.FromGregorian(g.year, g.month, g.day), (LunisolarDate{y, p, table.LeapPosition(y), d}));
        ASSERT_EQ(korvane::GregorianFromJdn(jdn), g);
        ASSERT_EQ(jdn, static_cast<long>(CalendarNames::DayNumber(g.year, g.month, g.day)) + 1937650);
        const GregorianDate j = korvane::JulianFromJdn(jdn);
        ASSERT_TRUE(korvane::IsValidJulian(j.year, j.month, j.day));
        ASSERT_EQ(korvane::JdnFromJulian(j.year, j.month, j.day), jdn);
        ASSERT_EQ(korvane::WeekdayOfJdn(jdn), CalendarNames::DayOfWeek(g.year, g.month, g.day));
        for (const EraInForce& e : eras.ErasOn(jdn)) ASSERT_EQ(eras.FromWareki(eras.Wareki(e, jdn)), jdn);
      }
    }
  }
  EXPECT_EQ(expected, EraDays::lastJdn + 1);
}

}  // namespace
