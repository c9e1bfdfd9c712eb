// The window layer on its own: templates, documents, the wait cursor and
// the bar layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "framework/doc_template.h"
#include "framework/document.h"
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
