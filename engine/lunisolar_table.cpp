#include "engine/lunisolar_table.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "engine/era_names.h"
#include "engine/format.h"
#include "engine/message_hook.h"

namespace {

struct YearRow {
  uint8_t sizes[12];  // months 1..12 in month-number order, 1 = 大
  uint8_t leapMonth;  // 0 = none
  uint8_t leapSize;   // size of the leap month, 0 when there is none
};

constexpr YearRow kYearRows[] = {
#include "engine/lunisolar_year_data.inc"
};
static_assert(std::size(kYearRows) == LunisolarTable::yearCount);

constexpr const char* kBigLabel = "大";
constexpr const char* kLeapBigLabel = "閏大";
constexpr const char* kSmallLabel = "小";
constexpr const char* kLeapSmallLabel = "閏小";

// As published, the era searches cover the years before this one only, and
// it is also their "not found" answer.
constexpr int kPublishedEraSearchEnd = 2020;

// Copies a UTF-8 text into a fixed buffer without cutting a character.
template <size_t N>
void CopyText(char (&dest)[N], const char* text) {
  size_t length = text ? std::strlen(text) : 0;
  if (length > N - 1) {
    length = N - 1;
    // Back off over continuation bytes so a multi-byte character is kept
    // whole or dropped whole.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  }
  if (length > 0) std::memcpy(dest, text, length);
  dest[length] = '\0';
}

void ShowRangeMessage(int year, int kind) {
  korvane::ShowMessage(korvane::Format("%d年の旧暦は計算できません.%d", year, kind));
}

long FloorMod(long value, long divisor) {
  long r = value % divisor;
  return r < 0 ? r + divisor : r;
}

}  // namespace

LunisolarTable::LunisolarTable(CalendarLaw law) : law_(law), solarTerms_(law) {
  const int eras = EraNames::Count(law);
  int era = 0;
  for (int i = 0; i < yearCount; ++i) {
    const int year = firstYear + i;
    // Eras begin in ascending years, so the running index only moves on.
    while (era + 1 < eras && EraNames::FirstYear(era + 1, law) <= year) ++era;
    const YearRow& row = kYearRows[i];
    SetYear(year, row.sizes, row.leapMonth, row.leapSize, EraNames::Name(era, law),
            year - EraNames::FirstYear(era, law) + EraNames::FirstEraYear(era, law));
  }
  daysBefore_[0] = 0;
  for (int i = 0; i < yearCount; ++i) daysBefore_[i + 1] = daysBefore_[i] + years_[i].yearDays;
}

int LunisolarTable::CheckYear(int year, int kind) const {
  if (year >= firstYear && year <= lastYear) return 0;
  ShowRangeMessage(year, kind);
  return -1;
}

const char* LunisolarTable::WeekdayKanji(int weekday) const {
  return calendar_.WeekdayKanji(weekday);
}

bool LunisolarTable::SetYear(int year, const uint8_t (&sizes)[12], int leapMonth, int leapSize,
                             const char* eraName, int eraYear) {
  if (CheckYear(year, kSetYear) != 0) return false;
  if (leapMonth < 0 || leapMonth > 12) return false;

  LunisolarYear& record = years_[year - firstYear];
  record = LunisolarYear{};
  record.leapFlag = leapMonth != 0 ? 1 : 0;
  const int positions = PositionCount(record);
  int next = 0;  // the next of the twelve month sizes not yet placed
  int days = 0;
  for (int p = 1; p <= positions; ++p) {
    uint8_t big;
    if (leapMonth != 0 && p == leapMonth + 1) {
      big = leapSize ? 1 : 0;
      record.leapPosition = p;
      record.hasLeap = 1;
    } else {
      big = sizes[next++] ? 1 : 0;
    }
    record.monthSizes[p - 1] = big;
    days += SizeDays(big);
  }
  record.yearDays = days;
  record.eraYear = eraYear;
  CopyText(record.eraName, eraName);
  return true;
}

long LunisolarTable::DaysFromFirstNewYear(int year, int position, int day) const {
  const LunisolarYear& record = Record(year);
  if (position < 1 || position > PositionCount(record)) return -1;
  if (day < 1 || day > SizeDays(record.monthSizes[position - 1])) return -1;
  long days = daysBefore_[year - firstYear];
  for (int p = 1; p < position; ++p) days += SizeDays(record.monthSizes[p - 1]);
  return days + day - 1;
}

int LunisolarTable::RokuyoIndex(int year, int position, int day) const {
  if (CheckYear(year, kRokuyoIndex) != 0) return -1;
  const LunisolarYear& record = Record(year);
  if (position < 1 || position > PositionCount(record)) return -1;
  if (day < 1 || day > SizeDays(record.monthSizes[position - 1])) return -1;
  // The leap month takes the 六曜 of the month it repeats.
  const int month = (record.leapPosition != 0 && position >= record.leapPosition) ? position - 1
                                                                                  : position;
  if (month < 1 || month > 12) return -1;
  return static_cast<int>(FloorMod(month + day - 2, 6));
}

const char* LunisolarTable::MonthLabel(int year, int position) const {
  if (CheckYear(year, kMonthLabel) != 0) return nullptr;
  const LunisolarYear& record = Record(year);
  if (position < 1 || position > PositionCount(record)) return "";
  const int leap = record.leapPosition;
  if (position == leap) {
    std::snprintf(monthLabel_, sizeof monthLabel_, "閏%2d", position - 1);
  } else {
    std::snprintf(monthLabel_, sizeof monthLabel_, "%2d",
                  (leap != 0 && leap < position) ? position - 1 : position);
  }
  return monthLabel_;
}

const char* LunisolarTable::EraName(int year) const {
  if (CheckYear(year, kEraName) != 0) return nullptr;
  return Record(year).eraName;
}

int LunisolarTable::EraYear(int year) const {
  if (CheckYear(year, kEraYear) != 0) return -1;
  return Record(year).eraYear;
}

int LunisolarTable::YearDays(int year) const {
  if (CheckYear(year, kYearDays) != 0) return -1;
  return Record(year).yearDays;
}

GregorianDate LunisolarTable::ToGregorian(int year, int position, int day) const {
  if (CheckYear(year, kToGregorian) != 0) return {};
  const long days = DaysFromFirstNewYear(year, position, day);
  if (days < 0) return {};
  // Day number: days from Gregorian 593-01-01.
  const long dayNumber = days + firstNewYearDayNumber;

  // A first guess by the mean Gregorian year, then set right by the exact
  // start of the year; this replaces counting off the years one by one.
  int gy = firstYear + static_cast<int>(dayNumber * 400 / 146097);
  while (gy > firstYear && calendar_.DayNumber(gy, 1, 1) > dayNumber) --gy;
  while (calendar_.DayNumber(gy + 1, 1, 1) <= dayNumber) ++gy;
  long rest = dayNumber - static_cast<long>(calendar_.DayNumber(gy, 1, 1)) + 1;
  int gm = 1;
  while (gm < 12 && rest > calendar_.MonthLength(gy, gm)) {
    rest -= calendar_.MonthLength(gy, gm);
    ++gm;
  }
  return {gy, gm, static_cast<int>(rest)};
}

const char* LunisolarTable::MonthSizeLabel(int year, int position) const {
  if (CheckYear(year, kMonthSizeLabel) != 0) return nullptr;
  const LunisolarYear& record = Record(year);
  if (position < 1 || position > PositionCount(record)) return nullptr;
  const bool big = record.monthSizes[position - 1] != 0;
  if (position == record.leapPosition) return big ? kLeapBigLabel : kLeapSmallLabel;
  return big ? kBigLabel : kSmallLabel;
}

int LunisolarTable::HasLeapMonth(int year) const {
  if (CheckYear(year, kHasLeapMonth) != 0) return -1;
  return Record(year).hasLeap;
}

int LunisolarTable::LeapPosition(int year) const {
  if (CheckYear(year, kLeapPosition) != 0) return -1;
  return Record(year).leapPosition;
}

int LunisolarTable::MonthDays(int year, int position) const {
  if (CheckYear(year, kMonthDays) != 0) return -1;
  const LunisolarYear& record = Record(year);
  if (position < 1 || position > PositionCount(record)) return -1;
  return SizeDays(record.monthSizes[position - 1]);
}

int LunisolarTable::LunarSexagenaryDayIndex(int year, int position, int day) const {
  if (CheckYear(year, kLunarSexagenaryDayIndex) != 0) return -1;
  const long days = DaysFromFirstNewYear(year, position, day);
  if (days < 0) return -1;
  // Lunisolar 593/1/1 is 壬寅 (38).
  return static_cast<int>(FloorMod(days + 38, 60));
}

int LunisolarTable::LunarDayOfWeek(int year, int position, int day) const {
  if (CheckYear(year, kLunarDayOfWeek) != 0) return -1;
  const long days = DaysFromFirstNewYear(year, position, day);
  if (days < 0) return -1;
  // Lunisolar 593/1/1 is a Saturday.
  return static_cast<int>(FloorMod(days + 6, 7));
}

LunisolarDate LunisolarTable::DateOfDay(long day, int gregorianYear) const {
  // The lunisolar year of the same number begins in late January or in
  // February, so the day lies in it or in the year before.
  int index = gregorianYear - firstYear;
  if (index >= yearCount) index = yearCount - 1;
  if (index < 0) index = 0;
  while (index > 0 && day < daysBefore_[index]) --index;
  while (index + 1 < yearCount && day >= daysBefore_[index + 1]) ++index;

  const LunisolarYear& record = years_[index];
  long rest = day - daysBefore_[index];
  const int positions = PositionCount(record);
  int p = 1;
  // A day past all earlier months lies in the last one.
  while (p < positions && rest >= SizeDays(record.monthSizes[p - 1])) {
    rest -= SizeDays(record.monthSizes[p - 1]);
    ++p;
  }
  return {firstYear + index, p, record.leapFlag ? record.leapPosition : 0,
          static_cast<int>(rest) + 1};
}

bool LunisolarTable::ConvertGregorian(int year, int month, int day, LunisolarDate& result) const {
  if (year < firstYear || year > lastYear) return false;
  if (month < 1 || month > 12) return false;
  if (day < 1 || day > calendar_.MonthLength(year, month)) return false;
  const long days =
      static_cast<long>(calendar_.DayNumber(year, month, day)) - firstNewYearDayNumber;
  // Gregorian 593-01-01..593-02-08 precede lunisolar 593/1/1; there is no
  // lunisolar year 592 to put them in.
  if (days < 0 || days >= daysBefore_[yearCount]) return false;
  result = DateOfDay(days, year);
  return true;
}

LunisolarDate LunisolarTable::FromGregorian(int year, int month, int day) const {
  if (CheckYear(year, kFromGregorian) != 0) return {};
  LunisolarDate result;
  if (ConvertGregorian(year, month, day, result)) return result;
  // The days before the first lunisolar new year are out of the table's
  // range like any other year, and say so; a malformed date only gets the
  // empty record.
  if (month >= 1 && month <= 12 && day >= 1 && day <= calendar_.MonthLength(year, month)) {
    ShowRangeMessage(year, kFromGregorian);
  }
  return {};
}

int LunisolarTable::TodayLunarDay(int year, int position) const {
  int ty = 0;
  int tm = 0;
  const int td = calendar_.Today(ty, tm);
  LunisolarDate today;
  if (!ConvertGregorian(ty, tm, td, today)) return 0;
  return (today.year == year && today.month == position) ? today.day : 0;
}

int LunisolarTable::EraSearchEnd() const {
  return law_ == CalendarLaw::Current ? lastYear + 1 : kPublishedEraSearchEnd;
}

int LunisolarTable::EraCount() const {
  // Counts the runs of equal names, year by year, as the year list shows them.
  const char* current = years_[0].eraName;
  int count = 1;
  for (int i = 0; i < EraSearchEnd() - firstYear; ++i) {
    if (std::strcmp(years_[i].eraName, current) != 0) {
      current = years_[i].eraName;
      ++count;
    }
  }
  return count;
}

int LunisolarTable::FindEraYear(const char* eraName, int eraYear) const {
  const int notFound = law_ == CalendarLaw::Current ? noEraYear : kPublishedEraSearchEnd;
  if (eraName == nullptr) return notFound;
  for (int i = 0; i < EraSearchEnd() - firstYear; ++i) {
    if (years_[i].eraYear == eraYear && std::strcmp(years_[i].eraName, eraName) == 0)
      return firstYear + i;
  }
  return notFound;
}
