#pragma once
// What a list view shows, computed without a window.
//
// Every table window (conversion tables, year lists, name lists, the age
// table, the astronomy tables, the Senmyo table) is one report widget that
// shows a ListPage.  The page is computed by the kind's ListContent from the
// view's own state; the widget adds nothing but the platform's look
// (selection, scrolling, "..." where a cell does not fit).  korvane-print
// and the tests read the same page.  Nothing here needs Qt.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "astro/location_table.h"

namespace korvane {

struct ListColumn {
  std::string header;
  int widthChars = 0;  // column width in average character widths of the list's font
  int format = 0;      // alignment code: 0 left (every list of the program)
};

struct ListPage {
  // The window title (the document's name), set after the rows are filled.
  std::string title;
  std::vector<ListColumn> columns;
  // rows[i] has one text per column; an empty text is an empty cell.
  // Leading blanks are part of the text.
  std::vector<std::vector<std::string>> rows;

  // The page as text: the title, the tab-separated column headers, then one
  // line per row with its cells separated by one tab.
  std::string ToText() const;
};

// The state a list view keeps: what it started from (the shared display
// values, after its clamps) and what the year/month dialog changes.
struct ListState {
  int year = 0;   // Gregorian, or lunisolar for the lunisolar-driven kinds
  int month = 0;  // 1..12, or the lunisolar month position 1..13
  int place = 39; // observing place code (rise/set tables): 0..86 the table's
  // Today, for the kinds that count from the current year (age table, era list).
  int todayYear = 0;
  int todayMonth = 0;
  int todayDay = 0;
  // The place itself when it is not one of the table's: a place of the
  // user's own (code 87 and up) or one given by latitude and longitude.
  std::optional<ObservingPlace> site;
};

// One object per list kind.  It owns, by value, the engine objects it needs.
class ListContent {
 public:
  virtual ~ListContent() = default;
  // The view's state at creation: the shared display values clamped as the
  // kind requires (a lunisolar month 13 of a year without a leap month, a
  // year outside the kind's range, ...).
  virtual ListState Clamp(const ListState& shared) const = 0;
  // Columns, rows and title for the state (already clamped).
  virtual ListPage Page(const ListState& state) = 0;
};

}  // namespace korvane
