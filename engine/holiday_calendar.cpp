#include "engine/holiday_calendar.h"

#include <iterator>

namespace {

// Post-war holiday codes (name index = code - 1).
constexpr int kGanjitsu = 1;            // 元日
constexpr int kSeijin = 2;              // 成人の日
constexpr int kKenkokuKinen = 3;        // 建国記念日
constexpr int kShunbun = 4;             // 春分の日
constexpr int kMidori = 5;              // みどりの日
constexpr int kKenpoKinen = 6;          // 憲法記念日
constexpr int kKodomo = 7;              // 子供の日
constexpr int kUmi = 8;                 // 海の日
constexpr int kKeiro = 9;               // 敬老の日
constexpr int kShubun = 10;             // 秋分の日
constexpr int kTaiiku = 11;             // 体育の日
constexpr int kBunka = 12;              // 文化の日
constexpr int kKinroKansha = 13;        // 勤労感謝の日
constexpr int kTennoTanjobi = 14;       // 天皇誕生日
constexpr int kFurikae = 15;            // 振替休日
constexpr int kKokumin = 16;            // 国民の休日

// Pre-war holiday codes (name index = code - 50).
constexpr int kShihohai = 50;           // 四方拝
constexpr int kGenshisai = 51;          // 元始祭
constexpr int kShinnenEnkai = 52;       // 新年宴会
constexpr int kKigensetsu = 53;         // 紀元節
constexpr int kJimmuTennosai = 55;      // 神武天皇祭
constexpr int kTenchosetsu = 56;        // 天長節
constexpr int kKannamesai = 58;         // 神嘗祭
constexpr int kMeijisetsu = 59;         // 明治節
constexpr int kNiinamesai = 60;         // 新嘗祭
constexpr int kTaishoTennosai = 61;     // 大正天皇祭

// Codes 1..16 are the almanac's first table; 17..25 follow the current law.
constexpr const char* kPostwarNames[] = {
    "元日",     "成人の日",   "建国記念日", "春分の日",     "みどりの日", "憲法記念日",
    "子供の日", "海の日",     "敬老の日",   "秋分の日",     "体育の日",   "文化の日",
    "勤労感謝の日", "天皇誕生日", "振替休日", "国民の休日",
    "建国記念の日", "こどもの日", "昭和の日", "山の日", "スポーツの日",
    "結婚の儀", "大喪の礼", "即位礼正殿の儀", "即位の日",
};
constexpr int kPublishedPostwarCount = 16;
static_assert(std::size(kPostwarNames) == HolidayCalendar::kSokuiNoHi);

// 春季皇霊祭 and 秋季皇霊祭 keep their names, but the equinox days report
// the post-war codes in every year.
constexpr const char* kPrewarNames[12] = {
    "四方拝",   "元始祭",   "新年宴会", "紀元節", "春季皇霊祭", "神武天皇祭",
    "天長節",   "秋季皇霊祭", "神嘗祭", "明治節", "新嘗祭",     "大正天皇祭",
};

constexpr int kMonday = 1;

// The years the holiday laws changed.
constexpr int kPostwarLaw = 1948;        // post-war holidays replace the pre-war ones
constexpr int kFoundationDay = 1966;     // 建国記念日, 敬老の日, 体育の日 added
constexpr int kSubstituteLaw = 1973;     // a Sunday holiday moves to Monday
constexpr int kShowaEnds = 1989;         // 天皇誕生日 moves to December 23
constexpr int kCitizensHoliday = 1995;   // May 4 between two holidays
constexpr int kMarineDay = 1996;         // 海の日 added
constexpr int kHappyMonday2000 = 2000;   // 成人の日 and 体育の日 on Mondays
constexpr int kHappyMonday2003 = 2003;   // 海の日 and 敬老の日 on Mondays

// The second Monday of a month falls on day 8..14, the third on 15..21.
bool SecondMonday(int day, int weekday) { return weekday == kMonday && day >= 8 && day <= 14; }
bool ThirdMonday(int day, int weekday) { return weekday == kMonday && day >= 15 && day <= 21; }

}  // namespace

int HolidayCalendar::HolidayCode(int year, int month, int day, int weekday) const {
  if (law_ == CalendarLaw::Current) return CurrentLawCode(year, month, day, weekday);
  return PublishedCode(year, month, day, weekday, year < kPostwarLaw);
}

