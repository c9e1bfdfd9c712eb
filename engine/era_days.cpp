#include "engine/era_days.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "engine/era_names.h"
#include "engine/format.h"
#include "engine/julian_day.h"

namespace {

constexpr Court kBoth = Court::Both;
constexpr Court kNorth = Court::North;
constexpr Court kSouth = Court::South;

struct LunisolarDay {
  int year;
  int month;  // month number
  bool leap;
  int day;
};

struct EraRow {
  const char* name;  // standard form
  const char* reading;
  Court court;
  LunisolarDay start;  // 改元 day, or 1/1 of a reign's first year
};

// The start days as the court records give them; for the southern court's
// eras the day is the best attested of several (the years are certain).
constexpr EraRow kEras[] = {
    {"推古", "すいこ", kBoth, {593, 1, false, 1}},
    {"舒明", "じょめい", kBoth, {629, 1, false, 1}},
    {"皇極", "こうぎょく", kBoth, {642, 1, false, 1}},
    {"大化", "たいか", kBoth, {645, 6, false, 19}},
    {"白雉", "はくち", kBoth, {650, 2, false, 15}},
    {"斉明", "さいめい", kBoth, {655, 1, false, 1}},
    {"天智", "てんじ", kBoth, {662, 1, false, 1}},
    {"天武", "てんむ", kBoth, {672, 1, false, 1}},
    {"朱鳥", "しゅちょう", kBoth, {686, 7, false, 20}},
    {"持統", "じとう", kBoth, {687, 1, false, 1}},
    {"文武", "もんむ", kBoth, {697, 1, false, 1}},
    {"大宝", "たいほう", kBoth, {701, 3, false, 21}},
    {"慶雲", "けいうん", kBoth, {704, 5, false, 10}},
    {"和銅", "わどう", kBoth, {708, 1, false, 11}},
    {"霊亀", "れいき", kBoth, {715, 9, false, 2}},
    {"養老", "ようろう", kBoth, {717, 11, false, 17}},
    {"神亀", "じんき", kBoth, {724, 2, false, 4}},
    {"天平", "てんぴょう", kBoth, {729, 8, false, 5}},
    {"天平感宝", "てんぴょうかんぽう", kBoth, {749, 4, false, 14}},
    {"天平勝宝", "てんぴょうしょうほう", kBoth, {749, 7, false, 2}},
    {"天平宝字", "てんぴょうほうじ", kBoth, {757, 8, false, 18}},
    {"天平神護", "てんぴょうじんご", kBoth, {765, 1, false, 7}},
    {"神護景雲", "じんごけいうん", kBoth, {767, 8, false, 16}},
    {"宝亀", "ほうき", kBoth, {770, 10, false, 1}},
    {"天応", "てんおう", kBoth, {781, 1, false, 1}},
    {"延暦", "えんりゃく", kBoth, {782, 8, false, 19}},
    {"大同", "だいどう", kBoth, {806, 5, false, 18}},
    {"弘仁", "こうにん", kBoth, {810, 9, false, 19}},
    {"天長", "てんちょう", kBoth, {824, 1, false, 5}},
    {"承和", "じょうわ", kBoth, {834, 1, false, 3}},
    {"嘉祥", "かしょう", kBoth, {848, 6, false, 13}},
    {"仁寿", "にんじゅ", kBoth, {851, 4, false, 28}},
    {"斉衡", "さいこう", kBoth, {854, 11, false, 30}},
    {"天安", "てんあん", kBoth, {857, 2, false, 21}},
    {"貞観", "じょうがん", kBoth, {859, 4, false, 15}},
    {"元慶", "がんぎょう", kBoth, {877, 4, false, 16}},
    {"仁和", "にんな", kBoth, {885, 2, false, 21}},
    {"寛平", "かんぴょう", kBoth, {889, 4, false, 27}},
    {"昌泰", "しょうたい", kBoth, {898, 4, false, 26}},
    {"延喜", "えんぎ", kBoth, {901, 7, false, 15}},
    {"延長", "えんちょう", kBoth, {923, 4, true, 11}},
    {"承平", "じょうへい", kBoth, {931, 4, false, 26}},
    {"天慶", "てんぎょう", kBoth, {938, 5, false, 22}},
    {"天暦", "てんりゃく", kBoth, {947, 4, false, 22}},
    {"天徳", "てんとく", kBoth, {957, 10, false, 27}},
    {"応和", "おうわ", kBoth, {961, 2, false, 16}},
    {"康保", "こうほう", kBoth, {964, 7, false, 10}},
    {"安和", "あんな", kBoth, {968, 8, false, 13}},
    {"天禄", "てんろく", kBoth, {970, 3, false, 25}},
    {"天延", "てんえん", kBoth, {973, 12, false, 20}},
    {"貞元", "じょうげん", kBoth, {976, 7, false, 13}},
    {"天元", "てんげん", kBoth, {978, 11, false, 29}},
    {"永観", "えいかん", kBoth, {983, 4, false, 15}},
    {"寛和", "かんな", kBoth, {985, 4, false, 27}},
    {"永延", "えいえん", kBoth, {987, 4, false, 5}},
    {"永祚", "えいそ", kBoth, {989, 8, false, 8}},
    {"正暦", "しょうりゃく", kBoth, {990, 11, false, 7}},
    {"長徳", "ちょうとく", kBoth, {995, 2, false, 22}},
    {"長保", "ちょうほう", kBoth, {999, 1, false, 13}},
    {"寛弘", "かんこう", kBoth, {1004, 7, false, 20}},
    {"長和", "ちょうわ", kBoth, {1012, 12, false, 25}},
    {"寛仁", "かんにん", kBoth, {1017, 4, false, 23}},
    {"治安", "じあん", kBoth, {1021, 2, false, 2}},
    {"万寿", "まんじゅ", kBoth, {1024, 7, false, 13}},
    {"長元", "ちょうげん", kBoth, {1028, 7, false, 25}},
    {"長暦", "ちょうりゃく", kBoth, {1037, 4, false, 21}},
    {"長久", "ちょうきゅう", kBoth, {1040, 11, false, 10}},
    {"寛徳", "かんとく", kBoth, {1044, 11, false, 24}},
    {"永承", "えいしょう", kBoth, {1046, 4, false, 14}},
    {"天喜", "てんぎ", kBoth, {1053, 1, false, 11}},
    {"康平", "こうへい", kBoth, {1058, 8, false, 29}},
    {"治暦", "じりゃく", kBoth, {1065, 8, false, 2}},
    {"延久", "えんきゅう", kBoth, {1069, 4, false, 13}},
    {"承保", "じょうほう", kBoth, {1074, 8, false, 23}},
    {"承暦", "じょうりゃく", kBoth, {1077, 11, false, 17}},
    {"永保", "えいほう", kBoth, {1081, 2, false, 10}},
    {"応徳", "おうとく", kBoth, {1084, 2, false, 7}},
    {"寛治", "かんじ", kBoth, {1087, 4, false, 7}},
    {"嘉保", "かほう", kBoth, {1094, 12, false, 15}},
    {"永長", "えいちょう", kBoth, {1096, 12, false, 17}},
    {"承徳", "じょうとく", kBoth, {1097, 11, false, 21}},
    {"康和", "こうわ", kBoth, {1099, 8, false, 28}},
    {"長治", "ちょうじ", kBoth, {1104, 2, false, 10}},
    {"嘉承", "かしょう", kBoth, {1106, 4, false, 9}},
    {"天仁", "てんにん", kBoth, {1108, 8, false, 3}},
    {"天永", "てんえい", kBoth, {1110, 7, false, 13}},
    {"永久", "えいきゅう", kBoth, {1113, 7, false, 13}},
    {"元永", "げんえい", kBoth, {1118, 4, false, 3}},
    {"保安", "ほうあん", kBoth, {1120, 4, false, 10}},
    {"天治", "てんじ", kBoth, {1124, 4, false, 3}},
    {"大治", "だいじ", kBoth, {1126, 1, false, 22}},
    {"天承", "てんしょう", kBoth, {1131, 1, false, 29}},
    {"長承", "ちょうしょう", kBoth, {1132, 8, false, 11}},
    {"保延", "ほうえん", kBoth, {1135, 4, false, 27}},
    {"永治", "えいじ", kBoth, {1141, 7, false, 10}},
    {"康治", "こうじ", kBoth, {1142, 4, false, 28}},
    {"天養", "てんよう", kBoth, {1144, 2, false, 23}},
    {"久安", "きゅうあん", kBoth, {1145, 7, false, 22}},
    {"仁平", "にんぺい", kBoth, {1151, 1, false, 26}},
    {"久寿", "きゅうじゅ", kBoth, {1154, 10, false, 28}},
    {"保元", "ほうげん", kBoth, {1156, 4, false, 27}},
    {"平治", "へいじ", kBoth, {1159, 4, false, 20}},
    {"永暦", "えいりゃく", kBoth, {1160, 1, false, 10}},
    {"応保", "おうほう", kBoth, {1161, 9, false, 4}},
    {"長寛", "ちょうかん", kBoth, {1163, 3, false, 29}},
    {"永万", "えいまん", kBoth, {1165, 6, false, 5}},
    {"仁安", "にんあん", kBoth, {1166, 8, false, 27}},
    {"嘉応", "かおう", kBoth, {1169, 4, false, 8}},
    {"承安", "じょうあん", kBoth, {1171, 4, false, 21}},
    {"安元", "あんげん", kBoth, {1175, 7, false, 28}},
    {"治承", "じしょう", kBoth, {1177, 8, false, 4}},
    {"養和", "ようわ", kBoth, {1181, 7, false, 14}},
    {"寿永", "じゅえい", kBoth, {1182, 5, false, 27}},
    {"元暦", "げんりゃく", kBoth, {1184, 4, false, 16}},
    {"文治", "ぶんじ", kBoth, {1185, 8, false, 14}},
    {"建久", "けんきゅう", kBoth, {1190, 4, false, 11}},
    {"正治", "しょうじ", kBoth, {1199, 4, false, 27}},
    {"建仁", "けんにん", kBoth, {1201, 2, false, 13}},
    {"元久", "げんきゅう", kBoth, {1204, 2, false, 20}},
    {"建永", "けんえい", kBoth, {1206, 4, false, 27}},
    {"承元", "じょうげん", kBoth, {1207, 10, false, 25}},
    {"建暦", "けんりゃく", kBoth, {1211, 3, false, 9}},
    {"建保", "けんぽう", kBoth, {1213, 12, false, 6}},
    {"承久", "じょうきゅう", kBoth, {1219, 4, false, 12}},
    {"貞応", "じょうおう", kBoth, {1222, 4, false, 13}},
    {"元仁", "げんにん", kBoth, {1224, 11, false, 20}},
    {"嘉禄", "かろく", kBoth, {1225, 4, false, 20}},
    {"安貞", "あんてい", kBoth, {1227, 12, false, 10}},
    {"寛喜", "かんぎ", kBoth, {1229, 3, false, 5}},
    {"貞永", "じょうえい", kBoth, {1232, 4, false, 2}},
    {"天福", "てんぷく", kBoth, {1233, 4, false, 15}},
    {"文暦", "ぶんりゃく", kBoth, {1234, 11, false, 5}},
    {"嘉禎", "かてい", kBoth, {1235, 9, false, 19}},
    {"暦仁", "りゃくにん", kBoth, {1238, 11, false, 23}},
    {"延応", "えんおう", kBoth, {1239, 2, false, 7}},
    {"仁治", "にんじ", kBoth, {1240, 7, false, 16}},
    {"寛元", "かんげん", kBoth, {1243, 2, false, 26}},
    {"宝治", "ほうじ", kBoth, {1247, 2, false, 28}},
    {"建長", "けんちょう", kBoth, {1249, 3, false, 18}},
    {"康元", "こうげん", kBoth, {1256, 10, false, 5}},
    {"正嘉", "しょうか", kBoth, {1257, 3, false, 14}},
    {"正元", "しょうげん", kBoth, {1259, 3, false, 26}},
    {"文応", "ぶんおう", kBoth, {1260, 4, false, 13}},
    {"弘長", "こうちょう", kBoth, {1261, 2, false, 20}},
    {"文永", "ぶんえい", kBoth, {1264, 2, false, 28}},
    {"建治", "けんじ", kBoth, {1275, 4, false, 25}},
    {"弘安", "こうあん", kBoth, {1278, 2, false, 29}},
    {"正応", "しょうおう", kBoth, {1288, 4, false, 28}},
    {"永仁", "えいにん", kBoth, {1293, 8, false, 5}},
    {"正安", "しょうあん", kBoth, {1299, 4, false, 25}},
    {"乾元", "けんげん", kBoth, {1302, 11, false, 21}},
    {"嘉元", "かげん", kBoth, {1303, 8, false, 5}},
    {"徳治", "とくじ", kBoth, {1306, 12, false, 14}},
    {"延慶", "えんきょう", kBoth, {1308, 10, false, 9}},
    {"応長", "おうちょう", kBoth, {1311, 4, false, 28}},
    {"正和", "しょうわ", kBoth, {1312, 3, false, 20}},
    {"文保", "ぶんぽう", kBoth, {1317, 2, false, 3}},
    {"元応", "げんおう", kBoth, {1319, 4, false, 28}},
    {"元亨", "げんこう", kBoth, {1321, 2, false, 23}},
    {"正中", "しょうちゅう", kBoth, {1324, 12, false, 9}},
    {"嘉暦", "かりゃく", kBoth, {1326, 4, false, 26}},
    {"元徳", "げんとく", kBoth, {1329, 8, false, 29}},
    {"元弘", "げんこう", kSouth, {1331, 8, false, 9}},
    {"正慶", "しょうきょう", kNorth, {1332, 4, false, 28}},
    {"建武", "けんむ", kBoth, {1334, 1, false, 29}},
    {"延元", "えんげん", kSouth, {1336, 2, false, 29}},
    {"暦応", "りゃくおう", kNorth, {1338, 8, false, 28}},
    {"興国", "こうこく", kSouth, {1340, 4, false, 28}},
    {"康永", "こうえい", kNorth, {1342, 4, false, 27}},
    {"貞和", "じょうわ", kNorth, {1345, 10, false, 21}},
    {"正平", "しょうへい", kSouth, {1346, 12, false, 8}},
    {"観応", "かんのう", kNorth, {1350, 2, false, 27}},
    {"文和", "ぶんな", kNorth, {1352, 9, false, 27}},
    {"延文", "えんぶん", kNorth, {1356, 3, false, 28}},
    {"康安", "こうあん", kNorth, {1361, 3, false, 29}},
    {"貞治", "じょうじ", kNorth, {1362, 9, false, 23}},
    {"応安", "おうあん", kNorth, {1368, 2, false, 18}},
    {"建徳", "けんとく", kSouth, {1370, 2, false, 5}},
    {"文中", "ぶんちゅう", kSouth, {1372, 4, false, 28}},
    {"永和", "えいわ", kNorth, {1375, 2, false, 27}},
    {"天授", "てんじゅ", kSouth, {1375, 5, false, 27}},
    {"康暦", "こうりゃく", kNorth, {1379, 3, false, 22}},
    {"弘和", "こうわ", kSouth, {1381, 2, false, 10}},
    {"永徳", "えいとく", kNorth, {1381, 2, false, 24}},
    {"至徳", "しとく", kNorth, {1384, 2, false, 27}},
    {"元中", "げんちゅう", kSouth, {1384, 4, false, 28}},
    {"嘉慶", "かけい", kNorth, {1387, 8, false, 23}},
    {"康応", "こうおう", kNorth, {1389, 2, false, 9}},
    {"明徳", "めいとく", kNorth, {1390, 3, false, 26}},
    {"応永", "おうえい", kBoth, {1394, 7, false, 5}},
    {"正長", "しょうちょう", kBoth, {1428, 4, false, 27}},
    {"永享", "えいきょう", kBoth, {1429, 9, false, 5}},
    {"嘉吉", "かきつ", kBoth, {1441, 2, false, 17}},
    {"文安", "ぶんあん", kBoth, {1444, 2, false, 5}},
    {"宝徳", "ほうとく", kBoth, {1449, 7, false, 28}},
    {"享徳", "きょうとく", kBoth, {1452, 7, false, 25}},
    {"康正", "こうしょう", kBoth, {1455, 7, false, 25}},
    {"長禄", "ちょうろく", kBoth, {1457, 9, false, 28}},
    {"寛正", "かんしょう", kBoth, {1460, 12, false, 21}},
    {"文正", "ぶんしょう", kBoth, {1466, 2, false, 28}},
    {"応仁", "おうにん", kBoth, {1467, 3, false, 5}},
    {"文明", "ぶんめい", kBoth, {1469, 4, false, 28}},
    {"長享", "ちょうきょう", kBoth, {1487, 7, false, 20}},
    {"延徳", "えんとく", kBoth, {1489, 8, false, 21}},
    {"明応", "めいおう", kBoth, {1492, 7, false, 19}},
    {"文亀", "ぶんき", kBoth, {1501, 2, false, 29}},
    {"永正", "えいしょう", kBoth, {1504, 2, false, 30}},
    {"大永", "だいえい", kBoth, {1521, 8, false, 23}},
    {"享禄", "きょうろく", kBoth, {1528, 8, false, 20}},
    {"天文", "てんぶん", kBoth, {1532, 7, false, 29}},
    {"弘治", "こうじ", kBoth, {1555, 10, false, 23}},
    {"永禄", "えいろく", kBoth, {1558, 2, false, 28}},
    {"元亀", "げんき", kBoth, {1570, 4, false, 23}},
    {"天正", "てんしょう", kBoth, {1573, 7, false, 28}},
    {"文禄", "ぶんろく", kBoth, {1592, 12, false, 8}},
    {"慶長", "けいちょう", kBoth, {1596, 10, false, 27}},
    {"元和", "げんな", kBoth, {1615, 7, false, 13}},
    {"寛永", "かんえい", kBoth, {1624, 2, false, 30}},
    {"正保", "しょうほう", kBoth, {1644, 12, false, 16}},
    {"慶安", "けいあん", kBoth, {1648, 2, false, 15}},
    {"承応", "じょうおう", kBoth, {1652, 9, false, 18}},
    {"明暦", "めいれき", kBoth, {1655, 4, false, 13}},
    {"万治", "まんじ", kBoth, {1658, 7, false, 23}},
    {"寛文", "かんぶん", kBoth, {1661, 4, false, 25}},
    {"延宝", "えんぽう", kBoth, {1673, 9, false, 21}},
    {"天和", "てんな", kBoth, {1681, 9, false, 29}},
    {"貞享", "じょうきょう", kBoth, {1684, 2, false, 21}},
    {"元禄", "げんろく", kBoth, {1688, 9, false, 30}},
    {"宝永", "ほうえい", kBoth, {1704, 3, false, 13}},
    {"正徳", "しょうとく", kBoth, {1711, 4, false, 25}},
    {"享保", "きょうほう", kBoth, {1716, 6, false, 22}},
    {"元文", "げんぶん", kBoth, {1736, 4, false, 28}},
    {"寛保", "かんぽう", kBoth, {1741, 2, false, 27}},
    {"延享", "えんきょう", kBoth, {1744, 2, false, 21}},
    {"寛延", "かんえん", kBoth, {1748, 7, false, 12}},
    {"宝暦", "ほうれき", kBoth, {1751, 10, false, 27}},
    {"明和", "めいわ", kBoth, {1764, 6, false, 2}},
    {"安永", "あんえい", kBoth, {1772, 11, false, 16}},
    {"天明", "てんめい", kBoth, {1781, 4, false, 2}},
    {"寛政", "かんせい", kBoth, {1789, 1, false, 25}},
    {"享和", "きょうわ", kBoth, {1801, 2, false, 5}},
    {"文化", "ぶんか", kBoth, {1804, 2, false, 11}},
    {"文政", "ぶんせい", kBoth, {1818, 4, false, 22}},
    {"天保", "てんぽう", kBoth, {1830, 12, false, 10}},
    {"弘化", "こうか", kBoth, {1844, 12, false, 2}},
    {"嘉永", "かえい", kBoth, {1848, 2, false, 28}},
    {"安政", "あんせい", kBoth, {1854, 11, false, 27}},
    {"万延", "まんえん", kBoth, {1860, 3, false, 18}},
    {"文久", "ぶんきゅう", kBoth, {1861, 2, false, 19}},
    {"元治", "げんじ", kBoth, {1864, 2, false, 20}},
    {"慶応", "けいおう", kBoth, {1865, 4, false, 7}},
    {"明治", "めいじ", kBoth, {1868, 9, false, 8}},
    {"大正", "たいしょう", kBoth, {1912, 6, false, 17}},
    {"昭和", "しょうわ", kBoth, {1926, 11, false, 21}},
    {"平成", "へいせい", kBoth, {1988, 12, false, 1}},
    {"令和", "れいわ", kBoth, {2019, 3, false, 27}},
};
constexpr int kEraCount = static_cast<int>(std::size(kEras));
// 令和 is the last row and the only one the published rules do not know.
constexpr int kPublishedEraCount = kEraCount - 1;

// Days on which a court took up an era it had not begun: the northern court
// went back to 元弘 when 正慶 was set aside, and the southern court took the
// northern 明徳 at the union.  The era years still count from the era's start.
struct Resumption {
  const char* name;
  Court court;
  LunisolarDay day;
};
constexpr Resumption kResumptions[] = {
    {"元弘", kNorth, {1333, 5, false, 25}},
    {"明徳", kSouth, {1392, 10, true, 5}},
};

// The era rows of the lunisolar table's read of history have no start day
// past 2051 and none before 593, so every row converts.
long JdnOfLunisolar(const LunisolarTable& table, const LunisolarDay& day) {
  const int leapPosition = table.LeapPosition(day.year);
  int position = day.month;
  if (day.leap || (leapPosition != 0 && day.month >= leapPosition)) ++position;
  return korvane::JdnFromGregorian(table.ToGregorian(day.year, position, day.day));
}

std::string YearText(int eraYear) {
  return eraYear == 1 ? std::string("元") : std::to_string(eraYear);
}

}  // namespace

