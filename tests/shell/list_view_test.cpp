// The list windows: every list kind opens from its command and shows its
// content's page cell for cell, refills after the year/month dialog, writes
// its tip, swallows mouse presses, highlights a selected row to the right
// edge and shortens cells with "...".  Walks the view kind table, so a list
// kind is covered as soon as its content is registered.  PNGs of every kind
// are written to <build>/list_png/ for a person to look at.
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>

#include "framework/document.h"
#include "framework/mdi_child.h"
#include "ui/dialogs/year_month_dialog.h"
#include "shell_fixture.h"
#include "content/command_ids.h"
#include "content/lists/list_kinds.h"
#include "ui/views/list_view_ex.h"

namespace korvane {
namespace {

class ListViewTest : public shelltest::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    WriteIni("[Settings]\nonedayview=0\nonepointview=0\n");
    ASSERT_TRUE(Start());
    Frame()->resize(1000, 700);
  }

  // The list kinds that are built, from the table.
  static std::vector<const ViewKindInfo*> ListKinds() {
    std::vector<const ViewKindInfo*> kinds;
    for (const ViewKindInfo& info : ViewKinds())
      if (MakeListContent(info.kind)) kinds.push_back(&info);
    return kinds;
  }

  CListViewEx* OpenByCommand(const ViewKindInfo& info) {
    if (!Frame()->RouteCommand(info.command)) return nullptr;
    QApplication::processEvents();
    return dynamic_cast<CListViewEx*>(Frame()->GetActiveView());
  }

  static std::string Title(CListViewEx* view) { return view->GetDocument()->GetTitle(); }

  // The list shows the page: headers, widths, rows and every cell.
  static void ExpectShowsPage(CListViewEx* view) {
    const ListPage& page = view->page();
    ReportList* list = view->list();
    const std::string name = view->info().className;
    ASSERT_EQ(list->columnCount(), static_cast<int>(page.columns.size())) << name;
    const int charWidth = view->CharWidth();
    EXPECT_GT(charWidth, QFontMetrics(list->font()).averageCharWidth()) << name;
    // Columns have their widths in characters, unless the table is wider
    // than the frame: then they give up room, but never so much that a
    // cell is shortened, and no scroll bar is needed sideways.
    bool narrowed = false;
    for (int c = 0; c < list->columnCount(); ++c) {
      EXPECT_EQ(list->headerItem()->text(c).toStdString(), page.columns[c].header) << name;
      EXPECT_LE(list->columnWidth(c), page.columns[c].widthChars * charWidth) << name;
      narrowed |= list->columnWidth(c) < page.columns[c].widthChars * charWidth;
    }
    if (narrowed) EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << name;
    const QFontMetrics metrics(list->font());
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(page.rows.size())) << name;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
      for (int c = 0; c < list->columnCount(); ++c) {
        ASSERT_EQ(list->topLevelItem(r)->text(c).toStdString(), page.rows[r][c])
            << name << " row " << r << " column " << c;
        if (narrowed)
          ASSERT_EQ(ReportList::ShortenToFit(list->topLevelItem(r)->text(c), metrics,
                                             list->columnWidth(c), c == 0 ? 4 : 12),
                    list->topLevelItem(r)->text(c))
              << name << " row " << r << " column " << c;
      }
    EXPECT_EQ(Title(view), page.title) << name;
  }
};

