#include "content/tips_content.h"

#include <algorithm>
#include <utility>

namespace korvane {
namespace {

// Text runs from 87 pixels right of the client's left edge to 10 pixels
// short of its right edge.  87 pixels lie 12 pixels right of the grey panel
// with the icon in the font the dialog was laid out for; with a wider
// dialog font the panel grows, and the boxes keep that gap instead of
// being covered.
constexpr int kLeft = 87;
constexpr int kGapAfterPanel = 12;
constexpr int kRightMargin = 10;
constexpr int kHeadingBoxTop = 11;
constexpr int kHeadingTextTop = 25;
constexpr int kHeadingBottom = 61;
constexpr int kBodyBoxTop = 60;
constexpr int kBodyTextTop = 62;
constexpr int kBodyLines = 13;

// Splits at line breaks, a trailing one giving no extra line.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

DrawOp BoxOp(const TipsRect& box) {
  DrawOp op;
  op.kind = DrawOp::Kind::Frame;
  op.box = {box.left, box.top, box.right, box.bottom};
  op.color = kBlack;
  op.background = kWhite;
  return op;
}

// The lines of `text`, `lineHeight` apart from the top of `area`, as far as
// the area reaches.
void AddLines(std::vector<DrawOp>& ops, const TipsRect& area, int lineHeight, int group,
              int columns, const std::string& text) {
  if (lineHeight <= 0) return;
  int top = area.top;
  for (const std::string& line : Lines(text)) {
    if (top + lineHeight > area.bottom) break;
    if (!line.empty()) {
      DrawOp op;
      op.kind = DrawOp::Kind::Text;
      op.align = DrawOp::Align::Left;
      op.box = {area.left, top, area.right, top + lineHeight};
      op.text = line;
      op.color = kBlack;
      op.background = kWhite;
      op.fontHeight = lineHeight;
      op.group = group;
      op.columns = columns;
      ops.push_back(std::move(op));
    }
    top += lineHeight;
  }
}

}  // namespace

std::vector<DrawOp> TipsPage::Ops() const {
  std::vector<DrawOp> ops;
  ops.push_back(BoxOp(headingBox));
  const size_t headingLines = std::max<size_t>(1, Lines(heading).size());
  AddLines(ops, headingText, headingHeight / static_cast<int>(headingLines), 0, kHeadingColumns,
           heading);
  ops.push_back(BoxOp(bodyBox));
  AddLines(ops, bodyText, bodyHeight, 1, kBodyColumns, body);
  return ops;
}

TipsContent::TipsContent(std::string path, int firstTopic) : reader_(std::move(path)) { Load(firstTopic); }

void TipsContent::Load(int topic) { current_ = reader_.Load(topic, heading_, body_); }

TipsPage TipsContent::Page(int clientWidth, int panelHeight, int panelRight) const {
  TipsPage page;
  const int left = std::max(kLeft, panelRight + kGapAfterPanel);
  const int right = clientWidth - kRightMargin;
  page.headingBox = {left, kHeadingBoxTop, right, kHeadingBottom};
  page.headingText = {left + 2, kHeadingTextTop, right, kHeadingBottom};
  page.headingHeight = kHeadingBottom - kHeadingTextTop;
  const int bottom = panelHeight + 11;
  page.bodyBox = {left, kBodyBoxTop, right, bottom};
  page.bodyText = {left + 2, kBodyTextTop, right, bottom};
  page.bodyHeight = (bottom - kBodyTextTop) / kBodyLines;
  page.heading = heading_;
  page.body = body_;
  return page;
}

}  // namespace korvane
