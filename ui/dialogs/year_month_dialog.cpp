#include "ui/dialogs/year_month_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

#include "astro/location_table.h"
#include "render/font_maker.h"
#include "state/app_settings.h"
#include "state/display_state.h"

namespace korvane {

StepBox::StepBox(QWidget* parent) : QAbstractSpinBox(parent) {
  // A year may be typed as well as stepped; the dialog takes the text on
  // OK or Enter, or before the next spin step.
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setAccelerated(false);
  setKeyboardTracking(false);
  // The line edit's own modified flag does not survive Enter (the spin box
  // clears the edit's undo state there), so typing is noted here.
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
}

void StepBox::stepBy(int steps) {
  // Qt asks for 10 at once on PageUp/PageDown, Ctrl+arrows and a Ctrl+wheel
  // turn; the up-down control this box stands for only ever steps by one.
  if (steps != 0) emit stepped(steps > 0 ? 1 : -1);
}

void StepBox::SetText(const QString& text) {
  lineEdit()->setText(text);
  typed_ = false;
}

QString StepBox::Text() const { return lineEdit()->text(); }

bool StepBox::Typed() const { return typed_; }

void StepBox::FitWidth(const QString& widest) {
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  const QFontMetrics metrics(font());
  // The text with the line edit's margins (two pixels a side), then the
  // style's frame and arrows around it.
  const QSize text(metrics.horizontalAdvance(widest) + 4, metrics.height());
  const int needed = style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this).width();
  if (needed > width()) resize(needed, height());
}

}  // namespace korvane

using korvane::YearMonthDialogState;

