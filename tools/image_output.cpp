#include "tools/image_output.h"

#include <QGuiApplication>
#include <QPalette>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "render/day_page_painter.h"
#include "content/day_page_content.h"
#include "content/grid/grid_page.h"
#include "render/page_export.h"
#include "render/list_sheet_page.h"

namespace korvane {
namespace {

// Painting needs a GUI application, never a display: without a platform
// chosen by the caller, the offscreen one.  It ends when the files are
// written, before the program's own exit.
std::unique_ptr<QGuiApplication> StartGui() {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt's notes about the session (no runtime folder, no session bus) are
  // not ours to report: standard error keeps the tool's own one-line
  // messages and Qt's real failures.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "korvane-print: %s\n", text.toLocal8Bit().constData());
  });
  static int argc = 1;
  static char name[] = "korvane-print";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int WriteFiles(const PagePainting& painting, const ImageRequest& request, QSize pngSize) {
  std::string error;
  if (!request.pdfPath.empty() &&
      !WritePdf(painting, QString::fromStdString(request.pdfPath), error)) {
    std::fprintf(stderr, "korvane-print: cannot write %s: %s\n", request.pdfPath.c_str(),
                 error.c_str());
    return 1;
  }
  if (!request.pngPath.empty() &&
      !WritePng(painting, QString::fromStdString(request.pngPath), pngSize, 1.0, error)) {
    std::fprintf(stderr, "korvane-print: cannot write %s: %s\n", request.pngPath.c_str(),
                 error.c_str());
    return 1;
  }
  return 0;
}

GridSystemColors SystemColors() { return GridSystemColors::FromPalette(QGuiApplication::palette()); }

CFont DefaultFont() {
  CFont font;
  font.CreateFontIndirect(FontMaker::DefaultLogFont());
  return font;
}

}  // namespace

int WriteGridImages(const std::function<GridPage(int, int)>& pageAt, const ImageRequest& request) {
  const std::unique_ptr<QGuiApplication> gui = StartGui();
  const int width = request.width ? request.width : kDefaultGridWidth;
  const int height = request.height ? request.height : kDefaultGridHeight;
  // The table keeps its own pixels: it is laid out below the title, not
  // scaled to make room for it.  A page too low for both goes untitled.
  const int band = request.title ? TitleBandHeight(width) : 0;
  const bool titled = band > 0 && height - band >= band;
  PagePainting painting =
      GridPainting(pageAt(width, titled ? height - band : height), DefaultFont(), SystemColors());
  painting.titled = titled;
  return WriteFiles(painting, request, QSize(width, height));
}

int WriteDayImages(const std::function<DayPage(int, int)>& pageAt, const ImageRequest& request) {
  const std::unique_ptr<QGuiApplication> gui = StartGui();
  const int width = request.width ? request.width : kDefaultDayPageRect.width();
  const int height = request.height ? request.height : kDefaultDayPageRect.height();
  const PagePainting painting = DayPainting(pageAt(width, height), DefaultFont(), SystemColors(),
                                            QGuiApplication::palette().color(QPalette::Window));
  return WriteFiles(painting, request, QSize(width, height));
}

int WriteListImages(const ListPage& page, const ImageRequest& request) {
  const std::unique_ptr<QGuiApplication> gui = StartGui();
  const CFont font = DefaultFont();
  std::string error;
  if (!request.pdfPath.empty()) {
    const std::vector<PagePainting> sheets =
        SheetPaintings(ListSheets(page, RowsPerA4Sheet(page)), font, SystemColors());
    if (!WritePdf(sheets, QString::fromStdString(request.pdfPath), error)) {
      std::fprintf(stderr, "korvane-print: cannot write %s: %s\n", request.pdfPath.c_str(),
                   error.c_str());
      return 1;
    }
  }
  if (request.pngPath.empty()) return 0;
  const std::vector<PagePainting> whole = SheetPaintings(ListSheets(page, 0), font, SystemColors());
  ImageRequest png;
  png.pngPath = request.pngPath;
  const QSize size = request.width ? QSize(request.width, request.height)
                                   : QSize(whole.front().width, whole.front().height);
  return WriteFiles(whole.front(), png, size);
}

}  // namespace korvane
