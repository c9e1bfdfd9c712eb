#include "ui/dialogs/day_calendar_dialog.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <algorithm>
#include <ctime>

#include "render/day_page_painter.h"
#include "ui/dialogs/haiku_dialog.h"
#include "engine/calendar_names.h"
#include "engine/message_hook.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "state/display_state.h"
#include "ui/dialogs/shell_dialogs.h"
#include "ui/dialogs/year_month_dialog.h"
#include "ui/page_commands.h"

namespace korvane {
namespace {

// The page control: everything on it is painted by the dialog.  Mouse
// presses pass through to the dialog, as on a static control.
class DayPageWidget : public QWidget {
 public:
  explicit DayPageWidget(CDayCalendarDialog* dialog) : QWidget(dialog), dialog_(dialog) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    dialog_->PaintPage(painter);
  }

 private:
  CDayCalendarDialog* dialog_;
};

}  // namespace

void RunDayCalendarDialog(QWidget* owner) {
  CDayCalendarDialog dialog(owner);
  DoModal(dialog);
}

}  // namespace korvane

using korvane::DayDate;

CDayCalendarDialog::CDayCalendarDialog(QWidget* owner)
    : QDialog(owner), content_(std::make_unique<korvane::DayPageContent>(CurrentLaw)) {
  AppSettings& settings = AppSettings::Instance();
  const QFont font = korvane::DialogFont();
  setFont(font);
  setWindowTitle(QStringLiteral("日めくりカレンダー"));
  auto place = [&font](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(korvane::DialogUnitsToPixels(font, x, y, w, h));
  };

  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setObjectName("1");
  okButton_->setDefault(true);
  place(okButton_, 110, 230, 35, 15);
  // Each box and its up-down control (aligned at the box's right) form one widget.
  yearBox_ = new korvane::StepBox(this);
  yearBox_->setObjectName("1007");
  place(yearBox_, 5, 230, 30, 15);
  monthBox_ = new korvane::StepBox(this);
  monthBox_->setObjectName("1013");
  place(monthBox_, 40, 230, 20, 15);
  dayBox_ = new korvane::StepBox(this);
  dayBox_->setObjectName("1021");
  place(dayBox_, 65, 230, 25, 15);
  for (korvane::StepBox* box : {yearBox_, monthBox_, dayBox_})
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  yearBox_->FitWidth(QStringLiteral("0000"));
  monthBox_->FitWidth(QStringLiteral("00"));
  dayBox_->FitWidth(QStringLiteral("00"));
  startupCheck_ = new QCheckBox(QStringLiteral("起動時に表示(&S)"), this);
  startupCheck_->setObjectName("1011");
  place(startupCheck_, 0, 250, 60, 11);
  tipButton_ = new QPushButton(QStringLiteral("?"), this);
  tipButton_->setObjectName("1027");
  tipButton_->setAutoDefault(false);
  place(tipButton_, 120, 250, 15, 10);
  pageWidget_ = new korvane::DayPageWidget(this);
  pageWidget_->setObjectName("1033");
  place(pageWidget_, 0, 0, 150, 195);
  haikuButton_ = new QPushButton(QStringLiteral("..."), this);
  haikuButton_->setObjectName("1035");
  haikuButton_->setAutoDefault(false);
  place(haikuButton_, 135, 180, 10, 10);
  haikuButton_->raise();
  scheduleEdit_ = new QPlainTextEdit(this);
  scheduleEdit_->setObjectName("1041");
  scheduleEdit_->setReadOnly(true);
  place(scheduleEdit_, 0, 195, 150, 30);
  setFixedSize(korvane::DialogUnitsToPixels(font, 0, 0, 151, 265).size());
  colors_ = korvane::GridSystemColors::FromPalette(palette());

  // 1. The edit font: the program's face, three lines to the edit.  The
  // viewport is laid out only when the dialog is shown; its height is the
  // edit's less the frame.  The document's own margin is kept small so
  // that the three lines fill the box, and the face is lowered where its
  // line spacing would push the third line out of it.
  scheduleEdit_->document()->setDocumentMargin(1);
  const int viewportHeight = scheduleEdit_->contentsRect().height();
  LogFont logFont = FontMaker::DefaultLogFont();
  int editHeight = std::max(1, (viewportHeight - 6) / 3);
  for (; editHeight > 1; --editHeight) {
    CFont trial;
    logFont.height = -editHeight;
    if (trial.CreateFontIndirect(logFont) &&
        3 * QFontMetrics(trial.Font()).lineSpacing() + 2 <= viewportHeight)
      break;
  }
  logFont.height = -editHeight;
  if (!editFont_.CreateFontIndirect(logFont)) {
    logFont.height = -12;
    editFont_.CreateFontIndirect(logFont);
  }
  scheduleEdit_->setFont(editFont_.Font());

  // 2. Today, inside the years the page can show.
  CalendarNames calendar;
  int year = 0;
  int month = 0;
  int day = calendar.Today(year, month);
  if (year < korvane::kDayPageFirstYear) {
    year = korvane::kDayPageFirstYear;
    month = 1;
    day = 1;
  } else if (year > korvane::kDayPageLastYear) {
    year = korvane::kDayPageLastYear;
    month = 12;
    day = 31;
  }
  date_ = DayDate{year, month, day};

  // 3. The check box only when there is a main window to come back to.
  if (ShowMainWindow != 0) {
    startupCheck_->setChecked(settings.GetOneDayView() != 0);
  } else {
    settings.SetOneDayView(1);
    startupCheck_->hide();
  }

  // 4. The place, and the text data: the normal temperatures of its
  // station are read once, here.
  place_ = settings.GetAreaCode();
  site_ = Places.At(place_);
  textData_ = std::make_unique<korvane::DayTextData>(settings.ProgramDirectory(), site_);

  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(yearBox_, &korvane::StepBox::stepped, this, [this](int s) { StepYear(s); });
  connect(monthBox_, &korvane::StepBox::stepped, this, [this](int s) { StepMonth(s); });
  connect(dayBox_, &korvane::StepBox::stepped, this, [this](int s) { StepDay(s); });
  connect(startupCheck_, &QCheckBox::clicked, this, [this] { ToggleStartupView(); });
  connect(tipButton_, &QPushButton::clicked, this, [this] { ShowTip(); });
  connect(haikuButton_, &QPushButton::clicked, this, [this] { ShowHaiku(); });
  // Ctrl+P prints the page, as in the main window.
  auto* print = new QShortcut(QKeySequence::Print, this);
  connect(print, &QShortcut::activated, this, [this] { PrintPage(); });

  Refresh();
  // 5. The solar term of the day, once a day.
  Greet();
}

