// The settings file: the INI store underneath, and the checks that keep a
// damaged file from reaching the views.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "engine/file_read.h"
#include "engine/lunisolar_table.h"
#include "framework/mdi_frame.h"
#include "framework/profile.h"
#include "content/lists/koyomi_list_content.h"
#include "state/app_settings.h"
#include "state/display_state.h"

namespace {

using korvane::ProfileFile;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::string Path() const { return dir_.filePath("test.INI").toStdString(); }
  QTemporaryDir dir_;
};

TEST_F(ProfileTest, WritesGoThroughAtOnceAndKeepEverythingElse) {
  WriteFile(Path(),
            "; a comment\r\n[General]\r\nBarState=abc\r\n\r\n[Settings]\r\nAreaCode=5\r\nother=x y\r\n"
            "[Recent File List]\r\nFile1=a\r\n");
  ProfileFile profile(Path());
  ASSERT_TRUE(profile.WriteProfileInt("Settings", "AreaCode", 12));
  ASSERT_TRUE(profile.WriteProfileString("Settings", "LastDate", "05/15/24"));
  ASSERT_TRUE(profile.WriteProfileString("New", "k", "v"));
  // A second reader sees the writes without any flush.
  ProfileFile reader(Path());
  EXPECT_EQ(reader.GetProfileInt("Settings", "AreaCode", 0), 12);
  EXPECT_EQ(reader.GetProfileString("Settings", "LastDate", ""), "05/15/24");
  EXPECT_EQ(reader.GetProfileString("Settings", "other", ""), "x y");
  EXPECT_EQ(reader.GetProfileString("General", "BarState", ""), "abc");
  EXPECT_EQ(reader.GetProfileString("Recent File List", "File1", ""), "a");
  EXPECT_EQ(reader.GetProfileString("New", "k", ""), "v");
  const std::string text = ReadFile(Path());
  EXPECT_NE(text.find("; a comment"), std::string::npos);
  // The new key went into its own section, before the next one.
  EXPECT_LT(text.find("LastDate="), text.find("[Recent File List]"));
  EXPECT_EQ(text.find("AreaCode=5"), std::string::npos);
}

TEST_F(ProfileTest, NamesMatchWithoutCaseAndValuesAreTrimmed) {
  WriteFile(Path(), "[settings]\n  areacode =  7  \nName=\"quoted\"\n");
  ProfileFile profile(Path());
  EXPECT_EQ(profile.GetProfileInt("Settings", "AreaCode", 39), 7);
  EXPECT_EQ(profile.GetProfileString("SETTINGS", "name", ""), "quoted");
  ASSERT_TRUE(profile.WriteProfileInt("Settings", "AREACODE", 8));
  EXPECT_EQ(profile.GetProfileInt("settings", "areacode", 39), 8);
  EXPECT_EQ(ReadFile(Path()).find("areacode =  7"), std::string::npos) << "replaced, not added twice";
}

TEST_F(ProfileTest, ValuesThatAreNoWholeIntegerGiveTheDefault) {
  WriteFile(Path(), "[S]\na=12abc\nb=\nc=99999999999\nd=-3\ne= +4 \nf=0x10\n");
  ProfileFile profile(Path());
  EXPECT_EQ(profile.GetProfileInt("S", "a", 1), 1);
  EXPECT_EQ(profile.GetProfileInt("S", "b", 1), 1);
  EXPECT_EQ(profile.GetProfileInt("S", "c", 1), 1);
  EXPECT_EQ(profile.GetProfileInt("S", "d", 1), -3);
  EXPECT_EQ(profile.GetProfileInt("S", "e", 1), 4);
  EXPECT_EQ(profile.GetProfileInt("S", "f", 1), 1);
  EXPECT_EQ(profile.GetProfileInt("S", "missing", 9), 9);
  EXPECT_EQ(ProfileFile(Path() + ".none").GetProfileInt("S", "a", 5), 5);
}

TEST_F(ProfileTest, AValueCannotBreakIntoTheNextLine) {
  ProfileFile profile(Path());
  ASSERT_TRUE(profile.WriteProfileString("S", "k", "one\n[Evil]\nx=1"));
  EXPECT_FALSE(profile.Read("Evil", "x").has_value());
  EXPECT_EQ(profile.GetProfileString("S", "k", ""), "one [Evil] x=1");
}

TEST_F(ProfileTest, AnUnwritableFileIsReportedAndLeftAlone) {
  ProfileFile profile(dir_.filePath("no/such/dir/x.INI").toStdString());
  EXPECT_FALSE(profile.WriteProfileInt("S", "k", 1));
  EXPECT_EQ(profile.GetProfileInt("S", "k", 3), 3);
}

// ---------------------------------------------------------------- AppSettings

class AppSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    AppSettings::Instance().Setup();
  }
  void TearDown() override { QDir::setCurrent(previous_); }
  void Ini(const std::string& text) { WriteFile(AppSettings::Instance().FilePath(), text); }

  QTemporaryDir dir_;
  QString previous_;
};

TEST_F(AppSettingsTest, TheFileLivesInTheWorkingDirectorySpeltAsItIs) {
  QDir(dir_.path()).mkdir("MyCalendar");
  const std::string mixed = dir_.filePath("MyCalendar").toStdString();
  QDir::setCurrent(QString::fromStdString(mixed));
  AppSettings& settings = AppSettings::Instance();
  settings.Setup();
  EXPECT_EQ(settings.ProgramDirectory(), mixed);
  EXPECT_EQ(settings.FilePath(), mixed + "/korvane.INI");
  settings.SetAreaCode(3);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(mixed + "/korvane.INI")));
  EXPECT_EQ(settings.GetAreaCode(), 3);
}

TEST_F(AppSettingsTest, DefaultsWithoutAFile) {
  AppSettings& settings = AppSettings::Instance();
  EXPECT_EQ(settings.GetAreaCode(), 39);
  EXPECT_EQ(settings.GetOneDayWindow(1), 1);
  EXPECT_EQ(settings.GetOneDayView(), 1);
  EXPECT_EQ(settings.GetOnePointView(), 1);
  EXPECT_EQ(settings.GetOnePoint(), 1);
  EXPECT_EQ(settings.GetLastDate(), "");
  DisplayMonth = {2010, 4};
  LunarDisplayMonth = {2010, 3};
  settings.GetDisplayMonth();
  settings.GetLunarDisplayMonth();
  EXPECT_EQ(DisplayMonth.year, 2010);
  EXPECT_EQ(DisplayMonth.month, 4);
  EXPECT_EQ(LunarDisplayMonth.year, 2010);
  EXPECT_EQ(LunarDisplayMonth.month, 3);
}

TEST_F(AppSettingsTest, EveryStoredValueIsCheckedAgainstItsRange) {
  AppSettings& settings = AppSettings::Instance();
  for (const char* area : {"-1", "87", "1000", "x"}) {
    Ini(std::string("[Settings]\nAreaCode=") + area + "\n");
    EXPECT_EQ(settings.GetAreaCode(), 39) << area;
  }
  for (const char* area : {"0", "86"}) {
    Ini(std::string("[Settings]\nAreaCode=") + area + "\n");
    EXPECT_EQ(settings.GetAreaCode(), std::atoi(area));
  }
  Ini("[Settings]\nonedaywindow=2\nonedayview=-1\nonepointview=1\nonepoint=0\n");
  EXPECT_EQ(settings.GetOneDayWindow(1), 1);
  EXPECT_EQ(settings.GetOneDayWindow(0), 0) << "the caller's default";
  EXPECT_EQ(settings.GetOneDayView(), 1);
  EXPECT_EQ(settings.GetOnePointView(), 1);
  EXPECT_EQ(settings.GetOnePoint(), 1);
  Ini("[Settings]\nonedaywindow=0\nonedayview=0\nonepointview=0\nonepoint=42\n");
  EXPECT_EQ(settings.GetOneDayWindow(1), 0);
  EXPECT_EQ(settings.GetOneDayView(), 0);
  EXPECT_EQ(settings.GetOnePointView(), 0);
  EXPECT_EQ(settings.GetOnePoint(), 42);
  for (const char* law : {"2", "-1", "x", ""}) {
    Ini(std::string("[Settings]\nCurrentLaw=") + law + "\n");
    EXPECT_EQ(settings.GetCurrentLaw(), 1) << law;
  }
  Ini("[Settings]\nCurrentLaw=0\n");
  EXPECT_EQ(settings.GetCurrentLaw(), 0);
  // The notes list's choice: no note, bits past the last note, or no number
  // give the list's default; a stored choice comes back as it was written.
  for (const char* notes : {"0", "-1", "134217728", "x", ""}) {
    Ini(std::string("[Settings]\nKoyomiNotes=") + notes + "\n");
    EXPECT_EQ(settings.GetNoteChoice(), korvane::KoyomiListContent::DefaultChoice()) << notes;
  }
  settings.SetNoteChoice(KoyomiNotes::UnluckyNotes());
  EXPECT_EQ(settings.GetNoteChoice(), KoyomiNotes::UnluckyNotes());
}

