// Moonrise, transit and moonset tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "astro/moon_ephemeris.h"

namespace {

constexpr int kTokyo = 39;
constexpr int kWakkanai = 0;
constexpr int kIshigaki = 86;

std::string Clock(double hours) {
  if (hours == NO_EVENT) return "--";
  int h, m;
  LocationTable::HoursToHm(hours, h, m);
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d", h, m);
  return text;
}

struct MonthTables {
  std::vector<double> rise, transit, set;  // index = day, 0..n + 1
};

MonthTables Tables(MoonEphemeris& moon, int place, int year, int month) {
  int n = CalendarNames::MonthLength(year, month);
  MonthTables t;
  const double* r = moon.MoonriseTable(place, year, month);
  t.rise.assign(r, r + n + 2);
  const double* s = moon.MoonsetTable(place, year, month);
  t.set.assign(s, s + n + 2);
  const double* tr = moon.MoonTransitTable(place, year, month);
  t.transit.assign(tr, tr + n + 2);
  return t;
}

}  // namespace

TEST(MoonTimes, TokyoJanuary2000) {
  MoonEphemeris moon;
  MonthTables t = Tables(moon, kTokyo, 2000, 1);
  EXPECT_EQ(Clock(t.rise[1]), "1:39");
  EXPECT_EQ(Clock(t.transit[1]), "7:25");
  EXPECT_EQ(Clock(t.set[1]), "13:06");
  EXPECT_EQ(t.set[15], NO_EVENT);
  EXPECT_EQ(t.transit[21], NO_EVENT);
  EXPECT_EQ(t.rise[28], NO_EVENT);
  EXPECT_EQ(Clock(t.rise[21]), "17:03");
  EXPECT_EQ(Clock(t.set[22]), "7:27");
  EXPECT_EQ(Clock(t.rise[31]), "2:18");
  // Nothing else is missing that month.
  for (int d = 1; d <= 31; ++d) {
    EXPECT_EQ(t.set[d] == NO_EVENT, d == 15) << d;
    EXPECT_EQ(t.transit[d] == NO_EVENT, d == 21) << d;
    EXPECT_EQ(t.rise[d] == NO_EVENT, d == 28) << d;
  }
  // The days around a day without transit carry transits near midnight.
  EXPECT_GT(t.transit[20], 23.0);
  EXPECT_LT(t.transit[22], 1.0);
}

TEST(MoonTimes, TokyoSeptember2000WhenSiderealTimePasses24h) {
  MoonEphemeris moon;
  MonthTables t = Tables(moon, kTokyo, 2000, 9);
  EXPECT_EQ(t.set[8], NO_EVENT);
  EXPECT_EQ(t.transit[14], NO_EVENT);
  EXPECT_EQ(t.rise[23], NO_EVENT);
  EXPECT_EQ(Clock(t.rise[30]), "7:45");
  EXPECT_EQ(Clock(t.transit[30]), "13:30");
  EXPECT_EQ(Clock(t.set[30]), "19:09");
  // Around the passage (21 September) the transits go on one a day.
  for (int d = 18; d <= 24; ++d) {
    double delay = t.transit[d + 1] - t.transit[d];
    EXPECT_GT(delay, 0.6) << d;
    EXPECT_LT(delay, 1.1) << d;
  }
}

TEST(MoonTimes, FullMoonWhenSiderealTimeAndRightAscensionPass24hTogether) {
  // 21 September 2002: both pass 24h during the same day; the transit of
  // 23:43 must not be lost (and the table must not shift by a day).
  MoonEphemeris moon;
  MonthTables t = Tables(moon, kTokyo, 2002, 9);
  EXPECT_EQ(Clock(t.transit[21]), "23:43");
  EXPECT_EQ(t.transit[22], NO_EVENT);
  EXPECT_EQ(Clock(t.transit[23]), "0:23");
  EXPECT_EQ(Clock(t.transit[29]), "4:50");
  EXPECT_EQ(Clock(t.transit[30]), "5:44");
}

TEST(MoonTimes, DayOneEastAndWestOfTokyo) {
  MoonEphemeris moon;
  // 網走, December 2039: day 1's transit is 23:55, not the previous day's.
  MonthTables abashiri = Tables(moon, 1, 2039, 12);
  EXPECT_EQ(Clock(abashiri.transit[1]), "23:55");
  EXPECT_EQ(abashiri.transit[2], NO_EVENT);
  // 長崎, October 2050: the transit falls on midnight between 30 September
  // and 1 October; both months must show it once.
  MonthTables september = Tables(moon, 78, 2050, 9);
  MonthTables october = Tables(moon, 78, 2050, 10);
  bool onSeptember30 = september.transit[30] != NO_EVENT;
  bool onOctober1 = october.transit[1] != NO_EVENT && october.transit[1] < 0.5;
  EXPECT_NE(onSeptember30, onOctober1);
  EXPECT_EQ(Clock(october.transit[2]), "0:56");
}

