// The window layer on its own: templates, documents, fonts, the wait
// cursor and the bar layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/font_maker.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/view.h"
#include "framework/wait_cursor.h"
#include "framework/window_texts.h"

namespace {

struct Log {
  std::vector<std::string> events;
};

class LoggingView : public CView {
 public:
  LoggingView(Log* log, bool create) : log_(log), create_(create) {}
  bool OnCreate() override {
    log_->events.push_back("create:" + GetDocument()->GetTitle());
    return create_;
  }
  void OnInitialUpdate() override {
    log_->events.push_back("initial:" + GetDocument()->GetTitle());
    CView::OnInitialUpdate();
  }
  void OnUpdate(CView*) override { log_->events.push_back("update"); }

 private:
  Log* log_;
  bool create_;
};

class RefusingDocument : public CDocument {
 public:
  bool OnOpenDocument(const std::string&) override { return false; }
};

CMultiDocTemplate MakeTemplate(Log* log, bool viewCreates, bool documentOpens) {
  return CMultiDocTemplate(
      131,
      [documentOpens]() -> std::unique_ptr<CDocument> {
        if (documentOpens) return std::make_unique<CDocument>();
        return std::make_unique<RefusingDocument>();
      },
      [] { return new CMDIChildWnd; }, [log, viewCreates] { return new LoggingView(log, viewCreates); },
      "コルヴァン");
}

TEST(DocTemplate, OpensAWindowTitledWithTheNameInTheFrameworksOrder) {
  CMDIFrameWnd frame;
  Log log;
  CMultiDocTemplate docTemplate = MakeTemplate(&log, true, true);
  CDocument* doc = docTemplate.OpenDocumentFile("旧暦暦", true, &frame);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(log.events, (std::vector<std::string>{"create:コルヴァン", "initial:旧暦暦", "update"}));
  ASSERT_EQ(frame.Children().size(), 1u);
  EXPECT_EQ(frame.Children()[0]->windowTitle(), QStringLiteral("旧暦暦"));
  EXPECT_EQ(frame.GetActiveDocument(), doc);
  EXPECT_EQ(frame.GetActiveView()->GetDocument(), doc);
  EXPECT_EQ(frame.GetActiveView()->ResourceId(), 131);

  // Closing the window takes its document and view with it.
  QPointer<CDocument> guard(doc);
  frame.Children()[0]->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame.Children().empty());
  EXPECT_TRUE(guard.isNull());
}

TEST(DocTemplate, ARefusingViewOrDocumentLeavesNothingOpen) {
  CMDIFrameWnd frame;
  Log log;
  CMultiDocTemplate refusingView = MakeTemplate(&log, false, true);
  EXPECT_EQ(refusingView.OpenDocumentFile("x", true, &frame), nullptr);
  CMultiDocTemplate refusingDoc = MakeTemplate(&log, true, false);
  EXPECT_EQ(refusingDoc.OpenDocumentFile("y", true, &frame), nullptr);
  EXPECT_TRUE(frame.Children().empty());
  EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 0);
  CMultiDocTemplate noView(133, [] { return std::make_unique<CDocument>(); },
                           [] { return new CMDIChildWnd; }, nullptr);
  EXPECT_FALSE(noView.CanOpen());
  EXPECT_EQ(noView.OpenDocumentFile("z", true, &frame), nullptr);
}

TEST(Document, TitleChangesReachTheCaptionsOnlyWhenTheyChange) {
  CDocument doc;
  int changes = 0;
  QObject::connect(&doc, &CDocument::titleChanged, [&changes] { ++changes; });
  doc.SetPathName("ｸﾞﾚｺﾞﾘｵ暦 2024年 5月");
  doc.SetPathName("ｸﾞﾚｺﾞﾘｵ暦 2024年 5月");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(doc.GetTitle(), "ｸﾞﾚｺﾞﾘｵ暦 2024年 5月");
  EXPECT_EQ(doc.GetPathName(), doc.GetTitle());
}

