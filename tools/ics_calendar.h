#pragma once
// The almanac's days as an iCalendar file (RFC 5545) of all-day events, for
// the calendar program the user already has: national holidays, 六曜, the 24
// solar terms with their instants, 雑節, the lunisolar date of each day and
// the chosen day notes (天赦日, 一粒万倍日, ...).
//
// Every event's UID is made from what it is and its date, so importing the
// file again updates the events instead of adding them twice.  Lines end in
// CR LF and are folded at 75 octets, never inside a UTF-8 character.
#include <ctime>
#include <string>
#include <vector>

#include "engine/calendar_law.h"
#include "engine/koyomi_notes.h"

namespace korvane {

struct IcsOptions {
  int fromYear = 0;
  int toYear = 0;
  bool holidays = true;
  bool rokuyo = true;
  bool terms = true;
  bool zassetsu = true;
  bool lunar = true;
  // The day notes (暦注) in `noteChoice`, in the notes' years 1853..2050.
  bool notes = false;
  DayNoteSet noteChoice = KoyomiNotes::ExportNotes();
  CalendarLaw law = CalendarLaw::Current;  // the holiday rules and term days
  std::time_t stamp = 0;   // DTSTAMP, UTC
};

// The years an export may cover: those whose solar terms and lunisolar
// months are all known.
constexpr int kIcsFirstYear = 1851;
constexpr int kIcsLastYear = 2050;

// The whole calendar.  The options must already be checked: years in
// kIcsFirstYear..kIcsLastYear, fromYear <= toYear.
std::string IcsCalendar(const IcsOptions& options);

// One content line folded as the format requires: CR LF, then a space before
// each continuation, at most 75 octets a line.
std::string FoldIcsLine(const std::string& line);

// Text with the characters the format reserves (\ ; , and line breaks) escaped.
std::string EscapeIcsText(const std::string& text);

}  // namespace korvane

// korvane-print ics ARGUMENTS...: the file on standard output; 0, or 2 with a
// one-line message for arguments it cannot take.
int RunIcsCommand(const std::vector<std::string>& args);
