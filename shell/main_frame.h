#pragma once
// CMainFrame: the program's main window.
//
// The main menu, the standard tool bar and the two calendar tool bars
// (G暦, Q暦), the status bar; every view command opens a new child window
// of its view kind under the name the command forms; creation fills the
// shared display state from today and the settings, and the close box
// writes it back with the window placement.
#include <QString>
#include <string>

#include "framework/mdi_frame.h"

class CKorvaneApp;
class QMenu;
class QToolBar;

class CMainFrame : public CMDIFrameWnd {
  Q_OBJECT
 public:
  explicit CMainFrame(CKorvaneApp* app);

  // The creation steps: bars, status bar, shared display state, placement.
  // False when the frame cannot be made.
  bool Create();

  QToolBar* StandardBar() const { return standardBar_; }
  QToolBar* GregorianBar() const { return gregorianBar_; }
  QToolBar* LunarBar() const { return lunarBar_; }
  // The name the last view command opened its view under.
  const std::string& TitleBuffer() const { return titleBuffer_; }

  // Opens the view kind of `command` under its opening name.
  void OpenView(int command);

  void UpdateCommandUI() override;
  // The bar area's own menu: the bar commands of the 表示 menu.
  QMenu* createPopupMenu() override;

 protected:
  bool OnClose() override;

 private:
  void DefineCommands();
  void BuildMenus();
  void BindHandlers();
  void ToggleBar(QToolBar* bar);
  void OnShowMainWindow();
  // 現行の祝日・元号: switches CurrentLaw, stores it and refreshes every view.
  void OnCurrentLaw();
  void OnHelpIndex();

  CKorvaneApp* app_;
  QToolBar* standardBar_ = nullptr;
  QToolBar* gregorianBar_ = nullptr;
  QToolBar* lunarBar_ = nullptr;
  std::string titleBuffer_;
  bool navigationHintShown_ = false;
};
