#pragma once
// CMDIFrameWnd: the main window of a multiple-document program.
//
// - An MDI client area; CMultiDocTemplate opens child windows into it.
// - Commands by numeric id.  Each command is one QAction, shared by every
//   menu and tool bar that shows it.  A command goes to the active view if
//   that view handles it, else to the frame's own handler; a command that
//   neither handles is shown disabled (UpdateCommandUI).
// - A prompt string "status line text\ntool tip" per command: the first line
//   shows in the status bar's message pane while the item or button is under
//   the pointer, the second is the button's tool tip.
// - Tool bars that dock on any side, a status bar with a message pane and
//   lock-key indicators, and the Window menu's arrangements.
// - The window placement and the bar layout, for saving and restoring.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CDocument;
class CMDIChildWnd;
class CView;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QToolBar;

// The placement of a top-level window, in the fields of the stored text
// "flags,show command,min x,min y,max x,max y,left,top,right,bottom".
struct WindowPlacement {
  static constexpr unsigned kRestoreToMaximized = 2;  // flags bit
  static constexpr unsigned kShowNormal = 1;
  static constexpr unsigned kShowMinimized = 2;
  static constexpr unsigned kShowMaximized = 3;

  unsigned flags = 0;
  unsigned showCommand = kShowNormal;
  int minX = -1, minY = -1;
  int maxX = -1, maxY = -1;
  // The normal (restored) rectangle, right and bottom exclusive.
  int left = 0, top = 0, right = 0, bottom = 0;

  // "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
  std::string ToString() const;
  // True only when the text holds exactly ten numbers in that format.
  static bool Parse(const std::string& text, WindowPlacement& placement);
};

class CMDIFrameWnd : public QMainWindow {
  Q_OBJECT
 public:
  CMDIFrameWnd();
  ~CMDIFrameWnd() override;

  // The application's main frame (the most recently created one still
  // alive), or nullptr.
  static CMDIFrameWnd* MainFrame();

  // --- children
  QMdiArea* MdiArea() const { return mdiArea_; }
  CMDIChildWnd* MDIGetActive() const;
  CView* GetActiveView() const;
  CDocument* GetActiveDocument() const;
  std::vector<CMDIChildWnd*> Children() const;
  void AddChild(CMDIChildWnd* child);
  void RemoveChild(CMDIChildWnd* child);
  void ShowChild(CMDIChildWnd* child);
  void MDIActivate(CMDIChildWnd* child);
  void MDICascade();
  // Horizontal: the windows one above the other; vertical: side by side.
  void MDITile(bool horizontal);
  // Lines up the minimised children along the bottom of the client area.
  void MDIIconArrange();
  // Closes every child window; false when one refused (its document could
  // not be saved) and is still open.
  bool CloseAllChildren();

  // --- commands
  // `prompt` is "status text\ntool tip" (either part may be missing).
  QAction* DefineCommand(int id, const QString& text, const QString& prompt = {});
  QAction* Command(int id) const;
  // The frame's own handler; a command with one is enabled while the active
  // view does not take it.
  void OnCommand(int id, std::function<void()> handler);
  // Extra condition for the frame's handler (e.g. "a child is active").
  void EnableCommandWhen(int id, std::function<bool()> enabled);
  // Makes the command checkable; the check mark follows `checked`.
  void CheckCommandWhen(int id, std::function<bool()> checked);
  bool IsCommandEnabled(int id) const;
  // Sends the command where a menu click would send it; false when nobody
  // handles it (the command is disabled).
  bool RouteCommand(int id);
  // Recomputes every command's enabled state and check mark.
  virtual void UpdateCommandUI();

  // --- menus and bars
  QMenu* AddMenu(const QString& title);
  // Adds the commands to the menu in order; 0 is a separator.
  void AddMenuItems(QMenu* menu, const std::vector<int>& ids);
  // Lists the open child windows at the end of `menu` whenever it opens.
  void AddWindowList(QMenu* menu);
  // A tool bar of the commands (0 = separator), docked at the top.
  QToolBar* CreateToolBar(const QString& objectName, const QString& windowText, QSize buttonSize,
                          const std::vector<int>& ids);
  void ShowControlBar(QToolBar* bar, bool show);
  // The status bar: message pane showing `idleText`, then the indicators
  // (any of "ｶﾅ", "CAP", "NUM", "SCRL"), lit while their lock key is on.
  void CreateStatusBar(const QString& idleText, const std::vector<QString>& indicators);
  void SetMessageText(const QString& text);
  void SetIdleMessage();
  // A text that stays while a window opened from the frame is in use: a
  // pointer leaving a button or a menu (as one does when that window
  // opens) brings it back instead of the idle text, until released.
  void HoldMessage(const QString& text);
  void ReleaseMessage();
  // What the message pane shows when nothing is hovered.
  QString RestingText() const { return heldText_.isEmpty() ? idleText_ : heldText_; }
  // A notice that must be read: shown now and in place of the idle text
  // for the rest of the run, so pointing at menus and buttons does not
  // take it away.
  void SetNotice(const QString& text);
  QString MessageText() const;
  QString IdleText() const { return idleText_; }
  // Re-reads the lock keys into the indicators.
  void UpdateIndicators();

  // --- caption: "<application title>" or "<application title> - <document>"
  void SetAppTitle(const QString& title);
  QString AppTitle() const { return appTitle_; }
  void UpdateFrameTitle();

  // --- placement and bar layout
  WindowPlacement GetWindowPlacement() const;
  // Moves and sizes the frame; a maximised placement is shown maximised.
  void SetWindowPlacement(const WindowPlacement& placement);
  // True when the placement's normal rectangle shows enough of itself on
  // some screen to be reached and moved.
  static bool IsPlacementOnScreen(const WindowPlacement& placement);
  // A default-sized frame in the middle of the screen.
  void CenterWindow();
  // The tool bars' docking and visibility and the status bar's visibility.
  QByteArray SaveBarState() const;
  bool LoadBarState(const QByteArray& state);

 protected:
  // The close box or system menu: return false to keep the window open.  The
  // children are closed after it; one that refuses keeps the frame open too.
  virtual bool OnClose();
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnActiveChildChanged();

  QMdiArea* mdiArea_ = nullptr;
  std::map<int, QAction*> commands_;
  std::map<int, std::function<void()>> handlers_;
  std::map<int, std::function<bool()>> enablers_;
  std::map<int, std::function<bool()>> checks_;
  std::vector<QToolBar*> toolBars_;
  QString appTitle_;
  QString idleText_;
  QString heldText_;
  QLabel* messagePane_ = nullptr;
  std::vector<std::pair<QString, QLabel*>> indicators_;
  int cascadeIndex_ = 0;
};
