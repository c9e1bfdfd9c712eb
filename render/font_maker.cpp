#include "render/font_maker.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cstring>

namespace {

// LOGFONT pitch bits.
constexpr int kFixedPitch = 1;
// The largest height any layout asks for, with room to spare.
constexpr int kMaxPixelHeight = 4096;
// The size that height 0 ("any reasonable size") gives.
constexpr int kDefaultPixelHeight = 16;

bool Installed(const QString& family) {
  static const QStringList families = QFontDatabase::families();
  return families.contains(family, Qt::CaseInsensitive);
}

}  // namespace

void LogFont::SetFaceName(const char* face) {
  std::memset(faceName, 0, sizeof faceName);
  if (!face) return;
  size_t length = std::strlen(face);
  if (length > sizeof faceName - 1) {
    length = sizeof faceName - 1;
    // Back up to the first byte of a UTF-8 character.
    while (length > 0 && (static_cast<unsigned char>(face[length]) & 0xC0) == 0x80) --length;
  }
  std::memcpy(faceName, face, length);
}

bool CFont::CreateFontIndirect(const LogFont& logFont) {
  if (logFont.height < -kMaxPixelHeight || logFont.height > kMaxPixelHeight) return false;
  logFont_ = logFont;
  font_ = FontMaker::ToQFont(logFont);
  valid_ = true;
  return true;
}

bool CFont::GetLogFont(LogFont& logFont) const {
  if (!valid_) return false;
  logFont = logFont_;
  return true;
}

LogFont FontMaker::DefaultLogFont() {
  LogFont font;
  font.height = -48;
  font.width = 0;
  font.escapement = 0;
  font.orientation = 0;
  font.weight = 400;
  font.charSet = 128;  // Shift-JIS
  font.pitchAndFamily = 0x31;  // fixed pitch, modern family
  font.SetFaceName("ＭＳ ゴシック");
  return font;
}

bool FontMaker::MakeHeightVariant(const CFont& source, int pixelHeight, CFont& result) {
  LogFont logFont;
  if (pixelHeight <= 0 || !source.GetLogFont(logFont)) return false;
  logFont.height = -pixelHeight;
  return result.CreateFontIndirect(logFont);
}

QStringList FontMaker::FamiliesFor(const QString& face) {
  QStringList wanted;
  if (face == QStringLiteral("ＭＳ ゴシック") || face == QStringLiteral("MS Gothic")) {
    wanted = {"IPAGothic", "Noto Sans Mono CJK JP", "Noto Sans CJK JP"};
  } else if (face == QStringLiteral("ＭＳ Ｐゴシック") || face == QStringLiteral("MS PGothic")) {
    wanted = {"IPAPGothic", "Noto Sans CJK JP", "IPAGothic"};
  } else if (face == QStringLiteral("ＭＳ 明朝") || face == QStringLiteral("MS Mincho")) {
    wanted = {"IPAMincho", "Noto Serif CJK JP", "IPAGothic"};
  } else if (face == QStringLiteral("ＭＳ Ｐ明朝") || face == QStringLiteral("MS PMincho")) {
    wanted = {"IPAPMincho", "Noto Serif CJK JP", "IPAPGothic"};
  } else if (!face.isEmpty()) {
    wanted = {face, "IPAGothic", "Noto Sans CJK JP"};
  } else {
    wanted = {"IPAGothic", "Noto Sans CJK JP"};
  }
  QStringList families;
  for (const QString& family : wanted) {
    if (Installed(family)) families << family;
  }
  // Nothing installed: keep the first wish and let the style hint choose.
  if (families.isEmpty()) families << wanted.front();
  return families;
}

QFont FontMaker::ToQFont(const LogFont& logFont) {
  QFont font;
  font.setFamilies(FamiliesFor(QString::fromUtf8(logFont.faceName)));
  const bool fixed = (logFont.pitchAndFamily & 3) == kFixedPitch;
  font.setStyleHint(fixed ? QFont::Monospace : QFont::SansSerif);
  font.setFixedPitch(fixed);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(logFont.weight == 0 ? 400 : logFont.weight, 1, 1000)));
  font.setItalic(logFont.italic);
  font.setUnderline(logFont.underline);
  font.setStrikeOut(logFont.strikeOut);

  int pixelSize = kDefaultPixelHeight;
  if (logFont.height < 0) {
    pixelSize = -logFont.height;
  } else if (logFont.height > 0) {
    // A cell height: scale the em so that ascent + descent fill it.
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    pixelSize = cell > 0 ? std::max(1, static_cast<int>(logFont.height * 100 / cell)) : logFont.height;
  }
  font.setPixelSize(std::max(1, pixelSize));

  if (logFont.width > 0) {
    const QFontMetricsF metrics(font);
    const qreal natural = metrics.averageCharWidth();
    if (natural > 0) font.setStretch(std::clamp(static_cast<int>(logFont.width * 100 / natural), 1, 4000));
  }
  return font;
}

namespace korvane {

QFont DialogFont() {
  QFont font;
  font.setFamilies(FontMaker::FamiliesFor(QStringLiteral("ＭＳ Ｐゴシック")));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(9);
  return font;
}

QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height) {
  const QFontMetricsF metrics(font);
  // The average width of the Latin letters, as the platform measures it for
  // dialog units.
  const qreal baseX =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
  const qreal baseY = metrics.height();
  auto px = [&](int units) { return static_cast<int>(units * baseX / 4.0 + 0.5); };
  auto py = [&](int units) { return static_cast<int>(units * baseY / 8.0 + 0.5); };
  return QRect(px(x), py(y), px(width), py(height));
}

}  // namespace korvane
