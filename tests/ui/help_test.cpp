// The help viewer: browsing (history, scrolling, keywords) on the plain
// browser, then the dialog itself offscreen, opened as F1 opens it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QTemporaryDir>
#include <fstream>

#include "engine/message_hook.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "ui/dialogs/help_dialog.h"
#include "ui/dialogs/shell_dialogs.h"
#include "textdata/sjis.h"
#include "content/command_ids.h"
#include "content/help_content.h"

namespace korvane {
namespace {

// Topics "目次" (3 lines) linking to "長い" (40 lines) and "短い"
// (2 lines); "長い" links back to "目次".
std::string TopicsText() {
  std::string text = "[*]\nk1:目次\nk2:案内\nd:ここから\n長い話と短い話\n長いものは長い\n";
  text += "[*]\nk1:長い\nk2:話\nk3:長さ\nd:\n";
  for (int i = 1; i < 40; ++i) text += "行" + std::to_string(i) + " 目次へ\n";
  text += "[*]\nk1:短い\nk2:話\nd:一行目\n二行目\n";
  std::string sjis;
  EXPECT_TRUE(Utf8ToSjis(text, sjis));
  return sjis;
}

HelpBrowser OpenBrowser() {
  HelpTopics topics;
  topics.LoadBytes(TopicsText());
  HelpBrowser browser;
  EXPECT_TRUE(browser.Open(std::move(topics), "目次"));
  return browser;
}

TEST(HelpBrowser, HistoryBackForwardAndANewLink) {
  MessageRecorder recorder;
  HelpBrowser browser = OpenBrowser();
  EXPECT_FALSE(browser.CanGoBack());
  EXPECT_FALSE(browser.CanGoForward());
  browser.FollowLink("長い");
  browser.ScrollText(HelpScroll::Position, 20);
  browser.FollowLink("目次");
  EXPECT_EQ(browser.HistoryPosition(), 3);
  ASSERT_TRUE(browser.Back());
  // Back restores the position the topic had.
  EXPECT_EQ(browser.Current().keys[0], "長い");
  EXPECT_EQ(browser.FirstLine(), 20);
  EXPECT_TRUE(browser.CanGoForward());
  // A new link drops the entry ahead.
  browser.FollowLink("目次");
  EXPECT_FALSE(browser.CanGoForward());
  EXPECT_EQ(browser.HistoryCount(), 3);
  EXPECT_EQ(browser.FirstLine(), 0);
  EXPECT_FALSE(browser.Forward());
  EXPECT_EQ(recorder.beeps(), 0);

  // A full history forgets its oldest entries.
  for (int i = 0; i < 250; ++i) browser.FollowLink(i % 2 ? "長い" : "短い");
  EXPECT_EQ(browser.HistoryCount(), HelpBrowser::kHistorySize);
  EXPECT_EQ(browser.HistoryPosition(), HelpBrowser::kHistorySize);
  int back = 0;
  while (browser.Back()) ++back;
  EXPECT_EQ(back, HelpBrowser::kHistorySize - 1);
}

TEST(HelpBrowser, ScrollingHoldsAtTheEndsWithABeep) {
  MessageRecorder recorder;
  HelpBrowser browser = OpenBrowser();
  EXPECT_FALSE(browser.TextScrollEnabled());
  browser.ScrollText(HelpScroll::LineDown);
  EXPECT_EQ(browser.FirstLine(), 0);
  EXPECT_EQ(recorder.beeps(), 1);
  browser.FollowLink("長い");  // 40 lines
  EXPECT_TRUE(browser.TextScrollEnabled());
  EXPECT_EQ(browser.LastFirstLine(), 40 - HelpBrowser::kTextLines);
  browser.ScrollText(HelpScroll::LineDown);
  browser.ScrollText(HelpScroll::Other);
  EXPECT_EQ(browser.FirstLine(), 1);
  browser.ScrollText(HelpScroll::Position, 99);
  EXPECT_EQ(browser.FirstLine(), 25);
  browser.ScrollText(HelpScroll::LineUp);
  browser.ScrollText(HelpScroll::Position, -3);
  EXPECT_EQ(browser.FirstLine(), 0);
  browser.ScrollText(HelpScroll::LineUp);
  EXPECT_EQ(recorder.beeps(), 4);
  EXPECT_EQ(browser.VisibleLines().size(), static_cast<size_t>(HelpBrowser::kTextLines));

  // The preview: reloaded only for another link, scrolled like the text.
  EXPECT_TRUE(browser.Hover("目次"));
  EXPECT_FALSE(browser.Hover("目次"));
  EXPECT_FALSE(browser.PreviewScrollEnabled());
  EXPECT_EQ(browser.PreviewKeyword(2), "案内");
  EXPECT_EQ(browser.PreviewKeyword(3), HelpBrowser::kNoKey);
  browser.FollowLink("目次");
  EXPECT_TRUE(browser.Hover("長い"));
  browser.ScrollPreview(HelpScroll::Position, 40);
  EXPECT_EQ(browser.PreviewFirstLine(), 40 - HelpBrowser::kPreviewLines);
}

TEST(HelpBrowser, KeywordListsAndThePageAsText) {
  MessageRecorder recorder;
  HelpBrowser browser = OpenBrowser();
  EXPECT_EQ(browser.KeywordItems(2), (std::vector<std::string>{"案内", "話"}));
  EXPECT_EQ(browser.KeywordSelection(2), 0);
  EXPECT_EQ(browser.KeywordSelection(3), -1) << "no key: the placeholder, which is no item";
  EXPECT_EQ(browser.ToText(), "目次\t案内\t*****\nここから\n{長い}話と{短い}話\n{長い}ものは{長い}\n");
  browser.ChooseKeyword(2, 1);  // 話: the first topic with that key
  EXPECT_EQ(browser.Current().keys[0], "長い");
  browser.ChooseKeyword(2, 2);
  EXPECT_EQ(recorder.beeps(), 1);
  EXPECT_EQ(browser.HistoryCount(), 2);

  HelpTopics topics;
  topics.LoadBytes(TopicsText());
  EXPECT_FALSE(HelpBrowser().Open(std::move(topics), "案内", "Topics.txt")) << "not a name";
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_EQ(recorder.messages()[0], "ファイル:Topics.txtに\n検索キーワード:案内が\n見つかりません");
}

class HelpDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QDir(dir_.path()).mkdir("TxtData");
    path_ = dir_.filePath("TxtData/Topics.txt").toStdString();
    std::ofstream(path_, std::ios::binary) << TopicsText();
  }
  void Move(CHelpDialog& dialog, QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, dialog.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&dialog, &event);
  }
  void Click(CHelpDialog& dialog, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonPress, at, dialog.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &event);
  }
  // Where a link of the text pane is, in the dialog's coordinates.
  QPoint LinkAt(CHelpDialog& dialog, size_t index) {
    const auto links = dialog.TextLinks();
    EXPECT_LT(index, links.size());
    return dialog.TextPane()->mapTo(&dialog, links[index].rect.center());
  }
  QTemporaryDir dir_;
  std::string path_;
};

