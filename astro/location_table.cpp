#include "astro/location_table.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct PlaceSource {
  const char* name;
  int latDeg, latMin;
  double latSec;
  int lonDeg, lonMin;
  double lonSec;
  int group;
};

// By decreasing latitude, except that 甲府 follows 東京 and 彦根 follows
// 名古屋.  The index is stored in the settings, so the order never changes.
// Two places are called 宮古 (Iwate and Okinawa); they are told apart by
// index.
constexpr PlaceSource kPlaces[LocationTable::kPlaceCount] = {
    {"稚内", 45, 25, 0.0, 141, 41, 0.0, 0},
    {"網走", 44, 1, 0.0, 144, 17, 0.0, 0},
    {"留萌", 43, 57, 0.0, 141, 38, 0.0, 0},
    {"旭川", 43, 46, 0.0, 142, 22, 0.0, 0},
    {"根室", 43, 20, 0.0, 145, 35, 0.0, 0},
    {"札幌", 43, 4, 0.0, 141, 21, 0.0, 0},
    {"釧路", 42, 59, 0.0, 144, 24, 0.0, 0},
    {"帯広", 42, 55, 0.0, 143, 13, 0.0, 0},
    {"寿都", 42, 48, 0.0, 140, 14, 0.0, 0},
    {"浦川", 42, 10, 0.0, 142, 47, 0.0, 0},
    {"函館", 41, 49, 0.0, 140, 45, 0.0, 0},
    {"青森", 40, 49, 0.0, 140, 46, 0.0, 1},
    {"秋田", 39, 43, 0.0, 140, 6, 0.0, 1},
    {"盛岡", 39, 42, 0.0, 141, 10, 0.0, 1},
    {"宮古", 39, 39, 0.0, 141, 58, 0.0, 1},
    {"酒田", 38, 54, 0.0, 139, 51, 0.0, 1},
    {"仙台", 38, 16, 0.0, 140, 52, 0.0, 1},
    {"山形", 38, 15, 0.0, 140, 21, 0.0, 1},
    {"相川", 38, 2, 0.0, 138, 15, 0.0, 1},
    {"新潟", 37, 55, 0.0, 139, 3, 0.0, 2},
    {"福島", 37, 45, 0.0, 140, 29, 0.0, 2},
    {"輪島", 37, 23, 0.0, 136, 54, 0.0, 2},
    {"高田", 37, 6, 0.0, 138, 15, 0.0, 2},
    {"小名浜", 36, 57, 0.0, 140, 54, 0.0, 2},
    {"富山", 36, 42, 0.0, 137, 12, 0.0, 2},
    {"長野", 36, 40, 0.0, 138, 12, 0.0, 2},
    {"金沢", 36, 35, 0.0, 136, 38, 0.0, 2},
    {"宇都宮", 36, 33, 0.0, 139, 52, 0.0, 2},
    {"前橋", 36, 24, 0.0, 139, 4, 0.0, 2},
    {"水戸", 36, 23, 0.0, 140, 28, 0.0, 2},
    {"軽井沢", 36, 20, 0.0, 138, 33, 0.0, 2},
    {"松本", 36, 15, 0.0, 137, 58, 0.0, 2},
    {"西郷", 36, 12, 0.0, 133, 20, 0.0, 2},
    {"高山", 36, 9, 0.0, 137, 15, 0.0, 2},
    {"熊谷", 36, 9, 0.0, 139, 23, 0.0, 2},
    {"福井", 36, 3, 0.0, 136, 14, 0.0, 2},
    {"浦和", 35, 51, 0.0, 139, 41, 0.0, 3},
    {"銚子", 35, 44, 0.0, 140, 52, 0.0, 3},
    {"敦賀", 35, 39, 0.0, 136, 4, 0.0, 3},
    {"東京", 35, 39, 0.0, 139, 45, 0.0, 3},
    {"甲府", 35, 40, 0.0, 138, 33, 0.0, 3},
    {"中央標準", 35, 39, 16.0, 139, 44, 40.9, 3},
    {"千葉", 35, 36, 0.0, 140, 6, 0.0, 3},
    {"飯田", 35, 31, 0.0, 137, 50, 0.0, 3},
    {"鳥取", 35, 29, 0.0, 134, 14, 0.0, 3},
    {"松江", 35, 27, 0.0, 133, 4, 0.0, 3},
    {"横浜", 35, 26, 0.0, 139, 39, 0.0, 3},
    {"岐阜", 35, 24, 0.0, 136, 46, 0.0, 4},
    {"名古屋", 35, 10, 0.0, 136, 58, 0.0, 4},
    {"彦根", 35, 16, 0.0, 136, 15, 0.0, 4},
    {"京都", 35, 1, 0.0, 135, 45, 0.0, 4},
    {"大津", 35, 1, 0.0, 135, 52, 0.0, 4},
    {"静岡", 34, 58, 0.0, 138, 24, 0.0, 4},
    {"浜田", 34, 54, 0.0, 132, 4, 0.0, 4},
    {"大島", 34, 45, 0.0, 139, 22, 0.0, 4},
    {"津", 34, 44, 0.0, 136, 31, 0.0, 4},
    {"浜松", 34, 42, 0.0, 137, 43, 0.0, 4},
    {"神戸", 34, 41, 0.0, 135, 11, 0.0, 5},
    {"大阪", 34, 41, 0.0, 135, 31, 0.0, 5},
    {"奈良", 34, 41, 0.0, 135, 50, 0.0, 5},
    {"岡山", 34, 39, 0.0, 133, 55, 0.0, 5},
    {"広島", 34, 24, 0.0, 132, 28, 0.0, 6},
    {"高松", 34, 19, 0.0, 134, 3, 0.0, 6},
    {"和歌山", 34, 14, 0.0, 135, 10, 0.0, 6},
    {"巌原", 34, 12, 0.0, 129, 18, 0.0, 6},
    {"山口", 34, 11, 0.0, 131, 29, 0.0, 6},
    {"徳島", 34, 4, 0.0, 134, 35, 0.0, 6},
    {"尾鷲", 34, 4, 0.0, 136, 12, 0.0, 6},
    {"下関", 33, 57, 0.0, 130, 56, 0.0, 7},
    {"松山", 33, 50, 0.0, 132, 47, 0.0, 7},
    {"福岡", 33, 35, 0.0, 130, 24, 0.0, 7},
    {"高知", 33, 34, 0.0, 133, 33, 0.0, 7},
    {"潮岬", 33, 17, 0.0, 135, 46, 0.0, 7},
    {"佐賀", 33, 16, 0.0, 130, 18, 0.0, 7},
    {"室戸岬", 33, 15, 0.0, 134, 11, 0.0, 7},
    {"大分", 33, 14, 0.0, 131, 37, 0.0, 7},
    {"八丈島", 33, 6, 0.0, 139, 47, 0.0, 7},
    {"熊本", 32, 49, 0.0, 130, 43, 0.0, 7},
    {"長崎", 32, 44, 0.0, 129, 52, 0.0, 7},
    {"清水", 32, 43, 0.0, 133, 1, 0.0, 7},
    {"福江", 32, 42, 0.0, 128, 50, 0.0, 7},
    {"宮崎", 31, 55, 0.0, 131, 25, 0.0, 7},
    {"鹿児島", 31, 33, 0.0, 130, 33, 0.0, 7},
    {"名瀬", 28, 23, 0.0, 129, 30, 0.0, 8},
    {"那覇", 26, 13, 0.0, 127, 41, 0.0, 8},
    {"宮古", 24, 48, 0.0, 125, 18, 0.0, 8},
    {"石垣島", 24, 21, 0.0, 124, 9, 0.0, 8},
};

