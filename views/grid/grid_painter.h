#pragma once
// Replays a month-grid page with QPainter.
#include <QColor>

#include "framework/font_maker.h"
#include "views/grid/grid_page.h"

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

  static GridSystemColors FromPalette(const QPalette& palette);
  QColor Resolve(const GridColor& color) const;
};

// Draws every operation of `page` in order.  Each text gets a height variant
// of `viewFont`; a variant that cannot be made leaves the previous font in
// use for that text.
void PaintGridPage(QPainter& painter, const GridPage& page, const CFont& viewFont,
                   const GridSystemColors& colors);

}  // namespace korvane
