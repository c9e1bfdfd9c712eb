// The month-grid windows: creation from the shared display state, titles,
// the dialog on a right click and on 32773, the tip command, painting at
// several sizes.  PNGs of one month per kind are written to
// <build>/grid_png/ for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/message_hook.h"
#include "framework/document.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "state/display_state.h"
#include "ui/dialogs/shell_dialogs.h"
#include "ui/dialogs/year_month_dialog.h"
#include "ui/views/month_grid_views.h"

namespace korvane {
namespace {

class GridViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    AppSettings::Instance().Setup(dir_.path().toStdString());
    savedDisplay_ = DisplayMonth;
    savedLunar_ = LunarDisplayMonth;
    savedArea_ = AreaCode;
    DisplayMonth = {2015, 2};
    LunarDisplayMonth = {2012, 4};
    CalendarNames::SetTodayOverride(2015, 2, 18);
    previousRunner_ = SetModalRunner([this](QDialog& dialog) {
      dialogs_.push_back(dialog.windowTitle().toStdString());
      auto* chooser = dynamic_cast<CYearMonthDialog*>(&dialog);
      if (chooser && onDialog_) return onDialog_(*chooser);
      return static_cast<int>(QDialog::Rejected);
    });
    previousDialogs_ = SetDialogs(ShellDialogs{nullptr, [](QWidget*) { ++TipsShown(); }, nullptr});
    TipsShown() = 0;
  }
  void TearDown() override {
    views_.clear();
    SetModalRunner(previousRunner_);
    SetDialogs(previousDialogs_);
    CalendarNames::SetTodayOverride(0, 0, 0);
    DisplayMonth = savedDisplay_;
    LunarDisplayMonth = savedLunar_;
    AreaCode = savedArea_;
  }

  static int& TipsShown() {
    static int count = 0;
    return count;
  }

  // A created view on its own document, sized like a child window.
  MonthGridView* Open(GridKind kind, int width = 600, int height = 420) {
    auto entry = std::make_unique<Entry>();
    entry->view.reset(MakeMonthGridView(kind));
    entry->view->SetDocument(&entry->document);
    EXPECT_TRUE(entry->view->OnCreate());
    entry->view->resize(width, height);
    MonthGridView* view = entry->view.get();
    views_.push_back(std::move(entry));
    return view;
  }
  std::string Title(MonthGridView* view) { return view->GetDocument()->GetTitle(); }

  struct Entry {
    CDocument document;
    std::unique_ptr<MonthGridView> view;
    ~Entry() {
      if (view) view->SetDocument(nullptr);
    }
  };

  QTemporaryDir dir_;
  MonthOfYear savedDisplay_, savedLunar_;
  int savedArea_ = 0;
  ModalRunner previousRunner_;
  ShellDialogs previousDialogs_;
  std::function<int(CYearMonthDialog&)> onDialog_;
  std::vector<std::string> dialogs_;
  std::vector<std::unique_ptr<Entry>> views_;
};

TEST_F(GridViewTest, EveryKindTitlesItselfWhenPaintedAndSavesAPicture) {
  const QString folder = QStringLiteral(KORVANE_BINARY_DIR "/grid_png");
  QDir().mkpath(folder);
  for (const GridKindInfo& kind : AllGridKinds()) {
    MonthGridView* view = Open(kind.kind);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->info().className(), std::string(kind.className()));
    EXPECT_EQ(view->ResourceId(), kind.resourceId());
    QImage image = view->grab().toImage();
    EXPECT_EQ(Title(view), view->CurrentPage().title) << kind.className();
    const std::string expected =
        kind.lunisolar ? std::string(kind.caption()) + " 旧暦  2012年 閏 3月"
                       : std::string(kind.caption()) + " 2015年 2月";
    EXPECT_EQ(Title(view), expected);
    EXPECT_TRUE(image.save(folder + "/" + kind.className() + ".png"));
  }
}

TEST_F(GridViewTest, PaintsTheGridTheHeaderAndTodayInTheirColours) {
  MonthGridView* view = Open(GridKind::CGDayView, 700, 490);
  QImage image = view->grab().toImage();
  GridPage page = view->CurrentPage();
  const MonthGrid& g = page.grid;
  // The outline of a week cell is black; inside the frame the fill is the
  // window colour.
  EXPECT_EQ(image.pixelColor(g.colLeft[3], g.rowTop[3] + 5), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(g.colLeft[3] + 3, g.rowTop[3] + g.cellHeight - 3), QColor(Qt::white));
  // Today (2015-02-18, Wednesday of week 3) stands on blue.
  bool blue = false;
  for (int x = g.colLeft[3]; x < g.colLeft[4]; ++x)
    for (int y = g.rowTop[3]; y < g.rowTop[4]; ++y)
      if (image.pixelColor(x, y) == QColor(0, 0, 255)) blue = true;
  EXPECT_TRUE(blue);
  // The Sunday header is written in red.
  bool red = false;
  for (int x = g.colLeft[0]; x < g.colLeft[1]; ++x)
    for (int y = g.rowTop[0]; y < g.rowTop[1]; ++y) {
      QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) red = true;
    }
  EXPECT_TRUE(red);
}

