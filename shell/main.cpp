// コルヴァン: a Japanese calendar almanac.
#include <QApplication>
#include <cstdio>

#include "framework/message_box.h"
#include "framework/window_texts.h"
#include "shell/korvane_app.h"
#include "textdata/user_files.h"

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("korvane");
  korvane::InstallJapaneseWindowTexts();
  // The engine's range messages and beeps reach the user as message boxes
  // and the system beep.
  korvane::InstallWindowMessageHandlers();
  // The user's settings and text data: the working directory's when it has
  // a TxtData folder, else the user's own folders, brought up to date from
  // the installed copy first.
  const korvane::UserEnvironment environment = korvane::CurrentEnvironment();
  const korvane::UserFiles files = korvane::LocateUserFiles(environment);
  for (const std::string& problem : korvane::PrepareUserFiles(environment, files))
    std::fprintf(stderr, "korvane: %s\n", problem.c_str());
  CKorvaneApp app;
  app.SetUserFolders(files.dataDirectory, files.settingsDirectory);
  if (!app.InitInstance()) return 1;
  // No main window wanted, or ended by a signal during the start-up dialogs.
  if (!app.MainFrame() || app.Ended()) return 0;
  return qt.exec();
}