TEST(MoonTimes, RiseAndSetAtHighLatitudeNearMidnight) {
  MoonEphemeris moon;
  // 稚内, September 1986: the moon rises at 0:51 on the 1st (none on 31
  // August), and June 2025: sets at 0:22, 0:37, 0:53 on the 4th to 6th.
  MonthTables sept = Tables(moon, kWakkanai, 1986, 9);
  EXPECT_EQ(Clock(sept.rise[1]), "0:51");
  EXPECT_EQ(Clock(sept.rise[2]), "2:00");
  MonthTables june = Tables(moon, kWakkanai, 2025, 6);
  EXPECT_EQ(june.set[2], NO_EVENT);
  EXPECT_EQ(Clock(june.set[4]), "0:22");
  EXPECT_EQ(Clock(june.set[5]), "0:37");
  EXPECT_EQ(Clock(june.set[6]), "0:53");
}

TEST(MoonTimes, TransitTableIsCachedPerPlaceAndMonth) {
  MoonEphemeris moon;
  int before = moon.TransitTableComputations();
  const double* first = moon.MoonTransitTable(kTokyo, 2000, 1);
  double day5 = first[5];
  const double* again = moon.MoonTransitTable(kTokyo, 2000, 1);
  EXPECT_EQ(first, again);
  EXPECT_EQ(moon.TransitTableComputations(), before + 1);
  moon.MoonriseTable(kTokyo, 2000, 1);  // reuses it
  moon.MoonsetTable(kTokyo, 2000, 1);
  EXPECT_EQ(moon.TransitTableComputations(), before + 1);
  moon.MoonTransitTable(kIshigaki, 2000, 1);  // another place
  EXPECT_EQ(moon.TransitTableComputations(), before + 2);
  EXPECT_NE(moon.MoonTransitTable(kIshigaki, 2000, 1)[5], day5);
  moon.MoonTransitTable(kIshigaki, 2000, 2);  // another month
  moon.MoonTransitTable(kIshigaki, 2001, 2);  // another year
  EXPECT_EQ(moon.TransitTableComputations(), before + 4);
  EXPECT_EQ(moon.MoonTransitTable(kTokyo, 2000, 1)[5], day5);
}

TEST(MoonTimes, PrimitivesReportTheirCases) {
  // 1 January 2000, Tokyo: the transit at 7:25 JST lies before 0h UT, so
  // TransitA finds it; for the next (8:09 on the 2nd) TransitB's formula
  // gives up and TransitC finds it.  Rise and set come from the transit.
  MoonEphemeris moon;
  int status = -1;
  double a = moon.TransitA(kTokyo, 2000, 1, 1, status);
  EXPECT_EQ(Clock(a), "7:25");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(moon.TransitFirst(kTokyo, 2000, 1, 1, status), a);
  EXPECT_EQ(status, 3);
  EXPECT_EQ(moon.TransitB(kTokyo, 2000, 1, 1), NO_EVENT);
  EXPECT_EQ(Clock(moon.TransitC(kTokyo, 2000, 1, 1, status)), "8:09");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Clock(moon.MoonriseFrom(kTokyo, a - 9, 2000, 1, 1, status)), "1:39");
  EXPECT_EQ(Clock(moon.MoonsetFrom(kTokyo, a - 9, 2000, 1, 1, status)), "13:06");
  EXPECT_EQ(status, 1);  // the right ascension at 0h UT is past 12h
  // 21 September 2002: the right ascension and the sidereal time pass 24h
  // on the same day; counted on one turn they cancel.
  EXPECT_EQ(Clock(moon.TransitC(kTokyo, 2002, 9, 21, status)), "23:43");
  EXPECT_EQ(status, 0);
}

