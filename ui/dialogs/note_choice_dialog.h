#pragma once
// 暦注の選択: which notes the 暦注ﾘｽﾄ lists.  One check box per note in the
// notes' own order, with the presets "吉日" and "凶日"; OK is enabled only
// while at least one note is chosen.
#include <QDialog>
#include <vector>

#include "engine/koyomi_notes.h"

class QCheckBox;
class QPushButton;

class CNoteChoiceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CNoteChoiceDialog(DayNoteSet choice, QWidget* parent = nullptr);

  DayNoteSet choice() const;
  // What the preset buttons do, for the tests as for the user.
  void ApplyPreset(DayNoteSet preset);

 private:
  void UpdateOk();

  std::vector<QCheckBox*> boxes_;
  QPushButton* ok_ = nullptr;
};
