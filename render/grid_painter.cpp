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

void PaintDrawOps(QPainter& painter, std::span<const DrawOp> ops, const CFont& viewFont,
                  const GridSystemColors& colors, const PicturePainter& pictures,
                  double lineWidth) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);

  // One font per height for the whole repaint.
  std::map<int, CFont> fonts;
  const CFont* current = &viewFont;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Frame || op.kind == DrawOp::Kind::Ellipse) {
      if (op.box.width() < 1 || op.box.height() < 1) continue;
      // A one-pixel outline on the box's outer pixels, filled inside.
      painter.setClipping(false);
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
    auto it = fonts.find(op.fontHeight);
    if (it == fonts.end()) {
      CFont variant;
      if (FontMaker::MakeHeightVariant(viewFont, op.fontHeight, variant))
        it = fonts.emplace(op.fontHeight, variant).first;
    }
    if (it != fonts.end()) current = &it->second;
    const QFont& font = current->Font();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString text = QString::fromStdString(op.text);
    const int textWidth = metrics.horizontalAdvance(text);
    // Centred horizontally (or from the left edge), from the top of the
    // box, clipped at its edges, on an opaque background as wide as the text.
    const int x = op.align == DrawOp::Align::Left ? op.box.left
                                                  : op.box.left + (op.box.width() - textWidth) / 2;
    // The layouts were made for a face whose line is exactly its character
    // height; the installed faces add a few pixels of descent, which would
    // let the background erase the frame line under a full-height text.
    int lineHeight = metrics.height();
    if (font.pixelSize() > 0) lineHeight = std::min(lineHeight, font.pixelSize());
    const QRect back(x, op.box.top, textWidth, lineHeight);
    painter.setClipRect(ToQRect(op.box));
    painter.fillRect(back, colors.Resolve(op.background));
    painter.setPen(colors.Resolve(op.color));
    painter.drawText(x, op.box.top + metrics.ascent(), text);
  }
  painter.restore();
}

}  // namespace korvane
