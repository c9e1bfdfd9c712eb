#include "engine/era_names.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"

namespace {

const LunisolarTable& Table() {
  static const auto* table = new LunisolarTable();
  return *table;
}

TEST(EraNames, KnownYears) {
  const LunisolarTable& t = Table();
  struct Row {
    int year;
    const char* era;
    int eraYear;
  };
  const Row rows[] = {
      {593, "推古", 1},    {645, "大化", 1},    {749, "天平勝宝", 1}, {1335, "建武", 2},
      {1336, "延元", 1},   {1392, "元中", 9},   {1393, "明徳", 4},    {1394, "応永", 1},
      {1868, "明治", 1},   {1911, "明治", 44},  {1912, "大正", 1},    {1919, "大正", 8},
      {1920, "大正", 9},   {1926, "昭和", 1},   {1988, "昭和", 63},   {1989, "平成", 1},
      {2019, "平成", 31},  {2051, "平成", 63},
  };
  for (const Row& row : rows) {
    EXPECT_STREQ(t.EraName(row.year), row.era) << row.year;
    EXPECT_EQ(t.EraYear(row.year), row.eraYear) << row.year;
  }
}

// The eras with the first year each one carries, as the almanac has always
// printed them: written out here, not taken from the code's table.
constexpr const char* kListedEras =
    "推古593 舒明629 皇極642 大化645 白雉650 斉明655 天智662 天武672 朱鳥686 持統687 文武697 "
    "大宝701 慶雲704 和銅708 霊亀715 養老717 神亀724 天平729 天平勝宝749 天平宝字757 天平神護765 "
    "神護景雲767 宝亀770 天応781 延暦782 大同806 弘仁810 天長824 承和834 嘉祥848 仁寿851 斉衛854 "
    "天安857 貞観859 元慶877 仁和885 寛平889 昌泰898 延喜901 延長923 承平931 天慶938 天暦947 "
    "天徳957 応和961 康保964 安和968 天禄970 天延973 貞元976 天元978 永観983 寛和985 永延987 "
    "永祚989 正暦990 長徳995 長保999 寛弘1004 長和1012 寛仁1017 治安1021 万寿1024 長元1028 "
    "長暦1037 長久1040 寛徳1044 永承1046 天喜1053 康平1058 治暦1065 延久1069 承保1074 承暦1077 "
    "永保1081 応徳1084 寛治1087 嘉保1094 永長1096 承徳1097 康和1099 長治1104 嘉承1106 天仁1108 "
    "天永1110 永久1113 元永1118 保安1120 天治1124 大治1126 天承1131 長承1132 保延1135 永治1141 "
    "康治1142 天養1144 久安1145 仁平1151 久寿1154 保元1156 平治1159 永暦1160 応保1161 長寛1163 "
    "永萬1165 仁安1166 嘉応1169 承安1171 安元1175 治承1177 養和1181 寿永1182 元暦1184 文治1185 "
    "建久1190 正治1199 建仁1201 元久1204 建永1206 承元1207 建暦1211 建保1213 承久1219 貞応1222 "
    "元仁1224 嘉禄1225 安貞1227 嘉喜1229 貞永1232 天福1233 文暦1234 嘉禎1235 暦仁1238 延応1239 "
    "仁治1240 寛元1243 宝治1247 建長1249 康元1256 正嘉1257 正元1259 文応1260 弘長1261 文永1264 "
    "建治1275 弘安1278 正応1288 永仁1293 正安1299 乾元1302 嘉元1303 徳治1306 延慶1308 応長1311 "
    "正和1312 文保1317 元応1319 元亨1321 正中1324 嘉暦1326 元徳1329 元弘1331 建武1334 延元1336 "
    "興国1340 正平1346 建徳1370 文中1372 天授1375 弘和1381 元中1384 明徳1393 応永1394 正長1428 "
    "永亨1429 嘉吉1441 文安1444 宝徳1449 亨徳1452 康正1455 長禄1457 寛正1460 文正1466 応仁1467 "
    "文明1469 長亨1487 延徳1489 明応1492 文亀1501 永正1504 大永1521 亨禄1528 天文1532 弘治1555 "
    "永禄1558 元亀1570 天正1573 文禄1592 慶長1596 元和1615 寛永1624 正保1644 慶安1648 承応1652 "
    "明暦1655 万治1658 寛文1661 延宝1673 天和1681 貞享1684 元禄1688 宝永1704 正徳1711 亨保1716 "
    "元文1736 寛保1741 延亨1744 寛延1748 宝暦1751 明和1764 安永1772 天明1781 寛政1789 亨和1801 "
    "文化1804 文政1818 天保1830 弘化1844 嘉永1848 安政1854 万延1860 文久1861 元治1864 慶応1865 "
    "明治1868 大正1912 昭和1926 平成1989";

// Every year carries the era of the listed run it lies in: the era year
// counts on by one within a run (明徳 starts at 4, its years 1..3 lying
// under 元中) and a new run starts at its era's listed first year.
TEST(EraNames, EveryYearCarriesTheListedEra) {
  const LunisolarTable& t = Table();
  std::vector<std::pair<std::string, int>> eras;
  std::istringstream words(kListedEras);
  for (std::string word; words >> word;) {
    const std::size_t digits = word.find_first_of("0123456789");
    eras.emplace_back(word.substr(0, digits), std::stoi(word.substr(digits)));
  }
  ASSERT_EQ(eras.size(), 238u);
  ASSERT_EQ(EraNames::eraCount, 238);
  std::size_t run = 0;
  for (int y = 593; y <= 2051; ++y) {
    if (run + 1 < eras.size() && eras[run + 1].second == y) ++run;
    const auto& [name, first] = eras[run];
    ASSERT_STREQ(t.EraName(y), name.c_str()) << y;
    ASSERT_EQ(t.EraYear(y), y - first + (name == "明徳" ? 4 : 1)) << y;
  }
  for (int i = 0; i < EraNames::eraCount; ++i) {
    EXPECT_STREQ(EraNames::Name(i), eras[i].first.c_str()) << i;
    EXPECT_EQ(EraNames::FirstYear(i), eras[i].second) << i;
  }
}

TEST(EraNames, CountAndSearch) {
  const LunisolarTable& t = Table();
  EXPECT_EQ(t.EraCount(), 238);
  EXPECT_EQ(t.FindEraYear("大化", 1), 645);
  EXPECT_EQ(t.FindEraYear("明徳", 4), 1393);
  EXPECT_EQ(t.FindEraYear("明徳", 1), 2020);  // 1390 lies under 元中
  EXPECT_EQ(t.FindEraYear("平成", 31), 2019);
  // Nothing found gives 2020, and years from 2020 on are not searched.
  EXPECT_EQ(t.FindEraYear("昭和", 64), 2020);
  EXPECT_EQ(t.FindEraYear("平成", 40), 2020);
  EXPECT_EQ(t.FindEraYear("令和", 1), 2020);
  EXPECT_EQ(t.FindEraYear("", 1), 2020);
  EXPECT_EQ(t.FindEraYear(nullptr, 1), 2020);
  // Every era is found at its first year.
  for (int i = 0; i < EraNames::eraCount; ++i) {
    EXPECT_EQ(t.FindEraYear(EraNames::Name(i), EraNames::FirstEraYear(i)), EraNames::FirstYear(i))
        << EraNames::Name(i);
  }
}

TEST(EraNames, LookupOutsideTheTables) {
  EXPECT_STREQ(EraNames::Name(-1), "");
  EXPECT_STREQ(EraNames::Name(EraNames::eraCount), "");
  EXPECT_EQ(EraNames::IndexOfYear(592), -1);
  EXPECT_EQ(EraNames::IndexOfYear(2052), -1);
  EXPECT_EQ(EraNames::EraYearOf(2052), -1);
  EXPECT_EQ(EraNames::EraYearOf(2051), 63);

  korvane::MessageRecorder recorder;
  EXPECT_EQ(Table().EraName(592), nullptr);
  EXPECT_EQ(Table().EraYear(2052), -1);
  EXPECT_EQ(recorder.messages(), (std::vector<std::string>{"592年の旧暦は計算できません.4",
                                                           "2052年の旧暦は計算できません.5"}));
}

}  // namespace
