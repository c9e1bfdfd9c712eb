// The tips dialog and the haiku dialog, offscreen, on TxtData files the
// tests write.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>

#include "content/haiku_content.h"
#include "ui/dialogs/haiku_dialog.h"
#include "ui/dialogs/tips_dialog.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "ui/dialogs/shell_dialogs.h"
#include "textdata/sjis.h"

namespace {

class TipsAndHaiku : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    AppSettings::Instance().Setup(dir_.path().toStdString());
    QDir(dir_.path()).mkdir("TxtData");
    previousRunner_ = korvane::SetModalRunner([this](QDialog& dialog) {
      ++modals_;
      if (onModal_) onModal_(dialog);
      return static_cast<int>(QDialog::Accepted);
    });
  }
  void TearDown() override { korvane::SetModalRunner(previousRunner_); }

  void WriteTxtData(const std::string& name, const std::string& utf8) {
    std::string sjis;
    ASSERT_TRUE(korvane::Utf8ToSjis(utf8, sjis));
    std::ofstream(dir_.path().toStdString() + "/TxtData/" + name, std::ios::binary) << sjis;
  }
  void SaveGrab(QWidget& widget, const char* name) {
    const QString folder = QStringLiteral(KORVANE_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    widget.grab().save(folder + "/" + name);
  }

  QTemporaryDir dir_;
  korvane::ModalRunner previousRunner_;
  std::function<void(QDialog&)> onModal_;
  int modals_ = 0;
  korvane::MessageRecorder recorder_;
};

}  // namespace

TEST_F(TipsAndHaiku, TipsDialogWalksTheTopicsAndRemembersTheNextOne) {
  WriteTxtData("onepoint.txt", "1:\n月の設定\n右クリックでも開きます。\n2:\n" + std::string(40, 'a') +
                                   "\n3:\n三番目\n本文\n");
  AppSettings& settings = AppSettings::Instance();
  settings.SetOnePoint(7);  // more than the file has: topic 1
  EXPECT_EQ(korvane::Dialogs().tips, &korvane::RunTipsDialog);
  onModal_ = [this](QDialog& dialog) {
    auto& tips = dynamic_cast<CTipsDlg&>(dialog);
    EXPECT_EQ(tips.windowTitle(), QStringLiteral("コルヴァン V4.04 - ワンポイント"));
    EXPECT_EQ(tips.content().current(), 1);
    EXPECT_EQ(tips.Page().heading, "月の設定\n");
    tips.NextButton()->click();
    EXPECT_EQ(tips.Page().heading, "豆知識...\n");
    tips.PreviousButton()->click();
    tips.PreviousButton()->click();  // before topic 1: the last topic
    EXPECT_EQ(tips.content().current(), 3);
    EXPECT_EQ(tips.Page().body, "\n本文\n");

    // Boxes from 87 pixels in (or 12 right of the grey panel) to 10 short of
    // the right edge; the body box ends 11 pixels below the grey panel's
    // height, with 13 lines in it.
    const korvane::TipsPage page = tips.Page();
    const QWidget* panel = tips.findChild<QWidget*>("1008");
    const int left = std::max(87, panel->geometry().right() + 1 + 12);
    EXPECT_EQ(page.headingBox, (korvane::TipsRect{left, 11, tips.width() - 10, 61}));
    EXPECT_EQ(page.headingHeight, 36);
    const int bottom = panel->height() + 11;
    EXPECT_EQ(page.bodyBox, (korvane::TipsRect{left, 60, tips.width() - 10, bottom}));
    EXPECT_EQ(page.bodyHeight, (bottom - 62) / 13);
    const QImage image = tips.grab().toImage();
    EXPECT_EQ(image.pixelColor(left, 40), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(left + 1, 14), QColor(Qt::white));
    SaveGrab(tips, "tips_dialog.png");

    ASSERT_TRUE(tips.StartupCheck()->isChecked());
    tips.StartupCheck()->click();
    EXPECT_EQ(AppSettings::Instance().GetOnePointView(), 0);
  };
  korvane::RunTipsDialog(nullptr);
  EXPECT_EQ(modals_, 1);
  // Closing stores the topic after the one shown; the next opening wraps to 1.
  EXPECT_EQ(settings.GetOnePoint(), 4);
  onModal_ = [](QDialog& dialog) { EXPECT_EQ(dynamic_cast<CTipsDlg&>(dialog).content().current(), 1); };
  korvane::RunTipsDialog(nullptr);
  EXPECT_EQ(settings.GetOnePoint(), 2);
  EXPECT_TRUE(recorder_.messages().empty());
}

