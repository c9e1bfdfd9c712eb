#include "ui/dialogs/shell_dialogs.h"

#include "ui/dialogs/day_calendar_dialog.h"
#include "ui/dialogs/tips_dialog.h"
#include "ui/dialogs/help_dialog.h"
#include "ui/dialogs/wareki_converter_dialog.h"

namespace korvane {
namespace {

// One line per dialog; null until the dialog is built.
const DayCalendarRunner kDayCalendar = &RunDayCalendarDialog;
const TipsRunner kTips = &RunTipsDialog;
const HelpRunner kHelp = &RunHelpDialog;
const ConverterRunner kConverter = &RunWarekiConverterDialog;

ShellDialogs& Current() {
  static ShellDialogs dialogs{kDayCalendar, kTips, kHelp, kConverter};
  return dialogs;
}

}  // namespace

const ShellDialogs& Dialogs() { return Current(); }

ShellDialogs SetDialogs(const ShellDialogs& dialogs) {
  const ShellDialogs previous = Current();
  Current() = dialogs;
  return previous;
}

}  // namespace korvane
