// The list of places to choose from and the text forms of a place.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "astro/place_list.h"

namespace {

ObservingPlace Make(const char* name, double lat, double lon, double height = 0.0,
                    double offset = 9.0) {
  ObservingPlace p;
  p.name = name;
  p.latitude = lat;
  p.longitude = lon;
  p.height = height;
  p.utcOffset = offset;
  return p;
}

}  // namespace

TEST(PlaceList, UserPlacesFollowTheTableAndABadCodeMeansTokyo) {
  PlaceList list;
  EXPECT_EQ(list.Count(), 87);
  std::vector<ObservingPlace> places = {Make("グリニッジ", 51.4779, -0.0015, 46, 0),
                                        Make("  ", 10, 10),          // no name
                                        Make("極", 91, 0),           // out of range
                                        Make("ウシュアイア", -54.8, -68.3, 0, -3)};
  for (int i = 0; i < 120; ++i) places.push_back(Make(("P" + std::to_string(i)).c_str(), 1, 1));
  EXPECT_EQ(list.SetUserPlaces(places), 2 + 22);  // two refused, 22 past the hundred
  EXPECT_EQ(list.Count(), 87 + PlaceList::kMaxUserPlaces);
  EXPECT_EQ(list.Name(87), "グリニッジ");
  EXPECT_EQ(list.At(87).group, -1);
  EXPECT_EQ(list.At(88).utcOffset, -3.0);
  EXPECT_EQ(list.Name(39), "東京");
  EXPECT_EQ(list.At(39).utcOffset, 9.0);
  for (int bad : {-1, 187, 100000}) {
    EXPECT_FALSE(list.IsValidCode(bad));
    EXPECT_EQ(list.Normalize(bad), 39);
    EXPECT_EQ(list.Name(bad), "東京");
  }
}

TEST(PlaceList, SettingsLinesRoundTripAndDamagedOnesAreRefused) {
  const ObservingPlace p = Make("Cape Town, Signal Hill", -33.9249, 18.4241, 350.5, 2);
  std::optional<ObservingPlace> back = PlaceList::FromLine(PlaceList::ToLine(p));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, p.name);
  EXPECT_TRUE(back->SameSite(p));  // to the bit
  for (const char* damaged : {"", "35.6,139.7,0,9", "35.6,139.7,0,9,", "abc,139.7,0,9,x",
                              "95,139.7,0,9,x", "35,181,0,9,x", "35,139,0,15,x", "35,139,0,nan,x",
                              "35,,0,9,x", "35,139.7,0,9e999,x", "--35,139,0,9,x"}) {
    EXPECT_FALSE(PlaceList::FromLine(damaged)) << damaged;
  }
}

TEST(PlaceList, AnglesInDecimalOrDegreesMinutesSeconds) {
  struct Case {
    const char* text;
    AngleAxis axis;
    std::optional<double> degrees;
  };
  const auto lat = AngleAxis::kLatitude, lon = AngleAxis::kLongitude;
  const Case cases[] = {
      {"35.6544", lat, 35.6544},
      {" -0.0015 ", lon, -0.0015},
      {"35°39′16″", lat, 35 + 39 / 60.0 + 16 / 3600.0},
      {"35°39'16.5\"N", lat, 35 + 39 / 60.0 + 16.5 / 3600.0},
      {"33 55 30 S", lat, -(33 + 55 / 60.0 + 30 / 3600.0)},
      {"W 68:18", lon, -(68 + 18 / 60.0)},
      {"西経68度18分", lon, -(68 + 18 / 60.0)},
      {"北緯35度39分16秒", lat, 35 + 39 / 60.0 + 16 / 3600.0},
      {"139d44m41s", lon, 139 + 44 / 60.0 + 41 / 3600.0},
      {"35°60′", lat, std::nullopt},      // minutes of 60
      {"35.5°30′", lat, std::nullopt},    // fraction before the last part
      {"-35 S", lat, std::nullopt},       // two signs
      {"35 E", lat, std::nullopt},        // a longitude's hemisphere
      {"東経139", lat, std::nullopt},
      {"35 39 16 2", lat, std::nullopt},
      {"", lat, std::nullopt},
      {"abc", lon, std::nullopt},
  };
  for (const Case& c : cases) {
    std::optional<double> got = ParseAngle(c.text, c.axis);
    ASSERT_EQ(got.has_value(), c.degrees.has_value()) << c.text;
    if (got) EXPECT_NEAR(*got, *c.degrees, 1e-12) << c.text;
  }
  EXPECT_EQ(FormatAngle(-33.925, lat), "33°55′30″S");
  EXPECT_EQ(FormatAngle(139.744694, lon), "139°44′41″E");
  EXPECT_NEAR(ParseAngle(FormatAngle(-68.305, lon), lon).value_or(0), -68.305, 0.5 / 3600);
}

TEST(PlaceList, UtcOffsetsInHoursOrHoursAndMinutes) {
  EXPECT_EQ(ParseUtcOffset("+9"), 9.0);
  EXPECT_EQ(ParseUtcOffset("-3:30"), -3.5);
  EXPECT_EQ(ParseUtcOffset("5:45"), 5.75);
  EXPECT_EQ(ParseUtcOffset("-9.5"), -9.5);
  EXPECT_FALSE(ParseUtcOffset("5:60"));
  EXPECT_FALSE(ParseUtcOffset("nine"));
  EXPECT_EQ(FormatUtcOffset(9), "+9");
  EXPECT_EQ(FormatUtcOffset(-3.5), "-3:30");
  EXPECT_EQ(FormatUtcOffset(5.75), "+5:45");
  EXPECT_EQ(FormatUtcOffset(0), "+0");
}

// The refusals korvane-print and the dialog show; a place at a pole is
// accepted (its times are all NO_EVENT or hours, never NaN).
TEST(PlaceList, PlaceProblemNamesTheFieldOutOfRange) {
  EXPECT_EQ(PlaceProblem(Make("x", 90, 180, 0, 14)), "");
  EXPECT_EQ(PlaceProblem(Make("x", -90, -180, 0, -12)), "");
  EXPECT_NE(PlaceProblem(Make("x", 90.01, 0)).find("緯度"), std::string::npos);
  EXPECT_NE(PlaceProblem(Make("x", 0, -180.5)).find("経度"), std::string::npos);
  EXPECT_NE(PlaceProblem(Make("x", 0, 0, 0, 14.5)).find("時差"), std::string::npos);
  EXPECT_NE(PlaceProblem(Make("x", 0, 0, 0, -12.5)).find("時差"), std::string::npos);
  EXPECT_NE(PlaceProblem(Make("x", std::nan(""), 0)).find("緯度"), std::string::npos);
  EXPECT_NE(PlaceProblem(Make("x", 0, 0, 10000)).find("標高"), std::string::npos);
}
