// The program as a user meets it: start-up, the main window's commands, and
// what reaches the settings file.
#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <set>

#include "engine/lunisolar_table.h"
#include "framework/mdi_child.h"
#include "ui/dialogs/about_dialog.h"
#include "content/command_ids.h"
#include "render/icons.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

using namespace korvane;

// section -> key -> value, as a reader of the file sees it.
std::map<std::string, std::map<std::string, std::string>> Sections(const std::string& text) {
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::istringstream in(text);
  std::string line, section;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.find(']') - 1);
      sections[section];
      continue;
    }
    const size_t equals = line.find('=');
    if (equals != std::string::npos) sections[section][line.substr(0, equals)] = line.substr(equals + 1);
  }
  return sections;
}

void ExpectCentred(QWidget* frame) {
  const QRect screen = frame->screen()->availableGeometry();
  const QRect r = frame->geometry();
  // Equal margins on either side, give or take the rounding of odd sizes
  // and a minimum size the window insists on.
  EXPECT_LE(std::abs((r.left() - screen.left()) - (screen.right() - r.right())), 4) << r.x() << "," << r.width();
  EXPECT_LE(std::abs((r.top() - screen.top()) - (screen.bottom() - r.bottom())), 4) << r.y() << "," << r.height();
}

QAction* FindMenuAction(QMenuBar* bar, const QString& menuTitle, int id, CMainFrame* frame) {
  for (QAction* top : bar->actions()) {
    if (top->text() != menuTitle || !top->menu()) continue;
    for (QAction* item : top->menu()->actions()) {
      if (item == frame->Command(id)) return item;
    }
  }
  return nullptr;
}

// ---------------------------------------------------------------- start-up

TEST_F(ShellTest, FirstStartShowsBothStartupDialogsAndAnEmptyCentredFrameAtTodaysMonth) {
  ASSERT_TRUE(Start());
  ASSERT_NE(Frame(), nullptr);
  EXPECT_TRUE(Frame()->isVisible());
  EXPECT_EQ(DialogLog(), (std::vector<std::string>{"day", "tips"}));
  EXPECT_TRUE(Frame()->Children().empty()) << "no view opens by itself";

  EXPECT_EQ(DisplayMonth.year, 2024);
  EXPECT_EQ(DisplayMonth.month, 5);
  const LunisolarDate lunar = LunisolarTable().FromGregorian(2024, 5, 1);
  EXPECT_EQ(LunarDisplayMonth.year, lunar.year);
  EXPECT_EQ(LunarDisplayMonth.month, lunar.month);
  EXPECT_EQ(AreaCode, 39);
  EXPECT_EQ(ShowMainWindow, 1);

  ExpectCentred(Frame());
  EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("コルヴァン V4.04"));
}

TEST_F(ShellTest, StartupDialogsFollowTheirFlags) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\n");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(DialogLog().empty());
  ASSERT_NE(Frame(), nullptr);
  EXPECT_TRUE(Frame()->isVisible());

  app_.reset();
  DialogLog().clear();
  WriteIni("[Settings]\nonedayview=0\nonepointview=1\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(DialogLog(), (std::vector<std::string>{"tips"}));
}

TEST_F(ShellTest, WithoutMainWindowOnlyTheDialogsRunAndNoWindowAppears) {
  WriteIni("[Settings]\nonedaywindow=0\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(Frame(), nullptr);
  EXPECT_EQ(CMDIFrameWnd::MainFrame(), nullptr);
  EXPECT_EQ(DialogLog(), (std::vector<std::string>{"day", "tips"}));
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className();
  }

  app_.reset();
  DialogLog().clear();
  WriteIni("[Settings]\nonedaywindow=0\nonepointview=0\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(Frame(), nullptr);
  EXPECT_EQ(DialogLog(), (std::vector<std::string>{"day"}));
}

TEST_F(ShellTest, WithoutMainWindowTheRealDayCalendarIsTheProgram) {
  // The built-in entries: the day calendar is always there to run.
  const korvane::ShellDialogs recording = korvane::SetDialogs(previousDialogs_);
  EXPECT_NE(korvane::Dialogs().dayCalendar, nullptr);
  korvane::SetDialogs(recording);

  // The run ends after the dialogs even with nothing to show.
  WriteIni("[Settings]\nonedaywindow=0\n");
  korvane::SetDialogs({});
  ASSERT_TRUE(Start());
  EXPECT_EQ(Frame(), nullptr);
}

TEST_F(ShellTest, GarbageSettingsOpenCentredAtTodaysMonth) {
  WriteIni(
      "[Settings]\nWindowPos=12,x,5\nkorvaneYear=abc\nkorvaneMomth=13\nkorvaneOldYear=99999\n"
      "korvaneOldMomth=-4\nAreaCode=87\nonedaywindow=7\nonedayview=2\nonepointview=zz\n"
      "[General]\nBarState=@@@not base64@@@\n\x01\x02\xff garbage line\n");
  ASSERT_TRUE(Start());
  ASSERT_NE(Frame(), nullptr) << "onedaywindow=7 is no flag: the default 1 holds";
  EXPECT_EQ(DisplayMonth.year, 2024);
  EXPECT_EQ(DisplayMonth.month, 5);
  const LunisolarDate lunar = LunisolarTable().FromGregorian(2024, 5, 1);
  EXPECT_EQ(LunarDisplayMonth.year, lunar.year);
  EXPECT_EQ(LunarDisplayMonth.month, lunar.month);
  EXPECT_EQ(AreaCode, 39);
  EXPECT_EQ(DialogLog(), (std::vector<std::string>{"day", "tips"}));
  ExpectCentred(Frame());
  EXPECT_TRUE(recorder_->messages().empty());
}

TEST_F(ShellTest, APlacementOffEveryScreenIsCentred) {
  WriteIni("[Settings]\nWindowPos=0,1,-1,-1,-1,-1,20000,20000,20800,20600\n");
  ASSERT_TRUE(Start());
  const QRect screen = Frame()->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(Frame()->geometry().center()));
}

