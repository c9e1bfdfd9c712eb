// The tips, haiku-commentary and annual-schedule readers on small files the
// tests write in code page 932.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/file_read.h"
#include "engine/message_hook.h"
#include "textdata/annual_schedule.h"
#include "textdata/haiku_commentary_reader.h"
#include "textdata/sjis.h"
#include "textdata/text_line_source.h"
#include "textdata/tips_reader.h"

using korvane::AnnualScheduleReader;
using korvane::HaikuCommentaryReader;
using korvane::TipsReader;

namespace {

class TextFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(KORVANE_BINARY_DIR) / "textdata_readers" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  // Writes `utf8` as code page 932 (plus any raw bytes in `tail`).
  std::string Write(const std::string& name, const std::string& utf8, const std::string& tail = {}) {
    std::string sjis;
    EXPECT_TRUE(korvane::Utf8ToSjis(utf8, sjis));
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << sjis << tail;
    return path;
  }
  std::string Missing() const { return (dir_ / "missing.txt").string(); }

  std::filesystem::path dir_;
  korvane::MessageRecorder recorder_;
};

std::string Blanks(int n) { return std::string(n, ' '); }

// Malformed content every reader must survive without a crash or a hang.
std::vector<std::string> Damaged() {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
  return {"",
          binary,
          std::string(10000, 'x') + "\n" + std::string(10000, '\x82') + ":\n[1]\n3:" + std::string(10000, 'y'),
          "1:\n\x81\x81\x81\n\xFF\xFE[1\xE5\x8C\x8E]\n1\x93\xFA:\x85\x40\x81\n[1]\n1:\x81\n2:\x81\n3:\x81",
          "[1\x8c\x8e]\r\n1\x93\xfa:" + std::string(5000, '\x82')};
}

}  // namespace

TEST_F(TextFiles, TipsChooseTopicsAndHeadings) {
  const std::string text = std::string("// tips\n") +
                           "1:\r\n一二三四五六七八九十\r\n本文です。\r\n" +
                           "2:\n" + std::string(40, 'a') + "\nshort\n// not shown\n\n" +
                           "3:\n" + std::string(65, 'b') + "あcc\nnext\n" +
                           std::string(70, 'd') + "\n";
  const TipsReader reader(Write("onepoint.txt", text));
  std::string heading, body;
  // 20 bytes: the heading.
  EXPECT_EQ(reader.Load(1, heading, body), 1);
  EXPECT_EQ(heading, "一二三四五六七八九十\n");
  EXPECT_EQ(body, "\n本文です。\n");
  // 40 bytes: "豆知識..." and the line opens the body.
  EXPECT_EQ(reader.Load(2, heading, body), 2);
  EXPECT_EQ(heading, "豆知識...\n");
  EXPECT_EQ(body, "\n" + std::string(40, 'a') + "\nshort\n");
  // Past the last topic: topic 1; zero or less: the last topic.
  EXPECT_EQ(reader.Load(7, heading, body), 1);
  EXPECT_EQ(reader.Load(0, heading, body), 3);
  EXPECT_EQ(reader.Load(-5, heading, body), 3);
  // A first line of 69 bytes: cut at 65 because byte 66 starts "あ"; no blank
  // line after a first line, one after a later long line.
  EXPECT_EQ(heading, "next\n");
  EXPECT_EQ(body, "\n" + std::string(65, 'b') + "\nあcc\n" +
                      std::string(66, 'd') + "\n" + std::string(4, 'd') + "\n\n");
  // Signed numbers as atoi reads them: "-4:" is no topic, "+2:" is topic 2.
  const TipsReader signedTips(Write("signed.txt", "-4:\nminus\n+2:\nplus\n"));
  EXPECT_EQ(signedTips.Load(1, heading, body), 2);
  EXPECT_EQ(heading, "plus\n");
  EXPECT_TRUE(recorder_.messages().empty());

  const TipsReader missing(Missing());
  EXPECT_EQ(missing.Load(1, heading, body), -1);
  ASSERT_EQ(recorder_.messages().size(), 1u);
  EXPECT_EQ(recorder_.messages()[0], Missing() + "\nファイル を読み出し出来ません.");
}