EraDays::EraDays(const LunisolarTable& table) : table_(table), law_(table.Law()) {
  const int count = EraCount();
  eraStart_.reserve(count);
  for (int era = 0; era < count; ++era) {
    const long jdn = JdnOfLunisolar(table_, kEras[era].start);
    eraStart_.push_back(jdn);
    const Court court = kEras[era].court;
    if (court != Court::South) north_.push_back({era, court, jdn});
    if (court != Court::North) south_.push_back({era, court, jdn});
  }
  for (const Resumption& r : kResumptions) {
    const int era = FindEra(r.name);
    std::vector<StartRow>& rows = r.court == Court::North ? north_ : south_;
    rows.push_back({era, r.court, JdnOfLunisolar(table_, r.day)});
  }
  auto byDay = [](const StartRow& a, const StartRow& b) { return a.jdn < b.jdn; };
  std::sort(north_.begin(), north_.end(), byDay);
  std::sort(south_.begin(), south_.end(), byDay);
}

int EraDays::EraCount() const {
  return law_ == CalendarLaw::Current ? kEraCount : kPublishedEraCount;
}

const char* EraDays::EraName(int era) const {
  if (era < 0 || era >= EraCount()) return "";
  return EraNames::Spelling(kEras[era].name, law_);
}

const char* EraDays::EraReading(int era) {
  if (era < 0 || era >= kEraCount) return "";
  return kEras[era].reading;
}

