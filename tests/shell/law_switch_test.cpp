// The switch between the law as it stands and the almanac's published rules:
// the 表示 menu's check item, the stored setting, and the open views that
// follow it at once.
#include <QAction>
#include <QMenu>
#include <QMdiArea>
#include <QMenuBar>

#include "ui/dialogs/day_calendar_dialog.h"
#include "content/command_ids.h"
#include "shell/opening_names.h"
#include "shell_fixture.h"
#include "ui/views/month_grid_views.h"
#include "framework/document.h"
#include "content/command_ids.h"
#include "ui/views/list_view_ex.h"

namespace shelltest {
namespace {

using korvane::ID_CURRENT_LAW;
using LawSwitchTest = ShellTest;

std::string PageText(CMainFrame* frame) {
  auto* view = dynamic_cast<MonthGridView*>(frame->GetActiveView());
  return view ? view->CurrentPage().ToText() : "no grid";
}

// One line of the active grid's page (0 = title, 1 = weekdays, 2 = first week).
std::string Week(CMainFrame* frame, int line) {
  const std::string text = PageText(frame);
  size_t start = 0;
  for (int i = 0; i < line; ++i) start = text.find('\n', start) + 1;
  return text.substr(start, text.find('\n', start) - start);
}

std::string Setting(const std::string& ini, const std::string& key) {
  const size_t at = ini.find("\n" + key + "=");
  if (at == std::string::npos) return "missing";
  const size_t value = at + key.size() + 2;
  return ini.substr(value, ini.find_first_of("\r\n", value) - value);
}

TEST_F(LawSwitchTest, TheMenuItemSwitchesEveryOpenGridAndIsStoredAtOnce) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=2019\nkorvaneMomth=5\n"
           "korvaneOldYear=2019\nkorvaneOldMomth=3\n");
  ASSERT_TRUE(Start());
  QAction* item = Frame()->Command(ID_CURRENT_LAW);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QStringLiteral("現行の祝日・元号(&L)"));
  EXPECT_FALSE(item->statusTip().isEmpty());
  bool inViewMenu = false;
  for (QAction* top : Frame()->menuBar()->actions())
    if (top->text() == QStringLiteral("表示(&V)")) inViewMenu = top->menu()->actions().contains(item);
  EXPECT_TRUE(inViewMenu);
  EXPECT_TRUE(item->isChecked()) << "the law as it stands by default";

  // May 2019 in a Gregorian and a lunisolar holiday grid (lunisolar 2019/3
  // holds May 1..4).
  ASSERT_TRUE(Frame()->RouteCommand(32804));
  ASSERT_TRUE(Frame()->RouteCommand(32792));
  const std::string law = "~28\t~29\t~30\t!即位の日\t!国民の休日\t!憲法記念日\t!みどりの日";
  const std::string published = "~28\t~29\t~30\t1\t2\t!憲法記念日\t!国民の休日";
  EXPECT_EQ(Week(Frame(), 2), law);

  Frame()->RouteCommand(ID_CURRENT_LAW);
  EXPECT_EQ(CurrentLaw, CalendarLaw::AsPublished);
  EXPECT_FALSE(item->isChecked());
  EXPECT_EQ(Setting(ReadIni(), "CurrentLaw"), "0") << "written at once";
  EXPECT_EQ(Week(Frame(), 2), published);
  // The other open grid switched as well.
  Frame()->MdiArea()->activatePreviousSubWindow();
  EXPECT_NE(PageText(Frame()).find("旧暦"), std::string::npos);
  EXPECT_EQ(PageText(Frame()).find("即位の日"), std::string::npos);
  Frame()->RouteCommand(ID_CURRENT_LAW);
  EXPECT_NE(PageText(Frame()).find("即位の日"), std::string::npos);
  Frame()->RouteCommand(ID_CURRENT_LAW);

  // A restart keeps the published rules; switching back stores 1.
  Restart();
  EXPECT_EQ(CurrentLaw, CalendarLaw::AsPublished);
  EXPECT_FALSE(Frame()->Command(ID_CURRENT_LAW)->isChecked());
  ASSERT_TRUE(Frame()->RouteCommand(32792));
  EXPECT_EQ(Week(Frame(), 2), published);
  Frame()->RouteCommand(ID_CURRENT_LAW);
  EXPECT_EQ(Setting(ReadIni(), "CurrentLaw"), "1");
  EXPECT_EQ(Week(Frame(), 2), law);
  EXPECT_TRUE(recorder_->messages().empty());
}

TEST_F(LawSwitchTest, ADamagedValueGivesTheCurrentLaw) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nCurrentLaw=7\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(CurrentLaw, CalendarLaw::Current);
  EXPECT_TRUE(Frame()->Command(ID_CURRENT_LAW)->isChecked());
}

