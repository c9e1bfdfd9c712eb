#pragma once
// Replays a month-grid page with QPainter.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <functional>
#include <map>
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

// Where one text of a page is set.  The text takes the height its
// operation asks for, or the largest smaller one at which its ink fits the
// room: the box, kept inside the ruled lines of the frame around it, less
// one pixel of white on every side.  Never larger, never outside.
struct PlacedText {
  int fontHeight = 0;  // 0 when nothing is drawn
  QPoint origin;       // the start of the baseline
  QRect ink;           // the inked bounds at that place
  QRect room;          // where the ink must stay
  QRect back;          // the opaque background behind the text
};

// Sets the texts of one page: the fonts are the height variants of the
// page's font, measured with their real metrics, one per height per page.
class TextSetter {
 public:
  TextSetter(std::span<const DrawOp> ops, const CFont& viewFont);
  // The variant of `height`, or the page's font when none can be made.
  const QFont& FontAt(int height);
  // Operation `index`, which must be a text.
  PlacedText Place(size_t index);

 private:
  QRect RoomOf(const DrawOp& op) const;
  // A ruled line of the page (one side of a frame) through `area`, or null.
  QRect LineAcross(const QRect& area) const;
  // The text at the largest height up to `limit` (its own when 0) whose
  // ink fits `room`.
  PlacedText Fit(const DrawOp& op, const QRect& room, int limit = 0);
  // The text placed clear of the page's ruled lines, up to `limit`.
  PlacedText PlaceAlone(size_t index, int limit);

  std::span<const DrawOp> ops_;
  const CFont& viewFont_;
  std::map<int, QFont> fonts_;
  std::map<int, int> groupHeights_;
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
