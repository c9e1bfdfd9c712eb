#pragma once
// HelpBrowser: what the help viewer shows and how it moves, without a
// window.  It holds the topic table, the topic shown (with its scroll
// position), the topic previewed under the pointer, and the back/forward
// history; the dialog paints its panes from it and forwards the user's
// clicks, choices and scroll requests.
//
//   korvane::HelpBrowser browser;
//   if (!browser.Open(path, "目次")) return;        // message already shown
//   browser.FollowLink("暦");                         // a new history entry
//   browser.Back();                                   // scroll position restored
#include <string>
#include <string_view>
#include <vector>

#include "textdata/help_topics.h"

namespace korvane {

// One visible line of a pane with the topic names in it.
struct HelpLine {
  std::string text;
  std::vector<HelpLink> links;
};

enum class HelpScroll { LineUp, LineDown, Position, Other };

class HelpBrowser {
 public:
  static constexpr int kTextLines = 15;     // visible lines of the text pane
  static constexpr int kPreviewLines = 7;   // of the preview pane
  static constexpr int kHistorySize = 100;
  // Shown in a keyword list or field that has no value.
  static constexpr const char* kNoKey = "*****";

  // Loads the topic file and shows `startTopic` as the first history entry.
  // False when the file cannot be read or no topic has `startTopic` as its
  // name, each with its message shown.
  bool Open(const std::string& path, const std::string& startTopic);
  // The same over a topic table already loaded (tests, korvane-print).
  bool Open(HelpTopics topics, const std::string& startTopic, const std::string& path = {});

  const HelpTopics& Topics() const { return topics_; }
  const HelpTopic& Current() const { return current_; }
  const HelpTopic& Preview() const { return preview_; }
  // The shown topic's name (the viewer's caption names it).
  std::string CurrentName() const;

  // Opens the topic named `name` as a new history entry; the entries after
  // the current one are dropped, and when all 100 are in use the oldest.
  void FollowLink(const std::string& name);
  // Keyword list `level` (1..3), item `index`; an index past the keys
  // sounds the beep instead.
  void ChooseKeyword(int level, int index);
  bool CanGoBack() const { return position_ > 0; }
  bool CanGoForward() const { return position_ + 1 < static_cast<int>(history_.size()); }
  // Each false (and nothing moves) when there is no entry that way.
  bool Back();
  bool Forward();
  // History entries up to and including the current one (1..100).
  int HistoryPosition() const { return position_ + 1; }
  int HistoryCount() const { return static_cast<int>(history_.size()); }

  // The text pane: its first visible line, the last it can take (0 when the
  // topic fits, and then its scroll bar is disabled), and a scroll request.
  // A position past either end is held at the end with the beep.
  int FirstLine() const { return history_.empty() ? 0 : history_[position_].firstLine; }
  int LastFirstLine() const { return MaxFirstLine(current_, kTextLines); }
  bool TextScrollEnabled() const { return LineCount(current_) > kTextLines; }
  void ScrollText(HelpScroll request, int position = 0);
  std::vector<HelpLine> VisibleLines() const;

  // The preview pane, loaded when the pointer comes onto another link.
  // Returns false when `name` is already previewed (nothing reloads).
  bool Hover(const std::string& name);
  void ClearHover() { hovered_.clear(); }
  const std::string& Hovered() const { return hovered_; }
  int PreviewFirstLine() const { return previewFirstLine_; }
  int PreviewLastFirstLine() const { return MaxFirstLine(preview_, kPreviewLines); }
  bool PreviewScrollEnabled() const { return LineCount(preview_) > kPreviewLines; }
  void ScrollPreview(HelpScroll request, int position = 0);
  void ResetPreviewScroll() { previewFirstLine_ = 0; }
  std::vector<std::string> VisiblePreviewLines() const;

  // The keyword list items of `level`: the keys; and the item that shows
  // the current topic's key, -1 when it has none (the list then shows
  // kNoKey, which is no item: it would open nothing).
  std::vector<std::string> KeywordItems(int level) const;
  int KeywordSelection(int level) const;
  // The previewed topic's key of `level`, or kNoKey.
  std::string PreviewKeyword(int level) const;

  // The topic shown as text: the keyword lists' selections, then all its
  // lines (the pane shows 15 of them) with each link in braces.
  std::string ToText() const;

 private:
  struct Entry {
    int id = -1;
    int firstLine = 0;
  };
  static int LineCount(const HelpTopic& topic) { return static_cast<int>(topic.lines.size()); }
  static int MaxFirstLine(const HelpTopic& topic, int visible);
  static int Scrolled(int from, int last, HelpScroll request, int position);
  void Show(int firstLine);

  HelpTopics topics_;
  HelpTopic current_;
  HelpTopic preview_;
  std::string hovered_;
  int previewFirstLine_ = 0;
  std::vector<Entry> history_;
  int position_ = 0;
};

}  // namespace korvane
