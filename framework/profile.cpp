#include "framework/profile.h"

#include "engine/atomic_file.h"
#include "engine/file_read.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace korvane {
namespace {

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct FileLines {
  ReadStatus status = ReadStatus::Missing;
  bool bom = false;  // kept when the file is written back
  std::vector<std::string> lines;
};

// A file that is not a regular file of sensible size reads as no lines;
// `status` tells the writer not to replace it.
FileLines ReadLines(const std::string& path) {
  FileLines result;
  std::string bytes;
  result.status = ReadRegularFile(path, kSettingsFileLimit, bytes);
  const std::string_view text = WithoutUtf8Bom(bytes);
  result.bom = text.size() != bytes.size();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    result.lines.emplace_back(line);
    start = end + 1;
  }
  return result;
}

std::string ReadFailure(const std::string& path, ReadStatus status) {
  switch (status) {
    case ReadStatus::NotRegular: return "通常のファイルではありません.";
    case ReadStatus::TooLarge: return TooLargeText(path, kSettingsFileLimit);
    default: return "ファイルを読み出せません.";
  }
}

// "[name]" gives name; anything else gives nothing.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  return Trim(trimmed.substr(1, trimmed.size() - 2));
}

// "key=value" gives key and value; comments and other lines give false.
bool KeyValue(const std::string& line, std::string& key, std::string& value) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') return false;
  const size_t equals = trimmed.find('=');
  if (equals == std::string::npos) return false;
  key = Trim(trimmed.substr(0, equals));
  value = Trim(trimmed.substr(equals + 1));
  return !key.empty();
}

}  // namespace

std::optional<std::string> ProfileFile::Read(const std::string& section,
                                             const std::string& key) const {
  if (path_.empty()) return std::nullopt;
  bool inSection = false;
  for (const std::string& line : ReadLines(path_).lines) {
    if (auto name = SectionName(line)) {
      inSection = EqualNoCase(*name, section);
      continue;
    }
    std::string k, v;
    if (inSection && KeyValue(line, k, v) && EqualNoCase(k, key)) {
      // A value written in double quotes reads without them.
      if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
      return v;
    }
  }
  return std::nullopt;
}

std::optional<int> ProfileFile::ReadInt(const std::string& section, const std::string& key) const {
  const std::optional<std::string> text = Read(section, key);
  if (!text || text->empty()) return std::nullopt;
  const char* begin = text->c_str();
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(begin, &end, 10);
  if (end == begin || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    return std::nullopt;
  return static_cast<int>(value);
}

std::string ProfileFile::GetProfileString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue) const {
  return Read(section, key).value_or(defaultValue);
}

int ProfileFile::GetProfileInt(const std::string& section, const std::string& key,
                               int defaultValue) const {
  return ReadInt(section, key).value_or(defaultValue);
}

bool ProfileFile::WriteProfileString(const std::string& section, const std::string& key,
                                     const std::string& value) {
  if (path_.empty()) return false;
  // After one failure the file is left alone: the reason has been given,
  // and every later change would only fail the same way.
  if (!writeError_.empty()) return false;
  // A line break inside a value would make a line of its own.
  std::string clean;
  for (char c : value) clean += (c == '\n' || c == '\r') ? ' ' : c;

  FileLines file = ReadLines(path_);
  // What could not be read whole must not be replaced by a few lines.
  if (file.status != ReadStatus::Ok && file.status != ReadStatus::Missing)
    return WriteFailed(ReadFailure(path_, file.status));
  std::vector<std::string>& lines = file.lines;
  const std::string entry = key + "=" + clean;
  bool inSection = false;
  long sectionEnd = -1;  // index after the last line of the section
  bool written = false;
  for (size_t i = 0; i < lines.size() && !written; ++i) {
    if (auto name = SectionName(lines[i])) {
      if (inSection) break;
      inSection = EqualNoCase(*name, section);
      if (inSection) sectionEnd = static_cast<long>(i) + 1;
      continue;
    }
    if (!inSection) continue;
    std::string k, v;
    if (KeyValue(lines[i], k, v) && EqualNoCase(k, key)) {
      lines[i] = entry;
      written = true;
    } else if (!Trim(lines[i]).empty()) {
      sectionEnd = static_cast<long>(i) + 1;
    }
  }
  if (!written) {
    if (sectionEnd >= 0) {
      lines.insert(lines.begin() + sectionEnd, entry);
    } else {
      if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
      lines.push_back("[" + section + "]");
      lines.push_back(entry);
    }
  }

  std::string text(file.bom ? kUtf8Bom : std::string_view());
  for (const std::string& line : lines) text += line + '\n';
  std::string reason;
  if (!ReplaceFileContents(path_, text, &reason)) return WriteFailed(reason);
  return true;
}

bool ProfileFile::CheckFile() {
  if (path_.empty()) return true;
  // A write that failed before anyone listened is told now.
  if (!writeError_.empty()) {
    if (onWriteFailure_) onWriteFailure_(writeError_);
    return false;
  }
  std::string bytes;
  const ReadStatus status = ReadRegularFile(path_, kSettingsFileLimit, bytes);
  if (status == ReadStatus::Ok || status == ReadStatus::Missing) return true;
  return WriteFailed(ReadFailure(path_, status));
}

bool ProfileFile::WriteFailed(const std::string& reason) {
  writeError_ = reason.empty() ? std::string("ファイルに書き込めません.") : reason;
  if (onWriteFailure_) onWriteFailure_(writeError_);
  return false;
}

bool ProfileFile::WriteProfileInt(const std::string& section, const std::string& key, int value) {
  return WriteProfileString(section, key, std::to_string(value));
}

ProfileFile& AppProfile() {
  static ProfileFile profile;
  return profile;
}

}  // namespace korvane