TEST_F(TextFiles, HaikuCommentaryEntry) {
  const std::string path = Write("rumika.txt",
                                 "[1]\n1:ひとつめ\n[12]\n// comment\n1:はるたつや\n2:春立つ\n"
                                 "3:" + std::string(45, 'x') + "\n二行目\n\n// c\n三行目\n1:stop\nafter\n[13]\n");
  HaikuCommentaryReader reader;
  ASSERT_EQ(reader.Read(path, 12), 0);
  EXPECT_EQ(reader.reading(), "はるたつや");
  EXPECT_EQ(reader.seasonWord(), "春立つ");
  EXPECT_EQ(reader.commentary(), std::string(45, 'x') + Blanks(43) + "二行目" + Blanks(38) + "三行目" + Blanks(38));
  // As the dialog's rows: a text of one row shows as well as a longer one.
  EXPECT_EQ(korvane::RowsOfWidth(reader.commentary(), HaikuCommentaryReader::kLineWidth),
            std::string(44, 'x') + "\nx\n二行目\n三行目");
  EXPECT_EQ(korvane::RowsOfWidth("一行" + Blanks(40), HaikuCommentaryReader::kLineWidth), "一行");
  // Same file and key: answered without reading (the file is gone).
  std::filesystem::remove(path);
  EXPECT_EQ(reader.Read(path, 12), 0);
  EXPECT_EQ(reader.reading(), "はるたつや");
  EXPECT_EQ(reader.Read(path, 13), -1);
  EXPECT_EQ(recorder_.messages().size(), 1u);
  // Fields are capped at 79 and 1023 bytes, never inside a character.
  HaikuCommentaryReader capped;
  std::string longEntry = "[5]\n1:x" + std::string(39, 'x') + std::string(80, 'y') + "\n3:";
  for (int i = 0; i < 40; ++i) longEntry += "あいうえおかきくけこ\n";
  ASSERT_EQ(capped.Read(Write("long.txt", longEntry), 5), 0);
  EXPECT_EQ(capped.reading().size(), 79u);
  std::string sjis;
  ASSERT_TRUE(korvane::Utf8ToSjis(capped.commentary(), sjis));
  EXPECT_EQ(sjis.size(), 1023u);
}

