#pragma once
// The registry of the 39 view kinds: the fixed facts of each kind are its
// row in content/view_kind_table.h; here each kind gets the factory that
// makes its window.
//
// A kind whose factory is empty is registered all the same, but its opening
// command stays disabled.  The month grids and the list views are made by
// their families (every list kind whose content exists is a CListViewEx);
// any other kind goes live with one case in ViewFactoryOf:
//
//   case ViewKind::Annual: return &MakeView<CAnnualView>;
//
// The main frame opens a kind with CKorvaneApp::Template(kind), which
// makes the view through this factory.
#include <functional>

#include "content/view_kind_table.h"

class CView;

using ViewFactory = std::function<CView*()>;

// The factory of `kind`, empty while the kind's view is not built.
ViewFactory ViewFactoryOf(ViewKind kind);
