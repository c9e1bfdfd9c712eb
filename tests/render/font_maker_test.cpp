// The font maker: the face the pages are painted in, its height variants
// and the dialog units measured with it.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include "render/font_maker.h"

namespace {

TEST(FontMaker, DefaultDescription) {
  const LogFont font = FontMaker::DefaultLogFont();
  EXPECT_EQ(font.height, -48);
  EXPECT_EQ(font.width, 0);
  EXPECT_EQ(font.weight, 400);
  EXPECT_FALSE(font.italic || font.underline || font.strikeOut);
  EXPECT_EQ(font.charSet, 128);
  EXPECT_EQ(font.pitchAndFamily, 0x31);
  EXPECT_STREQ(font.faceName, "ＭＳ ゴシック");
}

TEST(FontMaker, FaceNamesAreCutAtACharacterBoundary) {
  LogFont font;
  font.SetFaceName("ＭＳ ゴシックＭＳ ゴシックＭＳ ゴシック");
  EXPECT_LE(std::strlen(font.faceName), 31u);
  EXPECT_TRUE(QString::fromUtf8(font.faceName).toUtf8() == QByteArray(font.faceName));
  EXPECT_TRUE(QString::fromUtf8(font.faceName).startsWith(QStringLiteral("ＭＳ ゴシック")));
}

TEST(FontMaker, TheGothicFaceIsAnInstalledFixedPitchJapaneseFace) {
  CFont font;
  ASSERT_TRUE(font.CreateFontIndirect(FontMaker::DefaultLogFont()));
  const QFontInfo info(font.Font());
  if (!FontMaker::FamiliesFor("ＭＳ ゴシック").contains("IPAGothic") &&
      !FontMaker::FamiliesFor("ＭＳ ゴシック").contains("Noto Sans Mono CJK JP"))
    GTEST_SKIP() << "no Japanese gothic face installed";
  EXPECT_EQ(info.pixelSize(), 48);
  // Fixed pitch as the layouts expect it: a digit is half a kanji.
  const QFontMetricsF metrics(font.Font());
  EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("8")) * 2, metrics.horizontalAdvance(QStringLiteral("曜")), 1.0);
  EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("i")), metrics.horizontalAdvance(QStringLiteral("W")), 0.5);
}

TEST(FontMaker, HeightVariants) {
  CFont view;
  ASSERT_TRUE(view.CreateFontIndirect(FontMaker::DefaultLogFont()));
  CFont cell;
  ASSERT_TRUE(FontMaker::MakeHeightVariant(view, 20, cell));
  LogFont lf;
  ASSERT_TRUE(cell.GetLogFont(lf));
  EXPECT_EQ(lf.height, -20);
  EXPECT_STREQ(lf.faceName, "ＭＳ ゴシック");
  EXPECT_EQ(cell.Font().pixelSize(), 20);

  // A window too small for any text: the variant is refused and the
  // previous font stays.
  EXPECT_FALSE(FontMaker::MakeHeightVariant(view, 0, cell));
  EXPECT_FALSE(FontMaker::MakeHeightVariant(view, -5, cell));
  EXPECT_EQ(cell.Font().pixelSize(), 20);
  CFont empty;
  EXPECT_FALSE(FontMaker::MakeHeightVariant(empty, 10, cell));
  LogFont huge = FontMaker::DefaultLogFont();
  huge.height = -100000;
  EXPECT_FALSE(cell.CreateFontIndirect(huge));

  // A positive height is the whole cell: ascent and descent fill it.
  LogFont cellHeight = FontMaker::DefaultLogFont();
  cellHeight.height = 30;
  CFont byCell;
  ASSERT_TRUE(byCell.CreateFontIndirect(cellHeight));
  const QFontMetricsF metrics(byCell.Font());
  EXPECT_NEAR(metrics.ascent() + metrics.descent(), 30.0, 2.0);
}

TEST(DialogUnits, ScaleWithTheFont) {
  const QFont font = korvane::DialogFont();
  const QRect r = korvane::DialogUnitsToPixels(font, 0, 0, 83, 75);
  EXPECT_GT(r.width(), 83);
  EXPECT_GT(r.height(), 75);
  const QRect twice = korvane::DialogUnitsToPixels(font, 0, 0, 166, 150);
  EXPECT_NEAR(twice.width(), 2 * r.width(), 1);
  EXPECT_NEAR(twice.height(), 2 * r.height(), 1);
}

}  // namespace