TEST_F(ListViewTest, EveryListKindOpensFillsAndRefillsAfterTheDialog) {
  DisplayMonth = {2024, 2};
  LunarDisplayMonth = {2023, 3};
  const QString folder = QStringLiteral(KORVANE_BINARY_DIR "/list_png");
  QDir().mkpath(folder);
  const auto kinds = ListKinds();
  ASSERT_GE(kinds.size(), 7u);
  for (const ViewKindInfo* info : kinds) {
    const std::string name = info->className;
    ASSERT_TRUE(Enabled(info->command)) << name;
    CListViewEx* view = OpenByCommand(*info);
    ASSERT_NE(view, nullptr) << name;
    EXPECT_EQ(view->ResourceId(), info->resourceId) << name;
    ExpectShowsPage(view);
    EXPECT_FALSE(view->page().rows.empty()) << name;
    EXPECT_TRUE(Frame()->MDIGetActive()->grab().toImage().save(
        folder + "/" + QString::fromUtf8(info->className) + ".png"))
        << name;

    EXPECT_EQ(Enabled(ID_MONTH_SETTING), info->HasDialog()) << name;
    EXPECT_EQ(Enabled(ID_AREA_SETTING), info->dialogMode == kModeMonthAndPlace) << name;
    if (!info->HasDialog()) continue;
    // OK after one year step: the list moves a year on, fills again and
    // tells the shared display state.
    const int yearBefore = view->state().year;
    const int lastYear = korvane::YearRangeOf(info->rangeKind).max;
    int dialogMode = -1;
    onModal_ = [&](QDialog& dialog) {
      auto& chooser = static_cast<CYearMonthDialog&>(dialog);
      dialogMode = chooser.state().mode();
      // Controls at fixed places: the window is not resizable.
      EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
      chooser.state().StepYear(yearBefore < lastYear ? 1 : -1);
    };
    ASSERT_TRUE(Frame()->RouteCommand(ID_MONTH_SETTING)) << name;
    onModal_ = nullptr;
    EXPECT_EQ(dialogMode, info->dialogMode) << name;
    EXPECT_EQ(view->state().year, yearBefore < lastYear ? yearBefore + 1 : yearBefore - 1) << name;
    const MonthOfYear& shared =
        info->shared == SharedMonth::Lunisolar ? LunarDisplayMonth : DisplayMonth;
    EXPECT_EQ(shared.year, view->state().year) << name;
    ExpectShowsPage(view);
  }
  EXPECT_TRUE(recorder_->messages().empty()) << recorder_->messages().front();
}

TEST_F(ListViewTest, CancelKeepsRowsTitleAndSharedYear) {
  DisplayMonth = {2024, 5};
  CListViewEx* view = OpenByCommand(ViewKindInfoOf(ViewKind::HolidayList));
  ASSERT_NE(view, nullptr);
  const ListPage before = view->page();
  previousRunner_ = SetModalRunner([](QDialog& dialog) {
    static_cast<CYearMonthDialog&>(dialog).state().StepYear(1);
    return static_cast<int>(QDialog::Rejected);
  });
  ASSERT_TRUE(view->OnCommand(ID_MONTH_SETTING));
  EXPECT_EQ(view->page().title, before.title);
  EXPECT_EQ(view->page().rows, before.rows);
  EXPECT_EQ(DisplayMonth.year, 2024);
}

TEST_F(ListViewTest, LunisolarDialogPicksTheLeapMonthAndWritesItBack) {
  LunarDisplayMonth = {2023, 3};
  CListViewEx* view = OpenByCommand(ViewKindInfoOf(ViewKind::ONList));
  ASSERT_NE(view, nullptr);
  onModal_ = [](QDialog& dialog) {
    auto& chooser = static_cast<CYearMonthDialog&>(dialog);
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("旧暦 <1853～2050>"));
    chooser.state().StepMonth(1);  // 2023 has 閏2 at position 3; position 4 is 3
    EXPECT_EQ(chooser.state().monthText(), "3");
  };
  ASSERT_TRUE(view->OnCommand(ID_MONTH_SETTING));
  EXPECT_EQ(view->state().month, 4);
  EXPECT_EQ(LunarDisplayMonth.month, 4);
  EXPECT_EQ(view->page().title, "旧暦／西暦対照表 旧暦  2023年(令和 5年 癸卯)  3月");
}

