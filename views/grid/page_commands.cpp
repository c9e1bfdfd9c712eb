#include "views/grid/page_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "engine/format.h"
#include "engine/message_hook.h"
#include "framework/message_box.h"

namespace korvane {
namespace {

const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kPngFilter = QStringLiteral("PNG (*.png)");

}  // namespace

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
  const bool written = suffix == u"png"
                           ? WritePng(pngPage, path, pngSize, devicePixelRatio, error)
                           : WritePdf(pdfPages, path, error);
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
