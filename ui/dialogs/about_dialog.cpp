#include "ui/dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "render/font_maker.h"
#include "content/command_ids.h"
#include "render/icons.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(Korvane)"));
  const QFont font = korvane::DialogFont();
  setFont(font);
  auto place = [&](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(korvane::DialogUnitsToPixels(font, x, y, w, h));
  };

  auto* icon = new QLabel(this);
  icon->setObjectName("icon128");
  const QRect iconRect = korvane::DialogUnitsToPixels(font, 11, 17, 20, 20);
  icon->setPixmap(korvane::ResourceIcon(128).pixmap(32, 32));
  icon->setGeometry(iconRect.x(), iconRect.y(), 32, 32);

  title_ = new QLabel(this);
  title_->setObjectName("1043");
  place(title_, 40, 10, 130, 10);
  // The application title, whatever the template held.
  title_->setText(QString::fromUtf8(korvane::kAppTitle));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("IDOK");
  ok->setDefault(true);
  place(ok, 178, 7, 32, 14);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(korvane::DialogUnitsToPixels(font, 0, 0, 217, 55).size());
}
