#pragma once
// CView: the base class of every view kind (month grids, list views, the
// annual schedule).  A view is the client widget of one MDI child window.
//
// How a view kind is written:
//
//   class CGDayView : public CView {
//    public:
//     CGDayView() {
//       HandleCommand(32773, [this] { ChooseMonth(); });   // 月の設定
//       HandleCommand(32789, [this] { ShowTip(); });       // ワンポイント
//     }
//     bool OnCreate() override;            // copy the shared display state
//     void OnDraw(QPainter& dc) override;  // SetTitle(...), then draw
//     void OnRButtonDown(QPoint) override; // same as 32773
//   };
//
// and registered with one line in shell/view_kinds.cpp (&MakeView<CGDayView>).
//
// Life of a view, as its document template drives it:
//   1. constructed (no document yet, not shown);
//   2. OnCreate(): the window exists and GetDocument() is set; return false
//      to refuse creation (the child window is then not opened);
//   3. the document is opened under the command's name, which becomes the
//      child window's title;
//   4. the child window is shown and OnInitialUpdate() runs (the default
//      calls OnUpdate(nullptr), which repaints);
//   5. every repaint calls OnDraw with a painter on the view (pixel
//      coordinates of the client area, background already filled with the
//      window colour).
//
// Commands: a view declares the commands it handles with HandleCommand; the
// main frame routes a menu or tool-bar command to the active view first and
// shows it disabled when neither the view nor the frame handles it.
// Mouse: OnLButtonDown / OnRButtonDown receive presses in client coordinates;
// the defaults do nothing.  A view that fills itself with a child widget
// (SetClientWidget, e.g. a report list) receives that widget's events instead.
#include <QWidget>
#include <functional>
#include <map>
#include <string>

class CDocument;
class QPainter;

class CView : public QWidget {
  Q_OBJECT
 public:
  CView();
  ~CView() override;

  CDocument* GetDocument() const { return document_; }
  void SetDocument(CDocument* document);

  // Resource id of the view kind's template (menu and icon).
  int ResourceId() const { return resourceId_; }
  void SetResourceId(int id) { resourceId_ = id; }

  // Commands.
  bool HandlesCommand(int id) const;
  // Runs the handler of `id`; false when the view does not handle it.
  bool OnCommand(int id);

  // Hooks (see the life of a view above).
  virtual bool OnCreate();
  virtual void OnInitialUpdate();
  virtual void OnUpdate(CView* sender);
  virtual void OnDraw(QPainter& painter);
  virtual void OnLButtonDown(QPoint point);
  virtual void OnRButtonDown(QPoint point);
  // The holiday and era rules (the shared CurrentLaw) were switched.  A view
  // whose content depends on them remakes its content objects with the new
  // rules and then calls this default, which runs OnUpdate(nullptr) (a
  // repaint, or a list's refill).
  virtual void OnLawChanged();

  // The client rectangle, (0, 0) to (width, height).
  QRect GetClientRect() const { return rect(); }
  // Renames the document (path name and title); the child window's caption
  // follows.  Cheap when the name has not changed.
  void SetTitle(const std::string& title);
  // Repaints the whole client area.
  void Invalidate() { update(); }

 protected:
  void HandleCommand(int id, std::function<void()> handler);
  // Makes `widget` fill the client area (a view built on another widget).
  void SetClientWidget(QWidget* widget);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  CDocument* document_ = nullptr;
  int resourceId_ = 0;
  std::map<int, std::function<void()>> handlers_;
};

// The factory that a view kind registers.
template <class View>
CView* MakeView() {
  return new View;
}
