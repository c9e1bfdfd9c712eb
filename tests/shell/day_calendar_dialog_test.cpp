// The tear-off day calendar dialog: opening at today, the greeting once a
// day, the spins, the check box, "?", the double click without a main
// window, the start-up run without one, and PNGs of three telling days
// under <build>/day_png/.
#include <QCheckBox>
#include <QDir>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <filesystem>

#include "ui/dialogs/day_calendar_dialog.h"
#include "engine/format.h"
#include "ui/dialogs/year_month_dialog.h"
#include "textdata/sjis.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

class DayCalendarTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    AppSettings::Instance().Setup(Dir());
    ShowMainWindow = 1;
    // Data files without data: nothing to say about missing files.
    std::filesystem::create_directories(Dir() + "/TxtData");
    for (const char* name : {"annual.txt", "weather.txt", "rumika.txt"})
      std::ofstream(Dir() + "/TxtData/" + name);
  }
  // The value stored in the file, as another program would read it.
  std::string Setting(const std::string& key) {
    std::istringstream in(ReadIni());
    std::string line;
    while (std::getline(in, line))
      if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return {};
  }
};

TEST_F(DayCalendarTest, OpensAtTodayAndGreetsATermDayOnce) {
  CalendarNames::SetTodayOverride(2024, 3, 20);  // 春分
  {
    CDayCalendarDialog dialog;
    EXPECT_EQ(dialog.yearBox()->Text(), "2024");
    EXPECT_EQ(dialog.monthBox()->Text(), "3");
    EXPECT_EQ(dialog.dayBox()->Text(), "20");
    EXPECT_EQ(dialog.windowTitle(), "2024年(令和6年)");
    ASSERT_EQ(recorder_->messages().size(), 1u);
    EXPECT_EQ(recorder_->messages()[0].rfind("今日は春分です。\n\n", 0), 0u);
    EXPECT_EQ(Setting("LastDate"), "03/20/24");
    EXPECT_EQ(Setting("LastTime").size(), 8u);
  }
  recorder_->clear();
  { CDayCalendarDialog again; }
  EXPECT_TRUE(recorder_->messages().empty()) << "once a day";
  // The next day is no term day: nothing shown, nothing stored.
  CalendarNames::SetTodayOverride(2024, 3, 21);
  { CDayCalendarDialog nextDay; }
  EXPECT_TRUE(recorder_->messages().empty());
  EXPECT_EQ(Setting("LastDate"), "03/20/24");
}

TEST_F(DayCalendarTest, SpinsStepTheDateAndRepaint) {
  CDayCalendarDialog dialog;  // 2024-05-15
  dialog.SetDate({2024, 3, 15});
  dialog.monthBox()->stepBy(-1);
  EXPECT_EQ(dialog.dayBox()->Text(), "29");
  EXPECT_EQ(dialog.monthBox()->Text(), "2");
  EXPECT_EQ(dialog.page().CellText(0)->text, "29");
  dialog.yearBox()->stepBy(-1);
  EXPECT_EQ(dialog.date().year * 10000 + dialog.date().month * 100 + dialog.date().day, 20231231);
  EXPECT_EQ(dialog.windowTitle(), "2023年(令和5年)");
  dialog.dayBox()->stepBy(1);
  EXPECT_EQ(recorder_->beeps(), 1) << "no wrap into the next month";
  EXPECT_EQ(dialog.dayBox()->Text(), "31");
  dialog.SetDate({korvane::kDayPageLastYear, 6, 1});
  dialog.yearBox()->stepBy(1);
  EXPECT_EQ(recorder_->beeps(), 2);
  EXPECT_EQ(dialog.monthBox()->Text(), "6") << "a refused year changes nothing";
}

