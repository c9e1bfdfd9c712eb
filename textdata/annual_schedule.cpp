#include "textdata/annual_schedule.h"

#include <algorithm>
#include <string_view>

#include "engine/file_read.h"
#include "engine/format.h"
#include "textdata/sjis.h"
#include "textdata/text_line_source.h"

namespace korvane {
namespace {

bool IsSection(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// A code page 932 rendering of an ASCII-and-kanji key such as "[4月]".
std::string Sjis(const std::string& utf8) {
  std::string bytes;
  Utf8ToSjis(utf8, bytes);
  return bytes;
}

}  // namespace

int AnnualScheduleReader::ReadEntry(const std::string& path, int month, int day, std::string& text, int width) {
  text.clear();
  TextLineSource source;
  if (!source.Open(path)) {
    ReportUnreadableFile(path);
    return -1;
  }
  const std::size_t lineWidth = width > 0 ? static_cast<std::size_t>(width) : 0;
  const std::string section = Sjis(Format("[%d月]", month));
  const std::string dayKey = Sjis(Format("%d日:", day));
  const std::string anyDay = Sjis("日:");

  std::string line;
  bool found = false;
  while (!found && source.Next(line)) found = !IsCommentLine(line) && line == section;
  if (!found) return 0;

  std::string entry;
  while (source.Next(line)) {
    if (IsCommentLine(line)) continue;
    if (IsSection(line)) return 0;
    if (!line.starts_with(dayKey)) continue;
    AppendBlankFilled(entry, std::string_view(line).substr(dayKey.size()), lineWidth, kEntryBytes);
    while (source.Next(line)) {
      if (IsCommentLine(line)) continue;
      if (IsSection(line) || FindSjis(line, anyDay) != std::string::npos) break;
      AppendBlankFilled(entry, line, lineWidth, kEntryBytes);
    }
    break;
  }
  text = SjisToUtf8(entry);
  return 0;
}

bool LoadAnnualSchedule(const std::string& path, AnnualScheduleText& schedule) {
  std::string bytes;
  if (ReadRegularFile(path, kTextDataFileLimit, bytes) != ReadStatus::Ok) return false;
  const std::string_view sjis = WithoutUtf8Bom(bytes);
  const std::size_t lf = sjis.find('\n');
  schedule.crlf = lf == std::string_view::npos || (lf > 0 && sjis[lf - 1] == '\r');
  std::string text = SjisToUtf8(sjis);
  // CR LF to LF; a CR of its own stays in the text.
  std::string normalised;
  normalised.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    normalised += text[i];
  }
  schedule.text = std::move(normalised);
  schedule.unedited = schedule.text;
  schedule.onDisk = std::move(bytes);
  return true;
}

bool AnnualScheduleText::ChangedOnDisk(const std::string& path) const {
  std::string now;
  if (ReadRegularFile(path, kTextDataFileLimit, now) != ReadStatus::Ok) return true;
  return now != onDisk;
}

namespace {

std::string WithLineEnds(const AnnualScheduleText& schedule) {
  if (!schedule.crlf) return schedule.text;
  std::string text;
  text.reserve(schedule.text.size() + schedule.text.size() / 16);
  for (char c : schedule.text) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

// Calls `each` with every character of `utf8` (a byte that does not start
// one counts as one character of its own).
template <class Each>
void ForEachCharacter(std::string_view utf8, Each each) {
  while (!utf8.empty()) {
    const std::size_t length = std::max<std::size_t>(Utf8Length(utf8), 1);
    each(utf8.substr(0, length));
    utf8.remove_prefix(length);
  }
}

bool Writable(std::string_view character) {
  std::string ignored;
  return character.size() == 1 ? static_cast<unsigned char>(character[0]) < 0x80
                                : Utf8ToSjis(character, ignored);
}

}  // namespace

bool EncodeAnnualSchedule(const AnnualScheduleText& schedule, std::string& bytes, std::vector<std::string>* unwritable) {
  return Utf8ToSjis(WithLineEnds(schedule), bytes, unwritable);
}

std::vector<UnwritableCharacter> FindUnwritableCharacters(const std::string& utf8) {
  std::vector<UnwritableCharacter> found;
  int line = 1;
  int column = 1;
  ForEachCharacter(utf8, [&](std::string_view character) {
    if (character == "\n") {
      ++line;
      column = 1;
      return;
    }
    if (!Writable(character))
      found.push_back({line, column, character.size() == 1 ? std::string("\xEF\xBF\xBD") : std::string(character)});
    ++column;
  });
  return found;
}

std::string EncodeAnnualScheduleReplacing(const AnnualScheduleText& schedule) {
  std::string writable;
  ForEachCharacter(WithLineEnds(schedule), [&](std::string_view character) {
    writable += Writable(character) ? character : std::string_view("?");
  });
  std::string bytes;
  Utf8ToSjis(writable, bytes);
  return bytes;
}

std::string EncodeAnnualScheduleUtf8(const AnnualScheduleText& schedule) { return WithLineEnds(schedule); }

}  // namespace korvane
