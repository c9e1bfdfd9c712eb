#include "framework/view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "framework/document.h"

CView::CView() {
  // Views are drawn on the window colour, like an erased client area.
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

CView::~CView() {
  if (document_) document_->RemoveView(this);
}

void CView::SetDocument(CDocument* document) {
  if (document_ == document) return;
  if (document_) document_->RemoveView(this);
  document_ = document;
  if (document_) document_->AddView(this);
}

bool CView::HandlesCommand(int id) const { return handlers_.count(id) != 0; }

bool CView::OnCommand(int id) {
  auto it = handlers_.find(id);
  if (it == handlers_.end()) return false;
  // Copy: the handler may replace the table or close the view.
  std::function<void()> handler = it->second;
  handler();
  return true;
}

bool CView::OnCreate() { return true; }

void CView::OnInitialUpdate() { OnUpdate(nullptr); }

void CView::OnUpdate(CView*) { update(); }

void CView::OnLawChanged() { OnUpdate(nullptr); }

void CView::OnDraw(QPainter&) {}

void CView::OnLButtonDown(QPoint) {}

void CView::OnRButtonDown(QPoint) {}

void CView::SetTitle(const std::string& title) {
  if (document_) document_->SetPathName(title);
}

void CView::HandleCommand(int id, std::function<void()> handler) {
  handlers_[id] = std::move(handler);
}

void CView::SetClientWidget(QWidget* widget) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(widget);
  // The focus the window gives its view goes on to the widget that takes keys.
  setFocusProxy(widget);
}

void CView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  OnDraw(painter);
}

void CView::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    OnLButtonDown(point);
  } else if (event->button() == Qt::RightButton) {
    OnRButtonDown(point);
  }
  event->accept();
}
