// The annual schedule view: opened from its command on "annual.txt", and
// written back whenever its window closes; text that code page 932 cannot
// hold, and a file that cannot be replaced, keep the window open with the
// text as typed and the file as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <QPlainTextEdit>
#include <filesystem>

#include "framework/mdi_child.h"
#include "shell_fixture.h"
#include "textdata/sjis.h"
#include "content/command_ids.h"
#include "ui/views/annual_view.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

class AnnualViewTest : public ShellTest {
 protected:
  std::string FilePath() const { return Dir() + "/TxtData/annual.txt"; }
  void WriteSchedule(const std::string& utf8) {
    fs::create_directories(Dir() + "/TxtData");
    std::string sjis;
    ASSERT_TRUE(korvane::Utf8ToSjis(utf8, sjis));
    std::ofstream(FilePath(), std::ios::binary) << sjis;
  }
  std::string FileBytes() const {
    std::ifstream in(FilePath(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  CAnnualView* Open() {
    if (!Frame()->RouteCommand(korvane::ID_ANNUAL)) return nullptr;
    return qobject_cast<CAnnualView*>(Frame()->GetActiveView());
  }
  // Closes the active child window as its close box does; true when it closed.
  bool CloseActive() {
    CMDIChildWnd* child = Frame()->MDIGetActive();
    if (!child) return false;
    child->close();
    QApplication::processEvents();
    return Frame()->MDIGetActive() != child;
  }
};

TEST_F(AnnualViewTest, EditsTheFileAndWritesItBackOnClosing) {
  WriteSchedule("[1月]\r\n1日:元日\r\n");
  ASSERT_TRUE(Start());
  CAnnualView* view = Open();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->editor()->toPlainText(), QStringLiteral("[1月]\n1日:元日\n"));
  view->editor()->appendPlainText(QStringLiteral("2日:書き初め"));
  EXPECT_TRUE(CloseActive());
  std::string expected;
  ASSERT_TRUE(korvane::Utf8ToSjis("[1月]\r\n1日:元日\r\n\r\n2日:書き初め", expected));
  EXPECT_EQ(FileBytes(), expected) << "the file's CR LF line ends kept";
  EXPECT_TRUE(recorder_->messages().empty());

  // A missing file: the message, and no window.
  fs::remove(FilePath());
  EXPECT_EQ(Open(), nullptr);
  ASSERT_EQ(recorder_->messages().size(), 1u);
  EXPECT_NE(recorder_->messages()[0].find("ファイル を読み出し出来ません."), std::string::npos);
}

TEST_F(AnnualViewTest, CharactersOutsideCodePage932AreNamedAndNothingIsLost) {
  WriteSchedule("[5月]\n3日:憲法記念日\n");
  const std::string before = FileBytes();
  ASSERT_TRUE(Start());
  CAnnualView* view = Open();
  ASSERT_NE(view, nullptr);
  const QString typed = QStringLiteral("[5月]\n3日:憲法記念日 🎏 ﬀ\n");
  view->editor()->setPlainText(typed);
  EXPECT_FALSE(CloseActive()) << "the window stays open";
  ASSERT_EQ(recorder_->messages().size(), 1u);
  const std::string& message = recorder_->messages()[0];
  EXPECT_NE(message.find(CKorvaneDoc::kUnwritableCharacters), std::string::npos);
  EXPECT_NE(message.find("🎏 ﬀ"), std::string::npos) << message;
  EXPECT_EQ(view->editor()->toPlainText(), typed);
  EXPECT_EQ(FileBytes(), before);

  // Mended, it saves.
  view->editor()->setPlainText(QStringLiteral("[5月]\n3日:憲法記念日 鯉のぼり\n"));
  EXPECT_TRUE(CloseActive());
  EXPECT_NE(FileBytes(), before);
}

TEST_F(AnnualViewTest, AFileThatCannotBeReplacedKeepsTheTextAndTheFile) {
  WriteSchedule("[5月]\n3日:憲法記念日\n");
  const std::string before = FileBytes();
  // A folder that takes no new file (the superuser writes anywhere, so for
  // it the file itself is made read-only, which is refused as well).
  const bool superuser = ::geteuid() == 0;
  const std::string folder = Dir() + "/TxtData";
  if (superuser)
    ::chmod(FilePath().c_str(), 0444);
  else
    ::chmod(folder.c_str(), 0555);
  ASSERT_TRUE(Start());
  CAnnualView* view = Open();
  ASSERT_NE(view, nullptr);
  view->editor()->appendPlainText(QStringLiteral("5日:こどもの日"));
  EXPECT_FALSE(CloseActive());
  ASSERT_EQ(recorder_->messages().size(), 1u);
  EXPECT_NE(recorder_->messages()[0].find(CKorvaneDoc::kNotSaved), std::string::npos);
  EXPECT_TRUE(view->editor()->toPlainText().contains(QStringLiteral("5日:こどもの日")));
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1)
      << "no temporary file left";

  // Writable again, the same window saves.
  ::chmod(folder.c_str(), 0755);
  ::chmod(FilePath().c_str(), 0644);
  EXPECT_TRUE(CloseActive());
  EXPECT_NE(FileBytes(), before);
}

}  // namespace
}  // namespace shelltest
