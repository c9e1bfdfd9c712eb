#pragma once
// A started program in a temporary working directory, with its dialogs,
// message boxes and exit recorded instead of shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calendar_names.h"
#include "engine/message_hook.h"
#include "framework/doc_template.h"
#include "framework/message_box.h"
#include "framework/view.h"
#include "state/app_settings.h"
#include "shell/child_frame.h"
#include "state/display_state.h"
#include "shell/korvane_app.h"
#include "ui/views/korvane_doc.h"
#include "shell/main_frame.h"
#include "ui/dialogs/shell_dialogs.h"

namespace shelltest {

// A view kind made for the tests: handles what it is told to and counts
// its paints.
class TestView : public CView {
 public:
  explicit TestView(std::vector<int> commands) {
    for (int id : commands) HandleCommand(id, [this, id] { handled.push_back(id); });
  }
  void OnDraw(QPainter& painter) override {
    ++paints;
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("view"));
  }
  std::vector<int> handled;
  int paints = 0;
};

// What the recording dialog entries saw, in order.
inline std::vector<std::string>& DialogLog() {
  static std::vector<std::string> log;
  return log;
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    CalendarNames::SetTodayOverride(2024, 5, 15);
    DialogLog().clear();
    previousDialogs_ = korvane::SetDialogs(korvane::ShellDialogs{
        [](QWidget* owner) { DialogLog().push_back(owner ? "day:owned" : "day"); },
        [](QWidget* owner) { DialogLog().push_back(owner ? "tips:owned" : "tips"); },
        [](QWidget*, const std::string& path, const std::string& topic, const std::string&) {
          DialogLog().push_back("help:" + path + ":" + topic);
        },
        [](QWidget* owner) { DialogLog().push_back(owner ? "converter:owned" : "converter"); }});
    previousRunner_ = korvane::SetModalRunner([this](QDialog& dialog) {
      modalTitles_.push_back(dialog.windowTitle().toStdString());
      if (onModal_) onModal_(dialog);
      return static_cast<int>(QDialog::Accepted);
    });
    recorder_ = std::make_unique<korvane::MessageRecorder>();
  }

  void TearDown() override {
    app_.reset();
    // The rules are process-wide: the next test starts from the default.
    CurrentLaw = CalendarLaw::Current;
    recorder_.reset();
    korvane::SetModalRunner(previousRunner_);
    korvane::SetDialogs(previousDialogs_);
    CalendarNames::SetTodayOverride(0, 0, 0);
    QDir::setCurrent(previousDir_);
  }

  std::string Dir() const { return dir_.path().toStdString(); }
  std::string IniPath() const { return Dir() + "/korvane.INI"; }

  void WriteIni(const std::string& text) {
    std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
    out << text;
  }
  std::string ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
  }

  // Starts the program; the exit command is recorded, not obeyed.
  bool Start() {
    app_ = std::make_unique<CKorvaneApp>();
    app_->SetExitHandler([this](int code) { exitCodes_.push_back(code); });
    const bool ok = app_->InitInstance();
    QApplication::processEvents();
    return ok;
  }
  // Closes the main window by its close box.
  void CloseByCloseBox() {
    ASSERT_NE(Frame(), nullptr);
    Frame()->close();
    QApplication::processEvents();
  }
  void Restart() {
    app_.reset();
    Start();
  }

  CMainFrame* Frame() const { return app_ ? app_->MainFrame() : nullptr; }

  // Makes `kind` open TestViews handling `commands`, under `resource`.
  void UseTestView(ViewKind kind, std::vector<int> commands, int resource = 0) {
    const int id = resource ? resource : ViewKindInfoOf(kind).resourceId;
    app_->SetTemplate(kind, std::make_unique<CMultiDocTemplate>(
                                id, [] { return std::make_unique<CKorvaneDoc>(); },
                                [] { return new CChildFrame; },
                                [commands] { return new TestView(commands); }, "コルヴァン"));
  }

  bool Enabled(int id) const { return Frame()->Command(id)->isEnabled(); }

  QTemporaryDir dir_;
  QString previousDir_;
  korvane::ShellDialogs previousDialogs_;
  korvane::ModalRunner previousRunner_;
  std::function<void(QDialog&)> onModal_;
  std::vector<std::string> modalTitles_;
  std::vector<int> exitCodes_;
  std::unique_ptr<korvane::MessageRecorder> recorder_;
  std::unique_ptr<CKorvaneApp> app_;
};

}  // namespace shelltest
