#include "framework/mdi_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDataStream>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/document.h"
#include "framework/key_locks.h"
#include "framework/mdi_child.h"
#include "framework/view.h"

namespace {

CMDIFrameWnd* g_mainFrame = nullptr;

// Tags the saved bar layout so that a foreign or damaged text is refused.
constexpr quint32 kBarStateMagic = 0x4b42534bu;  // "KBSK"
constexpr int kBarStateVersion = 1;

}  // namespace

std::string WindowPlacement::ToString() const {
  char text[160];
  std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags, showCommand, minX, minY,
                maxX, maxY, left, top, right, bottom);
  return text;
}

bool WindowPlacement::Parse(const std::string& text, WindowPlacement& placement) {
  // Strictly ten integers: the C library's %u would also swallow "-5" and
  // ignore trailing garbage, so each field is read by hand.
  long long values[10];
  const char* p = text.c_str();
  for (int i = 0; i < 10; ++i) {
    while (*p == ' ' || *p == '\t') ++p;
    const bool unsignedField = i < 2;
    bool negative = false;
    if (*p == '-' || *p == '+') {
      if (unsignedField && *p == '-') return false;
      negative = *p == '-';
      ++p;
    }
    if (*p < '0' || *p > '9') return false;
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
      value = value * 10 + (*p - '0');
      if (value > 1000000000LL) return false;
      ++p;
    }
    values[i] = negative ? -value : value;
    while (*p == ' ' || *p == '\t') ++p;
    if (i < 9) {
      if (*p != ',') return false;
      ++p;
    }
  }
  while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
  if (*p != '\0') return false;
  WindowPlacement result;
  result.flags = static_cast<unsigned>(values[0]);
  result.showCommand = static_cast<unsigned>(values[1]);
  result.minX = static_cast<int>(values[2]);
  result.minY = static_cast<int>(values[3]);
  result.maxX = static_cast<int>(values[4]);
  result.maxY = static_cast<int>(values[5]);
  result.left = static_cast<int>(values[6]);
  result.top = static_cast<int>(values[7]);
  result.right = static_cast<int>(values[8]);
  result.bottom = static_cast<int>(values[9]);
  placement = result;
  return true;
}

CMDIFrameWnd::CMDIFrameWnd() {
  g_mainFrame = this;
  mdiArea_ = new QMdiArea(this);
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The classic dark-grey MDI client background.
  mdiArea_->setBackground(QColor(128, 128, 128));
  setCentralWidget(mdiArea_);
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { OnActiveChildChanged(); });
  qApp->installEventFilter(this);
}

CMDIFrameWnd::~CMDIFrameWnd() {
  qApp->removeEventFilter(this);
  // Children and their documents go while the frame still exists, and
  // without telling the half-destroyed frame about it.
  disconnect(mdiArea_, nullptr, this, nullptr);
  for (CMDIChildWnd* child : mdiArea_->findChildren<CMDIChildWnd*>()) {
    disconnect(child, nullptr, this, nullptr);
    delete child;
  }
  if (g_mainFrame == this) g_mainFrame = nullptr;
}

CMDIFrameWnd* CMDIFrameWnd::MainFrame() { return g_mainFrame; }

// ---------------------------------------------------------------- children

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
  // currentSubWindow, not activeSubWindow: a modal dialog or another
  // application in front must not take the commands away from the view.
  return qobject_cast<CMDIChildWnd*>(mdiArea_->currentSubWindow());
}

CView* CMDIFrameWnd::GetActiveView() const {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveView() : nullptr;
}

CDocument* CMDIFrameWnd::GetActiveDocument() const {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveDocument() : nullptr;
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::Children() const {
  std::vector<CMDIChildWnd*> children;
  for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
    if (auto* child = qobject_cast<CMDIChildWnd*>(window)) children.push_back(child);
  }
  return children;
}

void CMDIFrameWnd::AddChild(CMDIChildWnd* child) {
  mdiArea_->addSubWindow(child);
  connect(child, &CMDIChildWnd::titleChanged, this, [this] { UpdateFrameTitle(); });
  connect(child, &QMdiSubWindow::windowStateChanged, this, [this] { UpdateFrameTitle(); });
  connect(child, &QObject::destroyed, this, [this] {
    UpdateCommandUI();
    UpdateFrameTitle();
  });
}

void CMDIFrameWnd::RemoveChild(CMDIChildWnd* child) {
  mdiArea_->removeSubWindow(child);
  delete child;
}

