#include "engine/solar_term_table.h"

#include <cmath>
#include <cstdint>

#include "engine/calendar_names.h"
#include "engine/format.h"
#include "engine/message_hook.h"

namespace {

struct TermRow {
  const char* name;
  int month;
  // The day-of-month constant of the formula for each span of formula years:
  // up to 1899, 1900..1979, 1980..1999, 2000..2050, and after 2050.
  double constant[5];
};

// The winter solstice heads the list: it lies in December of the year asked
// for, while the next four terms lie in January and February of that year.
constexpr TermRow kTerms[SolarTermTable::kTermCount] = {
    {"冬至", 12, {21.0914, 22.086, 22.0814, 22.12, 22.0814}},
    {"小寒", 1, {5.1991, 5.8126, 5.8202, 5.85, 5.8202}},
    {"大寒", 1, {19.8277, 20.5392, 20.5468, 20.5468, 20.5468}},
    {"立春", 2, {3.9943, 4.297, 4.3046, 4.3046, 4.3046}},
    {"雨水", 2, {18.8879, 19.1172, 19.1248, 19.1248, 19.1248}},
    {"啓蟄", 3, {5.1991, 5.8126, 5.8202, 5.8202, 5.8202}},
    {"春分", 3, {19.8277, 20.8357, 20.8431, 20.8435, 20.8431}},
    {"清明", 4, {3.9943, 5.0023, 5.0097, 5.0097, 5.0097}},
    {"穀雨", 4, {19.2092, 20.2982, 20.3046, 20.3046, 20.3046}},
    {"立夏", 5, {4.7186, 5.7266, 5.734, 5.734, 5.734}},
    {"小満", 5, {20.289, 21.297, 21.3044, 21.25, 21.3044}},
    {"芒種", 6, {4.8943, 5.9064, 5.9097, 5.89, 5.9097}},
    {"夏至", 6, {20.5902, 21.6017, 21.6056, 21.58, 21.6056}},
    {"小暑", 7, {6.8193, 7.3315, 7.3358, 7.3358, 7.3358}},
    {"大暑", 7, {22.0443, 23.0549, 23.0597, 23.04, 23.0597}},
    {"立秋", 8, {6.7311, 7.7391, 7.7465, 7.73, 7.7465}},
    {"処暑", 8, {22.3381, 23.3595, 23.3535, 23.34, 23.3535}},
    {"白露", 9, {6.8506, 7.8752, 7.866, 7.85, 7.866}},
    {"秋分", 9, {22.2588, 23.2588, 23.2488, 23.2488, 23.2488}},
    {"寒露", 10, {7.5199, 8.5199, 8.5157, 8.5157, 8.5157}},
    {"霜降", 10, {22.6442, 23.6442, 23.6405, 23.6405, 23.6405}},
    {"立冬", 11, {6.6476, 7.6476, 7.6406, 7.65, 7.6406}},
    {"小雪", 11, {21.5386, 22.5386, 22.5286, 22.54, 22.5286}},
    {"大雪", 12, {6.3282, 7.3282, 7.3047, 7.35, 7.3047}},
};

constexpr const char* kDescriptions[SolarTermTable::kTermCount] = {
    "この日は太陽が黄道の南端を通るので、北半球では一年中で最\n"
    "も昼の短い日となり、寒気も厳しさを増す。\n"
    "毎年十二月二十二日頃である。",
    "陰気深く寒冷一段と厳しくなるので小寒と言う。\n"
    "俗にこの日を寒の入りと言う。\n"
    "毎年一月六日頃である。",
    "万物を凍らせるといわれる程厳しさを迎えるので\n"
    "大寒と言う。\n"
    "毎年一月二十日頃である。",
    "立春は陰気に閉ざされた万物に、春の陽気が立ち初める\n"
    "と言う意味で立春と言う。\n"
    "毎年二月四日頃である。",
    "冬の氷水が陽気に溶け天に昇り、雨水となって下る\n"
    "と言う意味で雨水と言う。\n"
    "毎年二月十九日頃である。",
    "地中で冬眠した虫類が、陽気で地上に這い出す頃\n"
    "と言う意味で啓蟄と言う。\n"
    "毎年三月六日頃である。",
    "太陽黄経〇度、昼と夜を分つ日\n"
    "と言う意味で春分と言う。\n"
    "この日は春の彼岸の中日とされ\n"
    "毎年三月二十一日頃である。",
    "春の日射し強く天空清く晴れ渡る\n"
    "と言う意味で清明と言う。\n"
    "毎年四月五日頃である。",
    "春の太陽強さを増すこの頃の雨は、五穀の成長に天の慈雨\n"
    "と言う意味で穀雨と言う。\n"
    "毎年四月二十日頃である。",
    "太陽の光熱いよいよ強く、夏の気立ち昇る\n"
    "と言う意味で立夏と言う。\n"
    "毎年五月六日頃である。",
    "光熱ともに旺盛となり、陽気天地に満る\n"
    "と言う意味で小満と言う。\n"
    "毎年五月二十一日頃である。",
    "芒のある穀類の種子を蒔く大切な時期\n"
    "と言う意味で芒種と言う。\n"
    "毎年六月六日頃である。",
    "太陽が黄道の北端を通る日なので、北半球では\n"
    "一年中で最も昼の長い日で\n"
    "暑気も厳しくなる。\n"
    "毎年六月二十二日頃である。",
    "暑熱いよいよ盛んになる\n"
    "と言う意味で小暑と言う。\n"
    "毎年七月七日頃である。",
    "暑熱最も甚だしい\n"
    "と言う意味で大暑と言う。\n"
    "毎年七月二十三日頃である。",
    "暑熱強くとも涼風吹き初める\n"
    "と言う意味で立秋と言う。\n"
    "毎年八月八日頃である。",
    "旺盛な太陽も次第に衰え、暑熱も退く\n"
    "と言う意味で処暑と言い、天地清く爽やかとなる。\n"
    "毎年八月二十四日頃である。",
    "朝夕涼しくなり、草木の葉に宿る露が白く光る\n"
    "と言う意味で白露と言う。\n"
    "毎年九月八日頃である。",
    "太陽黄経百八十度、昼夜等分に分けられる日\n"
    "と言う意味で秋分と言う。\n"
    "また、この日は秋の彼岸の中日となる。\n"
    "毎年九月二十三日頃である。",
    "秋涼増長し露は陰気を含み、寒冷となる\n"
    "と言う意味で寒露と言う。\n"
    "毎年十月九日頃である。",
    "陰気深くなり、露は霜と化して草木の葉は黄変する\n"
    "と言う意味で霜降と言う。\n"
    "毎年十月二十三日頃である。",
    "陰気深くこもり冬の気立つ\n"
    "と言う意味で立冬と言う。\n"
    "次第に冷気深くなる。\n"
    "毎年十一月七日頃である。",
    "寒気つのり雨凍って雪となる\n"
    "と言う意味で小雪と言う。\n"
    "この頃より風も寒冷の気を運ぶ。\n"
    "毎年十一月二十三日頃である。",
    "寒気盛んとなり、大雪となる気配も濃くなる\n"
    "と言う意味で大雪と言う。\n"
    "毎年十二月七日頃である。",
};

constexpr const char* kZassetsuNames[SolarTermTable::kZassetsuCount] = {
    "土用", "節分",   "社日",     "彼岸の入り", "土用", "八十八夜", "入梅",
    "半夏生", "土用", "二百十日", "彼岸の入り", "社日", "土用",
};

constexpr const char* kBirthstones[12] = {
    "ガーネット", "アメシスト", "アクアマリン", "ダイヤモンド", "エメラルド", "真珠",
    "ルビー",     "橄欖石",     "サファイア",   "オパール",     "トパーズ",   "トルコ石",
};

constexpr const char* kBirthFlowers[12] = {
    "カーネーション", "バイオレット", "黄水仙", "スイートピー", "鈴蘭", "ばら",
    "飛燕草",         "グラジオラス", "えぞ菊", "金盞花",       "菊",   "水仙",
};

template <int N>
const char* Lookup(const char* const (&table)[N], int index) {
  if (index < 0 || index >= N) return "";
  return table[index];
}

// The current rules' instants, year by year from kFirstYear, in term index
// order: day of month * 1440 + minutes after 0h JST, seconds dropped so that
// the day is the instant's own.  Made by tools/gen_solar_term_instants.
constexpr uint16_t kInstantMinutes[][SolarTermTable::kTermCount] = {
#include "engine/solar_term_instants.inc"
};
static_assert(sizeof kInstantMinutes / sizeof kInstantMinutes[0] ==
              SolarTermTable::kLastYear - SolarTermTable::kFirstYear + 1);

bool ValidTerm(int termIndex) { return termIndex >= 0 && termIndex < SolarTermTable::kTermCount; }

}  // namespace

