#include "engine/format.h"
#include "engine/message_hook.h"

#include <gtest/gtest.h>

using korvane::DisplayWidth;
using korvane::Format;

TEST(Format, NumbersPassThroughTheCLibrary) {
  EXPECT_EQ(Format("% 2d %02d %2.1f", 7, 3, 12.345), " 7 03 12.3");
  EXPECT_EQ(Format("閏%2d", 5), "閏 5");
  EXPECT_EQ(Format("%d年の旧暦は計算できません.%d", 2052, 0), "2052年の旧暦は計算できません.0");
  EXPECT_EQ(Format("%.f", 59.94), "60");
  EXPECT_EQ(Format("%5.1f%%", 12.25), " 12.2%");
  EXPECT_EQ(Format("%*d|%-*d|", 4, 1, 3, 2), "   1|2  |");
  EXPECT_EQ(Format("%ld %lld", 1234567890123L, -5LL), "1234567890123 -5");
  // Length letters pick the argument's type: l is a double, L a long double.
  EXPECT_EQ(Format("%lf %.1Lf %hd", 2.5, 1.25L, 7), "2.500000 1.2 7");
}

TEST(Format, StringWidthsCountDisplayColumns) {
  // Full-width characters take two columns, ASCII and half-width kana one.
  EXPECT_EQ(DisplayWidth("大安"), 4);
  EXPECT_EQ(DisplayWidth("ｸﾞﾚｺﾞﾘｵ暦館"), 11);
  EXPECT_EQ(Format("[%-6s]", "大安"), "[大安  ]");
  EXPECT_EQ(Format("[%6s]", "大安"), "[  大安]");
  EXPECT_EQ(Format("[%4s]", "仏滅日"), "[仏滅日]");  // never truncated by width
  // Precision never splits a character.
  EXPECT_EQ(Format("[%.3s]", "仏滅日"), "[仏]");
  EXPECT_EQ(Format("[%.4s]", "仏滅日"), "[仏滅]");
  EXPECT_EQ(Format("[%-5.2s]", "ABC"), "[AB   ]");
  // Through a volatile so the compiler cannot see (and warn about) the null.
  const char* volatile none = nullptr;
  EXPECT_EQ(Format("%s", none), "(null)");
}

TEST(Format, OddFormatsAreHarmless) {
  EXPECT_EQ(Format("100%%"), "100%");
  const char* dangling = "tail %";
  EXPECT_EQ(Format(dangling), "tail %");
  EXPECT_EQ(Format("%5d", 123456789), "123456789");
  EXPECT_EQ(Format("%300d", 1).size(), 300u);
}

TEST(MessageHook, RecorderCapturesAndRestores) {
  {
    korvane::MessageRecorder outer;
    {
      korvane::MessageRecorder inner;
      korvane::ShowMessage("a");
      korvane::Beep();
      EXPECT_EQ(inner.messages().size(), 1u);
      EXPECT_EQ(inner.beeps(), 1);
    }
    korvane::ShowMessage("b");
    ASSERT_EQ(outer.messages().size(), 1u);
    EXPECT_EQ(outer.messages()[0], "b");
    EXPECT_EQ(outer.beeps(), 0);
  }
}

#include "engine/atomic_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

TEST(ReplaceFileContents, ReplacesWholeOrLeavesTheOldFile) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "korvane_atomic_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string path = (dir / "annual.txt").string();
  ASSERT_TRUE(korvane::ReplaceFileContents(path, "old\n"));
  ASSERT_TRUE(korvane::ReplaceFileContents(path, std::string("new\0bytes", 9)));
  std::ifstream in(path, std::ios::binary);
  std::stringstream read;
  read << in.rdbuf();
  EXPECT_EQ(read.str(), std::string("new\0bytes", 9));
  EXPECT_FALSE(fs::exists(path + ".tmp"));

  // A read-only schedule: the write fails and the schedule stays as it was.
  fs::permissions(path, fs::perms::owner_read);
  EXPECT_FALSE(korvane::ReplaceFileContents(path, "lost?"));
  std::ifstream again(path, std::ios::binary);
  std::stringstream kept;
  kept << again.rdbuf();
  EXPECT_EQ(kept.str(), std::string("new\0bytes", 9));
  fs::remove_all(dir);
}
