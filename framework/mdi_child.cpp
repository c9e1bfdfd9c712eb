#include "framework/mdi_child.h"

#include "framework/document.h"
#include "framework/view.h"

CMDIChildWnd::CMDIChildWnd() {
  setAttribute(Qt::WA_DeleteOnClose);
}

CMDIChildWnd::~CMDIChildWnd() {
  // The view (a child widget) goes before the document it points into.
  if (view_) {
    view_->SetDocument(nullptr);
    delete view_;
    view_ = nullptr;
  }
}

void CMDIChildWnd::SetDocument(std::unique_ptr<CDocument> document) {
  document_ = std::move(document);
  if (!document_) return;
  connect(document_.get(), &CDocument::titleChanged, this, [this](const QString& title) {
    setWindowTitle(title);
    emit titleChanged();
  });
  setWindowTitle(QString::fromStdString(document_->GetTitle()));
}

void CMDIChildWnd::SetView(CView* view) {
  view_ = view;
  setWidget(view);
}