CYearMonthDialog::CYearMonthDialog(int mode, korvane::YearRangeKind rangeKind, int year, int month, int presetArea,
                                   QWidget* parent)
    : QDialog(parent), state_(mode, rangeKind, year, month, presetArea) {
  const QFont font = korvane::DialogFont();
  setFont(font);
  // The controls keep their places in dialog units, inside the margins of
  // the platform's dialog style and under the caption's range line; the
  // place row is there only in the mode that shows it, so no mode has an
  // empty band.
  const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
  const bool showsPlace = state_.ShowsPlace();
  rangeLabel_ = new QLabel(QString::fromStdString(state_.Caption()), this);
  rangeLabel_->setObjectName("range");
  const QSize rangeSize = rangeLabel_->sizeHint();
  rangeLabel_->setGeometry(margin, margin, rangeSize.width(), rangeSize.height());
  // Dialog units below the range line: the rows from y = 30 move up by the
  // 25 units of the place row when it is hidden.
  const int top = margin + rangeSize.height() + style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) -
                  korvane::DialogUnitsToPixels(font, 0, showsPlace ? 5 : 30, 0, 0).y();
  auto at = [&font, margin, top](int x, int y, int w, int h) {
    return korvane::DialogUnitsToPixels(font, x, y, w, h).translated(margin, top);
  };
  auto place = [&at](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(at(x, y, w, h));
  };

  placeLabel_ = new QLabel(QStringLiteral("地域名"), this);
  placeLabel_->setObjectName("1014");
  place(placeLabel_, 0, 10, 30, 10);

  placeList_ = new QComboBox(this);
  placeList_->setObjectName("1025");
  // A drop-down whose text field shows the current place; the list is where
  // a place is picked, so the field itself takes no typing.
  placeList_->setEditable(true);
  placeList_->lineEdit()->setReadOnly(true);
  placeList_->setInsertPolicy(QComboBox::NoInsert);
  placeList_->setMaxVisibleItems(12);
  {
    QRect r = at(30, 5, 50, 60);
    r.setHeight(placeList_->sizeHint().height());
    placeList_->setGeometry(r);
  }

  yearLabel_ = new QLabel(QStringLiteral("年"), this);
  yearLabel_->setObjectName("1042");
  place(yearLabel_, 0, 30, 35, 10);
  monthLabel_ = new QLabel(QStringLiteral("月"), this);
  monthLabel_->setObjectName("1029");
  place(monthLabel_, 45, 30, 35, 10);

  // Each box and its up-down control form one widget spanning both.
  yearBox_ = new korvane::StepBox(this);
  yearBox_->setObjectName("1016");
  place(yearBox_, 0, 40, 34, 15);
  monthBox_ = new korvane::StepBox(this);
  monthBox_->setObjectName("1018");
  place(monthBox_, 45, 40, 34, 15);
  yearBox_->FitWidth(QStringLiteral("0000"));
  monthBox_->FitWidth(QStringLiteral("閏12"));
  // A year box made wider by its text pushes the month's column along.
  for (QWidget* right : {static_cast<QWidget*>(monthLabel_), static_cast<QWidget*>(monthBox_)}) {
    const int gap = yearBox_->geometry().right() + 1 + margin / 2 - right->x();
    if (gap > 0) right->move(right->x() + gap, right->y());
  }

  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setObjectName("1");
  okButton_->setDefault(true);
  okButton_->setAutoDefault(true);
  place(okButton_, 0, 60, 35, 14);
  cancelButton_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cancelButton_->setObjectName("2");
  cancelButton_->setAutoDefault(false);
  place(cancelButton_, 45, 60, 35, 14);

  // As large as what it holds, with the margins around; at least as wide as
  // the caption, so the title bar can show the range whole too.
  QRect content;
  for (QWidget* child : {static_cast<QWidget*>(rangeLabel_), static_cast<QWidget*>(placeLabel_),
                         static_cast<QWidget*>(placeList_), static_cast<QWidget*>(yearLabel_),
                         static_cast<QWidget*>(monthLabel_), static_cast<QWidget*>(yearBox_),
                         static_cast<QWidget*>(monthBox_), static_cast<QWidget*>(okButton_),
                         static_cast<QWidget*>(cancelButton_)}) {
    if (!showsPlace && (child == placeLabel_ || child == placeList_)) continue;
    if (!state_.ShowsMonth() && (child == monthLabel_ || child == monthBox_)) continue;
    content |= child->geometry();
  }
  const int captionWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                               .horizontalAdvance(QString::fromStdString(state_.Caption())) +
                           2 * style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4 * margin;
  setFixedSize(std::max(content.right() + 1 + margin, captionWidth), content.bottom() + 1 + margin);

  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(yearBox_, &korvane::StepBox::stepped, this, [this](int steps) {
    TakeTyped();
    state_.StepYear(steps);
    Refresh();
  });
  connect(monthBox_, &korvane::StepBox::stepped, this, [this](int steps) {
    TakeTyped();
    state_.StepMonth(steps);
    Refresh();
  });
  connect(placeList_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
    if (index >= 0) state_.ChoosePlace(index);
  });

  // Initialisation: the month text, the place list in mode 20, the controls
  // the mode hides, the caption and the shared place.
  state_.Initialise(AreaCode);
  if (state_.ShowsPlace()) {
    // The 87 of the table, then the user's own places; the list opens at
    // the current place, not at its first entry.
    for (int i = 0; i < Places.Count(); ++i)
      placeList_->addItem(QString::fromStdString(Places.Name(i)));
    if (state_.area() >= 0 && state_.area() < Places.Count()) {
      placeList_->setCurrentIndex(state_.area());
    } else {
      placeList_->setCurrentIndex(-1);
    }
    placeList_->setEditText(QString::fromStdString(Places.Name(state_.area())));
  }
  if (!state_.ShowsMonth()) {
    monthBox_->hide();
    monthLabel_->hide();
  }
  if (!state_.ShowsPlace()) {
    placeLabel_->hide();
    placeList_->hide();
  }
  setWindowTitle(QString::fromStdString(state_.Caption()));
  Refresh();
}

CYearMonthDialog::~CYearMonthDialog() = default;

void CYearMonthDialog::Refresh() {
  yearBox_->SetText(QString::number(state_.year()));
  monthBox_->SetText(QString::fromStdString(state_.monthText()));
}

void CYearMonthDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Centred over the owner window.
  if (QWidget* owner = parentWidget()) {
    QRect frame = frameGeometry();
    frame.moveCenter(owner->window()->frameGeometry().center());
    move(frame.topLeft());
  }
}

bool CYearMonthDialog::TakeTyped() {
  if (!yearBox_->Typed() && !monthBox_->Typed()) return true;
  const bool taken = state_.TakeTyped(yearBox_->Text().toStdString(),
                                      monthBox_->Typed() ? monthBox_->Text().toStdString() : "");
  Refresh();
  return taken;
}

void CYearMonthDialog::accept() {
  // Text that is no year or month keeps the dialog open, showing the
  // values it had; an out-of-range one is taken at the nearest bound.
  if (!TakeTyped()) return;
  // A place picked from the list is the new observing place at once.
  if (state_.Accept(placeList_->currentIndex())) AppSettings::Instance().SetAreaCode(state_.area());
  QDialog::accept();
}
