// korvane-print: what a view kind shows, on standard output, without a
// window.
//
//   korvane-print [OPTIONS] KIND [YEAR [MONTH [PLACE]]]
//   korvane-print [--place N] day YYYY-MM-DD
//   korvane-print topic [NAME]
//   korvane-print haiku [N]
//   korvane-print [OPTIONS] KIND [YEAR [MONTH [PLACE]]] [--pdf FILE] [--png FILE] [--size WxH] [--no-title]
//   korvane-print [--place N] day YYYY-MM-DD [--pdf FILE] [--png FILE] [--size WxH]
//
// KIND is the view class name (CGDayView, CQNormalView, CNOListView, ...).
// For a month grid YEAR and MONTH default to today's month; for the
// lunisolar kinds MONTH is the month index 1..13 of the lunisolar year and
// the default is the lunisolar month that contains today.  For a list they
// are the shared display values the list starts from (the start-up values
// for today when missing), which the list clamps as its window does; PLACE
// is the observing place 0..86 of the rise/set tables.  --today fixes the
// day taken as today (and the current year of the age and era lists).
// "day" prints the tear-off day calendar's page of a date at place N (an
// index of the place table, default 39 東京): the window title, then every
// text of the page, one per line, in drawing order; its text data come
// from the "TxtData" folder of the working directory, as in the program.
// "topic" prints what the help viewer shows for topic NAME (default 目次) of
// ./TxtData/Topics.txt: the keyword lists' selections, then the topic's
// lines with each link in braces.  "haiku" prints the haiku table, one
// record per line with its fields tab-separated in the record's order, or
// only haiku N (1..366).
// Holidays and eras follow the law as it stands, as the program shows them by
// default; --as-published gives the almanac's published rules instead.
// --pdf and --png write a month grid or the day page as the window paints it
// instead of the text, laid out for a window (the day calendar's page
// control) of --size WxH, default 640x480 for a month grid and 225x293 for
// the day page: the PNG has that size, the PDF scales it to fit one A4
// page.  A month grid's title stands above the table (--no-title leaves it
// off).  A list's table goes on A4 sheets in the PDF and whole into the
// PNG, at its own size or scaled to fit --size.  A file that cannot be
// written is named with the reason on standard error, exit status 1.
//
// The text comes from the same content code that the windows draw, so every
// view can be read and checked as text.  Bad arguments give one line on
// standard error and exit status 2; --help prints the usage on standard
// output and exits 0.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calendar_law.h"
#include "engine/calendar_names.h"
#include "content/day_page_content.h"
#include "engine/format.h"
#include "engine/message_hook.h"
#include "content/help_content.h"
#include "textdata/haiku_table.h"
#include "tools/ics_calendar.h"
#include "tools/image_output.h"
#include "content/grid/month_grid_content.h"
#include "content/grid/month_grid_kinds.h"
#include "tools/list_printer.h"
#include "content/lists/list_kinds.h"
#include "content/year_range.h"

namespace {

constexpr int kUsageError = 2;

struct Arguments {
  std::optional<int> haikuNumber;  // "haiku N"
  std::string kind;
  std::optional<int> year;
  std::optional<int> month;
  // The place: PLACE of a rise/set list, or --place of the day page.
  std::optional<int> place;
  int todayYear = 0;
  int todayMonth = 0;
  int todayDay = 0;
  // "day": the date asked for.
  std::string date;
  // "topic": the help topic's name.
  std::string topic;
  CalendarLaw law = CalendarLaw::Current;
  // --pdf, --png and --size.
  korvane::ImageRequest images;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "korvane-print: %s\n", message.c_str());
  return kUsageError;
}

// An argument as it may appear inside a one-line message: control bytes
// are written as \xNN.
std::string Echo(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7f) out += korvane::Format("\\x%02X", c);
    else out += static_cast<char>(c);
  }
  return out;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A decimal number of at most seven digits, optionally negative: no blanks,
// no plus sign, nothing after it.
bool ParseInt(const std::string& text, int& value) {
  const std::string_view digits = std::string_view(text).substr(!text.empty() && text[0] == '-');
  if (!AllDigits(digits) || digits.size() > 7) return false;
  value = std::atoi(text.c_str());
  return true;
}

// YYYY-MM-DD, digits only, a real Gregorian date.
bool ParseDate(const std::string& text, int& y, int& m, int& d) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const std::string_view t(text);
  if (!AllDigits(t.substr(0, 4)) || !AllDigits(t.substr(5, 2)) || !AllDigits(t.substr(8, 2)))
    return false;
  y = std::atoi(text.substr(0, 4).c_str());
  m = std::atoi(text.substr(5, 2).c_str());
  d = std::atoi(text.substr(8, 2).c_str());
  return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= CalendarNames::MonthLength(y, m);
}