TEST(MoonTimes, WholeRangeAtThreePlaces) {
  // 1975..2050 at Tokyo, 稚内 (45.4 N) and 石垣島 (24.4 N, 124.2 E):
  // - every entry 1..n is NO_EVENT or a time in 0..24, and the tables never
  //   write past their arrays;
  // - going from day to day (across month ends too) each event comes later
  //   by the moon's daily delay; a NO_EVENT day is where the delay carries it
  //   past midnight, so the next event lies just after midnight;
  // - NO_EVENT days recur once a lunation: the transit's daily delay (38 to
  //   69 minutes) varies little over a month, so its NO_EVENT days are 28 to
  //   31 days apart; rise and set delays vary from 10 to 90 minutes at 45 N
  //   with the moon's declination, which moves the skipped day by up to four
  //   days either way (measured: 28 to 34 days at these places).
  MoonEphemeris moon;
  for (int place : {kTokyo, kWakkanai, kIshigaki}) {
    double previous[3] = {-1, -1, -1};
    int daysSinceEvent[3] = {0, 0, 0};
    long dayIndex = 0;
    long lastNoEvent[3] = {-1, -1, -1};
    int minGap[3] = {99, 99, 99}, maxGap[3] = {0, 0, 0};
    long noEvents[3] = {0, 0, 0};
    double maxDelay[3] = {0, 0, 0}, minDelay[3] = {99, 99, 99};
    for (int y = 1975; y <= 2050; ++y) {
      for (int m = 1; m <= 12; ++m) {
        int n = CalendarNames::MonthLength(y, m);
        MonthTables t = Tables(moon, place, y, m);
        ASSERT_LE(moon.TransitTableExtent(), MoonEphemeris::kTableEntries);
        ASSERT_GE(moon.TransitTableExtent(), n + 2);
        ASSERT_LE(moon.MoonriseTableExtent(), MoonEphemeris::kTableEntries);
        ASSERT_LE(moon.MoonsetTableExtent(), MoonEphemeris::kTableEntries);
        const std::vector<double>* tables[3] = {&t.rise, &t.transit, &t.set};
        for (int d = 1; d <= n; ++d, ++dayIndex) {
          for (int k = 0; k < 3; ++k) {
            double v = (*tables[k])[d];
            const char* name = k == 0 ? "rise" : k == 1 ? "transit" : "set";
            if (v == NO_EVENT) {
              ASSERT_NE(lastNoEvent[k], dayIndex - 1)
                  << name << " two days in a row at " << place << " " << y << "-" << m << "-" << d;
              if (lastNoEvent[k] >= 0) {
                int gap = static_cast<int>(dayIndex - lastNoEvent[k]);
                minGap[k] = std::min(minGap[k], gap);
                maxGap[k] = std::max(maxGap[k], gap);
              }
              lastNoEvent[k] = dayIndex;
              ++noEvents[k];
              ++daysSinceEvent[k];
              continue;
            }
            ASSERT_GE(v, 0.0) << name << " " << place << " " << y << "-" << m << "-" << d;
            ASSERT_LE(v, 24.0) << name << " " << place << " " << y << "-" << m << "-" << d;
            if (previous[k] >= 0) {
              double delay = v - previous[k] + 24.0 * (daysSinceEvent[k] - 1);
              minDelay[k] = std::min(minDelay[k], delay);
              maxDelay[k] = std::max(maxDelay[k], delay);
              ASSERT_GT(delay, 0.1) << name << " " << place << " " << y << "-" << m << "-" << d;
              ASSERT_LT(delay, 1.6) << name << " " << place << " " << y << "-" << m << "-" << d;
            }
            previous[k] = v;
            daysSinceEvent[k] = 1;
          }
        }
      }
    }
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(testing::Message() << "place " << place << " table " << k << " gaps "
                                      << minGap[k] << ".." << maxGap[k] << " delays "
                                      << minDelay[k] * 60 << ".." << maxDelay[k] * 60 << " min");
      // One NO_EVENT day per lunation over the 76 years.
      EXPECT_NEAR(noEvents[k], dayIndex / 29.530589 - 0.5, 2.0);
      if (k == 1) {
        EXPECT_GE(minGap[k], 28);
        EXPECT_LE(maxGap[k], 31);
        EXPECT_GT(minDelay[k] * 60, 38);
        EXPECT_LT(maxDelay[k] * 60, 70);
      } else {
        EXPECT_GE(minGap[k], 27);
        EXPECT_LE(maxGap[k], 35);
      }
    }
  }
}

TEST(MoonTimes, NonsenseArgumentsGiveSafeResults) {
  // A damaged setting must not crash a view: any place index, month or
  // year gives tables of NO_EVENT or times of day within the arrays.
  MoonEphemeris moon;
  for (auto [place, year, month] : {std::tuple{-5, 2000, 1}, std::tuple{500, 2000, 1},
                                    std::tuple{39, 2000, 0}, std::tuple{39, 2000, 13},
                                    std::tuple{39, 0, 6}, std::tuple{39, 3000, 6}}) {
    const double* tables[3] = {moon.MoonriseTable(place, year, month),
                               moon.MoonTransitTable(place, year, month),
                               moon.MoonsetTable(place, year, month)};
    EXPECT_LE(moon.TransitTableExtent(), MoonEphemeris::kTableEntries);
    int n = CalendarNames::MonthLength(year, month);
    for (const double* t : tables) {
      for (int d = 1; d <= n; ++d) {
        EXPECT_TRUE(t[d] == NO_EVENT || (t[d] >= 0 && t[d] <= 24)) << place << " " << year << "-" << month;
      }
    }
    const double* ages = moon.MoonAge21(year, month);
    for (int d = 0; d < n; ++d) EXPECT_TRUE(ages[d] >= 0 && ages[d] < 30.5);
    EXPECT_LE(moon.MoonPhaseEvents(year, month).count, MoonPhaseList::kCapacity);
  }
}
