#include "ui/views/month_grid_views.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "engine/calendar_names.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "state/display_state.h"
#include "ui/dialogs/shell_dialogs.h"
#include "ui/dialogs/year_month_dialog.h"
#include "content/command_ids.h"
#include "ui/page_commands.h"

using korvane::GridKind;

MonthGridView::MonthGridView(GridKind kind)
    : content_(std::make_unique<korvane::MonthGridContent>(kind, CurrentLaw)),
      // The colours are those of the system when the view is made.
      stepper_(content_->info().dialogMode(), korvane::YearRangeOf(content_->info().rangeKind())),
      colors_(korvane::GridSystemColors::FromPalette(palette())) {
  SetResourceId(content_->info().resourceId());
  setFocusPolicy(Qt::StrongFocus);
  HandleCommand(korvane::ID_STEP_PREVIOUS, [this] { StepMonth(-1); });
  HandleCommand(korvane::ID_STEP_NEXT, [this] { StepMonth(+1); });
  HandleCommand(korvane::ID_STEP_TODAY, [this] { ShowToday(); });
  HandleCommand(korvane::ID_MONTH_SETTING, [this] { ChooseMonth(); });
  HandleCommand(korvane::ID_ONE_POINT, [this] { ShowTip(); });
  HandleCommand(korvane::ID_FILE_EXPORT, [this] { ExportPage(); });
  HandleCommand(korvane::ID_FILE_PRINT, [this] { PrintPage(); });
}

MonthGridView::~MonthGridView() = default;

void MonthGridView::SetMonth(int year, int month) {
  year_ = year;
  month_ = month;
  update();
}

bool MonthGridView::OnCreate() {
  const MonthOfYear& shared = info().lunisolar ? LunarDisplayMonth : DisplayMonth;
  // The shared month may come from a view of another kind whose years reach
  // further (a plain calendar in 1700, then a nine-star calendar, which
  // cannot compute that year): start inside this kind's own years, so the
  // view never asks its engine objects for a year they do not cover.
  const korvane::YearRange range = korvane::YearRangeOf(info().rangeKind());
  year_ = std::clamp(shared.year, range.min, range.max);
  month_ = std::clamp(shared.month, 1, content_->MonthsInYear(year_));
  logFont_ = FontMaker::DefaultLogFont();
  viewFont_.CreateFontIndirect(logFont_);
  setFont(viewFont_.Font());
  return true;
}

void MonthGridView::OnInitialUpdate() {
  CView::OnInitialUpdate();
  setFocus(Qt::OtherFocusReason);
}

korvane::GridPage MonthGridView::CurrentPage() {
  CalendarNames calendar;
  korvane::GridToday today;
  today.day = calendar.Today(today.year, today.month);
  return content_->Page(year_, month_, width(), height(), today);
}

korvane::PagePainting MonthGridView::CurrentPainting() {
  korvane::GridPage page = CurrentPage();
  SetTitle(page.title);
  if (!viewFont_.IsValid()) {
    logFont_ = FontMaker::DefaultLogFont();
    viewFont_.CreateFontIndirect(logFont_);
  }
  return korvane::GridPainting(page, viewFont_, colors_);
}

void MonthGridView::OnDraw(QPainter& painter) { korvane::PaintPage(painter, CurrentPainting()); }

void MonthGridView::OnLawChanged() {
  content_ = std::make_unique<korvane::MonthGridContent>(info().kind, CurrentLaw);
  CView::OnLawChanged();
}

void MonthGridView::OnLButtonDown(QPoint) {
  // A left click selects nothing in a month grid.
}

void MonthGridView::OnRButtonDown(QPoint) { ChooseMonth(); }

void MonthGridView::ChooseMonth() {
  const korvane::GridKindInfo& kind = info();
  CYearMonthDialog dialog(kind.dialogMode(), kind.rangeKind(), year_, month_, -1, this);
  if (korvane::DoModal(dialog) != QDialog::Accepted) return;
  year_ = dialog.year();
  month_ = dialog.month();
  // The next view of the same calendar opens at this month.
  MonthOfYear& shared = kind.lunisolar ? LunarDisplayMonth : DisplayMonth;
  shared.year = year_;
  shared.month = month_;
  update();
}

void MonthGridView::ShowMonth(korvane::ShownMonth month) {
  if (month == korvane::ShownMonth{year_, month_}) return;
  year_ = month.year;
  month_ = month.month;
  MonthOfYear& shared = info().lunisolar ? LunarDisplayMonth : DisplayMonth;
  shared.year = year_;
  shared.month = month_;
  // The caption follows at once, not at the next repaint (a minimised
  // window is not painted).
  SetTitle(CurrentPage().title);
  update();
}

void MonthGridView::ShowToday() {
  CalendarNames calendar;
  int year = 0, month = 0;
  const int day = calendar.Today(year, month);
  ShowMonth(stepper_.Today(year, month, day));
}

void MonthGridView::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  const bool plain = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ControlModifier)) == 0;
  if (plain) {
    switch (event->key()) {
      case Qt::Key_PageDown: ctrl ? StepYear(+1) : StepMonth(+1); return;
      case Qt::Key_PageUp: ctrl ? StepYear(-1) : StepMonth(-1); return;
      case Qt::Key_Home:
        if (!ctrl) {
          ShowToday();
          return;
        }
        break;
      default: break;
    }
  }
  CView::keyPressEvent(event);
}

void MonthGridView::wheelEvent(QWheelEvent* event) {
  // A notch (120) is a month; a touchpad's small turns add up to one.
  wheelAngle_ += event->angleDelta().y();
  while (wheelAngle_ >= 120) {
    wheelAngle_ -= 120;
    StepMonth(-1);
  }
  while (wheelAngle_ <= -120) {
    wheelAngle_ += 120;
    StepMonth(+1);
  }
  event->accept();
}

void MonthGridView::ShowTip() {
  AppSettings::Instance().SetOnePoint(info().tipNumber());
  if (korvane::TipsRunner tips = korvane::Dialogs().tips) tips(this);
}

void MonthGridView::ExportPage() {
  korvane::ExportPageWithDialog(this, CurrentPainting(), size(), devicePixelRatioF());
}

void MonthGridView::PrintPage() { korvane::PrintPageWithDialog(this, CurrentPainting()); }

MonthGridView* MakeMonthGridView(GridKind kind) {
  switch (kind) {
    case GridKind::CGDayView: return new CGDayView;
    case GridKind::CGSeasonView: return new CGSeasonView;
    case GridKind::CGHolidayView: return new CGHolidayView;
    case GridKind::CGWeek6View: return new CGWeek6View;
    case GridKind::CGEtoView: return new CGEtoView;
    case GridKind::CGQDayView: return new CGQDayView;
    case GridKind::CGStar9View: return new CGStar9View;
    case GridKind::CGNormalView: return new CGNormalView;
    case GridKind::CQDayView: return new CQDayView;
    case GridKind::CQWeek6View: return new CQWeek6View;
    case GridKind::CQEtoView: return new CQEtoView;
    case GridKind::CQStar9View: return new CQStar9View;
    case GridKind::CQGDayView: return new CQGDayView;
    case GridKind::CQSeasonView: return new CQSeasonView;
    case GridKind::CQHolidayView: return new CQHolidayView;
    case GridKind::CQNormalView: return new CQNormalView;
    case GridKind::CGKoyomiView: return new CGKoyomiView;
  }
  return nullptr;
}