int HolidayCalendar::PublishedCode(int year, int month, int day, int weekday, bool prewar) const {
  const bool monday = weekday == kMonday;
  const bool substitutes = year >= kSubstituteLaw;

  switch (month) {
    case 1:
      if (day == 1) return prewar ? kShihohai : kGanjitsu;
      if (substitutes && day == 2 && monday) return kFurikae;
      if (prewar && day == 3) return kGenshisai;
      if (prewar && day == 5) return kShinnenEnkai;
      if (!prewar && year < kHappyMonday2000 && day == 15) return kSeijin;
      if (substitutes && year < kHappyMonday2000 && day == 16 && monday) return kFurikae;
      if (year >= kHappyMonday2000 && SecondMonday(day, weekday)) return kSeijin;
      return 0;

    case 2:
      if (prewar && day == 11) return kKigensetsu;
      if (year >= kFoundationDay && day == 11) return kKenkokuKinen;
      if (substitutes && day == 12 && monday) return kFurikae;
      return 0;

    case 3:
      // The equinox lies after the 14th; the term formula is asked only then.
      if (day <= 14) return 0;
      if (terms_.TermOn(year, 3, day) != 0) return kShunbun;
      if (monday && substitutes &&
          day == static_cast<int>(terms_.TermDay(year, SolarTermTable::kSpringEquinox)) + 1) {
        return kFurikae;
      }
      return 0;

    case 4:
      if (prewar && day == 3) return kJimmuTennosai;
      if (prewar && day == 29) return kTenchosetsu;
      if (year >= kShowaEnds && day == 29) return kMidori;
      if (!prewar && year < kShowaEnds && day == 29) return kTennoTanjobi;
      if (substitutes && day == 30 && monday) return kFurikae;
      return 0;

    case 5:
      if (!prewar && day == 3) return kKenpoKinen;
      if (substitutes && day == 4 && monday) return kFurikae;
      if (!prewar && day == 5) return kKodomo;
      if (substitutes && day == 6 && monday) return kFurikae;
      // May 4 between 憲法記念日 and 子供の日, unless it is a Sunday or the
      // Monday substitute already.
      if (year >= kCitizensHoliday && day == 4 && weekday >= 2) return kKokumin;
      return 0;

    case 7:
      if (year >= kHappyMonday2003 && ThirdMonday(day, weekday)) return kUmi;
      if (year >= kMarineDay && year < kHappyMonday2003 && day == 20) return kUmi;
      if (year >= kMarineDay && day == 21 && monday) return kFurikae;
      return 0;

    case 9:
      if (year >= kHappyMonday2003 && ThirdMonday(day, weekday)) return kKeiro;
      if (year >= kFoundationDay && year < kHappyMonday2003 && day == 15) return kKeiro;
      if (substitutes && day == 16 && monday) return kFurikae;
      if (day <= 14) return 0;
      if (terms_.TermOn(year, 9, day) != 0) return kShubun;
      if (monday && substitutes &&
          day == static_cast<int>(terms_.TermDay(year, SolarTermTable::kAutumnEquinox)) + 1) {
        return kFurikae;
      }
      return 0;

    case 10:
      if (year >= kFoundationDay && year < kHappyMonday2000 && day == 10) return kTaiiku;
      if (substitutes && year < kHappyMonday2000 && day == 11 && monday) return kFurikae;
      if (year >= kHappyMonday2000 && SecondMonday(day, weekday)) return kTaiiku;
      if (prewar && day == 17) return kKannamesai;
      return 0;

    case 11:
      if (prewar && day == 3) return kMeijisetsu;
      if (!prewar && day == 3) return kBunka;
      if (substitutes && day == 4 && monday) return kFurikae;
      if (prewar && day == 23) return kNiinamesai;
      if (!prewar && day == 23) return kKinroKansha;
      if (substitutes && day == 24 && monday) return kFurikae;
      return 0;

    case 12:
      if (year >= kShowaEnds && day == 23) return kTennoTanjobi;
      if (year >= kShowaEnds && day == 24 && monday) return kFurikae;
      if (prewar && day == 26) return kTaishoTennosai;
      return 0;

    default:  // June and August have no holiday; other values are no month
      return 0;
  }
}

int HolidayCalendar::PostwarCodeCount() const {
  return law_ == CalendarLaw::Current ? static_cast<int>(std::size(kPostwarNames))
                                      : kPublishedPostwarCount;
}

const char* HolidayCalendar::HolidayName(int index) const {
  if (index < 0 || index >= PostwarCodeCount()) return "";
  return kPostwarNames[index];
}

