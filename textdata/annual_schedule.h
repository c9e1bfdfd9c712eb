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
  // The file as it was when read or last written here, byte for byte: a
  // close without edits writes nothing, and a file that no longer holds
  // these bytes was changed by someone else meanwhile.
  std::string onDisk;
  // `text` as it was then; the text is edited when it differs.
  std::string unedited;

  bool Edited() const { return text != unedited; }
  // True when the file at `path` no longer holds `onDisk` (changed,
  // replaced, removed or unreadable).
  bool ChangedOnDisk(const std::string& path) const;
  // After `bytes` (the encoding of `text`) were written to the file.
  void Written(std::string bytes) {
    onDisk = std::move(bytes);
    unedited = text;
  }
};

// A character that code page 932 cannot hold, where it stands: line and
// column from 1, the column counted in characters.
struct UnwritableCharacter {
  int line = 0;
  int column = 0;
  std::string character;  // U+FFFD for bytes that are not UTF-8
};
std::vector<UnwritableCharacter> FindUnwritableCharacters(const std::string& utf8);

// The text in code page 932 with the schedule's line ends, each character
// that cannot be written replaced by "?".
std::string EncodeAnnualScheduleReplacing(const AnnualScheduleText& schedule);
// The text in UTF-8 with the schedule's line ends (nothing is lost).
std::string EncodeAnnualScheduleUtf8(const AnnualScheduleText& schedule);

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
