#pragma once
// The dialogs of the other halls that the shell starts: the tear-off day
// calendar, the tips dialog, the help viewer and the 和暦・西暦変換
// converter.
//
// Each is one entry in shell_dialogs.cpp, null until its dialog is built;
// while null, the start-up step that would show it shows nothing and the
// menu command that opens it stays disabled (help: see CMainFrame).  A
// dialog goes live with one line there, e.g.
//
//   #include "ui/dialogs/day_calendar_dialog.h"
//   void (*const kDayCalendar)(QWidget*) = &RunDayCalendarDialog;
//
// Every entry runs its dialog modally (through korvane::DoModal) and
// returns when it is closed; `owner` may be null (no owner window).
#include <string>

class QWidget;

namespace korvane {

using DayCalendarRunner = void (*)(QWidget* owner);
using TipsRunner = void (*)(QWidget* owner);
// The help viewer on `path`, opened at `topic`, with `subtitle` in its caption.
using HelpRunner = void (*)(QWidget* owner, const std::string& path, const std::string& topic,
                            const std::string& subtitle);

using ConverterRunner = void (*)(QWidget* owner);

struct ShellDialogs {
  DayCalendarRunner dayCalendar = nullptr;
  TipsRunner tips = nullptr;
  HelpRunner help = nullptr;
  ConverterRunner converter = nullptr;
};

// The dialogs in use (the built-in entries unless a test replaced them).
const ShellDialogs& Dialogs();
// Replaces the entries (tests); returns the previous ones.
ShellDialogs SetDialogs(const ShellDialogs& dialogs);

}  // namespace korvane