TEST_F(DayCalendarTest, CheckBoxTipAndDoubleClick) {
  WriteIni("[Settings]\nonedayview=1\n");
  AppSettings::Instance().Setup(Dir());
  {
    CDayCalendarDialog dialog;
    EXPECT_TRUE(dialog.startupCheck()->isChecked());
    EXPECT_FALSE(dialog.startupCheck()->isHidden());
    dialog.startupCheck()->click();
    EXPECT_EQ(Setting("onedayview"), "0");
    EXPECT_FALSE(dialog.startupCheck()->isChecked());
    // "?": topic 55 into the settings, then the tips over the dialog.
    dialog.findChild<QPushButton*>("1027")->click();
    EXPECT_EQ(Setting("onepoint"), "55");
    EXPECT_EQ(DialogLog(), (std::vector<std::string>{"tips:owned"}));
    // With a main window a double click does nothing of its own.
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &click);
    EXPECT_TRUE(recorder_->messages().empty());
  }
  // Without a main window: no check box (its setting back to 1), and a
  // double click, even on the page, asks for the main window next time.
  ShowMainWindow = 0;
  CDayCalendarDialog dialog;
  EXPECT_TRUE(dialog.startupCheck()->isHidden());
  EXPECT_EQ(Setting("onedayview"), "1");
  EXPECT_TRUE(dialog.pageWidget()->testAttribute(Qt::WA_TransparentForMouseEvents));
  QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &click);
  ASSERT_EQ(recorder_->messages().size(), 1u);
  EXPECT_EQ(recorder_->messages()[0], "次の起動から\n本体を表示します.");
  EXPECT_EQ(ShowMainWindow, 1);
  EXPECT_EQ(Setting("onedaywindow"), "1");
}

TEST_F(DayCalendarTest, TheDaysTextDataHaikuTemperatureAndSchedule) {
  CalendarNames::SetTodayOverride(2024, 1, 1);
  auto write = [this](const char* name, const std::string& utf8) {
    std::string sjis;
    ASSERT_TRUE(korvane::Utf8ToSjis(utf8, sjis));
    std::ofstream(Dir() + "/TxtData/" + name, std::ios::binary) << sjis;
  };
  write("annual.txt", "[1月]\r\n11日:鏡開き\r\n1日:" + std::string(45, 'a') + "\r\n初詣\r\n");
  std::string values1, values2;
  for (int v = 1; v <= 10; ++v) values1 += korvane::Format("%4d ", v);
  for (int v = 11; v <= 20; ++v) values2 += korvane::Format("%4d ", v);
  write("weather.txt", "[01:01]\n// a comment inside the block\n" + values1 + "\n" + values2 + "\n");

  CDayCalendarDialog dialog;
  const korvane::DayPage& page = dialog.page();
  EXPECT_EQ(page.rowUnits, 15);
  ASSERT_NE(page.CellText(23), nullptr);
  EXPECT_EQ(page.CellText(23)->text, "平年(東京)気温 15.5/5.5 ℃");
  ASSERT_NE(page.CellText(13), nullptr);
  EXPECT_EQ(page.CellText(13)->text, "春立や 新年ふるき 米五升");
  EXPECT_FALSE(dialog.haikuButton()->isHidden());
  // Day 1's entry, not day 11's: a 45-character line, then the next one.
  EXPECT_EQ(dialog.scheduleEdit()->toPlainText(),
            QString::fromStdString(std::string(40, 'a') + "\naaaaa\n初詣"));
  QDir().mkpath(QStringLiteral(KORVANE_BINARY_DIR "/day_png"));
  EXPECT_TRUE(dialog.grab().toImage().save(QStringLiteral(KORVANE_BINARY_DIR "/day_png/textdata-2024-01-01.png")));
  dialog.haikuButton()->click();
  ASSERT_FALSE(modalTitles_.empty()) << "the haiku dialog";
  EXPECT_TRUE(recorder_->messages().empty());

  // Another day without an entry: an empty edit.  A place of another
  // station: 14 row units, no temperature line.
  dialog.SetDate({2024, 1, 2});
  EXPECT_TRUE(dialog.scheduleEdit()->toPlainText().isEmpty());
  WriteIni("[Settings]\nAreaCode=0\n");
  AppSettings::Instance().Setup(Dir());
  CDayCalendarDialog sapporo;
  EXPECT_EQ(sapporo.page().rowUnits, 14);
  EXPECT_EQ(sapporo.page().CellText(23), nullptr);
}

