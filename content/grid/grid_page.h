#pragma once
// A month grid as a page of draw operations.
//
// The month-grid views compute everything they show (the window
// title, the cell geometry from the client size, every frame and every text
// with its box, colours and font height) as plain data, in the order in which
// it is drawn.  The widget replays the page with QPainter; the command-line
// tool and the tests read the same page as text.  Nothing here needs Qt.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

// A colour is either a fixed RGB value or one of the three system colours,
// which the widget takes from the palette.
enum class SystemColor : uint8_t { None, Window, WindowText, GrayText, ButtonFace };

struct GridColor {
  SystemColor system = SystemColor::None;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  static constexpr GridColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return GridColor{SystemColor::None, r, g, b};
  }
  static constexpr GridColor System(SystemColor which) { return GridColor{which, 0, 0, 0}; }
  bool operator==(const GridColor&) const = default;
};

inline constexpr GridColor kRed = GridColor::Rgb(255, 0, 0);
inline constexpr GridColor kBlue = GridColor::Rgb(0, 0, 255);
inline constexpr GridColor kBlack = GridColor::Rgb(0, 0, 0);
inline constexpr GridColor kWhite = GridColor::Rgb(255, 255, 255);

// Pixel rectangle in client coordinates; right and bottom are exclusive.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const GridRect&) const = default;
};

// Row and column boundaries of the grid, recomputed from the client size.
struct MonthGrid {
  std::array<int, 9> rowTop{};   // [0] = 1, [1] = ch + 2, [k] = k*ch + 2, [8] = H - 1
  std::array<int, 8> colLeft{};  // [0] = 1, [k] = k*cw, [7] = W - 1
  int cellWidth = 0;             // cw = W / 7
  int cellHeight = 0;            // ch = H / 7

  static MonthGrid FromClientSize(int width, int height);
  // Outline of cell (column, row); row 0 is the header, which ends one
  // pixel higher than a week row would.
  GridRect Frame(int column, int row) const;
  // Box of the upper (or only) text of a cell.
  GridRect TextBox(int column, int row) const;
  // Box of the lower text of a two-line cell.
  GridRect LowerBox(int column, int row) const;
};

// One step of drawing.  The month grids and the day calendar's page are
// both lists of these.
struct DrawOp {
  enum class Kind : uint8_t {
    Frame,    // rectangle outlined in `color` (one pixel) and filled with `background`
    Text,     // one line at the top of `box` (centred or from its left edge, see
              // `align`), clipped to it, on an opaque background behind the text
    Ellipse,  // ellipse inscribed in `box`, outlined in `color`, filled with `background`
    Picture,  // picture number `picture` of the page's picture strip, its top-left
              // corner at the box's
  };
  // What a text stands for, so the page can also be read as a table.
  enum class Role : uint8_t { None, Header, Upper, Lower, Today, Marks, Legend };
  enum class Align : uint8_t { Centre, Left };

  Kind kind = Kind::Text;
  Role role = Role::None;
  Align align = Align::Centre;
  GridRect box;
  std::string text;
  GridColor color;
  GridColor background;
  int fontHeight = 0;  // character height in pixels (0 for frames)
  int column = -1;
  int row = -1;
  int picture = -1;
  // The day page's cell number (0..24) the operation belongs to, -1 elsewhere.
  int cell = -1;
  // Texts of one group (>= 0) are set at one height, the lowest any of
  // them needs to fit, so that the lines of a paragraph match.
  int group = -1;
  // A text is fitted as if it were at least this many half-width
  // characters wide: lines written for a fixed length set alike.
  int columns = 0;
};

// What one day cell holds, for the text form of the page and for tests.
struct GridCell {
  std::string upper;
  std::string lower;
  bool otherMonth = false;  // a leading or trailing day
  bool holiday = false;     // the upper text is a holiday name
  bool term = false;        // the upper text is a solar-term name
  bool today = false;       // today's highlight is drawn over the cell
  // The note marks of the 暦注ｶﾚﾝﾀﾞｰ ("◎●寅"), on the cell's third line.
  std::string marks;
  // The Gregorian date the cell stands for.
  int gregorianYear = 0;
  int gregorianMonth = 0;
  int gregorianDay = 0;
  // The lunisolar date (year, month position, day), where the view knows it.
  int lunarYear = 0;
  int lunarMonth = 0;
  int lunarDay = 0;
};

struct GridPage {
  std::string title;
  int width = 0;
  int height = 0;
  MonthGrid grid;
  // Header names, Sunday first.
  std::array<std::string, 7> header;
  // cells[row][column], rows 0..5 are the six week rows.
  std::array<std::array<GridCell, 7>, 6> cells;
  std::vector<DrawOp> ops;
  // What the marks mean, in a strip under the grid (暦注ｶﾚﾝﾀﾞｰ); empty in
  // the other kinds, whose grid fills the page.
  std::string legend;

  // The page as text: the title, the header row, then six rows of seven
  // tab-separated cells; a cell is its upper text and "|" with its lower
  // text when it has one and "|" with its marks in a kind with marks, after
  // the prefixes "*" (today), "~" (a day of a neighbouring month) and "!" (a
  // holiday name); then the legend's line, when the page has one.
  std::string ToText() const;
};

}  // namespace korvane
