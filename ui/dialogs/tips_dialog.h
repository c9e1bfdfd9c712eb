#pragma once
// The tips dialog (resource 106, ワンポイント): one topic of "onepoint.txt"
// at a time, with previous/next buttons and the start-up check box.
//
// It opens at the topic in the setting "onepoint" and, when it closes, writes
// the topic after the one shown there, so each opening moves on.  The check
// box writes "onepointview" at once.
#include <QDialog>
#include <memory>

#include "content/tips_content.h"

class QCheckBox;
class QFrame;
class QPushButton;

class CTipsDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CTipsDlg(QWidget* parent = nullptr);
  ~CTipsDlg() override;

  const korvane::TipsContent& content() const { return *content_; }
  // The page as painted now.
  korvane::TipsPage Page() const;

  QCheckBox* StartupCheck() const { return startup_; }  // 1001
  QPushButton* PreviousButton() const { return previous_; }  // 1031
  QPushButton* NextButton() const { return next_; }  // 1005

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<korvane::TipsContent> content_;
  QFrame* panel_ = nullptr;  // 1008
  QCheckBox* startup_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QFont face_;  // the FontMaker face, made at each text's height
};

namespace korvane {
// Runs the tips dialog modally (the shell's entry for start-up and command
// 32789).  A tips file that cannot be read gives its message and no dialog.
void RunTipsDialog(QWidget* owner);
}  // namespace korvane
