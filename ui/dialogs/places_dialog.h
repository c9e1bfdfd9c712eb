#pragma once
// 地点の管理: the user's own places added, changed and removed.  On OK the
// list becomes the shared Places, is written to the settings file, and the
// shared place code follows its place (東京 when it was removed).
#include <QDialog>

#include "content/place_editor.h"

class QLabel;
class QLineEdit;
class QListWidget;

class CPlacesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CPlacesDialog(QWidget* parent = nullptr);

  // For tests: the controls and the places as edited so far.
  QListWidget* List() const { return list_; }
  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* LatitudeEdit() const { return latitude_; }
  QLineEdit* LongitudeEdit() const { return longitude_; }
  QLineEdit* HeightEdit() const { return height_; }
  QLineEdit* OffsetEdit() const { return offset_; }
  QLabel* Message() const { return message_; }
  void AddPlace() { Edit(-1); }
  void ChangePlace();
  void RemovePlace();
  const korvane::PlaceEditor& editor() const { return editor_; }

  void accept() override;

 private:
  korvane::PlaceFields Fields() const;
  // Adds (index -1) or replaces the place from the fields.
  void Edit(int index);
  void Refill(int select);
  void ShowPlace(int row);

  korvane::PlaceEditor editor_;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* height_ = nullptr;
  QLineEdit* offset_ = nullptr;
  QLabel* message_ = nullptr;
};
