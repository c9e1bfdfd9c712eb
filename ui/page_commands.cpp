#include "ui/page_commands.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "engine/format.h"
#include "engine/message_hook.h"
#include "framework/message_box.h"

namespace korvane {
namespace {

const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kPngFilter = QStringLiteral("PNG (*.png)");

// The size an image of `pngSize` logical pixels at `ratio` has, in pixels.
QSize PixelSize(QSize pngSize, double ratio) {
  return QSize(static_cast<int>(std::lround(pngSize.width() * ratio)),
               static_cast<int>(std::lround(pngSize.height() * ratio)));
}

}  // namespace

PngSizeDialog::PngSizeDialog(QSize pixels, QWidget* parent, int titleBand) : QDialog(parent) {
  setWindowTitle(QStringLiteral("PNG の大きさ"));
  const QSize offered(std::clamp(pixels.width(), kMinSide, kMaxSide),
                      std::clamp(pixels.height(), kMinSide, kMaxSide));
  ratio_ = static_cast<double>(offered.height()) / offered.width();
  auto makeBox = [this](int value) {
    auto* box = new QSpinBox(this);
    box->setRange(kMinSide, kMaxSide);
    box->setSuffix(QStringLiteral(" px"));
    box->setValue(value);
    return box;
  };
  width_ = makeBox(offered.width());
  height_ = makeBox(offered.height());
  keepRatio_ = new QCheckBox(QStringLiteral("縦横比を保つ(&K)"), this);
  keepRatio_->setChecked(true);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("幅(&W)"), width_);
  form->addRow(QStringLiteral("高さ(&H)"), height_);
  form->addRow(keepRatio_);
  if (titleBand > 0) {
    title_ = new QCheckBox(QStringLiteral("見出しを付ける(&T)"), this);
    title_->setChecked(true);
    form->addRow(title_);
    // The band comes off (or back) with the title; the proportions are then
    // those of the new size.
    connect(title_, &QCheckBox::toggled, this, [this, titleBand](bool on) {
      following_ = true;
      height_->setValue(std::clamp(height_->value() + (on ? titleBand : -titleBand), kMinSide, kMaxSide));
      following_ = false;
      ratio_ = static_cast<double>(height_->value()) / width_->value();
    });
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  connect(width_, &QSpinBox::valueChanged, this, [this] { Follow(true); });
  connect(height_, &QSpinBox::valueChanged, this, [this] { Follow(false); });
  // A new ratio is taken from the sides as they stand when it is ticked again.
  connect(keepRatio_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) ratio_ = static_cast<double>(height_->value()) / width_->value();
  });
}

QSize PngSizeDialog::pixels() const { return QSize(width_->value(), height_->value()); }

bool PngSizeDialog::titled() const { return title_ && title_->isChecked(); }

void PngSizeDialog::Follow(bool fromWidth) {
  if (following_ || !keepRatio_->isChecked()) return;
  following_ = true;
  if (fromWidth) {
    height_->setValue(std::clamp(static_cast<int>(std::lround(width_->value() * ratio_)),
                                 kMinSide, kMaxSide));
  } else {
    width_->setValue(std::clamp(static_cast<int>(std::lround(height_->value() / ratio_)),
                                kMinSide, kMaxSide));
  }
  following_ = false;
}

QString SuggestedFileName(const std::string& title) {
  QString name = QString::fromStdString(title).simplified();
  for (QChar& c : name) {
    if (c.isSpace() || c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' ||
        c == u'"' || c == u'<' || c == u'>' || c == u'|')
      c = u'_';
  }
  return name.isEmpty() ? QStringLiteral("korvane") : name;
}

bool ExportPageWithDialog(QWidget* owner, const PagePainting& page, QSize pngSize,
                          double devicePixelRatio, const QString& suggestedName) {
  return ExportPagesWithDialog(owner, std::span<const PagePainting>(&page, 1), page, pngSize,
                               devicePixelRatio, suggestedName);
}

