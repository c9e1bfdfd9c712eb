// The converter's content: every way of picking a day gives the same day,
// the pickers follow it, and the conventional Western form is marked.
#include "content/wareki_converter_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace korvane {
namespace {

const WarekiConverterContent& Current() {
  static const auto* content = new WarekiConverterContent(CalendarLaw::Current);
  return *content;
}

TEST(WarekiConverter, EveryPickerNamesTheSameDayAndTheFieldsFollowIt) {
  const WarekiConverterContent& c = Current();
  const std::vector<std::string> eras = c.EraChoices();
  auto era = [&](const std::string& name) {
    return static_cast<int>(std::find(eras.begin(), eras.end(), name) - eras.begin());
  };
  const long tenpo = c.FromText("1832-12-26").jdn;
  const long kenmu = c.FromText("1336-04-19").jdn;
  const struct {
    ConverterResult result;
    long jdn;
  } cases[] = {
      {c.FromWareki(era("天保"), 3, 11, true, 5), tenpo},
      {c.FromLunisolar(1832, 11, true, 5), tenpo},
      {c.FromWestern(1832, 12, 26, false), tenpo},
      {c.FromWestern(1832, 12, 14, true), tenpo},
      {c.FromWareki(era("延元(南朝)"), 1, 2, false, 29), kenmu},
      {c.FromWareki(era("建武"), 3, 2, false, 29), kenmu},
  };
  for (const auto& k : cases) {
    ASSERT_TRUE(k.result.ok()) << k.result.error;
    EXPECT_EQ(k.result.jdn, k.jdn);
    // The pickers, read back, give the day again.
    const ConverterFields& f = k.result.fields;
    EXPECT_EQ(c.FromWareki(f.era, f.eraYear, f.warekiMonth, f.warekiLeap, f.warekiDay).jdn, k.jdn);
    EXPECT_EQ(c.FromLunisolar(f.lunisolarYear, f.lunisolarMonth, f.lunisolarLeap, f.lunisolarDay).jdn, k.jdn);
    EXPECT_EQ(c.FromWestern(f.julian.year, f.julian.month, f.julian.day, true).jdn, k.jdn);
  }
  EXPECT_EQ(static_cast<int>(eras.size()), c.Eras().EraCount());
  EXPECT_EQ(era("暦応(北朝)") < era("興国(南朝)"), true);
  EXPECT_EQ(c.EraStartText(era("令和")), "令和元年5月1日から");
  EXPECT_EQ(c.EraStartText(era("延長")), "延長元年閏4月11日から");
  const WarekiConverterContent published(CalendarLaw::AsPublished);
  const std::vector<std::string> old = published.EraChoices();
  EXPECT_NE(std::find(old.begin(), old.end(), "亨保"), old.end());
  EXPECT_EQ(std::find(old.begin(), old.end(), "令和"), old.end());
}

TEST(WarekiConverter, MarksTheConventionalWesternFormAndCopiesText) {
  const WarekiConverterContent& c = Current();
  const struct {
    const char* text;
    const char* marked;
  } days[] = {{"J1582-10-04", "ユリウス暦\t1582-10-04 *\n"}, {"1582-10-15", "西暦\t1582-10-15 *\n"}};
  for (const auto& day : days) {
    const std::string text = WarekiConverterContent::Text(c.FromText(day.text));
    EXPECT_NE(text.find(day.marked), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '*'), 1) << text;
  }
  // A refused input is its one line; the pickers refuse like the text.
  EXPECT_EQ(WarekiConverterContent::Text(c.FromText("平成32年1月1日")), "平成は31年4月30日までです\n");
  EXPECT_EQ(c.FromLunisolar(1832, 10, true, 1).error, "旧暦1832年に閏10月はありません");
  EXPECT_EQ(c.FromWestern(2052, 1, 1, false).error, "593年2月9日から2051年12月31日までの日だけを変換できます");
  EXPECT_FALSE(c.FromWareki(-1, 1, 1, false, 1).ok());
  EXPECT_FALSE(c.FromDay(0).ok());
}

}  // namespace
}  // namespace korvane