double SolarTermTable::TermDay(int year, int termIndex) const {
  if (year < kFirstYear || year > kLastYear) {
    korvane::ShowMessage(korvane::Format("%d年の24節気は計算できません.", year));
    return 0.0;
  }
  if (!ValidTerm(termIndex)) return 0.0;
  if (law_ == CalendarLaw::Current) return CurrentMinutes(year, termIndex) / 1440.0;

  // The January and February terms belong to the solar year that began with
  // the previous winter solstice, so they take the previous year's constants.
  const int formulaYear = (termIndex >= 1 && termIndex <= 4) ? year - 1 : year;

  int column;
  int offset;
  if (formulaYear <= 1899) {
    column = 0;
    offset = -1983;
  } else if (formulaYear <= 1979) {
    column = 1;
    offset = -1983;
  } else if (formulaYear <= 1999) {
    column = 2;
    offset = -1980;
  } else if (formulaYear <= 2050) {
    column = 3;
    offset = -1980;
  } else {
    column = 4;
    offset = -1980;
  }

  // 0.242194 days is the drift of the calendar date per year against the
  // tropical year; the leap-day correction q counts leap years from the
  // reference year, truncating toward zero as C integer division does.
  const int leapCorrection = (formulaYear + offset) / 4;
  return 0.242194 * (formulaYear - 1980) + kTerms[termIndex].constant[column] - leapCorrection;
}

