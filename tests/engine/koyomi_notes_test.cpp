// The day notes: the dated samples of published almanacs, the edges where
// the 節, a leap month or 立春 decide, and whole-range properties of the
// cycles.
#include <gtest/gtest.h>

#include <string>

#include "engine/almanac_day.h"
#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/koyomi_notes.h"
#include "engine/nine_star_cycle.h"

namespace {

struct Sample {
  int y, m, d;
  const char* choku;     // "" when the sample does not say
  const char* shuku28;
  const char* notes;     // every listed note must be on the day ("・"-separated)
  const char* absent;    // notes that must not be
  const char* monthEto;  // "" when the sample does not say
};

// Dated almanac pages, then edges: 2026-03-05 is the 啓蟄 day itself;
// 2025-07-30 is 閏6月6日, a leap month counting as its base month;
// 2025-08-01 is 閏6月8日, no 不成就日; 2026-02-03/04 straddle 立春.
constexpr Sample kSamples[] = {
    {2025, 1, 23, "平", "奎", "大明日・十方暮", "天一天上", ""},
    {2025, 4, 28, "閉", "張", "天恩日", "", ""},
    {2025, 11, 25, "閉", "室", "天一天上", "", "丁亥"},
    {2026, 3, 5, "閉", "角", "天赦日・一粒万倍日・三隣亡・寅の日", "巳の日", "辛卯"},
    {2026, 3, 4, "閉", "軫", "", "天赦日", "庚寅"},
    {2026, 3, 21, "平", "胃", "月徳日・天一天上", "", ""},
    {2027, 12, 19, "成", "虚", "大明日・母倉日・月徳日・大犯土", "", ""},
    {2025, 7, 30, "", "", "不成就日", "", ""},
    {2025, 8, 1, "", "", "", "不成就日", ""},
    {2008, 12, 27, "", "柳", "", "", ""},
};

std::string Has(const DayNotes& n, const std::string& list, bool wanted) {
  std::string wrong;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find("・", start);
    if (end == std::string::npos) end = list.size();
    DayNote note;
    const std::string name = list.substr(start, end - start);
    if (!KoyomiNotes::NoteByName(name, note) || n.notes.Has(note) != wanted) wrong += name + " ";
    start = end + std::string("・").size();
  }
  return wrong;
}

}  // namespace

TEST(KoyomiNotes, DatedSamplesAndTheirEdges) {
  const KoyomiNotes notes(CalendarLaw::Current);
  const EtoCycle eto;
  for (const Sample& s : kSamples) {
    const DayNotes n = notes.Notes(s.y, s.m, s.d);
    SCOPED_TRACE(testing::Message() << s.y << "-" << s.m << "-" << s.d << " " << n.notes.Join("・"));
    ASSERT_TRUE(n.valid);
    if (*s.choku) EXPECT_STREQ(KoyomiNotes::ChokuName(n.choku), s.choku);
    if (*s.shuku28) EXPECT_STREQ(KoyomiNotes::Shuku28Name(n.shuku28), s.shuku28);
    if (*s.monthEto) EXPECT_STREQ(eto.EtoName(n.monthEto), s.monthEto);
    EXPECT_EQ(Has(n, s.notes, true), "");
    EXPECT_EQ(Has(n, s.absent, false), "");
  }
}