void CMDIFrameWnd::ShowChild(CMDIChildWnd* child) {
  CMDIChildWnd* previous = MDIGetActive();
  const bool maximized = previous && previous->isMaximized();
  // A new window opens at the next cascade position with three quarters of
  // the client area, like the platform's default for MDI children.
  const QRect area = mdiArea_->viewport()->rect();
  const int step = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child) + 4;
  const int width = std::max(320, area.width() * 3 / 4);
  const int height = std::max(240, area.height() * 3 / 4);
  int x = cascadeIndex_ * step;
  int y = cascadeIndex_ * step;
  if (x + width > area.width() || y + height > area.height()) {
    cascadeIndex_ = 0;
    x = y = 0;
  }
  ++cascadeIndex_;
  child->setGeometry(x, y, std::min(width, std::max(area.width(), 320)),
                     std::min(height, std::max(area.height(), 240)));
  if (maximized) {
    child->showMaximized();
  } else {
    child->show();
  }
  MDIActivate(child);
  UpdateFrameTitle();
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* child) {
  mdiArea_->setActiveSubWindow(child);
  OnActiveChildChanged();
}

void CMDIFrameWnd::MDICascade() {
  // Qt's cascade gives every window one size made from the area; here each
  // keeps its own, shrunk only where it would run past the area, stepping
  // down and right by a title bar in stacking order, the active window last
  // and on top.
  for (CMDIChildWnd* child : Children()) {
    if (child->isMaximized()) child->showNormal();
  }
  const QRect area = mdiArea_->viewport()->rect();
  int index = 0;
  for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::StackingOrder)) {
    if (window->isHidden() || window->isMinimized()) continue;
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + 4;
    const QSize least = window->minimumSizeHint().expandedTo(QSize(160, 120));
    int offset = index * step;
    if (offset + least.width() > area.width() || offset + least.height() > area.height()) {
      index = 0;
      offset = 0;
    }
    ++index;
    const QSize own = window->size();
    window->setGeometry(area.left() + offset, area.top() + offset,
                        std::max(least.width(), std::min(own.width(), area.width() - offset)),
                        std::max(least.height(), std::min(own.height(), area.height() - offset)));
    window->raise();
  }
  cascadeIndex_ = 0;
}

void CMDIFrameWnd::MDITile(bool horizontal) {
  std::vector<CMDIChildWnd*> windows;
  bool anyMinimized = false;
  for (CMDIChildWnd* child : Children()) {
    if (child->isHidden()) continue;
    if (child->isMinimized()) {
      anyMinimized = true;
      continue;
    }
    windows.push_back(child);
  }
  if (windows.empty()) return;
  for (CMDIChildWnd* child : windows) {
    if (child->isMaximized()) child->showNormal();
  }
  QRect area = mdiArea_->viewport()->rect();
  if (anyMinimized) {
    // Keep the row of icons at the bottom free.
    const int iconRow = windows.front()->minimumSizeHint().height() + 2;
    area.setBottom(std::max(area.top() + iconRow, area.bottom() - iconRow));
  }
  // One line (a column of stacked windows when horizontal, a row of windows
  // side by side when vertical) for up to three windows; a grid beyond, the
  // later lines taking the extra windows.
  const int count = static_cast<int>(windows.size());
  const int lines = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(count))));
  const int base = count / lines;
  const int extra = count % lines;
  int index = 0;
  for (int line = 0; line < lines; ++line) {
    const int inLine = base + (line >= lines - extra ? 1 : 0);
    for (int k = 0; k < inLine; ++k, ++index) {
      QRect r;
      if (horizontal) {
        const int x0 = area.left() + area.width() * line / lines;
        const int x1 = area.left() + area.width() * (line + 1) / lines;
        const int y0 = area.top() + area.height() * k / inLine;
        const int y1 = area.top() + area.height() * (k + 1) / inLine;
        r = QRect(x0, y0, x1 - x0, y1 - y0);
      } else {
        const int y0 = area.top() + area.height() * line / lines;
        const int y1 = area.top() + area.height() * (line + 1) / lines;
        const int x0 = area.left() + area.width() * k / inLine;
        const int x1 = area.left() + area.width() * (k + 1) / inLine;
        r = QRect(x0, y0, x1 - x0, y1 - y0);
      }
      windows[index]->setGeometry(r);
    }
  }
}