const char* HolidayCalendar::PrewarHolidayName(int index) const {
  if (index < 0 || index >= 12) return "";
  return kPrewarNames[index];
}

const char* HolidayCalendar::NameOfCode(int code) const {
  if (code <= 0) return "";
  return code < kPrewarBase ? HolidayName(code - 1) : PrewarHolidayName(code - kPrewarBase);
}

int HolidayCalendar::HolidayCount(int year) const {
  int count = 0;
  for (int month = 1; month <= 12; ++month) {
    int weekday = calendar_.DayOfWeek(year, month, 1);
    const int length = calendar_.MonthLength(year, month);
    for (int day = 1; day <= length; ++day) {
      if (HolidayCode(year, month, day, weekday) != 0) ++count;
      weekday = weekday == 6 ? 0 : weekday + 1;
    }
  }
  return count;
}

// ---------------------------------------------------------------------------
// The current law (国民の祝日に関する法律 of 1948 and its amendments).

namespace {

// The law's turning points: the dates (yyyymmdd) and years its amendments and
// special laws took effect.
constexpr int kLawInForce = 19480720;          // the holiday law replaces the pre-war days
constexpr int kFoundationDayLaw = 1967;        // 建国記念の日 (敬老の日, 体育の日 from 1966)
constexpr int kRespectForAgedLaw = 1966;
constexpr int kSubstituteInForce = 19730412;   // 振替休日: the Monday after a Sunday holiday
constexpr int kCitizensInForce = 19851227;     // 国民の休日: a day between two holidays
constexpr int kHeiseiHolidays = 1989;          // みどりの日 4/29, 天皇誕生日 12/23
constexpr int kNextFreeDaySubstitute = 2007;   // 振替休日 to the next day that is no holiday;
                                               // 昭和の日 4/29, みどりの日 5/4
constexpr int kMountainDayLaw = 2016;          // 山の日
constexpr int kReiwaBirthday = 2020;           // 天皇誕生日 2/23; スポーツの日
constexpr int kLastHeiseiBirthday = 2018;

constexpr int DateKey(int year, int month, int day) { return year * 10000 + month * 100 + day; }

struct LawDay {
  int year, month, day, weekday;
};

LawDay NextDay(LawDay d) {
  d.weekday = (d.weekday + 1) % 7;
  if (++d.day > CalendarNames::MonthLength(d.year, d.month)) {
    d.day = 1;
    if (++d.month > 12) {
      d.month = 1;
      ++d.year;
    }
  }
  return d;
}

LawDay PreviousDay(LawDay d) {
  d.weekday = (d.weekday + 6) % 7;
  if (--d.day < 1) {
    if (--d.month < 1) {
      d.month = 12;
      --d.year;
    }
    d.day = CalendarNames::MonthLength(d.year, d.month);
  }
  return d;
}

// The one-time holidays made by special laws.
struct OneTimeHoliday {
  int date;
  int code;
};
constexpr OneTimeHoliday kOneTimeHolidays[] = {
    {19590410, HolidayCalendar::kKekkonNoGi},          // 皇太子明仁親王の結婚の儀
    {19890224, HolidayCalendar::kTaisoNoRei},          // 昭和天皇の大喪の礼
    {19901112, HolidayCalendar::kSokuireiSeidenNoGi},  // 即位礼正殿の儀
    {19930609, HolidayCalendar::kKekkonNoGi},          // 皇太子徳仁親王の結婚の儀
    {20190501, HolidayCalendar::kSokuiNoHi},           // 天皇の即位の日
    {20191022, HolidayCalendar::kSokuireiSeidenNoGi},  // 即位礼正殿の儀
};

// 2020 and 2021 moved three holidays around the Olympic Games.
struct MovedHoliday {
  int year;
  int umi;     // 海の日, July
  int sports;  // スポーツの日, July
  int yama;    // 山の日, August
};
constexpr MovedHoliday kOlympicYears[] = {{2020, 23, 24, 10}, {2021, 22, 23, 8}};

const MovedHoliday* OlympicYear(int year) {
  for (const MovedHoliday& moved : kOlympicYears) {
    if (moved.year == year) return &moved;
  }
  return nullptr;
}

}  // namespace

int HolidayCalendar::EquinoxDay(int year, int termIndex, bool equinoxes) const {
  if (!equinoxes) return 0;
  return static_cast<int>(terms_.TermDay(year, termIndex));
}

