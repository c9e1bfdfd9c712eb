#include "render/page_export.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstring>

#include "content/grid/grid_page.h"
#include "engine/atomic_file.h"
#include "render/list_sheet_page.h"

namespace korvane {

namespace {

// A page of operations on the window colour.
template <class Page>
PagePainting OnWindowColour(const Page& page, const CFont& font, const GridSystemColors& colors) {
  PagePainting painting;
  painting.title = page.title;
  painting.width = page.width;
  painting.height = page.height;
  painting.ops = page.ops;
  painting.font = font;
  painting.colors = colors;
  painting.background = colors.window;
  return painting;
}

}  // namespace

PagePainting GridPainting(const GridPage& page, const CFont& font, const GridSystemColors& colors) {
  PagePainting painting = OnWindowColour(page, font, colors);
  painting.titled = true;
  return painting;
}

int TitleBandHeight(int width) { return std::clamp(width / 16, 16, 48); }

int PagePainting::TitleBand() const { return titled && width > 0 ? TitleBandHeight(width) : 0; }

std::vector<PagePainting> SheetPaintings(const std::vector<ListSheet>& sheets, const CFont& font,
                                         const GridSystemColors& colors) {
  std::vector<PagePainting> paintings;
  for (const ListSheet& sheet : sheets) paintings.push_back(OnWindowColour(sheet, font, colors));
  return paintings;
}

void PaintPage(QPainter& painter, const PagePainting& page) {
  PaintDrawOps(painter, page.ops, page.font, page.colors, page.pictures);
}

void PaintPageFitted(QPainter& painter, const PagePainting& page, const QRectF& target,
                     double lineWidth) {
  if (page.width <= 0 || page.height <= 0 || target.width() <= 0 || target.height() <= 0) return;
  const int band = page.TitleBand();
  const double scale = std::min(target.width() / page.width, target.height() / page.FullHeight());
  painter.save();
  painter.translate(target.left() + (target.width() - page.width * scale) / 2,
                    target.top() + (target.height() - page.FullHeight() * scale) / 2);
  painter.scale(scale, scale);
  painter.fillRect(QRect(0, 0, page.width, page.FullHeight()), page.background);
  if (band > 0) {
    // The title as the window's title bar shows it, set by the pages' own
    // fitting rule in its band.
    DrawOp title;
    title.box = GridRect{0, 0, page.width, band};
    title.text = page.title;
    title.fontHeight = band * 3 / 4;
    title.color = GridColor::System(SystemColor::WindowText);
    title.background = GridColor::System(SystemColor::Window);
    title.box.top = band / 8;
    PaintDrawOps(painter, std::span<const DrawOp>(&title, 1), page.font, page.colors, {},
                 lineWidth);
    painter.translate(0, band);
  }
  PaintDrawOps(painter, page.ops, page.font, page.colors, page.pictures, lineWidth);
  painter.restore();
}

QImage RenderImage(const PagePainting& page, QSize size, double devicePixelRatio) {
  const QSize pixels(static_cast<int>(size.width() * devicePixelRatio + 0.5),
                     static_cast<int>(size.height() * devicePixelRatio + 0.5));
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(page.background);
  QPainter painter(&image);
  PaintPageFitted(painter, page, QRectF(0, 0, size.width(), size.height()));
  return image;
}

bool PaintOnPagedDevice(QPagedPaintDevice& device, std::span<const PagePainting> pages) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The painter's coordinates are the device's pixels inside the margins;
  // the lines are scaled with the page so that they keep their weight on
  // paper.
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    // Paper is white: the dialog's grey around and behind a page (the day
    // calendar's) would print as a grey block.
    PagePainting paper = pages[i];
    paper.background = Qt::white;
    paper.colors.window = Qt::white;
    paper.colors.buttonFace = Qt::white;
    PaintPageFitted(painter, paper, QRectF(0, 0, device.width(), device.height()), 1.0);
  }
  return painter.end();
}

// Replaces `path` with `bytes` in one step, through the program's one
// careful write: every step up to the rename is checked, and a failed write
// leaves an existing file as it was and no new file behind.  A path that
// names something other than a regular file or folder (a terminal, a pipe,
// a device) is written to directly, never replaced by a file.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, std::string& error) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile() && !info.isDir()) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
      error = file.errorString().toStdString();
      return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
      error = file.errorString().toStdString();
      return false;
    }
    return true;
  }
  std::string reason;
  int systemError = 0;
  if (ReplaceFileContents(QFile::encodeName(path).toStdString(),
                          std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                          &reason, &systemError))
    return true;
  // The system's wording, as the other failures of an export are worded.
  error = systemError != 0 ? std::strerror(systemError) : reason;
  return false;
}

bool WritePdfWithLayout(std::span<const PagePainting> pages, const QPageLayout& layout,
                        int resolution, const QString& path, std::string& error) {
  if (pages.empty()) {
    error = "nothing to write";
    return false;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setResolution(resolution);
    writer.setTitle(QString::fromStdString(pages.front().title));
    writer.setCreator(QStringLiteral("コルヴァン"));
    if (!PaintOnPagedDevice(writer, pages)) {
      error = "the PDF page could not be painted";
      return false;
    }
  }
  if (!bytes.startsWith("%PDF")) {
    error = "the PDF page could not be painted";
    return false;
  }
  return WriteWholeFile(path, bytes, error);
}

bool WritePng(const PagePainting& page, const QString& path, QSize size, double devicePixelRatio,
              std::string& error) {
  if (size.width() < 1 || size.height() < 1 || devicePixelRatio <= 0) {
    error = "the image has no pixels";
    return false;
  }
  const QImage image = RenderImage(page, size, devicePixelRatio);
  if (image.isNull()) {
    error = "not enough memory for the image";
    return false;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  // PNG is lossless: the lowest "quality" is the strongest compression.
  writer.setQuality(0);
  if (!writer.write(image)) {
    error = writer.errorString().toStdString();
    return false;
  }
  return WriteWholeFile(path, bytes, error);
}

bool WritePdf(std::span<const PagePainting> pages, const QString& path, std::string& error) {
  if (pages.empty()) {
    error = "nothing to write";
    return false;
  }
  const QPageLayout layout(QPageSize(QPageSize::A4),
                           pages.front().Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  return WritePdfWithLayout(pages, layout, 300, path, error);
}

}  // namespace korvane
