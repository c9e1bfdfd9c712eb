#include "engine/koyomi_notes.h"

#include <iterator>

#include "engine/calendar_names.h"

namespace {

constexpr const char* kChoku[12] = {"建", "除", "満", "平", "定", "執", "破", "危", "成", "納", "開", "閉"};
constexpr const char* kShuku28[28] = {"角", "亢", "氐", "房", "心", "尾", "箕", "斗", "牛", "女",
                                      "虚", "危", "室", "壁", "奎", "婁", "胃", "昴", "畢", "觜",
                                      "参", "井", "鬼", "柳", "星", "張", "翼", "軫"};
// The 二十七宿 are the 28 without 牛.
constexpr const char* kShuku27[27] = {"角", "亢", "氐", "房", "心", "尾", "箕", "斗", "女",
                                      "虚", "危", "室", "壁", "奎", "婁", "胃", "昴", "畢",
                                      "觜", "参", "井", "鬼", "柳", "星", "張", "翼", "軫"};
// The 宿 of the first day of lunisolar months 1..12: 室 奎 胃 畢 参 鬼 張 角 氐 心 斗 虚.
constexpr int kShuku27MonthStart[12] = {11, 13, 15, 17, 19, 21, 24, 0, 2, 4, 7, 9};
constexpr const char* kNacchin[30] = {
    "海中金", "炉中火", "大林木", "路傍土", "剣鋒金", "山頭火", "澗下水", "城頭土", "白鑞金", "楊柳木",
    "井泉水", "屋上土", "霹靂火", "松柏木", "長流水", "砂中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆燈火", "天河水", "大駅土", "釵釧金", "桑柘木", "大渓水", "沙中土", "天上火", "石榴木", "大海水"};

struct NoteText {
  const char* name;
  const char* rule;
};
constexpr NoteText kNotes[DayNoteSet::kCount] = {
    {"天赦日", "季節ごとに決まった干支の日 (春は戊寅、夏は甲午、秋は戊申、冬は甲子)。"},
    {"一粒万倍日", "節月ごとに決まった二つの十二支の日。"},
    {"不成就日", "旧暦の月ごとに決まった日から八日おきの日 (閏月は元の月と同じ)。"},
    {"三隣亡", "節月ごとに決まった十二支の日 (寅・巳・申・亥の月は亥、卯・午・酉・子の月は寅、辰・未・戌・丑の月は午)。"},
    {"大明日", "決まった二十五の干支の日。"},
    {"母倉日", "季節ごとに決まった十二支の日 (季節の終わりの月は巳と午)。"},
    {"天恩日", "甲子から戊辰、己卯から癸未、己酉から癸丑までの日。"},
    {"鬼宿日", "二十八宿が鬼の日。"},
    {"月徳日", "節月ごとに決まった十干の日 (寅・午・戌の月は丙、卯・未・亥の月は甲、辰・申・子の月は壬、巳・酉・丑の月は庚)。"},
    {"受死日", "節月ごとに決まった十二支の日。"},
    {"十死日", "節月ごとに決まった十二支の日 (寅・巳・申・亥の月は酉、卯・午・酉・子の月は巳、辰・未・戌・丑の月は丑)。"},
    {"帰忌日", "節月ごとに決まった十二支の日 (寅・巳・申・亥の月は丑、卯・午・酉・子の月は寅、辰・未・戌・丑の月は子)。"},
    {"血忌日", "節月ごとに決まった十二支の日。"},
    {"往亡日", "節入りの日から数えて節月ごとに決まった日数目の日 (立春から七日目など)。"},
    {"八専", "壬子から癸亥までの十二日のうち、八専間日を除く八日。"},
    {"八専間日", "八専の間の癸丑、丙辰、戊午、壬戌の日。"},
    {"十方暮", "甲申から癸巳までの十日。"},
    {"天一天上", "癸巳から戊申までの十六日。"},
    {"大犯土", "庚午から丙子までの七日。"},
    {"犯土間日", "大犯土と小犯土の間の丁丑の日。"},
    {"小犯土", "戊寅から甲申までの七日。"},
    {"甲子", "六十干支の最初、甲子の日。"},
    {"己巳", "己巳の日 (六十日に一度の巳の日)。"},
    {"庚申", "庚申の日。"},
    {"辛酉", "辛酉の日。"},
    {"寅の日", "十二支が寅の日。"},
    {"巳の日", "十二支が巳の日。"},
};

// Day 干支 indexes of 大明日.
constexpr int kDaimyo[] = {5,  6,  7,  8,  9,  13, 15, 18, 20, 23, 28, 31, 38,
                           40, 41, 42, 43, 45, 46, 47, 52, 54, 55, 56, 57};
// Branch pairs of 一粒万倍日 by 節月 1..12.
constexpr int kIchiryu[12][2] = {{1, 6}, {9, 2}, {0, 3}, {3, 4},  {5, 6},   {9, 6},
                                 {0, 7}, {3, 8}, {9, 6}, {9, 10}, {11, 0}, {3, 0}};
// Branches by 節月 1..12.
constexpr int kJushi[12] = {10, 4, 11, 5, 0, 6, 1, 7, 2, 8, 3, 9};
constexpr int kChiimi[12] = {1, 7, 2, 8, 3, 9, 4, 10, 5, 11, 6, 0};
// Day of the 節月 of 往亡日 by 節月 1..12.
constexpr int kOmo[12] = {7, 14, 21, 8, 16, 24, 9, 18, 27, 10, 20, 30};
// First 不成就日 of the lunisolar month, by (month - 1) mod 6; then every 8th day.
constexpr int kFujoFirst[6] = {3, 2, 1, 4, 5, 6};

constexpr int kBranchTora = 2;
constexpr int kBranchMi = 5;
constexpr int kShukuOni = 22;  // 鬼

int Mod(int value, int divisor) {
  const int r = value % divisor;
  return r < 0 ? r + divisor : r;
}

template <int N>
const char* Lookup(const char* const (&table)[N], int index) {
  return index >= 0 && index < N ? table[index] : "";
}

bool In(int k, int first, int last) { return k >= first && k <= last; }

DayNoteSet Set(std::initializer_list<DayNote> notes) {
  DayNoteSet set;
  for (DayNote note : notes) set.Add(note);
  return set;
}

// 母倉日: the branches of each season's first two months, and 巳午 in its last.
bool IsBosonichi(int setsuMonth, int branch) {
  if (setsuMonth % 3 == 0) return branch == 5 || branch == 6;
  switch ((setsuMonth - 1) / 3) {
    case 0: return branch == 11 || branch == 0;
    case 1: return branch == 2 || branch == 3;
    case 2: return branch == 4 || branch == 10 || branch == 1 || branch == 7;
    default: return branch == 8 || branch == 9;
  }
}

}  // namespace

