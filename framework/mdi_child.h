#pragma once
// CMDIChildWnd: the MDI child window that holds one view and owns its
// document.  Its caption is the document's title.
#include <QMdiSubWindow>
#include <memory>

class CDocument;
class CView;

class CMDIChildWnd : public QMdiSubWindow {
  Q_OBJECT
 public:
  CMDIChildWnd();
  ~CMDIChildWnd() override;

  // Takes the document; the caption follows its title from now on.
  void SetDocument(std::unique_ptr<CDocument> document);
  CDocument* GetActiveDocument() const { return document_.get(); }

  // Takes the view as the client widget.
  void SetView(CView* view);
  CView* GetActiveView() const { return view_; }

 protected:
  // Asks the document first; a document that refuses keeps the window.
  void closeEvent(QCloseEvent* event) override;

 signals:
  // The caption changed (the main frame's caption shows the active one).
  void titleChanged();

 private:
  std::unique_ptr<CDocument> document_;
  CView* view_ = nullptr;
};
