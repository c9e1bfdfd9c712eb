// The astronomy tables as their cells read: formats with their leading
// blanks, signs, empty and " --" cells, and the checks that a whole year of
// cells still says what the ephemerides say.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "astro/moon_ephemeris.h"
#include "astro/sun_ephemeris.h"
#include "engine/calendar_names.h"
#include "content/lists/astronomy_list_content.h"

namespace korvane {
namespace {

ListState At(int year, int month, int place = 39) {
  ListState state;
  state.year = year;
  state.month = month;
  state.place = place;
  return state;
}

// Minutes of the day of a time cell " h mm" (seconds ignored).
int Minutes(const std::string& cell) {
  int h = 0, m = 0;
  std::sscanf(cell.c_str(), "%d %d", &h, &m);
  return h * 60 + m;
}

// The patterns are few and the cells many: each is compiled once.
bool Matches(const std::string& text, const char* pattern) {
  static std::map<std::string, std::regex> compiled;
  auto it = compiled.try_emplace(pattern, pattern).first;
  return std::regex_match(text, it->second);
}

TEST(AstronomyLists, ClampToTheYearsEachTableComputes) {
  struct Case {
    std::unique_ptr<ListContent> content;
    int firstYear;
  };
  std::vector<Case> cases;
  cases.push_back({std::make_unique<GreenwichListContent>(), 1975});
  cases.push_back({std::make_unique<MoonAgeListContent>(), 1853});
  cases.push_back({std::make_unique<MoonPhaseListContent>(), 1975});
  cases.push_back({std::make_unique<MoonTimeListContent>(), 1975});
  cases.push_back({std::make_unique<SunTimeListContent>(), 1975});
  for (const Case& c : cases) {
    EXPECT_EQ(c.content->Clamp(At(1960, 5)).year, std::max(1960, c.firstYear));
    EXPECT_EQ(c.content->Clamp(At(1800, 5)).year, c.firstYear);
    EXPECT_EQ(c.content->Clamp(At(2060, 5)).year, 2050);
    // A damaged shared month or place never reaches the ephemerides.
    ListState damaged = c.content->Clamp(At(2000, 13, 87));
    EXPECT_GE(damaged.month, 0);
    EXPECT_LE(damaged.month, 12);
    EXPECT_EQ(damaged.place, 39);
    EXPECT_EQ(c.content->Clamp(At(2000, 5, -1)).place, 39);
  }
}

TEST(AstronomyLists, GreenwichLeavesDaysPastTheMonthEmptyAndAdvancesDaily) {
  GreenwichListContent content;
  for (int year : {2023, 2024}) {
    ListPage page = content.Page(content.Clamp(At(year, 7)));
    ASSERT_EQ(page.rows.size(), 31u);
    ASSERT_EQ(page.columns.size(), 13u);
    EXPECT_EQ(page.title, "グリニジ視恒星時 西暦 " + std::to_string(year));
    EXPECT_EQ(page.columns[12].header, "12月");
    double previous = -1.0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 31; ++d) {
        const std::string& cell = page.rows[d - 1][m];
        SCOPED_TRACE(testing::Message() << year << "-" << m << "-" << d << " '" << cell << "'");
        if (d > CalendarNames::MonthLength(year, m)) {
          EXPECT_EQ(cell, "");
          continue;
        }
        ASSERT_TRUE(Matches(cell, R"( \d?\d \d\d \d?\d\.\d)"));
        int h = 0, mm = 0;
        double s = 0.0;
        std::sscanf(cell.c_str(), "%d %d %lf", &h, &mm, &s);
        double hours = h + mm / 60.0 + s / 3600.0;
        // The sidereal day is 3 min 56.56 s shorter than the solar day; the
        // equation of the equinoxes moves it by less than a tenth of a
        // second from one day to the next.
        if (previous >= 0.0) {
          double step = std::fmod(hours - previous + 48.0, 24.0) * 3600.0;
          EXPECT_NEAR(step, 236.555, 0.15);
        }
        previous = hours;
      }
    }
    EXPECT_EQ(page.rows[28][2] == "", year == 2023);  // February 29
  }
}

