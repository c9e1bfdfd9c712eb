#include "content/grid/month_grid_content.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/koyomi_notes.h"
#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/holiday_calendar.h"
#include "engine/lunisolar_table.h"
#include "engine/nine_star_cycle.h"
#include "engine/rokuyo_cycle.h"
#include "engine/solar_term_table.h"

namespace korvane {

GridColor CurrentColor(int column) {
  if (column == 0) return kRed;
  if (column == 6) return kBlue;
  return GridColor::System(SystemColor::WindowText);
}

GridColor OtherColor(int column) {
  if (column == 0) return kRed;
  if (column == 6) return kBlue;
  return GridColor::System(SystemColor::GrayText);
}

// The engine objects of one view, built with the view and kept for its life.
struct MonthGridContent::Engines {
  CalendarNames calendar;
  std::optional<LunisolarTable> lunisolar;
  std::optional<EtoCycle> eto;
  std::optional<RokuyoCycle> rokuyo;
  std::optional<NineStarCycle> nineStar;
  std::optional<HolidayCalendar> holidays;
  std::optional<SolarTermTable> terms;
  std::optional<KoyomiNotes> notes;
};

// The 42 day cells of one month: the number each shows and the dates it
// stands for, before any attribute is looked up.
struct MonthGridContent::CellPlan {
  int firstWeekday = 0;
  int daysInMonth = 0;
  int number[42] = {};
  bool other[42] = {};
  // Gregorian dates: filled up front in the Gregorian kinds, by the walk in
  // the lunisolar kinds.
  GregorianDate gregorian[42];
  // Lunisolar dates: filled up front in the lunisolar kinds, by the walk in
  // the Gregorian kinds that need them.
  LunisolarDate lunar[42];
  // Holidays whose number is drawn in red without a name (暦注ｶﾚﾝﾀﾞｰ).
  bool redNumber[42] = {};
};

MonthGridContent::MonthGridContent(GridKind kind, CalendarLaw law)
    : info_(&GridKindInfoOf(kind)), law_(law), engines_(std::make_unique<Engines>()) {
  const GridKindInfo& k = *info_;
  if (k.lunisolar || k.lower == LowerText::Rokuyo || k.lower == LowerText::LunarDate ||
      k.lower == LowerText::Koyomi)
    engines_->lunisolar.emplace(law);
  if (k.lower == LowerText::Eto) engines_->eto.emplace();
  if (k.lower == LowerText::Rokuyo) engines_->rokuyo.emplace();
  if (k.lower == LowerText::NineStar) engines_->nineStar.emplace(law);
  if (k.upper == UpperText::Holiday || k.upper == UpperText::HolidayOrTerm)
    engines_->holidays.emplace(law);
  if (k.upper == UpperText::Term || k.upper == UpperText::HolidayOrTerm) engines_->terms.emplace(law);
  if (k.lower == LowerText::Koyomi) {
    engines_->notes.emplace(law);
    engines_->rokuyo.emplace();
    engines_->holidays.emplace(law);
  }
}

MonthGridContent::~MonthGridContent() = default;

std::string MonthGridContent::Title(int year, int month) const {
  if (!info_->lunisolar) return Format("%s %d年 %d月", info_->caption(), year, month);
  const char* label = engines_->lunisolar->MonthLabel(year, month);
  return Format("%s 旧暦  %d年 %s月", info_->caption(), year, label ? label : "");
}

int MonthGridContent::MonthsInYear(int year) const {
  if (!info_->lunisolar) return 12;
  return engines_->lunisolar->HasLeapMonth(year) == 1 ? 13 : 12;
}

int MonthGridContent::CorrectedMonth(int year, int month) const {
  if (info_->lunisolar && month > 12 && MonthsInYear(year) == 12) return 12;
  return month;
}

namespace {

// Whether a Gregorian date has a lunisolar date in the table, asked without
// letting the table report a range error.
bool InLunisolarTable(int y, int m, int d) {
  if (y < LunisolarTable::firstYear || y > LunisolarTable::lastYear) return false;
  if (m < 1 || m > 12 || d < 1 || d > CalendarNames::MonthLength(y, m)) return false;
  return CalendarNames::DayNumber(y, m, d) >= LunisolarTable::firstNewYearDayNumber;
}

// The character height for `text` in `box`: `height`, or less when the text
// would not fit between the frame lines.  The layout makes a two-column
// text (a kanji pair, a two-digit day) fill a cell; longer texts such as
// 振替休日 or 新04/15 would lose both ends at the cell's edges, so they are
// set just small enough to show whole.  In the fixed-pitch face a column is
// half the character height wide.
int FittingHeight(const std::string& text, int height, const GridRect& box) {
  const int columns = DisplayWidth(text);
  const int inner = box.width() - 2;
  if (columns <= 0 || inner <= 0 || height <= 0) return height;
  return std::max(1, std::min(height, inner * 2 / columns));
}

// The chief notes of the 暦注ｶﾚﾝﾀﾞｰ and their marks, in the order a cell
// shows them; the first two are drawn in red.  己巳 is a 巳の日 too, and
// then shows 己 alone.
struct NoteMark {
  DayNote note;
  const char* mark;
  const char* legend;
};
constexpr NoteMark kNoteMarks[] = {
    {DayNote::Tenshanichi, "◎", "天赦日"},  {DayNote::Ichiryumanbai, "●", "一粒万倍日"},
    {DayNote::Daimyonichi, "○", "大明日"},  {DayNote::Fujojubi, "×", "不成就日"},
    {DayNote::Sanrinbo, "▲", "三隣亡"},     {DayNote::Torabi, "寅", "寅の日"},
    {DayNote::Mibi, "巳", "巳の日"},        {DayNote::Tsuchinotomi, "己", "己巳"},
};
constexpr int kRedMarks = 2;
constexpr GridColor kMarkRed = GridColor::Rgb(208, 0, 0);

std::string MarksOf(DayNoteSet notes) {
  std::string marks;
  for (const NoteMark& m : kNoteMarks) {
    if (!notes.Has(m.note)) continue;
    if (m.note == DayNote::Mibi && notes.Has(DayNote::Tsuchinotomi)) continue;
    marks += m.mark;
  }
  return marks;
}

bool IsRedMark(std::string_view mark) {
  for (int i = 0; i < kRedMarks; ++i)
    if (mark == kNoteMarks[i].mark) return true;
  return false;
}

std::string Legend() {
  std::string legend;
  for (const NoteMark& m : kNoteMarks) {
    if (!legend.empty()) legend += "  ";
    // "寅寅の日" would read as one word: the mark stands apart from its name.
    legend += std::string(m.mark) + "=" + m.legend;
  }
  return legend;
}

// The characters of a UTF-8 text, one string each.
std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size();) {
    size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

}  // namespace

bool MonthGridContent::MonthOfDate(int y, int m, int d, int& year, int& month) const {
  if (!info_->lunisolar) {
    year = y;
    month = m;
    return true;
  }
  if (!InLunisolarTable(y, m, d)) return false;
  LunisolarDate date = engines_->lunisolar->FromGregorian(y, m, d);
  if (date.year == 0) return false;
  year = date.year;
  month = date.month;
  return true;
}

void MonthGridContent::PlanGregorian(int year, int month, CellPlan& plan) const {
  plan.firstWeekday = CalendarNames::DayOfWeek(year, month, 1);
  plan.daysInMonth = CalendarNames::MonthLength(year, month);
  int prevYear = month == 1 ? year - 1 : year;
  int prevMonth = month == 1 ? 12 : month - 1;
  int nextYear = month == 12 ? year + 1 : year;
  int nextMonth = month == 12 ? 1 : month + 1;
  int prevLength = CalendarNames::MonthLength(prevYear, prevMonth);
  for (int i = 0; i < 42; ++i) {
    if (i < plan.firstWeekday) {
      plan.number[i] = prevLength - plan.firstWeekday + 1 + i;
      plan.other[i] = true;
      plan.gregorian[i] = {prevYear, prevMonth, plan.number[i]};
    } else if (i < plan.firstWeekday + plan.daysInMonth) {
      plan.number[i] = i - plan.firstWeekday + 1;
      plan.gregorian[i] = {year, month, plan.number[i]};
    } else {
      plan.number[i] = i - plan.firstWeekday - plan.daysInMonth + 1;
      plan.other[i] = true;
      plan.gregorian[i] = {nextYear, nextMonth, plan.number[i]};
    }
  }
}

void MonthGridContent::PlanLunisolar(int year, int month, CellPlan& plan) const {
  const LunisolarTable& table = *engines_->lunisolar;
  plan.firstWeekday = table.LunarDayOfWeek(year, month, 1);
  plan.daysInMonth = table.MonthDays(year, month);
  // The month before index 1 is the last month of the previous year: its
  // leap month when that is the year's thirteenth month.
  int prevYear = year;
  int prevMonth = month - 1;
  if (month == 1) {
    prevYear = year - 1;
    prevMonth = table.HasLeapMonth(prevYear) == 1 ? 13 : 12;
  }
  int nextYear = year;
  int nextMonth = month + 1;
  if (month >= MonthsInYear(year)) {
    nextYear = year + 1;
    nextMonth = 1;
  }
  // A failed lookup (a year the table does not cover) leaves -1; keep the
  // cells well formed so nothing below reads outside the grid.
  if (plan.firstWeekday < 0) plan.firstWeekday = 0;
  if (plan.daysInMonth < 0) plan.daysInMonth = LunisolarTable::bigMonthDays;
  int prevLength = table.MonthDays(prevYear, prevMonth);
  if (prevLength < 0) prevLength = LunisolarTable::bigMonthDays;
  int prevLeap = table.LeapPosition(prevYear);
  int leap = table.LeapPosition(year);
  int nextLeap = nextYear == year ? leap : table.LeapPosition(nextYear);
  for (int i = 0; i < 42; ++i) {
    if (i < plan.firstWeekday) {
      plan.number[i] = prevLength - plan.firstWeekday + 1 + i;
      plan.other[i] = true;
      plan.lunar[i] = {prevYear, prevMonth, prevLeap, plan.number[i]};
    } else if (i < plan.firstWeekday + plan.daysInMonth) {
      plan.number[i] = i - plan.firstWeekday + 1;
      plan.lunar[i] = {year, month, leap, plan.number[i]};
    } else {
      plan.number[i] = i - plan.firstWeekday - plan.daysInMonth + 1;
      plan.other[i] = true;
      plan.lunar[i] = {nextYear, nextMonth, nextLeap, plan.number[i]};
    }
  }
  // The Gregorian date runs on by one day from cell to cell and is converted
  // afresh only when it passes the end of its Gregorian month.
  GregorianDate g = table.ToGregorian(plan.lunar[0].year, plan.lunar[0].month, plan.lunar[0].day);
  plan.gregorian[0] = g;
  for (int i = 1; i < 42; ++i) {
    ++g.day;
    if (g.day > CalendarNames::MonthLength(g.year, g.month)) {
      g = table.ToGregorian(plan.lunar[i].year, plan.lunar[i].month, plan.lunar[i].day);
    }
    plan.gregorian[i] = g;
  }
}

int MonthGridContent::TodayCell(const CellPlan& plan, const GridToday& today) const {
  if (today.year == 0) return -1;
  int year = 0;
  int month = 0;
  int day = today.day;
  if (info_->lunisolar) {
    if (!InLunisolarTable(today.year, today.month, today.day)) return -1;
    LunisolarDate date = engines_->lunisolar->FromGregorian(today.year, today.month, today.day);
    year = date.year;
    month = date.month;
    day = date.day;
  } else {
    year = today.year;
    month = today.month;
  }
  int index = plan.firstWeekday + day - 1;
  if (index < 0 || index >= 42 || plan.other[index]) return -1;
  // The plan's own month is the one every non-leading, non-trailing cell
  // carries; compare against it.
  if (info_->lunisolar) {
    if (plan.lunar[index].year != year || plan.lunar[index].month != month) return -1;
  } else {
    if (plan.gregorian[index].year != year || plan.gregorian[index].month != month) return -1;
  }
  return index;
}

GridPage MonthGridContent::Page(int year, int month, int width, int height,
                                const GridToday& today) {
  GridPage page;
  page.title = Title(year, month);
  page.width = width;
  page.height = height;
  // The 暦注ｶﾚﾝﾀﾞｰ keeps a strip under the grid for its legend, and its
  // cells hold three lines: the number, 六曜 and 十二直, and the marks.
  const bool koyomi = info_->lower == LowerText::Koyomi;
  const int legendHeight = koyomi ? std::max(12, height / 16) : 0;
  if (koyomi) page.legend = Legend();
  const MonthGrid& grid = page.grid = MonthGrid::FromClientSize(width, height - legendHeight);
  const int ch = grid.cellHeight;
  const int headerFont = ch - 2;
  const int dayFont = koyomi ? ch * 2 / 5 : info_->twoLine() ? ch / 2 : ch - 2;
  // At least a pixel, as every other text: the painter leaves out what cannot show.
  const int koyomiLineFont = std::max(1, ch * 3 / 10 - 1);
  const int holidayFont = ch / 2;
  const GridColor window = GridColor::System(SystemColor::Window);

  page.ops.reserve(49 + 7 + 42 * 2 + 1);
  // Frames: the header row, then the six week rows.
  for (int row = 0; row <= 6; ++row) {
    for (int c = 0; c < 7; ++c) {
      DrawOp op;
      op.kind = DrawOp::Kind::Frame;
      op.box = grid.Frame(c, row);
      op.color = kBlack;
      op.background = kWhite;
      op.column = c;
      op.row = row;
      page.ops.push_back(std::move(op));
    }
  }

  // Header: the weekday names in the colours of the month's own days.
  for (int c = 0; c < 7; ++c) {
    const char* name = info_->lunisolar ? engines_->lunisolar->WeekdayKanji(c)
                                        : engines_->calendar.WeekdayKanji(c);
    page.header[c] = name;
    DrawOp op;
    op.role = DrawOp::Role::Header;
    op.box = grid.TextBox(c, 0);
    op.text = name;
    op.color = CurrentColor(c);
    op.background = window;
    op.fontHeight = FittingHeight(op.text, headerFont, op.box);
    op.column = c;
    op.row = 0;
    page.ops.push_back(std::move(op));
  }

  CellPlan plan;
  if (info_->lunisolar) {
    PlanLunisolar(year, month, plan);
  } else {
    PlanGregorian(year, month, plan);
  }
  for (int i = 0; i < 42; ++i) {
    GridCell& cell = page.cells[i / 7][i % 7];
    cell.otherMonth = plan.other[i];
    cell.upper = Format("%d", plan.number[i]);
    cell.gregorianYear = plan.gregorian[i].year;
    cell.gregorianMonth = plan.gregorian[i].month;
    cell.gregorianDay = plan.gregorian[i].day;
    if (info_->lunisolar) {
      cell.lunarYear = plan.lunar[i].year;
      cell.lunarMonth = plan.lunar[i].month;
      cell.lunarDay = plan.lunar[i].day;
    }
  }
  WalkAttributes(plan, page);

  // The cells in drawing order: leading days, the month, trailing days,
  // which is simply the order of the grid.
  const bool normalLayout = info_->upper == UpperText::HolidayOrTerm;
  for (int i = 0; i < 42; ++i) {
    const int c = i % 7;
    const int row = i / 7 + 1;
    const GridCell& cell = page.cells[row - 1][c];
    // A cell text on the window background, in its column and row.
    auto cellText = [&](DrawOp::Role role, const GridRect& box, const std::string& text) {
      DrawOp op;
      op.role = role;
      op.box = box;
      op.text = text;
      op.background = window;
      op.column = c;
      op.row = row;
      return op;
    };
    DrawOp upper = cellText(DrawOp::Role::Upper, grid.TextBox(c, row), cell.upper);
    if (plan.redNumber[i] && !cell.otherMonth) {
      upper.color = CurrentColor(0);
      upper.fontHeight = FittingHeight(upper.text, dayFont, upper.box);
    } else if (cell.holiday) {
      upper.color = CurrentColor(0);
      upper.fontHeight = FittingHeight(upper.text, holidayFont, upper.box);
    } else {
      upper.color = cell.otherMonth ? OtherColor(c) : CurrentColor(c);
      // Day numbers share one height, that of two digits, so that a narrow
      // grid does not set 1..9 larger than 10..31.
      upper.fontHeight = FittingHeight(cell.term ? upper.text : "00", dayFont, upper.box);
      // A solar-term name in the two-line layout stands one pixel lower.
      if (cell.term && normalLayout) upper.box.top = grid.rowTop[row] + 2;
    }
    const GridColor upperColor = upper.color;
    page.ops.push_back(std::move(upper));
    if (koyomi) {
      const int left = grid.colLeft[c];
      const int right = grid.colLeft[c + 1] + 1;
      const int top = grid.rowTop[row];
      DrawOp lower = cellText(DrawOp::Role::Lower, GridRect{left, top + ch * 2 / 5 + 2, right, grid.rowTop[row + 1]},
                              cell.lower);
      lower.color = cell.otherMonth ? OtherColor(c) : CurrentColor(c);
      lower.fontHeight = FittingHeight(lower.text, koyomiLineFont, lower.box);
      page.ops.push_back(std::move(lower));
      // The marks side by side, centred, each in its own colour.
      const std::vector<std::string> marks = Characters(cell.marks);
      if (!marks.empty()) {
        const GridRect line{left, top + ch * 7 / 10 + 1, right, grid.rowTop[row + 1]};
        // Each mark's box keeps the frame's pixel on either side of it.
        const int h = FittingHeight(cell.marks, koyomiLineFont, GridRect{left, line.top, right - 2, line.bottom});
        const int markWidth = std::max(1, h);  // a full-width mark is two columns of h / 2
        int x = left + std::max(0, (line.width() - markWidth * static_cast<int>(marks.size())) / 2);
        for (const std::string& mark : marks) {
          DrawOp op = cellText(DrawOp::Role::Marks,
                               GridRect{x, line.top, std::min(x + markWidth + 2, right), line.bottom}, mark);
          op.align = DrawOp::Align::Left;
          op.color = IsRedMark(mark) ? kMarkRed : cell.otherMonth ? OtherColor(c) : CurrentColor(c);
          op.fontHeight = h;
          page.ops.push_back(std::move(op));
          x += markWidth;
        }
      }
    } else if (info_->twoLine()) {
      DrawOp lower = cellText(DrawOp::Role::Lower, grid.LowerBox(c, row), cell.lower);
      lower.color = upperColor;
      lower.fontHeight = FittingHeight(lower.text, dayFont, lower.box);
      page.ops.push_back(std::move(lower));
    }
  }

  // Today's number in window colour on blue, over whatever the cell holds.
  int todayIndex = TodayCell(plan, today);
  if (todayIndex >= 0) {
    const int c = todayIndex % 7;
    const int row = todayIndex / 7 + 1;
    page.cells[row - 1][c].today = true;
    DrawOp op;
    op.role = DrawOp::Role::Today;
    op.box = grid.TextBox(c, row);
    op.text = Format("%d", plan.number[todayIndex]);
    op.color = window;
    op.background = kBlue;
    op.fontHeight = FittingHeight("00", dayFont, op.box);
    op.column = c;
    op.row = row;
    page.ops.push_back(std::move(op));
  }

  if (koyomi) {
    DrawOp op;
    op.role = DrawOp::Role::Legend;
    op.align = DrawOp::Align::Left;
    op.box = GridRect{2, height - legendHeight + 1, width - 2, height - 1};
    op.text = page.legend;
    op.color = GridColor::System(SystemColor::WindowText);
    op.background = window;
    op.fontHeight = FittingHeight(op.text, legendHeight - 3, op.box);
    page.ops.push_back(std::move(op));
  }
  return page;
}

void MonthGridContent::WalkAttributes(CellPlan& plan, GridPage& page) {
  Engines& e = *engines_;
  auto cellAt = [&page](int i) -> GridCell& { return page.cells[i / 7][i % 7]; };

  // Lunisolar dates of a Gregorian grid: carried from cell to cell, and
  // converted afresh only when the day would pass the end of its month.
  if (!info_->lunisolar && e.lunisolar) {
    const LunisolarTable& table = *e.lunisolar;
    const GregorianDate& first = plan.gregorian[0];
    LunisolarDate date = table.FromGregorian(first.year, first.month, first.day);
    int length = table.MonthDays(date.year, date.month);
    for (int i = 0; i < 42; ++i) {
      if (i > 0) {
        ++date.day;
        if (date.day > length) {
          const GregorianDate& g = plan.gregorian[i];
          date = table.FromGregorian(g.year, g.month, g.day);
          length = table.MonthDays(date.year, date.month);
        }
      }
      plan.lunar[i] = date;
      GridCell& cell = cellAt(i);
      cell.lunarYear = date.year;
      cell.lunarMonth = date.month;
      cell.lunarDay = date.day;
    }
  }

  // Upper texts of the days of the month: a holiday name, else a term name.
  if (info_->upper != UpperText::Number) {
    for (int i = 0; i < 42; ++i) {
      if (plan.other[i]) continue;
      const GregorianDate& g = plan.gregorian[i];
      GridCell& cell = cellAt(i);
      if (e.holidays) {
        int code = e.holidays->HolidayCode(g.year, g.month, g.day, i % 7);
        if (code != 0) {
          const char* name = code < 50 ? e.holidays->HolidayName(code - 1)
                                       : e.holidays->PrewarHolidayName(code - 50);
          cell.upper = name;
          cell.holiday = true;
          continue;
        }
      }
      if (e.terms) {
        int code = e.terms->TermOn(g.year, g.month, g.day);
        if (code != 0) {
          cell.upper = e.terms->TermName(code - SolarTermTable::kTermCodeBase);
          cell.term = true;
        }
      }
    }
  }

  switch (info_->lower) {
    case LowerText::None:
      break;
    case LowerText::Eto: {
      // The sixty-day cycle runs on without a break from the first cell.
      int index = info_->lunisolar
                      ? e.lunisolar->LunarSexagenaryDayIndex(plan.lunar[0].year,
                                                             plan.lunar[0].month, plan.lunar[0].day)
                      : CalendarNames::SexagenaryDayIndex(
                            plan.gregorian[0].year, plan.gregorian[0].month, plan.gregorian[0].day);
      for (int i = 0; i < 42; ++i) {
        cellAt(i).lower = e.eto->EtoName(index);
        index = (index + 1) % 60;
      }
      break;
    }
    case LowerText::Rokuyo:
      for (int i = 0; i < 42; ++i) {
        const LunisolarDate& d = plan.lunar[i];
        int index = e.lunisolar->RokuyoIndex(d.year, d.month, d.day);
        cellAt(i).lower = index >= 0 ? e.rokuyo->RokuyoName(index) : "";
      }
      break;
    case LowerText::NineStar: {
      // The star steps by the direction of its period from day to day; on
      // the day the countdown runs out a new period begins and the triple is
      // computed afresh.
      const GregorianDate& first = plan.gregorian[0];
      NineStarDay star = e.nineStar->DayStar(first.year, first.month, first.day);
      for (int i = 0; i < 42; ++i) {
        if (i > 0) {
          if (--star.daysToSwitch <= 0) {
            const GregorianDate& g = plan.gregorian[i];
            star = e.nineStar->DayStar(g.year, g.month, g.day);
          } else {
            star.star = NineStarCycle::NextStar(star.star, star.direction);
          }
        }
        cellAt(i).lower = e.nineStar->StarShortName(star.star);
      }
      break;
    }
    case LowerText::LunarDate:
      for (int i = 0; i < 42; ++i) {
        const LunisolarDate& d = plan.lunar[i];
        const char* label = e.lunisolar->MonthLabel(d.year, d.month);
        cellAt(i).lower = Format("旧%s/%02d", label ? label : "", d.day);
      }
      break;
    case LowerText::Koyomi:
      // The lunisolar dates walked above serve the 六曜 and the notes alike.
      for (int i = 0; i < 42; ++i) {
        const GregorianDate& g = plan.gregorian[i];
        const LunisolarDate& d = plan.lunar[i];
        const int rokuyo = e.lunisolar->RokuyoIndex(d.year, d.month, d.day);
        GridCell& cell = cellAt(i);
        cell.lower = rokuyo >= 0 ? e.rokuyo->RokuyoName(rokuyo) : "";
        const DayNotes notes = e.notes->Notes(g.year, g.month, g.day, d);
        if (notes.valid) {
          cell.lower += ' ';
          cell.lower += KoyomiNotes::ChokuName(notes.choku);
          cell.marks = MarksOf(notes.notes);
        }
        plan.redNumber[i] = e.holidays->HolidayCode(g.year, g.month, g.day, i % 7) != 0;
      }
      break;
    case LowerText::GregorianDate:
      for (int i = 0; i < 42; ++i) {
        cellAt(i).lower = Format("新%02d/%02d", plan.gregorian[i].month, plan.gregorian[i].day);
      }
      break;
  }
}

}  // namespace korvane
