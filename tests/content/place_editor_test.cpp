// The place manager without its window: fields read and refused, the
// hundred-place limit, and the chosen place code following its place.
#include "content/place_editor.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

PlaceFields Fields(const char* name, const char* lat, const char* lon, const char* height = "",
                   const char* offset = "") {
  return {name, lat, lon, height, offset};
}

TEST(PlaceEditor, ReadsTheFieldsOrSaysWhichIsWrong) {
  struct Case {
    PlaceFields fields;
    const char* errorPart;  // nullptr: accepted
  };
  const Case cases[] = {
      {Fields("高尾山", "35°37′33″N", "139°14′37″E", "599", ""), nullptr},
      {Fields(" Ushuaia ", "-54.8019", "-68.303", "", "-3"), nullptr},
      {Fields("Kathmandu", "27.7172", "85.324", "1400", "+5:45"), nullptr},
      {Fields("", "35", "139"), "名前"},
      {Fields("x", "", "139"), "緯度"},
      {Fields("x", "35 E", "139"), "緯度"},
      {Fields("x", "35", "139°61′"), "経度"},
      {Fields("x", "91", "139"), "緯度"},
      {Fields("x", "35", "139", "high"), "標高"},
      {Fields("x", "35", "139", "", "+15"), "時差"},
      {Fields("x", "35", "139", "", "9:75"), "時差"},
  };
  for (const Case& c : cases) {
    ObservingPlace place;
    const std::string error = PlaceEditor::Read(c.fields, place);
    if (!c.errorPart) {
      EXPECT_EQ(error, "") << c.fields.name;
    } else {
      EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.fields.name << ": " << error;
    }
  }
  ObservingPlace takao;
  ASSERT_EQ(PlaceEditor::Read(cases[0].fields, takao), "");
  EXPECT_NEAR(takao.latitude, 35.625833, 1e-6);
  EXPECT_EQ(takao.height, 599.0);
  EXPECT_EQ(takao.utcOffset, 9.0);  // an empty offset is JST's
  EXPECT_EQ(takao.group, -1);
  // The fields of a place read back as the same place, to well under a metre.
  ObservingPlace back;
  ASSERT_EQ(PlaceEditor::Read(PlaceEditor::Fields(takao), back), "");
  EXPECT_NEAR(back.latitude, takao.latitude, 1e-6);  // 0.1 m
  EXPECT_NEAR(back.longitude, takao.longitude, 1e-6);
  EXPECT_EQ(back.height, takao.height);
}

TEST(PlaceEditor, TheChosenCodeFollowsItsPlaceAndARemovedOneFallsBackToTokyo) {
  std::vector<ObservingPlace> places(3);
  for (int i = 0; i < 3; ++i) {
    places[i].name = "P" + std::to_string(i);
    places[i].latitude = i;
  }
  PlaceEditor editor(places);
  editor.Remove(0);
  ASSERT_EQ(editor.Add(Fields("new", "10", "10")), "");
  ASSERT_EQ(editor.Replace(0, Fields("P1 renamed", "1", "1")), "");
  EXPECT_EQ(editor.places().size(), 3u);
  EXPECT_EQ(editor.places()[0].name, "P1 renamed");
  EXPECT_EQ(editor.MapCode(12), 12);  // one of the 87 stays
  EXPECT_EQ(editor.MapCode(87), 39);  // P0, removed
  EXPECT_EQ(editor.MapCode(88), 87);  // P1 moved up
  EXPECT_EQ(editor.MapCode(89), 88);
  EXPECT_EQ(editor.MapCode(200), 39);
  EXPECT_NE(editor.Replace(5, Fields("x", "1", "1")), "");

  PlaceEditor full(std::vector<ObservingPlace>(PlaceList::kMaxUserPlaces, places[1]));
  EXPECT_NE(full.Add(Fields("one more", "1", "1")).find("100"), std::string::npos);
  EXPECT_EQ(full.places().size(), 100u);
}

}  // namespace
}  // namespace korvane