// ---------------------------------------------------------------- close and exit

TEST_F(ShellTest, CloseWritesExactlyTheStateKeysAndARestartRestoresThem) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nonepoint=7\n");
  ASSERT_TRUE(Start());
  Frame()->setGeometry(40, 50, 700, 500);
  DisplayMonth = {1999, 12};
  LunarDisplayMonth = {2023, 13};  // 2023 has a leap month: index 13 exists
  AreaCode = 12;
  Frame()->ShowControlBar(Frame()->GregorianBar(), true);
  CloseByCloseBox();

  const auto sections = Sections(ReadIni());
  std::set<std::string> keys;
  for (const auto& [key, value] : sections.at("Settings")) keys.insert(key);
  EXPECT_EQ(keys, (std::set<std::string>{"WindowPos", "korvaneYear", "korvaneMomth", "korvaneOldYear",
                                         "korvaneOldMomth", "AreaCode", "LastDate", "LastTime",
                                         "onedayview", "onepointview", "onepoint"}));
  const auto& s = sections.at("Settings");
  EXPECT_EQ(s.at("korvaneYear"), "1999");
  EXPECT_EQ(s.at("korvaneMomth"), "12");
  EXPECT_EQ(s.at("korvaneOldYear"), "2023");
  EXPECT_EQ(s.at("korvaneOldMomth"), "13");
  EXPECT_EQ(s.at("AreaCode"), "12");
  EXPECT_EQ(s.at("onepoint"), "7") << "keys the close does not own stay as they were";
  EXPECT_EQ(s.at("WindowPos"), "0,1,-1,-1,-1,-1,40,50,740,550");
  EXPECT_TRUE(QRegularExpression("^\\d\\d/\\d\\d/\\d\\d$").match(QString::fromStdString(s.at("LastDate"))).hasMatch());
  EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(QString::fromStdString(s.at("LastTime"))).hasMatch());
  ASSERT_TRUE(sections.count("General"));
  EXPECT_FALSE(sections.at("General").at("BarState").empty());

  DisplayMonth = {0, 0};
  LunarDisplayMonth = {0, 0};
  AreaCode = 0;
  Restart();
  EXPECT_EQ(DisplayMonth.year, 1999);
  EXPECT_EQ(DisplayMonth.month, 12);
  EXPECT_EQ(LunarDisplayMonth.year, 2023);
  EXPECT_EQ(LunarDisplayMonth.month, 13);
  EXPECT_EQ(AreaCode, 12);
  EXPECT_EQ(Frame()->geometry(), QRect(40, 50, 700, 500));
  EXPECT_FALSE(Frame()->GregorianBar()->isHidden()) << "the bar layout comes back";
  EXPECT_TRUE(Frame()->LunarBar()->isHidden());
  EXPECT_TRUE(Frame()->Command(ID_GBAR)->isChecked());
  EXPECT_FALSE(Frame()->Command(ID_QBAR)->isChecked());
}

TEST_F(ShellTest, AWindowThatRefusesToCloseKeepsTheProgramOpen) {
  // A document whose save fails keeps its window, and the program with it.
  struct RefuseClose : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() != QEvent::Close) return false;
      event->ignore();
      return true;
    }
  } refuse;
  ASSERT_TRUE(Start());
  UseTestView(ViewKind::WeekList, {});
  UseTestView(ViewKind::MonthList, {});
  ASSERT_TRUE(Frame()->RouteCommand(32806));
  ASSERT_TRUE(Frame()->RouteCommand(32807));
  CMDIChildWnd* stubborn = Frame()->Children().front();
  stubborn->installEventFilter(&refuse);

  CloseByCloseBox();
  EXPECT_TRUE(Frame()->isVisible());
  ASSERT_EQ(Frame()->Children().size(), 1u) << "the other window closed";
  EXPECT_EQ(Frame()->Children().front(), stubborn);
  EXPECT_FALSE(stubborn->isHidden());
  EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("コルヴァン V4.04 - 週の名前(ﾘｽﾄ)"));

  stubborn->removeEventFilter(&refuse);
  CloseByCloseBox();
  EXPECT_FALSE(Frame()->isVisible());
}

TEST_F(ShellTest, ClosingMaximisedStoresFlagsTwoAndTheNextStartIsMaximised) {
  ASSERT_TRUE(Start());
  Frame()->setGeometry(30, 40, 640, 480);
  Frame()->showMaximized();
  QApplication::processEvents();
  CloseByCloseBox();
  const std::string pos = Sections(ReadIni()).at("Settings").at("WindowPos");
  EXPECT_EQ(pos.substr(0, 4), "2,3,") << pos;
  Restart();
  EXPECT_TRUE(Frame()->isMaximized());
}

