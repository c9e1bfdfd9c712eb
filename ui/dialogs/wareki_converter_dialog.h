#pragma once
// The 和暦・西暦変換 dialog (ﾃﾞｰﾀ館): type a date in any form the converter
// reads, or pick a 和暦, 旧暦 or Western date, and see the day in every
// calendar at once.  An impossible date is refused with one red line; the
// result copies to the clipboard as text.
#include <QDialog>
#include <memory>

#include "content/wareki_converter_content.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class CWarekiConverterDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CWarekiConverterDlg(QWidget* parent = nullptr);
  ~CWarekiConverterDlg() override;

  const korvane::WarekiConverterContent& content() const { return *content_; }
  const korvane::ConverterResult& result() const { return result_; }

  QLineEdit* TextEdit() const { return text_; }
  QPushButton* TextButton() const { return textButton_; }
  QComboBox* EraCombo() const { return era_; }
  QSpinBox* EraYearSpin() const { return eraYear_; }
  QSpinBox* WarekiMonthSpin() const { return warekiMonth_; }
  QCheckBox* WarekiLeapCheck() const { return warekiLeap_; }
  QSpinBox* WarekiDaySpin() const { return warekiDay_; }
  QPushButton* WarekiButton() const { return warekiButton_; }
  QSpinBox* LunisolarYearSpin() const { return lunisolarYear_; }
  QSpinBox* LunisolarMonthSpin() const { return lunisolarMonth_; }
  QCheckBox* LunisolarLeapCheck() const { return lunisolarLeap_; }
  QSpinBox* LunisolarDaySpin() const { return lunisolarDay_; }
  QPushButton* LunisolarButton() const { return lunisolarButton_; }
  QSpinBox* WesternYearSpin() const { return westernYear_; }
  QSpinBox* WesternMonthSpin() const { return westernMonth_; }
  QSpinBox* WesternDaySpin() const { return westernDay_; }
  QCheckBox* JulianCheck() const { return julian_; }
  QPushButton* WesternButton() const { return westernButton_; }
  QLabel* ErrorLabel() const { return error_; }
  QPlainTextEdit* ResultView() const { return resultView_; }
  QPushButton* CopyButton() const { return copy_; }

  // Shows a result: its lines, or its refusal (the last good result stays).
  void Show(const korvane::ConverterResult& result);

 private:
  void SetPickers(const korvane::ConverterFields& fields);
  void ShowEraStart();

  std::unique_ptr<korvane::WarekiConverterContent> content_;
  korvane::ConverterResult result_;
  QLineEdit* text_ = nullptr;
  QPushButton* textButton_ = nullptr;
  QComboBox* era_ = nullptr;
  QLabel* eraStart_ = nullptr;
  QSpinBox* eraYear_ = nullptr;
  QSpinBox* warekiMonth_ = nullptr;
  QCheckBox* warekiLeap_ = nullptr;
  QSpinBox* warekiDay_ = nullptr;
  QPushButton* warekiButton_ = nullptr;
  QSpinBox* lunisolarYear_ = nullptr;
  QSpinBox* lunisolarMonth_ = nullptr;
  QCheckBox* lunisolarLeap_ = nullptr;
  QSpinBox* lunisolarDay_ = nullptr;
  QPushButton* lunisolarButton_ = nullptr;
  QSpinBox* westernYear_ = nullptr;
  QSpinBox* westernMonth_ = nullptr;
  QSpinBox* westernDay_ = nullptr;
  QCheckBox* julian_ = nullptr;
  QPushButton* westernButton_ = nullptr;
  QLabel* error_ = nullptr;
  QPlainTextEdit* resultView_ = nullptr;
  QPushButton* copy_ = nullptr;
};

namespace korvane {
// Runs the converter modally (the ﾃﾞｰﾀ館 menu's entry).
void RunWarekiConverterDialog(QWidget* owner);
}  // namespace korvane
