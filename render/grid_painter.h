#pragma once
// Replays a month-grid page with QPainter.
#include <QColor>
#include <functional>
#include <span>

#include "render/font_maker.h"
#include "content/grid/grid_page.h"

class QPainter;
class QPalette;

namespace korvane {

// The system colours a page may name, taken from a palette once: the window
// colour (the background of text), the window-text colour and the grey
// text colour of the neighbouring months' weekdays.
struct GridSystemColors {
  QColor window;
  QColor windowText;
  QColor grayText;
  QColor buttonFace;

  static GridSystemColors FromPalette(const QPalette& palette);
  QColor Resolve(const GridColor& color) const;
};

// Draws picture `number` with its top-left corner at (x, y).
using PicturePainter = std::function<void(QPainter& painter, int number, int x, int y)>;

// Draws the operations in order.  Each text gets a height variant of
// `viewFont`; a variant that cannot be made leaves the previous font in use
// for that text.  Pictures are drawn by `pictures` (skipped when empty).
// Outlines are one device pixel wide (lineWidth 0), or `lineWidth` page
// pixels wide, which a scaled page (a PDF, a printer) needs so that its
// lines keep their weight.
void PaintDrawOps(QPainter& painter, std::span<const DrawOp> ops, const CFont& viewFont,
                  const GridSystemColors& colors, const PicturePainter& pictures = {},
                  double lineWidth = 0);

}  // namespace korvane
