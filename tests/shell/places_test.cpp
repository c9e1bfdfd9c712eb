// Places of the user's own in the running program: read from the settings
// file (a damaged entry skipped with one status-bar message), shown by the
// sunrise list and the day calendar, added through 表示 → 地点の管理, and
// still there after a restart.
#include <QLineEdit>
#include <QStatusBar>
#include <filesystem>

#include "content/command_ids.h"
#include "shell_fixture.h"
#include "ui/dialogs/day_calendar_dialog.h"
#include "ui/dialogs/places_dialog.h"
#include "ui/views/list_view_ex.h"

namespace shelltest {
namespace {

class PlacesTest : public ShellTest {
 protected:
  void TearDown() override {
    ShellTest::TearDown();
    Places.SetUserPlaces({});
    AreaCode = korvane::kDefaultAreaCode;
  }
  std::string SunListTitle() {
    if (!Frame()->RouteCommand(korvane::ID_SUN_TIME_LIST)) return "";
    QApplication::processEvents();
    auto* view = dynamic_cast<CListViewEx*>(Frame()->GetActiveView());
    return view ? view->page().title : "";
  }
};

TEST_F(PlacesTest, AStoredPlaceIsChosenShownAndADamagedOneSkipped) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\nAreaCode=87\n[Places]\n"
           "Place1=51.4779,-0.0015,0,0,Greenwich\nPlace2=51.4779,x,0,0,Broken\n");
  ASSERT_TRUE(Start());
  EXPECT_NE(Frame()->MessageText().toStdString().find("1 件"), std::string::npos)
      << Frame()->MessageText().toStdString();
  EXPECT_EQ(AreaCode, 87);
  EXPECT_EQ(SunListTitle(), "日の出／入 Greenwich UTC+0(2024年5月)");
  std::filesystem::create_directories(Dir() + "/TxtData");
  CDayCalendarDialog day;
  const std::string text = day.page().ToText();
  EXPECT_NE(text.find("\nGreenwich\n日の出  4 "), std::string::npos) << text;
  // The damaged line stays in the file for the user to mend.
  EXPECT_NE(ReadIni().find("Place2=51.4779,x,0,0,Broken"), std::string::npos);
}

TEST_F(PlacesTest, APlaceAddedInTheDialogIsChosenAndSurvivesARestart) {
  WriteIni("[Settings]\nonedayview=0\nonepointview=0\n");
  ASSERT_TRUE(Start());
  onModal_ = [](QDialog& dialog) {
    auto* places = dynamic_cast<CPlacesDialog*>(&dialog);
    if (!places) return;
    places->NameEdit()->setText(QStringLiteral("Reykjavik"));
    places->LatitudeEdit()->setText(QStringLiteral("64°08′48″N"));
    places->LongitudeEdit()->setText(QStringLiteral("21°56′33″W"));
    places->OffsetEdit()->setText(QStringLiteral("0"));
    places->AddPlace();
    places->accept();
  };
  ASSERT_TRUE(Frame()->RouteCommand(korvane::ID_PLACES));
  onModal_ = nullptr;
  ASSERT_EQ(Places.Count(), 88);
  AreaCode = 87;
  EXPECT_EQ(SunListTitle(), "日の出／入 Reykjavik UTC+0(2024年5月)");
  CloseByCloseBox();
  Places.SetUserPlaces({});
  Restart();
  ASSERT_EQ(Places.Count(), 88);
  EXPECT_EQ(AreaCode, 87);
  EXPECT_EQ(SunListTitle(), "日の出／入 Reykjavik UTC+0(2024年5月)");
}

}  // namespace
}  // namespace shelltest
