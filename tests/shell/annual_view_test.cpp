// The annual schedule view: opened from its command on "annual.txt", and
// written back whenever its window closes; text that code page 932 cannot
// hold, and a file that cannot be replaced, keep the window open with the
// text as typed and the file as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <QFileDialog>
#include <QPlainTextEdit>
#include <csignal>
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
  std::string Utf8File(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return korvane::SjisToUtf8(text.str());
  }
  // The files "annual-YYYYMMDD-HHMMSS.txt" beside the schedule.
  std::vector<std::string> Beside() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(Dir() + "/TxtData"))
      if (entry.path().filename().string().starts_with("annual-")) found.push_back(entry.path());
    return found;
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

// Another program (an editor, a sync tool, a second instance) changes the
// file while the view is open.
TEST_F(AnnualViewTest, AnotherWritersChangeIsNeverOverwrittenUnasked) {
  WriteSchedule("[1月]\r\n1日:元日\n");  // mixed line ends, as an editor may leave them
  ASSERT_TRUE(Start());
  ASSERT_NE(Open(), nullptr);
  std::ofstream(FilePath(), std::ios::binary | std::ios::app) << "2日:他の人\r\n";
  const std::string theirs = FileBytes();
  EXPECT_TRUE(CloseActive());
  EXPECT_EQ(FileBytes(), theirs) << "a close without edits writes nothing";
  EXPECT_TRUE(recorder_->messages().empty());

  struct Case {
    const char* answer;
    bool closes, mineInFile, mineBeside;
  };
  for (const Case& c : {Case{CKorvaneDoc::kCancel, false, false, false},
                        Case{CKorvaneDoc::kKeepMine, true, true, false},
                        Case{CKorvaneDoc::kTakeTheirs, true, false, false},
                        Case{CKorvaneDoc::kSaveBeside, true, false, true}}) {
    for (const std::string& file : Beside()) fs::remove(file);
    WriteSchedule("[1月]\n1日:元日\n");
    CAnnualView* view = Open();
    ASSERT_NE(view, nullptr);
    view->editor()->appendPlainText(QStringLiteral("3日:自分"));
    WriteSchedule("[1月]\n1日:元日\n2日:他の人\n");
    recorder_->clear();
    recorder_->Answer(c.answer);
    EXPECT_EQ(CloseActive(), c.closes) << c.answer;
    ASSERT_EQ(recorder_->questions().size(), 1u) << c.answer;
    EXPECT_NE(recorder_->messages()[0].find(CKorvaneDoc::kChangedOnDisk), std::string::npos);
    EXPECT_EQ(Utf8File(FilePath()).find("3日:自分") != std::string::npos, c.mineInFile) << c.answer;
    EXPECT_EQ(Utf8File(FilePath()).find("2日:他の人") != std::string::npos, !c.mineInFile) << c.answer;
    ASSERT_EQ(Beside().size(), c.mineBeside ? 1u : 0u) << c.answer;
    if (c.mineBeside) {
      EXPECT_NE(Utf8File(Beside()[0]).find("3日:自分"), std::string::npos);
    }
    if (!c.closes) {
      recorder_->Answer(CKorvaneDoc::kTakeTheirs);
      EXPECT_TRUE(CloseActive());
    }
  }
}

TEST_F(AnnualViewTest, UnwritableTextIsPlacedAndTheUserCanAlwaysGetOut) {
  // A lone lead byte in the file reads as U+FFFD, which cannot go back.
  WriteSchedule("[1月]\r\n1日:");
  std::ofstream(FilePath(), std::ios::binary | std::ios::app) << "\x82\r\n";
  const std::string before = FileBytes();
  ASSERT_TRUE(Start());
  CAnnualView* view = Open();
  ASSERT_NE(view, nullptr);
  view->editor()->appendPlainText(QStringLiteral("2日:🎏"));
  recorder_->Answer(CKorvaneDoc::kSaveAs);
  const std::string copy = Dir() + "/copy.txt";
  onModal_ = [&](QDialog& dialog) {
    if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
      files->selectFile(QString::fromStdString(copy));
      files->selectNameFilter(files->nameFilters().back());  // code page 932, replaced
    }
  };
  EXPECT_TRUE(CloseActive());
  const std::string& message = recorder_->messages().at(0);
  EXPECT_NE(message.find("2行 4文字目: \xEF\xBF\xBD"), std::string::npos) << message;
  EXPECT_NE(message.find("4行 4文字目: 🎏"), std::string::npos) << message;
  EXPECT_EQ(recorder_->questions().at(0),
            (std::vector<std::string>{CKorvaneDoc::kSaveAs, CKorvaneDoc::kDiscard, CKorvaneDoc::kCancel}));
  EXPECT_EQ(Utf8File(copy), "[1月]\r\n1日:?\r\n\r\n2日:?");
  EXPECT_EQ(FileBytes(), before);

  // The same edits let go.
  view = Open();
  view->editor()->appendPlainText(QStringLiteral("🎏"));
  recorder_->Answer(CKorvaneDoc::kDiscard);
  EXPECT_TRUE(CloseActive());
  EXPECT_EQ(FileBytes(), before);
}

// kill -TERM (or a logout) with typed text: the program closes as by its
// close box, nobody asked; a file changed meanwhile gets the text beside it.
TEST_F(AnnualViewTest, ASignalClosesTheProgramAndKeepsTheTypedText) {
  for (const bool otherWriter : {false, true}) {
    WriteSchedule("[1月]\n1日:元日\n");
    ASSERT_TRUE(Start());
    CAnnualView* view = Open();
    ASSERT_NE(view, nullptr);
    view->editor()->appendPlainText(QStringLiteral("3日:書いたばかり"));
    if (otherWriter) WriteSchedule("[1月]\n1日:元日\n2日:他の人\n");
    exitCodes_.clear();
    ::kill(::getpid(), SIGTERM);
    for (int i = 0; i < 50 && exitCodes_.empty(); ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(exitCodes_, std::vector<int>{0});
    EXPECT_TRUE(modalTitles_.empty() && recorder_->questions().empty()) << "nobody is asked";
    EXPECT_NE(ReadIni().find("korvaneYear="), std::string::npos) << "the settings saved";
    const std::string kept = otherWriter ? Utf8File(Beside().at(0)) : Utf8File(FilePath());
    EXPECT_NE(kept.find("3日:書いたばかり"), std::string::npos) << otherWriter;
    EXPECT_EQ(Utf8File(FilePath()).find("2日:他の人") != std::string::npos, otherWriter);
    app_.reset();
  }
}

}  // namespace
}  // namespace shelltest
