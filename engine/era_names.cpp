#include "engine/era_names.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

struct Era {
  const char* name;  // the standard form
  // The almanac's published spelling where it differs from the standard form,
  // else nullptr.  The published list has 亨 for 享 in seven names, 斉衛 for
  // 斉衡, 嘉喜 for 寛喜 and the old form 永萬; the published rules keep them so
  // that the published year lists and era searches stand as printed.
  const char* published;
  int firstYear;  // the first lunisolar year that carries the era
  constexpr Era(const char* n, int first) : name(n), published(nullptr), firstYear(first) {}
  constexpr Era(const char* n, const char* p, int first) : name(n), published(p), firstYear(first) {}
};

constexpr Era kEras[] = {
    {"推古", 593}, {"舒明", 629}, {"皇極", 642}, {"大化", 645}, {"白雉", 650},
    {"斉明", 655}, {"天智", 662}, {"天武", 672}, {"朱鳥", 686}, {"持統", 687},
    {"文武", 697}, {"大宝", 701}, {"慶雲", 704}, {"和銅", 708}, {"霊亀", 715},
    {"養老", 717}, {"神亀", 724}, {"天平", 729}, {"天平勝宝", 749},
    {"天平宝字", 757}, {"天平神護", 765}, {"神護景雲", 767}, {"宝亀", 770},
    {"天応", 781}, {"延暦", 782}, {"大同", 806}, {"弘仁", 810}, {"天長", 824},
    {"承和", 834}, {"嘉祥", 848}, {"仁寿", 851}, {"斉衡", "斉衛", 854}, {"天安", 857},
    {"貞観", 859}, {"元慶", 877}, {"仁和", 885}, {"寛平", 889}, {"昌泰", 898},
    {"延喜", 901}, {"延長", 923}, {"承平", 931}, {"天慶", 938}, {"天暦", 947},
    {"天徳", 957}, {"応和", 961}, {"康保", 964}, {"安和", 968}, {"天禄", 970},
    {"天延", 973}, {"貞元", 976}, {"天元", 978}, {"永観", 983}, {"寛和", 985},
    {"永延", 987}, {"永祚", 989}, {"正暦", 990}, {"長徳", 995}, {"長保", 999},
    {"寛弘", 1004}, {"長和", 1012}, {"寛仁", 1017}, {"治安", 1021}, {"万寿", 1024},
    {"長元", 1028}, {"長暦", 1037}, {"長久", 1040}, {"寛徳", 1044}, {"永承", 1046},
    {"天喜", 1053}, {"康平", 1058}, {"治暦", 1065}, {"延久", 1069}, {"承保", 1074},
    {"承暦", 1077}, {"永保", 1081}, {"応徳", 1084}, {"寛治", 1087}, {"嘉保", 1094},
    {"永長", 1096}, {"承徳", 1097}, {"康和", 1099}, {"長治", 1104}, {"嘉承", 1106},
    {"天仁", 1108}, {"天永", 1110}, {"永久", 1113}, {"元永", 1118}, {"保安", 1120},
    {"天治", 1124}, {"大治", 1126}, {"天承", 1131}, {"長承", 1132}, {"保延", 1135},
    {"永治", 1141}, {"康治", 1142}, {"天養", 1144}, {"久安", 1145}, {"仁平", 1151},
    {"久寿", 1154}, {"保元", 1156}, {"平治", 1159}, {"永暦", 1160}, {"応保", 1161},
    {"長寛", 1163}, {"永万", "永萬", 1165}, {"仁安", 1166}, {"嘉応", 1169}, {"承安", 1171},
    {"安元", 1175}, {"治承", 1177}, {"養和", 1181}, {"寿永", 1182}, {"元暦", 1184},
    {"文治", 1185}, {"建久", 1190}, {"正治", 1199}, {"建仁", 1201}, {"元久", 1204},
    {"建永", 1206}, {"承元", 1207}, {"建暦", 1211}, {"建保", 1213}, {"承久", 1219},
    {"貞応", 1222}, {"元仁", 1224}, {"嘉禄", 1225}, {"安貞", 1227}, {"寛喜", "嘉喜", 1229},
    {"貞永", 1232}, {"天福", 1233}, {"文暦", 1234}, {"嘉禎", 1235}, {"暦仁", 1238},
    {"延応", 1239}, {"仁治", 1240}, {"寛元", 1243}, {"宝治", 1247}, {"建長", 1249},
    {"康元", 1256}, {"正嘉", 1257}, {"正元", 1259}, {"文応", 1260}, {"弘長", 1261},
    {"文永", 1264}, {"建治", 1275}, {"弘安", 1278}, {"正応", 1288}, {"永仁", 1293},
    {"正安", 1299}, {"乾元", 1302}, {"嘉元", 1303}, {"徳治", 1306}, {"延慶", 1308},
    {"応長", 1311}, {"正和", 1312}, {"文保", 1317}, {"元応", 1319}, {"元亨", 1321},
    {"正中", 1324}, {"嘉暦", 1326}, {"元徳", 1329}, {"元弘", 1331}, {"建武", 1334},
    {"延元", 1336}, {"興国", 1340}, {"正平", 1346}, {"建徳", 1370}, {"文中", 1372},
    {"天授", 1375}, {"弘和", 1381}, {"元中", 1384}, {"明徳", 1393}, {"応永", 1394},
    {"正長", 1428}, {"永享", "永亨", 1429}, {"嘉吉", 1441}, {"文安", 1444}, {"宝徳", 1449},
    {"享徳", "亨徳", 1452}, {"康正", 1455}, {"長禄", 1457}, {"寛正", 1460}, {"文正", 1466},
    {"応仁", 1467}, {"文明", 1469}, {"長享", "長亨", 1487}, {"延徳", 1489}, {"明応", 1492},
    {"文亀", 1501}, {"永正", 1504}, {"大永", 1521}, {"享禄", "亨禄", 1528}, {"天文", 1532},
    {"弘治", 1555}, {"永禄", 1558}, {"元亀", 1570}, {"天正", 1573}, {"文禄", 1592},
    {"慶長", 1596}, {"元和", 1615}, {"寛永", 1624}, {"正保", 1644}, {"慶安", 1648},
    {"承応", 1652}, {"明暦", 1655}, {"万治", 1658}, {"寛文", 1661}, {"延宝", 1673},
    {"天和", 1681}, {"貞享", 1684}, {"元禄", 1688}, {"宝永", 1704}, {"正徳", 1711},
    {"享保", "亨保", 1716}, {"元文", 1736}, {"寛保", 1741}, {"延享", "延亨", 1744}, {"寛延", 1748},
    {"宝暦", 1751}, {"明和", 1764}, {"安永", 1772}, {"天明", 1781}, {"寛政", 1789},
    {"享和", "亨和", 1801}, {"文化", 1804}, {"文政", 1818}, {"天保", 1830}, {"弘化", 1844},
    {"嘉永", 1848}, {"安政", 1854}, {"万延", 1860}, {"文久", 1861}, {"元治", 1864},
    {"慶応", 1865}, {"明治", 1868}, {"大正", 1912}, {"昭和", 1926}, {"平成", 1989},
    {"令和", 2019},  // the current law's only
};
static_assert(std::size(kEras) == EraNames::currentEraCount);

