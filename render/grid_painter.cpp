#include "render/grid_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <map>

namespace korvane {

GridSystemColors GridSystemColors::FromPalette(const QPalette& palette) {
  GridSystemColors colors;
  // The window colour of a document window is the palette's base (the
  // background of text areas), not the grey of dialogs.
  colors.window = palette.color(QPalette::Active, QPalette::Base);
  colors.windowText = palette.color(QPalette::Active, QPalette::Text);
  colors.grayText = palette.color(QPalette::Disabled, QPalette::Text);
  colors.buttonFace = palette.color(QPalette::Active, QPalette::Button);
  return colors;
}

QColor GridSystemColors::Resolve(const GridColor& color) const {
  switch (color.system) {
    case SystemColor::Window:
      return window;
    case SystemColor::WindowText:
      return windowText;
    case SystemColor::GrayText:
      return grayText;
    case SystemColor::ButtonFace:
      return buttonFace;
    case SystemColor::None:
      break;
  }
  return QColor(color.red, color.green, color.blue);
}

namespace {

QRect ToQRect(const GridRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

}  // namespace

TextSetter::TextSetter(std::span<const DrawOp> ops, const CFont& viewFont)
    : ops_(ops), viewFont_(viewFont) {}

const QFont& TextSetter::FontAt(int height) {
  auto it = fonts_.find(height);
  if (it == fonts_.end()) {
    CFont variant;
    const QFont font =
        FontMaker::MakeHeightVariant(viewFont_, height, variant) ? variant.Font() : viewFont_.Font();
    it = fonts_.emplace(height, font).first;
  }
  return it->second;
}

QRect TextSetter::RoomOf(const DrawOp& op) const {
  // One pixel of white on every side.
  return ToQRect(op.box).adjusted(1, 1, -1, -1);
}

PlacedText TextSetter::Fit(const DrawOp& op, const QRect& room, int limit) {
  PlacedText placed;
  placed.room = room;
  if (op.text.empty() || room.width() < 1 || room.height() < 1) return placed;
  const QString text = QString::fromStdString(op.text);
  int height = op.fontHeight > 0 ? op.fontHeight : std::max(1, viewFont_.Font().pixelSize());
  if (limit > 0) height = std::min(height, limit);
  const QString sample(op.columns, u'0');
  // From the asked height down, straight to the height the overflow
  // suggests, then a pixel at a time: hinting does not scale linearly.
  QRect ink;
  for (;;) {
    const QFontMetrics metrics(FontAt(height));
    // The outline's bounds, rounded; smoothing may shade one pixel more
    // to the right and below.
    ink = metrics.tightBoundingRect(text).adjusted(0, 0, 1, 1);
    if (!sample.isEmpty())
      ink.setWidth(std::max(ink.width(), metrics.tightBoundingRect(sample).width() + 1));
    if (ink.width() <= room.width() && ink.height() <= room.height()) break;
    if (height <= 1) return placed;  // not even a pixel-high text fits: none at all
    int next = height - 1;
    if (ink.width() > room.width()) next = std::min(next, height * room.width() / ink.width());
    if (ink.height() > room.height()) next = std::min(next, height * room.height() / ink.height());
    height = std::max(1, next);
  }
  const QFont& font = FontAt(height);
  const QFontMetrics metrics(font);
  const int advance = metrics.horizontalAdvance(text);
  // Where the layout puts the line: centred (or from the left edge), its
  // top at the top of the box; then moved the least that keeps the ink in
  // the room.
  QPoint origin(op.align == DrawOp::Align::Left ? op.box.left
                                                : op.box.left + (op.box.width() - advance) / 2,
                op.box.top + metrics.ascent());
  const QRect at = ink.translated(origin);
  if (at.left() < room.left()) origin.rx() += room.left() - at.left();
  else if (at.right() > room.right()) origin.rx() -= at.right() - room.right();
  if (at.top() < room.top()) origin.ry() += room.top() - at.top();
  else if (at.bottom() > room.bottom()) origin.ry() -= at.bottom() - room.bottom();
  placed.fontHeight = height;
  placed.origin = origin;
  placed.ink = ink.translated(origin);
  // The layouts were made for a face whose line is exactly its character
  // height; the background stops there, and inside the room.
  int lineHeight = metrics.height();
  if (font.pixelSize() > 0) lineHeight = std::min(lineHeight, font.pixelSize());
  placed.back = QRect(origin.x(), origin.y() - metrics.ascent(), advance, lineHeight) & room;
  return placed;
}

QRect TextSetter::LineAcross(const QRect& area) const {
  for (const DrawOp& other : ops_) {
    if (other.kind != DrawOp::Kind::Frame || other.box.width() < 1 || other.box.height() < 1)
      continue;
    const QRect frame = ToQRect(other.box);
    const QRect sides[4] = {QRect(frame.left(), frame.top(), 1, frame.height()),
                            QRect(frame.right(), frame.top(), 1, frame.height()),
                            QRect(frame.left(), frame.top(), frame.width(), 1),
                            QRect(frame.left(), frame.bottom(), frame.width(), 1)};
    for (const QRect& side : sides) {
      if (side.intersects(area)) return side;
    }
  }
  return {};
}

PlacedText TextSetter::Place(size_t index) {
  const int group = ops_[index].group;
  if (group < 0) return PlaceAlone(index, 0);
  auto it = groupHeights_.find(group);
  if (it == groupHeights_.end()) {
    int lowest = 0;
    for (size_t i = 0; i < ops_.size(); ++i) {
      if (ops_[i].group != group || ops_[i].kind != DrawOp::Kind::Text || ops_[i].text.empty())
        continue;
      // A text that cannot be set at all is left out and does not count.
      const int height = PlaceAlone(i, 0).fontHeight;
      if (height > 0) lowest = lowest == 0 ? height : std::min(lowest, height);
    }
    it = groupHeights_.emplace(group, lowest).first;
  }
  // (When none could be set, 0 leaves this one to fail alone as well.)
  return PlaceAlone(index, it->second);
}

PlacedText TextSetter::PlaceAlone(size_t index, int limit) {
  const DrawOp& op = ops_[index];
  PlacedText placed;
  placed.room = RoomOf(op);
  // A text box may reach onto the ruled lines of its cell or cross those of
  // a neighbour: while a line runs through the ink or its pixel of white,
  // the room ends a pixel short of it, on the line's side of the ink.
  for (int tries = 0; tries < 16; ++tries) {
    placed = Fit(op, placed.room, limit);
    if (placed.fontHeight <= 0) return placed;
    const QRect line = LineAcross(placed.ink.adjusted(-1, -1, 1, 1));
    if (line.isNull()) return placed;
    QRect& room = placed.room;
    const QPoint centre = placed.ink.center();
    if (line.width() == 1) {
      if (line.left() <= centre.x()) room.setLeft(line.left() + 2);
      else room.setRight(line.left() - 2);
    } else {
      if (line.top() <= centre.y()) room.setTop(line.top() + 2);
      else room.setBottom(line.top() - 2);
    }
  }
  placed.fontHeight = 0;
  return placed;
}

void PaintDrawOps(QPainter& painter, std::span<const DrawOp> ops, const CFont& viewFont,
                  const GridSystemColors& colors, const PicturePainter& pictures,
                  double lineWidth) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);