std::string DayNoteSet::Join(const char* separator) const {
  std::string out;
  for (int i = 0; i < kCount; ++i) {
    if (!(bits_ & (1u << i))) continue;
    if (!out.empty()) out += separator;
    out += kNotes[i].name;
  }
  return out;
}

KoyomiNotes::KoyomiNotes(CalendarLaw law) : terms_(law), lunar_(law) {}

bool KoyomiNotes::InRange(int year, int month, int day) {
  return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
         day <= CalendarNames::MonthLength(year, month);
}

DayNotes KoyomiNotes::Notes(int year, int month, int day) const {
  if (!InRange(year, month, day)) return {};
  return Notes(year, month, day, lunar_.FromGregorian(year, month, day));
}

DayNotes KoyomiNotes::Notes(int year, int month, int day, const LunisolarDate& lunar) const {
  DayNotes r;
  if (!InRange(year, month, day) || lunar.month == 0) return r;
  r.valid = true;

  // The 節 that opens this Gregorian month; before it the day still belongs
  // to the 節月 that the previous month's 節 opened.
  const int setsu = static_cast<int>(terms_.TermDay(year, SolarTermTable::SetsuOfMonth(month)));
  if (day >= setsu) {
    r.setsuMonth = month == 1 ? 12 : month - 1;
    r.setsuDay = day - setsu + 1;
  } else {
    const int py = month == 1 ? year - 1 : year;
    const int pm = month == 1 ? 12 : month - 1;
    const int ps = static_cast<int>(terms_.TermDay(py, SolarTermTable::SetsuOfMonth(pm)));
    r.setsuMonth = pm == 1 ? 12 : pm - 1;
    r.setsuDay = CalendarNames::MonthLength(py, pm) - ps + 1 + day;
  }
  // January, and February before 立春, belong to the year before.
  r.setsuYear = (month == 1 || (month == 2 && day < setsu)) ? year - 1 : year;

  const int m = r.setsuMonth;
  r.yearEto = Mod(r.setsuYear - 4, 60);
  // The 寅月 of a 甲 or 己 year is 丙寅 (2), and 12 further on for each next stem.
  r.monthEto = Mod((r.yearEto % 5) * 12 + 2 + m - 1, 60);
  const int yearNumber = Mod(11 - Mod(r.setsuYear, 9), 9);
  r.yearStar = (yearNumber == 0 ? 9 : yearNumber) - 1;
  // The 寅月 is 八白, 五黄 or 二黒 by the year's branch mod 3; then one lower a month.
  const int firstMonthStar = 7 - 3 * (Mod(r.setsuYear - 4, 12) % 3);
  r.monthStar = Mod(firstMonthStar - (m - 1), 9);

  const long dayNumber = static_cast<long>(CalendarNames::DayNumber(year, month, day));
  const int k = CalendarNames::SexagenaryDayIndex(year, month, day);
  const int stem = k % 10;
  const int branch = k % 12;
  r.choku = Mod(branch - (m + 1), 12);
  r.shuku28 = static_cast<int>((dayNumber + 1937650L + 11) % 28);
  r.nacchin = k / 2;
  const int lunarMonth =
      lunar.leapPosition != 0 && lunar.month >= lunar.leapPosition ? lunar.month - 1 : lunar.month;
  r.shuku27 = (kShuku27MonthStart[lunarMonth - 1] + lunar.day - 1) % 27;

  DayNoteSet& n = r.notes;
  const int season = (m - 1) / 3;
  constexpr int kTenshaEto[4] = {14, 30, 44, 0};  // 戊寅 甲午 戊申 甲子
  if (k == kTenshaEto[season]) n.Add(DayNote::Tenshanichi);
  if (branch == kIchiryu[m - 1][0] || branch == kIchiryu[m - 1][1]) n.Add(DayNote::Ichiryumanbai);
  const int fujoFirst = kFujoFirst[(lunarMonth - 1) % 6];
  if (lunar.day >= fujoFirst && (lunar.day - fujoFirst) % 8 == 0) n.Add(DayNote::Fujojubi);
  constexpr int kSanrin[3] = {11, 2, 6};
  if (branch == kSanrin[(m - 1) % 3]) n.Add(DayNote::Sanrinbo);
  for (int d : kDaimyo)
    if (k == d) n.Add(DayNote::Daimyonichi);
  if (IsBosonichi(m, branch)) n.Add(DayNote::Bosonichi);
  if (In(k, 0, 4) || In(k, 15, 19) || In(k, 45, 49)) n.Add(DayNote::Tenonnichi);
  if (r.shuku28 == kShukuOni) n.Add(DayNote::Kishukunichi);
  constexpr int kGettokuStem[4] = {2, 0, 8, 6};  // 丙 甲 壬 庚
  if (stem == kGettokuStem[(m - 1) % 4]) n.Add(DayNote::Gettokunichi);
  if (branch == kJushi[m - 1]) n.Add(DayNote::Jushinichi);
  constexpr int kJushi10[3] = {9, 5, 1};
  if (branch == kJushi10[(m - 1) % 3]) n.Add(DayNote::Jushinichi10);
  constexpr int kKiko[3] = {1, 2, 0};
  if (branch == kKiko[(m - 1) % 3]) n.Add(DayNote::Kikonichi);
  if (branch == kChiimi[m - 1]) n.Add(DayNote::Chiimibi);
  if (r.setsuDay == kOmo[m - 1]) n.Add(DayNote::Omonichi);
  if (In(k, 48, 59)) n.Add(k == 49 || k == 52 || k == 54 || k == 58 ? DayNote::HappoMabi : DayNote::Happo);
  if (In(k, 20, 29)) n.Add(DayNote::Jippogure);
  if (In(k, 29, 44)) n.Add(DayNote::Tenichitenjo);
  if (In(k, 6, 12)) n.Add(DayNote::Otsuchi);
  if (k == 13) n.Add(DayNote::TsuchiMabi);
  if (In(k, 14, 20)) n.Add(DayNote::Kotsuchi);
  if (k == 0) n.Add(DayNote::Kinoene);
  if (k == 5) n.Add(DayNote::Tsuchinotomi);
  if (k == 56) n.Add(DayNote::Koshin);
  if (k == 57) n.Add(DayNote::Kanotori);
  if (branch == kBranchTora) n.Add(DayNote::Torabi);
  if (branch == kBranchMi) n.Add(DayNote::Mibi);
  return r;
}

