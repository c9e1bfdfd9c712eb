#include "textdata/text_line_source.h"

#include <utility>

#include "engine/file_read.h"
#include "engine/message_hook.h"

namespace korvane {

TextLineSource::TextLineSource(std::string bytes) : bytes_(std::move(bytes)) {
  start_ = position_ = bytes_.size() - WithoutUtf8Bom(bytes_).size();
}

bool TextLineSource::Open(const std::string& path) {
  std::string bytes;
  const bool ok = ReadRegularFile(path, kTextDataFileLimit, bytes) == ReadStatus::Ok;
  *this = TextLineSource(ok ? std::move(bytes) : std::string());
  return ok;
}

bool TextLineSource::Next(std::string& line) {
  line.clear();
  if (position_ >= bytes_.size()) return false;
  // Text mode: CR LF is read as LF.  A read stops after LF or at 254 bytes
  // (counted after that translation); the LF is then cut off.
  while (position_ < bytes_.size() && line.size() < kReadBytes) {
    const char c = bytes_[position_];
    if (c == '\r' && position_ + 1 < bytes_.size() && bytes_[position_ + 1] == '\n') {
      ++position_;
      continue;
    }
    ++position_;
    if (c == '\n') return true;
    line += c;
  }
  return true;
}

void TextLineSource::Rewind() { position_ = start_; }

bool IsCommentLine(std::string_view line) { return line.empty() || line.starts_with("//"); }

std::string TextDataPath(const std::string& programDirectory, const std::string& fileName) {
  return (programDirectory.empty() ? std::string(".") : programDirectory) + "/TxtData/" + fileName;
}

void ReportUnreadableFile(const std::string& path) { ShowMessage(path + "\nファイル を読み出し出来ません."); }

}  // namespace korvane
