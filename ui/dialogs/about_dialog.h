#pragma once
// The about box (dialog 100): the program's icon, its title and OK.
#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  // The static text 1043.
  QLabel* TitleText() const { return title_; }

 private:
  QLabel* title_ = nullptr;
};
