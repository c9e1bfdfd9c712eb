#pragma once
// Which rules the holidays and era names follow.
//
//   AsPublished  the almanac's own tables as first published: holiday rules
//                up to the 2003 moves to Mondays, eras up to 平成 (carried
//                to the end of the table), era searches up to 2019.
//   Current      the law as it stands: the holiday law with all of its
//                amendments and the one-time holidays, and 令和 from 2019.
//
// Engine objects take the rules at construction; a default-constructed
// object follows AsPublished.  The program shows the current law unless the
// user switches it off.
enum class CalendarLaw {
  AsPublished = 0,
  Current = 1,
};
