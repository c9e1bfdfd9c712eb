#pragma once
// CAnnualView (年間予定表): a plain text editor over the annual schedule
// file "annual.txt", which its document loads when it is opened under the
// name "年間予定表" and writes back when it closes.
//
// The editor holds the text as UTF-8; the document converts it to code page
// 932 only when saving, and refuses (keeping the window open and the text
// as typed) when a character cannot be written.
#include "render/font_maker.h"
#include "framework/view.h"

class QPlainTextEdit;

class CAnnualView : public CView {
  Q_OBJECT
 public:
  CAnnualView();
  ~CAnnualView() override;

  bool OnCreate() override;
  void OnInitialUpdate() override;

  QPlainTextEdit* editor() const { return editor_; }

 private:
  QPlainTextEdit* editor_ = nullptr;
  CFont font_;
};
