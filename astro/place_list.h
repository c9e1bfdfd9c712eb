#pragma once
// The places the user can choose: the 87 of LocationTable, then up to 100
// of the user's own.  A place is chosen by its code, the index into this
// list (the setting AreaCode): 0..86 stay the table's, 87.. are the user's
// in the order they were added.
//
// Also the text forms of a place: angles typed in decimal degrees or in
// degrees, minutes and seconds, and one line per user place for the
// settings file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/location_table.h"

class PlaceList {
 public:
  static constexpr int kMaxUserPlaces = 100;
  // The longest name kept, in bytes of UTF-8 (a cut never splits a
  // character).
  static constexpr int kMaxNameBytes = 60;

  PlaceList() = default;

  int Count() const { return LocationTable::kPlaceCount + static_cast<int>(user_.size()); }
  bool IsValidCode(int code) const { return code >= 0 && code < Count(); }
  // The code itself when valid, else 東京's.
  int Normalize(int code) const { return IsValidCode(code) ? code : LocationTable::kDefaultPlace; }
  // The place of a code; 東京 for a code outside the list.
  ObservingPlace At(int code) const;
  std::string Name(int code) const { return At(code).name; }

  const std::vector<ObservingPlace>& UserPlaces() const { return user_; }
  // Keeps the first kMaxUserPlaces of the places that PlaceProblem accepts,
  // their names trimmed and shortened to kMaxNameBytes; returns how many
  // were left out.
  int SetUserPlaces(const std::vector<ObservingPlace>& places);

  // The settings line of a user place: latitude, longitude, height and UTC
  // offset, then the name (which may hold commas), separated by commas.
  static std::string ToLine(const ObservingPlace& place);
  // The place of a settings line; nothing when a field is missing, not a
  // number or out of range, or the name is empty.
  static std::optional<ObservingPlace> FromLine(std::string_view line);

 private:
  LocationTable table_;
  std::vector<ObservingPlace> user_;
};

// An angle typed by the user: decimal degrees ("35.6544", "-0.0015") or
// degrees, minutes and seconds ("35°39′16″", "35°39'16.5\"", "35 39 16",
// "35:39", "35d39m16s"), each optionally with a hemisphere: a capital N,
// S, E or W
// before or after, or 北緯, 南緯, 東経, 西経 before; S, W, 南緯 and 西経
// make it negative.  Nothing when the text is not such an angle (minutes or
// seconds of 60 or more, two signs, letters of the wrong axis: N or S for a
// longitude, E or W for a latitude).
enum class AngleAxis { kLatitude, kLongitude };
std::optional<double> ParseAngle(std::string_view text, AngleAxis axis);

// Degrees as "35°39′16″N" (latitude) or "139°44′41″E" (longitude), rounded
// to the second.
std::string FormatAngle(double degrees, AngleAxis axis);

// A UTC offset in hours as "+9", "-3:30", "+5:45".
std::string FormatUtcOffset(double hours);
// Hours typed as "+9", "9", "-3.5", "-3:30", "+5:45"; nothing otherwise.
std::optional<double> ParseUtcOffset(std::string_view text);
