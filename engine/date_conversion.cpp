#include "engine/date_conversion.h"

#include <algorithm>
#include <cctype>

#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/format.h"
#include "engine/julian_day.h"
#include "engine/rokuyo_cycle.h"

namespace {

constexpr const char* kRangeMessage = "593年2月9日から2051年12月31日までの日だけを変換できます";

// Old documents write numbers in kanji: 三, 十一, 廿五, 一八三二.  A run of
// them becomes its ASCII number; "" when `text` does not start with one.
std::string KanjiNumber(std::string_view text, size_t& length) {
  static constexpr std::string_view kDigits[] = {"〇", "一", "二", "三", "四",
                                                 "五", "六", "七", "八", "九"};
  std::vector<int> digits;  // 0..9, or 10 for 十, 20 for 廿, 30 for 卅
  length = 0;
  for (;;) {
    const std::string_view rest = text.substr(length);
    int digit = -1;
    for (int d = 0; d < 10; ++d)
      if (rest.starts_with(kDigits[d])) digit = d;
    if (rest.starts_with("十")) digit = 10;
    if (rest.starts_with("廿")) digit = 20;
    if (rest.starts_with("卅")) digit = 30;
    if (digit < 0) break;
    digits.push_back(digit);
    length += 3;
  }
  if (digits.empty()) return {};
  int value = 0;
  const auto tens = std::find_if(digits.begin(), digits.end(), [](int d) { return d >= 10; });
  if (tens == digits.end()) {
    for (int d : digits) value = value * 10 + d;  // 一八三二
  } else if (tens - digits.begin() <= 1 && digits.end() - tens <= 2) {
    // 十, 二十, 十一, 二十五, 廿五; anything else is left for the reader to refuse.
    const int multiplier = tens == digits.begin() ? 1 : digits.front();
    value = (*tens == 10 ? multiplier * 10 : *tens) + (tens + 1 != digits.end() ? *(tens + 1) : 0);
    if (*tens != 10 && tens != digits.begin()) return {};
    if (tens + 1 != digits.end() && *(tens + 1) >= 10) return {};
  } else {
    return {};
  }
  return std::to_string(value);
}

// Full-width digits and signs as their ASCII forms, kanji numbers as ASCII
// ones (正月 as 1月, 朔日 as 1日), spaces dropped, and the quotation marks
// around the whole taken off.
std::string Normalize(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    // U+FF01..U+FF5E are the full-width forms of U+0021..U+007E: EF BC 81 ..
    // EF BD 9E.
    if (c == 0xEF && i + 2 < text.size()) {
      const unsigned char b1 = static_cast<unsigned char>(text[i + 1]);
      const unsigned char b2 = static_cast<unsigned char>(text[i + 2]);
      int code = -1;
      if (b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF) code = 0x21 + (b2 - 0x81);
      if (b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E) code = 0x60 + (b2 - 0x80);
      if (code >= 0) {
        out += static_cast<char>(code);
        i += 3;
        continue;
      }
    }
    if (text.substr(i, 3) == "　") {  // ideographic space
      i += 3;
      continue;
    }
    if (text.substr(i).starts_with("正月")) {
      out += "1月";
      i += 6;
      continue;
    }
    if (text.substr(i).starts_with("朔日")) {
      out += "1日";
      i += 6;
      continue;
    }
    size_t length = 0;
    const std::string number = KanjiNumber(text.substr(i), length);
    if (!number.empty()) {
      out += number;
      i += length;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    out += text[i++];
  }
  const std::string open = "「";
  const std::string close = "」";
  if (out.size() >= open.size() + close.size() && out.starts_with(open) && out.ends_with(close))
    out = out.substr(open.size(), out.size() - open.size() - close.size());
  return out;
}

// A reader over the normalized text.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  bool Take(std::string_view word) {
    if (text_.substr(pos_).starts_with(word)) {
      pos_ += word.size();
      return true;
    }
    return false;
  }
  // Up to 9 digits; false when there is no digit or too many.
  bool Number(int& value) {
    size_t end = pos_;
    while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end]))) ++end;
    if (end == pos_ || end - pos_ > 9) return false;
    value = std::stoi(std::string(text_.substr(pos_, end - pos_)));
    pos_ = end;
    return true;
  }
  // The text up to the first digit or 元.
  std::string_view Name() {
    size_t end = pos_;
    while (end < text_.size() && !std::isdigit(static_cast<unsigned char>(text_[end])) &&
           !text_.substr(end).starts_with("元年"))
      ++end;
    std::string_view name = text_.substr(pos_, end - pos_);
    pos_ = end;
    return name;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// month, day after the year: "-MM-DD" / "/MM/DD" or "年MM月DD日", with 閏
// before the month when `leapAllowed`.
bool MonthDay(Cursor& in, bool leapAllowed, int& month, bool& leap, int& day) {
  leap = false;
  if (in.Take("年")) {
    if (leapAllowed) leap = in.Take("閏");
    return in.Number(month) && in.Take("月") && in.Number(day) && in.Take("日") && in.AtEnd();
  }
  for (const char* sep : {"-", "/"}) {
    if (!in.Take(sep)) continue;
    if (leapAllowed) leap = in.Take("閏");
    return in.Number(month) && in.Take(sep) && in.Number(day) && in.AtEnd();
  }
  return false;
}

DateTextResult Refuse(DateForm form, std::string error) { return {-1, form, std::move(error)}; }

DateTextResult Accept(DateForm form, long jdn) {
  if (!EraDays::InRange(jdn)) return Refuse(form, kRangeMessage);
  return {jdn, form, {}};
}

DateTextResult Western(Cursor& in, DateForm form) {
  int year = 0, month = 0, day = 0;
  bool leap = false;
  if (!in.Number(year) || !MonthDay(in, false, month, leap, day)) return Refuse(form, {});
  const bool julian = form == DateForm::Julian;
  if (!(julian ? korvane::IsValidJulian(year, month, day)
               : korvane::IsValidGregorian(year, month, day))) {
    return Refuse(form, korvane::Format("%sの%d年%d月に%d日はありません",
                                        julian ? "ユリウス暦" : "西暦", year, month, day));
  }
  return Accept(form, julian ? korvane::JdnFromJulian(year, month, day)
                             : korvane::JdnFromGregorian(year, month, day));
}

DateTextResult Lunisolar(Cursor& in, const LunisolarTable& table) {
  const DateForm form = DateForm::Lunisolar;
  int year = 0, month = 0, day = 0;
  bool leap = false;
  if (!in.Number(year) || !MonthDay(in, true, month, leap, day)) return Refuse(form, {});
  if (year < LunisolarTable::firstYear || year > LunisolarTable::lastYear)
    return Refuse(form, korvane::Format("旧暦は%d年から%d年までです", LunisolarTable::firstYear,
                                        LunisolarTable::lastYear));
  if (month < 1 || month > 12) return Refuse(form, korvane::Format("%d月はありません", month));
  const int leapPosition = table.LeapPosition(year);
  if (leap && leapPosition != month + 1)
    return Refuse(form, korvane::Format("旧暦%d年に閏%d月はありません", year, month));
  int position = month;
  if (leap || (leapPosition != 0 && month >= leapPosition)) ++position;
  const int days = table.MonthDays(year, position);
  if (day < 1 || day > days) {
    return Refuse(form, korvane::Format("旧暦%d年%s%d月は%sの月で、%d日までです", year,
                                        leap ? "閏" : "", month,
                                        days == LunisolarTable::bigMonthDays ? "大" : "小", days));
  }
  return Accept(form, korvane::JdnFromGregorian(table.ToGregorian(year, position, day)));
}

DateTextResult Wareki(Cursor& in, const EraDays& eras) {
  const DateForm form = DateForm::Wareki;
  const std::string name(in.Name());
  const int era = eras.FindEra(name);
  if (era < 0) {
    if (name.empty()) return Refuse(form, {});
    return Refuse(form, "「" + name + "」という年号はありません");
  }
  WarekiDate date;
  date.era = era;
  if (in.Take("元")) {
    date.eraYear = 1;
  } else if (!in.Number(date.eraYear)) {
    return Refuse(form, {});
  }
  if (!in.Take("年")) return Refuse(form, {});
  date.leap = in.Take("閏");
  if (!in.Number(date.month) || !in.Take("月") || !in.Number(date.day) || !in.Take("日") ||
      !in.AtEnd())
    return Refuse(form, {});
  std::string error;
  const long jdn = eras.FromWareki(date, &error);
  if (jdn < 0) return Refuse(form, error);
  return {jdn, form, {}};
}

}  // namespace

