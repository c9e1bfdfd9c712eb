#pragma once
// CKorvaneApp: start-up, the 37 document templates, about and exit.
//
//   QApplication qt(argc, argv);
//   CKorvaneApp app;
//   if (!app.InitInstance()) return 1;   // the frame could not be made
//   if (!app.MainFrame()) return 0;      // day-calendar-only run: done
//   return qt.exec();
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/view_kinds.h"

class CMainFrame;
class SessionEnd;
class CMultiDocTemplate;

class CKorvaneApp {
 public:
  CKorvaneApp();
  ~CKorvaneApp();
  CKorvaneApp(const CKorvaneApp&) = delete;
  CKorvaneApp& operator=(const CKorvaneApp&) = delete;

  // The running application object, or nullptr.
  static CKorvaneApp* Instance();

  // The folders of the settings file and of TxtData the start-up chose
  // (textdata/user_files.h); without them the working directory holds both.
  void SetUserFolders(std::string dataDirectory, std::string settingsDirectory) {
    dataDirectory_ = std::move(dataDirectory);
    settingsDirectory_ = std::move(settingsDirectory);
  }

  // Start-up.  True on success, also when no main window was wanted
  // (MainFrame() is then null and the program ends); false when the main
  // frame could not be created.
  bool InitInstance();

  CMainFrame* MainFrame() const { return mainFrame_.get(); }
  // The template of a view kind (registered at start-up), or nullptr.
  CMultiDocTemplate* Template(ViewKind kind) const;
  // True when the kind's template can open a view (its view is built).
  bool CanOpen(ViewKind kind) const;
  // Puts another template in the place of a kind's (tests open views of
  // their own through the frame's real commands this way).
  void SetTemplate(ViewKind kind, std::unique_ptr<CMultiDocTemplate> docTemplate);

  // 57664: the about box, modal.
  void OnAppAbout();
  // 57665 (Ctrl+Q): closes the main frame as its close box does (the
  // settings are written, the documents may save), then the process ends.
  // Should a document refuse to close, the program keeps running.
  void OnAppExit();

  // The program's end from outside (a signal, the session's logout): the
  // main window closes as by its close box, the settings and the annual
  // schedule's edits saved, with nobody asked anything; then the process
  // ends.
  void EndSession();
  // True once EndSession ran (main() then does not start the event loop).
  bool Ended() const { return ended_; }

  // How the process ends (tests record it instead).  The default leaves
  // the event loop with the given code, after which main returns.
  using ExitHandler = std::function<void(int code)>;
  void SetExitHandler(ExitHandler handler) { exitHandler_ = std::move(handler); }

 private:
  void RegisterTemplates();

  std::unique_ptr<SessionEnd> sessionEnd_;
  std::unique_ptr<CMainFrame> mainFrame_;
  std::vector<std::unique_ptr<CMultiDocTemplate>> templates_;
  ExitHandler exitHandler_;
  std::string dataDirectory_;
  std::string settingsDirectory_;
  bool ended_ = false;
};
