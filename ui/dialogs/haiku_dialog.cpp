#include "ui/dialogs/haiku_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextOption>

#include "engine/lunisolar_table.h"
#include "render/font_maker.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "state/display_state.h"
#include "textdata/text_line_source.h"

CHaikuDlg::CHaikuDlg(int index, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ルミカの俳句"));
  const QFont font = korvane::DialogFont();
  setFont(font);
  // The controls keep their places in dialog units inside the margins of
  // the platform's dialog style.
  const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
  auto place = [&](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(korvane::DialogUnitsToPixels(font, x, y, w, h).translated(margin, margin));
  };

  const LunisolarTable lunisolar(CurrentLaw);
  texts_ = korvane::HaikuTextsFor(
      index, korvane::TextDataPath(AppSettings::Instance().ProgramDirectory(), "rumika.txt"), lunisolar);

  // The edits' font: the FontMaker face at a character height of 12 pixels.
  CFont base;
  base.CreateFontIndirect(FontMaker::DefaultLogFont());
  CFont small;
  const QFont editFont = FontMaker::MakeHeightVariant(base, 12, small) ? small.Font() : font;

  const struct {
    const char* text;
    int y;
  } labels[] = {{"俳句", 0}, {"詠み", 15}, {"季語", 30}, {"解釈", 45}, {"詠年", 85}};
  for (const auto& label : labels) place(new QLabel(QString::fromUtf8(label.text), this), 0, label.y, 15, 10);

  auto edit = [&](const char* id, const std::string& text, int y, int h) {
    auto* line = new QLineEdit(QString::fromStdString(text), this);
    line->setObjectName(id);
    line->setReadOnly(true);
    line->setFont(editFont);
    line->setCursorPosition(0);
    place(line, 20, y, 165, h);
    return line;
  };
  poem_ = edit("1036", texts_.poem, 0, 12);
  reading_ = edit("1037", texts_.reading, 15, 12);
  season_ = edit("1039", texts_.seasonWord, 30, 10);
  year_ = edit("1038", texts_.year, 85, 10);

  commentary_ = new QPlainTextEdit(this);
  commentary_->setObjectName("1040");
  commentary_->setReadOnly(true);
  commentary_->setFont(editFont);
  // The rows are already broken at 44 columns; a narrower edit still shows
  // every character.
  commentary_->setWordWrapMode(QTextOption::WrapAnywhere);
  commentary_->setPlainText(QString::fromStdString(texts_.commentary));
  place(commentary_, 20, 45, 165, 35);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("IDOK");
  ok->setDefault(true);
  place(ok, 135, 95, 50, 14);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  const QRect client = korvane::DialogUnitsToPixels(font, 0, 0, 185, 109);
  setFixedSize(client.width() + 2 * margin, client.height() + 2 * margin);
}

namespace korvane {

void RunHaikuDialog(int index, QWidget* owner) {
  CHaikuDlg dialog(index, owner);
  DoModal(dialog);
}

}  // namespace korvane
