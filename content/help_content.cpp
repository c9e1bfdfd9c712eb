#include "content/help_content.h"

#include <algorithm>

#include "engine/format.h"
#include "engine/message_hook.h"

namespace korvane {

bool HelpBrowser::Open(const std::string& path, const std::string& startTopic) {
  HelpTopics topics;
  if (!topics.Load(path)) return false;
  return Open(std::move(topics), startTopic, path);
}

bool HelpBrowser::Open(HelpTopics topics, const std::string& startTopic, const std::string& path) {
  topics_ = std::move(topics);
  history_.clear();
  position_ = 0;
  hovered_.clear();
  preview_ = {};
  previewFirstLine_ = 0;
  // The start topic must be a topic's name, not one of its other keys.
  bool named = false;
  for (int id = 0; id < topics_.TopicCount() && !named; ++id) named = topics_.TopicName(id) == startTopic;
  if (!named) {
    ShowMessage(Format("ファイル:%sに\n検索キーワード:%sが\n見つかりません", path.c_str(),
                       startTopic.c_str()));
    return false;
  }
  current_ = topics_.Find(startTopic);
  history_.push_back({current_.id, 0});
  return true;
}

void HelpBrowser::FollowLink(const std::string& name) {
  if (history_.empty()) return;
  const HelpTopic topic = topics_.Find(name);
  if (!topic.found) {
    Beep();
    return;
  }
  history_.resize(position_ + 1);
  // A full history forgets its oldest entry rather than refuse the link.
  if (static_cast<int>(history_.size()) == kHistorySize) history_.erase(history_.begin());
  history_.push_back({topic.id, 0});
  position_ = static_cast<int>(history_.size()) - 1;
  current_ = topic;
  Show(0);
}

void HelpBrowser::ChooseKeyword(int level, int index) {
  if (index < 0 || index >= topics_.KeyCount(level)) {
    Beep();
    return;
  }
  FollowLink(topics_.Key(level, index));
}

bool HelpBrowser::Back() {
  if (!CanGoBack()) return false;
  --position_;
  current_ = topics_.Find(topics_.TopicName(history_[position_].id));
  Show(history_[position_].firstLine);
  return true;
}

bool HelpBrowser::Forward() {
  if (!CanGoForward()) return false;
  ++position_;
  current_ = topics_.Find(topics_.TopicName(history_[position_].id));
  Show(history_[position_].firstLine);
  return true;
}

void HelpBrowser::Show(int firstLine) {
  history_[position_].firstLine = std::clamp(firstLine, 0, LastFirstLine());
  // The preview belonged to the topic left behind.
  hovered_.clear();
  preview_ = {};
  previewFirstLine_ = 0;
}

int HelpBrowser::MaxFirstLine(const HelpTopic& topic, int visible) {
  return std::max(0, LineCount(topic) - visible);
}

int HelpBrowser::Scrolled(int from, int last, HelpScroll request, int position) {
  int target = from;
  switch (request) {
    case HelpScroll::LineUp: target = from - 1; break;
    case HelpScroll::LineDown: target = from + 1; break;
    case HelpScroll::Position: target = position; break;
    case HelpScroll::Other: return from;
  }
  if (target < 0 || target > last) {
    Beep();
    target = std::clamp(target, 0, last);
  }
  return target;
}

void HelpBrowser::ScrollText(HelpScroll request, int position) {
  if (history_.empty()) return;
  history_[position_].firstLine = Scrolled(FirstLine(), LastFirstLine(), request, position);
  hovered_.clear();
}

void HelpBrowser::ScrollPreview(HelpScroll request, int position) {
  previewFirstLine_ = Scrolled(previewFirstLine_, PreviewLastFirstLine(), request, position);
}

std::vector<HelpLine> HelpBrowser::VisibleLines() const {
  std::vector<HelpLine> lines;
  const int first = FirstLine();
  for (int i = first; i < LineCount(current_) && i < first + kTextLines; ++i) {
    const std::string& text = current_.lines[i];
    lines.push_back({text, topics_.Links(text, current_.keys[0])});
  }
  return lines;
}

bool HelpBrowser::Hover(const std::string& name) {
  if (name == hovered_) return false;
  hovered_ = name;
  preview_ = topics_.Find(name);
  previewFirstLine_ = 0;
  return true;
}

std::vector<std::string> HelpBrowser::VisiblePreviewLines() const {
  std::vector<std::string> lines;
  for (int i = previewFirstLine_; i < LineCount(preview_) && i < previewFirstLine_ + kPreviewLines; ++i)
    lines.push_back(preview_.lines[i]);
  return lines;
}

std::vector<std::string> HelpBrowser::KeywordItems(int level) const {
  std::vector<std::string> items;
  for (int i = 0; i < topics_.KeyCount(level); ++i) items.push_back(topics_.Key(level, i));
  return items;
}

int HelpBrowser::KeywordSelection(int level) const {
  const int count = topics_.KeyCount(level);
  if (level < 1 || level > HelpTopics::kLevels) return -1;
  const std::string& key = current_.keys[level - 1];
  for (int i = 0; i < count && !key.empty(); ++i)
    if (topics_.Key(level, i) == key) return i;
  return -1;
}

std::string HelpBrowser::CurrentName() const {
  return current_.id >= 0 ? topics_.TopicName(current_.id) : std::string();
}

std::string HelpBrowser::PreviewKeyword(int level) const {
  if (level < 1 || level > HelpTopics::kLevels || preview_.keys[level - 1].empty()) return kNoKey;
  return preview_.keys[level - 1];
}

std::string HelpBrowser::ToText() const {
  std::string text;
  for (int level = 1; level <= HelpTopics::kLevels; ++level) {
    const std::vector<std::string> items = KeywordItems(level);
    const int selected = KeywordSelection(level);
    text += (level > 1 ? "\t" : "") + (selected >= 0 ? items[selected] : std::string(kNoKey));
  }
  text += '\n';
  for (const std::string& topicLine : current_.lines) {
    const HelpLine line{topicLine, topics_.Links(topicLine, current_.keys[0])};
    std::size_t at = 0;
    for (const HelpLink& link : line.links) {
      text.append(line.text, at, link.offset - at).append("{").append(link.text).append("}");
      at = link.offset + link.text.size();
    }
    text.append(line.text, at).append("\n");
  }
  return text;
}

}  // namespace korvane
