#include "astro/place_list.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' ||
                        s.back() == '\n')) {
    s.remove_suffix(1);
  }
  return s;
}

bool TakePrefix(std::string_view& s, std::string_view prefix) {
  if (s.substr(0, prefix.size()) != prefix) return false;
  s.remove_prefix(prefix.size());
  return true;
}

bool TakeSuffix(std::string_view& s, std::string_view suffix) {
  if (s.size() < suffix.size() || s.substr(s.size() - suffix.size()) != suffix) return false;
  s.remove_suffix(suffix.size());
  return true;
}

// A plain decimal number (digits, at most one point); from_chars does not
// depend on the locale, so a German desktop still reads "35.5".
std::optional<double> Number(std::string_view s) {
  if (s.empty() || s.front() == '+' || s.front() == '-') return std::nullopt;
  double value = 0.0;
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// Shortens UTF-8 text to at most `bytes` bytes without splitting a
// character.
std::string CutUtf8(std::string_view text, std::size_t bytes) {
  if (text.size() <= bytes) return std::string(text);
  std::size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end));
}

}  // namespace

ObservingPlace PlaceList::At(int code) const {
  if (code >= LocationTable::kPlaceCount && code < Count()) {
    return user_[static_cast<std::size_t>(code - LocationTable::kPlaceCount)];
  }
  return table_.Place(code);  // 東京 outside 0..86
}

int PlaceList::SetUserPlaces(const std::vector<ObservingPlace>& places) {
  user_.clear();
  int leftOut = 0;
  for (const ObservingPlace& p : places) {
    std::string name = CutUtf8(Trim(p.name), kMaxNameBytes);
    if (name.empty() || !PlaceProblem(p).empty() ||
        static_cast<int>(user_.size()) >= kMaxUserPlaces) {
      ++leftOut;
      continue;
    }
    ObservingPlace kept = p;
    kept.name = name;
    kept.group = -1;
    user_.push_back(kept);
  }
  return leftOut;
}

std::string PlaceList::ToLine(const ObservingPlace& place) {
  // The shortest text that reads back as the same double, in the C form
  // whatever the locale: "51.4779", not "51.477899999999998".
  std::string line;
  for (double value : {place.latitude, place.longitude, place.height, place.utcOffset}) {
    char number[32];
    auto [end, error] = std::to_chars(number, number + sizeof number, value);
    line.append(number, error == std::errc() ? end : number);
    line += ',';
  }
  return line + place.name;
}

std::optional<ObservingPlace> PlaceList::FromLine(std::string_view line) {
  double values[4];
  for (double& v : values) {
    std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view field = Trim(line.substr(0, comma));
    bool negative = TakePrefix(field, "-");
    std::optional<double> n = Number(field);
    if (!n) return std::nullopt;
    v = negative ? -*n : *n;
    line.remove_prefix(comma + 1);
  }
  ObservingPlace place;
  place.latitude = values[0];
  place.longitude = values[1];
  place.height = values[2];
  place.utcOffset = values[3];
  place.name = CutUtf8(Trim(line), kMaxNameBytes);
  place.group = -1;
  if (place.name.empty() || !PlaceProblem(place).empty()) return std::nullopt;
  return place;
}

