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

// Install handlers; an empty function restores the default (standard error).
// Each returns the handler it replaced.
MessageHandler SetMessageHandler(MessageHandler handler);
BeepHandler SetBeepHandler(BeepHandler handler);

// Records what was shown while it lives, then puts the previous handlers
// back.  Used by tests and by callers that want to collect messages.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<std::string>& messages() const { return messages_; }
  int beeps() const { return beeps_; }
  void clear() { messages_.clear(); beeps_ = 0; }

 private:
  std::vector<std::string> messages_;
  int beeps_ = 0;
  MessageHandler previousMessage_;
  BeepHandler previousBeep_;
};

}  // namespace korvane