TEST_F(LawSwitchTest, EraTextsInWindowNamesFollowTheRules) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneOldYear=2026\nkorvaneOldMomth=1\n");
  ASSERT_TRUE(Start());
  EXPECT_NE(korvane::OpeningName(32774).find("令和 8年"), std::string::npos)
      << korvane::OpeningName(32774);
  Frame()->RouteCommand(ID_CURRENT_LAW);
  EXPECT_NE(korvane::OpeningName(32774).find("平成 38年"), std::string::npos)
      << korvane::OpeningName(32774);
}

// The rows a list window shows, one line per row with its cells tab-separated.
std::string Rows(CListViewEx* view) {
  std::string text;
  korvane::ReportList* list = view->list();
  for (int r = 0; r < list->topLevelItemCount(); ++r) {
    for (int c = 0; c < list->columnCount(); ++c)
      text += (c ? "\t" : "") + list->topLevelItem(r)->text(c).toStdString();
    text += "\n";
  }
  return text;
}

// Open lists refill at once, in the window itself (rows and title), and the
// row the user was on stays current.
TEST_F(LawSwitchTest, OpenListsRefillAtOnce) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nkorvaneYear=2026\nkorvaneMomth=12\n"
           "korvaneOldYear=2026\nkorvaneOldMomth=1\n");
  CalendarNames::SetTodayOverride(2026, 12, 8);
  ASSERT_TRUE(Start());
  std::vector<CListViewEx*> views;
  for (int command : {korvane::ID_HOLIDAY_LIST, korvane::ID_NENGO_LIST, korvane::ID_ON_LIST}) {
    ASSERT_TRUE(Frame()->RouteCommand(command));
    views.push_back(dynamic_cast<CListViewEx*>(Frame()->GetActiveView()));
    ASSERT_NE(views.back(), nullptr);
  }
  CListViewEx* holidays = views[0];
  CListViewEx* eras = views[1];
  CListViewEx* lunar = views[2];
  holidays->list()->setCurrentItem(holidays->list()->topLevelItem(16));

  const std::string lawHolidays = Rows(holidays);
  EXPECT_EQ(holidays->list()->topLevelItemCount(), 18);
  EXPECT_NE(lawHolidays.find("2\t23\t月\t天皇誕生日\n"), std::string::npos);
  EXPECT_NE(lawHolidays.find("8\t11\t火\t山の日\n"), std::string::npos);
  EXPECT_NE(Rows(eras).find("\n令和\t2019\t...\t8\n"), std::string::npos);
  EXPECT_NE(lunar->GetDocument()->GetTitle().find("(令和 8年 丙午)"), std::string::npos);

  Frame()->RouteCommand(ID_CURRENT_LAW);
  const std::string published = Rows(holidays);
  EXPECT_EQ(holidays->list()->topLevelItemCount(), 15);
  EXPECT_NE(published.find("12\t23\t水\t天皇誕生日\n"), std::string::npos);
  EXPECT_EQ(published.find("山の日"), std::string::npos);
  EXPECT_EQ(holidays->list()->currentIndex().row(), 14) << "the last row, as row 16 is gone";
  EXPECT_TRUE(Rows(eras).ends_with("\n平成\t1989\t...\t38\n")) << Rows(eras);
  EXPECT_EQ(Rows(eras).find("令和"), std::string::npos);
  EXPECT_NE(lunar->GetDocument()->GetTitle().find("(平成 38年 丙午)"), std::string::npos);
  // Every window shows its content's page cell for cell.
  for (CListViewEx* view : views) {
    const korvane::ListPage& page = view->page();
    std::string text;
    for (const auto& row : page.rows) {
      for (size_t c = 0; c < row.size(); ++c) text += (c ? "\t" : "") + row[c];
      text += "\n";
    }
    EXPECT_EQ(Rows(view), text) << view->info().className;
    EXPECT_EQ(view->GetDocument()->GetTitle(), page.title);
  }

  Frame()->RouteCommand(ID_CURRENT_LAW);
  EXPECT_EQ(Rows(holidays), lawHolidays);
  EXPECT_EQ(holidays->list()->currentIndex().row(), 14);
  EXPECT_TRUE(recorder_->messages().empty());
}

// The tear-off day calendar is modal: it takes the rules when it opens, as
// the stored setting gives them at a start without a main window.
TEST_F(LawSwitchTest, TheDayCalendarTakesTheRulesWhenItOpens) {
  AppSettings::Instance().Setup(Dir());
  CalendarNames::SetTodayOverride(2019, 5, 1);
  {
    CDayCalendarDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "2019年(令和元年)");
    EXPECT_NE(dialog.page().ToText().find("\n即位の日\n"), std::string::npos);
  }
  // The era changed on 5月1日, not with the year.
  CalendarNames::SetTodayOverride(2019, 4, 30);
  EXPECT_EQ(CDayCalendarDialog().windowTitle(), "2019年(平成31年)");
  CalendarNames::SetTodayOverride(2019, 5, 1);
  CurrentLaw = CalendarLaw::AsPublished;
  CDayCalendarDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "2019年(平成31年)");
  EXPECT_EQ(dialog.page().ToText().find("即位の日"), std::string::npos);
}

}  // namespace
}  // namespace shelltest
