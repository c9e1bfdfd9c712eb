// Phase events and moon ages.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/moon_ephemeris.h"

namespace {

MoonEphemeris& Moon() {
  static MoonEphemeris moon;
  return moon;
}

struct Shown {
  int day;
  std::string text;
};

std::vector<Shown> ShownEvents(int year, int month) {
  MoonPhaseList list = Moon().MoonPhaseEvents(year, month);
  std::vector<Shown> shown;
  int n = CalendarNames::MonthLength(year, month);
  for (int i = 0; i < list.count; ++i) {
    if (list.events[i].day >= 1 && list.events[i].day <= n) {
      shown.push_back({list.events[i].day, list.events[i].text});
    }
  }
  return shown;
}

std::string Tenths(double age) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", age);
  return text;
}

// Minutes since 1975-01-01 0h JST of an event.
double EventMinutes(const LocationTable& t, int year, int month, const MoonPhaseEvent& e) {
  return (t.DaysFrom1975(year, month, e.day, 0) * 24 + e.jstHours) * 60;
}

}  // namespace

TEST(MoonPhaseEvents, January2000) {
  std::vector<Shown> shown = ShownEvents(2000, 1);
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].day, 7);
  EXPECT_EQ(shown[0].text, "新月( 3 14)");
  EXPECT_EQ(shown[1].day, 14);
  EXPECT_EQ(shown[1].text, "上弦(22 35)");
  EXPECT_EQ(shown[2].day, 21);
  EXPECT_EQ(shown[2].text, "満月(13 41)");
  EXPECT_EQ(shown[3].day, 28);
  EXPECT_EQ(shown[3].text, "下弦(16 57)");
}

TEST(MoonPhaseEvents, TwoNewMoonsInMarch2014AndNoneInFebruary) {
  std::vector<Shown> march = ShownEvents(2014, 3);
  ASSERT_EQ(march.size(), 5u);
  EXPECT_EQ(march.front().day, 1);
  EXPECT_EQ(march.front().text, "新月(17  0)");
  EXPECT_EQ(march.back().day, 31);
  EXPECT_EQ(march.back().text, "新月( 3 46)");
  std::vector<Shown> february = ShownEvents(2014, 2);
  ASSERT_EQ(february.size(), 3u);
  for (const Shown& s : february) EXPECT_EQ(s.text.find("新月"), std::string::npos) << s.text;
}

