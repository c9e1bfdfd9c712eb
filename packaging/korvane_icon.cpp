// Writes the program's icon, as the window shows it, into a hicolor icon
// theme folder: PNG files of the usual sizes and one scalable SVG.
//
//   korvane-icon OUTPUT-FOLDER
#include <QGuiApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "render/icons.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvane-icon OUTPUT-FOLDER\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    QDir().mkpath(folder);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    korvane::PaintProgramIcon(painter, size);
    painter.end();
    if (!image.save(folder + QStringLiteral("/korvane.png"))) {
      std::fprintf(stderr, "korvane-icon: cannot write %s\n", qPrintable(folder));
      return 1;
    }
  }
  const QString scalable = root + QStringLiteral("/scalable/apps");
  QDir().mkpath(scalable);
  QSvgGenerator svg;
  svg.setFileName(scalable + QStringLiteral("/korvane.svg"));
  svg.setSize(QSize(256, 256));
  svg.setViewBox(QRect(0, 0, 256, 256));
  svg.setTitle(QStringLiteral("コルヴァン"));
  QPainter painter(&svg);
  korvane::PaintProgramIcon(painter, 256);
  return painter.end() ? 0 : 1;
}
