#pragma once
// A list's table drawn as pages of draw operations, for paper and images:
// what エクスポート and 印刷 write for a list window, and korvane-print
// --pdf and --png for a list kind.  The window shows its page in the
// platform's report control; these sheets show the same ListPage (title,
// columns, rows, every cell's text) in the program's fixed-pitch face, so
// the month grids' painter writes them.  Nothing here needs Qt.
#include <string>
#include <vector>

#include "content/grid/grid_page.h"
#include "content/lists/list_page.h"

namespace korvane {

struct ListSheet {
  std::string title;
  int width = 0;
  int height = 0;
  std::vector<DrawOp> ops;
};

// The character height of the sheets, in sheet pixels; a column's width in
// characters counts half of it per character, as the fixed-pitch face is
// wide.
inline constexpr int kListSheetFontHeight = 16;

// The table on sheets of `rowsPerSheet` rows (0: every row on one sheet):
// the title at the top ("title (n/N)" when there are several sheets), the
// column headers in frames on the button face, then the rows, each cell's
// text from the left of its column and clipped to it.  With
// `rowsPerSheet` > 0 the sheets are for paper: every sheet, the last too,
// is as high as a full one, so that all sheets have one shape, and at
// least 720 pixels wide, the table at its left.  A page without rows gives
// one sheet with the headers.
std::vector<ListSheet> ListSheets(const ListPage& page, int rowsPerSheet);

// How many rows fill a sheet for paper that has the proportions of an A4
// page's printable area: portrait (190 x 277 mm), or landscape for a table
// too wide to be read on a portrait sheet.
int RowsPerA4Sheet(const ListPage& page);

}  // namespace korvane
