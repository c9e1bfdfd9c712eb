// The 和暦・西暦変換 dialog, offscreen: typing and picking, the refusing
// line that leaves the last good result standing, and the copy.
#include "ui/dialogs/wareki_converter_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "engine/calendar_names.h"

namespace {

TEST(WarekiConverterDialog, ConvertsTypedAndPickedDatesAndRefusesImpossibleOnes) {
  CalendarNames::SetTodayOverride(2019, 5, 1);
  CWarekiConverterDlg dialog;
  CalendarNames::SetTodayOverride(0, 0, 0);
  EXPECT_TRUE(dialog.ResultView()->toPlainText().startsWith(QStringLiteral("和暦\t令和元年5月1日\n")));
  EXPECT_EQ(dialog.EraCombo()->currentText(), QStringLiteral("令和"));

  dialog.TextEdit()->setText(QStringLiteral("天保3年閏11月5日"));
  dialog.TextButton()->click();
  EXPECT_TRUE(dialog.ResultView()->toPlainText().contains(QStringLiteral("西暦\t1832-12-26 *")));
  EXPECT_TRUE(dialog.ErrorLabel()->text().isEmpty());
  // The pickers moved to the day.
  EXPECT_EQ(dialog.EraCombo()->currentText(), QStringLiteral("天保"));
  EXPECT_TRUE(dialog.WarekiLeapCheck()->isChecked());
  EXPECT_EQ(dialog.LunisolarYearSpin()->value(), 1832);
  EXPECT_EQ(dialog.WesternDaySpin()->value(), 26);

  // 30日 of a 小の月: refused in one line, the last result stays.
  const QString shown = dialog.ResultView()->toPlainText();
  dialog.WarekiLeapCheck()->setChecked(false);
  dialog.WarekiMonthSpin()->setValue(10);
  dialog.WarekiDaySpin()->setValue(30);
  dialog.WarekiButton()->click();
  EXPECT_EQ(dialog.ErrorLabel()->text(), QStringLiteral("天保3年10月は小の月で、29日までです"));
  EXPECT_EQ(dialog.ResultView()->toPlainText(), shown);

  dialog.JulianCheck()->setChecked(true);
  dialog.WesternYearSpin()->setValue(1582);
  dialog.WesternMonthSpin()->setValue(10);
  dialog.WesternDaySpin()->setValue(4);
  dialog.WesternButton()->click();
  EXPECT_TRUE(dialog.ErrorLabel()->text().isEmpty());
  EXPECT_TRUE(dialog.ResultView()->toPlainText().contains(QStringLiteral("ユリウス暦\t1582-10-04 *")));
  EXPECT_EQ(dialog.WesternDaySpin()->value(), 4) << "the pickers keep to the Julian calendar";

  dialog.CopyButton()->click();
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromStdString(korvane::WarekiConverterContent::Text(dialog.result())));
}

}  // namespace