Court EraDays::EraCourt(int era) {
  if (era < 0 || era >= kEraCount) return Court::Both;
  return kEras[era].court;
}

long EraDays::EraStartJdn(int era) const {
  if (era < 0 || era >= EraCount()) return -1;
  return eraStart_[era];
}

int EraDays::FindEra(const std::string& name) const {
  for (int era = 0; era < EraCount(); ++era) {
    // Either spelling finds the era under either rules: a reader may have
    // either list to hand.
    if (name == kEras[era].name || name == EraNames::Spelling(kEras[era].name, CalendarLaw::AsPublished))
      return era;
  }
  return -1;
}

int EraDays::EraIndexOn(long jdn, Court court) const {
  const std::vector<StartRow>& rows = court == Court::South ? south_ : north_;
  auto next = std::upper_bound(rows.begin(), rows.end(), jdn,
                               [](long day, const StartRow& row) { return day < row.jdn; });
  if (next == rows.begin()) return -1;
  return std::prev(next)->era;
}

int EraDays::WritingYear(long jdn) const {
  if (jdn >= reformJdn) return korvane::GregorianFromJdn(jdn).year;
  const GregorianDate g = korvane::GregorianFromJdn(jdn);
  return table_.FromGregorian(g.year, g.month, g.day).year;
}

