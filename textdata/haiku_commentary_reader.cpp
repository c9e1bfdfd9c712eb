#include "textdata/haiku_commentary_reader.h"

#include <string_view>

#include "engine/format.h"
#include "textdata/sjis.h"
#include "textdata/text_line_source.h"

namespace korvane {
namespace {

bool IsSection(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// The text after `key` in `line`, cut to `maxBytes`; nullopt-like false when
// the line does not contain the key.
bool TextAfter(std::string_view line, std::string_view key, std::string& out, std::size_t maxBytes) {
  const std::size_t at = FindSjis(line, key);
  if (at == std::string_view::npos) return false;
  const std::string_view rest = line.substr(at + key.size());
  out = SjisToUtf8(rest.substr(0, SjisPrefixLength(rest, maxBytes)));
  return true;
}

bool HasNumberedKey(std::string_view line) {
  return FindSjis(line, "1:") != std::string_view::npos || FindSjis(line, "2:") != std::string_view::npos ||
         FindSjis(line, "3:") != std::string_view::npos;
}

}  // namespace

int HaikuCommentaryReader::Read(const std::string& path, int key, int width) {
  if (cached_ && path == lastPath_ && key == lastKey_) return 0;
  TextLineSource source;
  if (!source.Open(path)) {
    ReportUnreadableFile(path);
    return -1;
  }
  cached_ = true;
  lastPath_ = path;
  lastKey_ = key;
  const std::size_t lineWidth = width > 0 ? static_cast<std::size_t>(width) : 0;

  const std::string section = Format("[%d]", key);
  std::string line;
  bool found = false;
  while (!found && source.Next(line)) found = !IsCommentLine(line) && line == section;
  if (!found) return 0;

  while (source.Next(line)) {
    if (IsCommentLine(line)) continue;
    if (IsSection(line)) break;
    if (TextAfter(line, "1:", reading_, kFieldBytes) || TextAfter(line, "2:", seasonWord_, kFieldBytes)) continue;
    if (FindSjis(line, "3:") == std::string_view::npos) continue;
    std::string text;
    AppendBlankFilled(text, std::string_view(line).substr(2), lineWidth, kCommentaryBytes);
    while (source.Next(line)) {
      if (IsCommentLine(line)) continue;
      if (IsSection(line) || HasNumberedKey(line)) break;
      AppendBlankFilled(text, line, lineWidth, kCommentaryBytes);
    }
    commentary_ = SjisToUtf8(text);
    break;
  }
  return 0;
}

}  // namespace korvane
