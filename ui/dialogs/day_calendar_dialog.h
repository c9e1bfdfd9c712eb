#pragma once
// The tear-off day calendar dialog (resource 103, "日めくりカレンダー").
//
// A thin window around DayPageContent: it keeps the shown date, asks the
// content for the page at every change and paints it on the page control,
// and routes the three spins, the check box, "?", "..." and the double
// click.  Control ids are the objectNames: 1 OK, 1007/1013/1021 the year,
// month and day boxes with their spins, 1011 the check box, 1027 "?", 1033
// the page, 1035 "...", 1041 the schedule edit.
//
//   CDayCalendarDialog dialog(owner);      // owner may be null
//   korvane::DoModal(dialog);
#include <QDialog>
#include <memory>

#include "content/day_page_content.h"
#include "render/font_maker.h"
#include "render/page_export.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace korvane {
class StepBox;
}

class CDayCalendarDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CDayCalendarDialog(QWidget* owner = nullptr);
  ~CDayCalendarDialog() override;

  const korvane::DayDate& date() const { return date_; }
  int place() const { return place_; }
  // Shows another date (what the spins do, without them).
  void SetDate(const korvane::DayDate& date);
  // The page as it is painted now.
  const korvane::DayPage& page() const { return page_; }

  // The spins: a step of `steps` from the shown value.
  void StepYear(int steps);
  void StepMonth(int steps);
  void StepDay(int steps);
  // "?": the dialog's tip (55) into the settings, then the tips.
  void ShowTip();
  // "...": the haiku of the shown day.
  void ShowHaiku();
  // The check box: "onedayview" 0 <-> 1.
  void ToggleStartupView();
  // The page's own menu (a right click, or the menu key): エクスポート...
  // writes the page as the control shows it into a PDF or a PNG, 印刷...
  // prints it.
  void ExportPage();
  void PrintPage();

  korvane::StepBox* yearBox() const { return yearBox_; }
  korvane::StepBox* monthBox() const { return monthBox_; }
  korvane::StepBox* dayBox() const { return dayBox_; }
  QCheckBox* startupCheck() const { return startupCheck_; }
  QPushButton* haikuButton() const { return haikuButton_; }
  QPlainTextEdit* scheduleEdit() const { return scheduleEdit_; }
  QWidget* pageWidget() const { return pageWidget_; }

  // The tip topic of the "?" button.
  static constexpr int kTipTopic = 55;

  // The page as the page control paints it, for the exports.
  korvane::PagePainting Painting() const;
  // Paints the page onto `painter` (the page control's coordinates).
  void PaintPage(QPainter& painter);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  void Greet();

  std::unique_ptr<korvane::DayPageContent> content_;
  std::unique_ptr<korvane::DayTextData> textData_;
  korvane::DayDate date_;
  int place_ = 39;
  // The place of the code, one of the table's or of the user's.
  ObservingPlace site_;
  korvane::DayPage page_;
  CFont editFont_;
  korvane::GridSystemColors colors_;

  QWidget* pageWidget_ = nullptr;
  korvane::StepBox* yearBox_ = nullptr;
  korvane::StepBox* monthBox_ = nullptr;
  korvane::StepBox* dayBox_ = nullptr;
  QCheckBox* startupCheck_ = nullptr;
  QPushButton* tipButton_ = nullptr;
  QPushButton* haikuButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPlainTextEdit* scheduleEdit_ = nullptr;
};

namespace korvane {
// The shell's entry: the dialog, modal, over `owner` (may be null).
void RunDayCalendarDialog(QWidget* owner);
}  // namespace korvane
