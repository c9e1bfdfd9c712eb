// A list's table on sheets (the PDF, the PNG and the printer of a list):
// for every list kind, every cell and header appears on the sheets in the
// list's order, whole inside its column and its sheet, and paper sheets
// all have one shape.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/format.h"
#include "content/lists/list_kinds.h"
#include "render/list_sheet_page.h"

namespace korvane {
namespace {

bool Inside(const GridRect& inner, const GridRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(ListSheets, EveryCellOnceInOrderWholeInsideItsColumn) {
  for (const ViewKindInfo& info : ViewKinds()) {
    auto content = MakeListContent(info.kind);
    if (!content) continue;
    const ListPage page = content->Page(content->Clamp(ListState{2024, 5, 39, 2024, 5, 15}));
    for (const int perSheet : {0, RowsPerA4Sheet(page), 7}) {
      const std::vector<ListSheet> sheets = ListSheets(page, perSheet);
      const std::string where = Format("%s, %d rows a sheet", info.className, perSheet);
      const size_t rows = page.rows.size();
      const size_t expected = perSheet == 0 ? 1 : std::max<size_t>(1, (rows + perSheet - 1) / perSheet);
      ASSERT_EQ(sheets.size(), expected) << where;
      std::vector<std::string> cells;
      for (const ListSheet& sheet : sheets) {
        EXPECT_EQ(sheet.width, sheets[0].width) << where;
        if (perSheet > 0) {
          EXPECT_EQ(sheet.height, sheets[0].height) << where;
        }
        if (sheets.size() > 1) {
          EXPECT_EQ(sheet.title.rfind(page.title + " (", 0), 0u) << where << ": " << sheet.title;
        } else {
          EXPECT_EQ(sheet.title, page.title) << where;
        }
        size_t headers = 0;
        for (const DrawOp& op : sheet.ops) {
          EXPECT_TRUE(Inside(op.box, {0, 0, sheet.width, sheet.height})) << where;
          if (op.kind != DrawOp::Kind::Text) continue;
          // Fixed pitch: a column is half the character height wide.
          EXPECT_LE(DisplayWidth(op.text) * op.fontHeight / 2, op.box.width()) << where << ": " << op.text;
          if (op.role == DrawOp::Role::Header) {
            EXPECT_EQ(op.text, page.columns[op.column].header) << where;
            ++headers;
          } else if (op.role == DrawOp::Role::Upper) {
            EXPECT_EQ(op.text, page.rows[op.row][op.column]) << where;
            cells.push_back(op.text);
          }
        }
        EXPECT_EQ(headers, page.columns.size()) << where << ": every sheet repeats the headers";
      }
      std::vector<std::string> expectedCells;
      for (const auto& row : page.rows)
        for (const std::string& cell : row)
          if (!cell.empty()) expectedCells.push_back(cell);
      EXPECT_EQ(cells, expectedCells) << where;
    }
  }
}

}  // namespace
}  // namespace korvane
