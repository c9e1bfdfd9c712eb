// Export and printing: korvane-print --pdf and --png, and the program's
// エクスポート... and 印刷... on a month grid and on the day calendar.  The
// files must hold what the windows paint, so each PNG is compared with a
// grab of the same page painted by its widget.
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <filesystem>
#include <regex>

#include "ui/dialogs/day_calendar_dialog.h"
#include "engine/format.h"
#include "shell_fixture.h"
#include "support/tool_run.h"
#include "content/command_ids.h"
#include "ui/views/month_grid_views.h"
#include "ui/page_commands.h"

namespace shelltest {
namespace {

const std::string kTool = KORVANE_BINARY_DIR "/tools/korvane-print";

using korvane::ToolRun;

// Runs korvane-print in `dir` with a clean environment for Qt: no display
// and no platform chosen, as from a plain terminal or a script.
// `limits` are shell commands run first (ulimit).
ToolRun Tool(const std::string& arguments, const std::string& dir, const std::string& limits = "") {
  return korvane::RunCommand("cd '" + dir + "' && " + limits +
                             "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + kTool + " " +
                             arguments);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The share of pixels in which two images of one size differ.
double DifferingShare(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  if (x.size() != y.size() || x.isNull()) return 1.0;
  long differing = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) differing += x.pixel(col, row) != y.pixel(col, row);
  return static_cast<double>(differing) / (x.width() * x.height());
}

// Not blank: a good share of the pixels are not the background's colour.
double InkShare(const QImage& image) {
  const QImage x = image.convertToFormat(QImage::Format_RGB32);
  const QRgb background = x.pixel(x.width() - 1, x.height() / 2);
  long ink = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) ink += x.pixel(col, row) != background;
  return static_cast<double>(ink) / (x.width() * x.height());
}

// The page box of the only page of a PDF: "W H" in points, rounded.
std::string MediaBox(const std::string& pdf) {
  std::smatch match;
  static const std::regex box(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])");
  if (!std::regex_search(pdf, match, box)) return "none";
  return std::to_string(std::lround(std::stod(match[1]))) + " " +
         std::to_string(std::lround(std::stod(match[2])));
}

int FilesStartingWith(const std::string& dir, const std::string& prefix) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    count += entry.path().filename().string().starts_with(prefix);
  return count;
}

class PageExportTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    if (!std::filesystem::exists(kTool)) GTEST_SKIP() << "korvane-print is not built";
    AppSettings::Instance().Setup(Dir());
    ShowMainWindow = 1;
    std::filesystem::create_directories(Dir() + "/TxtData");
    for (const char* name : {"annual.txt", "weather.txt", "rumika.txt"})
      std::ofstream(Dir() + "/TxtData/" + name);
  }
  std::string File(const std::string& name) const { return Dir() + "/" + name; }
};

