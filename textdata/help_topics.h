#pragma once
// HelpTopics: the topic table of the help viewer, read from "Topics.txt"
// and the further files it names.
//
// The file is a list of topics.  A topic starts at a line "[*]"; its lines
// "k1:", "k2:" and "k3:" give its three keys (k1 is the topic's name), a
// line "d:" starts its description, which runs to the next "[*]"; a line
// "l1:" .. "l5:" makes it the index topic, whose description is generated:
// the names of all topics in sorted order, in 1 to 5 columns.  A line
// "f:NAME" in the main file names a further file of the same folder whose
// lines are appended (up to 20 of them).  Lines starting with "//" are
// comments; tabs are expanded to stops of 4.
//
// Every width and limit counts the file's code page 932 bytes; texts leave
// the reader as UTF-8.
//
//   korvane::HelpTopics topics;
//   if (!topics.Load(dir + "/TxtData/Topics.txt")) return;   // message shown
//   korvane::HelpTopic topic = topics.Find("目次");
//   for (const std::string& line : topic.lines) { topics.Links(line); ... }
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "textdata/text_line_source.h"

namespace korvane {

struct HelpTopic {
  bool found = false;
  int id = -1;                        // index in the topic table
  std::array<std::string, 3> keys;    // k1, k2, k3 (UTF-8; empty when absent)
  std::vector<std::string> lines;     // the description (UTF-8)
};

// A topic name found in a line of text: where it starts (UTF-8 bytes of the
// line before it) and the name, which is also the topic it leads to.
struct HelpLink {
  std::size_t offset = 0;
  std::string text;
};

class HelpTopics {
 public:
  static constexpr std::size_t kMaxLines = 10000;
  static constexpr std::size_t kMaxTopics = 1000;
  static constexpr std::size_t kMaxIncludes = 20;
  static constexpr std::size_t kIncludeNameBytes = 31;
  static constexpr std::size_t kKeyCompareBytes = 25;
  static constexpr std::size_t kTabStop = 4;
  static constexpr std::size_t kMaxLinks = 10;
  static constexpr int kLevels = 3;

  // Reads the file at `path` and the files it names (from its folder).  A
  // main file that cannot be read is reported with the file-error message
  // and gives false; a missing further file is reported and skipped.
  bool Load(const std::string& path);
  // The same from bytes in memory; "f:" names are looked up in `folder`
  // (none when empty).  Used by the tests and the fuzz target.
  void LoadBytes(std::string bytes, const std::string& folder = {});

  // The first topic in table order one of whose keys equals `key` exactly.
  // A topic without a "d:" line sounds the beep and has no lines; a key no
  // topic has gives `found` false.
  HelpTopic Find(std::string_view key) const;
  // The name (k1) of topic `id`; empty for an id out of range.
  std::string TopicName(int id) const;
  int TopicCount() const { return static_cast<int>(topics_.size()); }

  // The distinct keys of level 1..3, sorted case-insensitively on their
  // first 25 bytes (equal ones in table order).
  int KeyCount(int level) const;
  std::string Key(int level, int index) const;

  // The topic names in `line` (UTF-8), left to right, the longest name
  // where several start at one place, at most kMaxLinks.  `self`, the name
  // of the topic shown, is not a link to itself.
  std::vector<HelpLink> Links(std::string_view line, std::string_view self = {}) const;

  // 0 when no topic asked for a generated index, else its columns (1..5).
  int IndexColumns() const { return indexColumns_; }
  // The line table after loading (code page 932 bytes, tabs expanded, the
  // generated index at the end).
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct Topic {
    std::size_t firstLine = 0;   // the "[*]" line
    std::size_t description = 0; // the "d:" line, or npos
    std::size_t endLine = 0;     // the next "[*]" or the end
    std::array<std::string, 3> keys;  // code page 932
    std::array<std::string, 3> utf8Keys;
    int indexMark = 0;  // 1..5 from "l1:".."l5:"
  };

  void Clear();
  void AppendFile(TextLineSource source, bool mainFile, std::vector<std::string>* includes);
  void ReadIncludes(const std::vector<std::string>& names, const std::string& folder,
                    const std::string& mainPath);
  void Index();
  void GenerateIndexTopic();

  std::vector<std::string> lines_;
  std::vector<Topic> topics_;
  std::array<std::vector<int>, 3> sorted_;  // distinct keys: topic ids, in key order
  std::vector<std::vector<int>> linkNames_; // by first byte: topics, longest name first
  int indexColumns_ = 0;
};

}  // namespace korvane