constexpr const char* kGroupNames[LocationTable::kGroupCount] = {
    "札幌", "仙台", "新潟", "東京", "名古屋", "大阪", "広島", "福岡", "那覇"};

// One term of the IAU 1980 nutation series: the multiples of l, l', F, D
// and the node, and the amplitudes in arcseconds (constant and per Julian
// century) of the sine in longitude and the cosine in obliquity.
struct NutationTerm {
  int multiple[5];
  double longitude, longitudeRate;
  double obliquity, obliquityRate;
};

constexpr NutationTerm kNutation[106] = {
    {{ 0,  0,  0,  0,  1}, -17.1996, -0.01742, 9.2025, 0.00089},
    {{ 0,  0,  0,  0,  2}, 0.2062, 0.00002, -0.0895, 0.00005},
    {{-2,  0,  2,  0,  1}, 0.0046, 0.0, -0.0024, 0.0},
    {{ 2,  0, -2,  0,  0}, 0.0011, 0.0, 0.0, 0.0},
    {{-2,  0,  2,  0,  2}, -0.0003, 0.0, 0.0001, 0.0},
    {{ 1, -1,  0, -1,  0}, -0.0003, 0.0, 0.0, 0.0},
    {{ 0, -2,  2, -2,  1}, -0.0002, 0.0, 0.0001, 0.0},
    {{ 2,  0, -2,  0,  1}, 0.0001, 0.0, 0.0, 0.0},
    {{ 0,  0,  2, -2,  2}, -1.3187, -0.00016, 0.5736, -0.00031},
    {{ 0,  1,  0,  0,  0}, 0.1426, -0.00034, 0.0054, -0.00001},
    {{ 0,  1,  2, -2,  2}, -0.0517, 0.00012, 0.0224, -0.00006},
    {{ 0, -1,  2, -2,  2}, 0.0217, -0.00005, -0.0095, 0.00003},
    {{ 0,  0,  2, -2,  1}, 0.0129, 0.00001, -0.007, 0.0},
    {{ 2,  0,  0, -2,  0}, 0.0048, 0.0, 0.0001, 0.0},
    {{ 0,  0,  2, -2,  0}, -0.0022, 0.0, 0.0, 0.0},
    {{ 0,  2,  0,  0,  0}, 0.0017, -0.00001, 0.0, 0.0},
    {{ 0,  1,  0,  0,  1}, -0.0015, 0.0, 0.0009, 0.0},
    {{ 0,  2,  2, -2,  2}, -0.0016, 0.00001, 0.0007, 0.0},
    {{ 0, -1,  0,  0,  1}, -0.0012, 0.0, 0.0006, 0.0},
    {{-2,  0,  0,  2,  1}, -0.0006, 0.0, 0.0003, 0.0},
    {{ 0, -1,  2, -2,  1}, -0.0005, 0.0, 0.0003, 0.0},
    {{ 2,  0,  0, -2,  1}, 0.0004, 0.0, -0.0002, 0.0},
    {{ 0,  1,  2, -2,  1}, 0.0004, 0.0, -0.0002, 0.0},
    {{ 1,  0,  0, -1,  0}, -0.0004, 0.0, 0.0, 0.0},
    {{ 2,  1,  0, -2,  0}, 0.0001, 0.0, 0.0, 0.0},
    {{ 0,  0, -2,  2,  1}, 0.0001, 0.0, 0.0, 0.0},
    {{ 0,  1, -2,  2,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0,  1,  0,  0,  2}, 0.0001, 0.0, 0.0, 0.0},
    {{-1,  0,  0,  1,  1}, 0.0001, 0.0, 0.0, 0.0},
    {{ 0,  1,  2, -2,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0,  0,  2,  0,  2}, -0.2274, -0.00002, 0.0977, -0.00005},
    {{ 1,  0,  0,  0,  0}, 0.0712, 0.00001, -0.0007, 0.0},
    {{ 0,  0,  2,  0,  1}, -0.0386, -0.00004, 0.02, 0.0},
    {{ 1,  0,  2,  0,  2}, -0.0301, 0.0, 0.0129, -0.00001},
    {{ 1,  0,  0, -2,  0}, -0.0158, 0.0, -0.0001, 0.0},
    {{-1,  0,  2,  0,  2}, 0.0123, 0.0, -0.0053, 0.0},
    {{ 0,  0,  0,  2,  0}, 0.0063, 0.0, -0.0002, 0.0},
    {{ 1,  0,  0,  0,  1}, 0.0063, 0.00001, -0.0033, 0.0},
    {{-1,  0,  0,  0,  1}, -0.0058, -0.00001, 0.0032, 0.0},
    {{-1,  0,  2,  2,  2}, -0.0059, 0.0, 0.0026, 0.0},
    {{ 1,  0,  2,  0,  1}, -0.0051, 0.0, 0.0027, 0.0},
    {{ 0,  0,  2,  2,  2}, -0.0038, 0.0, 0.0016, 0.0},
    {{ 2,  0,  0,  0,  0}, 0.0029, 0.0, -0.0001, 0.0},
    {{ 1,  0,  2, -2,  2}, 0.0029, 0.0, -0.0012, 0.0},
    {{ 2,  0,  2,  0,  2}, -0.0031, 0.0, 0.0013, 0.0},
    {{ 0,  0,  2,  0,  0}, 0.0026, 0.0, -0.0001, 0.0},
    {{-1,  0,  2,  0,  1}, 0.0021, 0.0, -0.001, 0.0},
    {{-1,  0,  0,  2,  1}, 0.0016, 0.0, -0.0008, 0.0},
    {{ 1,  0,  0, -2,  1}, -0.0013, 0.0, 0.0007, 0.0},
    {{-1,  0,  2,  2,  1}, -0.001, 0.0, 0.0005, 0.0},
    {{ 1,  1,  0, -2,  0}, -0.0007, 0.0, 0.0, 0.0},
    {{ 0,  1,  2,  0,  2}, 0.0007, 0.0, -0.0003, 0.0},
    {{ 0, -1,  2,  0,  2}, -0.0007, 0.0, 0.0003, 0.0},
    {{ 1,  0,  2,  2,  2}, -0.0008, 0.0, 0.0003, 0.0},
    {{ 1,  0,  0,  2,  0}, 0.0006, 0.0, 0.0, 0.0},
    {{ 2,  0,  2, -2,  2}, 0.0006, 0.0, -0.0003, 0.0},
    {{ 0,  0,  0,  2,  1}, -0.0006, 0.0, 0.0003, 0.0},
    {{ 0,  0,  2,  2,  1}, -0.0007, 0.0, 0.0003, 0.0},
    {{ 1,  0,  2, -2,  1}, 0.0006, 0.0, -0.0003, 0.0},
    {{ 0,  0,  0, -2,  1}, -0.0005, 0.0, 0.0003, 0.0},
    {{ 1, -1,  0,  0,  0}, 0.0005, 0.0, 0.0, 0.0},
    {{ 2,  0,  2,  0,  1}, -0.0005, 0.0, 0.0003, 0.0},
    {{ 0,  1,  0, -2,  0}, -0.0004, 0.0, 0.0, 0.0},
    {{ 1,  0, -2,  0,  0}, 0.0004, 0.0, 0.0, 0.0},
    {{ 0,  0,  0,  1,  0}, -0.0004, 0.0, 0.0, 0.0},
    {{ 1,  1,  0,  0,  0}, -0.0003, 0.0, 0.0, 0.0},
    {{ 1,  0,  2,  0,  0}, 0.0003, 0.0, 0.0, 0.0},
    {{ 1, -1,  2,  0,  2}, -0.0003, 0.0, 0.0001, 0.0},
    {{-1, -1,  2,  2,  2}, -0.0003, 0.0, 0.0001, 0.0},
    {{-2,  0,  0,  0,  1}, -0.0002, 0.0, 0.0001, 0.0},
    {{ 3,  0,  2,  0,  2}, -0.0003, 0.0, 0.0001, 0.0},
    {{ 0, -1,  2,  2,  2}, -0.0003, 0.0, 0.0001, 0.0},
    {{ 1,  1,  2,  0,  2}, 0.0002, 0.0, -0.0001, 0.0},
    {{-1,  0,  2, -2,  1}, -0.0002, 0.0, 0.0001, 0.0},
    {{ 2,  0,  0,  0,  1}, 0.0002, 0.0, -0.0001, 0.0},
    {{ 1,  0,  0,  0,  2}, -0.0002, 0.0, 0.0001, 0.0},
    {{ 3,  0,  0,  0,  0}, 0.0002, 0.0, 0.0, 0.0},
    {{ 0,  0,  2,  1,  2}, 0.0002, 0.0, -0.0001, 0.0},
    {{-1,  0,  0,  0,  2}, 0.0001, 0.0, -0.0001, 0.0},
    {{ 1,  0,  0, -4,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{-2,  0,  2,  2,  2}, 0.0001, 0.0, -0.0001, 0.0},
    {{-1,  0,  2,  4,  2}, -0.0002, 0.0, 0.0001, 0.0},
    {{ 2,  0,  0, -4,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{ 1,  1,  2, -2,  2}, 0.0001, 0.0, -0.0001, 0.0},
    {{ 1,  0,  2,  2,  1}, -0.0001, 0.0, 0.0001, 0.0},
    {{-2,  0,  2,  4,  2}, -0.0001, 0.0, 0.0001, 0.0},
    {{-1,  0,  4,  0,  2}, 0.0001, 0.0, 0.0, 0.0},
    {{ 1, -1,  0, -2,  0}, 0.0001, 0.0, 0.0, 0.0},
    {{ 2,  0,  2, -2,  1}, 0.0001, 0.0, -0.0001, 0.0},
    {{ 2,  0,  2,  2,  2}, -0.0001, 0.0, 0.0, 0.0},
    {{ 1,  0,  0,  2,  1}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0,  0,  4, -2,  2}, 0.0001, 0.0, 0.0, 0.0},
    {{ 3,  0,  2, -2,  2}, 0.0001, 0.0, 0.0, 0.0},
    {{ 1,  0,  2, -2,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0,  1,  2,  0,  1}, 0.0001, 0.0, 0.0, 0.0},
    {{-1, -1,  0,  2,  1}, 0.0001, 0.0, 0.0, 0.0},
    {{ 0,  0, -2,  0,  1}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0,  0,  2, -1,  2}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0,  1,  0,  2,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{ 1,  0, -2, -2,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0, -1,  2,  0,  1}, -0.0001, 0.0, 0.0, 0.0},
    {{ 1,  1,  0, -2,  1}, -0.0001, 0.0, 0.0, 0.0},
    {{ 1,  0, -2,  2,  0}, -0.0001, 0.0, 0.0, 0.0},
    {{ 2,  0,  0,  2,  0}, 0.0001, 0.0, 0.0, 0.0},
    {{ 0,  0,  2,  4,  2}, -0.0001, 0.0, 0.0, 0.0},
    {{ 0,  1,  0,  1,  0}, 0.0001, 0.0, 0.0, 0.0},
};

