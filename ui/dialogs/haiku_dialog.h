#pragma once
// The haiku dialog (resource 104, ルミカの俳句): the haiku of a day of the
// year with its reading, season word, commentary and year of composition,
// in read-only edits.  Opened from the day calendar's "..." button.
#include <QDialog>

#include "content/haiku_content.h"

class QLineEdit;
class QPlainTextEdit;

class CHaikuDlg : public QDialog {
  Q_OBJECT
 public:
  // `index`: the haiku index, the DayOfYear of the date (January 1 = 0).
  explicit CHaikuDlg(int index, QWidget* parent = nullptr);

  const korvane::HaikuTexts& texts() const { return texts_; }
  QLineEdit* Poem() const { return poem_; }              // 1036
  QLineEdit* Reading() const { return reading_; }        // 1037
  QLineEdit* SeasonWord() const { return season_; }      // 1039
  QPlainTextEdit* Commentary() const { return commentary_; }  // 1040
  QLineEdit* Year() const { return year_; }              // 1038

 private:
  korvane::HaikuTexts texts_;
  QLineEdit* poem_ = nullptr;
  QLineEdit* reading_ = nullptr;
  QLineEdit* season_ = nullptr;
  QPlainTextEdit* commentary_ = nullptr;
  QLineEdit* year_ = nullptr;
};

namespace korvane {
// Runs the haiku dialog for haiku `index` modally.
void RunHaikuDialog(int index, QWidget* owner);
}  // namespace korvane
