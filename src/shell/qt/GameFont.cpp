#include "shell/qt/GameFont.h"

#include <QApplication>

namespace {

const QString DesignFont = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

void ApplyGameFont() {
    QFont::insertSubstitution(DesignFont, QStringLiteral("IPAPGothic"));
    QApplication::setFont(GameFont(12));
}

QFont GameFont(int pixelSize) {
    QFont font(DesignFont);
    font.setPixelSize(pixelSize);
    return font;
}