void CMDIFrameWnd::MDIIconArrange() {
  const QRect area = mdiArea_->viewport()->rect();
  int x = area.left();
  int y = area.bottom() + 1;
  int rowHeight = 0;
  for (CMDIChildWnd* child : Children()) {
    if (child->isHidden() || !child->isMinimized()) continue;
    const QSize size = child->size();
    if (rowHeight == 0) {
      rowHeight = size.height();
      y -= rowHeight;
    }
    if (x > area.left() && x + size.width() > area.right() + 1) {
      x = area.left();
      y -= rowHeight;
    }
    child->move(x, y);
    x += size.width();
  }
}

bool CMDIFrameWnd::CloseAllChildren() {
  mdiArea_->closeAllSubWindows();
  for (CMDIChildWnd* child : Children()) {
    if (!child->isHidden()) {
      UpdateCommandUI();
      return false;
    }
  }
  return true;
}

void CMDIFrameWnd::OnActiveChildChanged() {
  UpdateCommandUI();
  UpdateFrameTitle();
}

// ---------------------------------------------------------------- commands

QAction* CMDIFrameWnd::DefineCommand(int id, const QString& text, const QString& prompt) {
  QAction*& action = commands_[id];
  if (!action) {
    action = new QAction(text, this);
    action->setIconVisibleInMenu(false);
    action->setMenuRole(QAction::NoRole);
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
  } else {
    action->setText(text);
  }
  const int newline = prompt.indexOf('\n');
  const QString status = newline < 0 ? prompt : prompt.left(newline);
  const QString tip = newline < 0 ? QString() : prompt.mid(newline + 1);
  action->setStatusTip(status);
  action->setToolTip(tip.isEmpty() ? QString(text).remove('&') : tip);
  return action;
}

QAction* CMDIFrameWnd::Command(int id) const {
  auto it = commands_.find(id);
  return it == commands_.end() ? nullptr : it->second;
}

void CMDIFrameWnd::OnCommand(int id, std::function<void()> handler) {
  handlers_[id] = std::move(handler);
}

void CMDIFrameWnd::EnableCommandWhen(int id, std::function<bool()> enabled) {
  enablers_[id] = std::move(enabled);
}

void CMDIFrameWnd::CheckCommandWhen(int id, std::function<bool()> checked) {
  checks_[id] = std::move(checked);
  if (QAction* action = Command(id)) action->setCheckable(true);
}

bool CMDIFrameWnd::IsCommandEnabled(int id) const {
  if (CView* view = GetActiveView(); view && view->HandlesCommand(id)) return true;
  if (handlers_.count(id) == 0) return false;
  auto it = enablers_.find(id);
  return it == enablers_.end() || it->second();
}

bool CMDIFrameWnd::RouteCommand(int id) {
  bool handled = false;
  if (CView* view = GetActiveView(); view && view->HandlesCommand(id)) {
    handled = view->OnCommand(id);
  } else if (IsCommandEnabled(id)) {
    // Copy: the handler may redefine the frame's table.
    std::function<void()> handler = handlers_[id];
    handler();
    handled = true;
  }
  UpdateCommandUI();
  return handled;
}

void CMDIFrameWnd::UpdateCommandUI() {
  for (auto& [id, action] : commands_) {
    action->setEnabled(IsCommandEnabled(id));
    auto check = checks_.find(id);
    if (check != checks_.end()) {
      action->setCheckable(true);
      action->setChecked(check->second());
    }
  }
}

// ---------------------------------------------------------------- menus, bars

QMenu* CMDIFrameWnd::AddMenu(const QString& title) {
  QMenu* menu = menuBar()->addMenu(title);
  // Commands can change state while the menu is closed (a bar hidden from
  // its context menu, a view closed): bring it up to date on opening.
  connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
  return menu;
}

void CMDIFrameWnd::AddMenuItems(QMenu* menu, const std::vector<int>& ids) {
  // Qt sends no status tip for a disabled item; the filter shows its prompt
  // (installing it twice keeps one).
  menu->installEventFilter(this);
  for (int id : ids) {
    if (id == 0) {
      menu->addSeparator();
    } else if (QAction* action = Command(id)) {
      menu->addAction(action);
    }
  }
}

