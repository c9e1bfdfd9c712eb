#include "ui/dialogs/tips_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "engine/format.h"
#include "render/font_maker.h"
#include "render/grid_painter.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "content/command_ids.h"
#include "render/icons.h"
#include "textdata/text_line_source.h"

CTipsDlg::CTipsDlg(QWidget* parent) : QDialog(parent) {
  AppSettings& settings = AppSettings::Instance();
  const QFont font = korvane::DialogFont();
  setFont(font);
  setWindowTitle(QString::fromStdString(korvane::Format("%s - ワンポイント", korvane::kAppTitle)));
  auto place = [&](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(korvane::DialogUnitsToPixels(font, x, y, w, h));
  };

  panel_ = new QFrame(this);
  panel_->setObjectName("1008");
  panel_->setAutoFillBackground(true);
  QPalette grey = panel_->palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  panel_->setPalette(grey);
  place(panel_, 7, 7, 43, 168);

  auto* icon = new QLabel(this);
  icon->setObjectName("icon150");
  const QRect iconAt = korvane::DialogUnitsToPixels(font, 20, 18, 0, 0);
  icon->setPixmap(korvane::ResourceIcon(150).pixmap(32, 32));
  icon->setGeometry(iconAt.x(), iconAt.y(), 32, 32);

  startup_ = new QCheckBox(QStringLiteral("起動時にワンポイントを表示(&S)"), this);
  startup_->setObjectName("1001");
  place(startup_, 5, 180, 108, 11);
  startup_->setChecked(settings.GetOnePointView() != 0);
  connect(startup_, &QCheckBox::toggled, this, [](bool on) { AppSettings::Instance().SetOnePointView(on ? 1 : 0); });

  previous_ = new QPushButton(QStringLiteral("前を表示(&B)"), this);
  previous_->setObjectName("1031");
  place(previous_, 155, 180, 45, 15);
  next_ = new QPushButton(QStringLiteral("次を表示(&N)"), this);
  next_->setObjectName("1005");
  place(next_, 205, 180, 45, 15);
  auto* close = new QPushButton(QStringLiteral("閉じる(&C)"), this);
  close->setObjectName("IDOK");
  close->setDefault(true);
  place(close, 255, 180, 45, 15);

  content_ = std::make_unique<korvane::TipsContent>(
      korvane::TextDataPath(settings.ProgramDirectory(), "onepoint.txt"), settings.GetOnePoint());
  connect(previous_, &QPushButton::clicked, this, [this] {
    content_->Previous();
    update();
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    content_->Next();
    update();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(korvane::DialogUnitsToPixels(font, 0, 0, 314, 195).size());
}

CTipsDlg::~CTipsDlg() { AppSettings::Instance().SetOnePoint(content_->NextOpening()); }

korvane::TipsPage CTipsDlg::Page() const {
  return content_->Page(width(), panel_->height(), panel_->geometry().right() + 1);
}

void CTipsDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  const korvane::TipsPage page = Page();
  // The texts are set in height variants of the program's face.
  CFont face;
  face.CreateFontIndirect(FontMaker::DefaultLogFont());
  QPainter painter(this);
  korvane::PaintDrawOps(painter, page.Ops(), face, korvane::GridSystemColors::FromPalette(palette()));
}

namespace korvane {

void RunTipsDialog(QWidget* owner) {
  CTipsDlg dialog(owner);
  // An unreadable tips file has been reported; the dialog closes as if
  // cancelled without being shown.
  if (dialog.content().loaded()) DoModal(dialog);
}

}  // namespace korvane