TEST(AstronomyLists, MoonAgeJanuary2000AndEveryRowOfAnOldYear) {
  MoonAgeListContent content;
  ListPage page = content.Page(content.Clamp(At(2000, 1)));
  EXPECT_EQ(page.title, "月齢 (2000年1月)");
  ASSERT_EQ(page.rows.size(), 31u);
  EXPECT_EQ(page.rows[0][3], " 24.1");
  EXPECT_EQ(page.rows[5][3], " 29.1");
  EXPECT_EQ(page.rows[6][3], " 0.2");
  EXPECT_EQ(page.rows[20][3], " 14.2");
  EXPECT_EQ(page.rows[5][4], " 29.6");
  EXPECT_EQ(page.rows[6][4], " 0.7");
  EXPECT_EQ(page.rows[0][1], " 279.86");
  EXPECT_EQ(page.rows[12][2], "  2 48");  // a moon longitude below 10 degrees

  // Over the years the table reaches back to, the age runs on by one day a
  // day and restarts below one day once a lunation.
  for (int month = 1; month <= 12; ++month) {
    page = content.Page(content.Clamp(At(1853, month)));
    for (size_t d = 0; d < page.rows.size(); ++d) {
      double age09 = std::stod(page.rows[d][3]);
      double age21 = std::stod(page.rows[d][4]);
      EXPECT_TRUE(age09 >= 0.0 && age09 < 30.0);
      if (age21 >= 1.0) {
        EXPECT_NEAR(age21 - age09, 0.5, 0.051) << month << "/" << d + 1;
      }
      if (d > 0) {
        double step = age09 - std::stod(page.rows[d - 1][3]);
        EXPECT_TRUE(std::fabs(step - 1.0) < 0.051 || step < -27.0)
            << month << "/" << d + 1;
      }
    }
  }
}

TEST(AstronomyLists, MoonPhasesStandOnTheirDaysOnly) {
  MoonPhaseListContent content;
  ListPage page = content.Page(content.Clamp(At(2014, 3)));
  EXPECT_EQ(page.title, "月の位相 (2014年3月)");
  std::vector<std::string> shown;
  for (const auto& row : page.rows) {
    if (row[4] != " ") shown.push_back(row[0] + ":" + row[4]);
    // The elongation column is the moon's longitude less the sun's.
    int sd, sm, md, mm, ed, em;
    std::sscanf(row[1].c_str(), "%d %d", &sd, &sm);
    std::sscanf(row[2].c_str(), "%d %d", &md, &mm);
    std::sscanf(row[3].c_str(), "%d %d", &ed, &em);
    int expected = ((md * 60 + mm) - (sd * 60 + sm) + 360 * 60) % (360 * 60);
    EXPECT_LE(std::abs(expected - (ed * 60 + em)) % (360 * 60 - 1), 1) << row[0];
  }
  EXPECT_EQ(shown, (std::vector<std::string>{" 1:新月(17  0)", " 8:上弦(22 27)", "17:満月( 2  9)",
                                             "24:下弦(10 47)", "31:新月( 3 46)"}));
}

TEST(AstronomyLists, MoonTimesShowDashesOnDaysWithoutAnEventAndTheirOwnMinuteFormats) {
  MoonTimeListContent content;
  MoonEphemeris moon;
  int noRise = 0, noTransit = 0, noSet = 0;
  bool sawShortTransitMinute = false, sawNorth = false, sawSouth = false;
  for (int month = 1; month <= 12; ++month) {
    ListPage page = content.Page(content.Clamp(At(2024, month)));
    ASSERT_EQ(page.rows.size(), static_cast<size_t>(CalendarNames::MonthLength(2024, month)));
    ASSERT_EQ(page.columns[5].header, "南中時刻");
    for (size_t i = 0; i < page.rows.size(); ++i) {
      const std::vector<std::string>& row = page.rows[i];
      const int day = static_cast<int>(i) + 1;
      SCOPED_TRACE(testing::Message() << "2024-" << month << "-" << day);
      EXPECT_TRUE(Matches(row[1], R"( \d?\d \d\d \d?\d\.\d)")) << row[1];
      EXPECT_TRUE(Matches(row[3], R"(\d \d\d \d?\d\.\d)")) << row[3];
      // The moon's declination always carries its sign.
      ASSERT_TRUE(Matches(row[2], R"([+-] \d?\d \d\d [ \d]\d)")) << row[2];
      double declination = moon.MoonEquatorial(2024, month, day, 0.0).second;
      EXPECT_EQ(row[2][0], declination < 0.0 ? '-' : '+');
      (row[2][0] == '+' ? sawNorth : sawSouth) = true;

      noRise += row[4] == " --";
      noSet += row[6] == " --";
      noTransit += row[5] == " --";
      for (int c : {4, 6})
        EXPECT_TRUE(row[c] == " --" || Matches(row[c], R"( \d?\d \d\d)")) << row[c];
      // Transit minutes are not zero-padded: 3h 5m is " 3  5".
      EXPECT_TRUE(row[5] == " --" || Matches(row[5], R"( \d?\d [ 1-5]\d)")) << row[5];
      if (Matches(row[5], R"( \d?\d  \d)")) sawShortTransitMinute = true;
    }
  }
  // About 354 risings, transits and settings fit in 366 days: each column
  // has a day without its event about once a lunation.
  for (int count : {noRise, noTransit, noSet}) {
    EXPECT_GE(count, 11);
    EXPECT_LE(count, 14);
  }
  EXPECT_TRUE(sawShortTransitMinute);
  EXPECT_TRUE(sawNorth && sawSouth);

  ListPage page = content.Page(content.Clamp(At(2024, 5, 0)));
  EXPECT_EQ(page.title, "月の出／入 稚内(2024年5月)");
}