TEST_F(AppSettingsTest, StoredMonthsOutsideTheTablesKeepTheDefaults) {
  AppSettings& settings = AppSettings::Instance();
  struct Case {
    const char* year;
    const char* month;
    int wantYear, wantMonth;
  } cases[] = {{"1999", "12", 1999, 12}, {"593", "1", 593, 1},   {"2051", "12", 2051, 12},
               {"592", "5", 2020, 5},    {"2052", "5", 2020, 5}, {"1999", "13", 1999, 6},
               {"1999", "0", 1999, 6},   {"", "", 2020, 6},      {"1e3", "3", 2020, 3}};
  for (const Case& c : cases) {
    Ini(std::string("[Settings]\nkorvaneYear=") + c.year + "\nkorvaneMomth=" + c.month + "\n");
    DisplayMonth = {2020, 6};
    settings.GetDisplayMonth();
    EXPECT_EQ(DisplayMonth.year, c.wantYear) << c.year << "/" << c.month;
    EXPECT_EQ(DisplayMonth.month, c.wantMonth) << c.year << "/" << c.month;
  }
}

TEST_F(AppSettingsTest, ALunisolarMonthThirteenNeedsALeapYear) {
  const LunisolarTable table;
  int leapYear = 0, plainYear = 0;
  for (int y = 2000; y <= 2050 && (!leapYear || !plainYear); ++y) {
    if (table.HasLeapMonth(y)) {
      if (!leapYear) leapYear = y;
    } else if (!plainYear) {
      plainYear = y;
    }
  }
  ASSERT_TRUE(leapYear && plainYear);
  AppSettings& settings = AppSettings::Instance();

  Ini("[Settings]\nkorvaneOldYear=" + std::to_string(leapYear) + "\nkorvaneOldMomth=13\n");
  LunarDisplayMonth = {2024, 4};
  settings.GetLunarDisplayMonth();
  EXPECT_EQ(LunarDisplayMonth.year, leapYear);
  EXPECT_EQ(LunarDisplayMonth.month, 13);

  Ini("[Settings]\nkorvaneOldYear=" + std::to_string(plainYear) + "\nkorvaneOldMomth=13\n");
  LunarDisplayMonth = {2024, 4};
  settings.GetLunarDisplayMonth();
  EXPECT_EQ(LunarDisplayMonth.year, 2024) << "the pair is left together";
  EXPECT_EQ(LunarDisplayMonth.month, 4);

  Ini("[Settings]\nkorvaneOldYear=3000\nkorvaneOldMomth=2\n");
  LunarDisplayMonth = {2024, 4};
  settings.GetLunarDisplayMonth();
  EXPECT_EQ(LunarDisplayMonth.year, 2024);
  EXPECT_EQ(LunarDisplayMonth.month, 2) << "a good month with the default year";

  EXPECT_TRUE(AppSettings::IsValidLunarMonth(leapYear, 13));
  EXPECT_FALSE(AppSettings::IsValidLunarMonth(plainYear, 13));
  EXPECT_FALSE(AppSettings::IsValidLunarMonth(leapYear, 14));
  EXPECT_FALSE(AppSettings::IsValidLunarMonth(leapYear, 0));
}

TEST_F(AppSettingsTest, LastDateAndTimeAreCutToTheCallersBuffer) {
  AppSettings& settings = AppSettings::Instance();
  settings.SetLastDate("05/15/24");
  settings.SetLastTime("日付と時刻ではない長い文字列");
  char small[9];
  EXPECT_EQ(settings.GetLastDate(small, sizeof small), 8u);
  EXPECT_STREQ(small, "05/15/24");
  char tiny[8];
  const size_t n = settings.GetLastTime(tiny, sizeof tiny);
  EXPECT_EQ(n, 6u) << "never half a character";
  EXPECT_STREQ(tiny, "日付");
  EXPECT_EQ(settings.GetLastDate(nullptr, 0), 0u);
}

// ---------------------------------------------------------------- damaged files

TEST_F(AppSettingsTest, AByteOrderMarkDoesNotHideTheFirstSection) {
  AppSettings& settings = AppSettings::Instance();
  Ini("\xEF\xBB\xBF[Settings]\r\nAreaCode=12\r\n");
  EXPECT_EQ(settings.GetAreaCode(), 12);
  settings.SetAreaCode(5);
  EXPECT_EQ(ReadFile(settings.FilePath()), "\xEF\xBB\xBF[Settings]\nAreaCode=5\n");
}

TEST_F(AppSettingsTest, AnUnwritableFileIsSaidOnceAndKeptAsItWas) {
  AppSettings& settings = AppSettings::Instance();
  const std::string text = "[Settings]\nAreaCode=12\n";
  Ini(text);
  QFile::setPermissions(QString::fromStdString(settings.FilePath()), QFile::ReadOwner);
  std::vector<std::string> said;
  settings.Profile().SetWriteFailureHandler([&](const std::string& reason) { said.push_back(reason); });
  settings.SetAreaCode(5);
  settings.SetOnePoint(3);
  settings.Profile().SetWriteFailureHandler(nullptr);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("書き込み禁止"), std::string::npos) << said[0];
  EXPECT_EQ(settings.GetAreaCode(), 12);
  EXPECT_EQ(ReadFile(settings.FilePath()), text);
}