TEST_F(TipsAndHaiku, ABodyLineOfTheLongestKindIsShownWhole) {
  // 66 bytes: 33 double-byte characters.  Lines never wrap, so the face
  // must be narrow enough for the whole line inside the box.
  std::string line;
  for (int i = 0; i < 33; ++i) line += "国";
  WriteTxtData("onepoint.txt", "1:\n見出し\n" + line + "\n");
  onModal_ = [](QDialog& dialog) {
    auto& tips = dynamic_cast<CTipsDlg&>(dialog);
    const korvane::TipsPage page = tips.Page();
    const QImage image = tips.grab().toImage();
    // The rightmost ink of the body, inside the box's border.
    int rightmost = -1;
    for (int y = page.bodyText.top; y < page.bodyBox.bottom - 1; ++y)
      for (int x = page.bodyText.left; x < page.bodyBox.right - 1; ++x)
        if (image.pixelColor(x, y).lightness() < 128) rightmost = std::max(rightmost, x);
    EXPECT_GT(rightmost, (page.bodyText.left + page.bodyBox.right) / 2);
    EXPECT_LT(rightmost, page.bodyBox.right - 3) << "the line is cut at the box's edge";
  };
  korvane::RunTipsDialog(nullptr);
  EXPECT_EQ(modals_, 1);
}

TEST_F(TipsAndHaiku, MissingTipsFileGivesTheMessageAndNoDialog) {
  korvane::RunTipsDialog(nullptr);
  EXPECT_EQ(modals_, 0);
  ASSERT_EQ(recorder_.messages().size(), 1u);
  EXPECT_EQ(recorder_.messages()[0], dir_.path().toStdString() + "/TxtData/onepoint.txt\nファイル を読み出し出来ません.");
}

TEST_F(TipsAndHaiku, HaikuDialogShowsTheRecordWithItsCommentary) {
  WriteTxtData("rumika.txt", "[1]\n1:はるたつや しんねんふるき こめごしょう\n2:春立つ\n3:" + std::string(45, 'x') +
                                 "\n二行目\n[2]\n");
  onModal_ = [this](QDialog& dialog) {
    auto& haiku = dynamic_cast<CHaikuDlg&>(dialog);
    EXPECT_EQ(haiku.windowTitle(), QStringLiteral("ルミカの俳句"));
    EXPECT_EQ(haiku.Poem()->text(), QStringLiteral("春立や 新年ふるき 米五升"));
    EXPECT_EQ(haiku.Reading()->text(), QStringLiteral("はるたつや しんねんふるき こめごしょう"));
    EXPECT_EQ(haiku.SeasonWord()->text(), QStringLiteral("春立つ"));
    // 貞享 1 is 1684; the age is the year minus 1643.
    EXPECT_EQ(haiku.Year()->text(), QStringLiteral("貞享 1年(1684)(41才)"));
    EXPECT_EQ(haiku.Commentary()->toPlainText().toStdString(),
              std::string(44, 'x') + "\nx\n二行目");
    EXPECT_TRUE(haiku.Poem()->isReadOnly() && haiku.Commentary()->isReadOnly());
    SaveGrab(haiku, "haiku_dialog.png");
  };
  korvane::RunHaikuDialog(0, nullptr);
  EXPECT_EQ(modals_, 1);
  EXPECT_TRUE(recorder_.messages().empty());

  // A number the table has no poem for shows nothing, and reads nothing.
  int missing = 0;
  while (missing < korvane::kHaikuCount && korvane::HaikuOfDay(missing).present) ++missing;
  if (missing < korvane::kHaikuCount) {
    const korvane::HaikuTexts none = CHaikuDlg(missing).texts();
    EXPECT_EQ(none.poem + none.reading + none.seasonWord + none.commentary + none.year, "");
  }

  // An era year no lunisolar year carries under the law as it stands.
  korvane::HaikuRecord unknown = korvane::HaikuOfDay(0);
  unknown.era = "平成";
  unknown.eraYear = 31;
  EXPECT_EQ(korvane::HaikuYearText(unknown, LunisolarTable(CalendarLaw::Current)), "平成 31年");

  // 31 December of a leap year: haiku 366, whose month and day are 99.
  QFile::remove(dir_.path() + "/TxtData/rumika.txt");
  const CHaikuDlg last(365);
  EXPECT_EQ(last.Poem()->text(), QStringLiteral("姥桜 咲くや老後の 思ひ出"));
  EXPECT_EQ(last.Year()->text(), QStringLiteral("寛文 4年(1664)(21才)"));
  EXPECT_EQ(last.Reading()->text(), QString());
  ASSERT_EQ(recorder_.messages().size(), 1u);
  EXPECT_NE(recorder_.messages()[0].find("rumika.txt\nファイル を読み出し出来ません."), std::string::npos);
}