TEST_F(ShellTest, TheExitCommandClosesTheFrameAsTheCloseBoxDoes) {
  WriteIni("[Settings]\nkorvaneYear=2001\nkorvaneMomth=2\n");
  ASSERT_TRUE(Start());
  DisplayMonth = {1990, 1};
  recorder_->clear();
  ASSERT_TRUE(Frame()->RouteCommand(ID_APP_EXIT));
  EXPECT_EQ(exitCodes_, std::vector<int>{0});
  EXPECT_TRUE(recorder_->messages().empty()) << recorder_->messages().front();
  EXPECT_FALSE(Frame()->isVisible());
  const auto settings = Sections(ReadIni()).at("Settings");
  EXPECT_EQ(settings.at("korvaneYear"), "1990");
  EXPECT_EQ(settings.at("korvaneMomth"), "1");
  EXPECT_EQ(Frame()->Command(ID_APP_EXIT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// A document that counts how often it is asked to close, and may refuse
// (as one whose save failed does).
struct CloseCounter {
  int asked = 0;
  bool refuse = false;
};
class CountingDoc : public CKorvaneDoc {
 public:
  explicit CountingDoc(CloseCounter* counter) : counter_(counter) {}
  bool CanCloseFrame() override {
    ++counter_->asked;
    return !counter_->refuse;
  }

 private:
  CloseCounter* counter_;
};

TEST_F(ShellTest, TheExitCommandLetsOpenDocumentsSaveAndRefuse) {
  WriteIni("[Settings]\nkorvaneYear=2001\nkorvaneMomth=2\n");
  const std::string before = ReadIni();
  ASSERT_TRUE(Start());
  CloseCounter counter;
  app_->SetTemplate(ViewKind::Annual, std::make_unique<CMultiDocTemplate>(
                                          158, [&counter] { return std::make_unique<CountingDoc>(&counter); },
                                          [] { return new CChildFrame; }, [] { return new TestView({}); },
                                          "コルヴァン"));
  QDir(QString::fromStdString(Dir())).mkdir("TxtData");
  { std::ofstream(Dir() + "/TxtData/annual.txt") << "1\n"; }
  ASSERT_TRUE(Frame()->RouteCommand(32818));
  ASSERT_TRUE(Frame()->RouteCommand(32818));
  ASSERT_EQ(Frame()->Children().size(), 2u);

  // A document that cannot save keeps the program running.
  counter.refuse = true;
  ASSERT_TRUE(Frame()->RouteCommand(ID_APP_EXIT));
  EXPECT_TRUE(exitCodes_.empty());
  EXPECT_EQ(Frame()->Children().size(), 2u);
  EXPECT_EQ(counter.asked, 2);

  counter = {};
  ASSERT_TRUE(Frame()->RouteCommand(ID_APP_EXIT));
  EXPECT_EQ(counter.asked, 2) << "each document asked once";
  EXPECT_EQ(exitCodes_, std::vector<int>{0});
  EXPECT_NE(ReadIni(), before) << "the settings are written";
}

TEST_F(ShellTest, ADocumentIsAskedOnceHoweverItsWindowCloses) {
  ASSERT_TRUE(Start());
  CloseCounter counter;
  app_->SetTemplate(ViewKind::WeekList, std::make_unique<CMultiDocTemplate>(
                                            151, [&counter] { return std::make_unique<CountingDoc>(&counter); },
                                            [] { return new CChildFrame; }, [] { return new TestView({}); },
                                            "コルヴァン"));
  ASSERT_TRUE(Frame()->RouteCommand(32806));
  counter.refuse = true;
  ASSERT_TRUE(Frame()->RouteCommand(ID_FILE_CLOSE));
  QApplication::processEvents();
  EXPECT_EQ(Frame()->Children().size(), 1u) << "閉じる keeps a window whose document refuses";
  CloseByCloseBox();
  EXPECT_TRUE(Frame()->isVisible()) << "and so does the main window's close box";
  EXPECT_EQ(counter.asked, 2);

  counter.refuse = false;
  ASSERT_TRUE(Frame()->RouteCommand(ID_FILE_CLOSE));
  EXPECT_EQ(counter.asked, 3);
  CloseByCloseBox();
  EXPECT_FALSE(Frame()->isVisible());
  EXPECT_EQ(counter.asked, 3) << "a closed window is not asked again";
}

// ---------------------------------------------------------------- commands

TEST_F(ShellTest, ShowMainWindowTogglesTwiceWithBothMessages) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Frame()->Command(ID_SHOW_MAIN)->isChecked());
  Frame()->RouteCommand(ID_SHOW_MAIN);
  EXPECT_EQ(ShowMainWindow, 0);
  EXPECT_EQ(Sections(ReadIni())["Settings"]["onedaywindow"], "0") << "written at once";
  EXPECT_FALSE(Frame()->Command(ID_SHOW_MAIN)->isChecked());
  Frame()->RouteCommand(ID_SHOW_MAIN);
  EXPECT_EQ(ShowMainWindow, 1);
  EXPECT_EQ(Sections(ReadIni())["Settings"]["onedaywindow"], "1");
  EXPECT_EQ(recorder_->messages(),
            (std::vector<std::string>{"次の起動から\n本体を非表示にします.", "次の起動から\n本体を表示します."}));
  EXPECT_TRUE(Frame()->isVisible()) << "the running program is not changed";
}

TEST_F(ShellTest, MenusFollowTheActiveView) {
  ASSERT_TRUE(Start());
  // Nothing open: the view commands of the active view are off.
  EXPECT_FALSE(Enabled(ID_MONTH_SETTING));
  EXPECT_FALSE(Enabled(ID_AREA_SETTING));
  EXPECT_TRUE(Enabled(ID_SENMEI));  // opens the Senmyo table like any view command
  EXPECT_FALSE(Enabled(ID_FILE_CLOSE));
  const ViewKindInfo* unbuilt = nullptr;
  for (const ViewKindInfo& info : ViewKinds()) {
    if (!ViewFactoryOf(info.kind) && info.kind != ViewKind::SunTimeList &&
        info.kind != ViewKind::NOList && info.kind != ViewKind::N24List && info.kind != ViewKind::Annual)
      unbuilt = &info;
  }
  if (unbuilt) {
    EXPECT_FALSE(Enabled(unbuilt->command)) << unbuilt->className << ": a kind without a view keeps its command disabled";
  }
  EXPECT_TRUE(Enabled(ID_GBAR_TITLE));
  EXPECT_TRUE(Enabled(ID_HELP_INDEX));
  EXPECT_TRUE(Enabled(ID_APP_ABOUT));

  UseTestView(ViewKind::SunTimeList, {ID_MONTH_SETTING, ID_AREA_SETTING});
  UseTestView(ViewKind::NOList, {ID_MONTH_SETTING});
  UseTestView(ViewKind::N24List, {ID_MONTH_SETTING});
  UseTestView(ViewKind::Annual, {});
  EXPECT_TRUE(Enabled(32814));
  if (unbuilt) {
    EXPECT_FALSE(Enabled(unbuilt->command));
  }

  ASSERT_TRUE(Frame()->RouteCommand(32814));
  EXPECT_TRUE(Enabled(ID_MONTH_SETTING));
  EXPECT_TRUE(Enabled(ID_AREA_SETTING));
  EXPECT_TRUE(Enabled(ID_FILE_CLOSE));
  EXPECT_TRUE(Enabled(ID_SENMEI));  // opens the Senmyo table like any view command
  // The command reaches the active view.
  ASSERT_TRUE(Frame()->RouteCommand(ID_AREA_SETTING));
  auto* sun = dynamic_cast<TestView*>(Frame()->GetActiveView());
  ASSERT_NE(sun, nullptr);
  EXPECT_EQ(sun->handled, std::vector<int>{ID_AREA_SETTING});

  ASSERT_TRUE(Frame()->RouteCommand(32772));
  EXPECT_TRUE(Enabled(ID_MONTH_SETTING));
  EXPECT_FALSE(Enabled(ID_AREA_SETTING)) << "32820 follows the active view";
  EXPECT_EQ(Frame()->Command(ID_MONTH_SETTING)->text(), QStringLiteral("月の設定(&M)"));

  ASSERT_TRUE(Frame()->RouteCommand(32775));
  EXPECT_EQ(Frame()->Command(ID_MONTH_SETTING)->text(), QStringLiteral("表示年の設定(&M)"));
  EXPECT_TRUE(Frame()->Command(ID_BIRTHDAY_LIST)->isVisible());

  // The schedule opens only with its file.
  const size_t before = Frame()->Children().size();
  ASSERT_TRUE(Frame()->RouteCommand(32818));
  EXPECT_EQ(Frame()->Children().size(), before);
  ASSERT_EQ(recorder_->messages().size(), 1u);
  EXPECT_EQ(recorder_->messages()[0], Dir() + "/TxtData/annual.txt\nファイル を読み出し出来ません.");
  QDir(QString::fromStdString(Dir())).mkdir("TxtData");
  { std::ofstream(Dir() + "/TxtData/annual.txt") << "1\n"; }
  ASSERT_TRUE(Frame()->RouteCommand(32818));
  EXPECT_FALSE(Enabled(ID_MONTH_SETTING)) << "the annual schedule has no month";
  EXPECT_FALSE(Frame()->Command(ID_BIRTHDAY_LIST)->isVisible());

  // Closing everything turns the view commands off again.
  while (!Frame()->Children().empty()) {
    ASSERT_TRUE(Frame()->RouteCommand(ID_FILE_CLOSE));
    QApplication::processEvents();
  }
  EXPECT_FALSE(Enabled(ID_MONTH_SETTING));
  EXPECT_FALSE(Enabled(ID_FILE_CLOSE));
  EXPECT_TRUE(Frame()->Command(ID_BIRTHDAY_LIST)->isVisible());
  EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("コルヴァン V4.04"));
}

