#include "content/place_editor.h"

#include <charconv>
#include <cmath>

#include "engine/format.h"

namespace korvane {

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

PlaceEditor::PlaceEditor(std::vector<ObservingPlace> places) : places_(std::move(places)) {
  for (size_t i = 0; i < places_.size(); ++i) origin_.push_back(static_cast<int>(i));
}

PlaceFields PlaceEditor::Fields(const ObservingPlace& place) {
  PlaceFields fields;
  fields.name = place.name;
  // Decimal degrees to ten digits: a round trip through the fields moves a
  // place by far less than a metre.
  fields.latitude = Format("%.10g", place.latitude);
  fields.longitude = Format("%.10g", place.longitude);
  fields.height = place.height == 0.0 ? "" : Format("%g", place.height);
  fields.utcOffset = FormatUtcOffset(place.utcOffset);
  return fields;
}

std::string PlaceEditor::Read(const PlaceFields& fields, ObservingPlace& place) {
  ObservingPlace p;
  p.name = Trimmed(fields.name);
  if (p.name.empty()) return "名前を入れてください";
  if (static_cast<int>(p.name.size()) > PlaceList::kMaxNameBytes) {
    return Format("名前が長すぎます(%dバイトまで)", PlaceList::kMaxNameBytes);
  }
  const std::optional<double> lat = ParseAngle(fields.latitude, AngleAxis::kLatitude);
  if (!lat) return "緯度は 35.6544 か 35°39′16″N のように入れてください";
  const std::optional<double> lon = ParseAngle(fields.longitude, AngleAxis::kLongitude);
  if (!lon) return "経度は 139.7447 か 139°44′41″E のように入れてください";
  p.latitude = *lat;
  p.longitude = *lon;
  const std::string height = Trimmed(fields.height);
  if (!height.empty()) {
    const char* end = height.data() + height.size();
    auto [stop, error] = std::from_chars(height.data(), end, p.height);
    if (error != std::errc() || stop != end) return "標高はメートルの数で入れてください";
  }
  const std::string offset = Trimmed(fields.utcOffset);
  if (!offset.empty()) {
    const std::optional<double> hours = ParseUtcOffset(offset);
    if (!hours) return "UTCとの時差は +9 や -3:30 のように入れてください";
    p.utcOffset = *hours;
  }
  if (std::string problem = PlaceProblem(p); !problem.empty()) return problem;
  p.group = -1;
  place = p;
  return "";
}

std::string PlaceEditor::Add(const PlaceFields& fields) {
  if (static_cast<int>(places_.size()) >= PlaceList::kMaxUserPlaces) {
    return Format("地点は %d か所までです", PlaceList::kMaxUserPlaces);
  }
  ObservingPlace place;
  if (std::string error = Read(fields, place); !error.empty()) return error;
  places_.push_back(place);
  origin_.push_back(-1);
  return "";
}

std::string PlaceEditor::Replace(int index, const PlaceFields& fields) {
  if (index < 0 || index >= static_cast<int>(places_.size())) return "地点を選んでください";
  ObservingPlace place;
  if (std::string error = Read(fields, place); !error.empty()) return error;
  places_[static_cast<size_t>(index)] = place;
  return "";
}

void PlaceEditor::Remove(int index) {
  if (index < 0 || index >= static_cast<int>(places_.size())) return;
  places_.erase(places_.begin() + index);
  origin_.erase(origin_.begin() + index);
}

int PlaceEditor::MapCode(int code) const {
  if (code >= 0 && code < LocationTable::kPlaceCount) return code;
  for (size_t i = 0; i < origin_.size(); ++i) {
    if (origin_[i] >= 0 && origin_[i] == code - LocationTable::kPlaceCount) {
      return LocationTable::kPlaceCount + static_cast<int>(i);
    }
  }
  return LocationTable::kDefaultPlace;
}

}  // namespace korvane
