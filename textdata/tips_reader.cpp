#include "textdata/tips_reader.h"

#include <string_view>

#include "textdata/sjis.h"
#include "textdata/text_line_source.h"

namespace korvane {
namespace {

constexpr std::size_t kHeadingBytes = 28;
constexpr std::size_t kBodyLineBytes = 65;
constexpr std::size_t kPieceBytes = 66;
constexpr std::size_t kLongLineBytes = 660;

bool IsHeader(std::string_view line) { return !line.empty() && line.back() == ':'; }

}  // namespace

int TipsReader::Load(int requested, std::string& heading, std::string& body) const {
  heading.clear();
  body.clear();
  TextLineSource source;
  if (!source.Open(path_)) {
    ReportUnreadableFile(path_);
    return -1;
  }

  int topics = 0;
  std::string line;
  while (source.Next(line)) {
    if (!IsCommentLine(line) && IsHeader(line) && LeadingInt(line) > 0) ++topics;
  }
  const int chosen = requested > 0 ? (requested <= topics ? requested : 1) : topics;

  std::string head;
  bool trivia = false;  // the heading is "豆知識..."
  std::string text = "\n";
  int shown = chosen;
  bool inTopic = false;
  bool firstLine = true;
  bool headingTaken = false;
  source.Rewind();
  while (source.Next(line)) {
    if (IsCommentLine(line)) continue;
    if (IsHeader(line)) {
      if (inTopic) break;
      const int number = LeadingInt(line);
      if (number >= chosen) {
        inTopic = true;
        shown = number;
      }
      continue;
    }
    if (!inTopic) continue;
    const std::string_view l = line;
    if (!headingTaken && l.size() <= kHeadingBytes) {
      head.append(l).append("\n");
      headingTaken = true;
    } else if (!headingTaken && l.size() <= kBodyLineBytes) {
      trivia = true;
      text.append(l).append("\n");
      headingTaken = true;
    } else if (l.size() <= kBodyLineBytes) {
      text.append(l).append("\n");
    } else {
      std::string_view rest = l.substr(0, SjisPrefixLength(l, kLongLineBytes));
      while (!rest.empty()) {
        const std::size_t piece = SjisPrefixLength(rest, kPieceBytes);
        text.append(rest.substr(0, piece)).append("\n");
        rest.remove_prefix(piece);
      }
      if (!firstLine) text.append("\n");
    }
    firstLine = false;
  }
  heading = trivia ? std::string("豆知識...\n") : SjisToUtf8(head);
  body = SjisToUtf8(text);
  return shown;
}

}  // namespace korvane
