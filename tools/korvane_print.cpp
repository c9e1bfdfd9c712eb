// korvane-print: what a view kind shows, on standard output, without a
// window.
//
//   korvane-print KIND [YEAR [MONTH]] [--today YYYY-MM-DD]
//
// KIND is the view class name (CGDayView, CQNormalView, ...).  YEAR and
// MONTH default to today's month; for the lunisolar kinds MONTH is the
// month index 1..13 of the lunisolar year and the default is the lunisolar
// month that contains today.  --today fixes the day taken as today.
//
// The text comes from the same content code that the windows draw, so every
// view can be read and checked as text.  Bad arguments give one line on
// standard error and exit status 2.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/format.h"
#include "views/grid/month_grid_content.h"
#include "views/grid/month_grid_kinds.h"
#include "views/year_range.h"

namespace {

constexpr int kUsageError = 2;

struct Arguments {
  std::string kind;
  std::optional<int> year;
  std::optional<int> month;
  int todayYear = 0;
  int todayMonth = 0;
  int todayDay = 0;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "korvane-print: %s\n", message.c_str());
  return kUsageError;
}

// A whole decimal number that fits an int, nothing else.
bool ParseInt(const char* text, int& value) {
  if (*text == '\0') return false;
  errno = 0;
  char* end = nullptr;
  long v = std::strtol(text, &end, 10);
  if (*end != '\0' || errno == ERANGE || v < -1000000 || v > 1000000) return false;
  value = static_cast<int>(v);
  return true;
}

// YYYY-MM-DD, a real Gregorian date.
bool ParseDate(const std::string& text, int& y, int& m, int& d) {
  unsigned a = 0, b = 0, c = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4u-%2u-%2u%c", &a, &b, &c, &tail) != 3) return false;
  if (text.size() != 10) return false;
  y = static_cast<int>(a);
  m = static_cast<int>(b);
  d = static_cast<int>(c);
  return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= CalendarNames::MonthLength(y, m);
}

// Fills `args`; returns an error text, empty when the arguments are good.
std::string ParseArguments(int argc, char** argv, Arguments& args) {
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--today") {
      if (i + 1 >= argc) return "--today needs a date YYYY-MM-DD";
      arg = argv[++i];
      if (!ParseDate(arg, args.todayYear, args.todayMonth, args.todayDay))
        return "not a date YYYY-MM-DD: " + arg;
    } else if (arg.rfind("--today=", 0) == 0) {
      std::string date = arg.substr(8);
      if (!ParseDate(date, args.todayYear, args.todayMonth, args.todayDay))
        return "not a date YYYY-MM-DD: " + date;
    } else if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
      return "unknown option " + arg;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty()) return "no view kind given";
  if (positional.size() > 3) return "too many arguments";
  args.kind = positional[0];
  int value = 0;
  if (positional.size() >= 2) {
    if (!ParseInt(positional[1].c_str(), value)) return "not a year: " + positional[1];
    args.year = value;
  }
  if (positional.size() >= 3) {
    if (!ParseInt(positional[2].c_str(), value)) return "not a month: " + positional[2];
    args.month = value;
  }
  return {};
}

int PrintMonthGrid(const korvane::GridKindInfo& info, const Arguments& args) {
  korvane::MonthGridContent content(info.kind);
  korvane::GridToday today{args.todayYear, args.todayMonth, args.todayDay};
  korvane::YearRange range = korvane::YearRangeOf(info.rangeKind());

  // Today's month in the kind's calendar gives the defaults.
  int year = 0;
  int month = 0;
  bool todayKnown = content.MonthOfDate(today.year, today.month, today.day, year, month);
  if (args.year) {
    year = *args.year;
  } else if (!todayKnown || !range.Contains(year)) {
    return Fail(korvane::Format("today (%04d-%02d-%02d) lies outside the years %d..%d of %s; "
                                "give YEAR and MONTH",
                                today.year, today.month, today.day, range.min, range.max,
                                info.className()));
  }
  if (!range.Contains(year)) {
    return Fail(korvane::Format("year %d is outside %d..%d for %s", year, range.min, range.max,
                                info.className()));
  }
  if (args.month) {
    month = *args.month;
  } else {
    if (!todayKnown) month = 1;
    // Today's month index may not exist in another lunisolar year.
    month = content.CorrectedMonth(year, month);
  }
  int months = content.MonthsInYear(year);
  if (month < 1 || month > months) {
    return Fail(korvane::Format("month %d is outside 1..%d for %s %d", month, months,
                                info.className(), year));
  }
  // The text does not depend on the size; this is the size of a new child
  // window, so the page is the one a window would draw.
  korvane::GridPage page = content.Page(year, month, 640, 480, today);
  std::fputs(page.ToText().c_str(), stdout);
  return 0;
}

void PrintUsage() {
  std::fputs("usage: korvane-print KIND [YEAR [MONTH]] [--today YYYY-MM-DD]\n", stderr);
  std::fputs("kinds:", stderr);
  for (const korvane::GridKindInfo& info : korvane::AllGridKinds())
    std::fprintf(stderr, " %s", info.className());
  std::fputs("\n", stderr);
}

}  // namespace

int main(int argc, char** argv) {
  // A request for help wins wherever it stands, so that "KIND --help" does
  // not answer with an error that points back at --help.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      PrintUsage();
      return 0;
    }
  }
  Arguments args;
  std::string error = ParseArguments(argc, argv, args);
  if (!error.empty()) return Fail(error + " (korvane-print --help)");
  CalendarNames calendar;
  if (args.todayYear == 0) {
    args.todayDay = calendar.Today(args.todayYear, args.todayMonth);
  } else {
    // Everything that asks the clock sees the same day.
    CalendarNames::SetTodayOverride(args.todayYear, args.todayMonth, args.todayDay);
  }
  // Each family of view kinds answers for its own class names: the month
  // grids here; the list views and the day page join the same way.
  if (const korvane::GridKindInfo* grid = korvane::FindGridKind(args.kind))
    return PrintMonthGrid(*grid, args);
  return Fail("unknown view kind " + args.kind + " (korvane-print --help)");
}