TEST_F(GridViewTest, ResizedAndMaximisedGridsFillTheClient) {
  const QString folder = QStringLiteral(KORVANE_BINARY_DIR "/grid_png");
  QDir().mkpath(folder);
  const QSize sizes[] = {{320, 240}, {1200, 850}, {140, 90}, {7, 7}, {0, 0}};
  for (QSize size : sizes) {
    MonthGridView* view = Open(GridKind::CQNormalView, size.width(), size.height());
    QImage image = view->grab().toImage();
    EXPECT_EQ(image.size(), size);
    GridPage page = view->CurrentPage();
    EXPECT_EQ(page.grid.colLeft[7], size.width() - 1);
    if (size.width() >= 320) {
      EXPECT_TRUE(image.save(folder + QString("/CQNormalView-%1x%2.png").arg(size.width()).arg(size.height())));
    }
  }
  MonthGridView* view = Open(GridKind::CGNormalView, 1200, 850);
  DisplayMonth = {2000, 3};
  view->SetMonth(2000, 3);
  EXPECT_TRUE(view->grab().toImage().save(folder + "/CGNormalView-1200x850.png"));
}

TEST_F(GridViewTest, LunisolarViewCorrectsAThirteenthMonthOfAnOrdinaryYear) {
  LunarDisplayMonth = {2013, 13};
  MonthGridView* view = Open(GridKind::CQDayView);
  EXPECT_EQ(view->year(), 2013);
  EXPECT_EQ(view->month(), 12);
  LunarDisplayMonth = {2012, 13};
  EXPECT_EQ(Open(GridKind::CQEtoView)->month(), 13);
}

TEST_F(GridViewTest, ASharedMonthBeyondTheKindsYearsOpensAtTheNearestYear) {
  MessageRecorder recorder;
  DisplayMonth = {1700, 5};
  MonthGridView* star = Open(GridKind::CGStar9View);
  EXPECT_EQ(star->year(), 1853);
  EXPECT_EQ(star->month(), 5);
  star->grab();
  DisplayMonth = {2051, 12};
  MonthGridView* rokuyo = Open(GridKind::CGWeek6View);
  EXPECT_EQ(rokuyo->year(), 2050);
  rokuyo->grab();
  LunarDisplayMonth = {2051, 12};
  MonthGridView* lunar = Open(GridKind::CQWeek6View);
  EXPECT_EQ(lunar->year(), 2050);
  EXPECT_EQ(lunar->month(), 12);
  lunar->grab();
  LunarDisplayMonth = {593, 1};
  EXPECT_EQ(Open(GridKind::CQDayView)->year(), 594);
  DisplayMonth = {2000, 14};
  EXPECT_EQ(Open(GridKind::CGDayView)->month(), 12);
  EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(GridViewTest, RightClickOpensTheDialogAndOkMovesViewAndSharedMonth) {
  MonthGridView* view = Open(GridKind::CGStar9View);
  onDialog_ = [](CYearMonthDialog& dialog) {
    EXPECT_EQ(dialog.state().mode(), 0);
    dialog.state().StepYear(-1);  // 2014, December
    return static_cast<int>(QDialog::Accepted);
  };
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), QPointF(50, 50), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(view, &press);
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0], "西暦 <1853～2050>");
  EXPECT_EQ(view->year(), 2014);
  EXPECT_EQ(view->month(), 12);
  EXPECT_EQ(DisplayMonth.year, 2014);
  EXPECT_EQ(DisplayMonth.month, 12);
  view->grab();
  EXPECT_EQ(Title(view), "ｸﾞﾚｺﾞﾘｵ暦／九星日 2014年 12月");
  // A new view of any Gregorian kind opens there.
  EXPECT_EQ(Open(GridKind::CGDayView)->month(), 12);

  // A left click does nothing.
  QMouseEvent left(QEvent::MouseButtonPress, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view, &left);
  EXPECT_EQ(dialogs_.size(), 1u);
}

TEST_F(GridViewTest, LunisolarDialogWritesTheLunarDisplayMonth) {
  MonthGridView* view = Open(GridKind::CQGDayView);
  onDialog_ = [](CYearMonthDialog& dialog) {
    EXPECT_EQ(dialog.state().mode(), 1);
    EXPECT_EQ(dialog.monthBox()->Text(), QStringLiteral("閏3"));
    dialog.monthBox()->stepBy(1);
    EXPECT_EQ(dialog.monthBox()->Text(), QStringLiteral("4"));
    return static_cast<int>(QDialog::Accepted);
  };
  ASSERT_TRUE(view->OnCommand(32773));
  EXPECT_EQ(dialogs_.back(), "旧暦 <594～2050>");
  EXPECT_EQ(view->month(), 5);
  EXPECT_EQ(LunarDisplayMonth.year, 2012);
  EXPECT_EQ(LunarDisplayMonth.month, 5);
  EXPECT_EQ(DisplayMonth.month, 2) << "the Gregorian month is left alone";
}

TEST_F(GridViewTest, CancelChangesNothing) {
  MonthGridView* view = Open(GridKind::CGEtoView);
  onDialog_ = [](CYearMonthDialog& dialog) {
    dialog.state().StepYear(1);
    return static_cast<int>(QDialog::Rejected);
  };
  ASSERT_TRUE(view->OnCommand(32773));
  EXPECT_EQ(view->year(), 2015);
  EXPECT_EQ(view->month(), 2);
  EXPECT_EQ(DisplayMonth.year, 2015);
  EXPECT_EQ(DisplayMonth.month, 2);
}

TEST_F(GridViewTest, TipCommandWritesTheKindsTipNumber) {
  for (GridKind kind : {GridKind::CGDayView, GridKind::CGNormalView, GridKind::CQStar9View}) {
    MonthGridView* view = Open(kind);
    ASSERT_TRUE(view->OnCommand(32789));
    EXPECT_EQ(AppSettings::Instance().GetOnePoint(), view->info().tipNumber());
  }
  EXPECT_EQ(TipsShown(), 3);
}

}  // namespace
}  // namespace korvane