DateTextResult ParseDateText(std::string_view text, const EraDays& eras) {
  const std::string normalized = Normalize(text);
  Cursor in(normalized);
  DateTextResult result;
  if (in.Take("JDN") || in.Take("jdn")) {
    int jdn = 0;
    result = in.Number(jdn) && in.AtEnd() ? Accept(DateForm::Jdn, jdn) : Refuse(DateForm::Jdn, {});
  } else if (in.Take("J") || in.Take("j")) {
    result = Western(in, DateForm::Julian);
  } else if (in.Take("旧暦") || in.Take("旧")) {
    result = Lunisolar(in, eras.Table());
  } else if (!normalized.empty() && std::isdigit(static_cast<unsigned char>(normalized[0]))) {
    result = Western(in, DateForm::Gregorian);
  } else {
    result = Wareki(in, eras);
  }
  if (!result.ok() && result.error.empty()) {
    result.error = "「" + std::string(text) +
                   "」は日付として読めません（例: 天保3年閏11月5日, 1832-12-26, J1582-10-04, "
                   "旧1832-11-05）";
  }
  return result;
}

DayConversion ConvertDay(long jdn, const EraDays& eras) {
  DayConversion day;
  if (!EraDays::InRange(jdn)) return day;
  day.jdn = jdn;
  day.eras = eras.ErasOn(jdn);
  for (const EraInForce& era : day.eras) day.wareki.push_back(eras.Wareki(era, jdn));
  day.gregorian = korvane::GregorianFromJdn(jdn);
  day.julian = korvane::JulianFromJdn(jdn);
  day.julianConventional = jdn < korvane::kGregorianReformJdn;
  const GregorianDate& g = day.gregorian;
  const LunisolarTable& table = eras.Table();
  const LunisolarDate l = table.FromGregorian(g.year, g.month, g.day);
  day.lunisolarPosition = l.month;
  day.lunisolar.year = l.year;
  day.lunisolar.leap = l.leapPosition != 0 && l.month == l.leapPosition;
  day.lunisolar.month = (l.leapPosition != 0 && l.month >= l.leapPosition) ? l.month - 1 : l.month;
  day.lunisolar.day = l.day;
  day.yearEto = EtoCycle::CycleIndex(eras.WritingYear(jdn));
  day.dayEto = CalendarNames::SexagenaryDayIndex(g.year, g.month, g.day);
  day.rokuyo = table.RokuyoIndex(l.year, l.month, l.day);
  day.weekday = korvane::WeekdayOfJdn(jdn);
  return day;
}

