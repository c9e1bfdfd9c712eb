#include "ui/dialogs/note_choice_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CNoteChoiceDialog::CNoteChoiceDialog(DayNoteSet choice, QWidget* parent) : QDialog(parent) {
  setObjectName("CNoteChoiceDialog");
  setWindowTitle(QString::fromUtf8("暦注の選択"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  constexpr int kColumns = 3;
  for (int i = 0; i < DayNoteSet::kCount; ++i) {
    const DayNote note = static_cast<DayNote>(i);
    auto* box = new QCheckBox(QString::fromUtf8(KoyomiNotes::NoteName(note)), this);
    box->setObjectName(QString::fromUtf8(KoyomiNotes::NoteName(note)));
    box->setToolTip(QString::fromUtf8(KoyomiNotes::NoteRule(note)));
    box->setChecked(choice.Has(note));
    connect(box, &QCheckBox::toggled, this, [this] { UpdateOk(); });
    grid->addWidget(box, i / kColumns, i % kColumns);
    boxes_.push_back(box);
  }
  layout->addLayout(grid);
  auto* presets = new QHBoxLayout;
  auto addPreset = [&](const char* text, DayNoteSet preset) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::fromUtf8(text));
    connect(button, &QPushButton::clicked, this, [this, preset] { ApplyPreset(preset); });
    presets->addWidget(button);
  };
  addPreset("吉日", KoyomiNotes::LuckyNotes());
  addPreset("凶日", KoyomiNotes::UnluckyNotes());
  presets->addStretch();
  layout->addLayout(presets);
  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QString::fromUtf8("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  UpdateOk();
}

DayNoteSet CNoteChoiceDialog::choice() const {
  DayNoteSet set;
  for (size_t i = 0; i < boxes_.size(); ++i)
    if (boxes_[i]->isChecked()) set.Add(static_cast<DayNote>(i));
  return set;
}

void CNoteChoiceDialog::ApplyPreset(DayNoteSet preset) {
  for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(preset.Has(static_cast<DayNote>(i)));
}

void CNoteChoiceDialog::UpdateOk() {
  if (ok_) ok_->setEnabled(!choice().Empty());
}