TEST(MoonPhaseEvents, NewMoonAtTheMarchEquinoxIsFound) {
  // 2015-03-20 09:36 UT (18:36 JST): the new moon falls in the day during
  // which the sun passes 0 deg longitude (the equinox, 22:45 UT), so the
  // elongation wraps and the sun's longitude wraps in the same interval.
  MoonPhaseList list = Moon().MoonPhaseEvents(2015, 3);
  bool found = false;
  for (int i = 0; i < list.count; ++i) {
    if (list.events[i].phase == 0) {
      EXPECT_EQ(list.events[i].day, 20);
      EXPECT_NEAR(list.events[i].jstHours, 18.6, 0.05);
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

TEST(MoonPhaseEvents, EveryPhaseExactlyOnceOverTheWholeRange) {
  // The events shown (days 1..n) of consecutive months form one sequence
  // new, first quarter, full, last quarter, new ..., with no event missed
  // or shown twice: successive events of one kind are a lunation apart
  // (29.27 to 29.83 days), successive events 6.4 to 8.3 days apart.
  LocationTable t;
  int previousPhase = -1;
  double previousMinutes = 0;
  double lastOfKind[4] = {0, 0, 0, 0};
  int count = 0;
  for (int y = 1975; y <= 2050; ++y) {
    for (int m = 1; m <= 12; ++m) {
      MoonPhaseList list = Moon().MoonPhaseEvents(y, m);
      ASSERT_LE(list.count, 5) << y << "-" << m;
      int n = CalendarNames::MonthLength(y, m);
      for (int i = 0; i < list.count; ++i) {
        const MoonPhaseEvent& e = list.events[i];
        ASSERT_GE(e.day, 1);
        ASSERT_LE(e.day, n + 1);
        ASSERT_GE(e.jstHours, 0.0);
        ASSERT_LE(e.jstHours, 24.0);
        if (e.day > n) continue;  // shown next month
        double minutes = EventMinutes(t, y, m, e);
        if (previousPhase >= 0) {
          ASSERT_EQ(e.phase, (previousPhase + 1) % 4) << y << "-" << m << "-" << e.day;
          double gap = (minutes - previousMinutes) / 1440;
          ASSERT_GT(gap, 6.4) << y << "-" << m << "-" << e.day;
          ASSERT_LT(gap, 8.3) << y << "-" << m << "-" << e.day;
          if (lastOfKind[e.phase] > 0) {
            // New and full moons repeat after 29.27..29.83 days; the
            // quarters, which the eccentric orbit moves more, 29.1..30.0.
            double lunation = (minutes - lastOfKind[e.phase]) / 1440;
            bool syzygy = e.phase % 2 == 0;
            ASSERT_GT(lunation, syzygy ? 29.2 : 29.0) << y << "-" << m << "-" << e.day;
            ASSERT_LT(lunation, syzygy ? 29.9 : 30.1) << y << "-" << m << "-" << e.day;
          }
        }
        lastOfKind[e.phase] = minutes;
        previousPhase = e.phase;
        previousMinutes = minutes;
        ++count;
      }
    }
  }
  // 76 years of 12.37 lunations, four events each.
  EXPECT_NEAR(count, 76 * 365.2425 / 29.530589 * 4, 4);
}

TEST(MoonAge, January2000At09hAnd21h) {
  const double* age09 = Moon().MoonAge09(2000, 1);
  EXPECT_EQ(Tenths(age09[0]), "24.1");
  EXPECT_EQ(Tenths(age09[5]), "29.1");
  EXPECT_EQ(Tenths(age09[6]), "0.2");
  EXPECT_EQ(Tenths(age09[20]), "14.2");
  const double* age21 = Moon().MoonAge21(2000, 1);
  EXPECT_EQ(Tenths(age21[5]), "29.6");
  EXPECT_EQ(Tenths(age21[6]), "0.7");
}

TEST(MoonAge, FebruaryWithoutNewMoonAndTheMarchAfterIt) {
  const double* feb = Moon().MoonAge09(2014, 2);
  for (int d = 1; d <= 28; ++d) EXPECT_EQ(Tenths(feb[d - 1]), Tenths(d + 0.1)) << d;
  double intoMarch = feb[28];
  // 1 March 09h JST comes before that day's new moon (17h JST), so the age
  // counts from the new moon of 31 January: 29.1 days, continuing February.
  const double* march = Moon().MoonAge09(2014, 3);
  EXPECT_NEAR(march[0], intoMarch, 1e-9);
  EXPECT_EQ(Tenths(march[0]), "29.1");
  EXPECT_LT(march[1], 1.0);  // 2 March, after the new moon
  EXPECT_LT(march[30], 1.0);  // 31 March, after the second one
  const double* march21 = Moon().MoonAge21(2014, 3);
  EXPECT_EQ(Tenths(march21[0]), "0.2");  // 21h, after the 17h new moon
}

TEST(MoonAge, StepsByADayAndAgreesAcrossMonthsOverTheWholeRange) {
  // At 09h: 0 <= age < 30, one more each day except the day after a
  // conjunction, which is below 1; day 1 of the next month as this month
  // sees it equals the next month's own day 1.  At 21h: half a day more,
  // except across a conjunction.
  double carried = -1;
  int restarts = 0;
  for (int y = 1975; y <= 2050; ++y) {
    for (int m = 1; m <= 12; ++m) {
      int n = CalendarNames::MonthLength(y, m);
      double age09[MoonEphemeris::kAgeEntries];
      const double* a = Moon().MoonAge09(y, m);
      std::copy(a, a + n + 1, age09);
      if (carried >= 0) {
        ASSERT_NEAR(age09[0], carried, 1e-9) << y << "-" << m;
      }
      carried = age09[n];
      for (int i = 0; i <= n; ++i) {
        ASSERT_GE(age09[i], 0.0);
        ASSERT_LT(age09[i], 30.0) << y << "-" << m << "-" << i + 1;
        if (i == 0) continue;
        double step = age09[i] - age09[i - 1];
        if (std::fabs(step - 1.0) > 1e-9) {
          ASSERT_LT(age09[i], 1.0) << y << "-" << m << "-" << i + 1;
          // The day before is at least a shortest lunation (29.27 days)
          // less one day old.
          ASSERT_GT(age09[i - 1], 28.25) << y << "-" << m << "-" << i + 1;
          ++restarts;
        }
      }
      const double* age21 = Moon().MoonAge21(y, m);
      for (int i = 0; i < n; ++i) {
        ASSERT_GE(age21[i], 0.0);
        ASSERT_LT(age21[i], 30.0);
        if (age09[i + 1] > age09[i]) {
          ASSERT_DOUBLE_EQ(age21[i], age09[i] + 0.5);
        } else {
          // The conjunction lies between 09h of day i and 09h of the next.
          bool before21 = age09[i + 1] >= 0.5;
          ASSERT_DOUBLE_EQ(age21[i], before21 ? age09[i + 1] - 0.5 : age09[i] + 0.5);
        }
      }
    }
  }
  EXPECT_NEAR(restarts, 76 * 365.2425 / 29.530589, 2);
}