TEST_F(ListViewTest, TipCommandWritesTheKindsTopic) {
  for (const ViewKindInfo* info : ListKinds()) {
    CListViewEx* view = OpenByCommand(*info);
    ASSERT_NE(view, nullptr);
    shelltest::DialogLog().clear();
    ASSERT_EQ(view->OnCommand(ID_ONE_POINT), info->tipTopic != 0) << info->className;
    if (info->tipTopic == 0) continue;
    EXPECT_EQ(AppSettings::Instance().GetOnePoint(), info->tipTopic) << info->className;
    EXPECT_EQ(shelltest::DialogLog(), std::vector<std::string>{"tips:owned"}) << info->className;
  }
}

TEST_F(ListViewTest, MousePressesSelectNothingAndARightPressOpensTheDialog) {
  DisplayMonth = {2024, 5};
  CListViewEx* view = OpenByCommand(ViewKindInfoOf(ViewKind::N24List));
  ASSERT_NE(view, nullptr);
  ReportList* list = view->list();
  const QPoint inRow = list->visualItemRect(list->topLevelItem(3)).center();
  QMouseEvent left(QEvent::MouseButtonPress, inRow, list->viewport()->mapToGlobal(inRow),
                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &left);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_TRUE(modalTitles_.empty());
  QMouseEvent right(QEvent::MouseButtonPress, inRow, list->viewport()->mapToGlobal(inRow),
                    Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &right);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(modalTitles_, std::vector<std::string>{"西暦 <1851～2050>"});

  // A list without 月の設定 ignores the right press too.
  modalTitles_.clear();
  CListViewEx* eras = OpenByCommand(ViewKindInfoOf(ViewKind::NengoList));
  ASSERT_NE(eras, nullptr);
  QApplication::sendEvent(eras->list()->viewport(), &right);
  EXPECT_TRUE(modalTitles_.empty());

  // The keyboard still moves through the rows.
  list->setFocus();
  list->setCurrentItem(list->topLevelItem(0));
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(list, &down);
  EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
}

TEST_F(ListViewTest, SelectionIsHighlightedToTheRightEdge) {
  DisplayMonth = {2024, 5};
  CListViewEx* view = OpenByCommand(ViewKindInfoOf(ViewKind::N24List));
  ASSERT_NE(view, nullptr);
  ReportList* list = view->list();
  list->topLevelItem(2)->setSelected(true);
  const QRect row = list->visualItemRect(list->topLevelItem(2));
  const QImage image = list->viewport()->grab().toImage();
  const int columnsEnd = list->header()->length();
  ASSERT_LT(columnsEnd + 10, image.width()) << "the window is wider than the columns";
  const QColor highlight = list->palette().color(QPalette::Highlight);
  EXPECT_EQ(image.pixelColor(image.width() - 2, row.center().y()), highlight);
  EXPECT_NE(image.pixelColor(image.width() - 2, row.center().y() + row.height()), highlight);
}

TEST(ReportListShorten, CutsWholeCharactersAndEndsInDots) {
  const QFont font = QFont();
  const QFontMetrics metrics(font);
  const QString text = QStringLiteral("勤労感謝の日𠮷野家");
  EXPECT_EQ(ReportList::ShortenToFit(text, metrics, 1000, 12), text);
  EXPECT_EQ(ReportList::ShortenToFit(QString(), metrics, 0, 12), QString());
  for (int width = 0; width < metrics.horizontalAdvance(text) + 12; width += 3) {
    const QString shown = ReportList::ShortenToFit(text, metrics, width, 12);
    ASSERT_TRUE(shown.endsWith(QStringLiteral("..."))) << width;
    const QString kept = shown.chopped(3);
    ASSERT_FALSE(kept.isEmpty());
    ASSERT_TRUE(text.startsWith(kept)) << width;
    // Never half a character: no lone surrogate at the cut.
    ASSERT_FALSE(kept.back().isHighSurrogate()) << width;
    // Fits, unless only one character is left.
    if (kept.size() > 2) {
      EXPECT_LE(metrics.horizontalAdvance(shown) + 12, width) << width;
    }
  }
}

}  // namespace
}  // namespace korvane
