#pragma once
// CMultiDocTemplate: opens one view kind as a new MDI child window.
//
// OpenDocumentFile(name) creates, every time it is called, a new document, a
// new child window and a new view of the template's kind, runs the view's
// OnCreate, opens the document under `name` (which becomes the window
// title), shows the child window in the main frame's MDI area and runs the
// view's OnInitialUpdate.  It returns the document, or nullptr when the
// view or the document refused (nothing is left open then).
#include <QIcon>
#include <functional>
#include <memory>
#include <string>

class CDocument;
class CMDIChildWnd;
class CMDIFrameWnd;
class CView;

class CMultiDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
  using FrameFactory = std::function<CMDIChildWnd*()>;
  using ViewFactory = std::function<CView*()>;

  // `docString` is the window-title field of the template's document string.
  CMultiDocTemplate(int resourceId, DocumentFactory documentFactory, FrameFactory frameFactory,
                    ViewFactory viewFactory, std::string docString = {}, QIcon icon = {});

  int ResourceId() const { return resourceId_; }
  const std::string& DocString() const { return docString_; }
  const QIcon& Icon() const { return icon_; }
  // False while the template has no view to make (its kind is not built).
  bool CanOpen() const { return static_cast<bool>(viewFactory_); }

  // Opens into `frame`, or into the application's main frame when null.
  CDocument* OpenDocumentFile(const std::string& name, bool makeVisible = true,
                              CMDIFrameWnd* frame = nullptr);

 private:
  int resourceId_;
  DocumentFactory documentFactory_;
  FrameFactory frameFactory_;
  ViewFactory viewFactory_;
  std::string docString_;
  QIcon icon_;
};