TEST_F(TextFiles, AnnualDayEntry) {
  const std::string path = Write("annual.txt",
                                 "[1月]\n11日:十一日\n1日:" + std::string(45, 'a') +
                                     "\n続き\n// comment\n\n2日:次の日\n[2月]\n3日:節分\n[3月]\n[4月]\n29日:昭和の日\n");
  std::string text;
  ASSERT_EQ(AnnualScheduleReader::ReadEntry(path, 1, 1, text), 0);
  // 45 bytes fill to 80: the next line starts on the third line of the edit.
  EXPECT_EQ(text, std::string(45, 'a') + Blanks(35) + "続き" + Blanks(36));
  EXPECT_EQ(AnnualScheduleReader::ReadEntry(path, 1, 11, text), 0);
  EXPECT_EQ(text, "十一日" + Blanks(34));
  EXPECT_EQ(AnnualScheduleReader::ReadEntry(path, 2, 3, text), 0);
  EXPECT_EQ(text, "節分" + Blanks(36));
  // A day the month lacks, and a search that reaches the next section.
  EXPECT_EQ(AnnualScheduleReader::ReadEntry(path, 1, 5, text), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(AnnualScheduleReader::ReadEntry(path, 3, 29, text), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(AnnualScheduleReader::ReadEntry(path, 4, 29, text), 0);
  EXPECT_EQ(text, "昭和の日" + Blanks(32));
  EXPECT_TRUE(recorder_.messages().empty());
  EXPECT_EQ(AnnualScheduleReader::ReadEntry(Missing(), 1, 1, text), -1);
  EXPECT_EQ(recorder_.messages().size(), 1u);
}

TEST_F(TextFiles, AnnualScheduleLoadsAndSavesWithoutLoss) {
  korvane::AnnualScheduleText schedule;
  ASSERT_TRUE(korvane::LoadAnnualSchedule(Write("annual.txt", "[1月]\r\n1日:元日\r\n", "\x85\x40\r\n"), schedule));
  EXPECT_TRUE(schedule.crlf);
  EXPECT_EQ(schedule.text, "[1月]\n1日:元日\n\uFFFD\n");
  std::string bytes;
  std::vector<std::string> bad;
  // The damaged character read as U+FFFD is refused, not written as something else.
  EXPECT_FALSE(korvane::EncodeAnnualSchedule(schedule, bytes, &bad));
  EXPECT_EQ(bad, std::vector<std::string>{"\uFFFD"});
  schedule.text = "[1月]\n1日:元日 〜 休み\n";
  ASSERT_TRUE(korvane::EncodeAnnualSchedule(schedule, bytes, &bad));
  EXPECT_EQ(korvane::SjisToUtf8(bytes), "[1月]\r\n1日:元日 ～ 休み\r\n");
  ASSERT_TRUE(korvane::LoadAnnualSchedule(Write("lf.txt", "a\nb"), schedule));
  EXPECT_FALSE(schedule.crlf);
  ASSERT_TRUE(korvane::EncodeAnnualSchedule(schedule, bytes));
  EXPECT_EQ(bytes, "a\nb");
  EXPECT_FALSE(korvane::LoadAnnualSchedule(Missing(), schedule));
}

TEST_F(TextFiles, AnnualScheduleKnowsWhenSomeoneElseWroteTheFile) {
  korvane::AnnualScheduleText schedule;
  const std::string path = Write("annual.txt", "[1]\r\n");
  ASSERT_TRUE(korvane::LoadAnnualSchedule(path, schedule));
  EXPECT_FALSE(schedule.Edited());
  EXPECT_FALSE(schedule.ChangedOnDisk(path));
  std::ofstream(path, std::ios::binary) << "[1]\r\n";  // the same bytes again: no change
  EXPECT_FALSE(schedule.ChangedOnDisk(path));
  std::ofstream(path, std::ios::binary | std::ios::app) << "1\r\n";
  EXPECT_TRUE(schedule.ChangedOnDisk(path));
  std::filesystem::remove(path);
  EXPECT_TRUE(schedule.ChangedOnDisk(path));

  // A file over the limit is not taken for a missing one.
  std::ofstream(path, std::ios::binary) << "x";
  std::filesystem::resize_file(path, korvane::kTextDataFileLimit + 1);
  std::string entry;
  EXPECT_EQ(AnnualScheduleReader::ReadEntry(path, 1, 1, entry), -1);
  ASSERT_EQ(recorder_.messages().size(), 1u);
  EXPECT_EQ(recorder_.messages()[0], path + "\nannual.txt は大きすぎます (16 MiB まで).");
}

TEST_F(TextFiles, DamagedFilesGiveSafeResults) {
  int n = 0;
  for (const std::string& content : Damaged()) {
    const std::string path = (dir_ / ("damaged" + std::to_string(n++))).string();
    std::ofstream(path, std::ios::binary) << content;
    std::string heading, body, text;
    const int topic = TipsReader(path).Load(1, heading, body);
    EXPECT_GE(topic, 0);
    HaikuCommentaryReader haiku;
    EXPECT_EQ(haiku.Read(path, 1), 0);
    EXPECT_LE(haiku.commentary().size(), 1023u * 3);
    EXPECT_EQ(AnnualScheduleReader::ReadEntry(path, 1, 1, text), 0);
    EXPECT_LE(text.size(), 1023u * 3);
  }
  EXPECT_TRUE(recorder_.messages().empty());
}
