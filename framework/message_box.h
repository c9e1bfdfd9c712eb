#pragma once
// Modal message box, system beep and modal dialogs.
//
// Program code shows its messages through korvane::ShowMessage and beeps
// through korvane::Beep (engine/message_hook.h); InstallWindowMessageHandlers
// points those at the message box and the beep below, once, at start-up.
// Tests leave them pointed at a MessageRecorder instead.
//
// Every modal dialog of the program runs through DoModal, so that a test can
// replace the modal loop (SetModalRunner) and drive or record the dialog
// instead of blocking.
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace korvane {

// The caption of message boxes (the program's title).
void SetMessageBoxCaption(const QString& caption);
QString MessageBoxCaption();

// A modal box with the text and an OK button, over the active window.
// A warning box, or with `notice` an information box.
void MessageBoxModal(const std::string& text, bool notice = false);
// A notice: news for the user (a greeting, what the next start will do),
// not a fault.  An information box once InstallWindowMessageHandlers has
// run; before that (tests, tools) it goes where ShowMessage goes.
void ShowNotice(const std::string& text);
// A modal box with the text and one button per choice; the index of the
// one pressed, or `cancel` when the box is closed otherwise.
int QuestionBoxModal(const std::string& text, const std::vector<std::string>& choices, int cancel);
// The default system beep.
void SystemBeep();
// Points ShowMessage (a warning box), ShowNotice (an information box),
// AskUser and Beep at the boxes and the beep above.
void InstallWindowMessageHandlers();

// Runs `dialog` modally and returns its result (QDialog::Accepted = OK).
int DoModal(QDialog& dialog);
using ModalRunner = std::function<int(QDialog&)>;
// Replaces the modal loop; an empty runner restores it.  Returns the runner
// it replaced.
ModalRunner SetModalRunner(ModalRunner runner);

// The window that a modal box or dialog without an owner should sit over:
// the active modal dialog, else the active window, else the main frame.
QWidget* DefaultOwner();

}  // namespace korvane
