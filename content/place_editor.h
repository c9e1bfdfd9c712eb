#pragma once
// The place manager's behaviour without a window (表示 → 地点の管理): the
// user's places as they are being edited, the fields of one place read and
// checked, and where the chosen place code goes when places are removed.
#include <string>
#include <vector>

#include "astro/place_list.h"

namespace korvane {

// A place as typed: every field a text, as the dialog's edit boxes hold it.
struct PlaceFields {
  std::string name, latitude, longitude, height, utcOffset;
};

class PlaceEditor {
 public:
  explicit PlaceEditor(std::vector<ObservingPlace> places);

  const std::vector<ObservingPlace>& places() const { return places_; }

  // The fields of a place (the angles in degrees, minutes and seconds, the
  // height left empty when 0) and a place read back from fields: "" when
  // they are good, else one line saying which field is wrong.  An empty
  // height is 0 m, an empty offset +9.
  static PlaceFields Fields(const ObservingPlace& place);
  static std::string Read(const PlaceFields& fields, ObservingPlace& place);

  // Each returns "" or the reason nothing was changed.
  std::string Add(const PlaceFields& fields);
  std::string Replace(int index, const PlaceFields& fields);
  void Remove(int index);

  // The place code (87 and up for the user's places, as they were when the
  // editor was made) that names the same place after the edits; 東京 for a
  // place removed.
  int MapCode(int code) const;

 private:
  std::vector<ObservingPlace> places_;
  // For each place, its index in the list the editor started from, or -1
  // for a place added here.
  std::vector<int> origin_;
};

}  // namespace korvane
