// korvane-screenshots: the README's pictures, taken from the program's own
// windows.  It starts the program as main() does (in the working
// directory, which must hold a TxtData folder), opens views through the
// main frame's menu commands, drops the hall's menu down over them and
// saves each picture as a PNG in the folder given:
//
//   korvane-screenshots OUTPUT-FOLDER
//
// hall-gregorian.png ... hall-data.png, one per hall (館) with a view or two
// of that hall, day-calendar.png, the tear-off day calendar, tips.png, a
// tip, and the single windows and dialogs the README shows.  Today is
// fixed at 2024-05-15 so that the pictures do not change from day to day.
// scripts/screenshots.sh runs it under Xvfb.
#include <QApplication>
#include <QDir>
#include <QImageWriter>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QThread>
#include <cstdio>
#include <vector>

#include "ui/dialogs/day_calendar_dialog.h"
#include "ui/dialogs/tips_dialog.h"
#include "ui/dialogs/year_month_dialog.h"
#include "engine/calendar_names.h"
#include "framework/mdi_child.h"
#include "framework/message_box.h"
#include "framework/window_texts.h"
#include "shell/korvane_app.h"
#include "shell/main_frame.h"
#include "state/app_settings.h"
#include "content/command_ids.h"

namespace {

using namespace korvane;

QString outputFolder;
bool failed = false;

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

void Save(const QImage& image, const char* name) {
  const QString path = outputFolder + "/" + name;
  QImageWriter writer(path, "png");
  // PNG is lossless: the lowest "quality" is the strongest compression.
  writer.setQuality(0);
  if (!writer.write(image)) {
    std::fprintf(stderr, "korvane-screenshots: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    failed = true;
  }
}

// The menu bar's menu whose title is `title`.
QMenu* HallMenu(CMainFrame& frame, const char* title) {
  for (QAction* action : frame.menuBar()->actions())
    if (action->text() == QString::fromUtf8(title)) return action->menu();
  return nullptr;
}

// The frame with `title`'s menu dropped down from the menu bar, the item
// `highlight` under the pointer.
QImage FrameWithMenu(CMainFrame& frame, const char* title, int highlight) {
  QImage image = frame.grab().toImage();
  QMenu* menu = HallMenu(frame, title);
  if (!menu) return image;
  QAction* top = menu->menuAction();
  const QRect item = frame.menuBar()->actionGeometry(top);
  const QPoint below = frame.menuBar()->mapTo(&frame, item.bottomLeft() + QPoint(0, 1));
  frame.menuBar()->setActiveAction(top);
  menu->popup(frame.mapToGlobal(below));
  if (QAction* hovered = frame.Command(highlight)) menu->setActiveAction(hovered);
  Settle();
  image = frame.grab().toImage();
  QPainter painter(&image);
  painter.drawImage(below, menu->grab().toImage());
  painter.end();
  menu->hide();
  frame.menuBar()->setActiveAction(nullptr);
  Settle();
  return image;
}

struct Hall {
  const char* file;
  const char* menu;
  std::vector<int> views;  // opened in this order
  int highlight;           // the menu item under the pointer
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("korvane");
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvane-screenshots OUTPUT-FOLDER\n");
    return 2;
  }
  outputFolder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(outputFolder)) {
    std::fprintf(stderr, "korvane-screenshots: cannot make %s\n", argv[1]);
    return 1;
  }
  InstallJapaneseWindowTexts();
  InstallWindowMessageHandlers();
  CalendarNames::SetTodayOverride(2024, 5, 15);

  CKorvaneApp app;
  if (!app.InitInstance() || !app.MainFrame()) {
    std::fprintf(stderr, "korvane-screenshots: the main window did not open (korvane.INI?)\n");
    return 1;
  }
  CMainFrame& frame = *app.MainFrame();
  frame.showNormal();
  frame.resize(960, 640);
  Settle();

