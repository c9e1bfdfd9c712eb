#include "content/day_page_content.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/location_table.h"
#include "astro/moon_ephemeris.h"
#include "textdata/normal_temperature_table.h"
#include "engine/calendar_names.h"
#include "engine/era_days.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/holiday_calendar.h"
#include "engine/julian_day.h"
#include "engine/koyomi_notes.h"
#include "engine/lunisolar_table.h"
#include "engine/nine_star_cycle.h"
#include "engine/rokuyo_cycle.h"
#include "engine/solar_term_table.h"
#include "textdata/annual_schedule.h"
#include "textdata/haiku_table.h"
#include "textdata/text_line_source.h"

namespace korvane {

// The engine objects of one day calendar, built with it and kept for its life.
struct DayPageContent::Engines {
  explicit Engines(CalendarLaw law)
      : lunisolar(law), eras(lunisolar), nineStar(law), holidays(law), terms(law), notes(law) {}
  CalendarNames calendar;
  LunisolarTable lunisolar;
  EraDays eras;
  EtoCycle eto;
  RokuyoCycle rokuyo;
  NineStarCycle nineStar;
  HolidayCalendar holidays;
  SolarTermTable terms;
  LocationTable places;
  MoonEphemeris moon;
  KoyomiNotes notes;
};

DayPageContent::DayPageContent(CalendarLaw law) : engines_(std::make_unique<Engines>(law)) {}
DayPageContent::~DayPageContent() = default;

namespace {

constexpr GridColor kYellow = GridColor::Rgb(255, 255, 0);
constexpr GridColor kButtonFace = GridColor::System(SystemColor::ButtonFace);
// 天赦日 and 一粒万倍日 stand out on the page in any weekday's colour.
constexpr GridColor kMarkedText = GridColor::Rgb(176, 0, 0);
constexpr GridColor kMarkedBackground = GridColor::Rgb(255, 236, 128);

// The character height for `text` in `box`: `height`, or less when the text
// would run past the box's right edge and lose its end.  In the fixed-pitch
// face a column is half the character height wide.
int FittingHeight(const std::string& text, int height, const GridRect& box) {
  const int columns = DisplayWidth(text);
  if (columns <= 0 || box.width() <= 0 || height <= 0) return height;
  return std::max(1, std::min(height, box.width() * 2 / columns));
}

// Builds the page's operations in drawing order.
class PageBuilder {
 public:
  PageBuilder(DayPage& page, GridColor color) : page_(page), color_(color) {}

  void Text(int cell, const GridRect& box, int divisor, std::string text,
            DrawOp::Align align = DrawOp::Align::Left) {
    if (text.empty()) return;
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.align = align;
    op.cell = cell;
    op.box = box;
    op.fontHeight = FittingHeight(text, box.height() / divisor, box);
    op.text = std::move(text);
    op.color = color_;
    op.background = kButtonFace;
    page_.ops.push_back(std::move(op));
  }

  // Texts side by side on one line of `box`, all at the height that lets
  // the whole line fit: each in its own box, so none reaches past the page.
  struct Piece {
    int cell;
    std::string text;
    bool marked;  // drawn in the marked colours
  };
  void Line(const GridRect& box, int divisor, const std::vector<Piece>& pieces) {
    std::string all;
    for (const Piece& p : pieces) all += p.text + " ";
    const int height = FittingHeight(all, box.height() / divisor, box);
    int x = box.left;
    for (const Piece& p : pieces) {
      if (p.text.empty()) continue;
      const int width = DisplayWidth(p.text) * height / 2;
      DrawOp op;
      op.kind = DrawOp::Kind::Text;
      op.align = DrawOp::Align::Left;
      op.cell = p.cell;
      op.box = GridRect{x, box.top, std::min(box.right, x + width + 1), box.bottom};
      op.fontHeight = height;
      op.text = p.text;
      op.color = p.marked ? kMarkedText : color_;
      op.background = p.marked ? kMarkedBackground : kButtonFace;
      page_.ops.push_back(std::move(op));
      x += width + height / 2;
    }
  }

