#include "Fonts.h"

#include <QFontDatabase>

namespace halvex {

QFont ConsoleFont() {
  QFont font = QFontDatabase::hasFamily(QStringLiteral("Consolas"))
                   ? QFont(QStringLiteral("Consolas"))
                   : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(13);
  return font;
}

QFont FormFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace halvex
