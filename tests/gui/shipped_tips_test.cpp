// Every tip number a window writes into `onepoint` opens a topic of its own
// in the shipped tips file, not the fallback to topic 1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "views/grid/month_grid_kinds.h"

namespace korvane {
namespace {

std::set<int> ShippedTipNumbers() {
  std::ifstream in(std::filesystem::path(KORVANE_BINARY_DIR) / "TxtData" / "onepoint.txt",
                   std::ios::binary);
  std::set<int> numbers;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.rfind("//", 0) == 0) continue;
    if (line.back() == ':') numbers.insert(std::atoi(line.c_str()));
  }
  return numbers;
}

TEST(ShippedTips, EveryWindowsTipNumberHasItsTopic) {
  const std::set<int> topics = ShippedTipNumbers();
  ASSERT_FALSE(topics.empty());
  for (const GridKindInfo& kind : AllGridKinds()) {
    EXPECT_TRUE(topics.count(kind.tipNumber)) << kind.className << " " << kind.tipNumber;
  }
  // The list windows and the day calendar's "?" button.
  const struct {
    const char* window;
    int tip;
  } others[] = {
      {"CNOListView", 41},      {"CONListView", 42},       {"CN24ListView", 43},
      {"CHolidayListView", 44}, {"CEtoListView", 45},      {"COMListView", 46},
      {"CNengoListView", 47},   {"CMonthListView", 49},    {"CWeekListView", 50},
      {"CWeek6ListView", 51},   {"CStar9ListView", 52},    {"CAgeListView", 53},
      {"CMoonAgeListView", 54}, {"day calendar", 55},      {"CSunTimeListView", 56},
      {"CMoonTimeListView", 57}, {"CMoonPhaseListView", 58}, {"CMiscSeasonList", 59},
      {"CGreenwichListView", 67},
  };
  for (const auto& other : others) {
    EXPECT_TRUE(topics.count(other.tip)) << other.window << " " << other.tip;
  }
}

}  // namespace
}  // namespace korvane