TEST_F(HelpDialogTest, LinksPreviewFollowAndWalkTheHistory) {
  MessageRecorder recorder;
  CHelpDialog dialog;
  ASSERT_TRUE(dialog.Create(path_, "目次", "目次"));
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("簡易ヘルプ V1.03 - 目次"));
  EXPECT_EQ(dialog.KeywordList(1)->count(), 3) << "no item that opens nothing";
  EXPECT_EQ(dialog.KeywordList(1)->placeholderText(), QStringLiteral("*****"));
  EXPECT_EQ(dialog.KeywordList(1)->currentText(), QStringLiteral("目次"));
  EXPECT_FALSE(dialog.TextScrollBar()->isEnabled());
  EXPECT_EQ(dialog.BackBitmap(), 202);
  EXPECT_EQ(dialog.ForwardBitmap(), 204);

  // Four links, each further right than the text before it.
  const auto links = dialog.TextLinks();
  ASSERT_EQ(links.size(), 4u);
  EXPECT_EQ(links[2].rect.left(), CHelpDialog::kMargin);
  EXPECT_GT(links[3].rect.left(), links[2].rect.right());
  EXPECT_EQ(links[3].rect.top(), links[2].rect.top());

  Move(dialog, LinkAt(dialog, 1));  // 短い
  EXPECT_EQ(dialog.Browser().Hovered(), "短い");
  EXPECT_EQ(dialog.PreviewKeyword(2)->text(), QStringLiteral("話"));
  EXPECT_EQ(dialog.PreviewKeyword(3)->text(), QStringLiteral("*****"));
  dialog.PreviewPane()->grab();

  Click(dialog, LinkAt(dialog, 0));  // 長い
  EXPECT_EQ(dialog.Browser().Current().keys[0], "長い");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("簡易ヘルプ V1.03 - 長い"));
  EXPECT_TRUE(dialog.Browser().VisiblePreviewLines().empty()) << "the preview blanks";
  EXPECT_TRUE(dialog.TextScrollBar()->isEnabled());
  EXPECT_EQ(dialog.TextScrollBar()->maximum(), 25);
  EXPECT_TRUE(dialog.PreviewKeyword(1)->text().isEmpty());
  EXPECT_EQ(dialog.BackBitmap(), 201);
  dialog.TextScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  dialog.TextScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);  // ignored
  EXPECT_EQ(dialog.Browser().FirstLine(), 1);
  EXPECT_EQ(dialog.TextScrollBar()->value(), 1);
  dialog.TextPane()->grab();

  Click(dialog, dialog.BackButton()->geometry().center());
  EXPECT_EQ(dialog.Browser().Current().keys[0], "目次");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("簡易ヘルプ V1.03 - 目次"));
  EXPECT_EQ(dialog.ForwardBitmap(), 203);
  Click(dialog, dialog.ForwardButton()->geometry().center());
  EXPECT_EQ(dialog.Browser().FirstLine(), 1) << "the position came back with the entry";
  EXPECT_EQ(recorder.beeps(), 0);
  Click(dialog, QPoint(1, dialog.height() - 1));  // nothing there
  EXPECT_EQ(recorder.beeps(), 1);

  // The keyword lists open topics; the placeholder beeps.
  emit dialog.KeywordList(1)->activated(0);  // in code page 932 order: 短い 長い 目次
  EXPECT_EQ(dialog.Browser().Current().keys[0], "短い");
  EXPECT_EQ(dialog.KeywordList(1)->currentIndex(), 0);
  EXPECT_EQ(dialog.KeywordList(3)->currentIndex(), -1);
  emit dialog.KeywordList(1)->activated(3);
  EXPECT_EQ(recorder.beeps(), 2);

  // The keys and the mouse's side buttons walk the history too; past its
  // start, the beep.
  auto press = [&dialog](Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), dialog.mapToGlobal(QPointF(5, 5)),
                      button, button, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &event);
  };
  auto shortcut = [&dialog](int key) {
    for (QShortcut* s : dialog.findChildren<QShortcut*>())
      if (s->key() == QKeySequence(Qt::ALT | key)) emit s->activated();
  };
  const int entries = dialog.Browser().HistoryPosition();
  press(Qt::BackButton);
  shortcut(Qt::Key_Left);
  EXPECT_EQ(dialog.Browser().HistoryPosition(), entries - 2);
  press(Qt::ForwardButton);
  shortcut(Qt::Key_Right);
  EXPECT_EQ(dialog.Browser().HistoryPosition(), entries);
  EXPECT_EQ(recorder.beeps(), 2);
  press(Qt::ForwardButton);
  EXPECT_EQ(recorder.beeps(), 3);
}

TEST_F(HelpDialogTest, F1OpensTheContentsAndBadFilesDoNot) {
  MessageRecorder recorder;
  CHelpDialog missing;
  EXPECT_FALSE(missing.Create(path_ + ".none", "目次", ""));
  CHelpDialog unnamed;
  EXPECT_FALSE(unnamed.Create(path_, "ない", ""));
  EXPECT_EQ(recorder.messages().size(), 2u);

  // The shell's help entry is this dialog, run modally.
  std::string shown;
  const ModalRunner previous = SetModalRunner([&](QDialog& dialog) {
    if (auto* help = dynamic_cast<CHelpDialog*>(&dialog)) shown = help->Browser().Current().keys[0];
    return 0;
  });
  ASSERT_NE(Dialogs().help, nullptr);
  Dialogs().help(nullptr, path_, "目次", "目次");
  SetModalRunner(previous);
  EXPECT_EQ(shown, "目次");
}

}  // namespace
}  // namespace korvane
