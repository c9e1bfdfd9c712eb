// The year/month and area dialog: its modes, ranges, month text with the
// leap month, and the steps that beep and clamp.
#include "ui/dialogs/year_month_dialog.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>

#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"

namespace korvane {
namespace {

TEST(YearRanges, EveryKindHasTheDocumentedRange) {
  EXPECT_EQ(YearRangeOfKind(0).min, 594);
  EXPECT_EQ(YearRangeOfKind(0).max, 2050);
  EXPECT_EQ(YearRangeOfKind(1).min, 594);
  EXPECT_EQ(YearRangeOfKind(1).max, 2050);
  EXPECT_EQ(YearRangeOfKind(2).min, 1851);
  EXPECT_EQ(YearRangeOfKind(2).max, 2050);
  EXPECT_EQ(YearRangeOfKind(3).min, 1853);
  EXPECT_EQ(YearRangeOfKind(3).max, 2050);
  EXPECT_EQ(YearRangeOfKind(4).min, 1975);
  EXPECT_EQ(YearRangeOfKind(4).max, 2050);
  EXPECT_EQ(YearRangeOfKind(5).min, 862);
  EXPECT_EQ(YearRangeOfKind(5).max, 1684);
  // A kind nobody defined falls back to a range every view can show.
  EXPECT_EQ(YearRangeOfKind(99).min, YearRangeOfKind(0).min);
  EXPECT_EQ(YearRangeOfKind(-1).max, YearRangeOfKind(0).max);
}

TEST(YearMonthDialogState, CaptionAndControlsFollowTheMode) {
  struct Case {
    int mode;
    YearRangeKind kind;
    const char* caption;
    bool month;
    bool place;
  };
  const Case cases[] = {
      {0, YearRangeKind::DayCount, "西暦 <594～2050>", true, false},
      {1, YearRangeKind::LunarDate, "旧暦 <594～2050>", true, false},
      {10, YearRangeKind::SolarTerms, "西暦 <1851～2050>", false, false},
      {11, YearRangeKind::Senmyo, "旧暦 <862～1684>", false, false},
      {20, YearRangeKind::Astronomy, "西暦 <1975～2050>", true, true},
  };
  for (const Case& c : cases) {
    YearMonthDialogState state(c.mode, c.kind, 2000, 1, -1);
    state.Initialise(39);
    EXPECT_EQ(state.Caption(), c.caption) << c.mode;
    EXPECT_EQ(state.ShowsMonth(), c.month) << c.mode;
    EXPECT_EQ(state.ShowsPlace(), c.place) << c.mode;
  }
}

TEST(YearMonthDialogState, GregorianYearStepsShowTheFirstOrLastMonth) {
  MessageRecorder recorder;
  YearMonthDialogState state(0, YearRangeKind::DayCount, 1999, 7, -1);
  state.Initialise(39);
  EXPECT_EQ(state.monthText(), "7");
  state.StepYear(+1);
  EXPECT_EQ(state.year(), 2000);
  EXPECT_EQ(state.month(), 1);
  state.StepMonth(+1);
  state.StepMonth(+1);
  EXPECT_EQ(state.month(), 3);
  state.StepYear(-1);
  EXPECT_EQ(state.year(), 1999);
  EXPECT_EQ(state.month(), 12);
  EXPECT_EQ(state.monthText(), "12");
  EXPECT_EQ(recorder.beeps(), 0);
  // Months do not wrap into the next year.
  state.StepMonth(+1);
  EXPECT_EQ(state.month(), 12);
  EXPECT_EQ(state.year(), 1999);
  EXPECT_EQ(recorder.beeps(), 1);
  YearMonthDialogState low(0, YearRangeKind::DayCount, 2000, 1, -1);
  low.Initialise(39);
  low.StepMonth(-1);
  EXPECT_EQ(low.month(), 1);
  EXPECT_EQ(recorder.beeps(), 2);
}

TEST(YearMonthDialogState, AStepAtTheBoundIsRefusedWithABeep) {
  MessageRecorder recorder;
  YearMonthDialogState state(0, YearRangeKind::NineStars, 2050, 6, -1);
  state.Initialise(39);
  state.StepYear(+1);
  EXPECT_EQ(recorder.beeps(), 1);
  EXPECT_EQ(state.year(), 2050);
  EXPECT_EQ(state.month(), 6);  // a refused step moves nothing
  YearMonthDialogState low(0, YearRangeKind::NineStars, 1853, 6, -1);
  low.Initialise(39);
  low.StepYear(-1);
  EXPECT_EQ(recorder.beeps(), 2);
  EXPECT_EQ(low.year(), 1853);
  EXPECT_EQ(low.month(), 6);
}

TEST(YearMonthDialogState, AYearPassedInOutsideTheRangeIsShownThenClamped) {
  MessageRecorder recorder;
  YearMonthDialogState state(0, YearRangeKind::NineStars, 1700, 4, -1);
  state.Initialise(39);
  EXPECT_EQ(state.year(), 1700);  // shown unchanged until a spin is used
  state.StepYear(+1);
  EXPECT_EQ(recorder.beeps(), 1);
  EXPECT_EQ(state.year(), 1853);
  EXPECT_EQ(state.month(), 1);
  YearMonthDialogState high(0, YearRangeKind::NineStars, 2100, 4, -1);
  high.Initialise(39);
  high.StepYear(-1);
  EXPECT_EQ(high.year(), 2050);
  EXPECT_EQ(high.month(), 12);
}

TEST(YearMonthDialogState, LunisolarMonthTextNamesTheLeapMonth) {
  MessageRecorder recorder;
  LunisolarTable table;
  // 597 repeats its fifth month (leap position 6); 2012 its third (position 4).
  ASSERT_EQ(table.LeapPosition(2012), 4);
  YearMonthDialogState state(1, YearRangeKind::LunarDate, 2012, 3, -1);
  state.Initialise(39);
  EXPECT_EQ(state.monthMax(), 13);
  EXPECT_EQ(state.leapIndex(), 4);
  EXPECT_EQ(state.monthText(), "3");
  state.StepMonth(+1);
  EXPECT_EQ(state.month(), 4);
  EXPECT_EQ(state.monthText(), "閏3");
  state.StepMonth(+1);
  EXPECT_EQ(state.month(), 5);
  EXPECT_EQ(state.monthText(), "4");
  for (int i = 0; i < 8; ++i) state.StepMonth(+1);
  EXPECT_EQ(state.month(), 13);
  EXPECT_EQ(state.monthText(), "12");
  EXPECT_EQ(recorder.beeps(), 0);
  state.StepMonth(+1);
  EXPECT_EQ(state.month(), 13);
  EXPECT_EQ(recorder.beeps(), 1);
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(YearMonthDialogState, SteppingDownIntoALeapYearLandsOnIndexThirteen) {
  MessageRecorder recorder;
  LunisolarTable table;
  ASSERT_EQ(table.HasLeapMonth(2012), 1);
  ASSERT_EQ(table.HasLeapMonth(2013), 0);
  YearMonthDialogState state(1, YearRangeKind::LunarDate, 2013, 5, -1);
  state.Initialise(39);
  EXPECT_EQ(state.monthMax(), 12);
  state.StepYear(-1);
  EXPECT_EQ(state.year(), 2012);
  EXPECT_EQ(state.month(), 13);
  EXPECT_EQ(state.monthText(), "12");
  state.StepYear(+1);
  EXPECT_EQ(state.year(), 2013);
  EXPECT_EQ(state.month(), 1);
  EXPECT_EQ(state.monthMax(), 12);
  state.StepYear(-1);
  state.StepYear(-1);  // 2011 has no leap month
  EXPECT_EQ(state.month(), 12);
  EXPECT_EQ(state.monthMax(), 12);
}

TEST(YearMonthDialogState, EveryYearOfTheRangeHasItsMonthsInOrder) {
  // Walking every year of the lunisolar range down from the top, each year
  // shows its last month first and the labels count up through the leap
  // month without a gap, and no range message is ever shown.
  MessageRecorder recorder;
  LunisolarTable table;
  YearMonthDialogState state(1, YearRangeKind::LunarDate, 2050, 1, -1);
  state.Initialise(39);
  for (int year = 2050; year >= 594; --year) {
    ASSERT_EQ(state.year(), year);
    int months = table.HasLeapMonth(year) ? 13 : 12;
    ASSERT_EQ(state.monthMax(), months) << year;
    while (state.month() > 1) state.StepMonth(-1);
    ASSERT_EQ(state.month(), 1);
    int number = 0;
    for (int index = 1; index <= months; ++index) {
      std::string text = state.monthText();
      const char* label = table.MonthLabel(year, index);
      bool leap = std::string(label).rfind("閏", 0) == 0;
      if (leap) {
        EXPECT_EQ(text, "閏" + std::to_string(number)) << year;
      } else {
        EXPECT_EQ(text, std::to_string(++number)) << year;
      }
      state.StepMonth(+1);
    }
    EXPECT_EQ(number, 12);
    state.StepYear(-1);
  }
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(YearMonthDialogState, TypedValuesAreTakenInsideTheRangeWithABeepOtherwise) {
  // 2020 has 閏4 (position 5), 2023 閏2 (position 3); 2021 none.
  struct Case {
    int mode;
    int year, month;  // shown before typing
    const char* yearText;
    const char* monthText;
    bool taken;
    int toYear, toMonth;
    const char* toText;
    int beeps;
  } cases[] = {
      {0, 2026, 5, "1900", "", true, 1900, 5, "5", 0},
      {0, 2026, 5, " １９００ ", "１１", true, 1900, 11, "11", 0},
      {0, 2026, 5, "3000", "", true, 2050, 5, "5", 1},
      {0, 2026, 5, "12", "13", true, 594, 12, "12", 1},  // one beep for both
      {0, 2026, 5, "20x6", "", false, 2026, 5, "5", 1},
      {0, 2026, 5, "", "", false, 2026, 5, "5", 1},
      {0, 2026, 5, "2026", "五", false, 2026, 5, "5", 1},
      {1, 2021, 4, "2020", "", true, 2020, 4, "4", 0},
      {1, 2021, 4, "2020", "閏4", true, 2020, 5, "閏4", 0},
      {1, 2021, 8, "2020", "", true, 2020, 9, "8", 0},   // the 8 after the leap
      {1, 2020, 5, "2021", "", true, 2021, 4, "4", 0},   // 閏4 → 4
      {1, 2020, 5, "2023", "", true, 2023, 5, "4", 0},   // 閏4 → the 4 after 閏2
      {1, 2023, 3, "2023", "閏2", true, 2023, 3, "閏2", 0},
      {1, 2021, 1, "2021", "閏3", true, 2021, 3, "3", 0},  // no such leap: the plain 3
      {10, 2026, 5, "1700", "", true, 1851, 5, "5", 1},
  };
  for (const Case& c : cases) {
    MessageRecorder recorder;
    const YearRangeKind kind = c.mode == 10 ? YearRangeKind::SolarTerms : YearRangeKind::LunarDate;
    YearMonthDialogState state(c.mode, kind, c.year, c.month, -1);
    state.Initialise(39);
    const std::string label = std::string(c.yearText) + "/" + c.monthText;
    EXPECT_EQ(state.TakeTyped(c.yearText, c.monthText), c.taken) << label;
    EXPECT_EQ(state.year(), c.toYear) << label;
    EXPECT_EQ(state.month(), c.toMonth) << label;
    EXPECT_EQ(state.monthText(), c.toText) << label;
    EXPECT_EQ(recorder.beeps(), c.beeps) << label;
  }
}

TEST(YearMonthDialogState, PlaceIsTheSharedAreaUntilOneIsPicked) {
  YearMonthDialogState state(20, YearRangeKind::Astronomy, 2020, 5, 12);
  EXPECT_EQ(state.area(), 12);
  state.Initialise(39);
  EXPECT_EQ(state.area(), 39);
  EXPECT_FALSE(state.Accept(5));  // nothing picked: nothing to write
  state.ChoosePlace(7);
  EXPECT_TRUE(state.areaChanged());
  EXPECT_TRUE(state.Accept(7));
  EXPECT_EQ(state.area(), 7);
}

}  // namespace
}  // namespace korvane

// ---------------------------------------------------------------------------
// The dialog window.

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "state/app_settings.h"
#include "state/display_state.h"

namespace korvane {
namespace {

QWidget* Control(CYearMonthDialog& dialog, const char* id) {
  return dialog.findChild<QWidget*>(QString::fromLatin1(id));
}

TEST(YearMonthDialogWindow, ModeTenShowsOnlyTheYear) {
  CYearMonthDialog dialog(10, YearRangeKind::SolarTerms, 2000, 0, -1);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("西暦 <1851～2050>"));
  EXPECT_FALSE(Control(dialog, "1016")->isHidden());
  EXPECT_TRUE(Control(dialog, "1018")->isHidden());
  EXPECT_TRUE(Control(dialog, "1029")->isHidden());
  EXPECT_TRUE(Control(dialog, "1014")->isHidden());
  EXPECT_TRUE(Control(dialog, "1025")->isHidden());
  EXPECT_EQ(dialog.yearBox()->Text(), QStringLiteral("2000"));
  EXPECT_EQ(static_cast<QPushButton*>(Control(dialog, "2"))->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  EXPECT_TRUE(static_cast<QPushButton*>(Control(dialog, "1"))->isDefault());
}

TEST(YearMonthDialogWindow, SpinsStepTheStateAndRewriteTheBoxes) {
  MessageRecorder recorder;
  CYearMonthDialog dialog(1, YearRangeKind::LunarDate, 2013, 5, -1);
  EXPECT_EQ(dialog.monthBox()->Text(), QStringLiteral("5"));
  dialog.yearBox()->stepBy(-1);
  EXPECT_EQ(dialog.yearBox()->Text(), QStringLiteral("2012"));
  EXPECT_EQ(dialog.monthBox()->Text(), QStringLiteral("12"));
  EXPECT_EQ(dialog.month(), 13);
  // The boxes take typing as well as steps.
  EXPECT_FALSE(dialog.yearBox()->findChild<QLineEdit*>()->isReadOnly());
  dialog.monthBox()->stepBy(1);
  EXPECT_EQ(recorder.beeps(), 1);
  // Both arrows stay live at a bound so the press can be refused audibly.
  EXPECT_EQ(dialog.monthBox()->stepEnabled(),
            QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled);
}

TEST(YearMonthDialogWindow, ATypedYearIsTakenOnEnterOrBeforeTheNextStep) {
  MessageRecorder recorder;
  CYearMonthDialog dialog(0, YearRangeKind::DayCount, 2026, 5, -1);
  auto key = [](QWidget* to, int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(to, &event);
  };
  auto type = [&key](StepBox* box, const QString& text) {
    QLineEdit* edit = box->findChild<QLineEdit*>();
    edit->selectAll();
    for (QChar c : text) key(edit, Qt::Key_0 + c.digitValue(), QString(c));
  };
  type(dialog.yearBox(), QStringLiteral("1900"));
  dialog.yearBox()->stepBy(1);
  EXPECT_EQ(dialog.yearBox()->Text(), QStringLiteral("1901"));
  type(dialog.yearBox(), QStringLiteral("9999"));
  dialog.show();
  key(dialog.yearBox(), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.year(), 2050);
  EXPECT_EQ(recorder.beeps(), 1);
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(YearMonthDialogWindow, EveryKeyAndTheWheelStepByOne) {
  CYearMonthDialog dialog(0, YearRangeKind::DayCount, 2000, 5, -1);
  StepBox* year = dialog.yearBox();
  int expected = 2000;
  auto press = [&](int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(year, &event);
  };
  auto turn = [&](int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at(year->width() / 2.0, year->height() / 2.0);
    QWheelEvent event(at, year->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(year, &event);
  };
  for (int key : {Qt::Key_PageUp, Qt::Key_Up}) {
    press(key, Qt::NoModifier);
    press(key, Qt::ControlModifier);
    expected += 2;
    EXPECT_EQ(year->Text(), QString::number(expected)) << key;
  }
  press(Qt::Key_PageDown, Qt::NoModifier);
  turn(120, Qt::ControlModifier);
  turn(-360, Qt::NoModifier);
  expected -= 1;
  EXPECT_EQ(year->Text(), QString::number(expected));
  EXPECT_EQ(dialog.month(), 12) << "the last step was down";
}

TEST(YearMonthDialogWindow, PickingAPlaceWritesAreaCodeAtOnceOnOk) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  AppSettings::Instance().Setup(dir.path().toStdString());
  const int savedArea = AreaCode;
  AreaCode = 39;
  {
    CYearMonthDialog dialog(20, YearRangeKind::Astronomy, 2020, 5, 39);
    auto* list = static_cast<QComboBox*>(Control(dialog, "1025"));
    EXPECT_FALSE(list->isHidden());
    EXPECT_EQ(list->count(), 87);
    EXPECT_EQ(list->currentIndex(), 39) << "the list opens at the current place";
    EXPECT_EQ(list->currentText().toStdString(), "東京");
    list->setCurrentIndex(12);
    emit list->activated(12);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.area(), 12);
    EXPECT_EQ(AppSettings::Instance().GetAreaCode(), 12);
  }
  {
    // A second use that is cancelled leaves the setting as it is.
    CYearMonthDialog dialog(20, YearRangeKind::Astronomy, 2020, 5, 12);
    auto* list = static_cast<QComboBox*>(Control(dialog, "1025"));
    list->setCurrentIndex(30);
    emit list->activated(30);
    dialog.reject();
    EXPECT_EQ(AppSettings::Instance().GetAreaCode(), 12);
  }
  AreaCode = savedArea;
}

TEST(YearMonthDialogWindow, SavesAPicture) {
  const QString folder = QStringLiteral(KORVANE_BINARY_DIR "/grid_png");
  QDir().mkpath(folder);
  CYearMonthDialog lunar(1, YearRangeKind::LunarDate, 2012, 4, -1);
  EXPECT_TRUE(lunar.grab().toImage().save(folder + "/dialog-mode1.png"));
  CYearMonthDialog place(20, YearRangeKind::Astronomy, 2020, 5, 39);
  EXPECT_TRUE(place.grab().toImage().save(folder + "/dialog-mode20.png"));
}

}  // namespace
}  // namespace korvane