int SolarTermTable::CurrentMinutes(int year, int termIndex) {
  if (year < kFirstYear || year > kLastYear || !ValidTerm(termIndex)) return -1;
  return kInstantMinutes[year - kFirstYear][termIndex];
}

int SolarTermTable::TermDate(int year, int termIndex, int& month, int& weekday) const {
  if (!ValidTerm(termIndex)) {
    month = 0;
    weekday = 0;
    return 0;
  }
  month = kTerms[termIndex].month;
  const int day = static_cast<int>(TermDay(year, termIndex));
  weekday = CalendarNames::DayOfWeek(year, month, day);
  return day;
}

int SolarTermTable::TermMonth(int termIndex) {
  return ValidTerm(termIndex) ? kTerms[termIndex].month : 0;
}

const char* SolarTermTable::TermName(int termIndex) const {
  return ValidTerm(termIndex) ? kTerms[termIndex].name : "";
}

const char* SolarTermTable::TermDescription(int termIndex) const {
  return Lookup(kDescriptions, termIndex);
}

int SolarTermTable::TermOn(int year, int month, int day) const {
  // Each half of a month holds at most one term, so only that one is tried.
  int index;
  switch (month) {
    case 1:
      index = day < 10 ? 1 : 2;
      break;
    case 10:
      index = day < 10 ? 19 : 20;
      break;
    case 12:
      index = day < 15 ? 23 : 0;
      break;
    default:
      if (month < 2 || month > 11) return 0;
      index = day < 15 ? 2 * month - 1 : 2 * month;
      break;
  }
  if (kTerms[index].month != month) return 0;
  if (day != static_cast<int>(TermDay(year, index))) return 0;
  return index + kTermCodeBase;
}