const char* KoyomiNotes::ChokuName(int index) { return Lookup(kChoku, index); }
const char* KoyomiNotes::Shuku28Name(int index) { return Lookup(kShuku28, index); }
const char* KoyomiNotes::Shuku27Name(int index) { return Lookup(kShuku27, index); }
const char* KoyomiNotes::NacchinName(int index) { return Lookup(kNacchin, index); }

const char* KoyomiNotes::NoteName(DayNote note) {
  const int i = static_cast<int>(note);
  return i < DayNoteSet::kCount ? kNotes[i].name : "";
}

const char* KoyomiNotes::NoteRule(DayNote note) {
  const int i = static_cast<int>(note);
  return i < DayNoteSet::kCount ? kNotes[i].rule : "";
}

bool KoyomiNotes::NoteByName(const std::string& name, DayNote& note) {
  for (int i = 0; i < DayNoteSet::kCount; ++i) {
    if (name == kNotes[i].name) {
      note = static_cast<DayNote>(i);
      return true;
    }
  }
  return false;
}

DayNoteSet KoyomiNotes::LuckyNotes() {
  return Set({DayNote::Tenshanichi, DayNote::Ichiryumanbai, DayNote::Daimyonichi, DayNote::Bosonichi,
              DayNote::Tenonnichi, DayNote::Kishukunichi, DayNote::Gettokunichi, DayNote::Kinoene,
              DayNote::Tsuchinotomi, DayNote::Torabi, DayNote::Mibi});
}

DayNoteSet KoyomiNotes::UnluckyNotes() {
  return Set({DayNote::Fujojubi, DayNote::Sanrinbo, DayNote::Jushinichi, DayNote::Jushinichi10,
              DayNote::Kikonichi, DayNote::Chiimibi, DayNote::Omonichi});
}

DayNoteSet KoyomiNotes::ExportNotes() {
  return Set({DayNote::Tenshanichi, DayNote::Ichiryumanbai, DayNote::Daimyonichi, DayNote::Fujojubi,
              DayNote::Sanrinbo, DayNote::Torabi, DayNote::Tsuchinotomi});
}
