#include "render/icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "render/font_maker.h"

namespace korvane {
namespace {

const QColor kGregorianRed(196, 32, 40);
const QColor kLunarIndigo(44, 62, 150);
const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kEdge(90, 90, 90);

// A drawing in a square of `units` design units, scaled to the pixmap.
using Drawing = std::function<void(QPainter&)>;

QPixmap Render(const Drawing& draw, QSize size, qreal units, qreal ratio) {
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const qreal scale = std::min(size.width(), size.height()) / units;
  // Centre the square drawing in a pixmap that is not square (16 x 15).
  painter.translate((size.width() - units * scale) / 2, (size.height() - units * scale) / 2);
  painter.scale(scale, scale);
  draw(painter);
  return pixmap;
}

QIcon MakeIcon(const Drawing& draw, QSize size, qreal units) {
  QIcon icon;
  icon.addPixmap(Render(draw, size, units, 1.0));
  icon.addPixmap(Render(draw, size, units, 2.0));
  return icon;
}

QFont GlyphFont(qreal pixels, bool bold = true) {
  QFont font;
  font.setFamilies(FontMaker::FamiliesFor(QStringLiteral("ＭＳ ゴシック")));
  font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void Glyph(QPainter& p, const QRectF& box, const QString& text, const QColor& color, qreal pixels) {
  // Drawn at a fixed pixel size in an unscaled painter so the kanji keeps
  // its hinting; the box is mapped through the current transform.
  const QRectF target = p.transform().mapRect(box);
  p.save();
  p.resetTransform();
  p.setFont(GlyphFont(pixels * target.height() / box.height()));
  p.setPen(color);
  p.drawText(target, Qt::AlignCenter, text);
  p.restore();
}

// A wall-calendar page on 32 units: two rings, a coloured band, white paper.
void Page(QPainter& p, const QColor& band) {
  p.setPen(QPen(kEdge, 1.0));
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(3.5, 5.5, 25, 24.5), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  QPainterPath top;
  top.addRoundedRect(QRectF(4, 6, 24, 7), 1.5, 1.5);
  p.drawPath(top);
  p.setBrush(kInk);
  p.drawRoundedRect(QRectF(8.5, 2.5, 2.5, 6.5), 1, 1);
  p.drawRoundedRect(QRectF(21, 2.5, 2.5, 6.5), 1, 1);
}

// The plain month grid: 3 rows of 4 day cells, the first column a Sunday.
void MiniGrid(QPainter& p) {
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      p.setBrush(col == 0 ? kGregorianRed : (col == 3 ? QColor(30, 70, 200) : kInk));
      p.drawRect(QRectF(7 + col * 5, 16 + row * 4.3, 3.2, 2.8));
    }
  }
}

Drawing CalendarButton(const QColor& band, const QString& mark, const QColor& markColor) {
  return [band, mark, markColor](QPainter& p) {
    Page(p, band);
    if (mark.isEmpty()) {
      MiniGrid(p);
    } else {
      Glyph(p, QRectF(4, 12.5, 24, 17.5), mark, markColor, 17);
    }
  };
}

// The first button of a calendar bar: the hall's seal.
Drawing HallSeal(const QColor& color, const QString& mark) {
  return [color, mark](QPainter& p) {
    p.setPen(QPen(color.darker(140), 1.0));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5, 5, 22, 22), 4, 4);
    Glyph(p, QRectF(2, 2, 28, 28), mark, Qt::white, 20);
  };
}

// A report list sheet with a coloured mark.
Drawing ListSheet(const QColor& color, const QString& mark) {
  return [color, mark](QPainter& p) {
    p.setPen(QPen(kEdge, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 3.5, 25, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4, 4, 24, 5));
    p.setBrush(QColor(150, 150, 150));
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(6, 12 + i * 4.5, 8, 1.6));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(15, 11, 13, 17), 2, 2);
    Glyph(p, QRectF(15, 11, 13, 17), mark, Qt::white, 11);
  };
}

Drawing SunMark() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(230, 120, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
      p.save();
      p.translate(16, 16);
      p.rotate(i * 45);
      p.drawLine(QPointF(0, -13), QPointF(0, -10));
      p.restore();
    }
    p.setPen(QPen(QColor(210, 100, 0), 1.0));
    p.setBrush(QColor(255, 170, 20));
    p.drawEllipse(QPointF(16, 16), 7.5, 7.5);
  };
}

Drawing MoonMark(bool phases) {
  return [phases](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 40, 90));
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    if (phases) {
      // New, first quarter, full and last quarter moons in a row.
      const qreal y = 16, r = 3.2;
      p.setPen(QPen(QColor(240, 220, 120), 0.8));
      for (int i = 0; i < 4; ++i) {
        const QPointF c(6.5 + i * 6.3, y);
        p.setBrush(QColor(30, 40, 90));
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(250, 225, 110));
        if (i == 2) {
          p.drawEllipse(c, r, r);
        } else if (i == 1 || i == 3) {
          QPainterPath half;
          half.moveTo(c.x(), c.y() - r);
          half.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, i == 1 ? -180 : 180);
          half.closeSubpath();
          p.drawPath(half);
        }
      }
      return;
    }
    QPainterPath moon;
    moon.addEllipse(QPointF(16, 16), 10, 10);
    QPainterPath bite;
    bite.addEllipse(QPointF(21, 12), 9, 9);
    p.setBrush(QColor(250, 225, 110));
    p.drawPath(moon.subtracted(bite));
  };
}