int SolarTermTable::ZassetsuDay(int year, int code) const {
  switch (code) {
    case kSetsubun: {
      const int risshun = static_cast<int>(TermDay(year, kSpringBegins));
      return risshun == 0 ? 0 : risshun - 1;
    }
    case kSpringShanichi:
    case kAutumnShanichi: {
      // 社日 is the 戊 (stem 4) day nearest the equinox.  The stem of the
      // equinox day s gives the 戊 day at c - s + 4, within four days either
      // way, except on a 癸 day (s = 9), which has 戊 days five days before
      // and after: then the equinox's time of day decides.
      const bool spring = code == kSpringShanichi;
      const double equinox = TermDay(year, spring ? kSpringEquinox : kAutumnEquinox);
      const int c = static_cast<int>(equinox);
      if (c == 0) return 0;
      const int stem = CalendarNames::SexagenaryDayIndex(year, spring ? 3 : 9, c) % 10;
      if (stem != 9) return c - stem + 4;
      const int firstDecimal = static_cast<int>(std::floor(10.0 * equinox)) % 10;
      return firstDecimal > 4 ? c + 5 : c - 5;
    }
    case kSpringHigan:
    case kAutumnHigan: {
      const int c = static_cast<int>(TermDay(year, code == kSpringHigan ? kSpringEquinox : kAutumnEquinox));
      return c == 0 ? 0 : c - 3;
    }
    case kHachijuhachiya:
    case kNihyakutoka: {
      // Counting 立春 as day 1, the 88th day lands 87 days later: early May;
      // the 210th day lands 209 days later: early September or the end of
      // August.  Both counts run through February, hence its length.
      const int risshun = static_cast<int>(TermDay(year, kSpringBegins));
      if (risshun == 0) return 0;
      if (code == kHachijuhachiya) return risshun - CalendarNames::FebruaryLength(year) + 26;
      const int n = risshun - CalendarNames::FebruaryLength(year) + 25;
      return n >= 1 ? n : n + 31;
    }
    default:
      return 0;
  }
}

int SolarTermTable::ZassetsuOn(int year, int month, int day) const {
  switch (month) {
    case 2:
      if (day <= 4 && day == ZassetsuDay(year, kSetsubun)) return kSetsubun;
      return 0;
    case 3:
      if (day < 15 || day > 26) return 0;
      if (day == ZassetsuDay(year, kSpringHigan)) return kSpringHigan;
      if (day == ZassetsuDay(year, kSpringShanichi)) return kSpringShanichi;
      return 0;
    case 5:
      if (day <= 3 && day == ZassetsuDay(year, kHachijuhachiya)) return kHachijuhachiya;
      return 0;
    case 8:
      if (day == 31 && day == ZassetsuDay(year, kNihyakutoka)) return kNihyakutoka;
      return 0;
    case 9:
      if (day <= 2) return day == ZassetsuDay(year, kNihyakutoka) ? kNihyakutoka : 0;
      if (day < 18 || day > 29) return 0;
      if (day == ZassetsuDay(year, kAutumnHigan)) return kAutumnHigan;
      if (day == ZassetsuDay(year, kAutumnShanichi)) return kAutumnShanichi;
      return 0;
    default:
      return 0;
  }
}

const char* SolarTermTable::ZassetsuName(int index) const { return Lookup(kZassetsuNames, index); }

const char* SolarTermTable::Birthstone(int month) const { return Lookup(kBirthstones, month - 1); }

const char* SolarTermTable::BirthFlower(int month) const { return Lookup(kBirthFlowers, month - 1); }
