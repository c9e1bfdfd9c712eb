#pragma once
// The content object of every list kind that is built.
//
// A list kind goes live with one case in MakeListContent: the shell's
// registry then gives it the report window, korvane-print prints it, and
// the list tests and benchmarks walk it, all from its row in the view kind
// table.  No Qt.
#include <memory>

#include "engine/calendar_law.h"
#include "content/lists/list_page.h"
#include "content/view_kind_table.h"

namespace korvane {

// A new content object for `kind`, or nullptr when the kind is not a list
// or its content is not built.  The kinds that show holidays or era names
// (the holiday and era lists, the conversion tables, the age table) follow
// `law`; the program passes the shared CurrentLaw.
std::unique_ptr<ListContent> MakeListContent(ViewKind kind,
                                             CalendarLaw law = CalendarLaw::AsPublished);

}  // namespace korvane
