// 地点の管理: a place typed into the dialog joins the place list of the
// year/month dialog after the 87, is written to the settings file, and a
// removed place's code falls back to 東京.
#include "ui/dialogs/places_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "state/app_settings.h"
#include "state/display_state.h"
#include "ui/dialogs/year_month_dialog.h"

namespace {

void Type(CPlacesDialog& dialog, const char* name, const char* lat, const char* lon,
          const char* offset) {
  dialog.NameEdit()->setText(QString::fromUtf8(name));
  dialog.LatitudeEdit()->setText(QString::fromUtf8(lat));
  dialog.LongitudeEdit()->setText(QString::fromUtf8(lon));
  dialog.OffsetEdit()->setText(QString::fromUtf8(offset));
}

TEST(PlacesDialog, AddedPlacesFollowTheTableAndASavedOneComesBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  AppSettings& settings = AppSettings::Instance();
  settings.Setup(dir.path().toStdString());
  const int savedArea = AreaCode;
  {
    CPlacesDialog dialog;
    Type(dialog, "Greenwich", "51°28′40″N", "0.0015W", "0");
    dialog.AddPlace();
    Type(dialog, "Nowhere", "95", "0", "0");
    dialog.AddPlace();  // refused, said in the dialog
    EXPECT_NE(dialog.Message()->text().toStdString().find("緯度"), std::string::npos);
    Type(dialog, "高尾山", "35.6258", "139.2436", "");
    dialog.AddPlace();
    ASSERT_EQ(dialog.List()->count(), 2);
    EXPECT_EQ(dialog.List()->item(0)->text().toStdString(), "Greenwich (UTC+0)");
    dialog.accept();
  }
  ASSERT_EQ(Places.Count(), 89);
  EXPECT_EQ(Places.At(88).utcOffset, 9.0);
  {
    CYearMonthDialog ym(20, korvane::YearRangeKind::Astronomy, 2026, 6, 87);
    auto* list = ym.findChild<QComboBox*>("1025");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 89);
    EXPECT_EQ(list->itemText(87).toStdString(), "Greenwich");
  }
  // A restart reads them back; removing the chosen one moves the code to 東京.
  Places.SetUserPlaces({});
  EXPECT_EQ(settings.LoadUserPlaces(), 0);
  ASSERT_EQ(Places.Count(), 89);
  EXPECT_NEAR(Places.At(87).latitude, 51 + 28 / 60.0 + 40 / 3600.0, 1e-12);
  AreaCode = 88;
  {
    CPlacesDialog dialog;
    dialog.List()->setCurrentRow(0);
    EXPECT_EQ(dialog.NameEdit()->text().toStdString(), "Greenwich");
    dialog.RemovePlace();
    dialog.accept();
  }
  EXPECT_EQ(AreaCode, 87);  // 高尾山 moved up
  AreaCode = 87;
  {
    CPlacesDialog dialog;
    dialog.List()->setCurrentRow(0);
    dialog.RemovePlace();
    dialog.accept();
  }
  EXPECT_EQ(AreaCode, 39);
  EXPECT_EQ(settings.GetAreaCode(), 39);
  AreaCode = savedArea;
  Places.SetUserPlaces({});
}

}  // namespace