TEST(Document, ViewsOutliveNothing) {
  auto doc = std::make_unique<CDocument>();
  auto* view = new CView;
  view->SetDocument(doc.get());
  EXPECT_EQ(doc->Views().size(), 1u);
  doc.reset();
  EXPECT_EQ(view->GetDocument(), nullptr) << "a view never points at a deleted document";
  delete view;
}

TEST(CommandRouting, TheActiveViewComesFirstAndUnhandledCommandsAreOff) {
  CMDIFrameWnd frame;
  frame.DefineCommand(1, "one", "status\ntip");
  frame.DefineCommand(2, "two");
  int frameCalls = 0;
  frame.OnCommand(1, [&frameCalls] { ++frameCalls; });
  frame.UpdateCommandUI();
  EXPECT_TRUE(frame.Command(1)->isEnabled());
  EXPECT_FALSE(frame.Command(2)->isEnabled());
  EXPECT_FALSE(frame.RouteCommand(2));
  EXPECT_TRUE(frame.RouteCommand(1));
  EXPECT_EQ(frameCalls, 1);
  EXPECT_EQ(frame.Command(1)->statusTip(), QStringLiteral("status"));
  EXPECT_EQ(frame.Command(1)->toolTip(), QStringLiteral("tip"));
  bool allowed = false;
  frame.EnableCommandWhen(1, [&allowed] { return allowed; });
  frame.UpdateCommandUI();
  EXPECT_FALSE(frame.Command(1)->isEnabled());
  EXPECT_FALSE(frame.RouteCommand(1));
  EXPECT_EQ(frameCalls, 1);
}

TEST(BarState, RoundTripsAndRefusesForeignData) {
  CMDIFrameWnd frame;
  QToolBar* bar = frame.CreateToolBar("Bar", "bar", QSize(16, 15), {});
  frame.CreateStatusBar("idle", {"CAP"});
  frame.show();
  bar->hide();
  frame.statusBar()->hide();
  const QByteArray state = frame.SaveBarState();
  bar->show();
  frame.statusBar()->show();
  ASSERT_TRUE(frame.LoadBarState(state));
  EXPECT_TRUE(bar->isHidden());
  EXPECT_TRUE(frame.statusBar()->isHidden());
  bar->show();
  EXPECT_FALSE(frame.LoadBarState(QByteArray("garbage")));
  EXPECT_FALSE(frame.LoadBarState(QByteArray()));
  EXPECT_FALSE(frame.LoadBarState(state.left(state.size() / 2)));
  EXPECT_FALSE(bar->isHidden()) << "a refused layout changes nothing";
}

// ---------------------------------------------------------------- fonts

TEST(FontMaker, DefaultDescription) {
  const LogFont font = FontMaker::DefaultLogFont();
  EXPECT_EQ(font.height, -48);
  EXPECT_EQ(font.width, 0);
  EXPECT_EQ(font.weight, 400);
  EXPECT_FALSE(font.italic || font.underline || font.strikeOut);
  EXPECT_EQ(font.charSet, 128);
  EXPECT_EQ(font.pitchAndFamily, 0x31);
  EXPECT_STREQ(font.faceName, "ＭＳ ゴシック");
}

TEST(FontMaker, FaceNamesAreCutAtACharacterBoundary) {
  LogFont font;
  font.SetFaceName("ＭＳ ゴシックＭＳ ゴシックＭＳ ゴシック");
  EXPECT_LE(std::strlen(font.faceName), 31u);
  EXPECT_TRUE(QString::fromUtf8(font.faceName).toUtf8() == QByteArray(font.faceName));
  EXPECT_TRUE(QString::fromUtf8(font.faceName).startsWith(QStringLiteral("ＭＳ ゴシック")));
}