// 明徳 counts its years from 1390; its first year in the table, 1393, is its
// year 4 because the northern court's 明徳 1..3 lie under 元中.
constexpr const char* kMeitoku = "明徳";
constexpr int kMeitokuFirstEraYear = 4;

bool IsMeitoku(int index) { return std::string_view(kEras[index].name) == kMeitoku; }

}  // namespace

int EraNames::Count(CalendarLaw law) {
  return law == CalendarLaw::Current ? currentEraCount : eraCount;
}

const char* EraNames::Name(int index, CalendarLaw law) {
  if (index < 0 || index >= Count(law)) return "";
  const Era& era = kEras[index];
  return law == CalendarLaw::AsPublished && era.published != nullptr ? era.published : era.name;
}

const char* EraNames::Spelling(const char* standardName, CalendarLaw law) {
  if (standardName == nullptr || law != CalendarLaw::AsPublished) return standardName;
  for (const Era& era : kEras) {
    if (era.published != nullptr && std::string_view(era.name) == standardName) return era.published;
  }
  return standardName;
}

int EraNames::FirstYear(int index, CalendarLaw law) {
  if (index < 0 || index >= Count(law)) return 0;
  return kEras[index].firstYear;
}

int EraNames::FirstEraYear(int index, CalendarLaw law) {
  if (index < 0 || index >= Count(law)) return 0;
  return IsMeitoku(index) ? kMeitokuFirstEraYear : 1;
}

int EraNames::IndexOfYear(int year, CalendarLaw law) {
  if (year < firstYear || year > lastYear) return -1;
  // The last era whose first year is not after `year`.
  const Era* end = std::begin(kEras) + Count(law);
  const Era* next = std::upper_bound(std::begin(kEras), end, year,
                                     [](int y, const Era& era) { return y < era.firstYear; });
  return static_cast<int>(next - std::begin(kEras)) - 1;
}

int EraNames::EraYearOf(int year, CalendarLaw law) {
  int index = IndexOfYear(year, law);
  if (index < 0) return -1;
  return year - kEras[index].firstYear + FirstEraYear(index, law);
}