CDayCalendarDialog::~CDayCalendarDialog() = default;

void CDayCalendarDialog::Greet() {
  AppSettings& settings = AppSettings::Instance();
  CalendarNames calendar;
  int year = 0;
  int month = 0;
  const int day = calendar.Today(year, month);
  const std::string today = korvane::DateText(year, month, day);
  const int term = content_->TermCode(year, month, day);
  if (!korvane::GreetingDue(settings.GetLastDate(), today, term)) return;
  korvane::ShowNotice(content_->TermGreeting(term));
  settings.SetLastDate(today);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  settings.SetLastTime(korvane::TimeText(local.tm_hour, local.tm_min, local.tm_sec));
}

void CDayCalendarDialog::SetDate(const DayDate& date) {
  date_ = date;
  Refresh();
}

void CDayCalendarDialog::Refresh() {
  yearBox_->SetText(QString::number(date_.year));
  monthBox_->SetText(QString::number(date_.month));
  dayBox_->SetText(QString::number(date_.day));

  const korvane::DayPageExtras extras = textData_->For(date_.year, date_.month, date_.day);
  const QRect r = pageWidget_->rect();
  page_ = content_->Page(date_.year, date_.month, date_.day, site_,
                         korvane::GridRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, extras);
  setWindowTitle(QString::fromStdString(page_.title));
  haikuButton_->setVisible(page_.haikuButtonShown);
  QStringList lines;
  for (const std::string& line : korvane::ScheduleLines(page_.scheduleText))
    lines << QString::fromStdString(line);
  scheduleEdit_->setPlainText(lines.join('\n'));
  pageWidget_->update();
}

korvane::PagePainting CDayCalendarDialog::Painting() const {
  return korvane::DayPainting(page_, editFont_, colors_, palette().color(QPalette::Window));
}

void CDayCalendarDialog::PaintPage(QPainter& painter) { korvane::PaintPage(painter, Painting()); }

void CDayCalendarDialog::StepYear(int steps) {
  bool beep = false;
  date_ = korvane::StepDayYear(date_, date_.year + steps, beep);
  if (beep) korvane::Beep();
  Refresh();
}

void CDayCalendarDialog::StepMonth(int steps) {
  bool beep = false;
  date_ = korvane::StepDayMonth(date_, date_.month + steps, beep);
  if (beep) korvane::Beep();
  Refresh();
}

void CDayCalendarDialog::StepDay(int steps) {
  bool beep = false;
  date_ = korvane::StepDayDay(date_, date_.day + steps, beep);
  if (beep) korvane::Beep();
  Refresh();
}

void CDayCalendarDialog::ShowTip() {
  AppSettings::Instance().SetOnePoint(kTipTopic);
  if (korvane::Dialogs().tips) korvane::Dialogs().tips(this);
}

void CDayCalendarDialog::ShowHaiku() {
  korvane::RunHaikuDialog(korvane::DayPageContent::HaikuIndex(date_.year, date_.month, date_.day),
                          this);
}

void CDayCalendarDialog::ToggleStartupView() {
  AppSettings& settings = AppSettings::Instance();
  const int show = settings.GetOneDayView() != 0 ? 0 : 1;
  settings.SetOneDayView(show);
  startupCheck_->setChecked(show != 0);
}

void CDayCalendarDialog::ExportPage() {
  // The page's title names only the year: the file is named by the day.
  korvane::ExportPageWithDialog(
      this, Painting(), pageWidget_->size(), pageWidget_->devicePixelRatioF(),
      QString::asprintf("日めくり_%04d-%02d-%02d", date_.year, date_.month, date_.day));
}

void CDayCalendarDialog::PrintPage() { korvane::PrintPageWithDialog(this, Painting()); }

void CDayCalendarDialog::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  connect(menu.addAction(QStringLiteral("エクスポート(&E)...")), &QAction::triggered, this,
          [this] { ExportPage(); });
  QAction* print = menu.addAction(QStringLiteral("印刷(&P)..."));
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, [this] { PrintPage(); });
  menu.exec(event->globalPos());
}

void CDayCalendarDialog::mouseDoubleClickEvent(QMouseEvent* event) {
  // Without a main window, a double click asks for it at the next start.
  if (ShowMainWindow == 0) {
    korvane::ShowNotice("次の起動から\n本体を表示します.");
    ShowMainWindow = 1;
    AppSettings::Instance().SetOneDayWindow(1);
  }
  QDialog::mouseDoubleClickEvent(event);
}

void CDayCalendarDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Centred over the owner window.
  if (QWidget* owner = parentWidget()) {
    QRect frame = frameGeometry();
    frame.moveCenter(owner->window()->frameGeometry().center());
    move(frame.topLeft());
  }
}