TEST(AstronomyLists, SunTableSignsAndTheEquationOfTimeSplitBackToItsValue) {
  SunTimeListContent content;
  SunEphemeris sun;
  bool sawNorth = false, sawSouth = false, sawTwoDigitMinutes = false, sawPlus = false;
  for (int month = 1; month <= 12; ++month) {
    ListPage page = content.Page(content.Clamp(At(2024, month)));
    EXPECT_EQ(page.title, "日の出／入 東京(2024年" + std::to_string(month) + "月)");
    for (size_t i = 0; i < page.rows.size(); ++i) {
      const std::vector<std::string>& row = page.rows[i];
      const int day = static_cast<int>(i) + 1;
      SCOPED_TRACE(testing::Message() << "2024-" << month << "-" << day);
      // North declinations have no sign: "% 2d" leaves its blank in front.
      double declination = sun.SunEquatorial(2024, month, day).second;
      if (declination < 0.0) {
        EXPECT_TRUE(Matches(row[2], R"(- \d?\d \d\d [ \d]\d)")) << row[2];
        sawSouth = true;
      } else {
        EXPECT_TRUE(Matches(row[2], R"( \d?\d \d\d [ \d]\d)")) << row[2];
        sawNorth = true;
      }

      // The equation of time: sign, minutes in two places, seconds; the
      // cell reads back as the value to the tenth of a second.
      ASSERT_TRUE(Matches(row[3], R"([+-][ 1]\d \d?\d\.\d)")) << row[3];
      double equation = sun.EquationOfTime(2024, month, day) * 3600.0;
      int minutes = 0;
      double seconds = 0.0;
      std::sscanf(row[3].c_str() + 1, "%d %lf", &minutes, &seconds);
      double shown = (row[3][0] == '-' ? -1 : 1) * (minutes * 60 + seconds);
      EXPECT_NEAR(shown, equation, 0.051);
      EXPECT_EQ(row[3][0] == '-', equation < 0.0);
      if (minutes >= 10) sawTwoDigitMinutes = true;
      if (row[3][0] == '+') sawPlus = true;

      // Times: rise before transit before set; the transit's seconds are
      // whole and never 60.
      ASSERT_TRUE(Matches(row[4], R"( \d?\d \d\d)")) << row[4];
      ASSERT_TRUE(Matches(row[5], R"( \d?\d [0-5]\d [ 1-5]\d)")) << row[5];
      ASSERT_TRUE(Matches(row[6], R"( \d?\d \d\d)")) << row[6];
      EXPECT_LT(Minutes(row[4]), Minutes(row[5]));
      EXPECT_LT(Minutes(row[5]), Minutes(row[6]));
    }
  }
  EXPECT_TRUE(sawNorth && sawSouth && sawTwoDigitMinutes && sawPlus);

  // The two examples of the column, at one and at two digits of minutes.
  ListPage february = content.Page(content.Clamp(At(2024, 2)));
  EXPECT_EQ(february.rows[10][3], "-14 11.0");
  ListPage may = content.Page(content.Clamp(At(2024, 5)));
  EXPECT_TRUE(Matches(may.rows[0][3], R"(\+ 2 \d\d\.\d)")) << may.rows[0][3];
}

}  // namespace
}  // namespace korvane