TEST_F(PageExportTest, KorvanePrintPdfIsOneA4PageInThePagesShape) {
  struct Case {
    const char* arguments;
    const char* box;  // landscape for the wide month grid, portrait for the day
  };
  for (const Case& c : {Case{"CQWeek6View 2024 5 --pdf grid.pdf", "842 595"},
                        Case{"day 2024-03-20 --pdf day.pdf", "595 842"}}) {
    const ToolRun run = Tool(c.arguments, Dir());
    EXPECT_EQ(run.status, 0) << c.arguments << ": " << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(run.out.empty()) << "the file replaces the text";
    const std::string pdf = ReadFile(File(std::strstr(c.arguments, "grid") ? "grid.pdf" : "day.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u) << c.arguments;
    EXPECT_EQ(MediaBox(pdf), c.box) << c.arguments;
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
  }
}

TEST_F(PageExportTest, KorvanePrintPngIsTheWindowsGrab) {
  // A month grid at a size of its own: laid out for that client area, as
  // the window of that size paints it.
  CalendarNames::SetTodayOverride(2024, 5, 15);
  ToolRun run =
      Tool("CGHolidayView 2024 5 --today 2024-05-15 --png grid.png --size 700x455 --no-title", Dir());
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage printed(QString::fromStdString(File("grid.png")));
  ASSERT_EQ(printed.size(), QSize(700, 455));
  CGHolidayView view;
  ASSERT_TRUE(view.OnCreate());
  view.SetMonth(2024, 5);
  view.resize(700, 455);
  const QImage grabbed = view.grab().toImage();
  EXPECT_GT(InkShare(printed), 0.05);
  EXPECT_LT(DifferingShare(printed, grabbed), 0.002);
  // With its title (the default) the image keeps its size: the title takes
  // a band at the top and the table below is a window that much lower.
  run = Tool("CGHolidayView 2024 5 --today 2024-05-15 --png titled.png --size 700x455", Dir());
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage titled(QString::fromStdString(File("titled.png")));
  ASSERT_EQ(titled.size(), QSize(700, 455));
  const int band = korvane::TitleBandHeight(700);
  view.resize(700, 455 - band);
  EXPECT_LT(DifferingShare(titled.copy(0, band, 700, 455 - band), view.grab().toImage()), 0.002);
  EXPECT_GT(InkShare(titled.copy(0, 0, 700, band)), 0.01) << "no title above the table";

  // The day page at the size of the dialog's page control is its grab.
  CDayCalendarDialog dialog;
  dialog.SetDate({2024, 3, 20});
  const QImage page = dialog.pageWidget()->grab().toImage();
  run = Tool(korvane::Format("day 2024-03-20 --png day.png --size %dx%d", page.width(), page.height()),
             Dir());
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage day(QString::fromStdString(File("day.png")));
  ASSERT_EQ(day.size(), page.size());
  EXPECT_GT(InkShare(day), 0.05);
  EXPECT_LT(DifferingShare(day, page), 0.002);
}

TEST_F(PageExportTest, KorvanePrintRefusesBadRequestsAndFailedWrites) {
  std::filesystem::create_directories(File("folder.png"));
  for (const char* arguments :
       {"CGDayView 2024 5 --png", "CGDayView 2024 5 --pdf=", "CGDayView 2024 5 --png a.png --png b.png",
        "CGDayView 2024 5 --png a.png --size 640", "CGDayView 2024 5 --png a.png --size 15x100",
        "CGDayView 2024 5 --png a.png --size 8193x100", "CGDayView 2024 5 --png a.png --size -5x10",
        "CGDayView 2024 5 --size 100x100", "topic --pdf a.pdf", "haiku --png a.png",
        "CGDayView 2024 13 --png a.png", "day 1700-01-01 --pdf a.pdf",
        "CGDayView 2024 5 --pdf a.png --png ./a.png"}) {
    const ToolRun run = Tool(arguments, Dir());
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(File("a.png")) || std::filesystem::exists(File("a.pdf")))
        << arguments;
  }
  // A file that cannot be written: named, with the reason, never success.
  for (const char* path : {"/nonexistent-folder/a.pdf", "folder.png", "/dev/full"}) {
    const std::string option = std::string(path).ends_with(".pdf") ? "--pdf " : "--png ";
    const ToolRun run = Tool("CGDayView 2024 5 " + option + path, Dir());
    EXPECT_EQ(run.status, 1) << path;
    EXPECT_NE(run.err.find(std::string("cannot write ") + path + ": "), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_TRUE(std::filesystem::is_directory(File("folder.png")));
  EXPECT_FALSE(std::filesystem::is_regular_file("/dev/full")) << "a device is written to, not replaced";
}

// Every export kind onto a disk that fills up part way through the file:
// the file size limit makes each write past N bytes fail as a full disk
// does, at the start, the middle and the end of the file.  The old file
// must survive byte for byte, with no temporary left beside it.
TEST_F(PageExportTest, AnExportThatFailsPartWayLeavesTheOldFileWhole) {
  const std::string old = "the user's own file, not to be lost\n";
  const std::vector<std::string> kinds = {
      "CGNormalView 2024 5 --pdf", "CGNormalView 2024 5 --png", "day 2024-05-03 --pdf",
      "day 2024-05-03 --png",      "CNengoListView --pdf",      "CNengoListView --png"};
  for (const std::string& kind : kinds) {
    const std::string name = kind.ends_with("pdf") ? "out.pdf" : "out.png";
    const ToolRun whole = Tool("--today 2024-05-15 " + kind + " " + name, Dir());
    ASSERT_EQ(whole.status, 0) << kind << ": " << whole.err;
    const auto blocks = static_cast<long>(std::filesystem::file_size(File(name)) / 512);
    ASSERT_GT(blocks, 2) << kind;
    for (const long limit : {1L, blocks / 2, blocks - 1}) {
      { std::ofstream(File(name), std::ios::binary | std::ios::trunc) << old; }
      const ToolRun run = Tool(korvane::Format("--today 2024-05-15 %s %s", kind.c_str(), name.c_str()),
                               Dir(), korvane::Format("trap '' XFSZ; ulimit -f %ld; ", limit));
      EXPECT_EQ(run.status, 1) << kind << " limit " << limit;
      EXPECT_NE(run.err.find("cannot write " + name + ": File too large"), std::string::npos)
          << kind << ": " << run.err;
      EXPECT_EQ(ReadFile(File(name)), old) << kind << " limit " << limit;
      EXPECT_EQ(FilesStartingWith(Dir(), name), 1) << kind << ": a temporary was left";
    }
    std::filesystem::remove(File(name));
  }
}

// The same on a real full disk, where the test may mount one.
TEST_F(PageExportTest, AnExportOntoAFullDiskLeavesTheOldFileWhole) {
  const std::string mount = Dir() + "/full";
  std::filesystem::create_directory(mount);
  if (::geteuid() != 0 ||
      std::system(("mount -t tmpfs -o size=64k tmpfs '" + mount + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "no tmpfs can be mounted here";
  const std::string old = "the user's own file, not to be lost\n";
  { std::ofstream(mount + "/out", std::ios::binary) << old; }
  std::system(("dd if=/dev/zero of='" + mount + "/filler' bs=4k 2>/dev/null").c_str());
  for (const char* kind : {"CGNormalView 2024 5 --pdf", "day 2024-05-03 --pdf", "day 2024-05-03 --png",
                           "CNengoListView --pdf", "CGNormalView 2024 5 --png"}) {
    const ToolRun run = Tool(std::string("--today 2024-05-15 ") + kind + " full/out", Dir());
    EXPECT_EQ(run.status, 1) << kind;
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << kind << ": " << run.err;
    EXPECT_EQ(ReadFile(mount + "/out"), old) << kind;
    EXPECT_EQ(FilesStartingWith(mount, "out"), 1) << kind << ": a temporary was left";
  }
  std::system(("umount '" + mount + "'").c_str());
}

TEST_F(PageExportTest, ExportAndPrintFollowTheActiveViewAndWriteItsPage) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=2024\nkorvaneMomth=5\n");
  ASSERT_TRUE(Start());
  Frame()->resize(900, 700);
  EXPECT_FALSE(Enabled(korvane::ID_FILE_EXPORT)) << "no view";
  EXPECT_FALSE(Enabled(korvane::ID_FILE_PRINT));
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_G_NORMAL));
  QApplication::processEvents();
  auto* grid = dynamic_cast<MonthGridView*>(Frame()->GetActiveView());
  ASSERT_NE(grid, nullptr);
  EXPECT_TRUE(Enabled(korvane::ID_FILE_EXPORT));
  EXPECT_TRUE(Enabled(korvane::ID_FILE_PRINT));
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_ANNUAL));
  QApplication::processEvents();
  EXPECT_FALSE(Enabled(korvane::ID_FILE_EXPORT)) << "the annual schedule is a text to edit";
  EXPECT_FALSE(Enabled(korvane::ID_FILE_PRINT));
  Frame()->MDIActivate(Frame()->Children().front());
  QApplication::processEvents();
  ASSERT_EQ(Frame()->GetActiveView(), grid);
  EXPECT_TRUE(Enabled(korvane::ID_FILE_EXPORT));

  // A name without an extension takes the chosen filter's; the PNG is the
  // window at its own size and pixel ratio.
  std::string offered;
  QSize offeredPixels;
  onModal_ = [&](QDialog& dialog) {
    if (auto* size = dynamic_cast<korvane::PngSizeDialog*>(&dialog)) {
      // Without its title the image is the window's own.
      ASSERT_NE(size->titleBox(), nullptr);
      size->titleBox()->setChecked(false);
      offeredPixels = size->pixels();
      return;
    }
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    offered = files.selectedFiles().value(0).toStdString();
    files.selectNameFilter(QStringLiteral("PNG (*.png)"));
    files.selectFile(QString::fromStdString(File("month")));
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_FILE_EXPORT));
  EXPECT_EQ(std::filesystem::path(offered).filename(), "ｸﾞﾚｺﾞﾘｵ暦／一般的暦_2024年_5月.pdf");
  const QImage written(QString::fromStdString(File("month.png")));
  const QImage window = grid->grab().toImage();
  ASSERT_EQ(written.size(), window.size());
  EXPECT_EQ(offeredPixels, window.size());
  EXPECT_LT(DifferingShare(written, window), 0.002);

  // A size of the user's: the width typed, the height follows the window's
  // proportions; unticked, each side is its own, and the window's page is
  // drawn scaled to fit, centred.
  onModal_ = [&](QDialog& dialog) {
    if (auto* size = dynamic_cast<korvane::PngSizeDialog*>(&dialog)) {
      size->titleBox()->setChecked(false);
      size->widthBox()->setValue(2 * window.width());
      EXPECT_EQ(size->heightBox()->value(), 2 * window.height());
      size->keepRatioBox()->setChecked(false);
      size->heightBox()->setValue(300);
      EXPECT_EQ(size->widthBox()->value(), 2 * window.width());
      QDir().mkpath(QStringLiteral(KORVANE_BINARY_DIR "/screenshots"));
      size->grab().save(QStringLiteral(KORVANE_BINARY_DIR "/screenshots/png_size_dialog.png"));
      return;
    }
    dynamic_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(File("wide.png")));
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_FILE_EXPORT));
  const QImage wide(QString::fromStdString(File("wide.png")));
  EXPECT_EQ(wide.size(), QSize(2 * window.width(), 300));
  EXPECT_GT(InkShare(wide), 0.01);

  // A PDF by its extension, whatever the filter.
  onModal_ = [&](QDialog& dialog) {
    dynamic_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(File("month.pdf")));
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_FILE_EXPORT));
  EXPECT_EQ(ReadFile(File("month.pdf")).rfind("%PDF-", 0), 0u);
  EXPECT_TRUE(recorder_->messages().empty());

  // A file that cannot be written: a message with its name and the reason.
  onModal_ = [&](QDialog& dialog) {
    dynamic_cast<QFileDialog&>(dialog).selectFile(QStringLiteral("/nonexistent-folder/m.pdf"));
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_FILE_EXPORT));
  ASSERT_EQ(recorder_->messages().size(), 1u);
  EXPECT_NE(recorder_->messages()[0].find("nonexistent-folder/m.pdf\nファイルに書き出せません.\n"),
            std::string::npos)
      << recorder_->messages()[0];

  // 印刷... with the printer sending its page to a file.
  recorder_->clear();
  onModal_ = [&](QDialog& dialog) {
    auto& print = dynamic_cast<QPrintDialog&>(dialog);
    EXPECT_EQ(print.printer()->pageLayout().orientation(), QPageLayout::Landscape);
    print.printer()->setOutputFileName(QString::fromStdString(File("printed.pdf")));
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_FILE_PRINT));
  EXPECT_EQ(ReadFile(File("printed.pdf")).rfind("%PDF-", 0), 0u);
  EXPECT_TRUE(recorder_->messages().empty());
}

