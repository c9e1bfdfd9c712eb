// Every text of every month grid, of the day page and of the tips, painted,
// inside its box with a pixel of white between its ink and any ruled line:
// at window sizes from 210x160 (cells narrower than 振替休日) to 1600x1200,
// narrow and tall, wide and flat.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "content/day_page_content.h"
#include "content/grid/month_grid_content.h"
#include "content/grid/month_grid_kinds.h"
#include "content/tips_content.h"
#include "engine/format.h"
#include "render/grid_painter.h"

namespace korvane {
namespace {

constexpr QRgb kPaper = 0xffffffff;

const GridSystemColors kColors{Qt::white, Qt::black, Qt::gray, Qt::white};

// The page's frames alone, black on white: their outlines are the ruled
// lines.  The texts' own colours do not matter here; each is set black.
std::vector<DrawOp> Frames(const std::vector<DrawOp>& ops) {
  std::vector<DrawOp> frames;
  for (DrawOp op : ops) {
    if (op.kind != DrawOp::Kind::Frame) continue;
    op.color = kBlack;
    op.background = kWhite;
    frames.push_back(op);
  }
  return frames;
}

// Paints each text alone with the frames around it and finds its ink: the
// paper it inked (a text over a line also inks the paper beside it).  The
// ink must lie inside the box less a pixel, and the ink grown by a pixel
// must hold no line.
void ExpectTextsInside(const std::vector<DrawOp>& ops, int width, int height,
                       const std::string& where) {
  CFont font;
  font.CreateFontIndirect(FontMaker::DefaultLogFont());
  std::vector<DrawOp> page = Frames(ops);
  QImage lines(width, height, QImage::Format_RGB32);
  lines.fill(kPaper);
  {
    QPainter painter(&lines);
    PaintDrawOps(painter, page, font, kColors);
  }
  TextSetter setter(ops, font);
  for (size_t i = 0; i < ops.size(); ++i) {
    DrawOp op = ops[i];
    if (op.kind != DrawOp::Kind::Text || op.text.empty()) continue;
    EXPECT_LE(setter.Place(i).fontHeight, op.fontHeight) << where << " " << op.text;
    op.color = kBlack;
    op.background = kWhite;
    const QRect near = QRect(op.box.left - 3, op.box.top - 3, op.box.width() + 6,
                             op.box.height() + 6) & lines.rect();
    const QImage before = lines.copy(near);
    QImage after = before;
    {
      QPainter painter(&after);
      painter.translate(-near.topLeft());
      page.push_back(op);
      PaintDrawOps(painter, page, font, kColors);
      page.pop_back();
    }
    QRect ink;
    for (int y = 0; y < near.height(); ++y)
      for (int x = 0; x < near.width(); ++x)
        if (before.pixel(x, y) == kPaper && after.pixel(x, y) != kPaper) ink |= QRect(x, y, 1, 1);
    if (ink.isNull()) continue;
    ink.translate(near.topLeft());
    const std::string what = Format("%s %s: ink [%d,%d]x[%d,%d] in box [%d,%d)x[%d,%d)",
                                    where.c_str(), op.text.c_str(), ink.left(), ink.right(),
                                    ink.top(), ink.bottom(), op.box.left, op.box.right,
                                    op.box.top, op.box.bottom);
    EXPECT_TRUE(QRect(op.box.left + 1, op.box.top + 1, op.box.width() - 2, op.box.height() - 2)
                    .contains(ink))
        << what;
    const QRect margin = ink.adjusted(-1, -1, 1, 1) & lines.rect();
    bool clear = true;
    for (int y = margin.top(); y <= margin.bottom(); ++y)
      for (int x = margin.left(); x <= margin.right(); ++x)
        if (lines.pixel(x, y) != kPaper) clear = false;
    EXPECT_TRUE(clear) << what << ": on or next to a ruled line";
  }
}

struct Size {
  int width;
  int height;
};

constexpr Size kSizes[] = {{210, 160},  {320, 240}, {400, 300},  {560, 420},  {640, 480},
                           {900, 400},  {300, 900}, {1600, 400}, {1024, 768}, {1600, 1200}};

TEST(PageFit, EveryGridTextInsideItsCell) {
  for (const GridKindInfo& info : AllGridKinds()) {
    MonthGridContent content(info.kind, CalendarLaw::Current);
    // May 2026 has 振替休日 (the 6th) and a run of holidays; 2025's tenth
    // lunisolar month gives 旧10/21.
    for (const auto [year, month] : {std::pair{2026, 5}, std::pair{2025, 11}}) {
      const int shown = content.CorrectedMonth(year, month);
      for (const Size size : kSizes) {
        const GridPage page = content.Page(year, shown, size.width, size.height, {year, month, 21});
        ExpectTextsInside(page.ops, size.width, size.height,
                          Format("%s %d-%d %dx%d", info.className(), year, month, size.width,
                                 size.height));
      }
    }
  }
}

TEST(PageFit, EveryDayPageTextInsideItsCell) {
  DayPageContent content(CalendarLaw::Current);
  DayPageExtras extras;
  extras.haikuPresent = true;
  extras.haikuUpper = "古池や";
  extras.haikuMiddle = "蛙飛びこむ";
  extras.haikuLower = "水の音";
  extras.temperaturesAvailable = true;
  extras.temperatureText = "最高 23.4℃ 最低 15.1℃";
  for (const Size size : {Size{225, 293}, Size{150, 195}, Size{450, 586}, Size{600, 300},
                          Size{200, 700}, Size{900, 1170}}) {
    // 2026-05-06: 振替休日; 2026-03-20: an equinox with 社日 near it.
    for (const int day : {6, 20}) {
      const int month = day == 6 ? 5 : 3;
      const DayPage page = content.Page(2026, month, day, 39, GridRect{0, 0, size.width, size.height},
                                        extras);
      ExpectTextsInside(page.ops, size.width, size.height,
                        Format("day 2026-%d-%d %dx%d", month, day, size.width, size.height));
    }
  }
}

TEST(PageFit, EveryTipsLineInsideItsBoxAndABodyAtOneHeight) {
  CFont font;
  font.CreateFontIndirect(FontMaker::DefaultLogFont());
  TipsContent content(KORVANE_BINARY_DIR "/TxtData/onepoint.txt", 1);
  ASSERT_TRUE(content.loaded());
  // Every shipped topic, in the dialog as laid out and twice as large.
  do {
    for (const int scale : {1, 2}) {
      const TipsPage page = content.Page(557 * scale, 270 * scale, 88 * scale);
      const std::vector<DrawOp> ops = page.Ops();
      ExpectTextsInside(ops, 557 * scale, 317 * scale,
                        Format("tip %d x%d", content.current(), scale));
      TextSetter setter(ops, font);
      int bodyHeight = 0;
      for (size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].group != 1) continue;
        const int height = setter.Place(i).fontHeight;
        if (bodyHeight == 0) bodyHeight = height;
        EXPECT_EQ(height, bodyHeight) << "tip " << content.current() << ": " << ops[i].text;
      }
    }
    content.Next();
  } while (content.current() != 1);
}

}  // namespace
}  // namespace korvane
