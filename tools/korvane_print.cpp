// korvane-print: what a view kind shows, on standard output, without a
// window.
//
//   korvane-print [OPTIONS] KIND [YEAR [MONTH [PLACE]]]
//   korvane-print [--place N] day YYYY-MM-DD
//   korvane-print CSunTimeListView|CMoonTimeListView [YEAR [MONTH]] --lat DEG --lon DEG
//                 [--height M] [--utc-offset H] [--place-name NAME]
//   korvane-print day YYYY-MM-DD --lat DEG --lon DEG [...]
//   korvane-print topic [NAME]
//   korvane-print haiku [N]
//   korvane-print convert TEXT
//   korvane-print notes FROM-DATE [TO-DATE] [--as-published]
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
// --lat and --lon (with --height, --utc-offset and --place-name) give any
// place on Earth instead of an index, for the two rise/set lists and the
// day page; its times are in its UTC offset (default +9).
// "day" prints the tear-off day calendar's page of a date at place N (an
// index of the place table, default 39 東京): the window title, then every
// text of the page, one per line, in drawing order; its text data come
// from the program's "TxtData" folder, found as the program finds it (the
// working directory's when it has one, else the user's, else the installed
// copy; textdata/user_files.h), and a data file that is missing is named
// on standard error (the page is printed without its lines, exit 0).
// "topic" prints what the help viewer shows for topic NAME (default 目次) of
// TxtData/Topics.txt, found the same way: the keyword lists' selections, then the topic's
// lines with each link in braces.  "haiku" prints the haiku table, one
// record per line with its fields tab-separated in the record's order, or
// only haiku N (1..366).  "convert" prints the day that TEXT names (a 和暦,
// 旧暦, Gregorian or Julian date, or a day number) in every calendar, one
// "KEY<TAB>VALUE" line each; a text that names no day gives one line on
// standard error and exit status 2.
// Holidays and eras follow the law as it stands, as the program shows them by
// default; --as-published gives the almanac's published rules instead.
// --pdf and --png write a month grid or the day page as the window paints it
// instead of the text, laid out for a window (the day calendar's page
// control) of --size WxH, default 640x480 for a month grid and 225x293 for
// the day page: the PNG has that size, the PDF scales it to fit one A4
// page.  A month grid's title stands above the table (--no-title leaves it
// off).  A list's table goes on A4 sheets in the PDF and whole into the
// PNG, at its own size or scaled to fit --size; --pdf and --png must name
// two files.  A file that cannot be written (or a data file that cannot be
// read) is named with the reason on standard error, exit status 1; a file
// that was there before a failed write is left as it was.
//
// The text comes from the same content code that the windows draw, so every
// view can be read and checked as text.  Bad arguments give one line on
// standard error and exit status 2; --help prints the usage on standard
// output and exits 0.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/place_list.h"
#include "engine/calendar_law.h"
#include "engine/calendar_names.h"
#include "content/day_page_content.h"
#include "engine/file_read.h"
#include "engine/format.h"
#include "engine/message_hook.h"
#include "textdata/sjis.h"
#include "textdata/text_line_source.h"
#include "content/help_content.h"
#include "textdata/haiku_table.h"
#include "textdata/text_line_source.h"
#include "textdata/user_files.h"
#include "tools/convert_command.h"
#include "tools/ics_calendar.h"
#include "tools/notes_command.h"
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
  // Or a place given by --lat and --lon (and the options that go with them).
  std::optional<ObservingPlace> site;
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
// and bytes that are not UTF-8 are written as \xNN.
std::string Echo(const std::string& text) {
  std::string out;
  std::string_view rest = text;
  while (!rest.empty()) {
    const auto c = static_cast<unsigned char>(rest[0]);
    const size_t length = korvane::Utf8Length(rest);
    if (length == 0 || c < 0x20 || c == 0x7f) {
      out += korvane::Format("\\x%02X", c);
      rest.remove_prefix(1);
    } else {
      out += rest.substr(0, length);
      rest.remove_prefix(length);
    }
  }
  return out;
}