long EraDays::LastDayOf(int era) const {
  long last = -1;
  for (const std::vector<StartRow>* rows : {&north_, &south_}) {
    for (size_t i = 0; i < rows->size(); ++i) {
      if ((*rows)[i].era != era) continue;
      last = std::max(last, i + 1 < rows->size() ? (*rows)[i + 1].jdn - 1 : lastJdn);
    }
  }
  return last;
}

int EraDays::EraFirstYear(int era) const { return WritingYear(eraStart_[era]); }

int EraDays::EraYearOn(int era, long jdn) const { return WritingYear(jdn) - EraFirstYear(era) + 1; }

std::vector<EraInForce> EraDays::ErasOn(long jdn) const {
  if (!InRange(jdn)) return {};
  const int north = EraIndexOn(jdn, Court::North);
  const int south = EraIndexOn(jdn, Court::South);
  if (north == south) return {{north, EraYearOn(north, jdn), Court::Both}};
  return {{north, EraYearOn(north, jdn), Court::North}, {south, EraYearOn(south, jdn), Court::South}};
}

WarekiDate EraDays::Wareki(const EraInForce& era, long jdn) const {
  if (!InRange(jdn) || era.era < 0) return {};
  const GregorianDate g = korvane::GregorianFromJdn(jdn);
  if (jdn >= reformJdn) return {era.era, era.eraYear, g.month, false, g.day};
  const LunisolarDate l = table_.FromGregorian(g.year, g.month, g.day);
  const bool leap = l.leapPosition != 0 && l.month == l.leapPosition;
  const int month = (l.leapPosition != 0 && l.month >= l.leapPosition) ? l.month - 1 : l.month;
  return {era.era, era.eraYear, month, leap, l.day};
}

