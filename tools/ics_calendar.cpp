#include "tools/ics_calendar.h"

#include <cmath>

#include "astro/solar_term_instant.h"
#include "astro/sun_ephemeris.h"
#include "engine/calendar_names.h"
#include "engine/calendar_law.h"
#include "engine/format.h"
#include "engine/holiday_calendar.h"
#include "engine/lunisolar_table.h"
#include "engine/rokuyo_cycle.h"
#include "engine/solar_term_table.h"

namespace korvane {
namespace {

constexpr const char* kDomain = "korvane.invalid";

std::string DateText(int y, int m, int d) { return Format("%04d%02d%02d", y, m, d); }

// The notes' UIDs, by DayNote order: fixed, so that a new export updates
// the events of an old one.
constexpr const char* kNoteKeys[DayNoteSet::kCount] = {
    "tenshanichi", "ichiryumanbai", "fujojubi",  "sanrinbo",  "daimyonichi", "bosonichi",
    "tenonnichi",  "kishukunichi",  "gettoku",   "jushi",     "jushi10",     "kiko",
    "chiimi",      "omo",           "happo",     "happomabi", "jippogure",   "tenichitenjo",
    "otsuchi",     "tsuchimabi",    "kotsuchi",  "kinoene",   "tsuchinotomi", "koshin",
    "kanotori",    "torabi",        "mibi"};

class Writer {
 public:
  explicit Writer(std::time_t stamp) {
    std::tm utc{};
    gmtime_r(&stamp, &utc);
    stamp_ = Format("%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1,
                    utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  }

  void Line(const std::string& line) { out_ += FoldIcsLine(line); }

  // An all-day event; `busy` events (holidays) block time, the others are
  // notes on the day.
  void Event(const std::string& uid, int y, int m, int d, const std::string& summary,
             const std::string& category, const std::string& description, bool busy) {
    int ny = y, nm = m, nd = d;
    StepGregorianDays(ny, nm, nd, 1);
    Line("BEGIN:VEVENT");
    Line("UID:" + uid + "@" + kDomain);
    Line("DTSTAMP:" + stamp_);
    Line("DTSTART;VALUE=DATE:" + DateText(y, m, d));
    Line("DTEND;VALUE=DATE:" + DateText(ny, nm, nd));
    Line("SUMMARY:" + EscapeIcsText(summary));
    if (!description.empty()) Line("DESCRIPTION:" + EscapeIcsText(description));
    Line("CATEGORIES:" + EscapeIcsText(category));
    Line(busy ? "TRANSP:OPAQUE" : "TRANSP:TRANSPARENT");
    Line("END:VEVENT");
  }

  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
  std::string stamp_;
};

}  // namespace

std::string EscapeIcsText(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case ';': out += "\\;"; break;
      case ',': out += "\\,"; break;
      case '\n': out += "\\n"; break;
      case '\r': break;
      default: out += c;
    }
  }
  return out;
}

std::string FoldIcsLine(const std::string& line) {
  std::string out;
  size_t start = 0;
  size_t limit = 75;  // the first line; continuations lose one octet to the space
  while (line.size() - start > limit) {
    size_t cut = start + limit;
    // Back up to the first byte of a UTF-8 character.
    while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out.append(line, start, cut - start);
    out += "\r\n ";
    start = cut;
    limit = 74;
  }
  out.append(line, start, std::string::npos);
  out += "\r\n";
  return out;
}

std::string IcsCalendar(const IcsOptions& options) {
  const LunisolarTable lunar(options.law);
  const SolarTermTable& terms = lunar.SolarTerms();
  const KoyomiNotes notes(options.law);
  const HolidayCalendar holidays(options.law);
  const RokuyoCycle rokuyo;
  const SunEphemeris sun;

  Writer w(options.stamp);
  w.Line("BEGIN:VCALENDAR");
  w.Line("VERSION:2.0");
  w.Line("PRODID:-//Korvane//Korvane almanac//JA");
  w.Line("CALSCALE:GREGORIAN");
  w.Line("METHOD:PUBLISH");
  w.Line("X-WR-CALNAME:" + EscapeIcsText("コルヴァン 暦"));
  w.Line("X-WR-TIMEZONE:Asia/Tokyo");

  for (int year = options.fromYear; year <= options.toYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int days = CalendarNames::MonthLength(year, month);
      for (int day = 1; day <= days; ++day) {
        const std::string date = DateText(year, month, day);
        if (options.holidays) {
          const int code =
              holidays.HolidayCode(year, month, day, CalendarNames::DayOfWeek(year, month, day));
          if (code != 0)
            w.Event("holiday-" + date, year, month, day, holidays.NameOfCode(code), "祝日", "",
                    true);
        }
        if (options.terms) {
          const int code = terms.TermOn(year, month, day);
          if (code != 0) {
            const int index = code - SolarTermTable::kTermCodeBase;
            const double longitude = SolarTermLongitude(index);
            int y = year, m = month, d = day;
            int minutes;
            if (options.law == CalendarLaw::Current) {
              // The term's day is its instant's day: the minutes come with it.
              minutes = int(std::lround((terms.TermDay(year, index) - day) * 1440));
            } else {
              // The formula's day, and the instant wherever it falls.
              minutes = int(std::lround(HoursToSunLongitude(sun, year, month, day, longitude) * 60));
              const int days = minutes >= 0 ? minutes / 1440 : -((1439 - minutes) / 1440);
              minutes -= days * 1440;
              StepGregorianDays(y, m, d, days);
            }
            w.Event(Format("term-%04d-%02d", year, index), year, month, day,
                    terms.TermName(index), "二十四節気",
                    Format("太陽黄経 %d度 %04d-%02d-%02d %02d:%02d頃 (日本時)", int(longitude), y,
                           m, d, minutes / 60, minutes % 60),
                    false);
          }
        }
        if (options.zassetsu) {
          const int code = terms.ZassetsuOn(year, month, day);
          if (code != 0)
            w.Event(Format("zassetsu-%s-%02d", date.c_str(), code), year, month, day,
                    terms.ZassetsuName(code - 1), "雑節", "", false);
        }
        if (options.notes) {
          const DayNoteSet chosen = notes.Notes(year, month, day).notes & options.noteChoice;
          for (int i = 0; i < DayNoteSet::kCount; ++i) {
            const DayNote note = static_cast<DayNote>(i);
            if (!chosen.Has(note)) continue;
            w.Event(Format("note-%s-%s", date.c_str(), kNoteKeys[i]), year, month, day,
                    KoyomiNotes::NoteName(note), "暦注", KoyomiNotes::NoteRule(note), false);
          }
        }
        if (options.rokuyo || options.lunar) {
          const LunisolarDate l = lunar.FromGregorian(year, month, day);
          const int number = l.leapPosition && l.month >= l.leapPosition ? l.month - 1 : l.month;
          const bool leap = l.leapPosition != 0 && l.month == l.leapPosition;
          if (options.rokuyo) {
            w.Event("rokuyo-" + date, year, month, day,
                    rokuyo.RokuyoName(lunar.RokuyoIndex(l.year, l.month, l.day)), "六曜", "",
                    false);
          }
          if (options.lunar) {
            w.Event("lunar-" + date, year, month, day,
                    Format("旧暦 %s%d月%d日", leap ? "閏" : "", number, l.day), "旧暦",
                    Format("旧暦 %d年 %s%d月%d日", l.year, leap ? "閏" : "", number, l.day),
                    false);
          }
        }
      }
    }
  }
  w.Line("END:VCALENDAR");
  return w.Take();
}

}  // namespace korvane