constexpr double Arcsec(double seconds) { return seconds / 3600.0; }

}  // namespace

namespace korvane {

long long DaysToMonthStart(int year, int month) {
  // Months outside 1..12 carry into the neighbouring years.
  long long y = year + (month - 1 >= 0 ? (month - 1) / 12 : -((12 - month) / 12));
  int m = static_cast<int>(((month - 1) % 12 + 12) % 12) + 1;
  // Count from March so that the leap day ends the counting year.
  if (m <= 2) --y;
  long long era = (y >= 0 ? y : y - 399) / 400;
  long long yoe = y - era * 400;
  int mp = (m + 9) % 12;
  long long doy = (153 * mp + 2) / 5;
  long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  // 0001-01-01 is day 0.
  return era * 146097 + doe - 306;
}

double ReduceIntoPeriod(double value, double period) {
  double quotient = 0.0;
  if (value >= period) value -= period * std::floor(value / period);
  return PositiveRemainder(value, period, quotient);
}

}  // namespace korvane

LocationTable::LocationTable() {
  for (int i = 0; i < kPlaceCount; ++i) {
    const PlaceSource& src = kPlaces[i];
    PlaceRecord& rec = places_[i];
    rec.latitude = DmsToDegrees(src.latDeg, src.latMin, src.latSec);
    rec.longitude = DmsToDegrees(src.lonDeg, src.lonMin, src.lonSec);
    std::snprintf(rec.name, sizeof rec.name, "%s", src.name);
    rec.group = src.group;
  }
  placeCount_ = kPlaceCount;
}