// "WxH" (or "WXH") with both sides in kMinImageSide..kMaxImageSide.
bool ParseImageSize(const std::string& text, int& width, int& height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const std::string w = text.substr(0, x);
  const std::string h = text.substr(x + 1);
  if (!AllDigits(w) || !AllDigits(h) || w.size() > 5 || h.size() > 5) return false;
  width = std::atoi(w.c_str());
  height = std::atoi(h.c_str());
  return width >= korvane::kMinImageSide && width <= korvane::kMaxImageSide &&
         height >= korvane::kMinImageSide && height <= korvane::kMaxImageSide;
}

// Takes --pdf FILE, --png FILE and --size WxH (also written --pdf=FILE)
// out of the arguments into `images`; `rest` receives the others.  Returns
// an error text, empty when they are good.
std::string ExtractImageOptions(int argc, char** argv, korvane::ImageRequest& images,
                                std::vector<char*>& rest) {
  std::string size;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--no-title") {
      images.title = false;
      continue;
    }
    std::string* target = nullptr;
    std::string name;
    for (const char* option : {"--pdf", "--png", "--size"}) {
      const std::string o = option;
      if (arg == o || arg.rfind(o + "=", 0) == 0) {
        name = o;
        target = o == "--pdf" ? &images.pdfPath : o == "--png" ? &images.pngPath : &size;
      }
    }
    if (!target) {
      rest.push_back(argv[i]);
      continue;
    }
    if (!target->empty()) return name + " given twice";
    std::string value;
    if (arg == name) {
      if (i + 1 >= argc) return name + (name == "--size" ? " needs WxH" : " needs a file name");
      value = argv[++i];
    } else {
      value = arg.substr(name.size() + 1);
    }
    if (value.empty()) return name + (name == "--size" ? " needs WxH" : " needs a file name");
    *target = value;
  }
  if (!images.title && !images.Any())
    return "--no-title leaves the title off the page of --pdf or --png; give one of them";
  if (!size.empty()) {
    if (!images.Any()) return "--size is the size of the page of --pdf or --png; give one of them";
    if (!ParseImageSize(size, images.width, images.height))
      return korvane::Format("not an image size WxH with sides %d..%d: ", korvane::kMinImageSide,
                             korvane::kMaxImageSide) +
             Echo(size);
  }
  return {};
}

// Fills `args`; returns an error text, empty when the arguments are good.
// Options may stand anywhere; before the kind, anything starting with '-'
// is an option, after it a negative number is a (bad) year or month.
std::string ParseArguments(int argc, char** argv, Arguments& args) {
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string date;
    std::string place;
    if (arg == "--place" || arg.rfind("--place=", 0) == 0) {
      if (arg == "--place") {
        if (i + 1 >= argc) return "--place needs a place number 0..86";
        place = argv[++i];
      } else {
        place = arg.substr(8);
      }
      int value = 0;
      if (!ParseInt(place, value) || value < 0 || value > 86)
        return "not a place number 0..86: " + Echo(place);
      args.place = value;
      continue;
    }
    if (arg == "--as-published") {
      args.law = CalendarLaw::AsPublished;
      continue;
    }
    if (arg == "--today") {
      if (i + 1 >= argc) return "--today needs a date YYYY-MM-DD";
      date = argv[++i];
    } else if (arg.rfind("--today=", 0) == 0) {
      date = arg.substr(8);
    } else if (arg.size() > 1 && arg[0] == '-' &&
               (positional.empty() || !(arg[1] >= '0' && arg[1] <= '9'))) {
      return "unknown option " + Echo(arg);
    } else {
      positional.push_back(arg);
      continue;
    }
    if (!ParseDate(date, args.todayYear, args.todayMonth, args.todayDay))
      return "not a date YYYY-MM-DD: " + Echo(date);
  }
  if (positional.empty()) return "no view kind given";
  if (positional.size() > 4) return "too many arguments";
  args.kind = positional[0];
  if (args.kind == "topic") {
    if (positional.size() > 2) return "topic needs at most one NAME";
    args.topic = positional.size() == 2 ? positional[1] : "目次";
    return {};
  }
  if (args.kind == "day") {
    if (positional.size() != 2) return "day needs one date YYYY-MM-DD";
    args.date = positional[1];
    return {};
  }
  if (args.place) return "--place is for the day page; a rise/set list takes PLACE after MONTH";
  if (args.kind == "haiku") {
    if (positional.size() > 2) return "haiku takes at most one number 1..366";
    if (positional.size() == 2) {
      int number = 0;
      if (!ParseInt(positional[1], number) || number < 1 || number > korvane::kHaikuCount)
        return "not a haiku number 1..366: " + Echo(positional[1]);
      args.haikuNumber = number;
    }
    return {};
  }
  int value = 0;
  if (positional.size() >= 2) {
    if (!ParseInt(positional[1], value)) return "not a year: " + Echo(positional[1]);
    args.year = value;
  }
  if (positional.size() >= 3) {
    if (!ParseInt(positional[2], value)) return "not a month: " + Echo(positional[2]);
    args.month = value;
  }
  if (positional.size() >= 4) {
    if (!ParseInt(positional[3], value)) return "not a place: " + Echo(positional[3]);
    args.place = value;
  }
  return {};
}