TEST_F(ShellTest, EveryCommandOpensANewWindowUnderItsName) {
  ASSERT_TRUE(Start());
  UseTestView(ViewKind::GDay, {});
  ASSERT_TRUE(Frame()->RouteCommand(32782));
  ASSERT_TRUE(Frame()->RouteCommand(32782));
  ASSERT_EQ(Frame()->Children().size(), 2u);
  for (CMDIChildWnd* child : Frame()->Children()) {
    EXPECT_EQ(child->windowTitle(), QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦"));
    EXPECT_TRUE(child->isVisible());
  }
  EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("コルヴァン V4.04 - ｸﾞﾚｺﾞﾘｵ暦"));

  // A view that renames itself renames its window and the caption.
  Frame()->GetActiveView()->SetTitle("ｸﾞﾚｺﾞﾘｵ暦 2024年 5月");
  EXPECT_EQ(Frame()->MDIGetActive()->windowTitle(), QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦 2024年 5月"));
  EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("コルヴァン V4.04 - ｸﾞﾚｺﾞﾘｵ暦 2024年 5月"));
  Frame()->MDIGetActive()->showMaximized();
  QApplication::processEvents();
  EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("コルヴァン V4.04 - [ｸﾞﾚｺﾞﾘｵ暦 2024年 5月]"));
}

