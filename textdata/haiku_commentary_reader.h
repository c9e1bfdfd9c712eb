#pragma once
// HaikuCommentaryReader: a haiku's reading, season word and commentary from
// "rumika.txt".
//
// An entry is a section line "[12]" (the haiku number), then a line with
// "1:" and the reading, a line with "2:" and the season word, and a line
// starting "3:" with the first line of the commentary, followed by its
// further lines up to the next section or numbered line.  Each commentary
// line is blank-filled to the line width, so it starts a new visual line in
// an edit control that wide.
#include <string>

namespace korvane {

class HaikuCommentaryReader {
 public:
  static constexpr int kLineWidth = 44;
  static constexpr std::size_t kFieldBytes = 79;
  static constexpr std::size_t kCommentaryBytes = 1023;

  // Reads the entry of haiku `key` from `path`.  Returns 0 on success (fields
  // the entry lacks keep their earlier values), -1 after the file message
  // when the file cannot be read.  Asked again for the same file and key it
  // returns at once.
  int Read(const std::string& path, int key, int width = kLineWidth);

  // UTF-8.
  const std::string& reading() const { return reading_; }
  const std::string& seasonWord() const { return seasonWord_; }
  const std::string& commentary() const { return commentary_; }

 private:
  std::string lastPath_;
  int lastKey_ = 0;
  bool cached_ = false;
  std::string reading_;
  std::string seasonWord_;
  std::string commentary_;
};

}  // namespace korvane
