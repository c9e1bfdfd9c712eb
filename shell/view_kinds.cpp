#include "shell/view_kinds.h"

#include "framework/view.h"
#include "views/grid/month_grid_views.h"

ViewFactory ViewFactoryOf(ViewKind kind) {
  if (const korvane::GridKindInfo* grid = korvane::GridKindOfView(kind)) {
    const korvane::GridKind gridKind = grid->kind;
    return [gridKind]() -> CView* { return MakeMonthGridView(gridKind); };
  }
  switch (kind) {
    default:
      return {};
  }
}
