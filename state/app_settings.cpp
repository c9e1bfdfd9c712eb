#include "state/app_settings.h"

#include <QByteArray>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "astro/location_table.h"
#include "content/lists/koyomi_list_content.h"
#include "engine/lunisolar_table.h"
#include "framework/mdi_frame.h"
#include "state/display_state.h"

namespace {

// A stored place index is checked against the place table the views use.
static_assert(korvane::kPlaceCount == LocationTable::kPlaceCount);
static_assert(korvane::kDefaultAreaCode == LocationTable::kDefaultPlace);

constexpr const char* kBarStateKey = "BarState";
// Tip numbers run from 1; anything beyond this is damage, not a tip.
constexpr int kLastTip = 9999;

const LunisolarTable& Lunisolar() {
  static const LunisolarTable table;
  return table;
}

}  // namespace

AppSettings& AppSettings::Instance() {
  static AppSettings settings;
  return settings;
}

void AppSettings::Setup(const std::string& directory) { Setup(directory, directory); }

void AppSettings::Setup(const std::string& dataDirectory, const std::string& settingsDirectory) {
  // The directories are kept exactly as spelt: file names are
  // case-sensitive here, and lower-casing would lose the settings and the
  // data folder of anyone whose path has a capital letter.
  auto spelt = [](std::string dir) {
    if (dir.empty()) {
      std::error_code error;
      const std::filesystem::path current = std::filesystem::current_path(error);
      dir = error ? std::string(1, '.') : current.string();
    }
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
  };
  programDirectory_ = spelt(dataDirectory);
  std::string path = spelt(settingsDirectory);
  path += '/';
  path += kProgramName;
  path += ".INI";
  profile_.SetPath(std::move(path));
}

// ---------------------------------------------------------------- checks

bool AppSettings::IsValidYear(int year) {
  return year >= korvane::kFirstDisplayYear && year <= korvane::kLastDisplayYear;
}

bool AppSettings::IsValidLunarMonth(int year, int month) {
  if (!IsValidYear(year)) return false;
  const int months = Lunisolar().HasLeapMonth(year) ? 13 : 12;
  return month >= 1 && month <= months;
}

// The table's places and the user's own that are loaded.
bool AppSettings::IsValidArea(int area) { return Places.IsValidCode(area); }

bool AppSettings::IsValidFlag(int value) { return value == 0 || value == 1; }

bool AppSettings::IsValidTip(int tip) { return tip >= 1 && tip <= kLastTip; }

// ---------------------------------------------------------------- WindowPos

void AppSettings::SaveWindowPos(CMDIFrameWnd& frame) {
  profile_.WriteProfileString(kSection, "WindowPos", frame.GetWindowPlacement().ToString());
  profile_.WriteProfileString(kBarStateName, kBarStateKey,
                              frame.SaveBarState().toBase64().toStdString());
}

int AppSettings::RestoreWindowPos(CMDIFrameWnd& frame) {
  const std::string text = profile_.GetProfileString(kSection, "WindowPos", "");
  WindowPlacement placement;
  if (text.empty() || !WindowPlacement::Parse(text, placement) ||
      !CMDIFrameWnd::IsPlacementOnScreen(placement)) {
    frame.CenterWindow();
    return 0;
  }
  frame.SetWindowPlacement(placement);
  const std::string bars = profile_.GetProfileString(kBarStateName, kBarStateKey, "");
  // A damaged layout is refused by LoadBarState and the bars stay as made.
  if (!bars.empty()) frame.LoadBarState(QByteArray::fromBase64(QByteArray::fromStdString(bars)));
  return 1;
}

// ---------------------------------------------------------------- ints

int AppSettings::GetFlag(const char* key, int defaultValue) const {
  const std::optional<int> value = profile_.ReadInt(kSection, key);
  return value && IsValidFlag(*value) ? *value : defaultValue;
}

DayNoteSet AppSettings::GetNoteChoice() const {
  const std::optional<int> value = profile_.ReadInt(kSection, "KoyomiNotes");
  if (!value || *value <= 0 || *value >= (1 << DayNoteSet::kCount))
    return korvane::KoyomiListContent::DefaultChoice();
  return DayNoteSet(static_cast<uint32_t>(*value));
}

void AppSettings::SetNoteChoice(DayNoteSet choice) {
  profile_.WriteProfileInt(kSection, "KoyomiNotes", static_cast<int>(choice.Bits()));
}

int AppSettings::GetOnePoint() const {
  const std::optional<int> value = profile_.ReadInt(kSection, "onepoint");
  return value && IsValidTip(*value) ? *value : 1;
}

void AppSettings::SetOnePoint(int tip) { profile_.WriteProfileInt(kSection, "onepoint", tip); }

int AppSettings::GetOnePointView() const { return GetFlag("onepointview", 1); }

void AppSettings::SetOnePointView(int show) { profile_.WriteProfileInt(kSection, "onepointview", show); }

int AppSettings::GetOneDayView() const { return GetFlag("onedayview", 1); }

void AppSettings::SetOneDayView(int show) { profile_.WriteProfileInt(kSection, "onedayview", show); }

int AppSettings::GetAreaCode() const {
  const std::optional<int> value = profile_.ReadInt(kSection, "AreaCode");
  return value && IsValidArea(*value) ? *value : korvane::kDefaultAreaCode;
}

