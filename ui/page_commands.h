#pragma once
// エクスポート... and 印刷...: a page of draw operations (a month grid, the
// day calendar's page) written to a PDF or PNG file chosen in the standard
// file dialog, or printed through Qt's print dialog.  Both dialogs run
// through DoModal, so tests drive them like the program's own.
#include <QDialog>
#include <QSize>
#include <QString>
#include <string>

#include "render/page_export.h"

class QCheckBox;
class QSpinBox;
class QWidget;

namespace korvane {

// "PNG の大きさ": the width and height in pixels of an exported image,
// offered at the window's own (its size times its pixel ratio), with the
// page's proportions kept unless the user unticks "縦横比を保つ".  For a
// page with a title, "見出しを付ける" (ticked) keeps the title above it: the
// offered height includes the title's band of `titleBand` pixels, and
// unticking it takes the band off again.
class PngSizeDialog : public QDialog {
 public:
  static constexpr int kMinSide = 16;
  static constexpr int kMaxSide = 10000;
  PngSizeDialog(QSize pixels, QWidget* parent = nullptr, int titleBand = 0);
  QSize pixels() const;
  // Null when no title is offered.
  QCheckBox* titleBox() const { return title_; }
  bool titled() const;
  QSpinBox* widthBox() const { return width_; }
  QSpinBox* heightBox() const { return height_; }
  QCheckBox* keepRatioBox() const { return keepRatio_; }

 private:
  void Follow(bool fromWidth);

  QSpinBox* width_;
  QSpinBox* height_;
  QCheckBox* keepRatio_;
  QCheckBox* title_ = nullptr;
  double ratio_;  // height over width of the offered size
  bool following_ = false;
};

// The standard file dialog over `owner`, then the page as a PDF (one A4
// page) or a PNG by the chosen file's extension, else by the chosen filter.
// A PNG's size is asked in PngSizeDialog, offered at `pngSize` logical
// pixels (and a titled page's title band) times `devicePixelRatio`: kept,
// the image is the window's own size and sharpness; changed, the same page
// is drawn scaled to fit it, centred.
// A file that cannot be written is reported in a message box with its name
// and the reason.  The dialog offers
// `suggestedName` (without extension), by default the page's title made a
// file name.  True when a file was written.
bool ExportPageWithDialog(QWidget* owner, const PagePainting& page, QSize pngSize,
                          double devicePixelRatio, const QString& suggestedName = {});
// The same with a PDF of several pages (a list's sheets) and the page that
// a PNG shows (the whole list on one sheet).
bool ExportPagesWithDialog(QWidget* owner, std::span<const PagePainting> pdfPages,
                           const PagePainting& pngPage, QSize pngSize, double devicePixelRatio,
                           const QString& suggestedName = {});

// Qt's print dialog over `owner`, then each page on a sheet of its own,
// scaled to fit inside the margins, landscape when the first page is wider
// than high.  A printer that cannot be painted on is reported in a message
// box.  True when printed.
bool PrintPagesWithDialog(QWidget* owner, std::span<const PagePainting> pages);
inline bool PrintPageWithDialog(QWidget* owner, const PagePainting& page) {
  return PrintPagesWithDialog(owner, std::span<const PagePainting>(&page, 1));
}

// The file name an export offers for a page titled `title`: the title with
// blanks and the characters file names should not hold made "_".
QString SuggestedFileName(const std::string& title);

}  // namespace korvane