int PrintMonthGrid(const korvane::GridKindInfo& info, const Arguments& args) {
  if (args.place) return Fail(korvane::Format("%s has no place; give no PLACE", info.className()));
  korvane::MonthGridContent content(info.kind, args.law);
  korvane::GridToday today{args.todayYear, args.todayMonth, args.todayDay};
  korvane::YearRange range = korvane::YearRangeOf(info.rangeKind());

  // Today's month in the kind's calendar gives the defaults.
  int year = 0;
  int month = 0;
  bool todayKnown = content.MonthOfDate(today.year, today.month, today.day, year, month);
  // Years and months are the kind's own: say which calendar's they are.
  const char* calendar = info.lunisolar ? "lunisolar" : "Gregorian";
  if (args.year) {
    year = *args.year;
  } else if (!todayKnown) {
    return Fail(korvane::Format("today (%04d-%02d-%02d) has no %s date; give YEAR and MONTH",
                                today.year, today.month, today.day, calendar));
  } else if (!range.Contains(year)) {
    return Fail(korvane::Format("today (%04d-%02d-%02d) lies in the %s year %d, outside the "
                                "years %d..%d of %s; give YEAR and MONTH",
                                today.year, today.month, today.day, calendar, year, range.min,
                                range.max, info.className()));
  }
  if (!range.Contains(year)) {
    return Fail(korvane::Format("%s year %d is outside %d..%d for %s", calendar, year, range.min,
                                range.max, info.className()));
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
    return Fail(korvane::Format("month %d is outside 1..%d for %s in the %s year %d", month,
                                months, info.className(), calendar, year));
  }
#ifdef KORVANE_PRINT_IMAGES
  if (args.images.Any()) {
    return korvane::WriteGridImages(
        [&](int width, int height) { return content.Page(year, month, width, height, today); },
        args.images);
  }
#endif
  // The text does not depend on the size; this is the size of a new child
  // window, so the page is the one a window would draw.
  korvane::GridPage page =
      content.Page(year, month, korvane::kDefaultGridWidth, korvane::kDefaultGridHeight, today);
  std::fputs(page.ToText().c_str(), stdout);
  return 0;
}

// The tear-off day calendar's page of a date.
int PrintHelpTopic(const std::string& name) {
  korvane::HelpBrowser browser;
  // The viewer's message (a file it cannot read, a topic not found) is the
  // error, on one line.
  korvane::MessageRecorder messages;
  if (!browser.Open("TxtData/Topics.txt", name)) {
    std::string text;
    for (const std::string& message : messages.messages()) text += (text.empty() ? "" : " ") + message;
    std::replace(text.begin(), text.end(), '\n', ' ');
    return Fail(Echo(text));
  }
  std::fputs(browser.ToText().c_str(), stdout);
  return 0;
}

int PrintDayPage(const Arguments& args) {
  int y = 0, m = 0, d = 0;
  if (!ParseDate(args.date, y, m, d)) return Fail("not a date YYYY-MM-DD: " + Echo(args.date));
  if (y < korvane::kDayPageFirstYear || y > korvane::kDayPageLastYear) {
    return Fail(korvane::Format("year %d is outside %d..%d for the day calendar", y,
                                korvane::kDayPageFirstYear, korvane::kDayPageLastYear));
  }
  const int place = args.place.value_or(39);
  korvane::DayTextData textData(".", place);
  korvane::DayPageContent content(args.law);
  const korvane::DayPageExtras extras = textData.For(y, m, d);
#ifdef KORVANE_PRINT_IMAGES
  if (args.images.Any()) {
    return korvane::WriteDayImages(
        [&](int width, int height) {
          return content.Page(y, m, d, place, korvane::GridRect{0, 0, width, height}, extras);
        },
        args.images);
  }
#endif
  const korvane::DayPage page = content.Page(y, m, d, place, korvane::kDefaultDayPageRect, extras);
  std::fputs(page.ToText().c_str(), stdout);
  return 0;
}