bool ExportPagesWithDialog(QWidget* owner, std::span<const PagePainting> pdfPages,
                           const PagePainting& pngPage, QSize pngSize, double devicePixelRatio,
                           const QString& suggestedName) {
  QFileDialog dialog(owner, QStringLiteral("エクスポート"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({kPdfFilter, kPngFilter});
  // A name typed without an extension gets the chosen filter's: here once
  // the user picks a filter (so the dialog's overwrite question sees the
  // whole name), below in any case.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(filter == kPngFilter ? QStringLiteral("png") : QStringLiteral("pdf"));
  });
  dialog.selectFile((suggestedName.isEmpty() ? SuggestedFileName(pngPage.title) : suggestedName) +
                    QStringLiteral(".pdf"));
  if (DoModal(dialog) != QDialog::Accepted) return false;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return false;
  QString path = files.front();
  // The extension decides; a name without a known one takes the filter's.
  QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != u"pdf" && suffix != u"png") {
    suffix = dialog.selectedNameFilter() == kPngFilter ? QStringLiteral("png") : QStringLiteral("pdf");
    path += u'.' + suffix;
  }
  std::string error;
  bool written = false;
  if (suffix == u"png") {
    // A titled page is offered with its title band over the window's size.
    PagePainting png = pngPage;
    const QSize titledSize(pngSize.width(), pngSize.height() + png.TitleBand());
    const QSize offered = PixelSize(titledSize, devicePixelRatio);
    PngSizeDialog size(offered, owner, offered.height() - PixelSize(pngSize, devicePixelRatio).height());
    if (DoModal(size) != QDialog::Accepted) return false;
    png.titled = png.titled && size.titled();
    // Kept at the offered size (with or without the title), the image has
    // the window's own pixels; any other size is drawn scaled to fit.
    const QSize own = png.titled ? titledSize : pngSize;
    const QSize chosen = size.pixels();
    written = chosen == PixelSize(own, devicePixelRatio)
                  ? WritePng(png, path, own, devicePixelRatio, error)
                  : WritePng(png, path, chosen, 1.0, error);
  } else {
    written = WritePdf(pdfPages, path, error);
  }
  if (!written) {
    ShowMessage(Format("%s\n%s\n%s", path.toStdString().c_str(), "ファイルに書き出せません.",
                       error.c_str()));
  }
  return written;
}

bool PrintPagesWithDialog(QWidget* owner, std::span<const PagePainting> pages) {
  if (pages.empty()) return false;
  const PagePainting& page = pages.front();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(page.title));
  printer.setCreator(QStringLiteral("コルヴァン"));
  printer.setPageOrientation(page.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, owner);
  dialog.setWindowTitle(QStringLiteral("印刷"));
  dialog.setMinMax(1, static_cast<int>(pages.size()));
  if (DoModal(dialog) != QDialog::Accepted) return false;
  // The pages the user chose, where a range was chosen.
  size_t first = 0;
  size_t last = pages.size();
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = std::min(pages.size(), static_cast<size_t>(printer.fromPage() - 1));
    last = std::clamp(static_cast<size_t>(printer.toPage()), first, pages.size());
  }
  if (first >= last) return false;
  // Printing to a file goes through the careful write like an export, so a
  // full disk cannot leave half a file, or none where one was.
  const QString target = printer.outputFileName();
  if (!target.isEmpty() && printer.outputFormat() == QPrinter::PdfFormat) {
    std::string error;
    if (WritePdfWithLayout(pages.subspan(first, last - first), printer.pageLayout(),
                           printer.resolution(), target, error))
      return true;
    ShowMessage(Format("%s\n%s\n%s", target.toStdString().c_str(), "ファイルに書き出せません.",
                       error.c_str()));
    return false;
  }
  if (!PaintOnPagedDevice(printer, pages.subspan(first, last - first))) {
    const QString file = printer.outputFileName();
    ShowMessage(file.isEmpty() ? std::string("印刷できません.\nプリンタを使えません.")
                               : Format("%s\n%s", file.toStdString().c_str(),
                                        "ファイルに書き出せません."));
    return false;
  }
  return true;
}

}  // namespace korvane
