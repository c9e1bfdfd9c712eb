// Moving through the months without the dialog: the keys and the wheel in
// the grids, the frame's Alt commands in grids and lists, the shared month
// that follows every step into the settings, and the ends of a view's
// years (a beep, never a message box).
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <functional>

#include "content/command_ids.h"
#include "content/view_kind_table.h"
#include "framework/document.h"
#include "shell_fixture.h"
#include "ui/views/list_view_ex.h"
#include "ui/views/month_grid_views.h"

namespace shelltest {
namespace {

using korvane::ID_STEP_NEXT;
using korvane::ID_STEP_PREVIOUS;
using korvane::ID_STEP_TODAY;

class NavigationTest : public ShellTest {
 protected:
  MonthGridView* OpenGrid(int command) {
    if (!Frame()->RouteCommand(command)) return nullptr;
    QApplication::processEvents();
    return dynamic_cast<MonthGridView*>(Frame()->GetActiveView());
  }
  static void Key(QWidget* to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(to, &event);
  }
  static void Wheel(QWidget* to, int delta) {
    const QPointF at(10, 10);
    QWheelEvent event(at, to->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(to, &event);
  }
  std::string Title() const { return Frame()->MDIGetActive()->windowTitle().toStdString(); }
  std::string Setting(const std::string& key) const {
    const std::string text = "\n" + ReadIni();
    const size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    const size_t from = at + key.size() + 2;
    return text.substr(from, text.find_first_of("\r\n", from) - from);
  }
};

TEST_F(NavigationTest, PagingAGridIsKeptInTheSettingsHoweverTheProgramCloses) {
  enum class Close { Box, ExitCommand, CtrlQ };
  for (Close how : {Close::Box, Close::ExitCommand, Close::CtrlQ}) {
    WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=2001\nkorvaneMomth=5\n");
    ASSERT_TRUE(Start());
    MonthGridView* grid = OpenGrid(korvane::ID_G_DAY);
    ASSERT_NE(grid, nullptr);
    for (int i = 0; i < 3; ++i) Key(grid, Qt::Key_PageDown);
    EXPECT_EQ(Title(), "ｸﾞﾚｺﾞﾘｵ暦 2001年 8月");
    EXPECT_EQ(DisplayMonth.month, 8);
    if (how == Close::Box) CloseByCloseBox();
    if (how == Close::ExitCommand) Frame()->RouteCommand(korvane::ID_APP_EXIT);
    if (how == Close::CtrlQ) {
      QAction* exit = Frame()->Command(korvane::ID_APP_EXIT);
      ASSERT_EQ(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
      exit->trigger();
    }
    EXPECT_EQ(Setting("korvaneYear"), "2001") << static_cast<int>(how);
    EXPECT_EQ(Setting("korvaneMomth"), "8") << static_cast<int>(how);
    app_.reset();
  }
  // Home brings today's month (2024-05-15 in these tests).
  ASSERT_TRUE(Start());
  MonthGridView* grid = OpenGrid(korvane::ID_G_DAY);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->month(), 8);
  Key(grid, Qt::Key_Home);
  EXPECT_EQ(Title(), "ｸﾞﾚｺﾞﾘｵ暦 2024年 5月");
  EXPECT_TRUE(recorder_->messages().empty());
}

TEST_F(NavigationTest, EveryWayOfSteppingALunisolarGridGoesThroughTheLeapMonth) {
  // 2020 has 閏4 at position 5.
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneOldYear=2020\nkorvaneOldMomth=5\n");
  ASSERT_TRUE(Start());
  MonthGridView* grid = OpenGrid(korvane::ID_Q_DAY);
  ASSERT_NE(grid, nullptr);
  struct Step {
    std::function<void()> act;
    int year, month;
  } steps[] = {
      {[&] { Key(grid, Qt::Key_PageUp); }, 2020, 4},
      {[&] { Wheel(grid, -60); }, 2020, 4},  // half a notch: not yet
      {[&] { Wheel(grid, -180); }, 2020, 6},
      {[&] { Frame()->RouteCommand(ID_STEP_PREVIOUS); }, 2020, 5},
      {[&] { Key(grid, Qt::Key_PageDown, Qt::ControlModifier); }, 2021, 4},  // 閏4 → 4
      {[&] { Key(grid, Qt::Key_PageUp, Qt::ControlModifier); }, 2020, 4},
      {[&] { Frame()->RouteCommand(ID_STEP_NEXT); }, 2020, 5},
      {[&] { Frame()->RouteCommand(ID_STEP_TODAY); }, 2024, 4},  // 2024-05-15 is 4/8
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(korvane::ShownMonth(grid->year(), grid->month()), korvane::ShownMonth(step.year, step.month));
    EXPECT_EQ(korvane::ShownMonth(LunarDisplayMonth.year, LunarDisplayMonth.month),
              korvane::ShownMonth(step.year, step.month));
    EXPECT_EQ(Title(), grid->CurrentPage().title);
  }
  EXPECT_EQ(recorder_->beeps(), 0);
  EXPECT_TRUE(recorder_->messages().empty());
}

TEST_F(NavigationTest, ListsStepTheirMonthOrYearWithTheAltCommandsAndBeepAtTheEnds) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=2050\nkorvaneMomth=12\n");
  ASSERT_TRUE(Start());
  EXPECT_FALSE(Enabled(ID_STEP_NEXT)) << "nothing to step while no view is open";
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_SUN_TIME_LIST));
  QApplication::processEvents();
  auto* list = dynamic_cast<CListViewEx*>(Frame()->GetActiveView());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->list()->currentIndex().row(), 0) << "the first row is current";
  EXPECT_EQ(Frame()->MessageText().toStdString(), korvane::kNavigationHint);
  EXPECT_EQ(Frame()->Command(ID_STEP_NEXT)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_PageDown));
  EXPECT_TRUE(Enabled(ID_STEP_NEXT));
  const std::string before = list->GetDocument()->GetTitle();
  Frame()->RouteCommand(ID_STEP_NEXT);  // December 2050 is the last month
  EXPECT_EQ(recorder_->beeps(), 1);
  EXPECT_EQ(list->GetDocument()->GetTitle(), before);
  Frame()->RouteCommand(ID_STEP_PREVIOUS);
  EXPECT_EQ(list->state().month, 11);
  EXPECT_EQ(DisplayMonth.month, 11);
  EXPECT_NE(list->GetDocument()->GetTitle(), before);

  // A list of a whole year steps years.
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_HOLIDAY_LIST));
  QApplication::processEvents();
  auto* years = dynamic_cast<CListViewEx*>(Frame()->GetActiveView());
  ASSERT_NE(years, nullptr);
  Frame()->RouteCommand(ID_STEP_PREVIOUS);
  EXPECT_EQ(years->state().year, 2049);
  Frame()->RouteCommand(ID_STEP_TODAY);
  EXPECT_EQ(years->state().year, 2024);
  EXPECT_EQ(DisplayMonth.year, 2024);
  EXPECT_EQ(DisplayMonth.month, 11) << "a year list leaves the month alone";
  EXPECT_TRUE(recorder_->messages().empty());
}

}  // namespace
}  // namespace shelltest