std::optional<double> ParseAngle(std::string_view text, AngleAxis axis) {
  std::string_view s = Trim(text);
  const bool latitude = axis == AngleAxis::kLatitude;
  int hemisphere = 0;  // +1 N/E, -1 S/W
  auto takeHemisphere = [&](bool prefix) {
    struct Mark {
      std::string_view text;
      bool latitude;
      int sign;
    };
    static constexpr Mark kMarks[] = {
        {"北緯", true, 1}, {"南緯", true, -1}, {"東経", false, 1}, {"西経", false, -1},
        {"N", true, 1},    {"S", true, -1},    {"E", false, 1},    {"W", false, -1},
    };
    for (const Mark& mark : kMarks) {
      // The kanji marks come only before the number.
      if (!prefix && mark.text.size() > 1) continue;
      if (prefix ? TakePrefix(s, mark.text) : TakeSuffix(s, mark.text)) {
        if (mark.latitude != latitude || hemisphere != 0) return false;
        hemisphere = mark.sign;
        s = Trim(s);
        return true;
      }
    }
    return true;
  };
  if (!takeHemisphere(true) || !takeHemisphere(false)) return std::nullopt;
  bool negative = false;
  if (TakePrefix(s, "-") || TakePrefix(s, "\u2212")) {
    negative = true;
  } else {
    TakePrefix(s, "+");
  }
  if (negative && hemisphere != 0) return std::nullopt;
  // The numbers, separated by degree, minute and second marks or blanks.
  std::vector<std::string_view> parts;
  static constexpr std::string_view kSeparators[] = {"\u00b0", "\u2032", "\u2033", "'", "\"", ":",
                                                     " ",      "d",      "m",      "s", "度", "分",
                                                     "秒",     "\u2019", "\u201d"};
  std::size_t start = 0, i = 0;
  while (i < s.size()) {
    std::size_t length = 0;
    for (std::string_view sep : kSeparators) {
      if (s.substr(i, sep.size()) == sep) {
        length = sep.size();
        break;
      }
    }
    if (length == 0) {
      ++i;
      continue;
    }
    if (i > start) parts.push_back(s.substr(start, i - start));
    i += length;
    start = i;
  }
  if (start < s.size()) parts.push_back(s.substr(start));
  if (parts.empty() || parts.size() > 3) return std::nullopt;
  double value = 0.0, unit = 1.0;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    std::optional<double> n = Number(parts[k]);
    if (!n) return std::nullopt;
    // Only the last part may have a fraction; minutes and seconds stay
    // below 60.
    if (k + 1 < parts.size() && *n != std::floor(*n)) return std::nullopt;
    if (k > 0 && *n >= 60.0) return std::nullopt;
    value += *n * unit;
    unit /= 60.0;
  }
  return (negative || hemisphere < 0) ? -value : value;
}

std::string FormatAngle(double degrees, AngleAxis axis) {
  const bool latitude = axis == AngleAxis::kLatitude;
  const char* hemisphere = degrees < 0.0 ? (latitude ? "S" : "W") : (latitude ? "N" : "E");
  long long seconds = std::llround(std::fabs(degrees) * 3600.0);
  char text[48];
  std::snprintf(text, sizeof text, "%lld\u00b0%02lld\u2032%02lld\u2033%s", seconds / 3600,
                seconds / 60 % 60, seconds % 60, hemisphere);
  return text;
}

std::string FormatUtcOffset(double hours) {
  long long minutes = std::llround(std::fabs(hours) * 60.0);
  char text[48];
  if (minutes % 60 == 0) {
    std::snprintf(text, sizeof text, "%c%lld", hours < 0.0 ? '-' : '+', minutes / 60);
  } else {
    std::snprintf(text, sizeof text, "%c%lld:%02lld", hours < 0.0 ? '-' : '+', minutes / 60,
                  minutes % 60);
  }
  return text;
}

std::optional<double> ParseUtcOffset(std::string_view text) {
  std::string_view s = Trim(text);
  bool negative = false;
  if (TakePrefix(s, "-") || TakePrefix(s, "\u2212")) {
    negative = true;
  } else {
    TakePrefix(s, "+");
  }
  std::optional<double> value;
  if (std::size_t colon = s.find(':'); colon != std::string_view::npos) {
    std::optional<double> h = Number(s.substr(0, colon));
    std::optional<double> m = Number(s.substr(colon + 1));
    if (!h || !m || *h != std::floor(*h) || *m >= 60.0) return std::nullopt;
    value = *h + *m / 60.0;
  } else {
    value = Number(s);
  }
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}