  const Hall halls[] = {
      {"hall-gregorian.png", "ｸﾞﾚｺﾞﾘｵ暦館(&G)", {ID_G_NORMAL}, ID_G_NORMAL},
      {"hall-lunisolar.png", "旧暦館(&Q)", {ID_Q_WEEK6}, ID_Q_WEEK6},
      {"hall-convenience.png", "ｺﾝﾋﾞﾆ館(&C)", {ID_NO_LIST, ID_HOLIDAY_LIST}, ID_HOLIDAY_LIST},
      {"hall-astronomy.png", "天文館(&A)", {ID_SUN_TIME_LIST, ID_MOON_PHASE_LIST}, ID_MOON_PHASE_LIST},
      {"hall-data.png", "ﾃﾞｰﾀ館(&D)", {ID_ETO_LIST, ID_BIRTHDAY_LIST}, ID_BIRTHDAY_LIST},
      {"koyomi-calendar.png", "ｸﾞﾚｺﾞﾘｵ暦館(&G)", {ID_G_KOYOMI}, ID_G_KOYOMI},
      {"koyomi-list.png", "ｺﾝﾋﾞﾆ館(&C)", {ID_KOYOMI_LIST}, ID_NOTE_CHOICE},
  };
  for (const Hall& hall : halls) {
    for (CMDIChildWnd* child : frame.Children()) child->close();
    Settle();
    for (int command : hall.views) frame.RouteCommand(command);
    Settle();
    // Side by side, each with its own title bar.
    frame.MDITile(false);
    Settle();
    Save(FrameWithMenu(frame, hall.menu, hall.highlight), hall.file);
  }
  for (CMDIChildWnd* child : frame.Children()) child->close();
  Settle();

  // Single windows as they open: a grid maximised (its right and bottom
  // lines), and lists at their tables' widths, the narrow 陰陽暦月対照表 and
  // the wide sidereal-time list.
  auto only = [&frame](std::vector<int> commands, const char* file, bool maximised) {
    for (CMDIChildWnd* child : frame.Children()) child->close();
    Settle();
    for (int command : commands) frame.RouteCommand(command);
    Settle();
    if (maximised && frame.MDIGetActive()) frame.MDIGetActive()->showMaximized();
    Settle();
    Save(frame.grab().toImage(), file);
  };
  only({ID_G_NORMAL}, "grid-maximised.png", true);
  only({ID_OM_LIST}, "list-om.png", false);
  only({ID_GREENWICH_LIST}, "list-greenwich.png", false);
  // Three windows cascaded, each at its own size.
  only({ID_G_NORMAL, ID_HOLIDAY_LIST, ID_Q_WEEK6}, "cascade.png", false);
  frame.MDICascade();
  Settle();
  Save(frame.grab().toImage(), "cascade.png");
  for (CMDIChildWnd* child : frame.Children()) child->close();
  Settle();

  // The year/month dialog in each of its modes; the range is shown inside.
  const struct {
    int mode;
    YearRangeKind range;
    const char* file;
  } modes[] = {{kModeGregorianMonth, YearRangeKind::DayCount, "year-month-gregorian.png"},
               {kModeLunarMonth, YearRangeKind::LunarDate, "year-month-lunar.png"},
               {kModeGregorianYear, YearRangeKind::SolarTerms, "year-month-year.png"},
               {kModeLunarYear, YearRangeKind::DayCount, "year-month-lunar-year.png"},
               {kModeMonthAndPlace, YearRangeKind::NineStars, "year-month-place.png"}};
  for (const auto& mode : modes) {
    CYearMonthDialog dialog(mode.mode, mode.range, 2024, 5, mode.mode == kModeMonthAndPlace ? 39 : -1,
                            &frame);
    dialog.show();
    Settle();
    Save(dialog.grab().toImage(), mode.file);
    dialog.hide();
  }

  // The day calendar of the fixed today, as its dialog shows it.
  {
    CDayCalendarDialog dialog(&frame);
    dialog.SetDate({2024, 5, 3});
    dialog.show();
    Settle();
    Save(dialog.grab().toImage(), "day-calendar.png");
    dialog.hide();
  }

  // A tip with a full body: its lines all set at one height, inside the box.
  {
    AppSettings::Instance().SetOnePoint(3);
    CTipsDlg dialog(&frame);
    dialog.show();
    Settle();
    Save(dialog.grab().toImage(), "tips.png");
    dialog.hide();
  }
  return failed ? 1 : 0;
}
