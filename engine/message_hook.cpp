#include "engine/message_hook.h"

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

}  // namespace

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
}

MessageRecorder::~MessageRecorder() {
  SetMessageHandler(std::move(previousMessage_));
  SetBeepHandler(std::move(previousBeep_));
}

}  // namespace korvane
