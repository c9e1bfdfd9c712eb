#pragma once
// The engine's only way to talk to the user: a modal message (a range error
// such as "2052年の旧暦は計算できません.0") and the system beep.  The window
// program points these at a message box and QApplication::beep, the tests at
// a recorder, the command-line tool at standard error (the default).
#include <functional>
#include <string>
#include <vector>

namespace korvane {

using MessageHandler = std::function<void(const std::string& text)>;
using BeepHandler = std::function<void()>;

// Show a modal message.  Returns when the user has dismissed it.
void ShowMessage(const std::string& text);
// Sound the default system beep.
void Beep();

// Asks the user to choose one of `choices` (the texts of the buttons, in
// order) and returns the index of the one chosen, or `cancel` when the
// question is dismissed.  Without a handler (the command-line tool) the
// text goes to standard error and the answer is `cancel`.
int AskUser(const std::string& text, const std::vector<std::string>& choices, int cancel);

using QuestionHandler = std::function<int(const std::string& text,
                                          const std::vector<std::string>& choices, int cancel)>;

// Install handlers; an empty function restores the default (standard error).
// Each returns the handler it replaced.
MessageHandler SetMessageHandler(MessageHandler handler);
BeepHandler SetBeepHandler(BeepHandler handler);
QuestionHandler SetQuestionHandler(QuestionHandler handler);

// Records what was shown while it lives, then puts the previous handlers
// back.  Used by tests and by callers that want to collect messages.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Messages and the texts of questions, in order.
  const std::vector<std::string>& messages() const { return messages_; }
  int beeps() const { return beeps_; }
  void clear() {
    messages_.clear();
    questions_.clear();
    answers_.clear();
    beeps_ = 0;
  }

  // The next question is answered with the choice of this text (each
  // answer is used once, in order); without one, or when the question has
  // no such choice, it is dismissed.
  void Answer(std::string choice) { answers_.push_back(std::move(choice)); }
  // The choices of every question asked, in order.
  const std::vector<std::vector<std::string>>& questions() const { return questions_; }

 private:
  std::vector<std::string> messages_;
  std::vector<std::vector<std::string>> questions_;
  std::vector<std::string> answers_;
  int beeps_ = 0;
  MessageHandler previousMessage_;
  BeepHandler previousBeep_;
  QuestionHandler previousQuestion_;
};

}  // namespace korvane
