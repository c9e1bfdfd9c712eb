#pragma once
// Profile settings: an INI file of sections and keys.
//
// Every write goes to the file at once (the whole file is rewritten through
// a temporary file and a rename, so a crash never leaves half a file), and
// every read reads the file, so two windows of the program never disagree.
// Section and key names match without regard to ASCII case; lines the
// program does not know are kept as they are.
#include <optional>
#include <string>

namespace korvane {

class ProfileFile {
 public:
  ProfileFile() = default;
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& Path() const { return path_; }

  // The value of a key (surrounding blanks removed), or nothing when the
  // file, the section or the key is missing.
  std::optional<std::string> Read(const std::string& section, const std::string& key) const;
  // The value as an integer when it is one whole decimal integer within int
  // (blanks around it allowed); nothing otherwise.
  std::optional<int> ReadInt(const std::string& section, const std::string& key) const;

  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const;
  // The default also stands in for a value that is not an integer.
  int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) const;

  // False when the file could not be written (it is then left as it was).
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value);
  bool WriteProfileInt(const std::string& section, const std::string& key, int value);

 private:
  std::string path_;
};

// The program's profile, pointed at its file by the settings store at start.
ProfileFile& AppProfile();

}  // namespace korvane
