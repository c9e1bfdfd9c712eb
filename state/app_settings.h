#pragma once
// AppSettings: the program's settings file and program directory.
//
// The file is "<settings folder>/korvane.INI", section "Settings"; every
// write goes to the file at once.  The program directory is where the
// "TxtData" folder is found.  Both are the working directory unless the
// start-up chose the user's own folders (textdata/user_files.h).
//
// Every value read is checked; a missing, malformed or out-of-range value
// gives the default (today's month, place 39, flags 1, ...), so a damaged
// file never misdraws a view.
//
//   AppSettings& settings = AppSettings::Instance();
//   settings.SetAreaCode(area);            // the year/month dialog, on OK
//   settings.SetOnePoint(tipNumber);       // a view's ワンポイント command
//   settings.ProgramDirectory();           // "<dir>" for "<dir>/TxtData/..."
#include <cstddef>
#include <string>
#include <vector>

#include "engine/calendar_law.h"
#include "engine/koyomi_notes.h"
#include "framework/profile.h"

class CMDIFrameWnd;

class AppSettings {
 public:
  static constexpr const char* kProgramName = "korvane";
  static constexpr const char* kSection = "Settings";
  static constexpr const char* kPlacesSection = "Places";
  // The framework's bar layout is saved under this name.
  static constexpr const char* kBarStateName = "General";

  static AppSettings& Instance();

  // Points the store at "<directory>/korvane.INI"; an empty directory means
  // the current working directory.  Called first at start-up.
  void Setup(const std::string& directory = {});
  // The same with the settings file and the TxtData folder in folders of
  // their own (see textdata/user_files.h).
  void Setup(const std::string& dataDirectory, const std::string& settingsDirectory);
  const std::string& ProgramDirectory() const { return programDirectory_; }
  const std::string& FilePath() const { return profile_.Path(); }
  korvane::ProfileFile& Profile() { return profile_; }

  // WindowPos and the bar layout.
  void SaveWindowPos(CMDIFrameWnd& frame);
  // 1 when a stored placement was applied (and the bar layout loaded), 0
  // when the frame was centred instead (no, unreadable or off-screen value).
  int RestoreWindowPos(CMDIFrameWnd& frame);

  int GetOnePoint() const;  // default 1
  void SetOnePoint(int tip);
  int GetOnePointView() const;  // default 1
  void SetOnePointView(int show);
  int GetOneDayView() const;  // default 1
  void SetOneDayView(int show);
  // A code of the shared Places, so the user's places are read first.
  int GetAreaCode() const;  // default 39
  void SetAreaCode(int area);
  // The user's places, section "Places", keys Place1..Place100, each a
  // PlaceList line.  Loading fills the shared Places and returns how many
  // entries were damaged (and skipped); saving writes them and blanks the
  // keys of places removed since.  Damaged lines are kept after the places.
  int LoadUserPlaces();
  void SaveUserPlaces();
  int GetOneDayWindow(int defaultValue) const;
  void SetOneDayWindow(int show);
  // CurrentLaw: 1 = the law as it stands (default), 0 = the published rules.
  int GetCurrentLaw() const;
  void SetCurrentLaw(int current);
  // The rules the stored value names.
  static CalendarLaw LawOf(int current);
  // KoyomiNotes: the notes the 暦注ﾘｽﾄ lists, one bit per note in their
  // order; a missing, empty or malformed value gives the list's default.
  DayNoteSet GetNoteChoice() const;
  void SetNoteChoice(DayNoteSet choice);

  // Read into / write from the shared DisplayMonth and LunarDisplayMonth;
  // their current values are the defaults when reading.
  void GetDisplayMonth() const;
  void SetDisplayMonth();
  void GetLunarDisplayMonth() const;
  void SetLunarDisplayMonth();

  // Copy into the caller's buffer, cut to fit (at a character boundary)
  // and always terminated; returns the length copied.
  size_t GetLastDate(char* buffer, size_t size) const;
  size_t GetLastTime(char* buffer, size_t size) const;
  std::string GetLastDate() const;
  std::string GetLastTime() const;
  void SetLastDate(const std::string& text);
  void SetLastTime(const std::string& text);

  // Range checks of the stored values, shared with the tests.
  static bool IsValidYear(int year);
  static bool IsValidLunarMonth(int year, int month);
  static bool IsValidArea(int area);
  static bool IsValidFlag(int value);
  static bool IsValidTip(int tip);

 private:
  int GetFlag(const char* key, int defaultValue) const;
  size_t CopyText(const char* key, char* buffer, size_t size) const;

  std::string programDirectory_;
  korvane::ProfileFile& profile_ = korvane::AppProfile();
  // The [Places] lines that did not read as a place at the last load.
  std::vector<std::string> damagedPlaceLines_;
};
