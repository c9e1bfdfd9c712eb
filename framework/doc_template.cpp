#include "framework/doc_template.h"

#include <QMdiArea>

#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/view.h"

CMultiDocTemplate::CMultiDocTemplate(int resourceId, DocumentFactory documentFactory,
                                     FrameFactory frameFactory, ViewFactory viewFactory,
                                     std::string docString, QIcon icon)
    : resourceId_(resourceId),
      documentFactory_(std::move(documentFactory)),
      frameFactory_(std::move(frameFactory)),
      viewFactory_(std::move(viewFactory)),
      docString_(std::move(docString)),
      icon_(std::move(icon)) {}

CDocument* CMultiDocTemplate::OpenDocumentFile(const std::string& name, bool makeVisible,
                                               CMDIFrameWnd* frame) {
  if (!frame) frame = CMDIFrameWnd::MainFrame();
  if (!frame || !documentFactory_ || !frameFactory_ || !viewFactory_) return nullptr;

  std::unique_ptr<CDocument> document = documentFactory_();
  CMDIChildWnd* child = frameFactory_();
  CView* view = viewFactory_();
  if (!document || !child || !view) {
    delete view;
    delete child;
    return nullptr;
  }
  CDocument* doc = document.get();
  // Until a name is given the title is the template's own.
  doc->SetTitle(docString_);
  child->SetDocument(std::move(document));
  view->SetResourceId(resourceId_);
  view->SetDocument(doc);
  child->SetView(view);
  if (!icon_.isNull()) child->setWindowIcon(icon_);

  frame->AddChild(child);
  if (!view->OnCreate() || !doc->OnOpenDocument(name)) {
    frame->RemoveChild(child);
    return nullptr;
  }
  doc->SetPathName(name);
  if (makeVisible) frame->ShowChild(child);
  view->OnInitialUpdate();
  frame->UpdateCommandUI();
  return doc;
}
