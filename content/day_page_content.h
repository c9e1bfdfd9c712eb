#pragma once
// The tear-off day calendar's page (日めくり), computed without a window.
//
// One day on one painted page: the big day number, the weekday, the
// Gregorian and lunisolar dates with their month sizes, 九星, 六曜, the
// day's 干支 and its animal picture, the day's notes (十二直, 二十八宿 and
// the 選日 / 下段 notes), holiday, solar term and seasonal day,
// the month's names, moon age with a drawn moon, sun and moon times at the
// chosen place, the haiku of the day, the normal temperature and the
// month's birthstone and flower.  The page is a list of draw operations in
// drawing order, like a month grid's; the dialog paints it, korvane-print
// prints its texts and the tests read it.
//
// The day's texts from the TxtData files (haiku, normal temperature, annual
// schedule) are read by the caller and passed in as DayPageExtras, so the
// page itself touches no file.
#include <memory>
#include <string>
#include <vector>

#include "astro/location_table.h"
#include "engine/calendar_law.h"
#include "content/grid/grid_page.h"

class NormalTemperatureTable;

namespace korvane {

// What the text data add to a day.
struct DayPageExtras {
  // The day's haiku record, when the table holds one ("..." is shown only then).
  bool haikuPresent = false;
  std::string haikuUpper;
  std::string haikuMiddle;
  std::string haikuLower;
  // Whether normal temperatures are available for the place (the page then
  // has 15 row units instead of 14), and the day's text (may be empty).
  bool temperaturesAvailable = false;
  std::string temperatureText;
  // The day's entry of the annual schedule, blank-filled to its line width.
  std::string scheduleText;
};

// The day calendar's text data for one place, read from the "TxtData"
// folder: the haiku table, the normal temperatures of the place's station
// ("weather.txt", read once) and the annual schedule ("annual.txt", read
// for every day shown).  A missing file is reported once, by its reader.
class DayTextData {
 public:
  DayTextData(const std::string& programDirectory, int place);
  DayTextData(const std::string& programDirectory, const ObservingPlace& place);
  ~DayTextData();
  DayTextData(const DayTextData&) = delete;
  DayTextData& operator=(const DayTextData&) = delete;

  bool temperaturesAvailable() const { return temperaturesAvailable_; }
  DayPageExtras For(int year, int month, int day);

 private:
  std::string schedulePath_;
  std::unique_ptr<NormalTemperatureTable> temperatures_;
  bool temperaturesAvailable_ = false;
  bool scheduleMissing_ = false;
};

struct DayPage {
  // The dialog's window title: under the current law "%4d年(%s)" with the
  // era years in force that day ("2019年(令和元年)"); under the published
  // rules "%4d年(%s%d年)" with the lunisolar year's era.
  std::string title;
  GridRect page;          // the client rectangle of the page control
  int rowUnits = 14;      // n: 14, or 15 with normal temperatures
  int weekday = 0;        // 0 = Sunday
  int holidayCode = 0;    // 0 = none
  int termCode = 0;       // index + 20, 0 = none
  int zassetsuCode = 0;   // 1..13, 0 = none
  double moonAge = 0.0;
  GridColor textColor;
  bool haikuButtonShown = false;
  std::string scheduleText;
  // How many operations come before the schedule edit is filled (its place
  // in the drawing order).
  size_t scheduleOrder = 0;
  std::vector<DrawOp> ops;

  // The first text operation of `cell`, or nullptr.
  const DrawOp* CellText(int cell) const;
  // The window title, then every text of the page, one per line, in
  // drawing order; the schedule entry at its place, without the blanks
  // that fill its lines.
  std::string ToText() const;
};

// The width, in display columns, to which the schedule reader fills each
// line of a day's entry.
inline constexpr int kScheduleLineWidth = 40;

// The lines of a blank-filled schedule entry: every `width` columns a new
// line, without the filling blanks.
std::vector<std::string> ScheduleLines(const std::string& filled, int width = kScheduleLineWidth);

// The dates the page can show: inside the lunisolar table, and wholly
// inside the years whose solar terms, nine stars and holidays are computed
// (the page never shows a range message).
inline constexpr int kDayPageFirstYear = 1853;
inline constexpr int kDayPageLastYear = 2050;

// The size of the page control at the dialog's font (150 x 195 dialog
// units), for callers without a window.
inline constexpr GridRect kDefaultDayPageRect{0, 0, 225, 293};

class DayPageContent {
 public:
  // The holidays and the era follow `law` (the dialog passes the shared
  // CurrentLaw).
  explicit DayPageContent(CalendarLaw law = CalendarLaw::AsPublished);
  ~DayPageContent();
  DayPageContent(const DayPageContent&) = delete;
  DayPageContent& operator=(const DayPageContent&) = delete;

  // The whole page of (year, month, day) at place `place` (an index of the
  // place table; an index outside it means the default place) in the page
  // rectangle `page`.
  DayPage Page(int year, int month, int day, int place, const GridRect& page,
                const DayPageExtras& extras);
  // The same at any place; its times are in the place's UTC offset.
  DayPage Page(int year, int month, int day, const ObservingPlace& place, const GridRect& page,
               const DayPageExtras& extras);

  // The day's solar-term code (index + 20), 0 on other days.
  int TermCode(int year, int month, int day) const;
  // "今日は%sです。\n\n%s": the greeting of a solar-term day.
  std::string TermGreeting(int termCode) const;
  // The haiku index of a date (January 1 = 0; 365 only on 31 December of a
  // leap year).
  static int HaikuIndex(int year, int month, int day);

 private:
  struct Engines;
  std::unique_ptr<Engines> engines_;
};

// The drawn moon of age `age` (days) in `cell`, as the page draws it: a
// yellow disc on black, the unlit part covered by a black half and an
// ellipse whose width follows the age.  The operations belong to cell 15.
std::vector<DrawOp> MoonDrawing(const GridRect& cell, double age);

// --- The rules of the dialog, without the dialog -------------------------

// The shown date and the range of the day control.
struct DayDate {
  int year = 0;
  int month = 1;
  int day = 1;
};

// A step of one of the three spins: the new value v is the control's
// position plus the step.  Each returns the new date; `beep` is set when
// the step was refused or cut at a bound.
//  - Year: stepping down goes to 31 December of the year before, up to
//    1 January of the year after.  A year outside the page's years is
//    refused with the beep and changes nothing.
//  - Month: stays in 1..12 (no wrap into the neighbouring year); stepping
//    down goes to the last day of the new month, up to its first day.
//  - Day: stays in 1..the month's length (no wrap into another month).
DayDate StepDayYear(const DayDate& date, int v, bool& beep);
DayDate StepDayMonth(const DayDate& date, int v, bool& beep);
DayDate StepDayDay(const DayDate& date, int v, bool& beep);

// The C library's date and time texts: "MM/DD/YY" and "HH:MM:SS".
std::string DateText(int year, int month, int day);
std::string TimeText(int hours, int minutes, int seconds);

// Whether the solar-term greeting is due: today's date text is later than
// the stored one in byte order, or the stored text's two-digit year is
// smaller than today's; and today is a solar-term day.
bool GreetingDue(const std::string& lastDate, const std::string& todayText, int termCode);

}  // namespace korvane
