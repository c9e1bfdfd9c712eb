// The shipped tips and help know every window: each tip number a window
// writes into `onepoint` opens a topic of its own (not the fallback to topic
// 1), and each view kind has a help topic under its menu name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "ui/dialogs/day_calendar_dialog.h"
#include "content/view_kind_table.h"

namespace {

namespace fs = std::filesystem;

std::set<int> ShippedTipNumbers() {
  std::ifstream in(fs::path(KORVANE_BINARY_DIR) / "TxtData" / "onepoint.txt", std::ios::binary);
  std::set<int> numbers;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.rfind("//", 0) == 0) continue;
    if (line.back() == ':') numbers.insert(std::atoi(line.c_str()));
  }
  return numbers;
}

// The first keys of the help topics, from the main file and the files its
// "f:" lines name.
std::set<std::string> HelpTopicNames() {
  const fs::path dir = fs::path(KORVANE_SOURCE_DIR) / "resources" / "txtdata";
  std::vector<std::string> files = {"Topics.txt"};
  std::set<std::string> names;
  for (size_t i = 0; i < files.size(); ++i) {
    std::ifstream in(dir / files[i]);
    for (std::string line; std::getline(in, line);) {
      if (i == 0 && line.rfind("f:", 0) == 0) files.push_back(line.substr(2));
      if (line.rfind("k1:", 0) == 0) names.insert(line.substr(3));
    }
  }
  return names;
}

TEST(ShippedTexts, EveryWindowsTipNumberHasItsTopic) {
  const std::set<int> topics = ShippedTipNumbers();
  ASSERT_FALSE(topics.empty());
  for (const ViewKindInfo& kind : ViewKinds()) {
    if (kind.tipTopic == 0) continue;
    EXPECT_TRUE(topics.count(kind.tipTopic)) << kind.className << " " << kind.tipTopic;
  }
  EXPECT_TRUE(topics.count(CDayCalendarDialog::kTipTopic)) << "the day calendar's ?";
}

TEST(ShippedTexts, EveryViewKindHasAHelpTopicUnderItsMenuName) {
  const std::set<std::string> names = HelpTopicNames();
  ASSERT_FALSE(names.empty());
  for (const ViewKindInfo& kind : ViewKinds()) {
    std::string name = kind.menuText;
    name = name.substr(0, name.find("(&"));
    EXPECT_TRUE(names.count(name)) << kind.className << " " << name;
  }
}

}  // namespace
