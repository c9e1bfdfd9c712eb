// The shipped "weather.txt" as the day calendar reads it: every date of the
// year has its line, and each month's days average to Tokyo's normals.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>

#include "textdata/normal_temperature_table.h"

namespace {

// Tokyo, normals 1991-2020: monthly means of the daily minimum and maximum.
constexpr std::array<double, 12> kNormalMin = {1.2, 2.1, 5.0, 9.8, 14.6, 18.5,
                                               22.4, 23.5, 20.3, 14.8, 8.8, 3.8};
constexpr std::array<double, 12> kNormalMax = {9.8, 10.9, 14.2, 19.4, 23.6, 26.1,
                                               29.9, 31.3, 27.5, 22.0, 16.7, 12.0};
constexpr std::array<int, 12> kMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

TEST(ShippedWeather, ReproducesTokyosMonthlyNormalsOnEveryDate) {
  NormalTemperatureTable table(
      (std::filesystem::path(KORVANE_BINARY_DIR) / "TxtData" / "weather.txt").string());
  ASSERT_EQ(table.Build(NormalTemperatureTable::kStationGroup), 1);
  const auto& days = table.days();
  size_t i = 0;
  for (int m = 1; m <= 12; ++m) {
    double sumLow = 0, sumHigh = 0;
    int counted = 0;
    for (int d = 1; d <= kMonthDays[m - 1]; ++d) {
      SCOPED_TRACE(std::to_string(m) + "/" + std::to_string(d));
      // The table keeps February 29 after February 28, as the file does.
      const auto& day = days[i++];
      ASSERT_NE(day.index, -1);
      ASSERT_EQ(day.month, m);
      ASSERT_EQ(day.day, d);
      EXPECT_FALSE(table.TextFor(m, d).empty());
      // As the day calendar prints them: tenths, maximum before minimum.
      const double low = std::round(day.first * 10) / 10;
      const double high = std::round(day.second * 10) / 10;
      EXPECT_LT(low, high);
      if (m == 2 && d == 29) continue;
      sumLow += low;
      sumHigh += high;
      ++counted;
    }
    EXPECT_NEAR(sumLow / counted, kNormalMin[m - 1], 0.0005) << "month " << m;
    EXPECT_NEAR(sumHigh / counted, kNormalMax[m - 1], 0.0005) << "month " << m;
  }
  EXPECT_EQ(table.TextFor(1, 1), "平年(東京)気温 10.3/1.9 ℃");
  // A smooth year: no day more than a few tenths from the next, around the
  // turn of the year too.
  for (size_t k = 0; k < days.size(); ++k) {
    const auto& next = days[(k + 1) % days.size()];
    EXPECT_LE(std::abs(next.first - days[k].first), 0.35) << days[k].month << "/" << days[k].day;
    EXPECT_LE(std::abs(next.second - days[k].second), 0.35) << days[k].month << "/" << days[k].day;
  }
}

}  // namespace
