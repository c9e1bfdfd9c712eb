#include "ui/views/annual_view.h"

#include <QPlainTextEdit>

#include "ui/views/korvane_doc.h"

CAnnualView::CAnnualView() {
  editor_ = new QPlainTextEdit(this);
  editor_->setObjectName("annualEditor");
  // Lines as the file has them; the window scrolls sideways for long ones.
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  SetClientWidget(editor_);
}

CAnnualView::~CAnnualView() = default;

bool CAnnualView::OnCreate() {
  // The program's face at height 12.
  LogFont logFont = FontMaker::DefaultLogFont();
  logFont.height = -12;
  if (font_.CreateFontIndirect(logFont)) editor_->setFont(font_.Font());
  return true;
}

void CAnnualView::OnInitialUpdate() {
  auto* doc = qobject_cast<CKorvaneDoc*>(GetDocument());
  if (!doc) return;
  editor_->setPlainText(QString::fromStdString(doc->ScheduleText()));
  editor_->document()->setModified(false);
  // The document keeps the text as typed, so it can save it however the
  // window closes.
  connect(editor_, &QPlainTextEdit::textChanged, this, [this, doc] {
    doc->SetScheduleText(editor_->toPlainText().toStdString());
  });
  editor_->setFocus();
}