// The records of the haiku table in their field order: upper, middle, lower,
// era, eraYear, month, day, number, present.  A number the table holds no
// poem for prints empty texts and present 0, as the program sees it.
int PrintHaiku(const Arguments& args) {
  const int first = args.haikuNumber.value_or(1);
  const int last = args.haikuNumber.value_or(korvane::kHaikuCount);
  for (int number = first; number <= last; ++number) {
    const korvane::HaikuRecord h = korvane::HaikuOfDay(number - 1);
    std::printf("%s\t%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\n", h.upper.c_str(), h.middle.c_str(),
                h.lower.c_str(), h.era.c_str(), h.eraYear, h.month, h.day, h.number, h.present);
  }
  return 0;
}

void PrintUsage() {
  std::fputs("usage: korvane-print [OPTIONS] KIND [YEAR [MONTH [PLACE]]]\n"
             "       korvane-print [--place N] day YYYY-MM-DD\n"
             "       korvane-print topic [NAME]   (help topic of ./TxtData/Topics.txt)\n"
             "       korvane-print haiku [N]\n"
             "       korvane-print [OPTIONS] KIND [YEAR [MONTH [PLACE]]] [--pdf FILE] [--png FILE] [--size WxH] [--no-title]\n"
             "       korvane-print [--place N] day YYYY-MM-DD [--pdf FILE] [--png FILE] [--size WxH]\n"
             "       korvane-print ics FROM-YEAR [TO-YEAR] [--what LIST] [--as-published]\n"
             "                       an iCalendar file of all-day events; LIST is any of\n"
             "                       holidays,rokuyo,terms,zassetsu,lunar (default: all)\n"
             "  --pdf FILE           a month grid or the day page as one A4 page of a PDF,\n"
             "                       a list's table on A4 sheets\n"
             "  --png FILE           ... as a PNG image (a list: the whole table)\n"
             "  --size WxH           the page laid out for a window of that size and the\n"
             "                       PNG's size (default 640x480; the day page 225x293;\n"
             "                       a list's table is scaled to fit it); a month grid's\n"
             "                       title takes a band at the top of it\n"
             "  --no-title           a month grid's page without its title above it\n"
             "  --today YYYY-MM-DD   the day taken as today\n"
             "  --place N            the place of the day page, 0..86 (default 39, 東京)\n"
             "  --as-published       holidays and eras by the almanac's published rules\n"
             "                       (without it, by the law as it stands)\n"
             "  --help               this text\n",
             stdout);
  std::fputs("kinds:", stdout);
  for (const ViewKindInfo& info : ViewKinds()) {
    if (korvane::GridKindOfView(info.kind) || korvane::MakeListContent(info.kind))
      std::fprintf(stdout, " %s", info.className);
  }
  std::fputs("\n", stdout);
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
  // "ics" writes a calendar file and has options of its own.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--as-published") == 0) continue;
    if (std::strcmp(argv[i], "ics") == 0) {
      std::vector<std::string> rest;
      for (int j = 1; j < argc; ++j)
        if (j != i) rest.emplace_back(argv[j]);
      return RunIcsCommand(rest);
    }
    break;
  }
  Arguments args;
  std::vector<char*> rest{argv[0]};
  std::string error = ExtractImageOptions(argc, argv, args.images, rest);
  if (error.empty()) error = ParseArguments(static_cast<int>(rest.size()), rest.data(), args);
  if (!error.empty()) return Fail(error + " (korvane-print --help)");
  if (args.images.Any()) {
#ifdef KORVANE_PRINT_IMAGES
    if (args.kind == "topic" || args.kind == "haiku")
      return Fail("--pdf and --png take a month grid or list kind or day, not " + Echo(args.kind));
#else
    return Fail("--pdf and --png are not available: korvane-print was built without Qt");
#endif
  }
  CalendarNames calendar;
  if (args.todayYear == 0) {
    args.todayDay = calendar.Today(args.todayYear, args.todayMonth);
  } else {
    // Everything that asks the clock sees the same day.
    CalendarNames::SetTodayOverride(args.todayYear, args.todayMonth, args.todayDay);
  }
  // Each family of view kinds answers for its own class names: the month
  // grids, the lists and the day page here.
  if (args.kind == "day") return PrintDayPage(args);
  if (args.kind == "topic") return PrintHelpTopic(args.topic);
  if (args.kind == "haiku") return PrintHaiku(args);
  if (const korvane::GridKindInfo* grid = korvane::FindGridKind(args.kind))
    return PrintMonthGrid(*grid, args);
  if (const ViewKindInfo* row = FindViewKind(args.kind)) {
    korvane::ListArguments list{args.year,      args.month,    args.place, args.todayYear,
                                args.todayMonth, args.todayDay, args.law,   args.images};
    std::string listError;
    const int status = korvane::PrintList(row->kind, list, listError);
    if (status >= 0) return status == 2 ? Fail(listError) : status;
  }
  return Fail("unknown view kind " + Echo(args.kind) + " (korvane-print --help)");
}
