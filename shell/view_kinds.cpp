#include "shell/view_kinds.h"

#include "framework/view.h"
#include "views/grid/month_grid_views.h"
#include "views/lists/list_kinds.h"
#include "views/lists/list_view_ex.h"
#include "views/lists/annual_view.h"

ViewFactory ViewFactoryOf(ViewKind kind) {
  if (const korvane::GridKindInfo* grid = korvane::GridKindOfView(kind)) {
    const korvane::GridKind gridKind = grid->kind;
    return [gridKind]() -> CView* { return MakeMonthGridView(gridKind); };
  }
  // Every list kind with a content object is shown by the report window.
  if (korvane::MakeListContent(kind)) return [kind]() -> CView* { return new CListViewEx(kind); };
  switch (kind) {
    case ViewKind::Annual:
      return &MakeView<CAnnualView>;
    default:
      return {};
  }
}
