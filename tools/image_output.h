#pragma once
// korvane-print --pdf FILE and --png FILE [--size WxH]: a month grid or the
// day calendar's page painted into files, with the painter the windows
// use.  The header needs no Qt; the text output never starts one.
#include <functional>
#include <string>

namespace korvane {

struct GridPage;
struct DayPage;
struct ListPage;

struct ImageRequest {
  std::string pdfPath;
  std::string pngPath;
  // --size: 0 when not given.
  int width = 0;
  int height = 0;
  // --no-title: a month grid's page without its title band.
  bool title = true;

  bool Any() const { return !pdfPath.empty() || !pngPath.empty(); }
};

// The default size of a month grid's page: a new child window's client area.
inline constexpr int kDefaultGridWidth = 640;
inline constexpr int kDefaultGridHeight = 480;

// The smallest and largest side of an image korvane-print writes.
inline constexpr int kMinImageSide = 16;
inline constexpr int kMaxImageSide = 8192;

// Writes the files of a month grid, laid out for a client area of the
// requested size (default 640 x 480) by `pageAt`, less the title band
// above it; the PNG has exactly that size, the PDF scales it to fit an A4
// page.  Returns the exit status: 0, or
// 1 after one line on standard error naming the file and the reason.
int WriteGridImages(const std::function<GridPage(int width, int height)>& pageAt,
                    const ImageRequest& request);

// Writes the files of the day calendar's page, laid out by `pageAt` for a
// page control of the requested size (default 225 x 293); the PNG has
// exactly that size, the PDF scales it to fit an A4 page.
int WriteDayImages(const std::function<DayPage(int width, int height)>& pageAt,
                   const ImageRequest& request);

// Writes the files of a list's table: the PDF holds it on A4 sheets, the
// PNG on one sheet of the table's own size, or scaled to fit the requested
// size.
int WriteListImages(const ListPage& page, const ImageRequest& request);

}  // namespace korvane
