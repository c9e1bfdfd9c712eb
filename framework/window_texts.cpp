#include "framework/window_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvane {
namespace {

QTranslator& Translator() {
  static QTranslator translator;
  return translator;
}

bool g_installed = false;

}  // namespace

bool InstallJapaneseWindowTexts() {
  if (g_installed) return true;
  if (!Translator().load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  g_installed = QCoreApplication::installTranslator(&Translator());
  return g_installed;
}

void RemoveJapaneseWindowTexts() {
  if (!g_installed) return;
  QCoreApplication::removeTranslator(&Translator());
  g_installed = false;
}

}  // namespace korvane
