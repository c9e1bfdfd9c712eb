#include "framework/document.h"

#include <algorithm>

#include "framework/view.h"

CDocument::CDocument() = default;

CDocument::~CDocument() {
  for (CView* view : views_) view->SetDocument(nullptr);
}

bool CDocument::OnNewDocument() { return true; }

bool CDocument::OnOpenDocument(const std::string&) { return true; }

bool CDocument::OnSaveDocument(const std::string&) { return true; }

bool CDocument::CanCloseFrame() { return true; }

namespace {
bool g_nobodyToAsk = false;
}

void CDocument::SetNobodyToAsk(bool nobody) { g_nobodyToAsk = nobody; }

bool CDocument::NobodyToAsk() { return g_nobodyToAsk; }

void CDocument::SetPathName(const std::string& pathName) {
  pathName_ = pathName;
  SetTitle(pathName);
}

void CDocument::SetTitle(const std::string& title) {
  // Month grids retitle themselves at every repaint; only a real change
  // reaches the captions.
  if (title == title_) return;
  title_ = title;
  emit titleChanged(QString::fromStdString(title_));
}

void CDocument::UpdateAllViews(CView* sender) {
  // Copy: an update may open or close views.
  const std::vector<CView*> views = views_;
  for (CView* view : views) {
    if (view != sender) view->OnUpdate(sender);
  }
}

void CDocument::AddView(CView* view) {
  if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void CDocument::RemoveView(CView* view) {
  views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}