// The number of pages of a PDF.
int PdfPages(const std::string& pdf) {
  static const std::regex page(R"(/Type /Page[^s])");
  return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                                        std::sregex_iterator()));
}

TEST_F(PageExportTest, AListIsWrittenOnA4SheetsOrWholeInOneImage) {
  // 241 eras: several portrait sheets; the PNG holds the whole table.
  ToolRun run = Tool("--today 2024-05-15 CNengoListView --pdf eras.pdf --png eras.png", Dir());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string pdf = ReadFile(File("eras.pdf"));
  EXPECT_EQ(MediaBox(pdf), "595 842");
  EXPECT_EQ(PdfPages(pdf), 5);
  const QImage whole(QString::fromStdString(File("eras.png")));
  EXPECT_GT(whole.height(), 241 * 16);
  EXPECT_GT(InkShare(whole), 0.05);

  // The program: the active list's table, the same sheets.
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\n");
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_NENGO_LIST));
  QApplication::processEvents();
  EXPECT_TRUE(Enabled(korvane::ID_FILE_EXPORT));
  onModal_ = [&](QDialog& dialog) {
    dynamic_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(File("window.pdf")));
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_FILE_EXPORT));
  EXPECT_EQ(PdfPages(ReadFile(File("window.pdf"))), 5);
  // Printed: the pages chosen in the dialog, 2 to 3 of 5.
  onModal_ = [&](QDialog& dialog) {
    QPrinter& printer = *dynamic_cast<QPrintDialog&>(dialog).printer();
    printer.setOutputFileName(QString::fromStdString(File("printed.pdf")));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_FILE_PRINT));
  EXPECT_EQ(PdfPages(ReadFile(File("printed.pdf"))), 2);
  EXPECT_TRUE(recorder_->messages().empty());
}

