#include "engine/holiday_calendar.h"

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

constexpr const char* kPostwarNames[16] = {
    "元日",     "成人の日",   "建国記念日", "春分の日",     "みどりの日", "憲法記念日",
    "子供の日", "海の日",     "敬老の日",   "秋分の日",     "体育の日",   "文化の日",
    "勤労感謝の日", "天皇誕生日", "振替休日", "国民の休日",
};

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
  const bool monday = weekday == kMonday;
  const bool prewar = year < kPostwarLaw;
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

const char* HolidayCalendar::HolidayName(int index) const {
  if (index < 0 || index >= 16) return "";
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
