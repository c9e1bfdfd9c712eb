// The help topic table: line table, includes, limits, sorting, the
// generated index and the link scan, on small files the tests write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "engine/message_hook.h"
#include "textdata/help_topics.h"
#include "textdata/sjis.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

std::string Sjis(const std::string& utf8) {
  std::string bytes;
  EXPECT_TRUE(Utf8ToSjis(utf8, bytes)) << utf8;
  return bytes;
}

class HelpTopicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("korvane_help_" + std::to_string(getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  fs::path dir_;
};

// A topic file in UTF-8 (converted), lines joined with CR LF.
std::string TopicFile(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += Sjis(line) + "\r\n";
  return text;
}

TEST_F(HelpTopicsTest, TopicsKeysDescriptionsAndLookup) {
  HelpTopics topics;
  topics.LoadBytes(TopicFile({"// a comment", "[*]", "k1:目次", "k2:案内", "d:最初の行",
                              "\t字下げ\tと\tタブ", "", "[*]", "k1:暦  ", "k3:案内", "d:", "旧暦と新暦",
                              "[*]", "k1:説明なし", "[*]", "k1:暦", "d:二番目の暦"}));
  EXPECT_EQ(topics.TopicCount(), 4);
  const HelpTopic first = topics.Find("目次");
  ASSERT_TRUE(first.found);
  EXPECT_EQ(first.id, 0);
  EXPECT_EQ(first.keys[1], "案内");
  // Empty lines stay; tabs go to stops of 4 bytes (a kanji is 2).
  EXPECT_EQ(first.lines, (std::vector<std::string>{"最初の行", "    字下げ  と  タブ", ""}));
  // Any key finds a topic; the first in table order wins; trailing blanks
  // of a key do not count.
  EXPECT_EQ(topics.Find("案内").id, 0);
  EXPECT_EQ(topics.Find("暦").lines, (std::vector<std::string>{"", "旧暦と新暦"}));
  EXPECT_FALSE(topics.Find("ない").found);
  EXPECT_FALSE(topics.Find("").found);
  MessageRecorder recorder;
  const HelpTopic bare = topics.Find("説明なし");
  EXPECT_TRUE(bare.found);
  EXPECT_TRUE(bare.lines.empty());
  EXPECT_EQ(recorder.beeps(), 1);
  EXPECT_EQ(topics.TopicName(1), "暦");
  EXPECT_EQ(topics.TopicName(4), "");
}

TEST_F(HelpTopicsTest, KeysSortCaseInsensitivelyOnTwentyFiveBytesOnlyOnce) {
  // 0x83 0x41 (ァ) and 0x83 0x61 (ャ): a second byte that looks like a
  // letter is not folded.
  const std::string a = "\x83\x41", ya = "\x83\x61";
  std::string file;
  for (const std::string& key : {std::string("beta"), std::string("Alpha"), ya, std::string("alpha"), a,
                                 std::string(25, 'x') + "2", std::string(25, 'X') + "1", std::string("beta")}) {
    file += "[*]\nk1:" + key + "\nd:\n";
  }
  HelpTopics topics;
  topics.LoadBytes(file);
  std::vector<std::string> keys;
  for (int i = 0; i < topics.KeyCount(1); ++i) keys.push_back(topics.Key(1, i));
  // Equal on 25 bytes keeps the table order.
  EXPECT_EQ(keys, (std::vector<std::string>{"Alpha", "alpha", "beta", std::string(25, 'x') + "2",
                                            std::string(25, 'X') + "1", SjisToUtf8(a), SjisToUtf8(ya)}));
  EXPECT_EQ(topics.KeyCount(2), 0);
  EXPECT_EQ(topics.KeyCount(4), 0);
  EXPECT_EQ(topics.Key(1, 99), "");
}

TEST_F(HelpTopicsTest, IncludesFromTheMainFileOnlyOnceEachAndAtMostTwenty) {
  std::string main = "[*]\nk1:main\nd:m\nf:Topics.txt\nf:missing.txt\n";
  for (int i = 1; i <= 21; ++i) {
    const std::string name = "part" + std::to_string(i) + ".txt";
    // Each part names the next: "f:" means nothing outside the main file.
    Write(name, "[*]\nk1:p" + std::to_string(i) + "\nd:\nf:part" + std::to_string(i + 1) + ".txt\n");
    main += "f:" + name + "\n";
  }
  main += "f:part1.txt\n";
  const std::string path = Write("Topics.txt", main);
  MessageRecorder recorder;
  HelpTopics topics;
  ASSERT_TRUE(topics.Load(path));
  // main, then parts 1..18 (20 names taken: Topics.txt itself, missing.txt, 18 parts).
  EXPECT_EQ(topics.TopicCount(), 19);
  EXPECT_TRUE(topics.Find("p18").found);
  EXPECT_FALSE(topics.Find("p19").found);
  EXPECT_EQ(topics.Find("p1").lines, (std::vector<std::string>{"", "f:part2.txt"}));
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_NE(recorder.messages()[0].find("missing.txt\nファイル を読み出し出来ません."), std::string::npos);

  // A main file that cannot be read: the message, and no table.
  recorder.clear();
  EXPECT_FALSE(topics.Load((dir_ / "none.txt").string()));
  EXPECT_EQ(topics.TopicCount(), 0);
  EXPECT_EQ(recorder.messages().size(), 1u);
}

TEST_F(HelpTopicsTest, TwentyIncludesAreAllRead) {
  std::string main;
  for (int i = 1; i <= 20; ++i) {
    Write("t" + std::to_string(i), "[*]\nk1:t" + std::to_string(i) + "\nd:\n");
    main += "f:t" + std::to_string(i) + "\t \n";
  }
  HelpTopics topics;
  ASSERT_TRUE(topics.Load(Write("Topics.txt", main)));
  EXPECT_EQ(topics.TopicCount(), 20);
  // A name that leaves the folder is not read, though the file is there.
  MessageRecorder recorder;
  fs::create_directories(dir_ / "inner");
  topics.LoadBytes("f:../Topics.txt\n", (dir_ / "inner").string());
  EXPECT_EQ(topics.Lines().size(), 0u);
  EXPECT_EQ(recorder.messages().size(), 1u);
}

TEST_F(HelpTopicsTest, DamagedFilesGiveABoundedTableAndNoCrash) {
  HelpTopics topics;
  topics.LoadBytes("");
  EXPECT_EQ(topics.TopicCount(), 0);
  EXPECT_FALSE(topics.Find("x").found);

  // No "[*]": lines but no topics.
  topics.LoadBytes("k1:lonely\nd:text\n");
  EXPECT_EQ(topics.Lines().size(), 2u);
  EXPECT_FALSE(topics.Find("lonely").found);

  // A 10,000-byte line arrives as reads of 254 bytes.
  topics.LoadBytes("[*]\nk1:long\nd:" + std::string(10000, 'a') + "\n");
  EXPECT_EQ(topics.Lines().size(), 2u + (10002 + 253) / 254);
  for (const std::string& line : topics.Lines()) EXPECT_LE(line.size(), 254u);

  // Bad Shift-JIS shows as U+FFFD, the rest of the line kept.
  topics.LoadBytes("[*]\nk1:bad\nd:a\x81\x20z\xFF!\n");
  const HelpTopic bad = topics.Find("bad");
  ASSERT_EQ(bad.lines.size(), 1u);
  EXPECT_EQ(bad.lines[0].front(), 'a');
  EXPECT_NE(bad.lines[0].find("\xEF\xBF\xBD"), std::string::npos);
  EXPECT_EQ(bad.lines[0].back(), '!');

  // Too many topics and lines: the first 1000 and 10000 count.
  std::string many;
  for (int i = 0; i < 1200; ++i) many += "[*]\nk1:t" + std::to_string(i) + "\nd:\n";
  many += std::string(12000, '\n');
  topics.LoadBytes(many);
  EXPECT_EQ(topics.TopicCount(), 1000);
  EXPECT_EQ(topics.Lines().size(), 10000u);
  EXPECT_FALSE(topics.Find("t1000").found);

  // Random bytes: whatever comes out stays within the limits.
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::string noise(20000, '\0');
    for (char& c : noise) c = static_cast<char>(random() % 8 == 0 ? "[*]\nkdl1:\t"[random() % 10] : random());
    topics.LoadBytes(noise);
    EXPECT_LE(topics.TopicCount(), 1000);
    for (int id = 0; id < topics.TopicCount(); ++id) topics.Find(topics.TopicName(id));
    for (const std::string& line : topics.Lines()) topics.Links(SjisToUtf8(line));
  }
}

