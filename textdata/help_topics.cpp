#include "textdata/help_topics.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "engine/message_hook.h"
#include "textdata/sjis.h"
#include "textdata/text_line_source.h"

namespace korvane {
namespace {

constexpr std::size_t npos = std::string::npos;

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string ExpandTabs(const std::string& line) {
  if (line.find('\t') == npos) return line;
  std::string out;
  for (char c : line) {
    if (c == '\t') out.append(HelpTopics::kTabStop - out.size() % HelpTopics::kTabStop, ' ');
    else out += c;
  }
  return out;
}

// Case-insensitive order of the first 25 bytes; only single-byte letters
// fold, never the second byte of a double-byte character.
int CompareKeys(std::string_view a, std::string_view b) {
  a = a.substr(0, HelpTopics::kKeyCompareBytes);
  b = b.substr(0, HelpTopics::kKeyCompareBytes);
  bool trail = false;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (!trail) {
      if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
      if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    }
    if (x != y) return x < y ? -1 : 1;
    trail = !trail && IsSjisLeadByte(x);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// The column starts of an index laid out in `columns` columns.
std::vector<std::size_t> ColumnStarts(int columns) {
  switch (columns) {
    case 2: return {0, 40};
    case 3: return {0, 30, 60};
    case 4: return {0, 20, 40, 60};
    case 5: return {0, 15, 30, 45, 60};
    default: return {0};
  }
}

}  // namespace

void HelpTopics::Clear() {
  lines_.clear();
  topics_.clear();
  for (auto& keys : sorted_) keys.clear();
  linkNames_.clear();
  indexColumns_ = 0;
}

bool HelpTopics::Load(const std::string& path) {
  Clear();
  TextLineSource probe;
  if (!probe.Open(path)) {
    ReportUnreadableFile(path);
    Index();
    return false;
  }
  std::vector<std::string> includes;
  AppendFile(std::move(probe), true, &includes);
  const std::size_t slash = path.find_last_of('/');
  ReadIncludes(includes, slash == npos ? std::string(".") : path.substr(0, slash), path);
  Index();
  return true;
}

void HelpTopics::LoadBytes(std::string bytes, const std::string& folder) {
  Clear();
  std::vector<std::string> includes;
  AppendFile(TextLineSource(std::move(bytes)), true, &includes);
  if (!folder.empty()) ReadIncludes(includes, folder, {});
  Index();
}

void HelpTopics::AppendFile(TextLineSource source, bool mainFile,
                            std::vector<std::string>* includes) {
  for (std::string line; lines_.size() < kMaxLines && source.Next(line);) {
    if (line.starts_with("//")) continue;
    if (mainFile && line.starts_with("f:")) {
      if (includes->size() < kMaxIncludes) {
        const std::string_view name = TrimRight(std::string_view(line).substr(2));
        includes->emplace_back(name.substr(0, SjisPrefixLength(name, kIncludeNameBytes)));
      }
      continue;
    }
    lines_.push_back(ExpandTabs(line));
  }
}

void HelpTopics::ReadIncludes(const std::vector<std::string>& names, const std::string& folder,
                              const std::string& mainPath) {
  namespace fs = std::filesystem;
  std::vector<fs::path> read;
  if (!mainPath.empty()) read.emplace_back(mainPath);
  for (const std::string& name : names) {
    if (lines_.size() >= kMaxLines) break;
    const std::string file = SjisToUtf8(name);
    const std::string path = folder + "/" + file;
    // Only a file of this folder; a name that climbs out of it is as good
    // as missing.
    const bool plain = !file.empty() && file.find('/') == npos && file.find('\\') == npos &&
                       file != "." && file != "..";
    // A file already read (the main file naming itself, a name given
    // twice) is not appended again.
    std::error_code error;
    const bool again = plain && std::any_of(read.begin(), read.end(), [&](const fs::path& p) {
      return fs::equivalent(p, path, error);
    });
    if (again) continue;
    TextLineSource source;
    if (!plain || !source.Open(path)) {
      ReportUnreadableFile(path);
      continue;
    }
    read.emplace_back(path);
    AppendFile(std::move(source), false, nullptr);
  }
}

void HelpTopics::Index() {
  Topic* topic = nullptr;
  bool recording = true;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    if (TrimRight(line) == "[*]") {
      if (topic) topic->endLine = i;
      topic = nullptr;
      recording = recording && topics_.size() < kMaxTopics;
      if (recording) {
        topics_.emplace_back();
        topic = &topics_.back();
        topic->firstLine = i;
        topic->description = npos;
      }
      continue;
    }
    if (!topic) continue;
    if (line.size() >= 3 && line[0] == 'k' && line[1] >= '1' && line[1] <= '3' && line[2] == ':') {
      topic->keys[line[1] - '1'] = std::string(TrimRight(line.substr(3)));
    } else if (line.starts_with("d:")) {
      if (topic->description == npos) topic->description = i;
    } else if (line.size() >= 3 && line[0] == 'l' && line[1] >= '1' && line[1] <= '5' &&
               line[2] == ':') {
      topic->indexMark = line[1] - '0';
    }
  }
  if (topic) topic->endLine = lines_.size();
  for (Topic& t : topics_)
    for (int level = 0; level < kLevels; ++level) t.utf8Keys[level] = SjisToUtf8(t.keys[level]);