TEST_F(ShellTest, OpeningNamesClampTheSharedYearAndStoreItBack) {
  ASSERT_TRUE(Start());
  UseTestView(ViewKind::N24List, {});
  UseTestView(ViewKind::NOList, {});
  UseTestView(ViewKind::OMList, {});
  UseTestView(ViewKind::HolidayList, {});

  DisplayMonth = {1800, 3};
  ASSERT_TRUE(Frame()->RouteCommand(32775));
  EXPECT_EQ(Frame()->MDIGetActive()->windowTitle(), QStringLiteral("24節気ﾘｽﾄ 1851年"));
  EXPECT_EQ(DisplayMonth.year, 1851);

  DisplayMonth = {2100, 7};
  ASSERT_TRUE(Frame()->RouteCommand(32772));
  EXPECT_EQ(Frame()->MDIGetActive()->windowTitle(), QStringLiteral("西暦／旧暦対照表 2050年 7月"));
  EXPECT_EQ(DisplayMonth.year, 2050);

  DisplayMonth = {2051, 1};
  ASSERT_TRUE(Frame()->RouteCommand(32784));
  EXPECT_EQ(Frame()->TitleBuffer(), "祝日ﾘｽﾄ 2050年");

  LunarDisplayMonth = {500, 1};
  ASSERT_TRUE(Frame()->RouteCommand(32779));
  EXPECT_EQ(Frame()->MDIGetActive()->windowTitle(), QStringLiteral("陰陽暦月対照表 旧暦 593～"));
  EXPECT_EQ(LunarDisplayMonth.year, 593);

  // The Senmyo table shows its own years and leaves the shared year alone.
  LunarDisplayMonth = {2026, 11};
  ASSERT_TRUE(Frame()->RouteCommand(ID_SENMEI));
  EXPECT_EQ(Frame()->MDIGetActive()->windowTitle(), QStringLiteral("宣明暦 旧暦 1684年"));
  EXPECT_EQ(LunarDisplayMonth.year, 2026);
}

TEST_F(ShellTest, HelpWithoutTopicsFileShowsThePathAndKeepsTheHint) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Frame()->RouteCommand(ID_HELP_INDEX));
  ASSERT_EQ(recorder_->messages().size(), 1u);
  EXPECT_EQ(recorder_->messages()[0], Dir() + "/TxtData/Topics.txt\nファイル を読み出し出来ません.");
  EXPECT_EQ(Frame()->MessageText(), QStringLiteral("靑色の文字をマウスで指定して下さい。"));

  QDir(QString::fromStdString(Dir())).mkdir("TxtData");
  QFile topics(QString::fromStdString(Dir() + "/TxtData/Topics.txt"));
  ASSERT_TRUE(topics.open(QIODevice::WriteOnly));
  topics.write("t:\x96\xda\x8e\x9f\n");
  topics.close();
  ASSERT_TRUE(Frame()->RouteCommand(ID_HELP_INDEX));
  EXPECT_EQ(DialogLog().back(), "help:" + Dir() + "/TxtData/Topics.txt:目次");
  EXPECT_EQ(Frame()->MessageText(), QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));
  EXPECT_EQ(Frame()->Command(ID_HELP_INDEX)->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(ShellTest, FrameDialogCommands) {
  ASSERT_TRUE(Start());
  DialogLog().clear();
  ASSERT_TRUE(Frame()->RouteCommand(ID_DAY_CALENDAR));
  ASSERT_TRUE(Frame()->RouteCommand(ID_ONE_POINT));
  ASSERT_TRUE(Frame()->RouteCommand(ID_WAREKI_CONVERTER));
  EXPECT_EQ(DialogLog(), (std::vector<std::string>{"day:owned", "tips:owned", "converter:owned"}));
  EXPECT_NE(FindMenuAction(Frame()->menuBar(), QStringLiteral("ﾃﾞｰﾀ館(&D)"), ID_WAREKI_CONVERTER, Frame()),
            nullptr);
  DialogLog().resize(2);

  // A view that handles ワンポイント takes it from the frame.
  UseTestView(ViewKind::EtoList, {ID_ONE_POINT});
  ASSERT_TRUE(Frame()->RouteCommand(32786));
  ASSERT_TRUE(Frame()->RouteCommand(ID_ONE_POINT));
  EXPECT_EQ(DialogLog().size(), 2u);
  EXPECT_EQ(dynamic_cast<TestView*>(Frame()->GetActiveView())->handled, std::vector<int>{ID_ONE_POINT});

  // Without the dialogs built, their commands are off.
  korvane::SetDialogs({});
  Frame()->UpdateCommandUI();
  EXPECT_FALSE(Enabled(ID_DAY_CALENDAR));
  EXPECT_FALSE(Enabled(ID_WAREKI_CONVERTER));
  EXPECT_TRUE(Enabled(ID_ONE_POINT)) << "still the view's";
}

TEST_F(ShellTest, AboutBoxShowsTheApplicationTitle) {
  ASSERT_TRUE(Start());
  QString shown;
  onModal_ = [&shown](QDialog& dialog) {
    if (auto* about = dynamic_cast<CAboutDlg*>(&dialog)) {
      shown = about->TitleText()->text();
      QDir().mkpath(QStringLiteral(KORVANE_BINARY_DIR "/screenshots"));
      about->grab().save(QStringLiteral(KORVANE_BINARY_DIR "/screenshots/about_box.png"));
    }
  };
  ASSERT_TRUE(Frame()->RouteCommand(ID_APP_ABOUT));
  EXPECT_EQ(shown, QStringLiteral("コルヴァン V4.04"));
  EXPECT_EQ(modalTitles_.back(), "ﾊﾞｰｼﾞｮﾝ情報(Korvane)");
}

TEST_F(ShellTest, EveryBuiltViewKindOpensFromItsCommand) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\n");
  ASSERT_TRUE(Start());
  Frame()->resize(900, 700);
  QDir(QString::fromStdString(Dir())).mkdir("TxtData");
  { std::ofstream(Dir() + "/TxtData/annual.txt") << "1\n"; }
  int opened = 0;
  for (const ViewKindInfo& info : ViewKinds()) {
    if (info.command == 0) continue;
    const bool built = app_->CanOpen(info.kind);
    EXPECT_EQ(Enabled(info.command), built) << info.className;
    if (!built) continue;
    const size_t before = Frame()->Children().size();
    ASSERT_TRUE(Frame()->RouteCommand(info.command)) << info.className;
    QApplication::processEvents();
    ASSERT_EQ(Frame()->Children().size(), before + 1) << info.className;
    CView* view = Frame()->GetActiveView();
    ASSERT_NE(view, nullptr) << info.className;
    EXPECT_EQ(view->ResourceId(), info.resourceId) << info.className;
    EXPECT_FALSE(Frame()->MDIGetActive()->windowTitle().isEmpty()) << info.className;
    EXPECT_TRUE(Frame()->windowTitle().startsWith(QStringLiteral("コルヴァン V4.04 - "))) << info.className;
    ++opened;
  }
  EXPECT_TRUE(recorder_->messages().empty()) << recorder_->messages().front();
  RecordProperty("opened", opened);
}