PlaceRecord LocationTable::PlaceAt(int index) const {
  if (index < 0 || index >= placeCount_) return places_[kDefaultPlace];
  return places_[index];
}

ObservingPlace LocationTable::Place(int index) const {
  PlaceRecord r = PlaceAt(index);
  ObservingPlace place;
  place.name = r.name;
  place.latitude = r.latitude;
  place.longitude = r.longitude;
  place.utcOffset = 9.0;
  place.group = r.group;
  return place;
}

std::string PlaceProblem(const ObservingPlace& place) {
  char line[160];
  // NaN fails every comparison, so each test is written to refuse it.
  if (!(std::fabs(place.latitude) <= 90.0)) {
    std::snprintf(line, sizeof line, "緯度 %g は -90 から 90 の範囲にありません", place.latitude);
  } else if (!(std::fabs(place.longitude) <= 180.0)) {
    std::snprintf(line, sizeof line, "経度 %g は -180 から 180 の範囲にありません",
                  place.longitude);
  } else if (!(place.utcOffset >= kMinUtcOffset && place.utcOffset <= kMaxUtcOffset)) {
    std::snprintf(line, sizeof line, "UTC との時差 %g は -12 から +14 の範囲にありません",
                  place.utcOffset);
  } else if (!(place.height >= -500.0 && place.height <= kMaxPlaceHeight)) {
    std::snprintf(line, sizeof line, "標高 %g m は -500 から 9000 の範囲にありません",
                  place.height);
  } else {
    return "";
  }
  return line;
}

