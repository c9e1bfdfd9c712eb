#pragma once
// A page of draw operations (a month grid's, the day calendar's) painted
// onto any paint device: the window, a PNG image, a PDF page, a printer.
//
// The window and every export call the same PaintPage, so a file holds
// exactly what the window shows.  Only QtGui is needed: korvane-print
// renders without a display.
//
//   korvane::PagePainting painting = korvane::GridPainting(page, font, colors);
//   korvane::PaintPage(painter, painting);                       // the window
//   std::string error;
//   if (!korvane::WritePdf(painting, "may.pdf", error)) ...
//   if (!korvane::WritePng(painting, "may.png", QSize(1280, 960), 1.0, error)) ...
#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <span>
#include <string>
#include <vector>

#include "render/font_maker.h"
#include "render/grid_painter.h"

class QImage;
class QPageLayout;
class QPagedPaintDevice;

namespace korvane {

struct GridPage;
struct ListSheet;

// Everything one page needs to be painted.
struct PagePainting {
  // The window title of the page (the document title of a PDF).
  std::string title;
  // The size the page was laid out for, in pixels.
  int width = 0;
  int height = 0;
  std::vector<DrawOp> ops;
  // The font whose height variants the texts take.
  CFont font;
  GridSystemColors colors;
  // What lies under the page where no operation draws (the erased window).
  QColor background;
  PicturePainter pictures;
  // Whether paper and images carry the title above the page (a month grid's
  // do, so that a printed month can be told from another).
  bool titled = false;

  // The band the title takes above the page, 0 without one.
  int TitleBand() const;
  // The page with its title band.
  int FullHeight() const { return height + TitleBand(); }
  bool Landscape() const { return width > FullHeight(); }
};

// The height of the title band over a page `width` pixels wide: a line of
// text in proportion to the page, neither tiny on a small page nor a
// banner on a large one.
int TitleBandHeight(int width);

// A month grid's page on the window colour; its texts take height variants
// of `font` (the view's font).
PagePainting GridPainting(const GridPage& page, const CFont& font, const GridSystemColors& colors);
// The sheets of a list's table (see ListSheets), on the window colour.
std::vector<PagePainting> SheetPaintings(const std::vector<ListSheet>& sheets, const CFont& font,
                                         const GridSystemColors& colors);

// The page at its own size from (0, 0): what the window paints.  The
// background is the widget's own; only the operations are drawn.
void PaintPage(QPainter& painter, const PagePainting& page);

// The page on `target` (painter coordinates): the target filled with the
// background, the page (under its title when it is titled) scaled
// uniformly to fit and centred.  See
// PaintDrawOps for `lineWidth`.
void PaintPageFitted(QPainter& painter, const PagePainting& page, const QRectF& target,
                     double lineWidth = 0);

// An image of `size` (logical pixels) at `devicePixelRatio`: the page
// fitted into it.  At the page's own size and ratio 1 it is the window's
// grab, pixel for pixel.
QImage RenderImage(const PagePainting& page, QSize size, double devicePixelRatio = 1.0);

// The pages, one on each page of a paged device (a PDF writer or a
// printer) that is already set up, inside its margins.  False when the
// device cannot be painted on.
bool PaintOnPagedDevice(QPagedPaintDevice& device, std::span<const PagePainting> pages);

// Replaces the file at `path` with `bytes`: all or nothing, an existing
// file left as it was on any failure (the reason in `error`).  A device or a
// pipe is written to directly.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, std::string& error);

// The pages as a PDF of `layout` at `resolution` dots per inch (what a
// printer printing to a file was set up for), written as WriteWholeFile
// writes.
bool WritePdfWithLayout(std::span<const PagePainting> pages, const QPageLayout& layout,
                        int resolution, const QString& path, std::string& error);

// Writes a PNG of `size` (logical pixels, times the ratio in the file).
// False with the reason in `error` when it cannot be written; an existing
// file is then left as it was.
bool WritePng(const PagePainting& page, const QString& path, QSize size, double devicePixelRatio,
              std::string& error);

// Writes an A4 PDF, one page of it for each page, landscape when the first
// page is wider than high, else portrait, with margins of 10 mm, titled
// with the first page's title.  False with the reason in `error`; an
// existing file is then left as it was.
bool WritePdf(std::span<const PagePainting> pages, const QString& path, std::string& error);
inline bool WritePdf(const PagePainting& page, const QString& path, std::string& error) {
  return WritePdf(std::span<const PagePainting>(&page, 1), path, error);
}

}  // namespace korvane