void CMDIFrameWnd::AddWindowList(QMenu* menu) {
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    for (QAction* action : menu->actions()) {
      if (action->property("korvaneWindowList").toBool()) {
        menu->removeAction(action);
        delete action;
      }
    }
    const std::vector<CMDIChildWnd*> children = Children();
    if (children.empty()) return;
    QAction* separator = menu->addSeparator();
    separator->setProperty("korvaneWindowList", true);
    CMDIChildWnd* active = MDIGetActive();
    int number = 1;
    for (CMDIChildWnd* child : children) {
      if (number > 9) break;
      QAction* item =
          menu->addAction(QString("&%1 %2").arg(number++).arg(child->windowTitle()));
      item->setProperty("korvaneWindowList", true);
      item->setCheckable(true);
      item->setChecked(child == active);
      QPointer<CMDIChildWnd> target(child);
      connect(item, &QAction::triggered, this, [this, target] {
        if (!target) return;
        if (target->isMinimized()) target->showNormal();
        MDIActivate(target);
      });
    }
  });
}

QToolBar* CMDIFrameWnd::CreateToolBar(const QString& objectName, const QString& windowText,
                                      QSize buttonSize, const std::vector<int>& ids) {
  auto* bar = new QToolBar(windowText, this);
  bar->setObjectName(objectName);
  bar->setIconSize(buttonSize);
  bar->setAllowedAreas(Qt::AllToolBarAreas);
  bar->setMovable(true);
  bar->setFloatable(true);
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (int id : ids) {
    if (id == 0) {
      bar->addSeparator();
    } else if (QAction* action = Command(id)) {
      bar->addAction(action);
    }
  }
  addToolBar(Qt::TopToolBarArea, bar);
  // The check marks of the bar commands follow the bar however it was
  // hidden (its command, the bar area's context menu, a restored layout).
  connect(bar, &QToolBar::visibilityChanged, this, [this] { UpdateCommandUI(); });
  toolBars_.push_back(bar);
  return bar;
}

void CMDIFrameWnd::ShowControlBar(QToolBar* bar, bool show) {
  if (!bar) return;
  bar->setVisible(show);
  UpdateCommandUI();
}

void CMDIFrameWnd::CreateStatusBar(const QString& idleText, const std::vector<QString>& indicators) {
  idleText_ = idleText;
  QStatusBar* bar = statusBar();
  messagePane_ = new QLabel(idleText_, bar);
  messagePane_->setObjectName("messagePane");
  messagePane_->setMinimumWidth(1);
  bar->addWidget(messagePane_, 1);
  for (const QString& name : indicators) {
    auto* pane = new QLabel(bar);
    pane->setObjectName("indicator" + name);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(name) + 12);
    bar->addPermanentWidget(pane);
    indicators_.emplace_back(name, pane);
  }
  UpdateIndicators();
}

void CMDIFrameWnd::SetMessageText(const QString& text) {
  if (messagePane_) messagePane_->setText(text);
}

void CMDIFrameWnd::SetIdleMessage() { SetMessageText(idleText_); }

void CMDIFrameWnd::HoldMessage(const QString& text) {
  heldText_ = text;
  SetMessageText(text);
}

void CMDIFrameWnd::ReleaseMessage() { heldText_.clear(); }

void CMDIFrameWnd::SetNotice(const QString& text) {
  idleText_ = text;
  SetMessageText(text);
}

QString CMDIFrameWnd::MessageText() const { return messagePane_ ? messagePane_->text() : QString(); }

void CMDIFrameWnd::UpdateIndicators() {
  const korvane::LockKeys keys = korvane::QueryLockKeys();
  for (auto& [name, pane] : indicators_) {
    bool on = false;
    if (name == "CAP") on = keys.caps;
    else if (name == "NUM") on = keys.num;
    else if (name == "SCRL") on = keys.scroll;
    else on = keys.kana;
    // An indicator whose key is off shows an empty pane of the same width.
    pane->setText(on ? name : QString());
  }
}

// ---------------------------------------------------------------- caption

void CMDIFrameWnd::SetAppTitle(const QString& title) {
  appTitle_ = title;
  UpdateFrameTitle();
}

void CMDIFrameWnd::UpdateFrameTitle() {
  QString caption = appTitle_;
  if (CMDIChildWnd* child = MDIGetActive(); child && !child->isHidden()) {
    const QString title = child->windowTitle();
    // A maximised child has no caption of its own; its title shows in
    // brackets after the program's, as the platform does.
    caption += child->isMaximized() ? QString(" - [%1]").arg(title) : QString(" - %1").arg(title);
  }
  if (windowTitle() != caption) setWindowTitle(caption);
}

// ---------------------------------------------------------------- placement

