#pragma once
// One day in every calendar the almanac knows, and the texts that name a day.
//
// A day can be typed as
//   和暦        天保3年閏11月5日, 令和元年5月1日 (either spelling of an era)
//   旧暦        旧1832-11-05, 旧1832-閏11-05, 旧1832年閏11月5日
//   Gregorian   1832-12-26, 1832/12/26, 1832年12月26日
//   Julian      J1582-10-04
//   JDN         JDN2390544
// with full-width digits or kanji numbers (天保三年閏十一月五日, 廿五日,
// 正月, 朔日) allowed and 「」 around the whole.  Whatever names
// no day of 593-02-09..2051-12-31 is refused with one line saying why.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/era_days.h"

enum class DateForm { Wareki, Lunisolar, Gregorian, Julian, Jdn };

struct DateTextResult {
  long jdn = -1;  // -1 when refused
  DateForm form = DateForm::Gregorian;
  std::string error;  // one line when refused
  bool ok() const { return jdn >= 0; }
};

DateTextResult ParseDateText(std::string_view text, const EraDays& eras);

// The lunisolar date with its month number and 閏 flag; (0, false) for no date.
struct LunisolarMonthDay {
  int year = 0;
  int month = 0;
  bool leap = false;
  int day = 0;
};

struct DayConversion {
  long jdn = -1;
  std::vector<EraInForce> eras;     // one, or North and South
  std::vector<WarekiDate> wareki;   // written in each of `eras`
  LunisolarMonthDay lunisolar;
  int lunisolarPosition = 0;        // month position in the lunisolar year
  GregorianDate gregorian;
  GregorianDate julian;
  // The Julian form is the one a Western date is conventionally given in
  // before 1582-10-15; from then on the Gregorian one.
  bool julianConventional = false;
  int yearEto = -1;   // 0..59 of the year a 和暦 date counts by
  int dayEto = -1;    // 0..59
  int rokuyo = -1;    // 0..5
  int weekday = -1;   // 0 = Sunday
};

// Empty (jdn -1) outside the range.
DayConversion ConvertDay(long jdn, const EraDays& eras);

// "1832年閏11月5日".
std::string LunisolarText(const LunisolarMonthDay& date);
// "1832-12-26"; the same for a Julian date.
std::string WesternText(const GregorianDate& date);

// One (key, value) per calendar, in the order 和暦 (or 和暦(北朝) and
// 和暦(南朝)), 旧暦, 西暦, ユリウス暦, JDN, 年干支, 日干支, 六曜, 曜日.
std::vector<std::pair<std::string, std::string>> ConversionLines(const DayConversion& day,
                                                                 const EraDays& eras);