std::string LunisolarText(const LunisolarMonthDay& date) {
  return korvane::Format("%d年%s%d月%d日", date.year, date.leap ? "閏" : "", date.month, date.day);
}

std::string WesternText(const GregorianDate& date) {
  return korvane::Format("%04d-%02d-%02d", date.year, date.month, date.day);
}

std::vector<std::pair<std::string, std::string>> ConversionLines(const DayConversion& day,
                                                                 const EraDays& eras) {
  std::vector<std::pair<std::string, std::string>> lines;
  if (day.jdn < 0) return lines;
  for (size_t i = 0; i < day.eras.size(); ++i) {
    const char* key = "和暦";
    if (day.eras[i].court == Court::North) key = "和暦(北朝)";
    if (day.eras[i].court == Court::South) key = "和暦(南朝)";
    lines.emplace_back(key, eras.WarekiText(day.wareki[i]));
  }
  const EtoCycle eto;
  const CalendarNames names;
  lines.emplace_back("旧暦", LunisolarText(day.lunisolar));
  lines.emplace_back("西暦", WesternText(day.gregorian));
  lines.emplace_back("ユリウス暦", WesternText(day.julian));
  lines.emplace_back("JDN", std::to_string(day.jdn));
  lines.emplace_back("年干支", eto.EtoName(day.yearEto));
  lines.emplace_back("日干支", eto.EtoName(day.dayEto));
  lines.emplace_back("六曜", RokuyoCycle().RokuyoName(day.rokuyo));
  lines.emplace_back("曜日", std::string(names.WeekdayKanji(day.weekday)) + "曜日");
  return lines;
}