TEST_F(ShellTest, TheWindowMenuListsTheOpenWindows) {
  ASSERT_TRUE(Start());
  UseTestView(ViewKind::WeekList, {});
  UseTestView(ViewKind::MonthList, {});
  ASSERT_TRUE(Frame()->RouteCommand(32806));
  ASSERT_TRUE(Frame()->RouteCommand(32807));
  QMenu* windowMenu = nullptr;
  for (QAction* top : Frame()->menuBar()->actions())
    if (top->text() == QStringLiteral("ｳｨﾝﾄﾞｳ(&W)")) windowMenu = top->menu();
  ASSERT_NE(windowMenu, nullptr);
  emit windowMenu->aboutToShow();
  QStringList entries;
  QAction* first = nullptr;
  for (QAction* action : windowMenu->actions()) {
    if (action->text().startsWith('&')) {
      entries << action->text() + (action->isChecked() ? "*" : "");
      if (!first) first = action;
    }
  }
  EXPECT_EQ(entries, (QStringList{"&1 週の名前(ﾘｽﾄ)", "&2 月の名前(ﾘｽﾄ)*"}));
  ASSERT_NE(first, nullptr);
  first->trigger();
  EXPECT_EQ(Frame()->MDIGetActive()->windowTitle(), QStringLiteral("週の名前(ﾘｽﾄ)"));
  emit windowMenu->aboutToShow();  // rebuilt, not appended
  int count = 0;
  for (QAction* action : windowMenu->actions()) count += action->text().startsWith('&') ? 1 : 0;
  EXPECT_EQ(count, 2);
}

// ---------------------------------------------------------------- bars and menus

TEST_F(ShellTest, CalendarBarCheckMarksFollowTheBarsRealVisibility) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Frame()->GregorianBar()->isHidden());
  EXPECT_FALSE(Frame()->Command(ID_GBAR)->isChecked());
  Frame()->RouteCommand(ID_GBAR);
  EXPECT_FALSE(Frame()->GregorianBar()->isHidden());
  EXPECT_TRUE(Frame()->Command(ID_GBAR)->isChecked());
  // Hidden some other way (the bar area's own menu): the mark follows.
  Frame()->GregorianBar()->toggleViewAction()->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(Frame()->GregorianBar()->isHidden());
  EXPECT_FALSE(Frame()->Command(ID_GBAR)->isChecked());

  Frame()->RouteCommand(ID_QBAR);
  EXPECT_TRUE(Frame()->Command(ID_QBAR)->isChecked());
  Frame()->RouteCommand(ID_QBAR);
  EXPECT_FALSE(Frame()->Command(ID_QBAR)->isChecked());

  Frame()->RouteCommand(ID_VIEW_STATUS_BAR);
  EXPECT_TRUE(Frame()->statusBar()->isHidden());
  EXPECT_FALSE(Frame()->Command(ID_VIEW_STATUS_BAR)->isChecked());
  Frame()->RouteCommand(ID_VIEW_TOOLBAR);
  EXPECT_TRUE(Frame()->StandardBar()->isHidden());
  EXPECT_FALSE(Frame()->Command(ID_VIEW_TOOLBAR)->isChecked());
}

