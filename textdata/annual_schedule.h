#pragma once
// The annual schedule "annual.txt": the day calendar's reader of one day's
// entry, and the whole file as the schedule view edits it.
//
// The file has a section per month, "[4月]", holding entries that start with
// the day, "29日:昭和の日", and may run on over further lines up to the next
// line that names a day or the next section.
#include <string>
#include <vector>

namespace korvane {

class AnnualScheduleReader {
 public:
  static constexpr int kLineWidth = 40;
  static constexpr std::size_t kEntryBytes = 1023;

  // The entry of `month`/`day` as UTF-8, each of its lines blank-filled to
  // `width` bytes; empty when the file has none.  Returns 0, or -1 after the
  // file message when the file cannot be read.
  static int ReadEntry(const std::string& path, int month, int day, std::string& text, int width = kLineWidth);
};

// The whole schedule as the editor holds it: UTF-8 with LF line ends.  The
// line end the file used is kept, so saving writes it back the same way.
struct AnnualScheduleText {
  std::string text;
  bool crlf = true;  // a new file gets the line ends of the files we ship
};

// Reads the file for the editor.  False (no message; the caller tells the
// user) when it cannot be read.  Bytes that are not code page 932 arrive as
// U+FFFD, which the save then refuses, so they cannot be written back as
// something else unnoticed.
bool LoadAnnualSchedule(const std::string& path, AnnualScheduleText& schedule);

// The bytes to write for the edited text.  False, with every character that
// code page 932 cannot hold in `unwritable`, when the text cannot be written
// as it stands.
bool EncodeAnnualSchedule(const AnnualScheduleText& schedule, std::string& bytes,
                          std::vector<std::string>* unwritable = nullptr);

}  // namespace korvane
