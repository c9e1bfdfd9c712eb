#include "textdata/text_line_source.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "engine/file_read.h"
#include "engine/format.h"
#include "engine/message_hook.h"
#include "textdata/sjis.h"

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

int LeadingInt(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || (line[i] >= '\t' && line[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  long long value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    value = std::min<long long>(value * 10 + (line[i] - '0'), 1LL << 32);
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void AppendBlankFilled(std::string& text, std::string_view line, std::size_t width, std::size_t maxBytes) {
  if (text.size() >= maxBytes) return;
  text.append(line.substr(0, SjisPrefixLength(line, maxBytes - text.size())));
  if (width > 0 && text.size() % width != 0) {
    text.append(std::min(width - text.size() % width, maxBytes - text.size()), ' ');
  }
}

std::string RowsOfWidth(std::string_view utf8, int columns) {
  if (columns <= 0) return std::string(utf8);
  std::string rows;
  while (!utf8.empty()) {
    std::string_view row = TruncateToWidth(utf8, columns);
    if (row.empty()) row = TruncateToWidth(utf8, 2);  // one character wider than the edit
    if (row.empty()) row = utf8.substr(0, 1);
    utf8.remove_prefix(row.size());
    while (!row.empty() && row.back() == ' ') row.remove_suffix(1);
    if (!rows.empty() || !row.empty() || !utf8.empty()) rows.append(row).append("\n");
  }
  while (!rows.empty() && rows.back() == '\n') rows.pop_back();
  return rows;
}

std::string TextDataPath(const std::string& programDirectory, const std::string& fileName) {
  return (programDirectory.empty() ? std::string(".") : programDirectory) + "/TxtData/" + fileName;
}

void ReportUnreadableFile(const std::string& path) {
  // A file too large is not a missing one: the user is told the limit.
  std::string ignored;
  if (ReadRegularFile(path, kTextDataFileLimit, ignored) == ReadStatus::TooLarge) {
    ShowMessage(path + "\n" + TooLargeText(path, kTextDataFileLimit));
    return;
  }
  ShowMessage(path + "\nファイル を読み出し出来ません.");
}

}  // namespace korvane
