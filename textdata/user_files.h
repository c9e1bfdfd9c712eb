#pragma once
// Where a user's settings and text data live, however the program starts.
//
// A working directory holding a "TxtData" folder (a source tree, a folder
// made by hand) is used as it is: its TxtData and its korvane.INI.
// Otherwise the settings are $XDG_CONFIG_HOME/korvane/korvane.INI
// (~/.config/korvane) and the data $XDG_DATA_HOME/korvane/TxtData
// (~/.local/share/korvane), copied there from the installed copy
// (<prefix>/share/korvane/TxtData, next to the program's bin folder).
//
// The copy is refreshed at every start by one rule: a file is (re)placed
// only while it is exactly as the program last shipped it.  The checksums
// of the shipped versions are kept in "TxtData/.shipped" (one line per
// file: SHA-256 in hex, two blanks, the name), so a file the user edited,
// or made before any copy, is never replaced.  No Qt here.
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// What the locating depends on, gathered from the process by
// CurrentEnvironment and given by hand in tests.
struct UserEnvironment {
  std::string workingDirectory;
  std::string home;           // $HOME
  std::string xdgConfigHome;  // $XDG_CONFIG_HOME (ignored unless absolute)
  std::string xdgDataHome;    // $XDG_DATA_HOME (ignored unless absolute)
  std::string shippedTxtData; // the installed TxtData folder
};

// The process's own: the environment variables, the working directory,
// and the installed TxtData beside the running program (or the folder
// $KORVANE_SHIPPED_TXTDATA names).
UserEnvironment CurrentEnvironment();

struct UserFiles {
  std::string settingsDirectory;  // holds korvane.INI
  std::string dataDirectory;      // holds TxtData
  bool inWorkingDirectory = false;
};

// The two folders for `env`; nothing is made or copied.  Without a TxtData
// in the working directory and without a home folder to put the user's
// files in, the working directory is used all the same.
UserFiles LocateUserFiles(const UserEnvironment& env);

// Makes the user's folders and brings their TxtData up to date from
// `env.shippedTxtData` by the rule above; a settings file left in the data
// folder by an older start-up script is copied to the settings folder
// when that has none.  Returns the problems met (a folder that cannot be
// made, a file that cannot be copied), each one line; the program goes on
// with what there is.
std::vector<std::string> PrepareUserFiles(const UserEnvironment& env, const UserFiles& files);

// The rule alone: refreshes `target` (a TxtData folder) from `shipped`.
// Returns the problems met.
std::vector<std::string> RefreshTxtData(const std::string& shipped, const std::string& target);

// The folder a reader takes its TxtData from without writing anything (the
// command-line tool): the user's when it exists, else the installed one.
std::string ReadOnlyDataDirectory(const UserEnvironment& env);

// SHA-256 of `bytes`, 64 lower-case hex digits.
std::string Sha256Hex(const std::string& bytes);

}  // namespace korvane