  TextSetter setter(ops, viewFont);
  for (size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (op.kind == DrawOp::Kind::Frame || op.kind == DrawOp::Kind::Ellipse) {
      if (op.box.width() < 1 || op.box.height() < 1) continue;
      // A one-pixel outline on the box's outer pixels, filled inside.  A
      // frame is square; the moon's ellipses are smoothed.
      painter.setClipping(false);
      painter.setRenderHint(QPainter::Antialiasing, op.kind == DrawOp::Kind::Ellipse);
      painter.setPen(QPen(colors.Resolve(op.color), lineWidth));
      painter.setBrush(colors.Resolve(op.background));
      const QRect outline(op.box.left, op.box.top, op.box.width() - 1, op.box.height() - 1);
      if (op.kind == DrawOp::Kind::Frame)
        painter.drawRect(outline);
      else
        painter.drawEllipse(outline);
      continue;
    }
    if (op.kind == DrawOp::Kind::Picture) {
      if (pictures) {
        painter.setClipping(false);
        pictures(painter, op.picture, op.box.left, op.box.top);
      }
      continue;
    }
    if (op.text.empty() || op.box.width() < 1 || op.box.height() < 1) continue;
    const PlacedText placed = setter.Place(i);
    if (placed.fontHeight <= 0) continue;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(ToQRect(op.box));
    painter.fillRect(placed.back, colors.Resolve(op.background));
    painter.setFont(setter.FontAt(placed.fontHeight));
    painter.setPen(colors.Resolve(op.color));
    painter.drawText(placed.origin, QString::fromStdString(op.text));
  }
  painter.restore();
}

}  // namespace korvane
