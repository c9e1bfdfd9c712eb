#pragma once
// What the tips dialog shows: the current topic of "onepoint.txt" and where
// its heading and body are painted.  Plain C++, so the tests and
// korvane-print read the same content the dialog paints.
#include <string>
#include <vector>

#include "content/grid/grid_page.h"
#include "textdata/tips_reader.h"

namespace korvane {

// Pixel rectangle in client coordinates; right and bottom exclusive.
struct TipsRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const TipsRect&) const = default;
};

// The two white boxes with a black one-pixel border, and the text inside
// each.  The heading is set at 36 pixels (shared among its lines); the body
// at a height that fits 13 lines in its box.  Texts break only at their line
// breaks, so the painter lowers a height where the face would be too wide:
// the heading's until its own text fits, the body's until a body line of the
// longest kind (66 half-width columns) and every line of the text fit, so
// that every topic's body is set at the same height.
struct TipsPage {
  static constexpr int kHeadingColumns = 0;
  static constexpr int kBodyColumns = 66;
  TipsRect headingBox;
  TipsRect headingText;
  int headingHeight = 0;
  TipsRect bodyBox;
  TipsRect bodyText;
  int bodyHeight = 0;
  std::string heading;  // UTF-8, lines separated by '\n'
  std::string body;

  // The page as drawing steps: each box, then each of its lines, the lines
  // of a box set at one height.  Lines beyond the body's box are left out.
  std::vector<DrawOp> Ops() const;
};

class TipsContent {
 public:
  // Loads topic `firstTopic` (the setting "onepoint") from `path`.
  TipsContent(std::string path, int firstTopic);

  // False when the file could not be read (the message has been shown):
  // the dialog then closes at once.
  bool loaded() const { return current_ >= 0; }
  int current() const { return current_; }
  const std::string& heading() const { return heading_; }
  const std::string& body() const { return body_; }

  // "次を表示" and "前を表示": after the last topic comes topic 1, before
  // topic 1 the last topic.
  void Next() { Load(current_ + 1); }
  void Previous() { Load(current_ - 1); }

  // What "onepoint" becomes when the dialog closes: the topic after the one
  // shown, so the next opening moves on.
  int NextOpening() const { return current_ + 1; }

  // The page for a client area `clientWidth` wide whose grey panel (control
  // 1008) is `panelHeight` pixels high and ends `panelRight` pixels from the
  // left edge.
  TipsPage Page(int clientWidth, int panelHeight, int panelRight = 0) const;

 private:
  void Load(int topic);

  TipsReader reader_;
  int current_ = -1;
  std::string heading_;
  std::string body_;
};

}  // namespace korvane
