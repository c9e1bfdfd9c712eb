#include "framework/mdi_child.h"

#include <QCloseEvent>

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

void CMDIChildWnd::closeEvent(QCloseEvent* event) {
  // A window already closed (hidden, waiting to be deleted) is not asked
  // again, so a document saves once.
  if (!isHidden() && document_ && !document_->CanCloseFrame()) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

void CMDIChildWnd::SetView(CView* view) {
  view_ = view;
  setWidget(view);
}
