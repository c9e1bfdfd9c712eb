#include "content/lists/astronomy_list_content.h"

#include <cmath>
#include <string>
#include <vector>

#include "astro/place_list.h"
#include "engine/calendar_names.h"
#include "engine/format.h"

namespace korvane {

namespace {

ListColumn Column(const char* header, int widthChars) { return ListColumn{header, widthChars, 0}; }

// The year into the years the kind's dialog offers, the month into 1..12 (a damaged shared
// month becomes January), the place into the table (else 東京).  The shared
// values themselves are left as they are.
ListState ClampState(const ListState& shared, YearRangeKind years) {
  ListState state = shared;
  state.year = YearRangeOf(years).Clamp(shared.year);
  if (state.month < 1 || state.month > 12) state.month = 1;
  if (!state.site && (state.place < 0 || state.place >= LocationTable::kPlaceCount))
    state.place = LocationTable::kDefaultPlace;
  return state;
}

// One row per day of the month, column 0 holding the day.
std::vector<std::vector<std::string>> DayRows(int year, int month, size_t columns) {
  const int days = CalendarNames::MonthLength(year, month);
  std::vector<std::vector<std::string>> rows(days, std::vector<std::string>(columns));
  for (int d = 1; d <= days; ++d) rows[d - 1][0] = Format("%2d", d);
  return rows;
}

// Degrees and whole minutes of an angle 0..360, seconds rounded into the
// minutes' place the way DegreesToDms rounds them at 0 decimals.
std::string DegreesMinutes(double degrees) {
  int d = 0, m = 0;
  double s = 0.0;
  LocationTable::DegreesToDms(degrees, 0, d, m, s);
  return Format("% 3d %02d", d, m);
}

// Hours, minutes and seconds to one decimal: the right ascensions and the
// sidereal time.
std::string HoursMinutesSeconds(double hours) {
  int h = 0, m = 0;
  double s = 0.0;
  LocationTable::HoursToHms(hours, h, m, s);
  return Format("% 2d %02d %2.1f", h, m, s);
}

// A declination: the sign (none for the sun's north declinations, "+" for
// the moon's), whole degrees, minutes and seconds of the absolute value.
std::string Declination(double degrees, const char* positiveSign) {
  int d = 0, m = 0;
  double s = 0.0;
  LocationTable::DegreesToDms(std::fabs(degrees), 0, d, m, s);
  std::string text = degrees < 0.0 ? "-" : positiveSign;
  return text + Format("% 2d %02d %2.f", d, m, s);
}

// A rise or set time to the minute; " --" on a day without one.
std::string RiseSetTime(double hours) {
  if (hours == NO_EVENT) return " --";
  int h = 0, m = 0;
  LocationTable::HoursToHm(hours, h, m);
  return Format("% 2d %02d", h, m);
}

// The place a rise/set list computes for, and its name for the title: a
// place in another offset from UT says which, since its times are in it.
ObservingPlace SiteOf(const ListState& state, const LocationTable& table) {
  return state.site ? *state.site : table.Place(state.place);
}

std::string TitleName(const ObservingPlace& place) {
  if (place.utcOffset == 9.0) return place.name;
  return place.name + " UTC" + FormatUtcOffset(place.utcOffset);
}

}  // namespace

// --- CGreenwichListView ------------------------------------------------------

ListState GreenwichListContent::Clamp(const ListState& shared) const {
  ListState state = ClampState(shared, YearRangeKind::Astronomy);
  state.month = 0;  // the table shows a whole year
  return state;
}

ListPage GreenwichListContent::Page(const ListState& state) {
  ListPage page;
  page.columns.push_back(Column("日次", 3));
  for (int m = 1; m <= 12; ++m) page.columns.push_back({Format("%d月", m), 10, 0});
  page.rows.assign(31, std::vector<std::string>(page.columns.size()));
  for (int d = 1; d <= 31; ++d) page.rows[d - 1][0] = Format("%2d", d);
  for (int m = 1; m <= 12; ++m) {
    // Days past the month's end keep their cells empty.
    const int days = CalendarNames::MonthLength(state.year, m);
    for (int d = 1; d <= days; ++d)
      page.rows[d - 1][m] =
          HoursMinutesSeconds(places_.ApparentSiderealTime(state.year, m, d, 0.0));
  }
  page.title = Format("%s 西暦 %d", "グリニジ視恒星時", state.year);
  return page;
}

// --- CMoonAgeListView --------------------------------------------------------

ListState MoonAgeListContent::Clamp(const ListState& shared) const {
  return ClampState(shared, YearRangeKind::NineStars);
}

ListPage MoonAgeListContent::Page(const ListState& state) {
  const int year = state.year, month = state.month;
  ListPage page;
  page.columns = {Column("日", 3), Column("太陽の視黄経", 13), Column("月の視黄経", 13),
                  Column("月齢(09h)", 10), Column("月齢(21h)", 10)};
  page.rows = DayRows(year, month, page.columns.size());
  const int days = static_cast<int>(page.rows.size());
  for (int d = 1; d <= days; ++d) {
    page.rows[d - 1][1] = Format("% 3.2f", moon_.sun().SunLongitude(year, month, d, 0.0));
    page.rows[d - 1][2] = DegreesMinutes(moon_.MoonLongitude(year, month, d, 0.0));
  }
  // Both age arrays live in the ephemeris; the 21h ages recompute the 09h
  // ones, so each is read out before the next call.
  const double* age09 = moon_.MoonAge09(year, month);
  for (int d = 1; d <= days; ++d) page.rows[d - 1][3] = Format("% 2.1f", age09[d - 1]);
  const double* age21 = moon_.MoonAge21(year, month);
  for (int d = 1; d <= days; ++d) page.rows[d - 1][4] = Format("% 2.1f", age21[d - 1]);
  page.title = Format("%s (%d年%d月)", "月齢", year, month);
  return page;
}

// --- CMoonPhaseListView ------------------------------------------------------

ListState MoonPhaseListContent::Clamp(const ListState& shared) const {
  return ClampState(shared, YearRangeKind::Astronomy);
}

ListPage MoonPhaseListContent::Page(const ListState& state) {
  const int year = state.year, month = state.month;
  ListPage page;
  page.columns = {Column("日", 3), Column("太陽の視黄経", 13), Column("月の視黄経", 12),
                  Column("黄経差", 9), Column("月の位相", 15)};
  page.rows = DayRows(year, month, page.columns.size());
  const int days = static_cast<int>(page.rows.size());
  for (int d = 1; d <= days; ++d) {
    std::vector<std::string>& row = page.rows[d - 1];
    const double sun = moon_.sun().SunLongitude(year, month, d, 0.0);
    const double moon = moon_.MoonLongitude(year, month, d, 0.0);
    double elongation = moon - sun;
    if (elongation < 0.0) elongation += 360.0;
    row[1] = DegreesMinutes(sun);
    row[2] = DegreesMinutes(moon);
    row[3] = DegreesMinutes(elongation);
    // A day without a phase event shows a single blank.
    row[4] = " ";
  }
  // An event on the first day of the next month is in the list but has no
  // row.
  const MoonPhaseList events = moon_.MoonPhaseEvents(year, month);
  for (int i = 0; i < events.count; ++i) {
    const MoonPhaseEvent& event = events.events[i];
    if (event.day >= 1 && event.day <= days) page.rows[event.day - 1][4] = event.text;
  }
  page.title = Format("%s (%d年%d月)", "月の位相", year, month);
  return page;
}

// --- CMoonTimeListView -------------------------------------------------------

ListState MoonTimeListContent::Clamp(const ListState& shared) const {
  return ClampState(shared, YearRangeKind::Astronomy);
}

ListPage MoonTimeListContent::Page(const ListState& state) {
  const int year = state.year, month = state.month;
  const ObservingPlace place = SiteOf(state, moon_.places());
  ListPage page;
  page.columns = {Column("日", 3),     Column("月の視赤経", 11), Column("月の視赤緯", 11),
                  Column("視差", 8),   Column("月の出", 6),      Column("南中時刻", 8),
                  Column("月の入", 6)};
  page.rows = DayRows(year, month, page.columns.size());
  const int days = static_cast<int>(page.rows.size());
  for (int d = 1; d <= days; ++d) {
    std::vector<std::string>& row = page.rows[d - 1];
    const auto [ascension, declination] = moon_.MoonEquatorial(year, month, d, 0.0);
    row[1] = HoursMinutesSeconds(ascension);
    row[2] = Declination(declination, "+");
    int pd = 0, pm = 0;
    double ps = 0.0;
    LocationTable::DegreesToDms(moon_.MoonParallax(year, month, d, 0.0), 0, pd, pm, ps);
    row[3] = Format("%d %02d %2.1f", pd, pm, ps);
  }
  // Entry d of each table is day d (entry 0 is the previous month's last
  // day).  The rise and set tables are built on the transit table, which the
  // ephemeris keeps for this place and month.
  const double* rise = moon_.MoonriseTable(place, year, month);
  for (int d = 1; d <= days; ++d) page.rows[d - 1][4] = RiseSetTime(rise[d]);
  const double* set = moon_.MoonsetTable(place, year, month);
  for (int d = 1; d <= days; ++d) page.rows[d - 1][6] = RiseSetTime(set[d]);
  const double* transit = moon_.MoonTransitTable(place, year, month);
  for (int d = 1; d <= days; ++d) {
    if (transit[d] == NO_EVENT) {
      page.rows[d - 1][5] = " --";
    } else {
      int h = 0, m = 0;
      LocationTable::HoursToHm(transit[d], h, m);
      page.rows[d - 1][5] = Format("% 2d %2d", h, m);  // minutes not zero-padded
    }
  }
  page.title = Format("%s %s(%d年%d月)", "月の出／入", TitleName(place).c_str(), year, month);
  return page;
}

// --- CSunTimeListView --------------------------------------------------------

ListState SunTimeListContent::Clamp(const ListState& shared) const {
  return ClampState(shared, YearRangeKind::Astronomy);
}

ListPage SunTimeListContent::Page(const ListState& state) {
  const int year = state.year, month = state.month;
  const ObservingPlace place = SiteOf(state, sun_.places());
  ListPage page;
  page.columns = {Column("日", 3),       Column("太陽の視赤経", 11), Column("太陽の視赤緯", 11),
                  Column("均時差", 8),   Column("日の出", 6),        Column("南中時刻", 8),
                  Column("日の入", 6)};
  page.rows = DayRows(year, month, page.columns.size());
  const int days = static_cast<int>(page.rows.size());
  for (int d = 1; d <= days; ++d) {
    std::vector<std::string>& row = page.rows[d - 1];
    const auto [ascension, declination] = sun_.SunEquatorial(year, month, d);
    row[1] = HoursMinutesSeconds(ascension);
    row[2] = Declination(declination, "");

    // The equation of time as a sign, the minutes right-aligned in two
    // places and the seconds: "+ 3 4.5", "-14 12.3".  The sign takes the
    // place of the minutes' blank, so the column stays eight characters
    // wide and the minutes line up whether they have one digit or two.
    const double equation = sun_.EquationOfTime(year, month, d);
    int eh = 0, em = 0;
    double es = 0.0;
    LocationTable::HoursToHms(std::fabs(equation), eh, em, es);
    row[3] = equation >= 0.0 ? Format("+%2d %02.1f", em, es) : Format("-%2d %2.1f", em, es);

    row[4] = RiseSetTime(sun_.Sunrise(place, year, month, d));
    // The sun transits every day; the transit is shown to the whole second; rounding before the split
    // keeps 59.5 s and more from printing as "60".
    const double transit = std::round(sun_.SunTransit(place, year, month, d) * 3600.0) / 3600.0;
    int th = 0, tm = 0;
    double ts = 0.0;
    LocationTable::HoursToHms(transit, th, tm, ts);
    row[5] = Format("% 2d %02d %2.f", th, tm, ts);
    row[6] = RiseSetTime(sun_.Sunset(place, year, month, d));
  }
  page.title = Format("%s %s(%d年%d月)", "日の出／入", TitleName(place).c_str(), year, month);
  return page;
}

}  // namespace korvane