TEST(FontMaker, TheGothicFaceIsAnInstalledFixedPitchJapaneseFace) {
  CFont font;
  ASSERT_TRUE(font.CreateFontIndirect(FontMaker::DefaultLogFont()));
  const QFontInfo info(font.Font());
  if (!FontMaker::FamiliesFor("ＭＳ ゴシック").contains("IPAGothic") &&
      !FontMaker::FamiliesFor("ＭＳ ゴシック").contains("Noto Sans Mono CJK JP"))
    GTEST_SKIP() << "no Japanese gothic face installed";
  EXPECT_EQ(info.pixelSize(), 48);
  // Fixed pitch as the layouts expect it: a digit is half a kanji.
  const QFontMetricsF metrics(font.Font());
  EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("8")) * 2, metrics.horizontalAdvance(QStringLiteral("曜")), 1.0);
  EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("i")), metrics.horizontalAdvance(QStringLiteral("W")), 0.5);
}

TEST(FontMaker, HeightVariants) {
  CFont view;
  ASSERT_TRUE(view.CreateFontIndirect(FontMaker::DefaultLogFont()));
  CFont cell;
  ASSERT_TRUE(FontMaker::MakeHeightVariant(view, 20, cell));
  LogFont lf;
  ASSERT_TRUE(cell.GetLogFont(lf));
  EXPECT_EQ(lf.height, -20);
  EXPECT_STREQ(lf.faceName, "ＭＳ ゴシック");
  EXPECT_EQ(cell.Font().pixelSize(), 20);

  // A window too small for any text: the variant is refused and the
  // previous font stays.
  EXPECT_FALSE(FontMaker::MakeHeightVariant(view, 0, cell));
  EXPECT_FALSE(FontMaker::MakeHeightVariant(view, -5, cell));
  EXPECT_EQ(cell.Font().pixelSize(), 20);
  CFont empty;
  EXPECT_FALSE(FontMaker::MakeHeightVariant(empty, 10, cell));
  LogFont huge = FontMaker::DefaultLogFont();
  huge.height = -100000;
  EXPECT_FALSE(cell.CreateFontIndirect(huge));

  // A positive height is the whole cell: ascent and descent fill it.
  LogFont cellHeight = FontMaker::DefaultLogFont();
  cellHeight.height = 30;
  CFont byCell;
  ASSERT_TRUE(byCell.CreateFontIndirect(cellHeight));
  const QFontMetricsF metrics(byCell.Font());
  EXPECT_NEAR(metrics.ascent() + metrics.descent(), 30.0, 2.0);
}

TEST(DialogUnits, ScaleWithTheFont) {
  const QFont font = korvane::DialogFont();
  const QRect r = korvane::DialogUnitsToPixels(font, 0, 0, 83, 75);
  EXPECT_GT(r.width(), 83);
  EXPECT_GT(r.height(), 75);
  const QRect twice = korvane::DialogUnitsToPixels(font, 0, 0, 166, 150);
  EXPECT_NEAR(twice.width(), 2 * r.width(), 1);
  EXPECT_NEAR(twice.height(), 2 * r.height(), 1);
}

TEST(WindowTexts, AChildWindowsSystemMenuSpeaksJapanese) {
  if (!korvane::InstallJapaneseWindowTexts()) GTEST_SKIP() << "Qt's Japanese translation is not installed";
  EXPECT_TRUE(korvane::InstallJapaneseWindowTexts()) << "a second call is harmless";
  CMDIFrameWnd frame;
  auto* child = new CMDIChildWnd;
  frame.AddChild(child);
  QStringList texts;
  for (QAction* action : child->systemMenu()->actions()) texts << action->text();
  korvane::RemoveJapaneseWindowTexts();
  EXPECT_TRUE(texts.contains(QStringLiteral("閉じる(&C)"))) << texts.join(", ").toStdString();
  EXPECT_FALSE(texts.contains(QStringLiteral("&Close")));
}

TEST(WaitCursor, NestsAndIgnoresAnUnmatchedEnd) {
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  {
    korvane::CWaitCursor outer;
    {
      korvane::CWaitCursor inner;
      ASSERT_NE(QApplication::overrideCursor(), nullptr);
    }
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  korvane::EndWaitCursor();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