void AppSettings::SetAreaCode(int area) { profile_.WriteProfileInt(kSection, "AreaCode", area); }

int AppSettings::LoadUserPlaces() {
  std::vector<ObservingPlace> places;
  damagedPlaceLines_.clear();
  for (int i = 1; i <= PlaceList::kMaxUserPlaces; ++i) {
    const std::optional<std::string> line =
        profile_.Read(kPlacesSection, "Place" + std::to_string(i));
    // A blank key is a place removed; the places after it still count.
    if (!line || line->empty()) continue;
    if (std::optional<ObservingPlace> place = PlaceList::FromLine(*line)) {
      places.push_back(std::move(*place));
    } else {
      damagedPlaceLines_.push_back(*line);
    }
  }
  Places.SetUserPlaces(places);
  return static_cast<int>(damagedPlaceLines_.size());
}

void AppSettings::SaveUserPlaces() {
  // The damaged lines go back after the places, as they were, so that a
  // line mistyped by hand can still be mended; they stay skipped.
  std::vector<std::string> lines;
  for (const ObservingPlace& place : Places.UserPlaces()) lines.push_back(PlaceList::ToLine(place));
  for (const std::string& line : damagedPlaceLines_) lines.push_back(line);
  for (int i = 1; i <= PlaceList::kMaxUserPlaces; ++i) {
    const std::string key = "Place" + std::to_string(i);
    if (i <= static_cast<int>(lines.size())) {
      if (profile_.Read(kPlacesSection, key) != lines[i - 1]) {
        profile_.WriteProfileString(kPlacesSection, key, lines[i - 1]);
      }
    } else if (const std::optional<std::string> old = profile_.Read(kPlacesSection, key);
               old && !old->empty()) {
      profile_.WriteProfileString(kPlacesSection, key, "");
    }
  }
}

int AppSettings::GetOneDayWindow(int defaultValue) const { return GetFlag("onedaywindow", defaultValue); }

void AppSettings::SetOneDayWindow(int show) { profile_.WriteProfileInt(kSection, "onedaywindow", show); }

int AppSettings::GetCurrentLaw() const { return GetFlag("CurrentLaw", 1); }

void AppSettings::SetCurrentLaw(int current) {
  profile_.WriteProfileInt(kSection, "CurrentLaw", current ? 1 : 0);
}

CalendarLaw AppSettings::LawOf(int current) {
  return current == 0 ? CalendarLaw::AsPublished : CalendarLaw::Current;
}

// ---------------------------------------------------------------- months

void AppSettings::GetDisplayMonth() const {
  const std::optional<int> year = profile_.ReadInt(kSection, "korvaneYear");
  const std::optional<int> month = profile_.ReadInt(kSection, "korvaneMomth");
  if (year && IsValidYear(*year)) DisplayMonth.year = *year;
  if (month && *month >= 1 && *month <= 12) DisplayMonth.month = *month;
}

void AppSettings::SetDisplayMonth() {
  profile_.WriteProfileInt(kSection, "korvaneYear", DisplayMonth.year);
  profile_.WriteProfileInt(kSection, "korvaneMomth", DisplayMonth.month);
}

void AppSettings::GetLunarDisplayMonth() const {
  const std::optional<int> year = profile_.ReadInt(kSection, "korvaneOldYear");
  const std::optional<int> month = profile_.ReadInt(kSection, "korvaneOldMomth");
  const int y = year && IsValidYear(*year) ? *year : LunarDisplayMonth.year;
  const int m = month ? *month : LunarDisplayMonth.month;
  // The month index only means something in its year (13 exists only in a
  // year with a leap month), so the pair is taken or left together.
  if (IsValidLunarMonth(y, m)) {
    LunarDisplayMonth.year = y;
    LunarDisplayMonth.month = m;
  }
}

void AppSettings::SetLunarDisplayMonth() {
  profile_.WriteProfileInt(kSection, "korvaneOldYear", LunarDisplayMonth.year);
  profile_.WriteProfileInt(kSection, "korvaneOldMomth", LunarDisplayMonth.month);
}

// ---------------------------------------------------------------- texts

size_t AppSettings::CopyText(const char* key, char* buffer, size_t size) const {
  if (!buffer || size == 0) return 0;
  const std::string text = profile_.GetProfileString(kSection, key, "");
  size_t length = std::min(text.size(), size - 1);
  // Never end on half of a UTF-8 character.
  while (length > 0 && length < text.size() &&
         (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
    --length;
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return length;
}

size_t AppSettings::GetLastDate(char* buffer, size_t size) const { return CopyText("LastDate", buffer, size); }

size_t AppSettings::GetLastTime(char* buffer, size_t size) const { return CopyText("LastTime", buffer, size); }

std::string AppSettings::GetLastDate() const { return profile_.GetProfileString(kSection, "LastDate", ""); }

std::string AppSettings::GetLastTime() const { return profile_.GetProfileString(kSection, "LastTime", ""); }

void AppSettings::SetLastDate(const std::string& text) { profile_.WriteProfileString(kSection, "LastDate", text); }

void AppSettings::SetLastTime(const std::string& text) { profile_.WriteProfileString(kSection, "LastTime", text); }
