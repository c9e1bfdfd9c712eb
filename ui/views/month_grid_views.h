#pragma once
// The month-grid view kinds: nine Gregorian (CG...), the notes calendar
// among them, and eight lunisolar (CQ...).  Each is a thin window around its MonthGridContent: it
// keeps the month it shows, asks the content for the page at every repaint
// and paints it, and routes the mouse and the commands 32773 (the
// year/month dialog) and 32789 (the kind's tip).  The navigation keys page
// through the months: PageDown / PageUp (and the wheel) a month,
// Ctrl+PageDown / Ctrl+PageUp a year, Home today's month.
#include <QPoint>
#include <memory>

#include "render/font_maker.h"
#include "framework/view.h"
#include "render/page_export.h"
#include "content/grid/month_grid_content.h"
#include "content/month_step.h"

class MonthGridView : public CView {
  Q_OBJECT
 public:
  explicit MonthGridView(korvane::GridKind kind);
  ~MonthGridView() override;

  const korvane::GridKindInfo& info() const { return content_->info(); }
  int year() const { return year_; }
  int month() const { return month_; }
  // Shows another month (what the dialog's OK does, without the dialog and
  // without touching the shared display state).
  void SetMonth(int year, int month);
  // The page as the next repaint draws it, for the client size and today.
  korvane::GridPage CurrentPage();
  // That page ready to be painted, on the window or into a file.
  korvane::PagePainting CurrentPainting();

  bool OnCreate() override;
  // Shown: the keys work at once.
  void OnInitialUpdate() override;
  void OnDraw(QPainter& painter) override;
  void OnLButtonDown(QPoint point) override;
  void OnRButtonDown(QPoint point) override;
  // The holidays follow the switched rules at once.
  void OnLawChanged() override;

  // Command 32773: the year/month dialog; on OK the view moves to the
  // chosen month and the shared display month follows it.
  void ChooseMonth();
  // A navigation step: the month shown as an OK in the dialog would show it
  // (the title, and the shared display month that the next view opens at).
  void ShowMonth(korvane::ShownMonth month);
  void StepMonth(int delta) { ShowMonth(stepper_.StepMonth({year_, month_}, delta)); }
  void StepYear(int delta) { ShowMonth(stepper_.StepYear({year_, month_}, delta)); }
  void ShowToday();

  // Command 32789: the kind's tip number into the settings, then the tips.
  void ShowTip();
  // エクスポート...: the page as the window shows it, into a PDF or a PNG
  // of the window's size and sharpness.
  void ExportPage();
  // 印刷...: the page on one sheet.
  void PrintPage();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  std::unique_ptr<korvane::MonthGridContent> content_;
  korvane::MonthStepper stepper_;
  int wheelAngle_ = 0;  // eighths of a degree not yet turned into a step
  int year_ = 0;
  int month_ = 1;
  LogFont logFont_;
  CFont viewFont_;
  korvane::GridSystemColors colors_;
};

// One class per kind, so each is its own type to the registry and to tests.
class CGDayView : public MonthGridView {
  Q_OBJECT
 public:
  CGDayView() : MonthGridView(korvane::GridKind::CGDayView) {}
};
class CGSeasonView : public MonthGridView {
  Q_OBJECT
 public:
  CGSeasonView() : MonthGridView(korvane::GridKind::CGSeasonView) {}
};
class CGHolidayView : public MonthGridView {
  Q_OBJECT
 public:
  CGHolidayView() : MonthGridView(korvane::GridKind::CGHolidayView) {}
};
class CGWeek6View : public MonthGridView {
  Q_OBJECT
 public:
  CGWeek6View() : MonthGridView(korvane::GridKind::CGWeek6View) {}
};
class CGEtoView : public MonthGridView {
  Q_OBJECT
 public:
  CGEtoView() : MonthGridView(korvane::GridKind::CGEtoView) {}
};
class CGQDayView : public MonthGridView {
  Q_OBJECT
 public:
  CGQDayView() : MonthGridView(korvane::GridKind::CGQDayView) {}
};
class CGStar9View : public MonthGridView {
  Q_OBJECT
 public:
  CGStar9View() : MonthGridView(korvane::GridKind::CGStar9View) {}
};
class CGNormalView : public MonthGridView {
  Q_OBJECT
 public:
  CGNormalView() : MonthGridView(korvane::GridKind::CGNormalView) {}
};
class CQDayView : public MonthGridView {
  Q_OBJECT
 public:
  CQDayView() : MonthGridView(korvane::GridKind::CQDayView) {}
};
class CQWeek6View : public MonthGridView {
  Q_OBJECT
 public:
  CQWeek6View() : MonthGridView(korvane::GridKind::CQWeek6View) {}
};
class CQEtoView : public MonthGridView {
  Q_OBJECT
 public:
  CQEtoView() : MonthGridView(korvane::GridKind::CQEtoView) {}
};
class CQStar9View : public MonthGridView {
  Q_OBJECT
 public:
  CQStar9View() : MonthGridView(korvane::GridKind::CQStar9View) {}
};
class CQGDayView : public MonthGridView {
  Q_OBJECT
 public:
  CQGDayView() : MonthGridView(korvane::GridKind::CQGDayView) {}
};
class CQSeasonView : public MonthGridView {
  Q_OBJECT
 public:
  CQSeasonView() : MonthGridView(korvane::GridKind::CQSeasonView) {}
};
class CQHolidayView : public MonthGridView {
  Q_OBJECT
 public:
  CQHolidayView() : MonthGridView(korvane::GridKind::CQHolidayView) {}
};
class CQNormalView : public MonthGridView {
  Q_OBJECT
 public:
  CQNormalView() : MonthGridView(korvane::GridKind::CQNormalView) {}
};
class CGKoyomiView : public MonthGridView {
  Q_OBJECT
 public:
  CGKoyomiView() : MonthGridView(korvane::GridKind::CGKoyomiView) {}
};

// A new view of a month-grid kind.
MonthGridView* MakeMonthGridView(korvane::GridKind kind);