int HolidayCalendar::LawHoliday(int year, int month, int day, int weekday,
                                bool equinoxes) const {
  const int date = DateKey(year, month, day);
  if (date < kLawInForce) return 0;
  for (const OneTimeHoliday& once : kOneTimeHolidays) {
    if (once.date == date) return once.code;
  }
  const MovedHoliday* moved = OlympicYear(year);

  switch (month) {
    case 1:
      if (day == 1) return kGanjitsu;
      if (year < kHappyMonday2000 ? day == 15 : SecondMonday(day, weekday)) return kSeijin;
      return 0;
    case 2:
      if (year >= kFoundationDayLaw && day == 11) return kKenkokuKinenNoHi;
      if (year >= kReiwaBirthday && day == 23) return kTennoTanjobi;
      return 0;
    case 3:
      if (day >= 15 && day == EquinoxDay(year, SolarTermTable::kSpringEquinox, equinoxes))
        return kShunbun;
      return 0;
    case 4:
      if (day != 29) return 0;
      if (year < kHeiseiHolidays) return kTennoTanjobi;
      return year < kNextFreeDaySubstitute ? kMidori : kShowaNoHi;
    case 5:
      if (day == 3) return kKenpoKinen;
      if (day == 4 && year >= kNextFreeDaySubstitute) return kMidori;
      if (day == 5) return kKodomoNoHi;
      return 0;
    case 7:
      if (moved) {
        if (day == moved->umi) return kUmi;
        if (day == moved->sports) return kSportsNoHi;
        return 0;
      }
      if (year >= kHappyMonday2003 && ThirdMonday(day, weekday)) return kUmi;
      if (year >= kMarineDay && year < kHappyMonday2003 && day == 20) return kUmi;
      return 0;
    case 8:
      if (moved) return day == moved->yama ? kYamaNoHi : 0;
      return year >= kMountainDayLaw && day == 11 ? kYamaNoHi : 0;
    case 9:
      if (year >= kHappyMonday2003 && ThirdMonday(day, weekday)) return kKeiro;
      if (year >= kRespectForAgedLaw && year < kHappyMonday2003 && day == 15) return kKeiro;
      if (day >= 15 && day == EquinoxDay(year, SolarTermTable::kAutumnEquinox, equinoxes))
        return kShubun;
      return 0;
    case 10:
      if (year >= kRespectForAgedLaw && year < kHappyMonday2000 && day == 10) return kTaiiku;
      if (moved || !SecondMonday(day, weekday) || year < kHappyMonday2000) return 0;
      return year < kReiwaBirthday ? kTaiiku : kSportsNoHi;
    case 11:
      if (day == 3) return kBunka;
      if (day == 23) return kKinroKansha;
      return 0;
    case 12:
      if (year >= kHeiseiHolidays && year <= kLastHeiseiBirthday && day == 23) return kTennoTanjobi;
      return 0;
    default:
      return 0;
  }
}

int HolidayCalendar::CurrentLawCode(int year, int month, int day, int weekday) const {
  const LawDay today{year, month, day, weekday};
  if (DateKey(year, month, day) < kLawInForce) return PublishedCode(year, month, day, weekday, true);

  // The equinoxes come from the term formula; outside its years the formula's
  // message is shown once for the day asked about, and the rules go on
  // without equinox days.
  bool equinoxes = year >= SolarTermTable::kFirstYear && year <= SolarTermTable::kLastYear;
  if (!equinoxes && (month == 3 || month == 9) && day >= 15) terms_.TermDay(year, 0);
  // A neighbour in another year (Dec 31 / Jan 1) never needs an equinox.
  auto holiday = [&](const LawDay& d) {
    return LawHoliday(d.year, d.month, d.day, d.weekday, equinoxes);
  };

  if (int code = holiday(today)) return code;

  const int date = DateKey(year, month, day);
  if (date >= kSubstituteInForce) {
    if (year < kNextFreeDaySubstitute) {
      if (weekday == kMonday && holiday(PreviousDay(today))) return kFurikae;
    } else {
      // The first day after a Sunday holiday that is not a holiday itself:
      // walk back over the holidays just before this day.
      for (LawDay d = PreviousDay(today); holiday(d); d = PreviousDay(d)) {
        if (d.weekday == 0) return kFurikae;
      }
    }
  }
  if (date >= kCitizensInForce && weekday != 0 && holiday(PreviousDay(today)) &&
      holiday(NextDay(today))) {
    return kKokumin;
  }
  return 0;
}