// A run that failed for a reason other than its arguments (a file that
// cannot be read): one line, exit status 1.
int FailRun(const std::string& message) {
  std::fprintf(stderr, "korvane-print: %s\n", message.c_str());
  return 1;
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
  // One would overwrite the other: by spelling, or through a link.
  if (!images.pdfPath.empty() && !images.pngPath.empty()) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path pdf = fs::absolute(images.pdfPath, error).lexically_normal();
    const fs::path png = fs::absolute(images.pngPath, error).lexically_normal();
    if (pdf == png || fs::equivalent(images.pdfPath, images.pngPath, error))
      return "--pdf and --png name the same file " + Echo(images.pdfPath);
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
// Takes --lat, --lon, --height, --utc-offset and --place-name (also written
// --lat=DEG) out of the arguments into `args.site`; `rest` receives the
// others.  Returns an error text, empty when they are good.
std::string ExtractSiteOptions(int argc, char** argv, Arguments& args, std::vector<char*>& rest) {
  constexpr const char* kNames[] = {"--lat", "--lon", "--height", "--utc-offset", "--place-name"};
  std::optional<std::string> values[std::size(kNames)];
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    int which = -1;
    for (int k = 0; k < static_cast<int>(std::size(kNames)); ++k) {
      const std::string name = kNames[k];
      if (arg == name || arg.rfind(name + "=", 0) == 0) which = k;
    }
    if (which < 0) {
      rest.push_back(argv[i]);
      continue;
    }
    const std::string name = kNames[which];
    if (values[which]) return name + " given twice";
    // The value may start with a minus sign: a western longitude.
    if (arg == name) {
      if (i + 1 >= argc) return name + " needs a value";
      values[which] = argv[++i];
    } else {
      values[which] = arg.substr(name.size() + 1);
    }
  }
  const bool any = std::any_of(std::begin(values), std::end(values),
                               [](const auto& v) { return v.has_value(); });
  if (!any) return {};
  if (!values[0] || !values[1]) return "a place needs both --lat and --lon";
  ObservingPlace site;
  const std::optional<double> lat = ParseAngle(*values[0], AngleAxis::kLatitude);
  if (!lat) return "not a latitude in degrees: " + Echo(*values[0]);
  const std::optional<double> lon = ParseAngle(*values[1], AngleAxis::kLongitude);
  if (!lon) return "not a longitude in degrees: " + Echo(*values[1]);
  site.latitude = *lat;
  site.longitude = *lon;
  if (values[2]) {
    char* end = nullptr;
    site.height = std::strtod(values[2]->c_str(), &end);
    if (values[2]->empty() || *end != '\0') return "not a height in metres: " + Echo(*values[2]);
  }
  if (values[3]) {
    const std::optional<double> offset = ParseUtcOffset(*values[3]);
    if (!offset) return "not a UTC offset in hours: " + Echo(*values[3]);
    site.utcOffset = *offset;
  }
  if (std::fabs(site.latitude) > 90.0) return "latitude " + Echo(*values[0]) + " is outside -90..90";
  if (std::fabs(site.longitude) > 180.0) {
    return "longitude " + Echo(*values[1]) + " is outside -180..180";
  }
  if (site.utcOffset < kMinUtcOffset || site.utcOffset > kMaxUtcOffset) {
    return "UTC offset " + Echo(*values[3]) + " is outside -12..+14";
  }
  if (!PlaceProblem(site).empty()) return "height " + Echo(*values[2]) + " is outside -500..9000 m";
  site.name = values[4] ? *values[4]
                        : FormatAngle(site.latitude, AngleAxis::kLatitude) + " " +
                              FormatAngle(site.longitude, AngleAxis::kLongitude);
  if (site.name.empty()) return "--place-name needs a name";
  site.group = -1;  // no normal temperatures but 東京's
  args.site = site;
  return {};
}

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
    if (args.place && args.site) return "give either --place or --lat and --lon";
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
// The folder holding the TxtData folder, as the program would use it; the
// tool itself never writes there.
std::string DataDirectory() {
  return korvane::ReadOnlyDataDirectory(korvane::CurrentEnvironment());
}