std::string EraDays::EraYearText(const EraInForce& era) const {
  if (era.era < 0 || era.era >= EraCount()) return "";
  return std::string(EraName(era.era)) + YearText(era.eraYear) + "年";
}

std::string EraDays::EraYearsOn(long jdn) const {
  std::string text;
  for (const EraInForce& era : ErasOn(jdn)) {
    if (!text.empty()) text += "・";
    if (era.court == Court::North) text += "北朝";
    if (era.court == Court::South) text += "南朝";
    text += EraYearText(era);
  }
  return text;
}

std::string EraDays::WarekiText(const WarekiDate& date) const {
  if (date.era < 0 || date.era >= EraCount()) return "";
  return EraYearText({date.era, date.eraYear, Court::Both}) +
         korvane::Format("%s%d月%d日", date.leap ? "閏" : "", date.month, date.day);
}

long EraDays::FromWareki(const WarekiDate& date, std::string* message) const {
  auto refuse = [message](std::string text) {
    if (message != nullptr) *message = std::move(text);
    return -1L;
  };
  if (date.era < 0 || date.era >= EraCount()) return refuse("その年号はありません");
  const char* name = EraName(date.era);
  const std::string eraYear = std::string(name) + YearText(date.eraYear) + "年";
  if (date.eraYear < 1) return refuse("年は元年（1年）から数えます");
  const int year = EraFirstYear(date.era) + date.eraYear - 1;
  if (date.month < 1 || date.month > 12) return refuse(korvane::Format("%d月はありません", date.month));

  long jdn = -1;
  if (year < korvane::GregorianFromJdn(reformJdn).year) {
    // Written in the lunisolar calendar.
    if (year > LunisolarTable::lastYear) return refuse(eraYear + "は計算できる範囲の外です");
    const int leapPosition = table_.LeapPosition(year);
    if (date.leap && leapPosition != date.month + 1)
      return refuse(korvane::Format("%sに閏%d月はありません", eraYear.c_str(), date.month));
    int position = date.month;
    if (date.leap || (leapPosition != 0 && date.month >= leapPosition)) ++position;
    const int days = table_.MonthDays(year, position);
    if (date.day < 1 || date.day > days) {
      return refuse(korvane::Format("%s%s%d月は%sの月で、%d日までです", eraYear.c_str(),
                                    date.leap ? "閏" : "", date.month,
                                    days == LunisolarTable::bigMonthDays ? "大" : "小", days));
    }
    jdn = korvane::JdnFromGregorian(table_.ToGregorian(year, position, date.day));
    if (jdn >= reformJdn) {
      // The lunisolar days from the reform on were never written.
      const EraInForce reformEra = ErasOn(reformJdn).front();
      const WarekiDate old = Wareki(ErasOn(reformJdn - 1).front(), reformJdn - 1);
      return refuse(korvane::Format("%s%s年%d月%d日の翌日からは新暦で、その日が%s", name,
                                    YearText(old.eraYear).c_str(), old.month, old.day,
                                    WarekiText(Wareki(reformEra, reformJdn)).c_str()));
    }
  } else {
    if (date.leap) return refuse("改暦（明治6年）からの和暦に閏月はありません");
    if (!korvane::IsValidGregorian(year, date.month, date.day)) {
      return refuse(korvane::Format("%s%d月に%d日はありません", eraYear.c_str(), date.month, date.day));
    }
    jdn = korvane::JdnFromGregorian(year, date.month, date.day);
  }
  if (!InRange(jdn)) return refuse("593年2月9日から2051年12月31日までの日だけを変換できます");

  for (const EraInForce& era : ErasOn(jdn)) {
    if (era.era == date.era) return jdn;
  }
  if (jdn < eraStart_[date.era]) {
    const WarekiDate start = Wareki({date.era, 1, Court::Both}, eraStart_[date.era]);
    return refuse(korvane::Format("%s元年は%s%d月%d日からです", name, start.leap ? "閏" : "",
                                  start.month, start.day));
  }
  const long last = LastDayOf(date.era);
  const WarekiDate end = Wareki({date.era, EraYearOn(date.era, last), Court::Both}, last);
  return refuse(korvane::Format("%sは%s年%s%d月%d日までです", name, YearText(end.eraYear).c_str(),
                                end.leap ? "閏" : "", end.month, end.day));
}
