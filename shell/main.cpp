// コルヴァン: a Japanese calendar almanac.
#include <QApplication>

#include "framework/message_box.h"
#include "framework/window_texts.h"
#include "shell/korvane_app.h"

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("korvane");
  korvane::InstallJapaneseWindowTexts();
  // The engine's range messages and beeps reach the user as message boxes
  // and the system beep.
  korvane::InstallWindowMessageHandlers();
  CKorvaneApp app;
  if (!app.InitInstance()) return 1;
  // No main window wanted, or ended by a signal during the start-up dialogs.
  if (!app.MainFrame() || app.Ended()) return 0;
  return qt.exec();
}