int PrintHelpTopic(const std::string& name) {
  korvane::HelpBrowser browser;
  // The viewer's message (a file it cannot read, a topic not found) is the
  // error, on one line.
  korvane::MessageRecorder messages;
  // A file that cannot be read fails the run; a topic the file does not
  // have is a bad argument.
  const std::string path = korvane::TextDataPath(DataDirectory(), "Topics.txt");
  std::string bytes;
  const bool readable = korvane::ReadRegularFile(path, korvane::kTextDataFileLimit, bytes) ==
                        korvane::ReadStatus::Ok;
  if (!readable || !browser.Open(path, name)) {
    if (!readable && messages.messages().empty()) korvane::ReportUnreadableFile(path);
    std::string text;
    for (const std::string& message : messages.messages()) text += (text.empty() ? "" : " ") + message;
    std::replace(text.begin(), text.end(), '\n', ' ');
    return readable ? Fail(Echo(text)) : FailRun(Echo(text));
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
  const ObservingPlace place = args.site ? *args.site : LocationTable().Place(args.place.value_or(39));
  const std::string directory = DataDirectory();
  // The page is whole without them, but the user should know why a line
  // they expect is not there.
  for (const char* name : {"weather.txt", "annual.txt"}) {
    const std::string path = korvane::TextDataPath(directory, name);
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
      std::fclose(file);
    } else {
      std::fprintf(stderr, "korvane-print: %s is missing; its lines are left out\n", path.c_str());
    }
  }
  korvane::DayTextData textData(directory, place);
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
             "       korvane-print topic [NAME]   (help topic of the program's TxtData/Topics.txt)\n"
             "       korvane-print haiku [N]\n"
             "       korvane-print [OPTIONS] KIND [YEAR [MONTH [PLACE]]] [--pdf FILE] [--png FILE] [--size WxH] [--no-title]\n"
             "       korvane-print [--place N] day YYYY-MM-DD [--pdf FILE] [--png FILE] [--size WxH]\n"
             "       korvane-print convert TEXT\n"
             "                       the day of TEXT in every calendar; TEXT is e.g.\n"
             "                       天保3年閏11月5日, 1832-12-26, J1582-10-04 (Julian),\n"
             "                       旧1832-11-05 (旧暦) or JDN2390544\n"
             "       korvane-print ics FROM-YEAR [TO-YEAR] [--what LIST] [--notes NAMES] [--as-published]\n"
             "                       an iCalendar file of all-day events; LIST is any of\n"
             "                       holidays,rokuyo,terms,zassetsu,lunar,notes (default: all\n"
             "                       but notes); NAMES the notes to write, e.g. 天赦日,寅の日\n"
             "       korvane-print notes FROM-DATE [TO-DATE] [--as-published]\n"
             "                       the day notes (暦注), one tab-separated line a day:\n"
             "                       date, 十二直, 二十八宿, 二十七宿, year and month 干支,\n"
             "                       year and month 九星, 納音, the notes (1853..2050)\n"
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
             "  --lat DEG --lon DEG  any place instead, for CSunTimeListView, CMoonTimeListView\n"
             "                       and day: degrees north and east (negative south and west),\n"
             "                       decimal or as 35°39'16\"N\n"
             "  --height M           its height in metres (default 0)\n"
             "  --utc-offset H       its times' offset from UTC in hours, -12..+14 (default +9)\n"
             "  --place-name NAME    its name in the title (default its coordinates)\n"
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
  // "ics" and "notes" write days in forms of their own, with options of their own.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--as-published") == 0) continue;
    const bool ics = std::strcmp(argv[i], "ics") == 0;
    if (ics || std::strcmp(argv[i], "notes") == 0) {
      std::vector<std::string> rest;
      for (int j = 1; j < argc; ++j)
        if (j != i) rest.emplace_back(argv[j]);
      return ics ? RunIcsCommand(rest) : RunNotesCommand(rest);
    }
    if (std::strcmp(argv[i], "convert") == 0) {
      std::vector<std::string> rest;
      for (int j = 1; j < argc; ++j)
        if (j != i) rest.emplace_back(argv[j]);
      return RunConvertCommand(rest);
    }
    break;
  }
  Arguments args;
  std::vector<char*> rest{argv[0]};
  std::string error = ExtractImageOptions(argc, argv, args.images, rest);
  std::vector<char*> remaining{argv[0]};
  if (error.empty()) {
    error = ExtractSiteOptions(static_cast<int>(rest.size()), rest.data(), args, remaining);
  }
  if (error.empty()) {
    error = ParseArguments(static_cast<int>(remaining.size()), remaining.data(), args);
  }
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
  if (args.site && (args.kind == "topic" || args.kind == "haiku" ||
                    korvane::FindGridKind(args.kind))) {
    return Fail("--lat and --lon are for the rise/set lists and the day page, not " +
                Echo(args.kind));
  }
  if (args.kind == "day") return PrintDayPage(args);
  if (args.kind == "topic") return PrintHelpTopic(args.topic);
  if (args.kind == "haiku") return PrintHaiku(args);
  if (const korvane::GridKindInfo* grid = korvane::FindGridKind(args.kind))
    return PrintMonthGrid(*grid, args);
  if (const ViewKindInfo* row = FindViewKind(args.kind)) {
    korvane::ListArguments list{args.year,      args.month,    args.place, args.todayYear,
                                args.todayMonth, args.todayDay, args.law,   args.images,
                                args.site};
    std::string listError;
    const int status = korvane::PrintList(row->kind, list, listError);
    if (status >= 0) return status == 2 ? Fail(listError) : status;
  }
  return Fail("unknown view kind " + Echo(args.kind) + " (korvane-print --help)");
}
