#pragma once
// Fonts described the way the program's layouts were designed: a LOGFONT-like
// record whose height is in pixels (negative: the character height, i.e. the
// em size; positive: the whole cell height; 0: a default size), and the
// faces "ＭＳ ゴシック" / "ＭＳ Ｐゴシック" mapped to installed Japanese
// faces (IPAGothic / IPAPGothic, then Noto Sans Mono CJK JP / Noto Sans CJK
// JP), so that fixed-pitch layouts keep their widths: an ASCII character is
// half as wide as a kanji.
//
//   FontMaker maker;                      // owned by a view or dialog
//   CFont viewFont;
//   viewFont.CreateFontIndirect(maker.DefaultLogFont());
//   CFont cellFont;
//   if (maker.MakeHeightVariant(viewFont, cellHeight - 2, cellFont))
//     painter.setFont(cellFont.Font());
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

struct LogFont {
  int height = 0;
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = 0;
  int outPrecision = 0;
  int clipPrecision = 0;
  int quality = 0;
  int pitchAndFamily = 0;
  // UTF-8, at most 31 bytes and a terminating zero.
  char faceName[32] = {};

  // Copies `face`, cut at a character boundary to fit.
  void SetFaceName(const char* face);
};

// A font made from a LogFont; remembers the record it was made from.
class CFont {
 public:
  // False (and the font unchanged) for a height the program could never
  // mean (zero-size or more than 4096 pixels).
  bool CreateFontIndirect(const LogFont& logFont);
  bool GetLogFont(LogFont& logFont) const;
  bool IsValid() const { return valid_; }
  void DeleteObject() { valid_ = false; }
  const QFont& Font() const { return font_; }

 private:
  LogFont logFont_;
  QFont font_;
  bool valid_ = false;
};

class FontMaker {
 public:
  // Character height 48 pixels, normal weight, Shift-JIS character set,
  // fixed pitch modern family, face "ＭＳ ゴシック".
  static LogFont DefaultLogFont();
  // Reads the source's record, sets its height to minus `pixelHeight` and
  // makes `result` from it.  False when the source is not a font or the
  // height is not positive; `result` is then unchanged.
  static bool MakeHeightVariant(const CFont& source, int pixelHeight, CFont& result);

  // The QFont for a record.
  static QFont ToQFont(const LogFont& logFont);
  // The installed families that stand for a face name, best first.
  static QStringList FamiliesFor(const QString& face);
};

namespace korvane {

// The dialogs' font: "ＭＳ Ｐゴシック" 9 points.
QFont DialogFont();
// A rectangle in dialog units of `font` converted to pixels (a horizontal
// unit is a quarter of the average character width, a vertical one an
// eighth of the character height).
QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height);

}  // namespace korvane
