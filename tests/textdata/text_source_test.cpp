#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textdata/sjis.h"
#include "textdata/text_line_source.h"

using korvane::SjisToUtf8;
using korvane::TextLineSource;
using korvane::Utf8ToSjis;

namespace {

std::vector<std::string> Lines(std::string bytes) {
  TextLineSource source(std::move(bytes));
  std::vector<std::string> lines;
  for (std::string line; source.Next(line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(Sjis, RoundTripsTheAlmanacsText) {
  const std::string text = "春立や 新年ふるき 米五升 ｸﾞﾚｺﾞﾘｵ暦館 ①Ⅱ㈱ 髙 ~\\ abc";
  std::string sjis;
  ASSERT_TRUE(Utf8ToSjis(text, sjis));
  EXPECT_EQ(sjis.substr(0, 6), "\x8f\x74\x97\xa7\x82\xe2");  // 春立や
  EXPECT_EQ(SjisToUtf8(sjis), text);
  // Every double-byte code of the JIS rows 1..84 that decodes also encodes
  // back to the same two bytes.
  int checked = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!korvane::IsSjisLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = SjisToUtf8(bytes);
      if (utf8 == "\uFFFD" || utf8.empty()) continue;
      std::string again;
      ASSERT_TRUE(Utf8ToSjis(utf8, again)) << std::hex << lead << trail;
      // NEC and IBM extensions duplicate some characters; the first code wins.
      if (lead < 0xED) {
        EXPECT_EQ(SjisToUtf8(again), utf8);
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 7000);
}

TEST(Sjis, BadBytesAreReplacedNeverDropped) {
  EXPECT_EQ(SjisToUtf8("a\x81"), "a\uFFFD");              // a lead byte at the end
  EXPECT_EQ(SjisToUtf8("a\x81\x20z"), "a\uFFFD z");        // a lead byte before ASCII
  EXPECT_EQ(SjisToUtf8("\x85\x40z"), "\uFFFDz");           // an unassigned pair is one character
  EXPECT_EQ(SjisToUtf8("\xA0\xFD\xFE\xFF" "x"), "\uFFFD\uFFFD\uFFFD\uFFFDx");
  EXPECT_EQ(SjisToUtf8(std::string("\0a", 2)), std::string("\0a", 2));
  EXPECT_EQ(SjisToUtf8(""), "");
}

TEST(Sjis, EncodingRefusesWhatCannotBeWrittenAndListsIt) {
  std::string sjis = "old";
  std::vector<std::string> bad;
  EXPECT_FALSE(Utf8ToSjis("運動会 😀 café 😀 ¥100 é", sjis, &bad));
  EXPECT_EQ(sjis, "");
  EXPECT_EQ(bad, (std::vector<std::string>{"😀", "é", "¥"}));
  EXPECT_FALSE(Utf8ToSjis("a\xC3(b", sjis, &bad));  // not UTF-8
  EXPECT_EQ(bad, std::vector<std::string>{"\uFFFD"});
  // The wave dash of Unicode's JIS mapping is code page 932's full-width tilde.
  ASSERT_TRUE(Utf8ToSjis("9時〜5時", sjis, &bad));
  EXPECT_EQ(sjis, "9\x8e\x9e\x81\x60" "5\x8e\x9e");
  EXPECT_TRUE(bad.empty());
}

TEST(TextLineSource, ReadsLinesAsTheFilesWereWritten) {
  // CR LF and LF; a BOM is skipped; a last line without a line end counts;
  // a lone CR stays part of its line.
  EXPECT_EQ(Lines("\xEF\xBB\xBF" "a\r\n\r\nb\nc\rd\ne"),
            (std::vector<std::string>{"a", "", "b", "c\rd", "e"}));
  EXPECT_EQ(Lines(""), std::vector<std::string>{});
  EXPECT_EQ(Lines("\xEF\xBB\xBF"), std::vector<std::string>{});
  EXPECT_EQ(Lines("\n"), std::vector<std::string>{""});
  // 254 bytes per read: a long line arrives in pieces, and a line of exactly
  // 254 bytes leaves its line end as an empty line of its own.
  const std::string longLine(10000, 'x');
  auto pieces = Lines(longLine + "\r\n" + std::string(254, 'y') + "\r\nz");
  ASSERT_EQ(pieces.size(), 39u + 1 + 2 + 1);
  for (int i = 0; i < 39; ++i) EXPECT_EQ(pieces[i], std::string(254, 'x'));
  EXPECT_EQ(pieces[39], std::string(10000 - 39 * 254, 'x'));
  EXPECT_EQ(pieces[40], std::string(254, 'y'));
  EXPECT_EQ(pieces[41], "");
  EXPECT_EQ(pieces[42], "z");

  TextLineSource source("one\ntwo");
  std::string line;
  while (source.Next(line)) {
  }
  source.Rewind();
  ASSERT_TRUE(source.Next(line));
  EXPECT_EQ(line, "one");
}

TEST(TextLineSource, OnlyRegularFilesOpen) {
  TextLineSource source;
  EXPECT_FALSE(source.Open(KORVANE_BINARY_DIR "/no/such/file.txt"));
  EXPECT_FALSE(source.Open(KORVANE_BINARY_DIR));  // a folder
  EXPECT_FALSE(source.Open("/dev/zero"));
  std::string line;
  EXPECT_FALSE(source.Next(line));
  EXPECT_TRUE(korvane::IsCommentLine(""));
  EXPECT_TRUE(korvane::IsCommentLine("// x"));
  EXPECT_FALSE(korvane::IsCommentLine(" //"));
}