WindowPlacement CMDIFrameWnd::GetWindowPlacement() const {
  WindowPlacement placement;
  const bool maximized = isMaximized();
  const bool minimized = isMinimized();
  placement.flags = maximized ? WindowPlacement::kRestoreToMaximized : 0;
  placement.showCommand = maximized   ? WindowPlacement::kShowMaximized
                          : minimized ? WindowPlacement::kShowMinimized
                                      : WindowPlacement::kShowNormal;
  QRect normal = (maximized || minimized) ? normalGeometry() : geometry();
  if (!normal.isValid()) normal = geometry();
  placement.left = normal.left();
  placement.top = normal.top();
  placement.right = normal.left() + normal.width();
  placement.bottom = normal.top() + normal.height();
  return placement;
}

void CMDIFrameWnd::SetWindowPlacement(const WindowPlacement& placement) {
  setGeometry(placement.left, placement.top, placement.right - placement.left,
              placement.bottom - placement.top);
  // A frame saved while minimised comes back in its normal size: starting
  // as an icon would look as if the program had not started.
  const bool maximized = (placement.flags & WindowPlacement::kRestoreToMaximized) != 0 ||
                         placement.showCommand == WindowPlacement::kShowMaximized;
  setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

bool CMDIFrameWnd::IsPlacementOnScreen(const WindowPlacement& placement) {
  const int width = placement.right - placement.left;
  const int height = placement.bottom - placement.top;
  if (width < 100 || height < 60) return false;
  const QRect rect(placement.left, placement.top, width, height);
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect visible = rect.intersected(screen->availableGeometry());
    // Enough of the window, its caption included, must be on the screen
    // for the user to reach it.
    if (visible.width() >= 100 && visible.height() >= 40 && rect.top() >= screen->geometry().top() - 20)
      return true;
  }
  return false;
}

void CMDIFrameWnd::CenterWindow() {
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const int width = std::min(available.width(), std::max(800, available.width() * 3 / 4));
  const int height = std::min(available.height(), std::max(600, available.height() * 3 / 4));
  setWindowState(Qt::WindowNoState);
  setGeometry(available.left() + (available.width() - width) / 2,
              available.top() + (available.height() - height) / 2, width, height);
}

QByteArray CMDIFrameWnd::SaveBarState() const {
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  out << kBarStateMagic << qint32(kBarStateVersion);
  out << bool(statusBar() && !statusBar()->isHidden());
  out << saveState(kBarStateVersion);
  return data;
}

bool CMDIFrameWnd::LoadBarState(const QByteArray& state) {
  QDataStream in(state);
  quint32 magic = 0;
  qint32 version = 0;
  bool statusVisible = true;
  QByteArray layout;
  in >> magic >> version >> statusVisible >> layout;
  if (in.status() != QDataStream::Ok || magic != kBarStateMagic || version != kBarStateVersion)
    return false;
  if (!restoreState(layout, kBarStateVersion)) return false;
  if (statusBar()) statusBar()->setVisible(statusVisible);
  UpdateCommandUI();
  return true;
}

// ---------------------------------------------------------------- events

bool CMDIFrameWnd::OnClose() { return true; }

bool CMDIFrameWnd::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // Hovering a menu item or a button: its prompt's first line, and the
    // idle text again when the pointer leaves it.
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    SetMessageText(tip.isEmpty() ? RestingText() : tip);
    return true;
  }
  return QMainWindow::event(event);
}

void CMDIFrameWnd::closeEvent(QCloseEvent* event) {
  if (!OnClose()) {
    event->ignore();
    return;
  }
  // A child that refused to close (a document whose save failed) keeps the
  // frame, and with it the program, open.
  if (!CloseAllChildren()) {
    event->ignore();
    return;
  }
  event->accept();
}

void CMDIFrameWnd::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) UpdateIndicators();
  QMainWindow::changeEvent(event);
}

bool CMDIFrameWnd::eventFilter(QObject* watched, QEvent* event) {
  if (auto* menu = qobject_cast<QMenu*>(watched)) {
    if (event->type() == QEvent::MouseMove) {
      const QAction* action = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      // An enabled item's prompt comes from Qt itself.
      if (action && !action->isEnabled() && !action->isSeparator())
        SetMessageText(action->statusTip().isEmpty() ? RestingText() : action->statusTip());
      else if (!action || action->isSeparator())
        SetMessageText(RestingText());
    } else if (event->type() == QEvent::Hide) {
      SetMessageText(RestingText());
    }
    return QMainWindow::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock ||
        key == Qt::Key_Kana_Lock || key == Qt::Key_Kana_Shift || key == Qt::Key_Hiragana_Katakana)
      UpdateIndicators();
  }
  return QMainWindow::eventFilter(watched, event);
}
