// Time scales, angle splitting, sidereal time, nutation and the places.
//
// Tolerances: exact where the operation is exact arithmetic; published
// values (sidereal time, nutation) within the precision they are printed
// with.
#include "astro/location_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>

namespace {

const LocationTable& Table() {
  static const LocationTable table;
  return table;
}

// "h m s" with the seconds to two decimals, as the splitting gives them.
std::string SplitHours(double hours) {
  int h, m;
  double sec;
  LocationTable::HoursToHms(hours, h, m, sec);
  char text[48];
  std::snprintf(text, sizeof text, "%d %d %.2f", h, m, sec);
  return text;
}
std::string SplitDegrees(double degrees, int decimals) {
  int d, m;
  double sec;
  LocationTable::DegreesToDms(degrees, decimals, d, m, sec);
  char text[48];
  std::snprintf(text, sizeof text, "%d %d %.2f", d, m, sec);
  return text;
}
std::string SplitHm(double hours) {
  int h, m;
  LocationTable::HoursToHm(hours, h, m);
  return std::to_string(h) + " " + std::to_string(m);
}
double Dms(int d, int m, double s) { return LocationTable::DmsToDegrees(d, m, s); }

}  // namespace

TEST(TimeScales, EpochsAndTheirNeighbours) {
  const LocationTable& t = Table();
  EXPECT_EQ(t.DaysFromJ2000(2000, 1, 1, 12), 0.0);
  EXPECT_EQ(t.DaysFromJ2000(2000, 1, 1, 0), -0.5);
  EXPECT_EQ(t.DaysFromJ2000(1999, 12, 31, 0), -1.5);
  EXPECT_EQ(t.DaysFromJ2000(1999, 12, 31, 12), -1.0);
  EXPECT_EQ(t.DaysFrom1975(1975, 1, 1, 0), 1.0);
  EXPECT_EQ(t.DaysFrom1975(1976, 1, 1, 0), 366.0);
  EXPECT_EQ(t.DaysFrom1975(1974, 12, 31, 0), 0.0);
  EXPECT_EQ(t.DaysFrom1975(1974, 12, 1, 0), -30.0);
  EXPECT_EQ(t.DaysFrom1975(1975, 3, 0, 0), t.DaysFrom1975(1975, 2, 28, 0));
  // Julian Day 2451545.0 is J2000.0; 1975 January 0.0 is JD 2442412.5.
  EXPECT_EQ(t.DaysFromJ2000(1975, 1, 1, 0) - t.DaysFrom1975(1975, 1, 1, 0),
            2442412.5 - 2451545.0);
}

