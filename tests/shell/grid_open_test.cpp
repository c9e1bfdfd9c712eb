// The month grids in the running program: each kind opens from its menu
// command under its name, titles its child window at the first repaint,
// and takes 32773 from the main frame.  Pictures of the main window with a
// grid at the default child size and maximised go to <build>/grid_png/.
#include <QDir>

#include "content/command_ids.h"
#include "ui/dialogs/year_month_dialog.h"
#include "shell_fixture.h"
#include "ui/views/month_grid_views.h"

namespace shelltest {
namespace {

using GridOpenTest = ShellTest;

TEST_F(GridOpenTest, EachKindOpensFromItsCommandAndTitlesItself) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=2015\nkorvaneMomth=2\n"
           "korvaneOldYear=2012\nkorvaneOldMomth=4\n");
  ASSERT_TRUE(Start());
  Frame()->resize(900, 700);
  for (const korvane::GridKindInfo& kind : korvane::AllGridKinds()) {
    ASSERT_TRUE(Frame()->RouteCommand(kind.commandId())) << kind.className();
    QApplication::processEvents();
    auto* view = dynamic_cast<MonthGridView*>(Frame()->GetActiveView());
    ASSERT_NE(view, nullptr) << kind.className();
    EXPECT_STREQ(view->metaObject()->className(), kind.className());
    EXPECT_EQ(view->info().kind, kind.kind);
    view->grab();  // a repaint
    const std::string title = Frame()->MDIGetActive()->windowTitle().toStdString();
    EXPECT_EQ(title, view->CurrentPage().title);
    EXPECT_EQ(title, kind.lunisolar ? std::string(kind.caption()) + " 旧暦  2012年 閏 3月"
                                    : std::string(kind.caption()) + " 2015年 2月");
  }
  EXPECT_TRUE(recorder_->messages().empty());
}

TEST_F(GridOpenTest, MonthSettingFromTheMenuReachesTheActiveGrid) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=1999\nkorvaneMomth=11\n");
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Frame()->RouteCommand(32782));
  EXPECT_TRUE(Enabled(korvane::ID_MONTH_SETTING));
  onModal_ = [](QDialog& dialog) {
    auto* chooser = dynamic_cast<CYearMonthDialog*>(&dialog);
    ASSERT_NE(chooser, nullptr);
    chooser->monthBox()->stepBy(1);
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_MONTH_SETTING));
  EXPECT_EQ(modalTitles_.back(), "西暦 <594～2050>");
  auto* view = dynamic_cast<MonthGridView*>(Frame()->GetActiveView());
  ASSERT_NE(view, nullptr);
  view->grab();
  EXPECT_EQ(Frame()->MDIGetActive()->windowTitle().toStdString(), "ｸﾞﾚｺﾞﾘｵ暦 1999年 12月");
  EXPECT_EQ(DisplayMonth.year, 1999);
  EXPECT_EQ(DisplayMonth.month, 12);
  // The next Gregorian grid opens at December 1999.
  ASSERT_TRUE(Frame()->RouteCommand(32797));
  auto* next = dynamic_cast<MonthGridView*>(Frame()->GetActiveView());
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->month(), 12);
}

TEST_F(GridOpenTest, PicturesAtTheDefaultSizeAndMaximised) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=2012\nkorvaneMomth=1\n");
  ASSERT_TRUE(Start());
  Frame()->resize(1024, 768);
  QApplication::processEvents();
  const QString folder = QStringLiteral(KORVANE_BINARY_DIR "/grid_png");
  QDir().mkpath(folder);
  ASSERT_TRUE(Frame()->RouteCommand(32797));
  QApplication::processEvents();
  EXPECT_TRUE(Frame()->grab().toImage().save(folder + "/frame-CGNormalView-default.png"));
  Frame()->MDIGetActive()->showMaximized();
  QApplication::processEvents();
  EXPECT_TRUE(Frame()->grab().toImage().save(folder + "/frame-CGNormalView-maximised.png"));
  auto* view = dynamic_cast<MonthGridView*>(Frame()->GetActiveView());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->CurrentPage().grid.colLeft[7], view->width() - 1);
}

}  // namespace
}  // namespace shelltest
