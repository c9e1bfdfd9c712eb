#pragma once
// The year/month and area dialog (resource 105): the one dialog through
// which a view changes the month, the year or the place it shows.
//
// Its behaviour without a window is YearMonthDialogState
// (content/year_month_state.h); CYearMonthDialog lays out the controls and
// routes the spins to it.
#include <QAbstractSpinBox>
#include <QDialog>
#include <functional>

#include "content/year_month_state.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace korvane {

// An edit box with its up-down control whose steps the program handles
// (typed text is the dialog's to validate):
// each press (or Up/Down key) reports the step and the program writes the
// text.  Both directions stay enabled so a press at a bound can be refused
// with the beep.
class StepBox : public QAbstractSpinBox {
  Q_OBJECT
 public:
  explicit StepBox(QWidget* parent = nullptr);
  void stepBy(int steps) override;
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
  void SetText(const QString& text);
  QString Text() const;
  // Whether the user typed into the box since the program last wrote it.
  bool Typed() const;
  // Widens the box, keeping its left edge, where `widest` and the up-down
  // arrows would not fit the width its dialog units give: Qt's arrows and
  // frame take more room than the classic up-down control did.
  void FitWidth(const QString& widest);

 signals:
  void stepped(int steps);

 private:
  bool typed_ = false;
};

}  // namespace korvane

// The dialog window (resource 105).  Control ids: 1014 place label, 1025
// place list, 1042 year label, 1029 month label, 1016/1044 year box and spin,
// 1018/1046 month box and spin, OK and "ｷｬﾝｾﾙ"; each control's objectName is
// its id.
class CYearMonthDialog : public QDialog {
  Q_OBJECT
 public:
  // Set-up: the view mode, the range kind, the values shown and the preset
  // place (-1 for callers without a place).
  CYearMonthDialog(int mode, korvane::YearRangeKind rangeKind, int year, int month, int presetArea,
                   QWidget* parent = nullptr);
  ~CYearMonthDialog() override;

  // The values to read back after OK.
  int year() const { return state_.year(); }
  int month() const { return state_.month(); }
  int area() const { return state_.area(); }

  korvane::YearMonthDialogState& state() { return state_; }
  korvane::StepBox* yearBox() const { return yearBox_; }
  korvane::StepBox* monthBox() const { return monthBox_; }
  QComboBox* placeList() const { return placeList_; }

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  // Takes what the user typed into the boxes; false for text that is no
  // number (the boxes show the values they had).
  bool TakeTyped();

  korvane::YearMonthDialogState state_;
  // The caption (with the range of years) inside the dialog too.
  QLabel* rangeLabel_ = nullptr;
  QLabel* placeLabel_ = nullptr;
  QComboBox* placeList_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  QLabel* monthLabel_ = nullptr;
  korvane::StepBox* yearBox_ = nullptr;
  korvane::StepBox* monthBox_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};
