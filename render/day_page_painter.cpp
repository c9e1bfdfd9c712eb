#include "render/day_page_painter.h"

#include <QPainter>

namespace korvane {
namespace {

// The animals of the twelve earthly branches, 子 (鼠) first.
constexpr const char* kBranchAnimals[12] = {"鼠", "牛", "虎", "兎", "竜", "蛇",
                                            "馬", "羊", "猿", "鶏", "犬", "猪"};
constexpr QRgb kBranchColors[12] = {0x6b6b6b, 0x8b5a2b, 0xd08a10, 0xc06080, 0x2e8b57, 0x6a8e23,
                                    0xa0522d, 0x9a9a50, 0xb8860b, 0xcc3333, 0x8b6f47, 0x7a4a3a};

}  // namespace

void PaintBranchPicture(QPainter& painter, int branch, int x, int y) {
  if (branch < 0 || branch >= 12) return;
  painter.save();
  painter.translate(x, y);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kBranchColors[branch]));
  painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 14), 3, 3);
  QFont font;
  font.setFamilies(FontMaker::FamiliesFor(QStringLiteral("ＭＳ ゴシック")));
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, 16, 15), Qt::AlignCenter, QString::fromUtf8(kBranchAnimals[branch]));
  painter.restore();
}

PagePainting DayPainting(const DayPage& page, const CFont& font, const GridSystemColors& colors,
                         const QColor& background) {
  PagePainting painting;
  painting.title = page.title;
  // The page control's rectangle starts at (0, 0) of the control.
  painting.width = page.page.right;
  painting.height = page.page.bottom;
  painting.ops = page.ops;
  painting.font = font;
  painting.colors = colors;
  painting.background = background;
  painting.pictures = [](QPainter& painter, int number, int x, int y) {
    PaintBranchPicture(painter, number, x, y);
  };
  return painting;
}

}  // namespace korvane