TEST(KoyomiNotes, YearAndMonthTurnAtTheirSetsu) {
  const KoyomiNotes notes(CalendarLaw::Current);
  const NineStarCycle stars;  // the program's names: ニ黒 in katakana
  const EtoCycle eto;
  struct Row {
    int y, m, d;
    int setsuYear, setsuMonth, setsuDay;
    const char* yearStar;
    const char* monthStar;
    const char* yearEto;
  };
  const Row rows[] = {
      {2026, 1, 1, 2025, 11, 26, "ニ黒土星", "一白水星", "乙巳"},   // 子月 of 2025
      {2026, 2, 3, 2025, 12, 30, "ニ黒土星", "九紫火星", "乙巳"},   // 丑月's last day
      {2026, 2, 4, 2026, 1, 1, "一白水星", "八白土星", "丙午"},     // 立春
      {2026, 3, 5, 2026, 2, 1, "一白水星", "七赤金星", "丙午"},     // 啓蟄
      // 立春 1900: the formula's 2月5日, the sun's 2月4日 14:52.
      {1900, 2, 4, 1900, 1, 1, "一白水星", "八白土星", "庚子"},
  };
  for (const Row& r : rows) {
    const DayNotes n = notes.Notes(r.y, r.m, r.d);
    SCOPED_TRACE(testing::Message() << r.y << "-" << r.m << "-" << r.d);
    EXPECT_EQ(n.setsuYear, r.setsuYear);
    EXPECT_EQ(n.setsuMonth, r.setsuMonth);
    EXPECT_EQ(n.setsuDay, r.setsuDay);
    EXPECT_STREQ(stars.StarFullName(n.yearStar), r.yearStar);
    EXPECT_STREQ(stars.StarFullName(n.monthStar), r.monthStar);
    EXPECT_STREQ(eto.EtoName(n.yearEto), r.yearEto);
  }
  // As published the formula's 立春 holds: 1900-02-04 is still the 丑月 of 1899.
  const DayNotes published = KoyomiNotes(CalendarLaw::AsPublished).Notes(1900, 2, 4);
  EXPECT_EQ(published.setsuYear, 1899);
  EXPECT_EQ(published.setsuMonth, 12);
}

TEST(KoyomiNotes, OnlyTheRangeHasNotes) {
  const KoyomiNotes notes(CalendarLaw::Current);
  EXPECT_FALSE(notes.Notes(1852, 12, 31).valid);
  EXPECT_TRUE(notes.Notes(1853, 1, 1).valid);
  EXPECT_TRUE(notes.Notes(2050, 12, 31).valid);
  EXPECT_FALSE(notes.Notes(2051, 1, 1).valid);
  EXPECT_FALSE(notes.Notes(2025, 2, 29).valid);
  EXPECT_FALSE(notes.Notes(2025, 13, 1).valid);
}

// Day by day through the whole range under both rule sets: the 直 steps on
// except on a 節 day, which repeats the day before's; the 28 宿 never break
// and put 房 虚 昴 星 on Sundays; the 27 宿 step on within a lunisolar month;
// 往亡日 falls once a 節月 at most, never on a day the 節月 lacks; and the
// one-call day value carries the same notes.
TEST(KoyomiNotes, WholeRangeCycles) {
  for (CalendarLaw law : {CalendarLaw::AsPublished, CalendarLaw::Current}) {
    const Almanac almanac(law);
    const KoyomiNotes& notes = almanac.Notes();
    DayNotes prev = notes.Notes(1853, 1, 1);
    int omoThisMonth = 0, days = 0;
    for (int y = 1853; y <= 2050; ++y) {
      for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= CalendarNames::MonthLength(y, m); ++d) {
          if (y == 1853 && m == 1 && d == 1) continue;
          const DayNotes n = notes.Notes(y, m, d);
          SCOPED_TRACE(testing::Message() << y << "-" << m << "-" << d);
          ASSERT_TRUE(n.valid);
          const bool setsuDay = n.setsuDay == 1;
          ASSERT_EQ(setsuDay, n.setsuMonth != prev.setsuMonth);
          ASSERT_EQ(n.choku, setsuDay ? prev.choku : (prev.choku + 1) % 12);
          ASSERT_EQ(n.shuku28, (prev.shuku28 + 1) % 28);
          if (CalendarNames::DayOfWeek(y, m, d) == 0) {
            const std::string s = KoyomiNotes::Shuku28Name(n.shuku28);
            ASSERT_TRUE(s == "房" || s == "虚" || s == "昴" || s == "星") << s;
          }
          const AlmanacDay day = almanac.Day(y, m, d);
          if (day.lunar.day != 1) ASSERT_EQ(n.shuku27, (prev.shuku27 + 1) % 27);
          ASSERT_EQ(day.notes, n);
          if (setsuDay) omoThisMonth = 0;
          if (n.notes.Has(DayNote::Omonichi)) ASSERT_EQ(++omoThisMonth, 1);
          ASSERT_LE(n.setsuDay, 32);  // a 節月 lasts about 30.4 to 31.5 days
          prev = n;
          ++days;
        }
      }
    }
    EXPECT_EQ(days, 198 * 365 + 48 - 1);
  }
}