TEST_F(DayCalendarTest, ADayCalendarOnlyRunShowsTheRealDialog) {
  korvane::SetDialogs(previousDialogs_);  // the built-in entries
  WriteIni("[Settings]\nonedaywindow=0\nonepointview=0\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(Frame(), nullptr);
  EXPECT_EQ(modalTitles_, (std::vector<std::string>{"2024年(令和6年)"}));
}

TEST_F(DayCalendarTest, PicturesOfAHolidayATermDayAndADayWithoutMoonrise) {
  const QString folder = QStringLiteral(KORVANE_BINARY_DIR "/day_png");
  QDir().mkpath(folder);
  struct Day {
    int y, m, d;
    const char* name;
  };
  for (const Day& day : {Day{2024, 5, 3, "holiday-2024-05-03"}, Day{2024, 6, 21, "term-2024-06-21"},
                         Day{2000, 1, 28, "no-moonrise-2000-01-28"}}) {
    CDayCalendarDialog dialog;
    dialog.SetDate({day.y, day.m, day.d});
    const QImage image = dialog.grab().toImage();
    EXPECT_TRUE(image.save(folder + "/" + day.name + ".png")) << day.name;
    // The moon's cell holds black and yellow, the page its button face.
    const korvane::DrawOp* age = dialog.page().CellText(14);
    ASSERT_NE(age, nullptr);
    bool yellow = false;
    for (const korvane::DrawOp& op : dialog.page().ops) {
      if (op.kind != korvane::DrawOp::Kind::Frame || op.cell != 15) continue;
      const QPoint origin = dialog.pageWidget()->pos();
      for (int x = op.box.left; x < op.box.right; ++x)
        for (int y = op.box.top; y < op.box.bottom; ++y)
          yellow = yellow || image.pixelColor(origin + QPoint(x, y)) == QColor(255, 255, 0);
    }
    EXPECT_TRUE(yellow) << day.name;
  }
}

// Every step box shows its widest value whole beside its arrows, and no box
// runs into the next control, in both dialogs that have them.
TEST_F(DayCalendarTest, StepBoxesHoldTheirWidestValues) {
  auto editWidth = [](korvane::StepBox* box) {
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.rect = box->rect();
    option.buttonSymbols = box->buttonSymbols();
    option.frame = box->hasFrame();
    return box->style()
        ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, box)
        .width();
  };
  auto holds = [&](korvane::StepBox* box, const QString& widest) {
    // The line edit keeps a margin of two pixels on either side of its text.
    return editWidth(box) - 4 >= box->fontMetrics().horizontalAdvance(widest);
  };
  CDayCalendarDialog day;
  EXPECT_TRUE(holds(day.yearBox(), "2050"));
  EXPECT_TRUE(holds(day.monthBox(), "12"));
  EXPECT_TRUE(holds(day.dayBox(), "28"));
  EXPECT_LT(day.yearBox()->geometry().right(), day.monthBox()->geometry().left());
  EXPECT_LT(day.monthBox()->geometry().right(), day.dayBox()->geometry().left());
  EXPECT_LT(day.dayBox()->geometry().right(), day.findChild<QPushButton*>("1")->geometry().left());

  CYearMonthDialog chooser(1, korvane::YearRangeKind::LunarDate, 2033, 13, -1);
  EXPECT_TRUE(holds(chooser.yearBox(), "2050"));
  EXPECT_TRUE(holds(chooser.monthBox(), "閏11"));
  EXPECT_LT(chooser.yearBox()->geometry().right(), chooser.monthBox()->geometry().left());
}

}  // namespace
}  // namespace shelltest