  void Picture(int cell, const GridRect& box, int number) {
    DrawOp op;
    op.kind = DrawOp::Kind::Picture;
    op.cell = cell;
    op.box = box;
    op.picture = number;
    page_.ops.push_back(std::move(op));
  }

 private:
  DayPage& page_;
  GridColor color_;
};

// The notes' line: 25 the 十二直 and 二十八宿, 26 天赦日 and 一粒万倍日
// (marked), 27 the other notes.
void NotesLine(PageBuilder& out, const GridRect& box, const DayNotes& notes) {
  if (!notes.valid) return;
  DayNoteSet chief;
  chief.Add(DayNote::Tenshanichi);
  chief.Add(DayNote::Ichiryumanbai);
  const DayNoteSet others(notes.notes.Bits() & ~chief.Bits());
  out.Line(box, 3,
           {{25, Format("%s・%s宿", KoyomiNotes::ChokuName(notes.choku), KoyomiNotes::Shuku28Name(notes.shuku28)), false},
            {26, (notes.notes & chief).Join(" "), true},
            {27, others.Join(" "), false}});
}

}  // namespace

std::vector<DrawOp> MoonDrawing(const GridRect& cell, double a) {
  std::vector<DrawOp> ops;
  auto shape = [&ops](DrawOp::Kind kind, const GridRect& box, GridColor outline, GridColor fill) {
    DrawOp op;
    op.kind = kind;
    op.cell = 15;
    op.box = box;
    op.color = outline;
    op.background = fill;
    ops.push_back(op);
  };
  const int xl = cell.left;
  const int xr = cell.right;
  const int yt = cell.top;
  const int yb = cell.bottom;
  const int xc = (xl + xr) / 2;
  shape(DrawOp::Kind::Frame, cell, kBlack, kBlack);
  shape(DrawOp::Kind::Ellipse, cell, kBlack, kYellow);
  const GridRect leftHalf{xl, yt, xc, yb};
  const GridRect rightHalf{xc, yt, xr, yb};
  // The ellipse keeps at least one pixel inside the cell.
  auto inside = [&](int left, int right, int top, int bottom) {
    if (left <= xl) left = xl + 1;
    if (right >= xr) right = xr - 1;
    return GridRect{left, top, right, bottom};
  };
  // Whole pixels, cut toward zero.
  auto span = [](double days) { return static_cast<int>(2.0 * days); };
  if (a < 7.4) {
    shape(DrawOp::Kind::Frame, leftHalf, kBlack, kBlack);
    const int w = span(a);
    shape(DrawOp::Kind::Ellipse, inside(xl + w, xr - w, yt, yb), kBlack, kBlack);
  } else if (a < 14.8) {
    shape(DrawOp::Kind::Frame, leftHalf, kBlack, kBlack);
    const int w = span(a - 7.4);
    shape(DrawOp::Kind::Ellipse, inside(xc - w, xc + w, yt + 1, yb - 1), kYellow,
              kYellow);
  } else if (a < 22.1) {
    shape(DrawOp::Kind::Frame, rightHalf, kBlack, kBlack);
    const int w = span(a - 14.8);
    shape(DrawOp::Kind::Ellipse, inside(xl + w, xr - w, yt + 1, yb - 1), kYellow,
              kYellow);
  } else {
    shape(DrawOp::Kind::Frame, rightHalf, kBlack, kBlack);
    const int w = span(a - 22.1);
    shape(DrawOp::Kind::Ellipse, inside(xc - w, xc + w, yt, yb), kBlack, kBlack);
  }
  return ops;
}

namespace {

// "%2d %02d" of a time in hours, to the nearest minute.
std::string HoursMinutes(double hours) {
  // The sun up or down all day near a pole, as the lists show it.
  if (hours == NO_EVENT) return "--";
  int h = 0;
  int m = 0;
  LocationTable::HoursToHm(hours, h, m);
  return Format("%2d %02d", h, m);
}

}  // namespace

DayPage DayPageContent::Page(int year, int month, int day, int place, const GridRect& rect,
                             const DayPageExtras& extras) {
  // An index outside the table gives 東京.
  return Page(year, month, day, engines_->places.Place(place), rect, extras);
}

DayPage DayPageContent::Page(int year, int month, int day, const ObservingPlace& place,
                             const GridRect& rect, const DayPageExtras& extras) {
  Engines& en = *engines_;
  DayPage page;
  page.page = rect;

  // The day's state.
  const LunisolarDate lunar = en.lunisolar.FromGregorian(year, month, day);
  if (en.lunisolar.Law() == CalendarLaw::Current &&
      EraDays::InRange(JdnFromGregorian(year, month, day))) {
    // The era in force that day: 2019-04-30 is still 平成31年.
    page.title = Format("%4d年(%s)", year, en.eras.EraYearsOn(JdnFromGregorian(year, month, day)).c_str());
  } else {
    const char* era = en.lunisolar.EraName(year);
    page.title = Format("%4d年(%s%d年)", year, era ? era : "", en.lunisolar.EraYear(year));
  }
  page.weekday = CalendarNames::DayOfWeek(year, month, day);
  page.holidayCode = en.holidays.HolidayCode(year, month, day, page.weekday);
  page.termCode = en.terms.TermOn(year, month, day);
  page.zassetsuCode = en.terms.ZassetsuOn(year, month, day);
  page.haikuButtonShown = extras.haikuPresent;
  // One row unit more than the page's first layout: the notes' own line.
  page.rowUnits = extras.temperaturesAvailable ? 15 : 14;

  // The geometry: eight column units across, n row units down.
  const int x0 = rect.left + 2;
  const int y0 = rect.top + 2;
  const int W = (rect.right - 2) - x0;
  const int g = W / 8;
  const int n = page.rowUnits;
  const int e = (rect.bottom - y0 - 2) / n;
  const int right = rect.right - 2;
  auto box = [&](int xFrom, int xTo, int yFrom, int yTo) { return GridRect{xFrom, yFrom, xTo, yTo}; };

  // Page fill, two pixels inside the control.
  DrawOp fill;
  fill.kind = DrawOp::Kind::Frame;
  fill.box = GridRect{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
  fill.color = kButtonFace;
  fill.background = kButtonFace;
  page.ops.push_back(fill);

  // Red on Sundays and holidays, blue on Saturdays.
  GridColor color = kBlack;
  if (page.weekday == 0) color = kRed;
  if (page.weekday == 6) color = kBlue;
  if (page.holidayCode != 0) color = kRed;
  page.textColor = color;
  PageBuilder out(page, color);

  const CalendarNames& names = en.calendar;
  // 0: the day number, centred.
  out.Text(0, box(x0 + g, x0 + 8 * g, y0 + e, y0 + 8 * e), 1, Format("%d", day),
           DrawOp::Align::Centre);
  // 2, 1: the weekday in English and in kanji.
  out.Text(2, box(x0 + 3 * g, x0 + 5 * g, y0 + 8 * e, y0 + 10 * e), 4,
           names.WeekdayNameEn(page.weekday));
  out.Text(1, box(x0 + 3 * g, x0 + 5 * g, y0 + 7 * e, y0 + 9 * e), 2,
           Format("%s曜", names.WeekdayKanji(page.weekday)));
  // 3: the Gregorian date with the month's size.
  out.Text(3, box(x0, x0 + 4 * g, y0 + 9 * e, y0 + 11 * e), 3,
           Format(CalendarNames::MonthLength(year, month) == 31 ? "  大%2d月%2d日" : "  小%2d月%2d日",
                  month, day));
  // 4: the lunisolar date with its month's size.
  if (lunar.year != 0) {
    const bool big = en.lunisolar.MonthDays(lunar.year, lunar.month) == 30;
    const char* label = en.lunisolar.MonthLabel(lunar.year, lunar.month);
    out.Text(4, box(x0, x0 + 4 * g, y0 + 10 * e, y0 + 12 * e), 3,
             Format(big ? "旧大%s月%2d日" : "旧小%s月%2d日", label ? label : "", lunar.day));
  }
  // 5: the nine-star; 6: 六曜; 7: the day's 干支 read aloud.
  out.Text(5, box(x0 + 4 * g, x0 + 6 * g, y0 + 9 * e, y0 + 11 * e), 3,
           en.nineStar.StarShortName(en.nineStar.DayStar(year, month, day).star));
  if (lunar.year != 0) {
    out.Text(6, box(x0 + 6 * g, x0 + 8 * g, y0 + 9 * e, y0 + 11 * e), 3,
             en.rokuyo.RokuyoName(en.lunisolar.RokuyoIndex(lunar.year, lunar.month, lunar.day)));
  }
  const int sexagenary = CalendarNames::SexagenaryDayIndex(year, month, day);
  out.Text(7, box(x0 + 4 * g, x0 + 8 * g, y0 + 10 * e, y0 + 12 * e), 3,
           en.eto.EtoReading(sexagenary));
  // 10: the picture of the day's earthly branch.
  out.Picture(10, box(x0 + 3 * g + W / 24, x0 + 5 * g + W / 24, y0 + 9 * e, y0 + 11 * e),
              sexagenary % 12);
  // 11, 12: the month's names.
  out.Text(11, box(x0, x0 + 6 * g, y0, y0 + e), 1,
           Format("%2d月(%s)", month, names.MonthNameEn(month - 1)));
  out.Text(12, box(x0, x0 + 7 * g, y0 + e, y0 + 2 * e), 2,
           Format("%s(%s)", names.MonthNameOld(month - 1), names.MonthNameReading(month - 1)));
  // 14, 15: the moon age and the drawn moon.
  const double* ages = en.moon.MoonAge09(year, month);
  page.moonAge = ages[day - 1];
  out.Text(14, box(x0, x0 + 4 * g, y0 + 2 * e, y0 + 4 * e), 3, Format("月齢 %2.1f", page.moonAge));
  for (DrawOp& op : MoonDrawing(box(x0, x0 + g + W / 16, y0 + 3 * e, y0 + 5 * e), page.moonAge))
    page.ops.push_back(std::move(op));
  // 16..18: the place, sunrise and sunset.
  out.Text(16, box(x0, x0 + 3 * g, y0 + 6 * e, y0 + 8 * e), 4, place.name);
  out.Text(17, box(x0, x0 + 3 * g, y0 + 6 * e + e / 2, y0 + 8 * e + e / 2), 4,
           "日の出 " + HoursMinutes(en.moon.Sunrise(place, year, month, day)));
  out.Text(18, box(x0, x0 + 3 * g, y0 + 7 * e, y0 + 9 * e), 4,
           "    入 " + HoursMinutes(en.moon.Sunset(place, year, month, day)));
  // 19, 20: moonrise and moonset; the tables are indexed by the day itself.
  const double rise = en.moon.MoonriseTable(place, year, month)[day];
  out.Text(19, box(x0, x0 + 3 * g, y0 + 7 * e + e / 2, y0 + 9 * e + e / 2), 4,
           "月の出 " + HoursMinutes(rise));
  const double set = en.moon.MoonsetTable(place, year, month)[day];
  out.Text(20, box(x0, x0 + 3 * g, y0 + 8 * e, y0 + 10 * e), 4, "    入 " + HoursMinutes(set));
  // 21: the moon's phase, on the day it falls.
  const MoonPhaseList phases = en.moon.MoonPhaseEvents(year, month);
  for (int i = 0; i < phases.count; ++i) {
    if (phases.events[i].day == day) {
      out.Text(21, box(x0, x0 + 3 * g, y0 + 5 * e, y0 + 7 * e), 4, phases.events[i].text);
      break;
    }
  }
  // 25..27: the day's notes under the dates.
  NotesLine(out, box(x0, right, y0 + 11 * e, y0 + 13 * e), en.notes.Notes(year, month, day, lunar));
  // 23: the normal temperature; 13: the haiku (one row lower with it).
  if (extras.temperaturesAvailable)
    out.Text(23, box(x0, right, y0 + 12 * e, y0 + 14 * e), 3, extras.temperatureText);
  if (extras.haikuPresent) {
    const int top = n == 15 ? y0 + 14 * e : y0 + 13 * e;
    out.Text(13, box(x0, right, top, top + 2 * e), 3,
             Format("%s %s %s", extras.haikuUpper.c_str(), extras.haikuMiddle.c_str(),
                    extras.haikuLower.c_str()));
  }
  // The annual schedule edit is filled here.
  page.scheduleOrder = page.ops.size();
  page.scheduleText = extras.scheduleText;
  // 8: the holiday.
  const GridRect holidayBox = box(x0 + 5 * g, right, y0 + 7 * e, y0 + 9 * e);
  if (page.holidayCode != 0) out.Text(8, holidayBox, 3, en.holidays.NameOfCode(page.holidayCode));
  // 9: the solar term, and the seasonal day.  On a day that is both (社日
  // on an equinox), the seasonal day follows the term's name in its row.
  const GridRect termBox = box(x0 + 5 * g, right, y0 + 8 * e, y0 + 10 * e);
  std::string season;
  if (page.termCode != 0) season = en.terms.TermName(page.termCode - SolarTermTable::kTermCodeBase);
  if (page.zassetsuCode != 0) {
    if (!season.empty()) season += "・";
    season += en.terms.ZassetsuName(page.zassetsuCode - 1);
  }
  out.Text(9, termBox, 3, season);
  // 24: the month's birthstone and flower.
  const int stoneTop = n == 15 ? y0 + 13 * e : y0 + 12 * e;
  out.Text(24, box(x0, right, stoneTop, stoneTop + 2 * e), 3,
           Format("誕生石・花 %s,%s", en.terms.Birthstone(month), en.terms.BirthFlower(month)));
  return page;
}

DayTextData::DayTextData(const std::string& programDirectory, int place)
    : DayTextData(programDirectory, LocationTable().Place(place)) {}

DayTextData::DayTextData(const std::string& programDirectory, const ObservingPlace& place)
    : schedulePath_(TextDataPath(programDirectory, "annual.txt")),
      temperatures_(std::make_unique<NormalTemperatureTable>(
          TextDataPath(programDirectory, "weather.txt"))) {
  // A place of the user's own has no station (group -1): no temperatures.
  temperaturesAvailable_ = temperatures_->Build(place.group) != 0;
}

DayTextData::~DayTextData() = default;

DayPageExtras DayTextData::For(int year, int month, int day) {
  DayPageExtras extras;
  const HaikuRecord haiku = HaikuOfDay(DayPageContent::HaikuIndex(year, month, day));
  extras.haikuPresent = haiku.present != 0;
  extras.haikuUpper = haiku.upper;
  extras.haikuMiddle = haiku.middle;
  extras.haikuLower = haiku.lower;
  extras.temperaturesAvailable = temperaturesAvailable_;
  if (temperaturesAvailable_) extras.temperatureText = temperatures_->TextFor(month, day);
  // A missing schedule is said once, not at every date the user steps to.
  if (!scheduleMissing_ &&
      AnnualScheduleReader::ReadEntry(schedulePath_, month, day, extras.scheduleText,
                                      kScheduleLineWidth) != 0) {
    scheduleMissing_ = true;
    extras.scheduleText.clear();
  }
  return extras;
}

int DayPageContent::TermCode(int year, int month, int day) const {
  return engines_->terms.TermOn(year, month, day);
}

std::string DayPageContent::TermGreeting(int termCode) const {
  const int index = termCode - SolarTermTable::kTermCodeBase;
  return Format("今日は%sです。\n\n%s", engines_->terms.TermName(index),
                engines_->terms.TermDescription(index));
}

int DayPageContent::HaikuIndex(int year, int month, int day) {
  return CalendarNames::DayOfYear(year, month, day);
}

const DrawOp* DayPage::CellText(int cell) const {
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Kind::Text && op.cell == cell) return &op;
  return nullptr;
}

std::vector<std::string> ScheduleLines(const std::string& filled, int width) {
  std::vector<std::string> lines;
  std::string_view rest = filled;
  while (!rest.empty()) {
    std::string_view piece = TruncateToWidth(rest, width);
    // A character wider than the whole line still has to move on.
    if (piece.empty()) piece = rest.substr(0, 1);
    rest.remove_prefix(piece.size());
    while (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    // Only filling blanks: the rest of a line, not a line of its own.
    if (!piece.empty()) lines.emplace_back(piece);
  }
  return lines;
}

std::string DayPage::ToText() const {
  std::string out = title + '\n';
  auto schedule = [&] {
    for (const std::string& line : ScheduleLines(scheduleText)) out += line + '\n';
  };
  for (size_t i = 0; i < ops.size(); ++i) {
    if (i == scheduleOrder) schedule();
    if (ops[i].kind == DrawOp::Kind::Text) out += ops[i].text + '\n';
  }
  if (scheduleOrder >= ops.size()) schedule();
  return out;
}

// --- Spins ------------------------------------------------------------------

DayDate StepDayYear(const DayDate& date, int v, bool& beep) {
  beep = false;
  // A year the page cannot show is refused as a whole: the date stays.
  if (v < kDayPageFirstYear || v > kDayPageLastYear) {
    beep = true;
    return date;
  }
  DayDate next = date;
  if (v < date.year) {
    next.month = 12;
    next.day = 31;
  } else if (v > date.year) {
    next.month = 1;
    next.day = 1;
  }
  next.year = v;
  return next;
}

DayDate StepDayMonth(const DayDate& date, int v, bool& beep) {
  beep = false;
  if (v <= 0) {
    beep = true;
    v = 1;
  } else if (v >= 13) {
    beep = true;
    v = 12;
  }
  DayDate next = date;
  if (v < date.month) next.day = CalendarNames::MonthLength(date.year, v);
  if (v > date.month) next.day = 1;
  next.month = v;
  return next;
}

DayDate StepDayDay(const DayDate& date, int v, bool& beep) {
  beep = false;
  const int length = CalendarNames::MonthLength(date.year, date.month);
  if (v <= 0) {
    beep = true;
    v = 1;
  } else if (v > length) {
    beep = true;
    v = length;
  }
  DayDate next = date;
  next.day = v;
  return next;
}

std::string DateText(int year, int month, int day) {
  return Format("%02d/%02d/%02d", month, day, ((year % 100) + 100) % 100);
}

std::string TimeText(int hours, int minutes, int seconds) {
  return Format("%02d:%02d:%02d", hours, minutes, seconds);
}

bool GreetingDue(const std::string& lastDate, const std::string& todayText, int termCode) {
  if (termCode == 0) return false;
  if (todayText > lastDate) return true;
  // The two-digit year at the end: a new year whose date text sorts lower.
  auto yearOf = [](const std::string& text) {
    if (text.size() < 2) return 0;
    return std::atoi(text.substr(text.size() - 2).c_str());
  };
  return yearOf(lastDate) < yearOf(todayText);
}

}  // namespace korvane
