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

}  // namespace

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
