#include "shell/view_kinds.h"

#include "framework/view.h"
#include "ui/views/month_grid_views.h"
#include "content/lists/list_kinds.h"
#include "ui/views/list_view_ex.h"
#include "ui/views/annual_view.h"

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
