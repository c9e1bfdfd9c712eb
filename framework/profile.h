#pragma once
// Profile settings: an INI file of sections and keys.
//
// Every write goes to the file at once (the whole file is replaced as a
// careful editor replaces it, so a crash never leaves half a file), and
// every read reads the file, so two windows of the program never disagree.
// A leading UTF-8 byte-order mark is skipped and kept.  A file that is not a
// regular file, or is larger than any settings file, reads as empty and is
// never replaced.  After the first failed write the profile stops writing:
// the program goes on with the values it has, and says so once.
// Section and key names match without regard to ASCII case; lines the
// program does not know are kept as they are.
#include <functional>
#include <optional>
#include <string>

namespace korvane {

class ProfileFile {
 public:
  ProfileFile() = default;
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  void SetPath(std::string path) {
    path_ = std::move(path);
    writeError_.clear();
  }
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

  // False when the file could not be written (it is then left as it was,
  // and later writes are not tried).
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value);
  bool WriteProfileInt(const std::string& section, const std::string& key, int value);

  // Whether the file can be read whole (or is missing); when it cannot, the
  // profile stops writing at once, as after a failed write, so the reason
  // is given at start instead of at the first change.
  bool CheckFile();

  // Why writing stopped (a sentence for the user), empty while it works.
  const std::string& WriteError() const { return writeError_; }
  // Called once, at the write that fails, with the reason.
  void SetWriteFailureHandler(std::function<void(const std::string& reason)> handler) {
    onWriteFailure_ = std::move(handler);
  }

 private:
  bool WriteFailed(const std::string& reason);

  std::string path_;
  std::string writeError_;
  std::function<void(const std::string&)> onWriteFailure_;
};

// The program's profile, pointed at its file by the settings store at start.
ProfileFile& AppProfile();

}  // namespace korvane
