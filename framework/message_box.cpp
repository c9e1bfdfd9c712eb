#include "framework/message_box.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "engine/message_hook.h"
#include "framework/mdi_frame.h"

namespace korvane {
namespace {

QString& Caption() {
  static QString caption;
  return caption;
}

ModalRunner& Runner() {
  static ModalRunner runner;
  return runner;
}

}  // namespace

void SetMessageBoxCaption(const QString& caption) { Caption() = caption; }

QString MessageBoxCaption() { return Caption(); }

QWidget* DefaultOwner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return CMDIFrameWnd::MainFrame();
}

void MessageBoxModal(const std::string& text, bool notice) {
  QMessageBox box(notice ? QMessageBox::Information : QMessageBox::Warning, Caption(),
                  QString::fromStdString(text), QMessageBox::Ok, DefaultOwner());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

int QuestionBoxModal(const std::string& text, const std::vector<std::string>& choices, int cancel) {
  QMessageBox box(QMessageBox::Warning, Caption(), QString::fromStdString(text), QMessageBox::NoButton,
                  DefaultOwner());
  box.setTextFormat(Qt::PlainText);
  std::vector<QAbstractButton*> buttons;
  for (size_t i = 0; i < choices.size(); ++i) {
    const auto role = static_cast<int>(i) == cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
    buttons.push_back(box.addButton(QString::fromStdString(choices[i]), role));
  }
  if (cancel >= 0 && cancel < static_cast<int>(buttons.size())) {
    box.setEscapeButton(buttons[static_cast<size_t>(cancel)]);
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons[static_cast<size_t>(cancel)]));
  }
  DoModal(box);
  const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return chosen == buttons.end() ? cancel : static_cast<int>(chosen - buttons.begin());
}

void SystemBeep() { QApplication::beep(); }

namespace {
bool& NoticesAsBoxes() {
  static bool boxes = false;
  return boxes;
}
}  // namespace

void ShowNotice(const std::string& text) {
  if (NoticesAsBoxes()) {
    MessageBoxModal(text, true);
  } else {
    ShowMessage(text);
  }
}

void InstallWindowMessageHandlers() {
  SetMessageHandler([](const std::string& text) { MessageBoxModal(text); });
  NoticesAsBoxes() = true;
  SetBeepHandler([] { SystemBeep(); });
  SetQuestionHandler([](const std::string& text, const std::vector<std::string>& choices, int cancel) {
    return QuestionBoxModal(text, choices, cancel);
  });
}

int DoModal(QDialog& dialog) {
  // A dialog of fixed size over its window (its controls stand at fixed
  // places) gets a caption and a close box only, as a dialog box has; a
  // dialog without an owner (the day calendar standing alone) keeps the
  // buttons of a top-level window.
  if (!dialog.isVisible() && dialog.parentWidget() &&
      dialog.minimumSize() == dialog.maximumSize())
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  if (Runner()) {
    // Copy: the runner may replace itself.
    ModalRunner runner = Runner();
    return runner(dialog);
  }
  return dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner) {
  ModalRunner previous = std::move(Runner());
  Runner() = std::move(runner);
  return previous;
}

}  // namespace korvane
