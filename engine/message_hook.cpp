#include "engine/message_hook.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace korvane {

namespace {

MessageHandler& CurrentMessageHandler() {
  static MessageHandler handler;
  return handler;
}

BeepHandler& CurrentBeepHandler() {
  static BeepHandler handler;
  return handler;
}

QuestionHandler& CurrentQuestionHandler() {
  static QuestionHandler handler;
  return handler;
}

}  // namespace

int AskUser(const std::string& text, const std::vector<std::string>& choices, int cancel) {
  if (auto& handler = CurrentQuestionHandler()) return handler(text, choices, cancel);
  std::fprintf(stderr, "%s\n", text.c_str());
  return cancel;
}

QuestionHandler SetQuestionHandler(QuestionHandler handler) {
  return std::exchange(CurrentQuestionHandler(), std::move(handler));
}

void ShowMessage(const std::string& text) {
  if (auto& handler = CurrentMessageHandler()) {
    handler(text);
  } else {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

void Beep() {
  if (auto& handler = CurrentBeepHandler()) {
    handler();
  } else {
    std::fputc('\a', stderr);
  }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  return std::exchange(CurrentMessageHandler(), std::move(handler));
}

BeepHandler SetBeepHandler(BeepHandler handler) {
  return std::exchange(CurrentBeepHandler(), std::move(handler));
}

MessageRecorder::MessageRecorder() {
  previousMessage_ = SetMessageHandler([this](const std::string& text) { messages_.push_back(text); });
  previousBeep_ = SetBeepHandler([this] { ++beeps_; });
  previousQuestion_ = SetQuestionHandler(
      [this](const std::string& text, const std::vector<std::string>& choices, int cancel) {
        messages_.push_back(text);
        questions_.push_back(choices);
        if (answers_.empty()) return cancel;
        const std::string answer = answers_.front();
        answers_.erase(answers_.begin());
        const auto found = std::find(choices.begin(), choices.end(), answer);
        return found == choices.end() ? cancel : static_cast<int>(found - choices.begin());
      });
}

MessageRecorder::~MessageRecorder() {
  SetMessageHandler(std::move(previousMessage_));
  SetBeepHandler(std::move(previousBeep_));
  SetQuestionHandler(std::move(previousQuestion_));
}

}  // namespace korvane