// --- the standard bar's small pictures, on 16 units

Drawing MonthSetting() {
  return [](QPainter& p) {
    p.setPen(QPen(kEdge, 0.8));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 9, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(kGregorianRed);
    p.drawRect(QRectF(2, 3, 8, 3));
    p.setBrush(kInk);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c) p.drawRect(QRectF(3 + c * 2.5, 7.5 + r * 2.7, 1.5, 1.5));
    p.setBrush(QColor(0, 100, 0));
    QPolygonF up({QPointF(11.5, 6.5), QPointF(15.5, 6.5), QPointF(13.5, 3)});
    QPolygonF down({QPointF(11.5, 9.5), QPointF(15.5, 9.5), QPointF(13.5, 13)});
    p.drawPolygon(up);
    p.drawPolygon(down);
  };
}

Drawing AreaPin() {
  return [](QPainter& p) {
    QPainterPath pin;
    pin.moveTo(8, 15);
    pin.cubicTo(6, 11, 3, 9, 3, 6);
    pin.arcTo(QRectF(3, 1, 10, 10), 180, -180);
    pin.cubicTo(13, 9, 10, 11, 8, 15);
    p.setPen(QPen(QColor(140, 0, 0), 0.8));
    p.setBrush(QColor(220, 40, 40));
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 6), 2, 2);
  };
}

Drawing TearOffPage() {
  return [](QPainter& p) {
    p.setPen(QPen(kEdge, 0.8));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(3.5, 2.5, 10, 12));
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(12.5, 1.5);
    page.lineTo(12.5, 10.5);
    page.lineTo(9.5, 13.5);
    page.lineTo(2.5, 13.5);
    page.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(page);
    Glyph(p, QRectF(2.5, 2, 10, 10), QStringLiteral("日"), kGregorianRed, 9);
  };
}

Drawing LightBulb() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(150, 120, 0), 0.8));
    p.setBrush(QColor(255, 230, 60));
    p.drawEllipse(QRectF(3.5, 1, 9, 9));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(5.5, 10, 5, 3.5));
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.drawLine(QPointF(5.5, 11.7), QPointF(10.5, 11.7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(6.5, 13.5, 3, 1.5));
  };
}

Drawing HelpMark() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(0, 50, 140), 0.8));
    p.setBrush(QColor(30, 100, 210));
    p.drawEllipse(QRectF(1.5, 1, 13, 13));
    QFont font = GlyphFont(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
  };
}

// The navigation bar's buttons: a triangle pointing back or on, and a
// leaf of a calendar with 今 on it.
Drawing StepArrow(bool forward) {
  return [forward](QPainter& p) {
    p.setPen(QPen(QColor(0, 50, 140), 0.8));
    p.setBrush(QColor(30, 100, 210));
    QPolygonF triangle;
    if (forward) {
      triangle << QPointF(4, 2) << QPointF(13, 7.5) << QPointF(4, 13);
    } else {
      triangle << QPointF(12, 2) << QPointF(3, 7.5) << QPointF(12, 13);
    }
    p.drawPolygon(triangle);
  };
}

Drawing TodayLeaf() {
  return [](QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 12));
    p.fillRect(QRectF(2, 2, 12, 3), kGregorianRed);
    p.setFont(GlyphFont(8));
    p.setPen(kInk);
    p.drawText(QRectF(1.5, 4.5, 13, 9), Qt::AlignCenter, QStringLiteral("今"));
  };
}

QString KindMark(int command) {
  switch (command) {
    case 32782: case 32787: return {};  // the plain grid
    case 32791: case 32803: return QStringLiteral("節");
    case 32792: case 32804: return QStringLiteral("祝");
    case 32794: case 32798: return QStringLiteral("六");
    case 32795: case 32799: return QStringLiteral("干");
    case 32796: case 32800: return QStringLiteral("九");
    case 32793: return QStringLiteral("旧");
    case 32802: return QStringLiteral("西");
    case 32797: case 32801: return QStringLiteral("般");
    default: return QStringLiteral("?");
  }
}

QColor MarkColor(const QString& mark) {
  if (mark == QStringLiteral("祝") || mark == QStringLiteral("西")) return kGregorianRed;
  if (mark == QStringLiteral("節")) return QColor(0, 120, 60);
  if (mark == QStringLiteral("九")) return QColor(120, 40, 150);
  if (mark == QStringLiteral("干")) return QColor(140, 80, 20);
  if (mark == QStringLiteral("旧")) return kLunarIndigo;
  return kInk;
}

bool IsGregorianBarCommand(int command) {
  switch (command) {
    case 32782: case 32791: case 32792: case 32794: case 32795: case 32796: case 32793: case 32797:
      return true;
    default:
      return false;
  }
}

