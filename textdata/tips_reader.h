#pragma once
// TipsReader: one numbered topic of the tips file "onepoint.txt".
//
// A topic starts at a header line whose last character is ":" and whose
// number is the integer at its start ("12:"); its lines run to the next
// header.  The first short line (28 bytes or less) is the topic's heading;
// when the first line that could be a heading is longer (up to 65 bytes) the
// heading is "豆知識..." and that line opens the body.  Longer lines are cut
// into pieces of 66 bytes, never inside a double-byte character.
#include <string>

namespace korvane {

class TipsReader {
 public:
  explicit TipsReader(std::string path) : path_(std::move(path)) {}

  // Loads topic `requested`: a number past the last topic gives topic 1, a
  // number of 0 or less the last topic.  Returns the number of the topic
  // shown, with its heading and body as UTF-8; -1 (after the file message)
  // when the file cannot be read.
  int Load(int requested, std::string& heading, std::string& body) const;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace korvane
