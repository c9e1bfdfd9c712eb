#pragma once
// korvane-print for the list kinds: the page a list window opens with, as
// text (title, column headers, one tab-separated line per row).
#include <optional>
#include <string>

#include "astro/location_table.h"
#include "engine/calendar_law.h"
#include "tools/image_output.h"
#include "content/view_kind_table.h"

namespace korvane {

struct ListArguments {
  std::optional<int> year;   // the shared display year the view starts from
  std::optional<int> month;  // the shared display month (lunisolar: position 1..13)
  std::optional<int> place;  // the observing place 0..86 (rise/set tables)
  int todayYear = 0;
  int todayMonth = 0;
  int todayDay = 0;
  // The holiday and era rules (--as-published gives the published ones).
  CalendarLaw law = CalendarLaw::Current;
  // --pdf and --png: the table drawn on sheets instead of the text.
  ImageRequest images;
  // --lat and --lon: a place of any latitude and longitude (rise/set tables).
  std::optional<ObservingPlace> site;
};

// Prints the list of `kind` to standard output (or writes the files of
// `args.images`) and returns 0, or 1 when a file cannot be written; or writes the
// reason why the arguments do not fit the kind to `error` and returns 2.
// Returns -1 (nothing written) when `kind` is not a list with a content.
int PrintList(ViewKind kind, const ListArguments& args, std::string& error);

}  // namespace korvane
