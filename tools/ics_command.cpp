// korvane-print ics FROM-YEAR [TO-YEAR] [--what LIST] [--as-published]
//
// Writes the iCalendar file of the years to standard output.  LIST names
// what goes in, separated by commas: holidays, rokuyo, terms, zassetsu,
// lunar, notes (all but notes when --what is not given).  --notes NAMES
// chooses the day notes (default 天赦日, 一粒万倍日, 大明日, 不成就日,
// 三隣亡, 寅の日, 己巳) and adds them when --what does not name them.
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "engine/format.h"
#include "tools/command_args.h"
#include "tools/ics_calendar.h"

namespace {

int Refuse(const std::string& message) { return korvane::RefuseArguments("ics", message); }

std::string Shown(std::string_view text) { return korvane::ShownArgument(text); }

bool ParseYear(std::string_view text, int& year) {
  if (text.empty() || text.size() > 4) return false;
  year = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    year = year * 10 + (c - '0');
  }
  return true;
}

}  // namespace

int RunIcsCommand(const std::vector<std::string>& args) {
  korvane::IcsOptions options;
  std::vector<std::string> years;
  bool whatGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--as-published") {
      options.law = CalendarLaw::AsPublished;
    } else if (arg == "--what" || arg.rfind("--what=", 0) == 0) {
      std::string list;
      if (arg == "--what") {
        if (i + 1 >= args.size()) return Refuse("--what needs a list such as holidays,rokuyo");
        list = args[++i];
      } else {
        list = arg.substr(7);
      }
      if (!whatGiven) {
        options.holidays = options.rokuyo = options.terms = options.zassetsu = options.lunar = false;
        whatGiven = true;
      }
      for (const std::string& item : korvane::CommaItems(list)) {
        if (item == "holidays") options.holidays = true;
        else if (item == "rokuyo") options.rokuyo = true;
        else if (item == "terms") options.terms = true;
        else if (item == "zassetsu") options.zassetsu = true;
        else if (item == "lunar") options.lunar = true;
        else if (item == "notes") options.notes = true;
        else return Refuse("unknown item \"" + Shown(item) +
                           "\" (holidays, rokuyo, terms, zassetsu, lunar, notes)");
      }
    } else if (arg == "--notes" || arg.rfind("--notes=", 0) == 0) {
      std::string list;
      if (arg == "--notes") {
        if (i + 1 >= args.size()) return Refuse("--notes needs names such as 天赦日,一粒万倍日");
        list = args[++i];
      } else {
        list = arg.substr(8);
      }
      options.notes = true;
      options.noteChoice = DayNoteSet();
      for (const std::string& name : korvane::CommaItems(list)) {
        DayNote note;
        if (!KoyomiNotes::NoteByName(name, note)) return Refuse("unknown note \"" + Shown(name) + "\"");
        options.noteChoice.Add(note);
      }
    } else if (!arg.empty() && arg[0] == '-') {
      return Refuse("unknown option " + Shown(arg));
    } else {
      years.push_back(arg);
    }
  }
  if (years.empty() || years.size() > 2) return Refuse("give FROM-YEAR and, if you like, TO-YEAR");
  if (!ParseYear(years[0], options.fromYear)) return Refuse("not a year: " + Shown(years[0]));
  options.toYear = options.fromYear;
  if (years.size() == 2 && !ParseYear(years[1], options.toYear))
    return Refuse("not a year: " + Shown(years[1]));
  for (int year : {options.fromYear, options.toYear}) {
    if (year < korvane::kIcsFirstYear || year > korvane::kIcsLastYear)
      return Refuse(korvane::Format("year %d is outside %d..%d", year, korvane::kIcsFirstYear,
                                    korvane::kIcsLastYear));
  }
  if (options.toYear < options.fromYear)
    return Refuse(korvane::Format("TO-YEAR %d comes before FROM-YEAR %d", options.toYear,
                                  options.fromYear));
  options.stamp = std::time(nullptr);
  const std::string calendar = korvane::IcsCalendar(options);
  return std::fwrite(calendar.data(), 1, calendar.size(), stdout) == calendar.size() &&
                 std::fflush(stdout) == 0
             ? 0
             : 1;
}