double HorizonDip(double height) {
  // 1.76' per square root of a metre: the dip of the sea horizon with the
  // usual terrestrial refraction.
  return height > 0.0 ? 1.76 / 60.0 * std::sqrt(height) : 0.0;
}

const char* LocationTable::PlaceName(int index) const {
  if (index < 0 || index >= placeCount_) return "";
  return places_[index].name;
}

const char* LocationTable::GroupName(int group) {
  if (group < 0 || group >= kGroupCount) return "";
  return kGroupNames[group];
}

double LocationTable::DaysFromJ2000(int year, int month, int day, double hours) const {
  long long whole = korvane::DaysToMonthStart(year, month) - korvane::DaysToMonthStart(2000, 1) +
                    (day - 1);
  return (static_cast<double>(whole) - 0.5) + hours / 24.0;
}

double LocationTable::DaysFrom1975(int year, int month, int day, double hours) const {
  // 1974-12-31 is day 0, so 1975-01-01 0h is 1.
  long long whole = korvane::DaysToMonthStart(year, month) - korvane::DaysToMonthStart(1975, 1) +
                    day;
  return static_cast<double>(whole) + hours / 24.0;
}

double LocationTable::DmsToDegrees(int whole, int minutes, double seconds) {
  return (whole * 3600.0 + minutes * 60.0 + seconds) / 3600.0;
}