TEST_F(HelpTopicsTest, TheIndexTopicListsTheNamesInColumns) {
  const struct {
    const char* mark;
    std::vector<std::size_t> starts;
  } layouts[] = {{"l1:", {0}}, {"l2:", {0, 40}}, {"l3:", {0, 30, 60}}, {"l4:", {0, 20, 40, 60}},
                 {"l5:", {0, 15, 30, 45, 60}}};
  for (const auto& layout : layouts) {
    std::string file = "[*]\nk1:目次\n" + std::string(layout.mark) + "\nd:はじめに\n";
    const char* names[] = {"Echo", "alpha", "Delta", "charlie", "Bravo", "foxtrot"};
    for (const char* name : names) file += "[*]\nk1:" + std::string(name) + "\nd:\n";
    file += "[*]\nk1:hidden\n";  // no description: not listed
    HelpTopics topics;
    topics.LoadBytes(Sjis(file));
    EXPECT_EQ(topics.IndexColumns(), layout.starts.size() == 1 ? 1 : static_cast<int>(layout.starts.size()));
    const HelpTopic index = topics.Find("目次");
    ASSERT_GE(index.lines.size(), 2u) << layout.mark;
    EXPECT_EQ(index.lines[0], "はじめに");
    // Every name once, in order, each at its column's start.
    std::vector<std::string> listed;
    for (std::size_t i = 1; i < index.lines.size(); ++i) {
      const std::string& row = index.lines[i];
      for (std::size_t c = 0; c < layout.starts.size() && layout.starts[c] < row.size(); ++c) {
        const std::size_t end = row.find(' ', layout.starts[c]);
        listed.push_back(row.substr(layout.starts[c], end - layout.starts[c]));
      }
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"alpha", "Bravo", "charlie", "Delta", "Echo", "foxtrot"}))
        << layout.mark;
    EXPECT_EQ(index.lines.size(), 1 + (6 + layout.starts.size() - 1) / layout.starts.size()) << layout.mark;
  }
  // "l1:" is taken before "l2:"; among equal marks the last one.
  HelpTopics topics;
  topics.LoadBytes("[*]\nk1:A\nl2:\nd:\n[*]\nk1:B\nl1:\nd:\n[*]\nk1:C\nl1:\nd:\n");
  EXPECT_EQ(topics.IndexColumns(), 1);
  EXPECT_EQ(topics.Find("C").lines, (std::vector<std::string>{"", "A", "B"}));
  EXPECT_EQ(topics.Find("B").lines, (std::vector<std::string>{""}));
}

TEST_F(HelpTopicsTest, LinksAreTheLongestNamesLeftToRightUpToTen) {
  HelpTopics topics;
  topics.LoadBytes(Sjis("[*]\nk1:暦\nd:\n[*]\nk1:旧暦\nd:\n[*]\nk1:月\nd:\n[*]\nk1:目次\nd:\n"));
  const std::string line = "旧暦と暦、月の暦";
  const std::vector<HelpLink> links = topics.Links(line);
  ASSERT_EQ(links.size(), 4u);
  EXPECT_EQ(links[0].offset, 0u);
  EXPECT_EQ(links[0].text, "旧暦");
  EXPECT_EQ(links[1].offset, std::string("旧暦と").size());
  EXPECT_EQ(links[1].text, "暦");
  EXPECT_EQ(links[3].offset, std::string("旧暦と暦、月の").size());
  // The topic shown is no link to itself; ten links at most.
  EXPECT_EQ(topics.Links(line, "暦").size(), 2u);
  std::string many;
  for (int i = 0; i < 12; ++i) many += "月 ";
  EXPECT_EQ(topics.Links(many).size(), HelpTopics::kMaxLinks);
}

}  // namespace
}  // namespace korvane
