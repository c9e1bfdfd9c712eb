#include "ui/dialogs/places_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "render/font_maker.h"
#include "state/app_settings.h"
#include "state/display_state.h"

CPlacesDialog::CPlacesDialog(QWidget* parent)
    : QDialog(parent), editor_(Places.UserPlaces()) {
  setWindowTitle(QStringLiteral("地点の管理"));
  const QFont font = korvane::DialogFont();
  setFont(font);
  auto place = [&](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(korvane::DialogUnitsToPixels(font, x, y, w, h));
  };

  list_ = new QListWidget(this);
  list_->setObjectName("places");
  place(list_, 5, 5, 110, 150);

  auto field = [&](const char* label, const char* name, int y, int width) {
    place(new QLabel(QString::fromUtf8(label), this), 122, y + 2, 50, 10);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    place(edit, 175, y, width, 13);
    return edit;
  };
  name_ = field("名前", "name", 5, 90);
  latitude_ = field("緯度(北が正)", "latitude", 21, 90);
  longitude_ = field("経度(東が正)", "longitude", 37, 90);
  height_ = field("標高(m)", "height", 53, 40);
  offset_ = field("UTCとの時差", "offset", 69, 40);
  offset_->setText(QStringLiteral("+9"));
  name_->setMaxLength(20);

  auto* note = new QLabel(
      QStringLiteral("緯度・経度は 35.6544 のような度の小数か、35°39′16″N・"
                     "西経68度18分のような度分秒で入れます。標高は省略できます。"
                     "時差は時間で(+9、-3:30 など)、固定です。夏時間には従いません。"),
      this);
  note->setWordWrap(true);
  place(note, 122, 86, 143, 44);

  auto button = [&](const char* text, const char* name, int x, int y) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(name);
    place(b, x, y, 45, 14);
    return b;
  };
  QPushButton* add = button("追加(&A)", "add", 122, 134);
  QPushButton* change = button("変更(&C)", "change", 171, 134);
  QPushButton* remove = button("削除(&D)", "remove", 220, 134);
  connect(add, &QPushButton::clicked, this, [this] { AddPlace(); });
  connect(change, &QPushButton::clicked, this, [this] { ChangePlace(); });
  connect(remove, &QPushButton::clicked, this, [this] { RemovePlace(); });

  message_ = new QLabel(this);
  message_->setObjectName("message");
  place(message_, 5, 160, 260, 10);

  QPushButton* ok = button("OK", "IDOK", 171, 174);
  ok->setDefault(true);
  QPushButton* cancel = button("ｷｬﾝｾﾙ", "IDCANCEL", 220, 174);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ShowPlace(row); });

  Refill(-1);
  setFixedSize(korvane::DialogUnitsToPixels(font, 0, 0, 270, 193).size());
}

korvane::PlaceFields CPlacesDialog::Fields() const {
  return {name_->text().toStdString(), latitude_->text().toStdString(),
          longitude_->text().toStdString(), height_->text().toStdString(),
          offset_->text().toStdString()};
}

void CPlacesDialog::Edit(int index) {
  const std::string error =
      index < 0 ? editor_.Add(Fields()) : editor_.Replace(index, Fields());
  message_->setText(QString::fromStdString(error));
  if (!error.empty()) return;
  Refill(index < 0 ? static_cast<int>(editor_.places().size()) - 1 : index);
}

void CPlacesDialog::ChangePlace() {
  const int row = list_->currentRow();
  if (row < 0) {
    message_->setText(QStringLiteral("地点を選んでください"));
    return;
  }
  Edit(row);
}

void CPlacesDialog::RemovePlace() {
  const int row = list_->currentRow();
  if (row < 0) {
    message_->setText(QStringLiteral("地点を選んでください"));
    return;
  }
  editor_.Remove(row);
  message_->clear();
  Refill(std::min(row, static_cast<int>(editor_.places().size()) - 1));
}

void CPlacesDialog::Refill(int select) {
  const QSignalBlocker blocker(list_);
  list_->clear();
  for (const ObservingPlace& p : editor_.places()) {
    list_->addItem(QString::fromStdString(p.name + " (UTC" + FormatUtcOffset(p.utcOffset) + ")"));
  }
  list_->setCurrentRow(select);
}

void CPlacesDialog::ShowPlace(int row) {
  if (row < 0 || row >= static_cast<int>(editor_.places().size())) return;
  const korvane::PlaceFields f = korvane::PlaceEditor::Fields(editor_.places()[row]);
  name_->setText(QString::fromStdString(f.name));
  latitude_->setText(QString::fromStdString(f.latitude));
  longitude_->setText(QString::fromStdString(f.longitude));
  height_->setText(QString::fromStdString(f.height));
  offset_->setText(QString::fromStdString(f.utcOffset));
  message_->clear();
}

void CPlacesDialog::accept() {
  Places.SetUserPlaces(editor_.places());
  AppSettings& settings = AppSettings::Instance();
  settings.SaveUserPlaces();
  AreaCode = editor_.MapCode(AreaCode);
  settings.SetAreaCode(AreaCode);
  QDialog::accept();
}