double LocationTable::SecondsToHours(double seconds) {
  if (seconds > 86400.0) {
    double days = 0.0;
    PositiveRemainder(seconds, 86400.0, days);
    return (seconds - 86400.0 * days) / 3600.0;
  }
  return seconds / 3600.0;
}

void LocationTable::HoursToHms(double hours, int& h, int& m, double& s) {
  if (hours > 24.0) hours -= 24.0;
  double seconds = hours * 3600.0;
  double q = 0.0;
  PositiveRemainder(seconds, 3600.0, q);
  h = static_cast<int>(q);
  double rest = seconds - 3600.0 * h;
  PositiveRemainder(rest, 60.0, q);
  m = static_cast<int>(q);
  s = rest - 60.0 * m;
  // The remainder's nudge counts a hair below a whole minute as that minute;
  // its seconds are then 0, not a hair below 0 (which would print "-0.0").
  if (s < 0.0) s = 0.0;
  if (s > 59.94) {
    s = 0.0;
    ++m;
    if (m >= 60) {
      m -= 60;
      ++h;
    }
  }
}

void LocationTable::HoursToHm(double hours, int& h, int& m) {
  if (hours > 24.0) hours -= 24.0;
  double seconds = hours * 3600.0;
  double q = 0.0;
  PositiveRemainder(seconds, 3600.0, q);
  h = static_cast<int>(q);
  // Nearest whole minute, a half rounding up.
  m = static_cast<int>(std::round((seconds - 3600.0 * h) / 60.0));
  if (m < 0) m = 0;
  if (m >= 60) {
    ++h;
    m = 0;
  }
}

void LocationTable::DegreesToDms(double degrees, int decimals, int& d, int& m, double& s) {
  if (degrees > 360.0) degrees -= 360.0;
  double seconds = degrees * 3600.0;
  double q = 0.0;
  PositiveRemainder(seconds, 3600.0, q);
  d = static_cast<int>(q);
  double rest = seconds - 3600.0 * d;
  PositiveRemainder(rest, 60.0, q);
  m = static_cast<int>(q);
  s = rest - 60.0 * m;
  if (s < 0.0) s = 0.0;
  // Seconds that would print as 60 at the caller's precision carry.
  if (decimals < 0) decimals = 0;
  if (decimals > 9) decimals = 9;
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, s);
  if (std::atoi(text) >= 60) {
    ++m;
    s = 0.0;
  }
  if (m >= 60) {
    ++d;
    m -= 60;
  }
}

