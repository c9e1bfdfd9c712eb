#include "render/list_sheet_page.h"

#include <algorithm>

#include "engine/format.h"

namespace korvane {
namespace {

constexpr int kMargin = 8;
// A sheet for paper is at least this wide, so that a narrow table keeps
// the size of its text (about 12 points on A4) rather than filling the
// page's width.
constexpr int kMinPaperSheetWidth = 720;
constexpr int kPadding = 4;                             // inside a cell, left of its text
constexpr int kCharWidth = kListSheetFontHeight / 2;    // one column character
constexpr int kTitleHeight = kListSheetFontHeight + 10;
constexpr int kHeaderHeight = kListSheetFontHeight + 6;
constexpr int kRowHeight = kListSheetFontHeight + 4;
constexpr GridColor kGridLine = GridColor::Rgb(160, 160, 160);
constexpr GridColor kWindow = GridColor::System(SystemColor::Window);
constexpr GridColor kText = GridColor::System(SystemColor::WindowText);
constexpr GridColor kButtonFace = GridColor::System(SystemColor::ButtonFace);

// The left edge of each column and, last, the right edge of the table.  A
// column is as wide as the window makes it, or as its widest text where
// that is wider: paper has no "..." to shorten a cell with.
std::vector<int> ColumnEdges(const ListPage& page) {
  std::vector<int> edges{kMargin};
  for (size_t c = 0; c < page.columns.size(); ++c) {
    int columns = std::max({1, page.columns[c].widthChars, DisplayWidth(page.columns[c].header)});
    for (const std::vector<std::string>& row : page.rows)
      if (c < row.size()) columns = std::max(columns, DisplayWidth(row[c]));
    edges.push_back(edges.back() + columns * kCharWidth + 2 * kPadding);
  }
  return edges;
}

// The table's width, or the title's where that is wider (the title of a
// sheet of several carries " (nn/nn)" more).
int SheetWidth(const ListPage& page, const std::vector<int>& edges) {
  const int title = kMargin + (DisplayWidth(page.title) + 8) * kCharWidth;
  return std::max(edges.back(), title) + kMargin;
}

int SheetHeight(int rows) {
  return kMargin + kTitleHeight + kHeaderHeight + rows * kRowHeight + kMargin;
}

DrawOp Frame(const GridRect& box, GridColor outline, GridColor fill) {
  DrawOp op;
  op.kind = DrawOp::Kind::Frame;
  op.box = box;
  op.color = outline;
  op.background = fill;
  return op;
}

DrawOp Text(const GridRect& box, std::string text, GridColor background, DrawOp::Role role,
            int column, int row) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.role = role;
  op.align = DrawOp::Align::Left;
  op.box = box;
  op.text = std::move(text);
  op.color = kText;
  op.background = background;
  op.fontHeight = kListSheetFontHeight;
  op.column = column;
  op.row = row;
  return op;
}

}  // namespace

int RowsPerA4Sheet(const ListPage& page) {
  const int width = std::max(kMinPaperSheetWidth, SheetWidth(page, ColumnEdges(page)));
  // A table wider than the widest portrait sheet that keeps the text at its
  // size turns the sheet: portrait it would print at a few points.  The
  // height that the width leaves on the page, less the title and the
  // headers; at least one row.
  const bool landscape = width > kMinPaperSheetWidth * 277 / 190;
  const int height = landscape ? width * 190 / 277 : width * 277 / 190;
  return std::max(1, (height - SheetHeight(0)) / kRowHeight);
}

std::vector<ListSheet> ListSheets(const ListPage& page, int rowsPerSheet) {
  const std::vector<int> edges = ColumnEdges(page);
  const int rows = static_cast<int>(page.rows.size());
  const int perSheet = rowsPerSheet > 0 ? rowsPerSheet : std::max(1, rows);
  const int count = std::max(1, (rows + perSheet - 1) / perSheet);
  std::vector<ListSheet> sheets;
  for (int n = 0; n < count; ++n) {
    ListSheet sheet;
    const int first = n * perSheet;
    const int last = std::min(rows, first + perSheet);
    sheet.title = count > 1 ? Format("%s (%d/%d)", page.title.c_str(), n + 1, count) : page.title;
    sheet.width = SheetWidth(page, edges);
    if (rowsPerSheet > 0) sheet.width = std::max(sheet.width, kMinPaperSheetWidth);
    sheet.height = SheetHeight(rowsPerSheet > 0 ? perSheet : last - first);
    sheet.ops.push_back(Frame({0, 0, sheet.width, sheet.height}, kWindow, kWindow));
    int top = kMargin;
    sheet.ops.push_back(Text({kMargin, top, sheet.width - kMargin, top + kTitleHeight}, sheet.title, kWindow,
                             DrawOp::Role::None, -1, -1));
    top += kTitleHeight;
    for (size_t c = 0; c < page.columns.size(); ++c) {
      const GridRect cell{edges[c], top, edges[c + 1] + 1, top + kHeaderHeight + 1};
      sheet.ops.push_back(Frame(cell, kGridLine, kButtonFace));
      sheet.ops.push_back(Text({cell.left + kPadding, cell.top + 3, cell.right - 1, cell.bottom - 1},
                               page.columns[c].header, kButtonFace, DrawOp::Role::Header,
                               static_cast<int>(c), -1));
    }
    top += kHeaderHeight;
    for (int r = first; r < last; ++r) {
      const std::vector<std::string>& cells = page.rows[r];
      // Each cell in its frame; neighbours share their edges.
      for (size_t c = 0; c < page.columns.size(); ++c) {
        const GridRect cell{edges[c], top, edges[c + 1] + 1, top + kRowHeight + 1};
        sheet.ops.push_back(Frame(cell, kGridLine, kWindow));
        if (c >= cells.size() || cells[c].empty()) continue;
        sheet.ops.push_back(Text({cell.left + kPadding, cell.top + 2, cell.right - 1, cell.bottom - 1},
                                 cells[c], kWindow, DrawOp::Role::Upper, static_cast<int>(c), r));
      }
      top += kRowHeight;
    }
    sheets.push_back(std::move(sheet));
  }
  return sheets;
}

}  // namespace korvane