  for (int level = 0; level < kLevels; ++level) {
    std::vector<int>& ids = sorted_[level];
    for (int id = 0; id < TopicCount(); ++id)
      if (!topics_[id].keys[level].empty()) ids.push_back(id);
    std::stable_sort(ids.begin(), ids.end(), [&](int a, int b) {
      return CompareKeys(topics_[a].keys[level], topics_[b].keys[level]) < 0;
    });
    std::set<std::string_view> seen;
    std::erase_if(ids, [&](int id) { return !seen.insert(topics_[id].keys[level]).second; });
  }

  // The link scan tries the names starting with a line's byte, longest first.
  linkNames_.assign(256, {});
  for (int id : sorted_[0]) {
    const std::string& name = topics_[id].utf8Keys[0];
    linkNames_[static_cast<unsigned char>(name[0])].push_back(id);
  }
  for (auto& ids : linkNames_) {
    std::stable_sort(ids.begin(), ids.end(), [&](int a, int b) {
      return topics_[a].utf8Keys[0].size() > topics_[b].utf8Keys[0].size();
    });
  }
  GenerateIndexTopic();
}

void HelpTopics::GenerateIndexTopic() {
  // "l1:" wins over "l2:" and so on; among equal marks the last topic.
  int chosen = -1;
  for (int id = 0; id < TopicCount(); ++id) {
    const int mark = topics_[id].indexMark;
    if (mark > 0 && (chosen < 0 || mark <= topics_[chosen].indexMark)) chosen = id;
  }
  if (chosen < 0) return;
  indexColumns_ = topics_[chosen].indexMark;
  Topic& index = topics_[chosen];

  // The index keeps what its topic says before the list: the rest of its
  // "d:" line and the lines after it.
  std::vector<std::string> generated{"[*]"};
  if (index.description != npos) {
    generated.push_back(lines_[index.description]);
    for (std::size_t i = index.description + 1; i < index.endLine; ++i) generated.push_back(lines_[i]);
  } else {
    generated.emplace_back("d:");
  }
  // Every topic that can be opened by its name, except the index itself.
  const std::vector<std::size_t> starts = ColumnStarts(indexColumns_);
  std::string row;
  std::size_t column = 0;
  for (int id : sorted_[0]) {
    if (id == chosen || topics_[id].description == npos) continue;
    const std::string& name = topics_[id].keys[0];
    if (column == 0) {
      row = name;
    } else {
      // At least one blank between two names, however long the first.
      row.append(starts[column] > row.size() ? starts[column] - row.size() : 1, ' ');
      row += name;
    }
    if (++column == starts.size()) {
      generated.push_back(std::move(row));
      row.clear();
      column = 0;
    }
  }
  if (column != 0) generated.push_back(std::move(row));

  index.description = lines_.size() + 1;
  lines_.insert(lines_.end(), generated.begin(), generated.end());
  index.endLine = lines_.size();
}

HelpTopic HelpTopics::Find(std::string_view key) const {
  HelpTopic result;
  if (key.empty()) return result;
  for (int id = 0; id < TopicCount(); ++id) {
    const Topic& topic = topics_[id];
    if (std::find(topic.utf8Keys.begin(), topic.utf8Keys.end(), key) == topic.utf8Keys.end()) continue;
    result.found = true;
    result.id = id;
    result.keys = topic.utf8Keys;
    if (topic.description == npos) {
      Beep();
      return result;
    }
    result.lines.push_back(SjisToUtf8(std::string_view(lines_[topic.description]).substr(2)));
    for (std::size_t i = topic.description + 1; i < topic.endLine; ++i)
      result.lines.push_back(SjisToUtf8(lines_[i]));
    return result;
  }
  return result;
}

std::string HelpTopics::TopicName(int id) const {
  return id >= 0 && id < TopicCount() ? topics_[id].utf8Keys[0] : std::string();
}

int HelpTopics::KeyCount(int level) const {
  return level >= 1 && level <= kLevels ? static_cast<int>(sorted_[level - 1].size()) : 0;
}

std::string HelpTopics::Key(int level, int index) const {
  if (index < 0 || index >= KeyCount(level)) return {};
  return topics_[sorted_[level - 1][index]].utf8Keys[level - 1];
}

std::vector<HelpLink> HelpTopics::Links(std::string_view line, std::string_view self) const {
  std::vector<HelpLink> links;
  if (linkNames_.empty()) return links;
  std::size_t i = 0;
  while (i < line.size() && links.size() < kMaxLinks) {
    std::size_t matched = 0;
    for (int id : linkNames_[static_cast<unsigned char>(line[i])]) {
      const std::string& name = topics_[id].utf8Keys[0];
      if (name != self && line.compare(i, name.size(), name) == 0) {
        links.push_back({i, name});
        matched = name.size();
        break;
      }
    }
    if (matched) {
      i += matched;
      continue;
    }
    // On to the next character (UTF-8 continuation bytes never start one).
    ++i;
    while (i < line.size() && (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) ++i;
  }
  return links;
}

}  // namespace korvane
