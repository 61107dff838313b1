#include "devices/WindowFont.h"

#include <QFontDatabase>
#include <QStringList>

void InstallWindowFontSubstitution() {
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QFont WindowFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setWeight(QFont::Bold);
  font.setItalic(false);
  font.setUnderline(false);
  return font;
}

bool WindowFontInstalled() {
  return QFontDatabase::families().contains(QStringLiteral("Liberation Sans"));
}