TEST_F(ShellTest, TheBarAreaMenuNamesEveryBarAndFollowsItsVisibility) {
  ASSERT_TRUE(Start());
  Frame()->RouteCommand(ID_QBAR);
  std::unique_ptr<QMenu> menu(Frame()->createPopupMenu());
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* action : menu->actions()) {
    EXPECT_FALSE(action->text().isEmpty()) << "every entry has a name";
    items << action->text() + (action->isChecked() ? "*" : "");
  }
  EXPECT_EQ(items, (QStringList{"ﾂｰﾙ ﾊﾞｰ(&T)*", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)*", "Q暦ツール ﾊﾞｰ(&Q)*", "G暦ツール ﾊﾞｰ(&G)"}));
  menu->actions().at(2)->trigger();
  EXPECT_TRUE(Frame()->LunarBar()->isHidden());
  menu.reset();
  EXPECT_NE(Frame()->Command(ID_QBAR), nullptr) << "the menu shares the commands, it does not own them";
}

TEST_F(ShellTest, ToolBarsHoldTheirButtonsInOrderAndDockAnywhere) {
  ASSERT_TRUE(Start());
  auto ids = [this](QToolBar* bar) {
    std::vector<int> result;
    for (QAction* action : bar->actions()) {
      int id = 0;
      for (int candidate : {ID_MONTH_SETTING, ID_AREA_SETTING, ID_STEP_PREVIOUS, ID_STEP_TODAY, ID_STEP_NEXT,
                            ID_DAY_CALENDAR, ID_ONE_POINT, ID_HELP_INDEX,
                            ID_GBAR_TITLE, ID_QBAR_TITLE, 32782, 32791, 32792, 32794, 32795, 32796, 32793,
                            32797, 32787, 32803, 32804, 32798, 32799, 32800, 32802, 32801})
        if (Frame()->Command(candidate) == action) id = candidate;
      result.push_back(action->isSeparator() ? 0 : id);
    }
    return result;
  };
  EXPECT_EQ(ids(Frame()->StandardBar()),
            (std::vector<int>{32773, 32820, 0, 32860, 32861, 32862, 0, 32805, 0, 32789, 32781}));
  EXPECT_EQ(ids(Frame()->GregorianBar()),
            (std::vector<int>{43001, 0, 32782, 32791, 32792, 32794, 32795, 32796, 32793, 32797}));
  EXPECT_EQ(ids(Frame()->LunarBar()),
            (std::vector<int>{43002, 0, 32787, 32803, 32804, 32798, 32799, 32800, 32802, 32801}));
  EXPECT_EQ(Frame()->GregorianBar()->windowTitle(), QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦"));
  EXPECT_EQ(Frame()->LunarBar()->windowTitle(), QStringLiteral("旧暦暦"));
  EXPECT_EQ(Frame()->GregorianBar()->iconSize(), QSize(32, 32));
  EXPECT_EQ(Frame()->StandardBar()->iconSize(), QSize(16, 15));
  for (QToolBar* bar : {Frame()->StandardBar(), Frame()->GregorianBar(), Frame()->LunarBar()}) {
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(Frame()->toolBarArea(bar), Qt::TopToolBarArea);
  }
  // Docked elsewhere, the bar keeps working.
  Frame()->addToolBar(Qt::LeftToolBarArea, Frame()->GregorianBar());
  EXPECT_EQ(Frame()->toolBarArea(Frame()->GregorianBar()), Qt::LeftToolBarArea);
}

TEST_F(ShellTest, EachCalendarButtonLooksDifferent) {
  const std::vector<std::vector<int>> bars = {
      {43001, 32782, 32791, 32792, 32794, 32795, 32796, 32793, 32797},
      {43002, 32787, 32803, 32804, 32798, 32799, 32800, 32802, 32801}};
  std::vector<QImage> all;
  for (const auto& bar : bars) {
    for (int id : bar) {
      const QIcon icon = CommandIcon(id);
      ASSERT_FALSE(icon.isNull()) << id;
      all.push_back(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32));
    }
  }
  for (size_t i = 0; i < all.size(); ++i) {
    for (size_t j = i + 1; j < all.size(); ++j) {
      EXPECT_NE(all[i], all[j]) << "buttons " << i << " and " << j << " look alike";
    }
  }
  for (int id : {32773, 32820, 32805, 32789, 32781}) EXPECT_FALSE(CommandIcon(id).isNull()) << id;
}

TEST_F(ShellTest, PromptsGoToTheStatusBarAndToolTips) {
  ASSERT_TRUE(Start());
  QAction* gday = Frame()->Command(32782);
  EXPECT_EQ(gday->statusTip(), QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦を表示します."));
  EXPECT_EQ(gday->toolTip(), QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦を表示."));
  EXPECT_EQ(Frame()->Command(ID_SHOW_MAIN)->toolTip(), QStringLiteral("Gウィンドウの表示/非表示"));
  EXPECT_EQ(Frame()->MessageText(), QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));
  QStatusTipEvent hover(gday->statusTip());
  QApplication::sendEvent(Frame(), &hover);
  EXPECT_EQ(Frame()->MessageText(), QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦を表示します."));
  QStatusTipEvent leave(QString{});
  QApplication::sendEvent(Frame(), &leave);
  EXPECT_EQ(Frame()->MessageText(), QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));

  // A disabled item (閉じる with no window open) still shows its prompt.
  QAction* close = Frame()->Command(ID_FILE_CLOSE);
  ASSERT_FALSE(close->isEnabled());
  ASSERT_FALSE(close->statusTip().isEmpty());
  QMenu* menu = nullptr;
  for (QObject* object : close->associatedObjects())
    if (!menu) menu = qobject_cast<QMenu*>(object);
  ASSERT_NE(menu, nullptr);
  menu->popup(QPoint(0, 0));
  const QPointF over = menu->actionGeometry(close).center();
  QMouseEvent move(QEvent::MouseMove, over, menu->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(menu, &move);
  EXPECT_EQ(Frame()->MessageText(), close->statusTip());
  menu->hide();
  EXPECT_EQ(Frame()->MessageText(), QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));

  std::vector<QString> indicators;
  for (const char* name : {"ｶﾅ", "CAP", "NUM", "SCRL"}) {
    EXPECT_NE(Frame()->statusBar()->findChild<QLabel*>(QString("indicator") + QString::fromUtf8(name)), nullptr)
        << name;
  }
}

TEST_F(ShellTest, TheMainMenuHoldsEveryRegisteredCommand) {
  ASSERT_TRUE(Start());
  QMenuBar* bar = Frame()->menuBar();
  QStringList titles;
  for (QAction* top : bar->actions()) titles << top->text();
  EXPECT_EQ(titles, (QStringList{"ﾌｧｲﾙ(&F)", "表示(&V)", "ｸﾞﾚｺﾞﾘｵ暦館(&G)", "旧暦館(&Q)", "ｺﾝﾋﾞﾆ館(&C)",
                                 "天文館(&A)", "ﾃﾞｰﾀ館(&D)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
  std::set<QAction*> inMenus;
  for (QAction* top : bar->actions())
    for (QAction* item : top->menu()->actions()) inMenus.insert(item);
  for (const ViewKindInfo& info : ViewKinds()) {
    if (info.command == 0) continue;
    EXPECT_TRUE(inMenus.count(Frame()->Command(info.command))) << info.className;
  }
  EXPECT_NE(FindMenuAction(bar, "ﾃﾞｰﾀ館(&D)", ID_SENMEI, Frame()), nullptr);
  EXPECT_NE(FindMenuAction(bar, "天文館(&A)", ID_AREA_SETTING, Frame()), nullptr);
  for (const char* hall : {"ｸﾞﾚｺﾞﾘｵ暦館(&G)", "旧暦館(&Q)", "ｺﾝﾋﾞﾆ館(&C)", "天文館(&A)", "ﾃﾞｰﾀ館(&D)"})
    EXPECT_NE(FindMenuAction(bar, hall, ID_MONTH_SETTING, Frame()), nullptr) << hall;
}

TEST_F(ShellTest, WindowMenuArrangesTheChildren) {
  ASSERT_TRUE(Start());
  Frame()->resize(900, 700);
  UseTestView(ViewKind::WeekList, {});
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(Frame()->RouteCommand(32806));
  EXPECT_TRUE(Enabled(ID_WINDOW_TILE_HORZ));
  const QRect area = Frame()->MdiArea()->viewport()->rect();

  ASSERT_TRUE(Frame()->RouteCommand(ID_WINDOW_TILE_HORZ));
  std::vector<QRect> rects;
  for (CMDIChildWnd* child : Frame()->Children()) rects.push_back(child->geometry());
  std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
  for (size_t i = 0; i < rects.size(); ++i) {
    EXPECT_EQ(rects[i].width(), area.width()) << "one above the other, full width";
    if (i > 0) {
      EXPECT_EQ(rects[i].top(), rects[i - 1].bottom() + 1);
    }
  }

  ASSERT_TRUE(Frame()->RouteCommand(ID_WINDOW_TILE_VERT));
  rects.clear();
  for (CMDIChildWnd* child : Frame()->Children()) rects.push_back(child->geometry());
  std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
  for (size_t i = 0; i < rects.size(); ++i) {
    EXPECT_EQ(rects[i].height(), area.height()) << "side by side, full height";
    if (i > 0) {
      EXPECT_EQ(rects[i].left(), rects[i - 1].right() + 1);
    }
  }

  ASSERT_TRUE(Frame()->RouteCommand(ID_WINDOW_CASCADE));
  rects.clear();
  for (CMDIChildWnd* child : Frame()->Children()) rects.push_back(child->geometry());
  std::set<int> lefts;
  for (const QRect& r : rects) lefts.insert(r.left());
  EXPECT_EQ(lefts.size(), rects.size()) << "cascaded windows are offset";

  // Minimised windows line up along the bottom.
  for (CMDIChildWnd* child : Frame()->Children()) child->showMinimized();
  QApplication::processEvents();
  ASSERT_TRUE(Frame()->RouteCommand(ID_WINDOW_ARRANGE));
  std::set<int> bottoms;
  for (CMDIChildWnd* child : Frame()->Children()) bottoms.insert(child->geometry().bottom());
  EXPECT_EQ(bottoms.size(), 1u);
  EXPECT_EQ(*bottoms.begin(), area.bottom());
}

// ---------------------------------------------------------------- the picture

TEST_F(ShellTest, ScreenshotOfTheMainWindowWithItsBars) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\n");
  ASSERT_TRUE(Start());
  Frame()->setGeometry(0, 0, 1000, 640);
  Frame()->ShowControlBar(Frame()->GregorianBar(), true);
  Frame()->ShowControlBar(Frame()->LunarBar(), true);
  // The real month grids when they are built, a stand-in otherwise.
  if (!app_->CanOpen(ViewKind::GDay)) UseTestView(ViewKind::GDay, {ID_MONTH_SETTING});
  if (!app_->CanOpen(ViewKind::QWeek6)) UseTestView(ViewKind::QWeek6, {ID_MONTH_SETTING});
  ASSERT_TRUE(Frame()->RouteCommand(32782));
  ASSERT_TRUE(Frame()->RouteCommand(32798));
  Frame()->RouteCommand(ID_WINDOW_TILE_VERT);
  QApplication::processEvents();
  const QImage image = Frame()->grab().toImage();
  ASSERT_FALSE(image.isNull());
  QDir().mkpath(QStringLiteral(KORVANE_BINARY_DIR "/screenshots"));
  EXPECT_TRUE(image.save(QStringLiteral(KORVANE_BINARY_DIR "/screenshots/main_window.png")));
}

}  // namespace
}  // namespace shelltest
