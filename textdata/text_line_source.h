#pragma once
// The one line reader under every TxtData reader (tips, haiku commentary,
// annual schedule, help topics, normal temperatures).
//
// Lines come out as the raw code page 932 bytes, because every width and limit
// of the TxtData formats counts those bytes.  The rules are the ones the files
// were written for:
// - a read takes at most 254 bytes; a longer line arrives as several lines;
// - CR LF and LF both end a line, and the line end is removed;
// - a leading UTF-8 byte-order mark is skipped.
// Convert a line with SjisToUtf8 (textdata/sjis.h) when it leaves a reader.
//
//   korvane::TextLineSource source;
//   if (!source.Open(path)) { korvane::ReportUnreadableFile(path); return -1; }
//   for (std::string line; source.Next(line);) { ... }
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

class TextLineSource {
 public:
  // Bytes per read: the files were read with a 255-byte buffer.
  static constexpr std::size_t kReadBytes = 254;

  TextLineSource() = default;
  // A source over bytes already in memory (tests, fuzzing).
  explicit TextLineSource(std::string bytes);

  // Reads the whole file (a regular file of at most kTextDataFileLimit
  // bytes).  False, with no lines, when it is missing, not a regular file,
  // too large or unreadable.
  bool Open(const std::string& path);

  // The next line without its line end; false at the end of the file.
  bool Next(std::string& line);
  // Starts again from the first line.
  void Rewind();

 private:
  std::string bytes_;
  std::size_t start_ = 0;  // after the byte-order mark
  std::size_t position_ = 0;
};

// Empty lines and lines starting with "//" are comments in every TxtData file.
bool IsCommentLine(std::string_view line);

// The integer at the start of a line, read as the C library's atoi reads it
// (leading blanks, a sign, digits), held within the range of int.
int LeadingInt(std::string_view line);

// Appends `line` to `text` and fills it with blanks up to the next multiple
// of `width` bytes, so that an edit control `width` columns wide starts every
// source line on a new visual line.  `text` never grows beyond `maxBytes`
// (cut at a character boundary).
void AppendBlankFilled(std::string& text, std::string_view line, std::size_t width, std::size_t maxBytes);

// A blank-filled text (UTF-8) as the rows an edit control `columns` display
// columns wide shows it: one row per `columns` columns, a double-byte
// character that would cross the edge moved to the next row, the fill
// blanks at the end of each row dropped, rows joined by '\n'.
std::string RowsOfWidth(std::string_view utf8, int columns);

// "<directory>/TxtData/<name>".
std::string TextDataPath(const std::string& programDirectory, const std::string& fileName);

// The file-error message every reader shows for a file it cannot read:
// "<path>\nファイル を読み出し出来ません.", or for one over the limit
// "<path>\n<name> は大きすぎます (16 MiB まで).".
void ReportUnreadableFile(const std::string& path);

}  // namespace korvane