double LocationTable::NormalizeDegrees(double degrees) const {
  if (degrees >= 0.0) return korvane::ReduceIntoPeriod(degrees, 360.0);
  return 360.0 - korvane::ReduceIntoPeriod(-degrees, 360.0);
}

double LocationTable::MeanSiderealTime0h(double T) const {
  // 6h 41m 50.54841s + 8640184.812866 s T + 0.093104 s T^2 - 6.2e-6 s T^3.
  return 6.697374558333333 + SecondsToHours(8640184.812866 * T + 0.093104 * T * T -
                                            6.2e-6 * T * T * T);
}

double LocationTable::ApparentSiderealTime(int year, int month, int day, double hours) const {
  double T = DaysFromJ2000(year, month, day, hours) * kCenturiesPerDay;
  double g = RadToHours(EquationOfEquinoxes(T)) + MeanSiderealTime0h(T);
  if (g >= 0.0) return g > 24.0 ? g - 24.0 : g;
  return 24.0 - korvane::ReduceIntoPeriod(-g, 24.0);
}

double LocationTable::EquationOfEquinoxes(double T) const {
  return DegToRad(NutationLongitude(T)) *
         std::cos(DegToRad(NutationObliquity(T)) + DegToRad(MeanObliquity(T)));
}

double LocationTable::MeanObliquity(double T) {
  // 23d 26' 21.448" - 46.815" T - 0.00059" T^2 + 0.001813" T^3.
  return DmsToDegrees(23, 26, 21.448) +
         Arcsec(-46.815 * T - 0.00059 * T * T + 0.001813 * T * T * T);
}

LocationTable::FundamentalArguments LocationTable::NutationArguments(double T) const {
  double T2 = T * T;
  double T3 = T2 * T;
  FundamentalArguments a;
  // Mean anomaly of the moon.
  a.l = NormalizeDegrees(DmsToDegrees(134, 57, 46.733) + DmsToDegrees(477198, 52, 2.633) * T +
                         Arcsec(31.31 * T2 + 0.064 * T3));
  // Mean anomaly of the sun.
  a.lp = NormalizeDegrees(DmsToDegrees(357, 31, 39.804) + DmsToDegrees(35999, 3, 1.224) * T +
                          Arcsec(-0.577 * T2 - 0.012 * T3));
  // Moon's argument of latitude.
  a.f = NormalizeDegrees(DmsToDegrees(93, 16, 18.877) + DmsToDegrees(483202, 1, 3.137) * T +
                         Arcsec(-13.257 * T2 + 0.011 * T3));
  // Mean elongation of the moon from the sun.
  a.d = NormalizeDegrees(DmsToDegrees(297, 51, 1.307) + DmsToDegrees(445267, 6, 41.328) * T +
                         Arcsec(-6.891 * T2 + 0.019 * T3));
  // Longitude of the moon's ascending node (it regresses).
  a.om = NormalizeDegrees(DmsToDegrees(125, 2, 40.280) - DmsToDegrees(1934, 8, 10.539) * T +
                          Arcsec(7.455 * T2 + 0.008 * T3));
  return a;
}

double LocationTable::NutationLongitude(double T) const {
  FundamentalArguments a = NutationArguments(T);
  double sum = 0.0;
  for (const NutationTerm& term : kNutation) {
    const int* n = term.multiple;
    double argument = n[0] * a.l + n[1] * a.lp + n[2] * a.f + n[3] * a.d + n[4] * a.om;
    sum += (term.longitude + term.longitudeRate * T) * std::sin(DegToRad(argument));
  }
  return sum / 3600.0;
}

double LocationTable::NutationObliquity(double T) const {
  FundamentalArguments a = NutationArguments(T);
  double sum = 0.0;
  for (const NutationTerm& term : kNutation) {
    // 64 of the 106 terms have an obliquity amplitude.
    if (term.obliquity == 0.0 && term.obliquityRate == 0.0) continue;
    const int* n = term.multiple;
    double argument = n[0] * a.l + n[1] * a.lp + n[2] * a.f + n[3] * a.d + n[4] * a.om;
    sum += (term.obliquity + term.obliquityRate * T) * std::cos(DegToRad(argument));
  }
  return sum / 3600.0;
}