bool IsLunarBarCommand(int command) {
  switch (command) {
    case 32787: case 32803: case 32804: case 32798: case 32799: case 32800: case 32802: case 32801:
      return true;
    default:
      return false;
  }
}

}  // namespace

QIcon CommandIcon(int command) {
  const QSize large(32, 32);
  const QSize small(16, 15);
  if (command == 43001) return MakeIcon(HallSeal(kGregorianRed, QStringLiteral("西")), large, 32);
  if (command == 43002) return MakeIcon(HallSeal(kLunarIndigo, QStringLiteral("旧")), large, 32);
  if (IsGregorianBarCommand(command) || IsLunarBarCommand(command)) {
    const QString mark = KindMark(command);
    const QColor band = IsGregorianBarCommand(command) ? kGregorianRed : kLunarIndigo;
    return MakeIcon(CalendarButton(band, mark, MarkColor(mark)), large, 32);
  }
  switch (command) {
    case 32773: return MakeIcon(MonthSetting(), small, 16);
    case 32820: return MakeIcon(AreaPin(), small, 16);
    case 32805: return MakeIcon(TearOffPage(), small, 16);
    case 32789: return MakeIcon(LightBulb(), small, 16);
    case 32781: return MakeIcon(HelpMark(), small, 16);
    case 32860: return MakeIcon(StepArrow(false), small, 16);
    case 32861: return MakeIcon(TodayLeaf(), small, 16);
    case 32862: return MakeIcon(StepArrow(true), small, 16);
    default: return {};
  }
}

static Drawing ProgramIcon() { return CalendarButton(kGregorianRed, QStringLiteral("暦"), kInk); }

void PaintProgramIcon(QPainter& painter, int size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(size / 32.0, size / 32.0);
  ProgramIcon()(painter);
  painter.restore();
}

QIcon ResourceIcon(int resource) {
  const QSize size(32, 32);
  switch (resource) {
    case 128: return MakeIcon(ProgramIcon(), size, 32);
    case 131: return MakeIcon(CalendarButton(kGregorianRed, {}, kInk), size, 32);
    case 134: return MakeIcon(CalendarButton(kGregorianRed, QStringLiteral("般"), kInk), size, 32);
    case 144: return MakeIcon(CalendarButton(kGregorianRed, QStringLiteral("節"), MarkColor("節")), size, 32);
    case 145: return MakeIcon(CalendarButton(kGregorianRed, QStringLiteral("祝"), kGregorianRed), size, 32);
    case 146: return MakeIcon(CalendarButton(kLunarIndigo, QStringLiteral("六"), kInk), size, 32);
    case 147: return MakeIcon(CalendarButton(kLunarIndigo, QStringLiteral("干"), MarkColor("干")), size, 32);
    case 148: return MakeIcon(CalendarButton(kLunarIndigo, QStringLiteral("旧"), kLunarIndigo), size, 32);
    case 149: return MakeIcon(CalendarButton(kLunarIndigo, QStringLiteral("九"), MarkColor("九")), size, 32);
    case 133: return MakeIcon(ListSheet(kGregorianRed, QStringLiteral("対")), size, 32);
    case 136: return MakeIcon(ListSheet(kLunarIndigo, QStringLiteral("対")), size, 32);
    case 137: return MakeIcon(ListSheet(QColor(0, 120, 60), QStringLiteral("節")), size, 32);
    case 139: return MakeIcon(ListSheet(kGregorianRed, QStringLiteral("祝")), size, 32);
    case 140: return MakeIcon(ListSheet(QColor(140, 80, 20), QStringLiteral("干")), size, 32);
    case 141: return MakeIcon(ListSheet(QColor(90, 60, 30), QStringLiteral("号")), size, 32);
    case 142: return MakeIcon(ListSheet(kLunarIndigo, QStringLiteral("月")), size, 32);
    case 143: return MakeIcon(ListSheet(QColor(100, 100, 100), QStringLiteral("宣")), size, 32);
    case 151: return MakeIcon(ListSheet(QColor(30, 70, 200), QStringLiteral("週")), size, 32);
    case 152: return MakeIcon(ListSheet(QColor(30, 70, 200), QStringLiteral("月")), size, 32);
    case 153: return MakeIcon(ListSheet(QColor(0, 120, 120), QStringLiteral("齢")), size, 32);
    case 154: return MakeIcon(MoonMark(false), size, 32);
    case 155: return MakeIcon(SunMark(), size, 32);
    case 156: return MakeIcon(MoonMark(false), size, 32);
    case 157: return MakeIcon(MoonMark(true), size, 32);
    case 150: return MakeIcon(LightBulb(), size, 16);  // the tips dialog
    case 158: return MakeIcon(ListSheet(QColor(200, 110, 0), QStringLiteral("予")), size, 32);
    case 159: return MakeIcon(ListSheet(QColor(120, 40, 150), QStringLiteral("星")), size, 32);
    case 160: return MakeIcon(ListSheet(QColor(0, 120, 60), QStringLiteral("雑")), size, 32);
    default: return {};
  }
}

}  // namespace korvane
