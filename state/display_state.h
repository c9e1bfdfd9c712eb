#pragma once
// The shared display state: what a newly opened view starts from.
//
//   DisplayMonth       the Gregorian month a new Gregorian view shows
//   LunarDisplayMonth  the lunisolar month a new lunisolar view shows
//                      (month index 1..12, or 1..13 in a year with a leap
//                      month: the leap month takes the index after the month
//                      it repeats)
//   AreaCode           the observing place of the rise/set views and the day
//                      calendar: a code of Places, 0..86 the table's, 87..
//                      the user's own
//   Places             the places to choose from: the 87 of the table, then
//                      the user's own (kept in the settings file)
//   ShowMainWindow     1 when the next start opens the main window
//   CurrentLaw         the holiday and era rules every view follows: the law
//                      as it stands (the default) or the almanac's published
//                      rules.  Unlike the months, it is not a view's own
//                      copy: when the user switches it, every open view takes
//                      the new rules at once (CView::OnLawChanged).  Content
//                      objects take it at construction.
//
// A view copies what it needs once, when it is created, clamps it to what
// its own engine objects cover, and keeps its own copy from then on.  When
// the user picks another month, year or place in the year/month dialog, the
// view writes the choice back here so that the next view opens there.  The
// main frame fills the state at start (today's month, then the stored
// settings) and stores it when it is closed.  Single window thread: plain
// globals, no locking.
#include <optional>

#include "astro/place_list.h"
#include "engine/calendar_law.h"
#include "content/year_range.h"

struct MonthOfYear {
  int year = 0;
  int month = 0;
};

extern MonthOfYear DisplayMonth;
extern MonthOfYear LunarDisplayMonth;
extern int AreaCode;
extern PlaceList Places;
extern int ShowMainWindow;
extern CalendarLaw CurrentLaw;

namespace korvane {

// The years any view can show (kFirstDisplayYear, kLastDisplayYear) are
// those of content/year_range.h; a stored year outside them is not used.
// Place indices of the place table.
constexpr int kPlaceCount = 87;
constexpr int kDefaultAreaCode = 39;  // 東京

// The place of a code of Places as a list or the day page takes it: nothing
// for one of the table's (the content has the table), the place itself for
// one of the user's.
std::optional<ObservingPlace> UserSiteOf(int code);

}  // namespace korvane