TEST(TimeScales, BothCountsRiseByOneADayOverTheWholeRange) {
  // Every day from 1974-12-01 to 2051-01-31; an hour adds exactly 1/24, and
  // a day past the month's end or day 0 counts on linearly.
  const LocationTable& t = Table();
  double j2000 = t.DaysFromJ2000(1974, 12, 1, 0);
  double d1975 = t.DaysFrom1975(1974, 12, 1, 0);
  int year = 1974, month = 12;
  while (year < 2051 || month == 1) {
    int n = CalendarNames::MonthLength(year, month);
    ASSERT_EQ(t.DaysFromJ2000(year, month, 0, 0), j2000 - 1) << year << "-" << month;
    for (int d = 1; d <= n; ++d) {
      ASSERT_EQ(t.DaysFromJ2000(year, month, d, 0), j2000);
      ASSERT_EQ(t.DaysFrom1975(year, month, d, 0), d1975);
      ASSERT_DOUBLE_EQ(t.DaysFromJ2000(year, month, d, 6), j2000 + 0.25);
      ASSERT_DOUBLE_EQ(t.DaysFrom1975(year, month, d, -3), d1975 - 0.125);
      j2000 += 1;
      d1975 += 1;
    }
    ASSERT_EQ(t.DaysFrom1975(year, month, n + 1, 0), d1975);
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
}

TEST(AngleSplitting, CarriesAndRounding) {
  // Hours: seconds above 59.94 carry (so "%2.1f" never shows 60.0); above
  // 24 h one day comes off.
  EXPECT_EQ(SplitHours(Dms(1, 59, 59.95)), "2 0 0.00");
  EXPECT_EQ(SplitHours(Dms(3, 7, 59.93)), "3 7 59.93");
  EXPECT_EQ(SplitHours(25.5), "1 30 0.00");
  EXPECT_EQ(SplitHours(Dms(6, 39, 51.42)), "6 39 51.42");
  // Rounded minutes, a half up; the hour is not wrapped.
  EXPECT_EQ(SplitHm(6.9917), "7 0");
  EXPECT_EQ(SplitHm(23.0 + 59.6 / 60), "24 0");
  EXPECT_EQ(SplitHm(4.0 + 25.49 / 60), "4 25");
  EXPECT_EQ(SplitHm(26.5), "2 30");
  // Degrees: seconds that print as 60 at the given decimals carry, others
  // stay unrounded; above 360 one turn comes off.
  EXPECT_EQ(SplitDegrees(Dms(10, 59, 59.6), 0), "11 0 0.00");
  EXPECT_EQ(SplitDegrees(10.5, 0), "10 30 0.00");
  EXPECT_EQ(SplitDegrees(Dms(23, 26, 59.4), 0), "23 26 59.40");
  EXPECT_EQ(SplitDegrees(Dms(5, 10, 59.96), 1), "5 11 0.00");
  EXPECT_EQ(SplitDegrees(Dms(5, 10, 59.94), 1), "5 10 59.94");
  EXPECT_EQ(SplitDegrees(365.25, 0), "5 15 0.00");
}

TEST(AngleSplitting, SecondsNeverComeOutNegative) {
  // A value a hair below a whole minute counts as that minute; its seconds
  // are 0, so "%2.1f" never prints "-0.0".
  for (double hours : {7.0 - 1e-9, 12.5 - 1e-10, 23.0 - 5e-9, 1.0 / 60.0 - 1e-12}) {
    EXPECT_EQ(SplitHours(hours).find('-'), std::string::npos) << hours;
    EXPECT_EQ(SplitDegrees(hours, 1).find('-'), std::string::npos) << hours;
  }
}

TEST(AngleSplitting, RoundTripsOverADay) {
  // Every tenth of a second splits back into itself; every minute, give or
  // take 0.49 min, rounds to itself.
  for (int tenths = 0; tenths < 864000; ++tenths) {
    int h, m;
    double sec;
    LocationTable::HoursToHms(tenths / 36000.0, h, m, sec);
    ASSERT_GE(sec, 0.0);
    ASSERT_LE(sec, 59.94);
    ASSERT_NEAR(h * 3600 + m * 60 + sec, tenths / 10.0, 0.061) << tenths;
  }
  for (int minute = 0; minute < 24 * 60; ++minute) {
    std::string expected = std::to_string(minute / 60) + " " + std::to_string(minute % 60);
    for (double offset : {-0.49, 0.0, 0.49}) {
      ASSERT_EQ(SplitHm((minute + offset) / 60), expected) << minute << " " << offset;
    }
  }
}

TEST(AngleReduction, NormalizeDegrees) {
  const LocationTable& t = Table();
  EXPECT_EQ(t.NormalizeDegrees(-30), 330.0);
  EXPECT_EQ(t.NormalizeDegrees(725), 5.0);
  EXPECT_EQ(t.NormalizeDegrees(-360), 360.0);
  EXPECT_EQ(t.NormalizeDegrees(720), 0.0);
  EXPECT_DOUBLE_EQ(t.NormalizeDegrees(359.5), 359.5);
}

TEST(AngleReduction, ManyTurnsStillReduceToTheTrueRemainder) {
  // The moon's mean longitude runs through a thousand turns by 2050; an
  // angle a third of a degree below a whole turn must not come out as 0.
  const LocationTable& t = Table();
  for (int turns : {1, 100, 1016, 1324}) {
    for (double below : {0.37, 0.1, 0.01}) {
      double x = 360.0 * turns - below;
      EXPECT_NEAR(t.NormalizeDegrees(x), 360.0 - below, 1e-6) << turns << " " << below;
      EXPECT_NEAR(t.NormalizeDegrees(-x), below, 1e-6);
    }
  }
  EXPECT_NEAR(korvane::ReduceIntoPeriod(24.0 * 50 - 0.001, 24.0), 23.999, 1e-9);
  EXPECT_EQ(korvane::ReduceIntoPeriod(24.0 * 50, 24.0), 0.0);
}

TEST(SiderealTime, GreenwichOn2000January1) {
  // Mean 6h 39m 52.27s, equation of the equinoxes about -0.85 s.
  const LocationTable& t = Table();
  double T = t.DaysFromJ2000(2000, 1, 1, 0) * LocationTable::kCenturiesPerDay;
  EXPECT_NEAR(t.MeanSiderealTime0h(T), Dms(6, 39, 52.27), 0.01 / 3600);
  EXPECT_NEAR(t.RadToHours(t.EquationOfEquinoxes(T)) * 3600, -0.85, 0.03);
  EXPECT_EQ(SplitHours(t.ApparentSiderealTime(2000, 1, 1, 0)).substr(0, 9), "6 39 51.4");
}

TEST(SiderealTime, PublishedValueFor1987April10) {
  // The IAU 1982 expression gives 13h 10m 46.3668s mean and 13h 10m
  // 46.1351s apparent at 0h UT (equation of the equinoxes -0.2317 s).
  const LocationTable& t = Table();
  double T = t.DaysFromJ2000(1987, 4, 10, 0) * LocationTable::kCenturiesPerDay;
  // Not reduced: before 2000 the value is far below 0.
  double mean = std::fmod(t.MeanSiderealTime0h(T), 24.0);
  if (mean < 0) mean += 24;
  EXPECT_NEAR(mean * 3600, 13 * 3600 + 10 * 60 + 46.3668, 0.0005);
  EXPECT_NEAR(t.ApparentSiderealTime(1987, 4, 10, 0) * 3600, 13 * 3600 + 10 * 60 + 46.1351,
              0.002);
}

TEST(Nutation, PublishedValuesFor1987April10) {
  // Nutation in longitude -3.788", in obliquity +9.443"; mean obliquity
  // 23d 26' 27.407" (at 0h dynamical time).
  const LocationTable& t = Table();
  double T = -0.127296372348;
  EXPECT_NEAR(t.NutationLongitude(T) * 3600, -3.788, 0.001);
  EXPECT_NEAR(t.NutationObliquity(T) * 3600, 9.443, 0.001);
  EXPECT_NEAR(LocationTable::MeanObliquity(T), LocationTable::DmsToDegrees(23, 26, 27.407),
              0.001 / 3600);
  EXPECT_DOUBLE_EQ(LocationTable::MeanObliquity(0), 23.439291111111114);
}

// The 87 places as the almanac lists them (name, latitude N and longitude E
// as degrees:minutes[:seconds], region group), written out here, not taken
// from the code's table.
constexpr const char* kListedPlaces =
    "稚内 45:25 141:41 0  網走 44:01 144:17 0  留萌 43:57 141:38 0  旭川 43:46 142:22 0  "
    "根室 43:20 145:35 0  札幌 43:04 141:21 0  釧路 42:59 144:24 0  帯広 42:55 143:13 0  "
    "寿都 42:48 140:14 0  浦川 42:10 142:47 0  函館 41:49 140:45 0  青森 40:49 140:46 1  "
    "秋田 39:43 140:06 1  盛岡 39:42 141:10 1  宮古 39:39 141:58 1  酒田 38:54 139:51 1  "
    "仙台 38:16 140:52 1  山形 38:15 140:21 1  相川 38:02 138:15 1  新潟 37:55 139:03 2  "
    "福島 37:45 140:29 2  輪島 37:23 136:54 2  高田 37:06 138:15 2  小名浜 36:57 140:54 2  "
    "富山 36:42 137:12 2  長野 36:40 138:12 2  金沢 36:35 136:38 2  宇都宮 36:33 139:52 2  "
    "前橋 36:24 139:04 2  水戸 36:23 140:28 2  軽井沢 36:20 138:33 2  松本 36:15 137:58 2  "
    "西郷 36:12 133:20 2  高山 36:09 137:15 2  熊谷 36:09 139:23 2  福井 36:03 136:14 2  "
    "浦和 35:51 139:41 3  銚子 35:44 140:52 3  敦賀 35:39 136:04 3  東京 35:39 139:45 3  "
    "甲府 35:40 138:33 3  中央標準 35:39:16 139:44:40.9 3  千葉 35:36 140:06 3  "
    "飯田 35:31 137:50 3  鳥取 35:29 134:14 3  松江 35:27 133:04 3  横浜 35:26 139:39 3  "
    "岐阜 35:24 136:46 4  名古屋 35:10 136:58 4  彦根 35:16 136:15 4  京都 35:01 135:45 4  "
    "大津 35:01 135:52 4  静岡 34:58 138:24 4  浜田 34:54 132:04 4  大島 34:45 139:22 4  "
    "津 34:44 136:31 4  浜松 34:42 137:43 4  神戸 34:41 135:11 5  大阪 34:41 135:31 5  "
    "奈良 34:41 135:50 5  岡山 34:39 133:55 5  広島 34:24 132:28 6  高松 34:19 134:03 6  "
    "和歌山 34:14 135:10 6  巌原 34:12 129:18 6  山口 34:11 131:29 6  徳島 34:04 134:35 6  "
    "尾鷲 34:04 136:12 6  下関 33:57 130:56 7  松山 33:50 132:47 7  福岡 33:35 130:24 7  "
    "高知 33:34 133:33 7  潮岬 33:17 135:46 7  佐賀 33:16 130:18 7  室戸岬 33:15 134:11 7  "
    "大分 33:14 131:37 7  八丈島 33:06 139:47 7  熊本 32:49 130:43 7  長崎 32:44 129:52 7  "
    "清水 32:43 133:01 7  福江 32:42 128:50 7  宮崎 31:55 131:25 7  鹿児島 31:33 130:33 7  "
    "名瀬 28:23 129:30 8  那覇 26:13 127:41 8  宮古 24:48 125:18 8  石垣島 24:21 124:09 8";

double ListedAngle(const std::string& text) {
  int d = 0, m = 0;
  double s = 0;
  EXPECT_GE(std::sscanf(text.c_str(), "%d:%d:%lf", &d, &m, &s), 2) << text;
  return Dms(d, m, s);
}

TEST(Places, TableOrderNamesAndCoordinates) {
  const LocationTable& t = Table();
  EXPECT_EQ(t.PlaceCount(), 87);
  struct Expected {
    int index;
    const char* name;
    double latitude, longitude;
    int group;
  };
  for (const Expected& e : {Expected{39, "東京", 35.65, 139.75, 3},
                            Expected{41, "中央標準", 35.654444444444444, 139.74469444444443, 3},
                            Expected{0, "稚内", 45.416666666666664, 141.68333333333334, 0},
                            Expected{86, "石垣島", 24.35, 124.15, 8},
                            Expected{14, "宮古", 39.65, 141.96666666666667, 1},
                            Expected{85, "宮古", 24.8, 125.3, 8}}) {
    PlaceRecord p = t.PlaceAt(e.index);
    EXPECT_STREQ(p.name, e.name);
    EXPECT_DOUBLE_EQ(p.latitude, e.latitude) << e.name;
    EXPECT_DOUBLE_EQ(p.longitude, e.longitude) << e.name;
    EXPECT_EQ(p.group, e.group) << e.name;
  }
  // Every place where the list puts it; by decreasing latitude, except 甲府
  // after 東京 and 彦根 after 名古屋; the region groups run north to south;
  // only 宮古 appears twice.
  std::set<std::string> names;
  std::istringstream listed(kListedPlaces);
  for (int i = 0; i < t.PlaceCount(); ++i) {
    PlaceRecord p = t.PlaceAt(i);
    std::string name, latitude, longitude;
    int group = -1;
    ASSERT_TRUE(listed >> name >> latitude >> longitude >> group) << i;
    EXPECT_EQ(p.name, name) << i;
    EXPECT_NEAR(p.latitude, ListedAngle(latitude), 1e-9) << name;
    EXPECT_NEAR(p.longitude, ListedAngle(longitude), 1e-9) << name;
    EXPECT_EQ(p.group, group) << name;
    names.insert(p.name);
    EXPECT_STREQ(t.PlaceName(i), p.name);
    EXPECT_STRNE(LocationTable::GroupName(p.group), "");
    if (i == 0) continue;
    PlaceRecord q = t.PlaceAt(i - 1);
    if (i != 40 && i != 49) {
      EXPECT_LE(p.latitude, q.latitude) << i;
    }
    EXPECT_GE(p.group, q.group) << i;
  }
  EXPECT_EQ(names.size(), 86u);
  EXPECT_STREQ(t.PlaceAt(40).name, "甲府");
  EXPECT_STREQ(t.PlaceAt(49).name, "彦根");
  EXPECT_STREQ(LocationTable::GroupName(0), "札幌");
  EXPECT_STREQ(LocationTable::GroupName(8), "那覇");
}

TEST(Places, AnIndexOutsideTheTableIsSafe) {
  const LocationTable& t = Table();
  for (int bad : {-1, 87, 1000, -2147483647}) {
    EXPECT_STREQ(t.PlaceName(bad), "");
    EXPECT_STREQ(t.PlaceAt(bad).name, "東京");  // the default place
  }
  EXPECT_STREQ(LocationTable::GroupName(9), "");
  EXPECT_STREQ(LocationTable::GroupName(-1), "");
}