TEST_F(AppSettingsTest, SpecialAndHugeFilesReadAsDefaultsAndSurvive) {
  AppSettings& settings = AppSettings::Instance();
  const QString path = QString::fromStdString(settings.FilePath());
  // Each would hang the start, fill the memory or be cut to a few lines.
  ASSERT_TRUE(QFile::link("/dev/zero", path));
  EXPECT_EQ(settings.GetAreaCode(), 39);
  settings.SetAreaCode(5);
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), "/dev/zero");
  ASSERT_TRUE(QFile::remove(path));

  ASSERT_EQ(::mkfifo(settings.FilePath().c_str(), 0600), 0);
  settings.Setup();
  EXPECT_EQ(settings.GetAreaCode(), 39);
  settings.SetAreaCode(5);
  EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile());
  ASSERT_TRUE(QFile::remove(path));

  const std::string huge = "[Settings]\nAreaCode=12\n" + std::string(korvane::kSettingsFileLimit, ';');
  Ini(huge);
  settings.Setup();
  EXPECT_EQ(settings.GetAreaCode(), 39);
  settings.SetAreaCode(5);
  EXPECT_EQ(ReadFile(settings.FilePath()).size(), huge.size());
  EXPECT_FALSE(settings.Profile().WriteError().empty());
}

// ---------------------------------------------------------------- placement text

TEST(WindowPlacementText, ParsesExactlyTenNumbers) {
  WindowPlacement p;
  ASSERT_TRUE(WindowPlacement::Parse("2,3,-1,-1,-8,-8,10,20,810,620", p));
  EXPECT_EQ(p.flags, 2u);
  EXPECT_EQ(p.showCommand, 3u);
  EXPECT_EQ(p.maxX, -8);
  EXPECT_EQ(p.left, 10);
  EXPECT_EQ(p.bottom, 620);
  EXPECT_EQ(p.ToString(), "2,3,-1,-1,-8,-8,10,20,810,620");
  WindowPlacement round;
  ASSERT_TRUE(WindowPlacement::Parse(p.ToString(), round));
  EXPECT_EQ(round.ToString(), p.ToString());

  for (const char* bad : {"", "1,2,3", "0,1,-1,-1,-1,-1,10,20,810", "0,1,-1,-1,-1,-1,10,20,810,620,7",
                          "-2,1,-1,-1,-1,-1,10,20,810,620", "0,1,-1,-1,-1,-1,10,20,810,620x",
                          "0;1;-1;-1;-1;-1;10;20;810;620", "0,1,-1,-1,-1,-1,10,20,99999999999,620",
                          "a,b,c,d,e,f,g,h,i,j"}) {
    EXPECT_FALSE(WindowPlacement::Parse(bad, p)) << bad;
  }
  EXPECT_TRUE(WindowPlacement::Parse(" 0, 1,-1,-1,-1,-1,10,20,810,620\r\n", p));
}

}  // namespace

// The user's places in [Places]: loaded before the place code, a damaged
// line skipped (and kept for the user to mend), removals blanked.
TEST_F(AppSettingsTest, UserPlacesLoadSkipDamageAndWidenTheAreaCode) {
  AppSettings& settings = AppSettings::Instance();
  Ini("[Settings]\nAreaCode=88\n[Places]\nPlace1=51.4779,-0.0015,46,0,Greenwich\n"
      "Place2=95,0,0,0,Broken\nPlace3=\nPlace4=-33.8688,151.2093,0,10,Sydney, NSW\n");
  EXPECT_EQ(settings.LoadUserPlaces(), 1);
  ASSERT_EQ(Places.Count(), 87 + 2);
  EXPECT_EQ(Places.Name(87), "Greenwich");
  EXPECT_EQ(Places.Name(88), "Sydney, NSW");
  EXPECT_EQ(settings.GetAreaCode(), 88);
  Ini("[Settings]\nAreaCode=89\n");
  EXPECT_EQ(settings.GetAreaCode(), 39);

  Ini("[Places]\nPlace1=51.4779,-0.0015,46,0,Greenwich\nPlace2=95,0,0,0,Broken\n"
      "Place3=1,1,0,9,Gone\n");
  ASSERT_EQ(settings.LoadUserPlaces(), 1);
  std::vector<ObservingPlace> kept = {Places.At(87)};
  Places.SetUserPlaces(kept);
  settings.SaveUserPlaces();
  EXPECT_EQ(ReadFile(settings.FilePath()),
            "[Places]\nPlace1=51.4779,-0.0015,46,0,Greenwich\nPlace2=95,0,0,0,Broken\n"
            "Place3=\n");
  EXPECT_EQ(settings.LoadUserPlaces(), 1);
  EXPECT_EQ(Places.Count(), 88);
  Places.SetUserPlaces({});
}
