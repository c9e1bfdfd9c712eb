// korvane-print notes FROM-DATE [TO-DATE] [--as-published]
//
// One line per day, tab-separated: the date (YYYY-MM-DD), 十二直, 二十八宿,
// 二十七宿, the year's and the month's 干支, the year's and the month's
// 九星 (full names), 納音, and the day's notes joined by "・" in their list
// order (empty when none).  Dates 1853-01-01..2050-12-31.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/koyomi_notes.h"
#include "engine/nine_star_cycle.h"
#include "tools/command_args.h"
#include "tools/notes_command.h"

namespace {

int Refuse(const std::string& message) { return korvane::RefuseArguments("notes", message); }

std::string Shown(std::string_view text) { return korvane::ShownArgument(text); }

struct Date {
  int y = 0, m = 0, d = 0;
  long Number() const { return static_cast<long>(CalendarNames::DayNumber(y, m, d)); }
};

// YYYY-MM-DD inside the notes' years.
bool ParseDate(std::string_view text, Date& date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int fields[3] = {0, 0, 0};
  int field = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i == 4 || i == 7) {
      ++field;
      continue;
    }
    if (text[i] < '0' || text[i] > '9') return false;
    fields[field] = fields[field] * 10 + (text[i] - '0');
  }
  date = {fields[0], fields[1], fields[2]};
  return date.m >= 1 && date.m <= 12 && date.d >= 1 &&
         date.d <= CalendarNames::MonthLength(date.y, date.m);
}

void Step(Date& date) {
  if (++date.d > CalendarNames::MonthLength(date.y, date.m)) {
    date.d = 1;
    if (++date.m > 12) date.m = 1, ++date.y;
  }
}

}  // namespace

std::string NotesLine(const KoyomiNotes& notes, int y, int m, int d) {
  const DayNotes n = notes.Notes(y, m, d);
  if (!n.valid) return {};
  const EtoCycle eto;
  const NineStarCycle stars;
  return korvane::Format("%04d-%02d-%02d\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t", y, m, d,
                         KoyomiNotes::ChokuName(n.choku), KoyomiNotes::Shuku28Name(n.shuku28),
                         KoyomiNotes::Shuku27Name(n.shuku27), eto.EtoName(n.yearEto),
                         eto.EtoName(n.monthEto), stars.StarFullName(n.yearStar),
                         stars.StarFullName(n.monthStar), KoyomiNotes::NacchinName(n.nacchin)) +
         n.notes.Join("・");
}

int RunNotesCommand(const std::vector<std::string>& args) {
  CalendarLaw law = CalendarLaw::Current;
  std::vector<std::string> dates;
  for (const std::string& arg : args) {
    if (arg == "--as-published")
      law = CalendarLaw::AsPublished;
    else if (!arg.empty() && arg[0] == '-')
      return Refuse("unknown option " + Shown(arg));
    else
      dates.push_back(arg);
  }
  if (dates.empty() || dates.size() > 2) return Refuse("give FROM-DATE and, if you like, TO-DATE");
  Date from, to;
  for (size_t i = 0; i < dates.size(); ++i) {
    Date& date = i == 0 ? from : to;
    if (!ParseDate(dates[i], date)) return Refuse("not a date (YYYY-MM-DD): " + Shown(dates[i]));
    if (!KoyomiNotes::InRange(date.y, date.m, date.d))
      return Refuse(korvane::Format("%s is outside %d-01-01..%d-12-31", dates[i].c_str(),
                                    KoyomiNotes::kFirstYear, KoyomiNotes::kLastYear));
  }
  if (dates.size() == 1) to = from;
  if (to.Number() < from.Number())
    return Refuse("TO-DATE " + dates[1] + " comes before FROM-DATE " + dates[0]);

  const KoyomiNotes notes(law);
  std::string out;
  for (Date date = from;; Step(date)) {
    out += NotesLine(notes, date.y, date.m, date.d);
    out += '\n';
    if (date.y == to.y && date.m == to.m && date.d == to.d) break;
  }
  return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
