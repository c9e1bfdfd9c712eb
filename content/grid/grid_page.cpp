#include "content/grid/grid_page.h"

#include <algorithm>

namespace korvane {

MonthGrid MonthGrid::FromClientSize(int width, int height) {
  MonthGrid grid;
  // Seven columns and seven rows (the header and six weeks) share the
  // client area; the last boundary hugs the client edge so the rightmost
  // column and the unused bottom strip absorb the remainder.
  grid.cellWidth = width / 7;
  grid.cellHeight = height / 7;
  grid.colLeft[0] = 1;
  for (int k = 1; k <= 6; ++k) grid.colLeft[k] = k * grid.cellWidth;
  grid.colLeft[7] = width - 1;
  grid.rowTop[0] = 1;
  for (int k = 1; k <= 7; ++k) grid.rowTop[k] = k * grid.cellHeight + 2;
  // When the height is a whole number of rows (or one or two pixels more)
  // the last row line would fall outside the client area: it is kept on
  // its last pixel.
  grid.rowTop[7] = std::min(grid.rowTop[7], height - 1);
  grid.rowTop[8] = height - 1;
  return grid;
}

GridRect MonthGrid::Frame(int column, int row) const {
  // Neighbouring frames share their border lines: each reaches one pixel
  // past the next boundary.  The header stops a pixel short of row 1.
  int bottom = row == 0 ? rowTop[1] : rowTop[row + 1] + 1;
  return GridRect{colLeft[column], rowTop[row], colLeft[column + 1] + 1, bottom};
}

GridRect MonthGrid::TextBox(int column, int row) const {
  return GridRect{colLeft[column], rowTop[row] + 1, colLeft[column + 1] + 1, rowTop[row + 1]};
}

GridRect MonthGrid::LowerBox(int column, int row) const {
  return GridRect{colLeft[column], rowTop[row] + cellHeight / 2 + 2, colLeft[column + 1] + 1,
                  rowTop[row + 1]};
}

std::string GridPage::ToText() const {
  std::string out = title;
  out += '\n';
  for (int c = 0; c < 7; ++c) {
    if (c > 0) out += '\t';
    out += header[c];
  }
  out += '\n';
  for (const auto& week : cells) {
    for (int c = 0; c < 7; ++c) {
      const GridCell& cell = week[c];
      if (c > 0) out += '\t';
      if (cell.today) out += '*';
      if (cell.otherMonth) out += '~';
      if (cell.holiday) out += '!';
      out += cell.upper;
      if (!cell.lower.empty() || !legend.empty()) {
        out += '|';
        out += cell.lower;
      }
      if (!legend.empty()) {
        out += '|';
        out += cell.marks;
      }
    }
    out += '\n';
  }
  if (!legend.empty()) out += legend + '\n';
  return out;
}

}  // namespace korvane
