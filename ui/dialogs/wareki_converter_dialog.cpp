#include "ui/dialogs/wareki_converter_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "content/command_ids.h"
#include "engine/calendar_names.h"
#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "render/font_maker.h"
#include "framework/message_box.h"
#include "state/display_state.h"

namespace {

QSpinBox* Spin(int min, int max, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(min, max);
  return spin;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A row's label whose mnemonic moves the focus to the row's first field.
QLabel* Label(const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(Q(text), parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

CWarekiConverterDlg::CWarekiConverterDlg(QWidget* parent)
    : QDialog(parent), content_(std::make_unique<korvane::WarekiConverterContent>(CurrentLaw)) {
  setFont(korvane::DialogFont());
  setWindowTitle(Q(korvane::Format("%s - 和暦・西暦変換", korvane::kAppTitle)));

  auto* grid = new QGridLayout;
  int row = 0;
  text_ = new QLineEdit(this);
  text_->setPlaceholderText(Q("天保3年閏11月5日, 1832-12-26, J1582-10-04, 旧1832-11-05, JDN2390544"));
  textButton_ = new QPushButton(Q("変換"), this);
  textButton_->setDefault(true);
  grid->addWidget(Label("日付(&T)", text_, this), row, 0);
  grid->addWidget(text_, row, 1, 1, 5);
  grid->addWidget(textButton_, row, 6);
  ++row;

  era_ = new QComboBox(this);
  for (const std::string& name : content_->EraChoices()) era_->addItem(Q(name));
  era_->setMaxVisibleItems(20);
  eraYear_ = Spin(1, 99, this);
  warekiMonth_ = Spin(1, 12, this);
  warekiLeap_ = new QCheckBox(Q("閏"), this);
  warekiDay_ = Spin(1, 31, this);
  warekiButton_ = new QPushButton(Q("和暦から"), this);
  grid->addWidget(Label("和暦(&W)", era_, this), row, 0);
  auto* warekiRow = new QHBoxLayout;
  warekiRow->addWidget(era_);
  warekiRow->addWidget(eraYear_);
  warekiRow->addWidget(new QLabel(Q("年"), this));
  warekiRow->addWidget(warekiLeap_);
  warekiRow->addWidget(warekiMonth_);
  warekiRow->addWidget(new QLabel(Q("月"), this));
  warekiRow->addWidget(warekiDay_);
  warekiRow->addWidget(new QLabel(Q("日"), this));
  grid->addLayout(warekiRow, row, 1, 1, 5);
  grid->addWidget(warekiButton_, row, 6);
  ++row;
  eraStart_ = new QLabel(this);
  grid->addWidget(eraStart_, row, 1, 1, 5);
  ++row;

  lunisolarYear_ = Spin(LunisolarTable::firstYear, LunisolarTable::lastYear, this);
  lunisolarMonth_ = Spin(1, 12, this);
  lunisolarLeap_ = new QCheckBox(Q("閏"), this);
  lunisolarDay_ = Spin(1, 30, this);
  lunisolarButton_ = new QPushButton(Q("旧暦から"), this);
  grid->addWidget(Label("旧暦(&Q)", lunisolarYear_, this), row, 0);
  auto* lunisolarRow = new QHBoxLayout;
  lunisolarRow->addWidget(lunisolarYear_);
  lunisolarRow->addWidget(new QLabel(Q("年"), this));
  lunisolarRow->addWidget(lunisolarLeap_);
  lunisolarRow->addWidget(lunisolarMonth_);
  lunisolarRow->addWidget(new QLabel(Q("月"), this));
  lunisolarRow->addWidget(lunisolarDay_);
  lunisolarRow->addWidget(new QLabel(Q("日"), this));
  lunisolarRow->addStretch();
  grid->addLayout(lunisolarRow, row, 1, 1, 5);
  grid->addWidget(lunisolarButton_, row, 6);
  ++row;

  westernYear_ = Spin(593, 2051, this);
  westernMonth_ = Spin(1, 12, this);
  westernDay_ = Spin(1, 31, this);
  julian_ = new QCheckBox(Q("ユリウス暦"), this);
  westernButton_ = new QPushButton(Q("西暦から"), this);
  grid->addWidget(Label("西暦(&G)", westernYear_, this), row, 0);
  auto* westernRow = new QHBoxLayout;
  westernRow->addWidget(westernYear_);
  westernRow->addWidget(new QLabel(Q("年"), this));
  westernRow->addWidget(westernMonth_);
  westernRow->addWidget(new QLabel(Q("月"), this));
  westernRow->addWidget(westernDay_);
  westernRow->addWidget(new QLabel(Q("日"), this));
  westernRow->addWidget(julian_);
  westernRow->addStretch();
  grid->addLayout(westernRow, row, 1, 1, 5);
  grid->addWidget(westernButton_, row, 6);
  ++row;

  error_ = new QLabel(this);
  error_->setObjectName("error");
  QPalette red = error_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  error_->setPalette(red);
  grid->addWidget(error_, row, 0, 1, 7);
  ++row;

  resultView_ = new QPlainTextEdit(this);
  resultView_->setReadOnly(true);
  resultView_->setTabStopDistance(QFontMetrics(font()).horizontalAdvance(QString(12, u'0')));
  const int lineHeight = QFontMetrics(font()).lineSpacing();
  resultView_->setMinimumHeight(lineHeight * 12);
  grid->addWidget(resultView_, row, 0, 1, 7);
  ++row;
  grid->addWidget(new QLabel(Q("* その日の西洋の日付のふつうの書き方(1582年10月15日より前はユリウス暦)"), this),
                  row, 0, 1, 7);
  ++row;

  auto* buttons = new QDialogButtonBox(this);
  copy_ = buttons->addButton(Q("コピー(&C)"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(Q("閉じる"), QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  connect(textButton_, &QPushButton::clicked, this,
          [this] { Show(content_->FromText(text_->text().toStdString())); });
  connect(text_, &QLineEdit::returnPressed, textButton_, &QPushButton::click);
  connect(warekiButton_, &QPushButton::clicked, this, [this] {
    Show(content_->FromWareki(era_->currentIndex(), eraYear_->value(), warekiMonth_->value(),
                              warekiLeap_->isChecked(), warekiDay_->value()));
  });
  connect(lunisolarButton_, &QPushButton::clicked, this, [this] {
    Show(content_->FromLunisolar(lunisolarYear_->value(), lunisolarMonth_->value(),
                                 lunisolarLeap_->isChecked(), lunisolarDay_->value()));
  });
  connect(westernButton_, &QPushButton::clicked, this, [this] {
    Show(content_->FromWestern(westernYear_->value(), westernMonth_->value(), westernDay_->value(),
                               julian_->isChecked()));
  });
  connect(era_, &QComboBox::currentIndexChanged, this, [this] { ShowEraStart(); });
  connect(copy_, &QPushButton::clicked, this, [this] {
    if (result_.ok()) QApplication::clipboard()->setText(Q(korvane::WarekiConverterContent::Text(result_)));
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  // Opens on today, or on the first day when the clock is outside the range.
  int year = 0;
  int month = 0;
  const int day = CalendarNames().Today(year, month);
  korvane::ConverterResult today = content_->FromWestern(year, month, day, false);
  Show(today.ok() ? today : content_->FromDay(EraDays::firstJdn));
  text_->setFocus();
}

CWarekiConverterDlg::~CWarekiConverterDlg() = default;

void CWarekiConverterDlg::Show(const korvane::ConverterResult& result) {
  if (!result.ok()) {
    error_->setText(Q(result.error));
    return;
  }
  error_->clear();
  result_ = result;
  resultView_->setPlainText(Q(korvane::WarekiConverterContent::Text(result_)).trimmed());
  SetPickers(result_.fields);
  copy_->setEnabled(true);
}

void CWarekiConverterDlg::SetPickers(const korvane::ConverterFields& f) {
  era_->setCurrentIndex(f.era);
  eraYear_->setValue(f.eraYear);
  warekiMonth_->setValue(f.warekiMonth);
  warekiLeap_->setChecked(f.warekiLeap);
  warekiDay_->setValue(f.warekiDay);
  lunisolarYear_->setValue(f.lunisolarYear);
  lunisolarMonth_->setValue(f.lunisolarMonth);
  lunisolarLeap_->setChecked(f.lunisolarLeap);
  lunisolarDay_->setValue(f.lunisolarDay);
  const GregorianDate& western = julian_->isChecked() ? f.julian : f.gregorian;
  westernYear_->setValue(western.year);
  westernMonth_->setValue(western.month);
  westernDay_->setValue(western.day);
  ShowEraStart();
}

void CWarekiConverterDlg::ShowEraStart() {
  eraStart_->setText(Q(content_->EraStartText(era_->currentIndex())));
}

namespace korvane {

void RunWarekiConverterDialog(QWidget* owner) {
  CWarekiConverterDlg dialog(owner);
  DoModal(dialog);
}

}  // namespace korvane