TEST_F(PageExportTest, TheDayCalendarExportsItsPage) {
  CDayCalendarDialog dialog;
  dialog.SetDate({2024, 5, 3});
  std::string offered;
  onModal_ = [&](QDialog& files) {
    if (dynamic_cast<korvane::PngSizeDialog*>(&files)) return;  // the page's own size
    auto& chooser = dynamic_cast<QFileDialog&>(files);
    offered = chooser.selectedFiles().value(0).toStdString();
    chooser.selectFile(QString::fromStdString(File("day.png")));
  };
  dialog.ExportPage();
  EXPECT_EQ(std::filesystem::path(offered).filename(), "日めくり_2024-05-03.pdf");
  const QImage written(QString::fromStdString(File("day.png")));
  const QImage page = dialog.pageWidget()->grab().toImage();
  ASSERT_EQ(written.size(), page.size());
  EXPECT_LT(DifferingShare(written, page), 0.002);
  onModal_ = [&](QDialog& print) {
    auto& printer = *dynamic_cast<QPrintDialog&>(print).printer();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    printer.setOutputFileName(QString::fromStdString(File("day.pdf")));
  };
  dialog.PrintPage();
  EXPECT_EQ(ReadFile(File("day.pdf")).rfind("%PDF-", 0), 0u);
}

}  // namespace
}  // namespace shelltest
